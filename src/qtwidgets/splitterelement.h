#pragma once

#include "abstractelement.h"

// Splitter handles and the separators between dock widgets, and their width.
class SplitterElement : public AbstractElement
{
    Q_OBJECT

public:
    SplitterElement(const QStyleOption* option, QuiltStyle* style, const QWidget* widget);

    void draw(QPainter* painter, int control, int complex, int primitive) override;
    void query() override;
    double pixelMetric(QStyle::PixelMetric metric) override;
    void update() override;
    QString elementType(const QStyleOption* option) const override;

private:
    const QStyleOption* m_ownOption = nullptr;
};
