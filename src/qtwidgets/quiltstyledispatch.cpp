// The QStyle requests that QuiltStyle answers through its elements and fixed
// answers; the rest of the class is in quiltstyle.cpp.

#include "quiltstyle.h"

#include "elementdispatch.h"

void QuiltStyle::drawPrimitive(PrimitiveElement primitive, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const
{
    ElementDispatch::drawPrimitive(this, primitive, option, painter, widget);
}

void QuiltStyle::drawControl(ControlElement control, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const
{
    ElementDispatch::drawControl(this, control, option, painter, widget);
}

QRect QuiltStyle::subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const
{
    return ElementDispatch::subElementRect(this, element, option, widget);
}

void QuiltStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                    const QWidget* widget) const
{
    ElementDispatch::drawComplexControl(this, control, option, painter, widget);
}

QStyle::SubControl QuiltStyle::hitTestComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                                     const QPoint& position, const QWidget* widget) const
{
    return ElementDispatch::hitTestComplexControl(this, control, option, position, widget);
}

QRect QuiltStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl subControl,
                                 const QWidget* widget) const
{
    return ElementDispatch::subControlRect(this, control, option, subControl, widget);
}

int QuiltStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    return ElementDispatch::pixelMetric(this, metric, option, widget);
}

QSize QuiltStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                                   const QWidget* widget) const
{
    return ElementDispatch::sizeFromContents(this, type, option, contents, widget);
}

int QuiltStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                          QStyleHintReturn* returnData) const
{
    return ElementDispatch::styleHint(this, hint, option, widget, returnData);
}

QIcon QuiltStyle::standardIcon(StandardPixmap pixmap, const QStyleOption* option, const QWidget* widget) const
{
    return ElementDispatch::standardIcon(this, pixmap, option, widget);
}
