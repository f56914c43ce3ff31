#pragma once

#include "abstractelement.h"

class QStyleOptionFrame;

// The tool-tip panel and its frame width; its hints are the frame's.
class ToolTipElement : public AbstractElement
{
    Q_OBJECT

public:
    ToolTipElement(const QStyleOptionFrame* option, QuiltStyle* style, const QWidget* widget);

    void draw(QPainter* painter, int control, int complex, int primitive) override;
    void query() override;
    double pixelMetric(QStyle::PixelMetric metric) override;
    void update() override;
    QStringList hints() const override;
    QString elementType(const QStyleOption* option) const override;

private:
    const QStyleOptionFrame* m_ownOption = nullptr;
};
