#pragma once

#include "abstractelement.h"

// Arrow primitives drawn as icons, and the icon-size metrics and text cursor
// width a style sets through named metric parts. It runs no query of its own.
class IndicatorElement : public AbstractElement
{
    Q_OBJECT

public:
    IndicatorElement(const QStyleOption* option, QuiltStyle* style, const QWidget* widget);

    void draw(QPainter* painter, int control, int complex, int primitive) override;
    double pixelMetric(QStyle::PixelMetric metric) override;

private:
    void drawArrow(QPainter* painter, const QString& iconName, const QString& elementName,
                   QStyle::PrimitiveElement fallback);

    const QStyleOption* m_indicatorOption = nullptr;
    int m_listViewIconSize = 0;
    int m_smallIconSize = 0;
    int m_iconViewIconSize = 0;
    int m_largeIconSize = 0;
    int m_messageBoxIconSize = 0;
    int m_textCursorWidth = 0;
};
