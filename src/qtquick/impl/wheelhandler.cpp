#include "wheelhandler_p.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QQmlInfo>
#include <QStyleHints>
#include <QWheelEvent>

#include <cmath>

namespace
{
constexpr int wheelScrollingInterval = 400; // ms
constexpr double pixelsPerWheelLine = 20.0;

// Covers the target's content while the wheel scrolls: wheel events then
// reach the handler before any item of the content, and the items under it
// show no hover. It takes no mouse buttons, so it never swallows a click.
class WheelFilterItem : public QQuickItem
{
public:
    WheelFilterItem()
    {
        setEnabled(false);
        setAcceptHoverEvents(true);
        setAcceptedMouseButtons(Qt::NoButton);
    }

protected:
    void hoverEnterEvent(QHoverEvent* event) override { event->accept(); }
    void hoverMoveEvent(QHoverEvent* event) override { event->accept(); }
};

// The bars of the first ScrollBar attached object among the object's children.
void firstScrollBarAttached(const QObject* object, QQuickItem** vertical, QQuickItem** horizontal, QObject** attached)
{
    *vertical = nullptr;
    *horizontal = nullptr;
    *attached = nullptr;
    if (!object)
        return;
    for (QObject* child : object->children()) {
        if (child->inherits("QQuickScrollBarAttached")) {
            *attached = child;
            *vertical = child->property("vertical").value<QQuickItem*>();
            *horizontal = child->property("horizontal").value<QQuickItem*>();
            break;
        }
    }
}

bool isSynthesized(const QMouseEvent* event)
{
    return event->source() != Qt::MouseEventNotSynthesized;
}
} // namespace

WheelHandler::WheelHandler(QObject* parent)
    : QObject(parent)
    , m_filterItem(new WheelFilterItem)
{
    m_filterItem->installEventFilter(this);

    updateDefaultStepSize(QGuiApplication::styleHints()->wheelScrollLines());
    m_scroller.verticalStepSize = m_defaultStepSize;
    m_scroller.horizontalStepSize = m_defaultStepSize;
    connect(QGuiApplication::styleHints(), &QStyleHints::wheelScrollLinesChanged, this, [this](int lines) {
        updateDefaultStepSize(lines);
        if (!m_explicitVerticalStep)
            storeStepSize(Axis::Vertical, m_defaultStepSize);
        if (!m_explicitHorizontalStep)
            storeStepSize(Axis::Horizontal, m_defaultStepSize);
    });

    m_wheelScrollingTimer.setSingleShot(true);
    m_wheelScrollingTimer.setInterval(wheelScrollingInterval);
    connect(&m_wheelScrollingTimer, &QTimer::timeout, this, [this] {
        if (m_wheelScrolling) {
            m_wheelScrolling = false;
            if (m_filterItem)
                m_filterItem->setEnabled(false);
        }
    });
}

WheelHandler::~WheelHandler()
{
    // Nothing may reach the filter of a half-destroyed handler while the
    // filter item leaves its target.
    for (QQuickItem* watched : { m_target.data(), m_verticalScrollBar.data(), m_horizontalScrollBar.data(),
                                 m_scrollView.data(), m_filterItem.data() }) {
        if (watched)
            watched->removeEventFilter(this);
    }
    delete m_filterItem.data();
}

void WheelHandler::classBegin()
{ }

void WheelHandler::componentComplete()
{ }

QQuickItem* WheelHandler::target() const
{
    return m_target;
}

void WheelHandler::setTarget(QQuickItem* target)
{
    if (target == m_target)
        return;
    if (target && !target->inherits("QQuickFlickable")) {
        qmlWarning(this) << "target must be a QQuickFlickable";
        return;
    }

    if (QQuickItem* old = m_target) {
        old->removeEventFilter(this);
        if (m_filterItem)
            disconnect(old, nullptr, m_filterItem, nullptr);
        disconnect(old, &QQuickItem::parentChanged, this, &WheelHandler::_v_rebindScrollBars);
    }

    m_target = target;
    if (m_filterItem)
        m_filterItem->setParentItem(target);
    m_scroller.setTarget(target);

    if (target) {
        target->installEventFilter(this);
        if (m_filterItem) {
            if (auto* content = target->property("contentItem").value<QQuickItem*>())
                m_filterItem->stackAfter(content);
            m_filterItem->setSize(target->size());
            QQuickItem* filter = m_filterItem;
            connect(target, &QQuickItem::widthChanged, filter, [filter, target] { filter->setWidth(target->width()); });
            connect(target, &QQuickItem::heightChanged, filter,
                    [filter, target] { filter->setHeight(target->height()); });
        }
    }

    _v_rebindScrollBars();
    Q_EMIT targetChanged();
}

