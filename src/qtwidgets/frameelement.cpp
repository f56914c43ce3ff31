#include "frameelement.h"

#include "conversions.h"
#include "elementnames.h"
#include "quiltstyle.h"

#include "widgetfacts.h"

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QDockWidget>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QQueue>
#include <QStackedLayout>
#include <QStyleOption>
#include <QTabWidget>
#include <QTextBrowser>

#include <cmath>

namespace
{
// The layout that holds `widget`: its parent's layout or one nested in it,
// breadth first; the parent's own layout when none holds it.
const QLayout* holdingLayout(const QWidget* widget)
{
    const QWidget* parent = widget->parentWidget();
    QLayout* top = parent ? parent->layout() : nullptr;
    if (!top) {
        return nullptr;
    }
    QQueue<const QLayout*> queue;
    queue.enqueue(top);
    while (!queue.isEmpty()) {
        const QLayout* layout = queue.dequeue();
        if (layout->indexOf(widget) >= 0) {
            return layout;
        }
        for (const QObject* child : layout->children()) {
            if (const auto* nested = qobject_cast<const QLayout*>(child)) {
                queue.enqueue(nested);
            }
        }
    }
    return top;
}
} // namespace

FrameElement::FrameElement(const QStyleOptionFrame* option, QuiltStyle* style, const QWidget* widget)
    : AbstractElement(option, style, widget)
    , m_frameOption(option)
{
    update();
}

QString FrameElement::elementType(const QStyleOption*) const
{
    return ElementNames::Frame;
}

void FrameElement::updateSubElementNames()
{
    if (m_subElementNames.isEmpty()) {
        m_subElementNames.append(ElementNames::Frame);
    }
}

QVariantMap FrameElement::attributes() const
{
    if (!m_frameOption) {
        return {};
    }
    QString shape;
    switch (m_frameOption->frameShape) {
    case QFrame::NoFrame:
        shape = QStringLiteral("no-frame");
        break;
    case QFrame::Box:
        shape = QStringLiteral("box");
        break;
    case QFrame::Panel:
    case QFrame::WinPanel:
    case QFrame::StyledPanel:
        shape = QStringLiteral("panel");
        break;
    case QFrame::HLine:
        shape = QStringLiteral("horizontal-line");
        break;
    case QFrame::VLine:
        shape = QStringLiteral("vertical-line");
        break;
    default:
        return {};
    }
    return { { QStringLiteral("shape"), shape } };
}

QStringList FrameElement::hints() const
{
    QStringList result = frameHints(m_frameOption);
    if (!m_widget) {
        return result;
    }
    QWidget* widget = const_cast<QWidget*>(m_widget);
    if (widget->qt_metacast("VYRPrivate::LoomPageList") || widget->qt_metacast("VYRPrivate::LoomPageTree")) {
        const bool rightToLeft = m_frameOption && m_frameOption->direction == Qt::RightToLeft;
        result.append(rightToLeft ? QStringLiteral("panel-right") : QStringLiteral("panel-left"));
    }
    // A combo box's list is a window of its own: translucent where a
    // compositor blends it, it has no background but the one its frame draws.
    if (m_widget->inherits("QComboBoxPrivateContainer")) {
        result.append(QStringLiteral("popup"));
    }
    const auto* dock = qobject_cast<const QDockWidget*>(m_widget->parent());
    if (dock && dock->features() != QDockWidget::NoDockWidgetFeatures) {
        switch (dock->dockLocation()) {
        case Qt::LeftDockWidgetArea:
            result.append(QStringLiteral("dock-left"));
            break;
        case Qt::RightDockWidgetArea:
            result.append(QStringLiteral("dock-right"));
            break;
        case Qt::TopDockWidgetArea:
            result.append(QStringLiteral("dock-top"));
            break;
        case Qt::BottomDockWidgetArea:
            result.append(QStringLiteral("dock-bottom"));
            break;
        default:
            break;
        }
    }
    return result;
}

void FrameElement::update()
{
    updateSubElementNames();
    query();
}

void FrameElement::query()
{
    m_elements = elementList(m_option, m_widget, {});
    m_properties = queryAndKeep(m_elements, m_propertiesHold);
    // Nothing of a frame is laid out: it paints its panel over the whole
    // rectangle, and frames are measured far more often than painted.
    m_layout = SubElementLayout();
    // A frame that no rule describes draws nothing at all.
    m_valid = m_properties != nullptr;
}

