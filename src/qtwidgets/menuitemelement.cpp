#include "menuitemelement.h"

#include "conversions.h"
#include "elementnames.h"
#include "quiltstyle.h"
#include "styledrectpainter.h"

#include "iconpropertygroup.h"
#include "stylepropertygroup.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QStyleOption>

#include <algorithm>
#include <cmath>
#include <optional>

namespace
{
// A submenu opens along the reading direction.
QString arrowFallback(Qt::LayoutDirection direction)
{
    return direction == Qt::RightToLeft ? QStringLiteral("arrow-left-symbolic")
                                        : QStringLiteral("arrow-right-symbolic");
}
} // namespace

MenuItemElement::MenuItemElement(const QStyleOptionMenuItem* option, QuiltStyle* style, const QWidget* widget)
    : AbstractElement(option, style, widget)
    , m_menuItemOption(option)
{
    setFlag(Mnemonic, true);
    update();
}

QString MenuItemElement::elementType(const QStyleOption*) const
{
    return ElementNames::MenuItem;
}

QStringList MenuItemElement::hints() const
{
    QStringList result;
    if (m_hasSubmenu) {
        result.append(QStringLiteral("with-submenu"));
    }
    if (m_isSeparator && m_menuItemOption && !m_menuItemOption->text.isEmpty()) {
        result.append(QStringLiteral("with-title"));
    }
    return result;
}

Quilt::Element::States MenuItemElement::states() const
{
    Quilt::Element::States result = AbstractElement::states();
    if (m_menuItemOption) {
        result.setFlag(Quilt::Element::State::Checked, m_menuItemOption->checked);
        result.setFlag(Quilt::Element::State::Hovered, m_menuItemOption->state & QStyle::State_Selected);
    }
    return result;
}

void MenuItemElement::updateSubElementNames()
{
    m_subElementNames.clear();
    if (m_isSeparator) {
        if (!m_text.isEmpty()) {
            m_subElementNames.append(ElementNames::Text);
        }
        return;
    }
    if (m_menuHasCheckableItems) {
        m_subElementNames.append(ElementNames::Indicator);
    }
    if ((m_menuItemOption && m_menuItemOption->maxIconWidth > 0) || hasIcon()) {
        m_subElementNames.append(ElementNames::Icon);
    }
    if (!m_text.isEmpty()) {
        m_subElementNames.append(ElementNames::Text);
        if (m_text.contains(QLatin1Char('\t'))) {
            m_subElementNames.append(ElementNames::ShortcutText);
        }
    }
    if (m_hasSubmenu) {
        m_subElementNames.append(ElementNames::Arrow);
    }
}

void MenuItemElement::update()
{
    static const QStringList arrowNames { ElementNames::MenuItem, ElementNames::Arrow };
    static const QStringList checkBoxNames { ElementNames::CheckBox, ElementNames::Indicator };
    static const QStringList radioButtonNames { ElementNames::RadioButton, ElementNames::Indicator };

    if (!m_menuItemOption) {
        return;
    }
    const QStyleOptionMenuItem& o = *m_menuItemOption;
    m_isSeparator = o.menuItemType == QStyleOptionMenuItem::Separator;
    m_hasSubmenu = o.menuItemType == QStyleOptionMenuItem::SubMenu;
    m_isCheckBox = o.checkType == QStyleOptionMenuItem::NonExclusive;
    m_isRadioButton = o.checkType == QStyleOptionMenuItem::Exclusive;
    m_menuHasCheckableItems = o.menuHasCheckableItems;

    if (m_hasSubmenu) {
        m_arrowElements = elementList(m_option, m_widget, arrowNames);
        m_arrowProperties = queryAndKeep(m_arrowElements, m_arrowPropertiesHold);
        m_arrowIcon = m_style->resolveIcon(m_arrowProperties, arrowFallback(m_option->direction));
    }
    if (m_isCheckBox || m_isRadioButton) {
        m_indicatorElements = elementList(m_option, m_widget, m_isCheckBox ? checkBoxNames : radioButtonNames);
        m_indicatorProperties = queryAndKeep(m_indicatorElements, m_indicatorPropertiesHold);
    }

    m_icon = QApplication::testAttribute(Qt::AA_DontShowIconsInMenus) ? QIcon() : o.icon;
    m_text = o.text;

    updateSubElementNames();
    const qsizetype tab = m_text.indexOf(QLatin1Char('\t'));
    if (tab >= 0 && !m_isSeparator) {
        m_shortcutText = m_text.mid(tab + 1);
        m_text.truncate(tab);
    } else {
        m_shortcutText.clear();
    }
    query();
}

