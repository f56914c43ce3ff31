#pragma once

#include "abstractelement.h"

// Plain widgets: their background, and the form-layout hints.
class WidgetElement : public AbstractElement
{
    Q_OBJECT

public:
    WidgetElement(const QStyleOption* option, QuiltStyle* style, const QWidget* widget);

    void draw(QPainter* painter, int control, int complex, int primitive) override;
    int styleHint(QStyle::StyleHint hint) override;
    void update() override;

private:
    void drawSideTabBar(QPainter* painter);

    const QStyleOption* m_widgetOption = nullptr;
};
