#include "tabelement.h"

#include "elementnames.h"
#include "quiltstyle.h"

#include "stylepropertygroup.h"

#include <QPainter>
#include <QStyleOption>
#include <QTabBar>
#include <QTransform>

#include <cmath>

namespace
{
bool isVerticalShape(int shape)
{
    switch (shape) {
    case QTabBar::RoundedWest:
    case QTabBar::RoundedEast:
    case QTabBar::TriangularWest:
    case QTabBar::TriangularEast:
        return true;
    default:
        return false;
    }
}

bool hasButton(const QSize& size)
{
    return size.width() > 0 && size.height() > 0;
}
} // namespace

TabElement::TabElement(const QStyleOptionTab* option, QuiltStyle* style, const QWidget* widget)
    : AbstractElement(option, style, widget)
    , m_tabOption(option)
{
    setFlag(SubtractHalfPadding, true);
    setFlag(Mnemonic, true);
    update();
}

QString TabElement::elementType(const QStyleOption*) const
{
    return ElementNames::TabButton;
}

Quilt::Element::States TabElement::states() const
{
    Quilt::Element::States result = AbstractElement::states();
    result &= ~Quilt::Element::States(Quilt::Element::State::Checked | Quilt::Element::State::Highlighted);
    if (m_tabOption && (m_tabOption->state & QStyle::State_Selected)) {
        result |= Quilt::Element::State::Checked;
    }
    return result;
}

QVariantMap TabElement::attributes() const
{
    QVariantMap result;
    if (!m_tabOption) {
        return result;
    }
    switch (m_tabOption->shape) {
    case QTabBar::RoundedNorth:
    case QTabBar::TriangularNorth:
        result.insert(QStringLiteral("direction"), QStringLiteral("top"));
        break;
    case QTabBar::RoundedSouth:
    case QTabBar::TriangularSouth:
        result.insert(QStringLiteral("direction"), QStringLiteral("bottom"));
        break;
    case QTabBar::RoundedWest:
    case QTabBar::TriangularWest:
        result.insert(QStringLiteral("direction"), QStringLiteral("left"));
        break;
    case QTabBar::RoundedEast:
    case QTabBar::TriangularEast:
        result.insert(QStringLiteral("direction"), QStringLiteral("right"));
        break;
    default:
        break;
    }
    if (hasIcon() && !hasText()) {
        result.insert(QStringLiteral("display"), QStringLiteral("icon-only"));
    } else if (hasText() && !hasIcon()) {
        result.insert(QStringLiteral("display"), QStringLiteral("text-only"));
    }
    return result;
}

QStringList TabElement::hints() const
{
    QStringList result;
    if (m_immutable) {
        result.append(QStringLiteral("immutable"));
    }
    const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(m_option);
    const auto* tabBar = qobject_cast<const QTabBar*>(m_widget);
    if (tab && tabBar) {
        if (tab->tabIndex == 0) {
            result.append(QStringLiteral("first"));
        } else if (tab->tabIndex > 0 && tabBar->count() == tab->tabIndex + 1) {
            result.append(QStringLiteral("last"));
        }
    }
    return result;
}

void TabElement::updateSubElementNames()
{
    m_subElementNames.clear();
    if (!m_tabOption) {
        return;
    }
    if (!m_tabOption->icon.isNull()) {
        m_subElementNames.append(ElementNames::Icon);
    }
    if (!m_tabOption->text.isEmpty()) {
        m_subElementNames.append(ElementNames::Text);
    }
}

void TabElement::update()
{
    if (!m_tabOption) {
        return;
    }
    m_vertical = isVerticalShape(m_tabOption->shape);
    const auto* tabBar = qobject_cast<const QTabBar*>(m_widget);
    m_immutable = tabBar && m_tabOption->documentMode && !tabBar->tabsClosable() && !tabBar->isMovable()
        && (tabBar->expanding() || m_vertical);
    m_icon = m_tabOption->icon;
    m_text = m_tabOption->text;
    updateSubElementNames();
    query();
}

void TabElement::query()
{
    if (m_subElementNames.isEmpty() || !m_tabOption) {
        m_valid = false;
        return;
    }
    m_elements = elementList(m_option, m_widget, { ElementNames::TabButton });
    if (m_elements.isEmpty()) {
        m_valid = false;
        return;
    }
    m_properties = queryAndKeep(m_elements, m_propertiesHold);

    // Vertical tabs are laid out upright: the tab's height is the width of
    // the frame they are painted in.
    const QRect optionRect = m_tabOption->rect;
    int left = optionRect.left();
    int top = optionRect.top();
    int right = optionRect.right();
    int bottom = optionRect.bottom();
    if (m_vertical) {
        left = 0;
        top = 0;
        right = optionRect.bottom() - optionRect.top();
        bottom = optionRect.right() - optionRect.left();
    }
    const QSize leftButton = m_tabOption->leftButtonSize;
    const QSize rightButton = m_tabOption->rightButtonSize;
    if (hasButton(leftButton)) {
        left = int(std::trunc(left + spacing() + (m_vertical ? leftButton.height() : leftButton.width())));
    }
    if (hasButton(rightButton)) {
        right = int(std::trunc(right - spacing() - (m_vertical ? rightButton.height() : rightButton.width())));
    }

    QStyleOptionTab laidOut(*m_tabOption);
    laidOut.rect = QRect(QPoint(left, top), QPoint(right, bottom));
    m_layout = layout(m_elements, &laidOut, m_subElementNames);
    m_valid = true;
}

