#pragma once

#include "abstractelement.h"

class QStyleOptionSizeGrip;

// The size grip of windows and status bars, and its size.
class SizeGripElement : public AbstractElement
{
    Q_OBJECT

public:
    SizeGripElement(const QStyleOptionSizeGrip* option, QuiltStyle* style, const QWidget* widget);

    void draw(QPainter* painter, int control, int complex, int primitive) override;
    void query() override;
    double pixelMetric(QStyle::PixelMetric metric) override;
    void update() override;
    QString elementType(const QStyleOption* option) const override;

private:
    void drawGrip(QPainter* painter);

    const QStyleOptionSizeGrip* m_ownOption = nullptr;
};
