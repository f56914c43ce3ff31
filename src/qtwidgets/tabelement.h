#pragma once

#include "abstractelement.h"

class QStyleOptionTab;

// One tab of a tab bar: its shape and its label, in all eight shapes. Vertical
// tabs are laid out in a frame turned upright and painted through a rotated
// painter; room is kept for the tab's buttons.
class TabElement : public AbstractElement
{
    Q_OBJECT

public:
    TabElement(const QStyleOptionTab* option, QuiltStyle* style, const QWidget* widget);

    void draw(QPainter* painter, int control, int complex, int primitive) override;
    void query() override;
    QSizeF sizeFromContents(const QSizeF& contents) override;
    double pixelMetric(QStyle::PixelMetric metric) override;
    void update() override;
    void drawText(QPainter* painter) override;
    QVariantMap attributes() const override;
    QStringList hints() const override;
    Quilt::Element::States states() const override;
    void updateSubElementNames() override;
    QString elementType(const QStyleOption* option) const override;

    bool isVertical() const { return m_vertical; }
    bool isImmutable() const { return m_immutable; }

    // Where the label of a tab at `rect` is painted from: the tab's own
    // rectangle for horizontal tabs, turned upright at the origin for
    // vertical ones.
    static QTransform labelTransform(int shape, const QRect& rect);

private:
    void paintLabel(QPainter* painter, bool withIndicator);

    const QStyleOptionTab* m_tabOption = nullptr;
    bool m_vertical = false;
    bool m_immutable = false;
};