void WheelHandler::_v_rebindScrollBars()
{
    QQuickItem* ownVertical = nullptr;
    QQuickItem* ownHorizontal = nullptr;
    QObject* ownAttached = nullptr;
    QQuickItem* viewVertical = nullptr;
    QQuickItem* viewHorizontal = nullptr;
    QObject* viewAttached = nullptr;

    if (QQuickItem* target = m_target) {
        firstScrollBarAttached(target, &ownVertical, &ownHorizontal, &ownAttached);

        QQuickItem* parent = target->parentItem();
        if (m_scrollView && m_scrollView != parent) {
            m_scrollView->removeEventFilter(this);
            m_scrollView = nullptr;
        }
        if (parent && parent->inherits("QQuickScrollView")) {
            if (m_scrollView != parent) {
                m_scrollView = parent;
                parent->installEventFilter(this);
            }
            firstScrollBarAttached(parent, &viewVertical, &viewHorizontal, &viewAttached);
        }

        // Only bars of the flickable's own make a later scroll view
        // irrelevant; otherwise watch for the flickable being moved into one.
        if (ownVertical && ownHorizontal)
            disconnect(target, &QQuickItem::parentChanged, this, &WheelHandler::_v_rebindScrollBars);
        else
            connect(target, &QQuickItem::parentChanged, this, &WheelHandler::_v_rebindScrollBars, Qt::UniqueConnection);
    } else if (m_scrollView) {
        m_scrollView->removeEventFilter(this);
        m_scrollView = nullptr;
    }

    QQuickItem* vertical = ownVertical ? ownVertical : viewVertical;
    QObject* verticalSource = ownVertical ? ownAttached : viewAttached;
    QQuickItem* horizontal = ownHorizontal ? ownHorizontal : viewHorizontal;
    QObject* horizontalSource = ownHorizontal ? ownAttached : viewAttached;

    rebindScrollBar(m_verticalScrollBar, m_verticalSourceConnection, vertical, verticalSource,
                    SIGNAL(verticalChanged()));
    rebindScrollBar(m_horizontalScrollBar, m_horizontalSourceConnection, horizontal, horizontalSource,
                    SIGNAL(horizontalChanged()));
}

void WheelHandler::rebindScrollBar(QPointer<QQuickItem>& current, QMetaObject::Connection& connection, QQuickItem* bar,
                                   QObject* source, const char* changeSignal)
{
    if (current == bar)
        return;
    if (current)
        current->removeEventFilter(this);
    disconnect(connection);
    connection = {};
    current = bar;
    if (bar) {
        bar->installEventFilter(this);
        if (source)
            connection = connect(source, changeSignal, this, SLOT(_v_rebindScrollBars()));
    }
}

double WheelHandler::verticalStepSize() const
{
    return m_scroller.verticalStepSize;
}

void WheelHandler::setVerticalStepSize(double stepSize)
{
    // No step means no scrolling at all: 0 (or no number) returns to the
    // desktop's step instead.
    if (stepSize == 0 || !std::isfinite(stepSize)) {
        resetVerticalStepSize();
        return;
    }
    m_explicitVerticalStep = true;
    storeStepSize(Axis::Vertical, stepSize);
}

void WheelHandler::resetVerticalStepSize()
{
    m_explicitVerticalStep = false;
    storeStepSize(Axis::Vertical, m_defaultStepSize);
}

double WheelHandler::horizontalStepSize() const
{
    return m_scroller.horizontalStepSize;
}

void WheelHandler::setHorizontalStepSize(double stepSize)
{
    if (stepSize == 0 || !std::isfinite(stepSize)) {
        resetHorizontalStepSize();
        return;
    }
    m_explicitHorizontalStep = true;
    storeStepSize(Axis::Horizontal, stepSize);
}

void WheelHandler::resetHorizontalStepSize()
{
    m_explicitHorizontalStep = false;
    storeStepSize(Axis::Horizontal, m_defaultStepSize);
}

void WheelHandler::storeStepSize(Axis axis, double stepSize)
{
    double& stored = axis == Axis::Vertical ? m_scroller.verticalStepSize : m_scroller.horizontalStepSize;
    if (qFuzzyCompare(stored, stepSize))
        return;
    stored = stepSize;
    if (axis == Axis::Vertical)
        Q_EMIT verticalStepSizeChanged();
    else
        Q_EMIT horizontalStepSizeChanged();
}

