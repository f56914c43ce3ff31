#include "elementhint.h"

#include "quickelement.h"

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

ElementAttribute::ElementAttribute(QObject* parent)
    : ElementHint(parent)
{ }

ElementAttribute::~ElementAttribute() = default;

QVariant ElementAttribute::value() const
{
    return m_value;
}

void ElementAttribute::setValue(const QVariant& value)
{
    if (value == m_value && value.isValid() == m_value.isValid()) {
        return;
    }
    m_value = value;
    update();
    Q_EMIT valueChanged();
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