QTransform TabElement::labelTransform(int shape, const QRect& rect)
{
    QTransform transform;
    switch (shape) {
    case QTabBar::RoundedEast:
    case QTabBar::TriangularEast:
        transform.translate(rect.right() + 1, rect.top());
        transform.rotate(90);
        break;
    case QTabBar::RoundedWest:
    case QTabBar::TriangularWest:
        transform.translate(rect.left(), rect.bottom() + 1);
        transform.rotate(-90);
        break;
    default:
        break;
    }
    return transform;
}

void TabElement::paintLabel(QPainter* painter, bool withIndicator)
{
    painter->save();
    // A tab too narrow for its buttons has no room for its label: what does
    // not fit must not spill over the neighbouring tabs.
    painter->setClipRect(m_tabOption->rect, Qt::IntersectClip);
    if (m_vertical) {
        painter->setTransform(labelTransform(m_tabOption->shape, m_tabOption->rect), true);
    }
    drawIcon(painter);
    drawText(painter);
    if (!m_vertical) {
        drawLabelFocus(painter);
    }
    if (withIndicator) {
        drawIndicator(painter);
    }
    painter->restore();
}

void TabElement::draw(QPainter* painter, int control, int, int)
{
    if (!m_valid || !m_tabOption) {
        return;
    }
    switch (control) {
    case QStyle::CE_TabBarTab:
        drawBackgroundAndBorder(painter);
        paintLabel(painter, true);
        return;
    case QStyle::CE_TabBarTabShape:
        drawBackgroundAndBorder(painter);
        return;
    case QStyle::CE_TabBarTabLabel:
        paintLabel(painter, false);
        return;
    default:
        return;
    }
}

void TabElement::drawText(QPainter* painter)
{
    if (m_text.isEmpty() || !m_valid) {
        return;
    }
    // The common style's text rectangle leaves room for the tab's buttons and
    // icon the way QTabBar expects; the style's alignment places the text in it.
    const QRect r = m_style->subElementRect(QStyle::SE_TabBarTabText, m_option, m_widget);
    const SubElementItem place = m_layout.value(ElementNames::Text);
    QRectF rect = place.rect;
    const double w = rect.width();
    const double h = rect.height();
    switch (Quilt::Properties::Alignment(place.horizontal)) {
    case Quilt::Properties::Alignment::Center:
    case Quilt::Properties::Alignment::Fill:
    case Quilt::Properties::Alignment::StackCenter:
    case Quilt::Properties::Alignment::StackFill:
        rect.moveTo((r.left() + r.right()) / 2 - w / 2, (r.top() + r.bottom()) / 2 - h / 2);
        break;
    case Quilt::Properties::Alignment::Unspecified:
    case Quilt::Properties::Alignment::Start:
        rect.moveLeft(r.left());
        break;
    case Quilt::Properties::Alignment::End:
        rect.moveLeft(r.right() - w);
        break;
    }
    if (!m_vertical) {
        AbstractElement::drawText(painter, m_text, rect, m_properties);
        return;
    }
    // The text is elided to the option's width; a vertical tab's text runs
    // along the option's height, so it is painted with the upright option.
    QStyleOptionTab upright(*m_tabOption);
    upright.rect = QRect(0, 0, m_tabOption->rect.height(), m_tabOption->rect.width());
    const QStyleOption* own = m_option;
    m_option = &upright;
    AbstractElement::drawText(painter, m_text, rect, m_properties);
    m_option = own;
}

QSizeF TabElement::sizeFromContents(const QSizeF& contents)
{
    if (!m_valid || !m_tabOption) {
        return contents;
    }
    const bool leftButton = hasButton(m_tabOption->leftButtonSize);
    const bool rightButton = hasButton(m_tabOption->rightButtonSize);
    const bool icon = hasIcon();
    const bool text = hasText();
    const double s = spacing();

    // One spacing for every gap between two parts that are there.
    double extra = (icon && !text && !leftButton && !rightButton) ? std::trunc(-s) : 0;
    if (icon && text) {
        extra = std::trunc(extra + s);
    }
    if (leftButton && (icon || text)) {
        extra = std::trunc(extra + s);
    }
    if (rightButton && (leftButton || icon || text)) {
        extra = std::trunc(extra + s);
    }

    // A vertical tab is laid out upright, so its padding and size rules
    // hold for the upright tab: the bar's contents come as thickness and
    // length, and the size goes back the same way.
    const QSizeF upright = m_vertical ? contents.transposed() : contents;
    const double width = std::max(std::trunc(this->width()), upright.width() + extra);
    const double height = std::max(std::trunc(this->height()), upright.height());
    const QSizeF size = AbstractElement::sizeFromContents(QSizeF(width, height), m_properties);
    return m_vertical ? size.transposed() : size;
}

double TabElement::pixelMetric(QStyle::PixelMetric metric)
{
    if (!m_valid) {
        return 0;
    }
    const QMarginsF p = padding();
    switch (metric) {
    case QStyle::PM_TabBarTabHSpace:
        return std::trunc((p.left() + p.right()) / 2);
    case QStyle::PM_TabBarTabVSpace:
        return std::trunc((p.top() + p.bottom()) / 2);
    default:
        return 0;
    }
}
