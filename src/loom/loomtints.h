#pragma once

#include <QColor>

namespace LoomTints
{
// The colour `bias` of the way from `from` to `to`, channel by channel
// (alpha included): 0 gives `from`, 1 gives `to`. The bias is clamped to
// [0, 1]; one that is not a number counts as 0.
QColor mix(const QColor& from, const QColor& to, qreal bias = 0.5);
} // namespace LoomTints
