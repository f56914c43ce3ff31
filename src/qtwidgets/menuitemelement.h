#pragma once

#include "abstractelement.h"

class QStyleOptionMenuItem;

// One item of a popup menu: check box or radio indicator, icon, text,
// shortcut and submenu arrow, or a separator with or without a title. One
// element serves every item the menu paints with the same option.
class MenuItemElement : public AbstractElement
{
    Q_OBJECT

public:
    MenuItemElement(const QStyleOptionMenuItem* option, QuiltStyle* style, const QWidget* widget);
    static constexpr bool keptPerPlace = true;

    void draw(QPainter* painter, int control, int complex, int primitive) override;
    void query() override;
    QSizeF sizeFromContents(const QSizeF& contents) override;
    double pixelMetric(QStyle::PixelMetric metric) override;
    void update() override;
    void drawText(QPainter* painter) override;
    std::optional<QFont> dataFont() const override;
    void drawBackgroundAndBorder(QPainter* painter) override;
    QStringList hints() const override;
    Quilt::Element::States states() const override;
    void updateSubElementNames() override;
    QString elementType(const QStyleOption* option) const override;

    void drawArrow(QPainter* painter);
    QString shortcutText() const { return m_shortcutText; }

protected:
    bool ownInputs(InputValues& values) const override;

private:
    const QStyleOptionMenuItem* m_menuItemOption = nullptr;
    Quilt::ElementChain m_indicatorElements;
    const Properties* m_indicatorProperties = nullptr;
    std::shared_ptr<const Properties> m_indicatorPropertiesHold;
    Quilt::ElementChain m_arrowElements;
    const Properties* m_arrowProperties = nullptr;
    std::shared_ptr<const Properties> m_arrowPropertiesHold;
    Quilt::ElementChain m_shortcutElements;
    const Properties* m_shortcutProperties = nullptr;
    std::shared_ptr<const Properties> m_shortcutPropertiesHold;
    Quilt::ElementChain m_separatorElements;
    const Properties* m_separatorProperties = nullptr;
    std::shared_ptr<const Properties> m_separatorPropertiesHold;
    bool m_isSeparator = false;
    bool m_hasSubmenu = false;
    bool m_isCheckBox = false;
    bool m_isRadioButton = false;
    bool m_menuHasCheckableItems = false;
    QString m_shortcutText;
    QIcon m_arrowIcon;
};
