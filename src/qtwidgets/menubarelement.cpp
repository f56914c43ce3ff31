#include "menubarelement.h"

#include "elementnames.h"
#include "quiltstyle.h"

#include <QStyleOption>

MenuBarElement::MenuBarElement(const QStyleOption* option, QuiltStyle* style, const QWidget* widget)
    : AbstractElement(option, style, widget)
{
    update();
}

QString MenuBarElement::elementType(const QStyleOption*) const
{
    return ElementNames::MenuBar;
}

void MenuBarElement::update()
{
    query();
}

void MenuBarElement::draw(QPainter* painter, int control, int, int primitive)
{
    if (!m_valid) {
        return;
    }
    if (control == QStyle::CE_MenuBarEmptyArea || primitive == QStyle::PE_PanelMenuBar) {
        drawBackgroundAndBorder(painter);
    }
}

double MenuBarElement::pixelMetric(QStyle::PixelMetric metric)
{
    switch (metric) {
    case QStyle::PM_MenuBarItemSpacing:
        return spacing();
    case QStyle::PM_MenuBarVMargin:
        return verticalPadding();
    case QStyle::PM_MenuBarHMargin:
        return horizontalPadding();
    default:
        return 0;
    }
}

MenuBarItemElement::MenuBarItemElement(const QStyleOptionMenuItem* option, QuiltStyle* style, const QWidget* widget)
    : AbstractElement(option, style, widget)
    , m_menuItemOption(option)
{
    setFlag(Mnemonic, true);
    update();
}

QString MenuBarItemElement::elementType(const QStyleOption*) const
{
    return ElementNames::MenuBarItem;
}

QStringList MenuBarItemElement::hints() const
{
    QStringList result;
    if (!m_menuItemOption) {
        return result;
    }
    // The bar's items carry no submenu type; Qt sets `checked` on those
    // whose menu is open.
    if (m_menuItemOption->checked) {
        result.append(QStringLiteral("with-submenu"));
    }
    if (m_menuItemOption->menuItemType == QStyleOptionMenuItem::Separator && !m_menuItemOption->text.isEmpty()) {
        result.append(QStringLiteral("with-title"));
    }
    return result;
}

void MenuBarItemElement::updateSubElementNames()
{
    m_subElementNames.clear();
    m_subElementNames.append(ElementNames::Text);
    if (m_menuItemOption && !m_menuItemOption->icon.isNull()) {
        m_subElementNames.append(ElementNames::Icon);
    }
}

void MenuBarItemElement::update()
{
    if (!m_menuItemOption) {
        return;
    }
    m_indicatorIcon = QIcon();
    m_icon = m_menuItemOption->icon;
    m_text = m_menuItemOption->text;
    updateSubElementNames();
    query();
}

void MenuBarItemElement::query()
{
    static const QStringList ownNames { ElementNames::MenuBarItem };
    m_elements = elementList(m_option, m_widget, ownNames);
    if (!m_elements.isEmpty()) {
        m_properties = queryAndKeep(m_elements, m_propertiesHold);
    }
    m_subElements = elementList(m_option, m_widget, ownNames);
    if (!m_subElements.isEmpty()) {
        m_subProperties = queryAndKeep(m_subElements, m_subPropertiesHold);
    }
    m_layout = layout(m_subElements, m_option, m_subElementNames);
    m_valid = true;
}

void MenuBarItemElement::draw(QPainter* painter, int control, int, int)
{
    if (control != QStyle::CE_MenuBarItem || !m_valid) {
        return;
    }
    m_style->drawControl(QStyle::CE_MenuBarEmptyArea, m_option, painter, m_widget);
    drawBackgroundAndBorder(painter);
    drawIcon(painter);
    drawText(painter);
    drawIndicator(painter);
}
