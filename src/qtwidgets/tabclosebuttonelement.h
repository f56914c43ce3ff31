#pragma once

#include "abstractelement.h"

// The close button of a closable tab, painted as one icon over the whole
// button, and its size.
class TabCloseButtonElement : public AbstractElement
{
    Q_OBJECT

public:
    TabCloseButtonElement(const QStyleOption* option, QuiltStyle* style, const QWidget* widget);

    void draw(QPainter* painter, int control, int complex, int primitive) override;
    void query() override;
    double pixelMetric(QStyle::PixelMetric metric) override;
    void update() override;

private:
    const QStyleOption* m_buttonOption = nullptr;
};
