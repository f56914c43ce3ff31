#include "dockwidgetelement.h"

#include "elementnames.h"
#include "quiltstyle.h"
#include "subelementlayout.h"

#include <QStyleOption>

DockWidgetElement::DockWidgetElement(const QStyleOptionDockWidget* option, QuiltStyle* style, const QWidget* widget)
    : AbstractElement(option, style, widget)
    , m_dockOption(option)
{
    setFlag(Mnemonic, true);
    update();
}

QString DockWidgetElement::elementType(const QStyleOption*) const
{
    return ElementNames::DockWidget;
}

void DockWidgetElement::updateSubElementNames()
{
    m_subElementNames.clear();
    if (!m_dockOption) {
        return;
    }
    if (m_dockOption->closable) {
        m_subElementNames.append(ElementNames::CloseButton);
    }
    if (m_dockOption->floatable) {
        m_subElementNames.append(ElementNames::FloatButton);
    }
    if (!m_dockOption->title.isEmpty()) {
        m_subElementNames.append(ElementNames::Text);
    }
}

void DockWidgetElement::update()
{
    m_icon = QIcon();
    m_text = m_dockOption ? m_dockOption->title : QString();
    updateSubElementNames();
    query();
}

void DockWidgetElement::query()
{
    m_elements = elementList(m_option, m_widget, { ElementNames::DockWidget });
    m_properties = queryAndKeep(m_elements, m_propertiesHold);
    m_layout = layout(m_elements, m_option, m_subElementNames);
    // The layout runs left to right; right to left, the title starts at the
    // right and the buttons sit at the left end.
    if (m_option) {
        mirrorSubElements(m_layout, m_option->direction, QRectF(m_option->rect));
    }
    m_valid = true;
}

void DockWidgetElement::draw(QPainter* painter, int control, int, int)
{
    if (control != QStyle::CE_DockWidgetTitle || !m_valid) {
        return;
    }
    drawBackgroundAndBorder(painter);
    drawText(painter);
}

QRectF DockWidgetElement::subElementRect(QStyle::SubElement element)
{
    if (!m_valid) {
        return QRectF(0, 0, 0, 0);
    }
    const QString* name = nullptr;
    switch (element) {
    case QStyle::SE_DockWidgetCloseButton:
        name = &ElementNames::CloseButton;
        break;
    case QStyle::SE_DockWidgetFloatButton:
        name = &ElementNames::FloatButton;
        break;
    case QStyle::SE_DockWidgetTitleBarText:
        name = &ElementNames::Text;
        break;
    case QStyle::SE_DockWidgetIcon:
        name = &ElementNames::Icon;
        break;
    default:
        return QRectF(0, 0, 0, 0);
    }
    const auto place = m_layout.constFind(*name);
    return place == m_layout.cend() ? QRectF(0, 0, 0, 0) : place->rect;
}

double DockWidgetElement::pixelMetric(QStyle::PixelMetric metric)
{
    if (metric == QStyle::PM_DockWidgetFrameWidth) {
        return averageBorderSize();
    }
    return 0;
}

QIcon DockWidgetElement::standardIcon(QStyle::StandardPixmap pixmap)
{
    const QString* button = nullptr;
    QString iconName;
    switch (pixmap) {
    case QStyle::SP_TitleBarCloseButton:
    case QStyle::SP_DockWidgetCloseButton:
        button = &ElementNames::CloseButton;
        iconName = QStringLiteral("window-close-symbolic");
        break;
    case QStyle::SP_TitleBarNormalButton:
        button = &ElementNames::FloatButton;
        iconName = QStringLiteral("window-restore");
        break;
    default:
        return QIcon();
    }
    // Resolved at once: the button's result needs no keeping.
    const Quilt::ElementChain chain = elementList(m_option, m_widget, { ElementNames::DockWidget, *button });
    return m_style->resolveIcon(queryProperties(chain), iconName);
}
