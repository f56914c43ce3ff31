#include "widgetelement.h"

#include "quiltstyle.h"

#include <QFormLayout>
#include <QStyleOption>
#include <QTabBar>
#include <QWidget>

namespace
{
// The desktop framework's side tab bar draws its base through PE_Widget; it is
// known by class name only.
constexpr char s_sideTabBarClass[] = "LoomSideTabBar";
} // namespace

WidgetElement::WidgetElement(const QStyleOption* option, QuiltStyle* style, const QWidget* widget)
    : AbstractElement(option, style, widget)
    , m_widgetOption(option)
{
    update();
}

void WidgetElement::update()
{
    query();
}

void WidgetElement::draw(QPainter* painter, int, int, int primitive)
{
    if (primitive != QStyle::PE_Widget || !m_valid) {
        return;
    }
    if (m_widget && const_cast<QWidget*>(m_widget)->qt_metacast(s_sideTabBarClass)) {
        drawSideTabBar(painter);
        return;
    }
    drawBackgroundAndBorder(painter);
}

void WidgetElement::drawSideTabBar(QPainter* painter)
{
    QStyleOptionTabBarBase option;
    option.initFrom(m_widget);
    switch (m_widget->property("position").toInt()) {
    case 0:
        option.shape = QTabBar::RoundedWest;
        break;
    case 1:
        option.shape = QTabBar::RoundedEast;
        break;
    case 2:
        option.shape = QTabBar::RoundedNorth;
        break;
    case 3:
        option.shape = QTabBar::RoundedSouth;
        break;
    default:
        break;
    }
    m_style->drawPrimitive(QStyle::PE_FrameTabBarBase, &option, painter, m_widget);
}

int WidgetElement::styleHint(QStyle::StyleHint hint)
{
    switch (hint) {
    case QStyle::SH_FormLayoutWrapPolicy:
        return QFormLayout::DontWrapRows;
    case QStyle::SH_FormLayoutFieldGrowthPolicy:
        return QFormLayout::ExpandingFieldsGrow;
    case QStyle::SH_FormLayoutFormAlignment:
        return int(Qt::AlignLeft | Qt::AlignTop);
    case QStyle::SH_FormLayoutLabelAlignment:
        return int(Qt::AlignRight);
    default:
        return 0;
    }
}
