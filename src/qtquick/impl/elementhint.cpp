#include "elementhint.h"

#include <QtQml/QJSValue>

#include <algorithm>

#include "quickelement.h"
#include "quicklogging_p.h"

namespace Quilt::Quick
{
ElementHint::ElementHint(QObject* parent)
    : QObject(parent)
{ }

ElementHint::~ElementHint() = default;

QString ElementHint::name() const
{
    return m_name;
}

void ElementHint::setName(const QString& name)
{
    if (name == m_name) {
        return;
    }
    m_name = name;
    update();
    Q_EMIT nameChanged();
}

bool ElementHint::when() const
{
    return m_when;
}

void ElementHint::setWhen(bool when)
{
    if (when == m_when) {
        return;
    }
    m_when = when;
    update();
    Q_EMIT whenChanged();
}

QuickElement* ElementHint::element() const
{
    return m_element;
}

void ElementHint::setElement(QuickElement* element)
{
    m_element = element;
    update();
}

void ElementHint::update()
{
    if (m_element) {
        m_element->updateHints();
    }
}

namespace
{
// Whether the element's key can be written from the value: a script value
// has no stream form (Qt warns on every attempt), nor has anything else
// without stream operators, inside a list or map included.
bool isStreamable(const QVariant& value)
{
    const QMetaType type = value.metaType();
    if (type == QMetaType::fromType<QVariantList>()) {
        const auto list = value.toList();
        return std::all_of(list.cbegin(), list.cend(), isStreamable);
    }
    if (type == QMetaType::fromType<QVariantMap>()) {
        const auto map = value.toMap();
        return std::all_of(map.cbegin(), map.cend(), isStreamable);
    }
    if (type == QMetaType::fromType<QVariantHash>()) {
        const auto hash = value.toHash();
        return std::all_of(hash.cbegin(), hash.cend(), isStreamable);
    }
    if (type == QMetaType::fromType<QJSValue>()) {
        return false;
    }
    return !type.isValid() || type.hasRegisteredDataStreamOperators();
}
} // namespace

ElementAttribute::ElementAttribute(QObject* parent)
    : ElementHint(parent)
{ }

ElementAttribute::~ElementAttribute() = default;

QVariant ElementAttribute::value() const
{
    return m_value;
}

void ElementAttribute::setValue(const QVariant& given)
{
    // A JavaScript object or array arrives as a script value: the element
    // keeps its plain form, which streams and compares by content.
    const QVariant value = given.metaType() == QMetaType::fromType<QJSValue>()
        ? given.value<QJSValue>().toVariant(QJSValue::ConvertJSObjects)
        : given;
    if (value == m_value && value.isValid() == m_value.isValid()) {
        return;
    }
    m_value = value;
    m_streamable = isStreamable(value);
    m_warned = false;
    update();
    Q_EMIT valueChanged();
}

bool ElementAttribute::isUsable()
{
    if (!when() || !m_value.isValid()) {
        return false;
    }
    // Told once per value, when the element first leaves it out, so that the
    // name is known whichever of the two QML set first.
    if (!m_streamable && !m_warned) {
        m_warned = true;
        qCWarning(lcQtQuick) << "Element attribute" << name() << "ignored: its value cannot be streamed:" << m_value;
    }
    return m_streamable;
}

void ElementAttribute::resetValue()
{
    setValue(QVariant());
}

void ElementAttribute::update()
{
    if (QuickElement* owner = element()) {
        owner->updateAttributes();
    }
}
} // namespace Quilt::Quick
