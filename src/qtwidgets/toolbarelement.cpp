#include "toolbarelement.h"

#include "elementnames.h"
#include "styledrectpainter.h"
#include "widgetslogging.h"

#include "stylepropertygroup.h"

#include <QStyleOption>

namespace
{
// Thin bars centred between two pixels would blur over both.
QRectF wholePixels(const QRectF& rect)
{
    return QRectF(rect.toRect());
}
} // namespace

ToolBarElement::ToolBarElement(const QStyleOption* option, QuiltStyle* style, const QWidget* widget)
    : AbstractElement(option, style, widget)
    , m_toolBarOption(qstyleoption_cast<const QStyleOptionToolBar*>(option))
{
    setFlag(Mnemonic, true);
    update();
}

QString ToolBarElement::elementType(const QStyleOption*) const
{
    return ElementNames::ToolBar;
}

QStringList ToolBarElement::hints() const
{
    static const QStringList left { QStringLiteral("left") };
    static const QStringList right { QStringLiteral("right") };
    static const QStringList header { QStringLiteral("header") };
    static const QStringList footer { QStringLiteral("footer") };
    if (!m_toolBarOption) {
        return {};
    }
    switch (m_toolBarOption->toolBarArea) {
    case Qt::LeftToolBarArea:
        return left;
    case Qt::RightToolBarArea:
        return right;
    case Qt::TopToolBarArea:
        return header;
    case Qt::BottomToolBarArea:
        return footer;
    default:
        return {};
    }
}

void ToolBarElement::updateSubElementNames()
{
    if (m_subElementNames.size() != 1 || m_subElementNames.first() != ElementNames::Frame) {
        m_subElementNames = QStringList { ElementNames::Frame };
    }
}

void ToolBarElement::update()
{
    updateSubElementNames();
    query();
}

void ToolBarElement::query()
{
    static const QStringList handleNames { ElementNames::Handle };
    static const QStringList separatorNames { ElementNames::Separator };
    static const QStringList extensionNames { ElementNames::Extension };

    m_elements = elementList(m_toolBarOption, m_widget, {});
    if (!m_elements.isEmpty()) {
        m_properties = queryAndKeep(m_elements, m_propertiesHold);
        m_layout = layout(m_elements, m_toolBarOption, m_subElementNames);
    }
    m_handleElements = elementList(m_option, m_widget, handleNames);
    if (!m_handleElements.isEmpty()) {
        m_handleProperties = queryAndKeep(m_handleElements, m_handlePropertiesHold);
    }
    m_separatorElements = elementList(m_option, m_widget, separatorNames);
    if (!m_separatorElements.isEmpty()) {
        m_separatorProperties = queryAndKeep(m_separatorElements, m_separatorPropertiesHold);
    }
    m_extensionElements = elementList(m_option, m_widget, extensionNames);
    if (!m_extensionElements.isEmpty()) {
        m_extensionProperties = queryAndKeep(m_extensionElements, m_extensionPropertiesHold);
    }
    m_valid = !m_elements.isEmpty();
    if (!m_valid) {
        qCWarning(lcQtWidgets) << "Could not find elementlist for this element!";
    }
}

void ToolBarElement::draw(QPainter* painter, int control, int, int primitive)
{
    if (!m_valid) {
        return;
    }
    if (control == QStyle::CE_ToolBar || primitive == QStyle::PE_PanelToolBar) {
        drawBackgroundAndBorder(painter);
    } else if (primitive == QStyle::PE_IndicatorToolBarHandle) {
        if (m_option && m_handleProperties) {
            paintStyledRect(painter, wholePixels(barRect(handleExtent())), m_handleProperties,
                            StyledRectMode::BackgroundAndBorder, QColor());
        }
    } else if (primitive == QStyle::PE_IndicatorToolBarSeparator) {
        if (m_option && m_separatorProperties) {
            paintStyledRect(painter, wholePixels(barRect(separatorExtent())), m_separatorProperties,
                            StyledRectMode::BackgroundAndBorder, QColor());
        }
    }
}

double ToolBarElement::extentOf(const Properties* part) const
{
    const auto* layout = part ? part->layout() : nullptr;
    if (!layout) {
        return 0;
    }
    if (m_valid && m_toolBarOption) {
        switch (m_toolBarOption->toolBarArea) {
        case Qt::LeftToolBarArea:
        case Qt::RightToolBarArea:
            return layout->width().value_or(0);
        case Qt::TopToolBarArea:
        case Qt::BottomToolBarArea:
            return layout->height().value_or(0);
        default:
            return 0;
        }
    }
    return layout->width().value_or(0);
}

double ToolBarElement::handleExtent() const
{
    return extentOf(m_handleProperties);
}

double ToolBarElement::separatorExtent() const
{
    return extentOf(m_separatorProperties);
}

double ToolBarElement::extensionExtent() const
{
    return extentOf(m_extensionProperties);
}

QRectF ToolBarElement::barRect(double extent) const
{
    if (!m_option) {
        return QRectF(0, 0, 0, 0);
    }
    const QRectF r(m_option->rect);
    QSizeF size;
    if (m_toolBarOption) {
        switch (m_toolBarOption->toolBarArea) {
        case Qt::NoToolBarArea:
        case Qt::LeftToolBarArea:
        case Qt::RightToolBarArea:
        case Qt::AllToolBarAreas:
            size = QSizeF(r.width(), extent);
            break;
        case Qt::TopToolBarArea:
        case Qt::BottomToolBarArea:
            size = QSizeF(extent, r.height());
            break;
        default:
            return r;
        }
    } else {
        size = r.height() <= r.width() ? QSizeF(r.width(), extent) : QSizeF(extent, r.height());
    }
    return QRectF(r.x() + (r.width() - size.width()) / 2, r.y() + (r.height() - size.height()) / 2, size.width(),
                  size.height());
}

double ToolBarElement::pixelMetric(QStyle::PixelMetric metric)
{
    switch (metric) {
    case QStyle::PM_ToolBarFrameWidth:
        return averageBorderSize();
    case QStyle::PM_ToolBarHandleExtent:
        return handleExtent();
    case QStyle::PM_ToolBarItemSpacing:
        return spacing();
    case QStyle::PM_ToolBarItemMargin:
        return averagePadding();
    case QStyle::PM_ToolBarSeparatorExtent:
        return separatorExtent();
    case QStyle::PM_ToolBarExtensionExtent:
        return extensionExtent();
    case QStyle::PM_ToolBarIconSize:
        return iconSize().width();
    default:
        return 0;
    }
}
