#pragma once

#include "abstractelement.h"

class QStyleOptionSlider;

// Scroll bars without arrow buttons: a groove over the whole bar and a handle
// whose length follows the page step.
class ScrollBarElement : public AbstractElement
{
    Q_OBJECT

public:
    ScrollBarElement(const QStyleOptionSlider* option, QuiltStyle* style, const QWidget* widget);
    // Every scroll area makes two bars and asks for their extent.
    static constexpr bool sharesAnswers = true;
    bool retarget(const QStyleOption* option, const QWidget* widget) override;

    void draw(QPainter* painter, int control, int complex, int primitive) override;
    void query() override;
    QSizeF sizeFromContents(const QSizeF& contents) override;
    QRectF subControlRect(QStyle::SubControl control) override;
    double pixelMetric(QStyle::PixelMetric metric) override;
    void update() override;
    void drawBackgroundAndBorder(QPainter* painter) override;
    void drawIndicator(QPainter* painter) override;
    QStringList hints() const override;
    void updateSubElementNames() override;
    QString elementType(const QStyleOption* option) const override;

protected:
    bool ownInputs(InputValues& values) const override;

private:
    double thickness() const;
    QRectF sliderRect();

    const QStyleOptionSlider* m_sliderOption = nullptr;
    bool m_horizontal = false;
};
