#include "toolboxtabelement.h"

#include "elementnames.h"

#include <QStyleOption>

ToolBoxTabElement::ToolBoxTabElement(const QStyleOptionToolBox* option, QuiltStyle* style, const QWidget* widget)
    : AbstractElement(option, style, widget)
    , m_toolBoxOption(option)
{
    setFlag(Mnemonic, true);
    update();
}

QString ToolBoxTabElement::elementType(const QStyleOption*) const
{
    return ElementNames::ToolBox;
}

void ToolBoxTabElement::updateSubElementNames()
{
    if (!m_toolBoxOption) {
        return;
    }
    m_subElementNames.clear();
    if (!m_toolBoxOption->icon.isNull()) {
        m_subElementNames.append(ElementNames::Icon);
    }
    if (!m_toolBoxOption->text.isEmpty()) {
        m_subElementNames.append(ElementNames::Text);
    }
}

void ToolBoxTabElement::update()
{
    if (!m_toolBoxOption) {
        return;
    }
    m_icon = m_toolBoxOption->icon;
    m_text = m_toolBoxOption->text;
    updateSubElementNames();
    query();
}

void ToolBoxTabElement::query()
{
    if (m_subElementNames.isEmpty() || !m_toolBoxOption) {
        m_valid = false;
        return;
    }
    const QStringList tabNames { ElementNames::ToolBox, ElementNames::TabButton };
    m_elements = elementList(m_option, m_widget, tabNames);
    if (!m_elements.isEmpty()) {
        m_properties = queryAndKeep(m_elements, m_propertiesHold);
    }
    m_subElements = elementList(m_option, m_widget, tabNames + m_subElementNames);
    if (!m_subElements.isEmpty()) {
        m_subProperties = queryAndKeep(m_subElements, m_subPropertiesHold);
    }
    m_layout = layout(m_elements, m_option, m_subElementNames);
    m_valid = true;
}

void ToolBoxTabElement::draw(QPainter* painter, int control, int, int)
{
    if (!m_valid) {
        return;
    }
    switch (control) {
    case QStyle::CE_ToolBoxTab:
        drawBackgroundAndBorder(painter);
        mirrorPlaces();
        drawIcon(painter);
        drawText(painter);
        mirrorPlaces();
        return;
    case QStyle::CE_ToolBoxTabShape:
        drawBackgroundAndBorder(painter);
        return;
    case QStyle::CE_ToolBoxTabLabel:
        mirrorPlaces();
        drawIcon(painter);
        drawText(painter);
        mirrorPlaces();
        return;
    default:
        return;
    }
}

QRectF ToolBoxTabElement::subElementRect(QStyle::SubElement element)
{
    if (!m_valid || !m_toolBoxOption || element != QStyle::SE_ToolBoxTabContents) {
        return QRectF(0, 0, 0, 0);
    }
    return QRectF(m_toolBoxOption->rect);
}