void MenuItemElement::query()
{
    static const QStringList ownNames { ElementNames::MenuItem };
    static const QStringList separatorNames { ElementNames::MenuItem, ElementNames::MenuSeparator };
    static const QStringList shortcutNames { ElementNames::MenuItem, ElementNames::ShortcutText };

    m_elements = elementList(m_option, m_widget, ownNames);
    m_separatorElements = elementList(m_option, m_widget, separatorNames);
    if (!m_separatorElements.isEmpty()) {
        m_separatorProperties = queryAndKeep(m_separatorElements, m_separatorPropertiesHold);
    }
    if (m_elements.isEmpty()) {
        m_valid = false;
        return;
    }
    m_properties = queryAndKeep(m_elements, m_propertiesHold);
    m_layout = layout(m_elements, m_option, m_subElementNames);
    const QSizeF icon = iconSize();
    if (hasIcon() && icon.width() > 0 && icon.height() > 0) {
        auto place = m_layout.find(ElementNames::Icon);
        if (place != m_layout.end()) {
            place->rect = centeredRect(place->rect, icon.width(), icon.height());
        }
    }
    // Right to left the row reads from the right: the indicator or icon and
    // the text there, the shortcut and the arrow at the left end.
    mirrorPlaces();
    m_valid = true;

    if (!m_shortcutText.isEmpty()) {
        m_shortcutElements = elementList(m_option, m_widget, shortcutNames);
        if (!m_shortcutElements.isEmpty()) {
            m_shortcutProperties = queryAndKeep(m_shortcutElements, m_shortcutPropertiesHold);
        }
    }
}

void MenuItemElement::draw(QPainter* painter, int control, int, int)
{
    if (control != QStyle::CE_MenuItem || !m_valid) {
        return;
    }
    drawBackgroundAndBorder(painter);
    if (m_isCheckBox || m_isRadioButton) {
        paintStyledRect(painter, m_layout.value(ElementNames::Indicator).rect, m_indicatorProperties,
                        StyledRectMode::BackgroundAndBorder, QColor());
    }
    drawIcon(painter);
    drawText(painter);
    drawArrow(painter);
}

void MenuItemElement::drawBackgroundAndBorder(QPainter* painter)
{
    if (!m_option) {
        return;
    }
    if (!m_isSeparator) {
        paintStyledRect(painter, QRectF(m_option->rect), m_properties, StyledRectMode::BackgroundAndBorder, QColor());
        return;
    }
    QRectF bar = contentRect(m_option, m_separatorProperties);
    if (m_separatorProperties) {
        const auto* layout = m_separatorProperties->layout();
        const auto* alignment = layout ? layout->alignment() : nullptr;
        const auto horizontal = alignment ? alignment->horizontal() : std::nullopt;
        if (!horizontal || *horizontal == Quilt::Properties::Alignment::Fill) {
            // Filling, the line runs across the row; the style's width is then
            // only the least that keeps QMenu from hiding the separator.
            const bool fill = horizontal.has_value();
            const double width
                = fill ? bar.width() : (layout && layout->width() ? *layout->width() : m_option->rect.width());
            const double height = layout && layout->height() ? *layout->height() : 1.0;
            // On whole pixels: a thin bar centred between them would blur
            // over two rows.
            bar = QRectF(centeredRect(bar, width, height).toRect());
        }
    }
    // A section's title stands at the start of its line, never on it.
    if (!m_text.isEmpty()) {
        const QRectF title = m_layout.value(ElementNames::Text).rect;
        const double gap = spacing();
        if (m_option->direction == Qt::RightToLeft) {
            bar.setRight(std::min(bar.right(), std::floor(title.left() - gap)));
        } else {
            bar.setLeft(std::max(bar.left(), std::ceil(title.right() + gap)));
        }
        if (bar.width() <= 0) {
            return;
        }
    }
    paintStyledRect(painter, bar, m_separatorProperties, StyledRectMode::BackgroundAndBorder, QColor());
}

// An action with a font of its own (a bold "Bold") is measured by the menu
// in it: laid out, elided and drawn in another, its row would cut it short.
std::optional<QFont> MenuItemElement::dataFont() const
{
    if (!m_menuItemOption) {
        return std::nullopt;
    }
    return m_menuItemOption->font;
}

void MenuItemElement::drawText(QPainter* painter)
{
    if (!m_valid) {
        return;
    }
    const std::optional<QFont> font = dataFont();
    const QFont* own = font ? &*font : nullptr;
    if (!m_text.isEmpty()) {
        AbstractElement::drawText(painter, m_text, m_layout.value(ElementNames::Text).rect, m_properties,
                                  Qt::Alignment(), own);
    }
    if (!m_shortcutText.isEmpty()) {
        AbstractElement::drawText(painter, m_shortcutText, m_layout.value(ElementNames::ShortcutText).rect,
                                  m_shortcutProperties, Qt::Alignment(), own);
    }
}