void WheelHandler::updateDefaultStepSize(int wheelScrollLines)
{
    m_defaultStepSize = wheelScrollLines * pixelsPerWheelLine;
}

Qt::KeyboardModifiers WheelHandler::pageScrollModifiers() const
{
    return m_scroller.pageScrollModifiers;
}

void WheelHandler::setPageScrollModifiers(Qt::KeyboardModifiers modifiers)
{
    if (m_scroller.pageScrollModifiers == modifiers)
        return;
    m_scroller.pageScrollModifiers = modifiers;
    Q_EMIT pageScrollModifiersChanged();
}

void WheelHandler::resetPageScrollModifiers()
{
    setPageScrollModifiers(Qt::ControlModifier | Qt::ShiftModifier);
}

bool WheelHandler::filterMouseEvents() const
{
    return m_filterMouseEvents;
}

void WheelHandler::setFilterMouseEvents(bool enabled)
{
    if (m_filterMouseEvents == enabled)
        return;
    m_filterMouseEvents = enabled;
    Q_EMIT filterMouseEventsChanged();
}

bool WheelHandler::keyNavigationEnabled() const
{
    return m_keyNavigationEnabled;
}

void WheelHandler::setKeyNavigationEnabled(bool enabled)
{
    if (m_keyNavigationEnabled == enabled)
        return;
    m_keyNavigationEnabled = enabled;
    Q_EMIT keyNavigationEnabledChanged();
}

bool WheelHandler::blockTargetWheel() const
{
    return m_blockTargetWheel;
}

void WheelHandler::setBlockTargetWheel(bool block)
{
    if (m_blockTargetWheel == block)
        return;
    m_blockTargetWheel = block;
    Q_EMIT blockTargetWheelChanged();
}

bool WheelHandler::scrollFlickableTarget() const
{
    return m_scrollFlickableTarget;
}

void WheelHandler::setScrollFlickableTarget(bool enabled)
{
    if (m_scrollFlickableTarget == enabled)
        return;
    m_scrollFlickableTarget = enabled;
    Q_EMIT scrollFlickableTargetChanged();
}

bool WheelHandler::scrollUp(double stepSize)
{
    if (std::abs(stepSize) <= 1e-12)
        return false;
    const double step = stepSize < 0 ? m_scroller.verticalStepSize : stepSize;
    return m_scroller.scrollFlickable(QPointF(0, step), QPointF(), Qt::NoModifier);
}

bool WheelHandler::scrollDown(double stepSize)
{
    if (std::abs(stepSize) <= 1e-12)
        return false;
    const double step = stepSize < 0 ? m_scroller.verticalStepSize : stepSize;
    return m_scroller.scrollFlickable(QPointF(0, -step), QPointF(), Qt::NoModifier);
}

bool WheelHandler::scrollLeft(double stepSize)
{
    if (std::abs(stepSize) <= 1e-12)
        return false;
    const double step = std::trunc(stepSize < 0 ? m_scroller.horizontalStepSize : stepSize);
    return m_scroller.scrollFlickable(QPointF(step, 0), QPointF(), Qt::NoModifier);
}

bool WheelHandler::scrollRight(double stepSize)
{
    if (std::abs(stepSize) <= 1e-12)
        return false;
    const double step = std::trunc(stepSize < 0 ? m_scroller.horizontalStepSize : stepSize);
    return m_scroller.scrollFlickable(QPointF(-step, 0), QPointF(), Qt::NoModifier);
}

void WheelHandler::setWheelScrolling(bool scrolling)
{
    if (scrolling != m_wheelScrolling) {
        m_wheelScrolling = scrolling;
        if (m_filterItem)
            m_filterItem->setEnabled(scrolling);
    }
    if (scrolling)
        m_wheelScrollingTimer.start();
}

void WheelHandler::setScrollBarsInteractive(bool interactive)
{
    if (m_verticalScrollBar)
        m_verticalScrollBar->setProperty("interactive", interactive);
    if (m_horizontalScrollBar)
        m_horizontalScrollBar->setProperty("interactive", interactive);
}

