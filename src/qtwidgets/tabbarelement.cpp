#include "tabbarelement.h"

#include "conversions.h"
#include "elementnames.h"
#include "styledrectpainter.h"

#include "stylepropertygroup.h"

#include <QStyleOption>
#include <QTabBar>
#include <QWidget>

namespace
{
// The desktop framework's side tab bar, known by class name only.
constexpr char s_sideTabBarClass[] = "LoomSideTabBar";
} // namespace

TabBarElement::TabBarElement(const QStyleOptionTabBarBase* option, QuiltStyle* style, const QWidget* widget)
    : AbstractElement(option, style, widget)
    , m_tabBarOption(option)
{
    update();
}

QString TabBarElement::direction(int shape)
{
    switch (shape) {
    case QTabBar::RoundedNorth:
    case QTabBar::TriangularNorth:
        return QStringLiteral("top");
    case QTabBar::RoundedSouth:
    case QTabBar::TriangularSouth:
        return QStringLiteral("bottom");
    case QTabBar::RoundedWest:
    case QTabBar::TriangularWest:
        return QStringLiteral("left");
    case QTabBar::RoundedEast:
    case QTabBar::TriangularEast:
        return QStringLiteral("right");
    default:
        return QString();
    }
}

QString TabBarElement::elementType(const QStyleOption*) const
{
    return ElementNames::TabBar;
}

QVariantMap TabBarElement::attributes() const
{
    QVariantMap result;
    if (m_tabBarOption) {
        const QString value = direction(m_tabBarOption->shape);
        if (!value.isEmpty()) {
            result.insert(QStringLiteral("direction"), value);
        }
    }
    return result;
}

QStringList TabBarElement::hints() const
{
    if (m_widget && const_cast<QWidget*>(m_widget)->qt_metacast(s_sideTabBarClass)) {
        return { QString::fromLatin1(s_sideTabBarClass) };
    }
    return {};
}

void TabBarElement::update()
{
    query();
}

void TabBarElement::draw(QPainter* painter, int, int, int primitive)
{
    if (primitive == QStyle::PE_FrameTabBarBase && m_valid) {
        drawBackgroundAndBorder(painter);
    }
}

void TabBarElement::drawBackgroundAndBorder(QPainter* painter)
{
    // The base is a line under the tabs: a background would cover the tabs'
    // own, so only the border is painted.
    if (m_valid && m_option) {
        paintStyledRect(painter, QRectF(m_option->rect), m_properties, StyledRectMode::Border, QColor());
    }
}

double TabBarElement::pixelMetric(QStyle::PixelMetric metric)
{
    switch (metric) {
    case QStyle::PM_TabBarBaseHeight:
        return height();
    case QStyle::PM_TabBarScrollButtonWidth:
        return sizeOf({ ElementNames::TabScrollButton }).width();
    case QStyle::PM_TabBarIconSize:
        return iconSize().width();
    default:
        return 0;
    }
}

int TabBarElement::styleHint(QStyle::StyleHint hint)
{
    using Quilt::Properties::Alignment;
    using Quilt::Properties::TextElide;
    switch (hint) {
    case QStyle::SH_TabBar_ElideMode: {
        const auto* text = m_properties ? m_properties->text() : nullptr;
        return int(elideMode(text ? text->elide().value_or(TextElide::Right) : TextElide::Right));
    }
    case QStyle::SH_TabBar_Alignment: {
        const auto* layout = m_properties ? m_properties->layout() : nullptr;
        const auto* alignment = layout ? layout->alignment() : nullptr;
        switch (alignment ? alignment->horizontal().value_or(Alignment::Start) : Alignment::Start) {
        case Alignment::Unspecified:
        case Alignment::Start:
            return int(Qt::AlignLeft);
        case Alignment::Center:
            return int(Qt::AlignHCenter);
        case Alignment::End:
            return int(Qt::AlignRight);
        case Alignment::Fill:
        case Alignment::StackCenter:
        case Alignment::StackFill:
            return int(Qt::AlignJustify);
        }
        return int(Qt::AlignHCenter);
    }
    default:
        return 0;
    }
}
