#include "quickstyle.h"

#include <QtCore/QCoreApplication>
#include <QtQml/QQmlEngine>
#include <QtQml/QQmlInfo>

#include "elementquery.h"
#include "quickattached_p.h"
#include "quickelement.h"
#include "style.h"
#include "styleapplier_p.h"

namespace Quilt::Quick
{
int QuickStyleUpdatedEvent::s_type = QEvent::registerEventType();
int QuickStyleColorsChangedEvent::s_type = QEvent::registerEventType();

QuickStyleUpdatedEvent::QuickStyleUpdatedEvent()
    : QEvent(QEvent::Type(s_type))
{ }

QuickStyleUpdatedEvent::~QuickStyleUpdatedEvent() = default;

QuickStyleColorsChangedEvent::QuickStyleColorsChangedEvent()
    : QEvent(QEvent::Type(s_type))
{ }

QuickStyleColorsChangedEvent::~QuickStyleColorsChangedEvent() = default;

QuickStyle::QuickStyle(QQmlEngine* engine, QObject* attachee)
    : QQuickAttachedPropertyPropagator(attachee)
    , m_engine(engine)
    , m_inert(qobject_cast<QQmlEngine*>(attachee) != nullptr)
{
    initialize();
    update();
}

QuickStyle::~QuickStyle()
{
    // The tree points into the shown result: let go of the tree first.
    m_properties.reset();
    m_applier.reset();
}

QuickStyle* QuickStyle::qmlAttachedProperties(QObject* object)
{
    return new QuickStyle(qmlEngine(object), object);
}

QuickElement* QuickStyle::findElement() const
{
    if (m_inert) {
        return nullptr;
    }
    if (auto* own = detail::attachedObject<QuickElement>(parent(), false)) {
        return own;
    }
    for (auto* style = detail::attachedParent<QuickStyle>(this); style;
         style = detail::attachedParent<QuickStyle>(style)) {
        if (auto* element = detail::attachedObject<QuickElement>(style->parent(), false)) {
            return element;
        }
    }
    return nullptr;
}

void QuickStyle::update()
{
    setElement(findElement());
    if (!m_element) {
        return;
    }
    if (!m_element->isCompleted()) {
        m_element->queryAhead();
    }
    ElementQuery* query = m_element->query();
    bool unchanged = false;
    if (!query) {
        if (!m_shown) {
            return;
        }
        show(nullptr);
        if (m_applier) {
            m_applier->apply(nullptr);
        }
    } else if (!query->hasMatches()) {
        // The values stay as they are, but whoever paints from the query
        // learns that it matches nothing now.
        m_unmatched = true;
        QuickStyleUpdatedEvent event;
        QCoreApplication::sendEvent(this, &event);
        return;
    } else {
        auto result = query->sharedProperties();
        unchanged = result == m_shown && !m_unmatched;
        show(std::move(result));
        if (m_applier && !unchanged) {
            m_applier->apply(m_shown.get());
        }
    }
    m_unmatched = false;

    QuickStyleUpdatedEvent event;
    QCoreApplication::sendEvent(this, &event);
    Q_EMIT updated();
    if (unchanged) {
        // A re-query that the result cache answered alike: the Styles below
        // show nothing new. Those with elements of their own hear from them.
        return;
    }

    const auto children = attachedChildren();
    for (QQuickAttachedPropertyPropagator* child : children) {
        if (auto* style = qobject_cast<QuickStyle*>(child)) {
            style->update();
        }
    }
}

void QuickStyle::show(std::shared_ptr<const Properties::StylePropertyGroup> result)
{
    // The old result stays alive until the tree has moved on, so no group of
    // the new one can share an address with a group the tree still shows.
    std::swap(m_shown, result);
    if (m_properties) {
        m_properties->setGroup(m_shown.get());
    }
}

StylePropertyGroupQuick* QuickStyle::properties() const
{
    if (!m_properties) {
        m_properties = std::make_unique<StylePropertyGroupQuick>(const_cast<QuickStyle*>(this));
        m_properties->setGroup(m_shown.get());
    }
    return m_properties.get();
}

QQmlEngine* QuickStyle::engine() const
{
    return m_engine;
}

Quilt::ElementQuery* QuickStyle::query() const
{
    return m_element ? m_element->query() : nullptr;
}

QuickElement* QuickStyle::element() const
{
    return m_element;
}

void QuickStyle::setElement(QuickElement* element)
{
    if (element == m_element) {
        return;
    }
    if (m_element) {
        m_element->removeEventFilter(this);
    }
    m_element = element;
    if (m_element) {
        m_element->installEventFilter(this);
    }
}

QString QuickStyle::applied() const
{
    return m_applied;
}

void QuickStyle::setApplied(const QString& values)
{
    if (values == m_applied) {
        return;
    }
    m_applied = values;
    // Every control of a kind names the same values: parse each text once.
    thread_local QString s_lastText;
    thread_local AppliedValues s_lastValues;
    if (values != s_lastText) {
        AppliedValues parsed;
        const auto words = QStringView(values).split(u' ', Qt::SkipEmptyParts);
        for (QStringView word : words) {
            if (word == u"padding") {
                parsed |= Padding;
            } else if (word == u"insets") {
                parsed |= Insets;
            } else if (word == u"spacing") {
                parsed |= Spacing;
            } else if (word == u"font") {
                parsed |= Font;
            } else if (word == u"icon") {
                parsed |= Icon;
            } else if (word == u"color") {
                parsed |= Color;
            } else {
                qmlWarning(this) << "Style.applied: unknown value \"" << word.toString() << '"';
            }
        }
        s_lastText = values;
        s_lastValues = parsed;
    }
    setAppliedValues(s_lastValues);
}

QuickStyle::AppliedValues QuickStyle::appliedValues() const
{
    return m_applier ? m_applier->values() : AppliedValues();
}

void QuickStyle::setAppliedValues(AppliedValues values)
{
    if (values == appliedValues() || m_inert || !parent()) {
        return;
    }
    static const int slot = staticMetaObject.indexOfSlot("appliedTargetChanged()");
    if (m_applier) {
        m_applier->disconnect(this, slot);
        m_applier.reset();
    }
    if (values) {
        m_applier = std::make_unique<StyleApplier>(parent(), values, this, slot);
        m_applier->apply(m_shown.get());
    }
}

void QuickStyle::appliedTargetChanged()
{
    if (m_applier) {
        m_applier->targetChanged(senderSignalIndex());
    }
}

bool QuickStyle::event(QEvent* event)
{
    const int type = event->type();
    if ((type == QuickStyleUpdatedEvent::s_type || type == QuickStyleColorsChangedEvent::s_type) && parent()) {
        QCoreApplication::sendEvent(parent(), event);
    }
    return QQuickAttachedPropertyPropagator::event(event);
}

bool QuickStyle::eventFilter(QObject* watched, QEvent* event)
{
    const int type = event->type();
    if (type == StyleChangedEvent::s_type) {
        if (m_properties) {
            m_properties->announceColors();
        }
        if (m_applier) {
            m_applier->colorsChanged(m_shown.get());
        }
        QuickStyleColorsChangedEvent colors;
        QCoreApplication::sendEvent(this, &colors);
        return false;
    }
    if (type == QuickElementUpdatedEvent::s_type && watched == m_element) {
        update();
        return false;
    }
    return QQuickAttachedPropertyPropagator::eventFilter(watched, event);
}

void QuickStyle::attachedParentChange(QQuickAttachedPropertyPropagator* newParent,
                                      QQuickAttachedPropertyPropagator* oldParent)
{
    Q_UNUSED(newParent);
    Q_UNUSED(oldParent);
    update();
}
} // namespace Quilt::Quick
