#pragma once

#include "abstractelement.h"

class QStyleOptionRubberBand;

// Selection rubber bands: one styled rectangle.
class RubberBandElement : public AbstractElement
{
    Q_OBJECT

public:
    RubberBandElement(const QStyleOptionRubberBand* option, QuiltStyle* style, const QWidget* widget);

    void draw(QPainter* painter, int control, int complex, int primitive) override;
    void query() override;
    void update() override;
    QString elementType(const QStyleOption* option) const override;

private:
    const QStyleOptionRubberBand* m_ownOption = nullptr;
};
