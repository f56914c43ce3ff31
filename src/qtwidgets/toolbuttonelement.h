#pragma once

#include "abstractelement.h"

class QStyleOptionToolButton;

// Tool buttons: panel and frame, icon or arrow, text, and the menu indicator
// placed beside, over or on the button by the popup mode.
class ToolButtonElement : public AbstractElement
{
    Q_OBJECT

public:
    ToolButtonElement(const QStyleOptionToolButton* option, QuiltStyle* style, const QWidget* widget);

    void draw(QPainter* painter, int control, int complex, int primitive) override;
    void query() override;
    QSizeF sizeFromContents(const QSizeF& contents) override;
    QRectF subControlRect(QStyle::SubControl control) override;
    void update() override;
    void drawIcon(QPainter* painter) override;
    void drawIndicator(QPainter* painter) override;
    QVariantMap attributes() const override;
    QStringList hints() const override;
    void updateSubElementNames() override;
    QString elementType(const QStyleOption* option) const override;

    void placeIndicator();

private:
    bool iconOnlyLook() const;
    bool menuButtonMode() const;
    bool inlineArrowMode() const;
    bool besideMode() const;

    const QStyleOptionToolButton* m_toolButtonOption = nullptr;
    bool m_hasMenu = false;
    bool m_showsArrow = false;
    bool m_showsIcon = false;
    bool m_showsText = false;
    QRectF m_buttonRect;
    QRectF m_indicatorRect;
    SubElementLayout m_indicatorLayout;
};