bool WheelHandler::eventFilter(QObject* watched, QEvent* event)
{
    auto* item = qobject_cast<QQuickItem*>(watched);
    if (!item || !item->isEnabled())
        return false;
    const QEvent::Type type = event->type();
    if (item == m_scrollView && type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return false;

    double contentWidth = 0;
    double contentHeight = 0;
    double viewportWidth = 0;
    double viewportHeight = 0;
    if (m_target) {
        const auto g = Quilt::Quick::FlickableGeometry::read(m_target);
        contentWidth = g.contentWidth;
        contentHeight = g.contentHeight;
        viewportWidth = g.viewportWidth();
        viewportHeight = g.viewportHeight();
    }

    switch (type) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        m_wasTouch = isSynthesized(mouse);
        if (m_filterMouseEvents && !isSynthesized(mouse))
            setScrollBarsInteractive(true);
        return false;
    }
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove: {
        if (m_wheelScrolling)
            setWheelScrolling(false);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        return m_filterMouseEvents && !isSynthesized(mouse) && item == m_target;
    }
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
        if (m_filterMouseEvents && m_wasTouch && (item == m_verticalScrollBar || item == m_horizontalScrollBar))
            setScrollBarsInteractive(true);
        return false;
    case QEvent::TouchBegin:
        m_wasTouch = true;
        if (m_filterMouseEvents)
            setScrollBarsInteractive(false);
        return false;
    // wasTouch stays set after the touch ends: it tells the next hover over a
    // bar that the bars were switched off by a touch and a mouse is back.
    case QEvent::KeyPress:
        if (!m_keyNavigationEnabled)
            return false;
        return filterKeyEvent(static_cast<QKeyEvent*>(event), contentWidth, contentHeight, viewportWidth,
                              viewportHeight);
    case QEvent::Wheel:
        return filterWheelEvent(static_cast<QWheelEvent*>(event));
    default:
        return false;
    }
}

bool WheelHandler::filterKeyEvent(QKeyEvent* event, double contentWidth, double contentHeight, double viewportWidth,
                                  double viewportHeight)
{
    const bool alt = event->modifiers().testFlag(Qt::AltModifier);
    switch (event->key()) {
    case Qt::Key_Home:
        return alt ? scrollLeft(contentWidth) : scrollUp(contentHeight);
    case Qt::Key_End:
        return alt ? scrollRight(contentWidth) : scrollDown(contentHeight);
    case Qt::Key_PageUp:
        return alt ? scrollLeft(viewportWidth) : scrollUp(viewportHeight);
    case Qt::Key_PageDown:
        return alt ? scrollRight(viewportWidth) : scrollDown(viewportHeight);
    case Qt::Key_Up:
        return m_scroller.scrollFlickable(QPointF(0, m_scroller.verticalStepSize), QPointF(), Qt::NoModifier);
    case Qt::Key_Down:
        return m_scroller.scrollFlickable(QPointF(0, -m_scroller.verticalStepSize), QPointF(), Qt::NoModifier);
    case Qt::Key_Left:
        return scrollLeft(-1);
    case Qt::Key_Right:
        return scrollRight(-1);
    default:
        return false;
    }
}

bool WheelHandler::filterWheelEvent(QWheelEvent* event)
{
    if (m_filterMouseEvents)
        setScrollBarsInteractive(true);

    // Some drivers report the angle as a pixel delta as well; that is no
    // touchpad.
    if (event->pixelDelta() == event->angleDelta()) {
        const QWheelEvent withoutPixels(event->position(), event->globalPosition(), QPoint(), event->angleDelta(),
                                        event->buttons(), event->modifiers(), event->phase(), event->inverted(),
                                        event->source(), event->pointingDevice());
        m_wheelEvent.initializeFromEvent(withoutPixels);
    } else {
        m_wheelEvent.initializeFromEvent(*event);
    }
    Q_EMIT wheel(&m_wheelEvent);

    m_scroller.takeSample(event->pixelDelta(), qint64(event->timestamp()), event->phase() == Qt::ScrollEnd);

    if (m_wheelEvent.isAccepted())
        return true;

    bool scrolled = false;
    if (m_scrollFlickableTarget) {
        const QPointF angle = m_wheelEvent.angleDelta();
        const QPointF pixels = angle.isNull() ? m_wheelEvent.pixelDelta() : QPointF();
        scrolled = m_scroller.scrollFlickable(pixels, angle, Qt::KeyboardModifiers(m_wheelEvent.modifiers()));
    }
    setWheelScrolling(scrolled);

    if (scrolled)
        return true;
    if (m_blockTargetWheel)
        return true;
    // A touchpad's synthesized pixel scrolling never reaches the flickable,
    // which would scroll a second time by its own rules.
    return event->source() != Qt::MouseEventNotSynthesized && !event->pixelDelta().isNull();
}
