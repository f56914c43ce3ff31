#pragma once

#include <QPoint>
#include <QStyle>

#include <optional>

class QPainter;
class QStyleHintReturn;
class QStyleOption;
class QStyleOptionComplex;
class QWidget;
class QuiltStyle;

// What the style answers itself, without an element and without asking the
// engine.
namespace FixedAnswers
{
// The metrics that are always 0.
std::optional<int> pixelMetric(QStyle::PixelMetric metric);
// The fixed hints, the mnemonic and animation hints and the rubber-band mask.
std::optional<int> styleHint(const QuiltStyle* style, QStyle::StyleHint hint, const QStyleOption* option,
                             const QWidget* widget, QStyleHintReturn* returnData);
// The menu margins and empty area draw nothing at all.
bool drawsNothing(QStyle::ControlElement control);

// 150 ms scaled by the platform's animation speed.
int animationDuration(double multiplier);
// Gives a rubber band a full rectangle inside views and main windows, a frame
// one pixel wide elsewhere: 1 when it set the mask, else 0.
int rubberBandMask(const QStyleOption* option, const QWidget* widget, QStyleHintReturn* returnData);

// A header arrow without a header option: drawn as the up or down arrow.
void drawHeaderArrow(const QuiltStyle* style, const QStyleOption* option, QPainter* painter, const QWidget* widget);

QStyle::SubControl hitTestScrollBar(const QuiltStyle* style, const QStyleOptionComplex* option, const QPoint& position,
                                    const QWidget* widget);
} // namespace FixedAnswers