void MenuItemElement::drawArrow(QPainter* painter)
{
    if (!m_hasSubmenu || !m_valid) {
        return;
    }
    const bool rightToLeft = m_option->direction == Qt::RightToLeft;
    const auto* properties = m_arrowProperties ? m_arrowProperties : m_properties;
    const QRectF rect = m_layout.value(ElementNames::Arrow).rect;
    const QStyle::PrimitiveElement fallback
        = rightToLeft ? QStyle::PE_IndicatorArrowLeft : QStyle::PE_IndicatorArrowRight;
    // Style sheets name the arrow as it points left to right (one rule
    // serves the Quick menus too): right to left, a named arrow is drawn
    // mirrored. Without a name the fallback already points left.
    const auto* iconGroup = m_arrowProperties ? m_arrowProperties->icon() : nullptr;
    const bool named = iconGroup && iconGroup->name() && !iconGroup->name()->isEmpty();
    if (rightToLeft && named && !m_arrowIcon.isNull()) {
        painter->save();
        painter->translate(rect.left() + rect.right(), 0);
        painter->scale(-1, 1);
        drawSymbol(painter, m_arrowIcon, properties, rect, fallback);
        painter->restore();
        return;
    }
    drawSymbol(painter, m_arrowIcon, properties, rect, fallback);
}

QSizeF MenuItemElement::sizeFromContents(const QSizeF& contents)
{
    if (!m_menuItemOption) {
        return contents;
    }
    // A menu measures all its items with one option object, so two items of
    // equal contents size meet this element under one key: what was derived
    // from the item measured before (its icon, arrow and layout) is stale.
    refresh();
    const QStyleOptionMenuItem& o = *m_menuItemOption;
    if (m_isSeparator) {
        const auto* layout = m_separatorProperties ? m_separatorProperties->layout() : nullptr;
        const double lw = layout ? layout->width().value_or(0) : 0;
        const double lh = layout ? layout->height().value_or(0) : 0;
        const QSizeF size = o.text.isEmpty() ? QSizeF(lw, lh)
                                             : QSizeF(std::max(contents.width(), lw), std::max(contents.height(), lh));
        return AbstractElement::sizeFromContents(size, m_separatorProperties ? m_separatorProperties : m_properties);
    }

    const double s = spacing();
    const QMarginsF p = padding();
    double width = contents.width() + p.left() + p.right();
    if (!m_text.isEmpty()) {
        width += s;
    }
    if (hasIcon()) {
        width += m_layout.value(ElementNames::Icon).rect.width() + s;
    }
    if (m_hasSubmenu) {
        width += m_layout.value(ElementNames::Arrow).rect.width() + s;
    }
    if (o.menuHasCheckableItems) {
        if (o.checkType == QStyleOptionMenuItem::Exclusive) {
            width += m_style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, m_option, m_widget)
                + m_style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, m_option, m_widget);
        } else {
            width += m_style->pixelMetric(QStyle::PM_IndicatorWidth, m_option, m_widget)
                + m_style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, m_option, m_widget);
        }
        width += 2 * s;
    }
    if (!m_shortcutText.isEmpty()) {
        width += m_layout.value(ElementNames::ShortcutText).rect.width() + s;
    }
    // The row holds a whole line of the font the text is drawn in, and its
    // icon, indicator and arrow whole.
    const auto* textGroup = m_properties ? m_properties->text() : nullptr;
    const std::optional<QFont> font = textGroup ? textGroup->font() : std::nullopt;
    double height = std::max(contents.height(), double(font ? QFontMetrics(*font).height() : o.fontMetrics.height()));
    for (const QString& name : { ElementNames::Icon, ElementNames::Indicator, ElementNames::Arrow }) {
        height = std::max(height, m_layout.value(name).rect.height());
    }
    if (hasIcon()) {
        height = std::max(height, iconSize().height());
    }
    // The width gives back half the padding, as it always has; the height is
    // QMenu's line alone, so the padding goes on top of it in full.
    return AbstractElement::sizeFromContents(QSizeF(width - (p.left() + p.right()) / 2, height), m_properties);
}

double MenuItemElement::pixelMetric(QStyle::PixelMetric metric)
{
    // Stale for the same reason as the size.
    if (m_menuItemOption) {
        refresh();
    }
    if (metric == QStyle::PM_MenuButtonIndicator && m_hasSubmenu) {
        return m_layout.value(ElementNames::Arrow).rect.width();
    }
    return 0;
}

bool MenuItemElement::ownInputs(InputValues& values) const
{
    if (m_menuItemOption) {
        const QStyleOptionMenuItem& o = *m_menuItemOption;
        values << o.menuItemType << o.checkType << o.menuHasCheckableItems << o.checked << o.icon.cacheKey()
               << QApplication::testAttribute(Qt::AA_DontShowIconsInMenus);
    }
    return true;
}
