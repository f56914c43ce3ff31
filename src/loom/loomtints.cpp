#include "loomtints.h"

#include <algorithm>
#include <cmath>

namespace LoomTints
{
QColor mix(const QColor& from, const QColor& to, qreal bias)
{
    if (!from.isValid()) {
        return to;
    }
    if (!to.isValid()) {
        return from;
    }
    const qreal t = std::isnan(bias) ? 0.0 : std::clamp(bias, 0.0, 1.0);
    const QColor a = from.toRgb();
    const QColor b = to.toRgb();
    auto channel = [t](float x, float y) {
        return x + (y - x) * t;
    };
    return QColor::fromRgbF(channel(a.redF(), b.redF()), channel(a.greenF(), b.greenF()), channel(a.blueF(), b.blueF()),
                            channel(a.alphaF(), b.alphaF()));
}
} // namespace LoomTints
