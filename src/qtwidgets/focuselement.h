#pragma once

#include "abstractelement.h"

class QStyleOptionFocusRect;

// The focus rectangle and the focus frame's margins.
class FocusElement : public AbstractElement
{
    Q_OBJECT

public:
    FocusElement(const QStyleOptionFocusRect* option, QuiltStyle* style, const QWidget* widget);

    void draw(QPainter* painter, int control, int complex, int primitive) override;
    void query() override;
    double pixelMetric(QStyle::PixelMetric metric) override;
    void update() override;
    QStringList hints() const override;
    QString elementType(const QStyleOption* option) const override;

private:
    const QStyleOptionFocusRect* m_focusOption = nullptr;
};