void FrameElement::draw(QPainter* painter, int control, int, int primitive)
{
    if (!m_valid || !m_frameOption) {
        return;
    }
    if (const WidgetFacts* facts = widgetFacts(m_widget)) {
        if (facts->forceFrame.isValid() && !facts->forceFrame.toBool()) {
            return;
        }
    }
    if (control == QStyle::CE_FocusFrame || control == QStyle::CE_ShapedFrame) {
        switch (m_frameOption->frameShape) {
        case QFrame::Box:
        case QFrame::Panel:
        case QFrame::WinPanel:
        case QFrame::HLine:
        case QFrame::VLine:
            drawBackgroundAndBorder(painter);
            break;
        case QFrame::StyledPanel:
            if (pixelMetric(QStyle::PM_DefaultFrameWidth) != 0) {
                drawBackgroundAndBorder(painter);
            }
            break;
        default:
            break;
        }
    }
    if (primitive >= QStyle::PE_Frame && primitive <= QStyle::PE_FrameTabBarBase) {
        drawBorder(painter);
    }
}

void FrameElement::drawBorder(QPainter* painter)
{
    if (!m_frameOption) {
        return;
    }
    switch (m_frameOption->frameShape) {
    case QFrame::Box:
    case QFrame::Panel:
    case QFrame::WinPanel:
    case QFrame::StyledPanel:
    case QFrame::HLine:
    case QFrame::VLine:
        drawBackgroundAndBorder(painter);
        break;
    case QFrame::NoFrame:
        if (m_widget && m_widget->autoFillBackground()) {
            drawBackground(painter);
        }
        break;
    default:
        break;
    }
}

double FrameElement::pixelMetric(QStyle::PixelMetric metric)
{
    return metric == QStyle::PM_DefaultFrameWidth ? frameWidth() : 0;
}

double FrameElement::frameWidth() const
{
    if (!m_widget) {
        return 0;
    }
    const double width = averageBorderSize();
    if (qobject_cast<const QMenu*>(m_widget) || qobject_cast<const QLineEdit*>(m_widget)
        || qobject_cast<const QComboBox*>(m_widget)) {
        return width;
    }
    const WidgetFacts* facts = widgetFacts(m_widget);
    if (facts->forceFrame.isValid()) {
        return facts->forceFrame.toBool() ? width : 0;
    }
    if (facts->bordersSides.isValid()) {
        return width;
    }
    // A label has no frame unless the application gives it a shape; one that
    // asks for a styled panel must get one.
    if (qobject_cast<const QLabel*>(m_widget)) {
        return width;
    }
    if (qobject_cast<const QAbstractScrollArea*>(m_widget)) {
        // Views that fill a dock, a main window or a page of a stack sit flush
        // with their surroundings; those that share a spaced layout with
        // others get a frame.
        if (const QLayout* layout = holdingLayout(m_widget)) {
            if (layout->inherits("QDockWidgetLayout") || layout->inherits("QMainWindowLayout")
                || qobject_cast<const QStackedLayout*>(layout)) {
                return 0;
            }
            if (const auto* grid = qobject_cast<const QGridLayout*>(layout)) {
                if (grid->horizontalSpacing() > 0 || grid->verticalSpacing() > 0) {
                    return width;
                }
            }
            if (layout->spacing() > 0 && layout->count() > 1) {
                return width;
            }
        }
    }
    if (qobject_cast<const QTabWidget*>(m_widget) || qobject_cast<const QTextBrowser*>(m_widget)
        || m_widget->inherits("QComboBoxPrivateContainer") || m_widget->inherits("LoomSuggestBox")) {
        return width;
    }
    return 0;
}

QRectF FrameElement::subElementRect(QStyle::SubElement element)
{
    const QRect r = m_style->QCommonStyle::subElementRect(element, m_option, m_widget);
    if (element != QStyle::SE_FrameContents) {
        return QRectF(r);
    }
    const QMarginsF b = borderSizes();
    const QPoint topLeft(r.left() + int(std::lround(b.left())), r.top() + int(std::lround(b.top())));
    const QPoint bottomRight(r.right() - int(std::lround(b.right())), r.bottom() - int(std::lround(b.bottom())));
    return QRectF(QRect(topLeft, bottomRight));
}

bool FrameElement::retarget(const QStyleOption* option, const QWidget* widget)
{
    m_frameOption = static_cast<const QStyleOptionFrame*>(option);
    setTarget(option, widget);
    return true;
}

bool FrameElement::ownInputs(InputValues& values) const
{
    if (m_frameOption) {
        values << m_frameOption->frameShape << int(m_frameOption->features);
        if (const WidgetFacts* facts = widgetFacts(m_frameOption->styleObject)) {
            values << facts->bordersSides.toInt();
        }
    }
    if (!m_widget) {
        return true;
    }
    // The hints: the widget's class, and where the dock that holds it is.
    values << qint64(quintptr(m_widget->metaObject()));
    if (const auto* dock = qobject_cast<const QDockWidget*>(m_widget->parent())) {
        values << qint64(quintptr(dock)) << int(dock->features()) << int(dock->dockLocation());
    }
    return true;
}
