#pragma once

#include "abstractelement.h"

class QStyleOptionSlider;

// Sliders: the groove, its filled part up to the value, the tick marks and
// the handle, each styled by an element of its own.
class SliderElement : public AbstractElement
{
    Q_OBJECT

public:
    SliderElement(const QStyleOptionSlider* option, QuiltStyle* style, const QWidget* widget);
    ~SliderElement() override;

    void draw(QPainter* painter, int control, int complex, int primitive) override;
    void query() override;
    QSizeF sizeFromContents(const QSizeF& contents) override;
    QRectF subControlRect(QStyle::SubControl control) override;
    double pixelMetric(QStyle::PixelMetric metric) override;
    void update() override;
    void drawBackgroundAndBorder(QPainter* painter) override;
    QStringList hints() const override;
    void updateSubElementNames() override;
    QString elementType(const QStyleOption* option) const override;

    const Quilt::ElementChain& tickChain() const { return m_tickElements; }

private:
    void drawTicks(QPainter* painter);
    int tickRects(QRectF* rects) const;

    const QStyleOptionSlider* m_sliderOption = nullptr;
    bool m_horizontal = false;
    bool m_upsideDown = false;
    bool m_inverted = false;
    Quilt::ElementChain m_tickElements;
    const Properties* m_tickProperties = nullptr;
    std::shared_ptr<const Properties> m_tickPropertiesHold;
    // The tick element's hints for inactive and for active ticks, made once
    // per update so that drawing the ticks allocates nothing.
    QStringList m_tickHints;
    QStringList m_activeTickHints;
};
