#include "menuelement.h"

#include "elementnames.h"

MenuElement::MenuElement(const QStyleOption* option, QuiltStyle* style, const QWidget* widget)
    : AbstractElement(option, style, widget)
    , m_menuOption(option)
{
    update();
}

QString MenuElement::elementType(const QStyleOption*) const
{
    return ElementNames::Menu;
}

void MenuElement::updateSubElementNames()
{
    if (m_subElementNames.size() != 1 || m_subElementNames.first() != ElementNames::Frame) {
        m_subElementNames = QStringList { ElementNames::Frame };
    }
}

void MenuElement::update()
{
    updateSubElementNames();
    query();
}

void MenuElement::draw(QPainter* painter, int, int, int primitive)
{
    if (!m_valid) {
        return;
    }
    if (primitive == QStyle::PE_PanelMenu) {
        drawBackgroundAndBorder(painter);
    } else if (primitive == QStyle::PE_FrameMenu) {
        drawBorder(painter);
    }
}

QSizeF MenuElement::sizeFromContents(const QSizeF& contents)
{
    return contents;
}

double MenuElement::pixelMetric(QStyle::PixelMetric metric)
{
    switch (metric) {
    case QStyle::PM_MenuHMargin:
        return horizontalPadding();
    case QStyle::PM_MenuVMargin:
        return verticalPadding();
    case QStyle::PM_MenuPanelWidth:
        return averageBorderSize();
    default:
        return 0;
    }
}

bool MenuElement::retarget(const QStyleOption* option, const QWidget* widget)
{
    m_menuOption = option;
    setTarget(option, widget);
    return true;
}

bool MenuElement::ownInputs(InputValues&) const
{
    return true;
}
