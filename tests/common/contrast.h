#pragma once

// The contrast ratio of two colours as accessibility guidelines define it,
// for tests that keep text legible on its background.

#include <QColor>

#include <algorithm>
#include <cmath>

namespace QuiltTest
{
inline double luminance(const QColor& color)
{
    const auto channel = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) + 0.0722 * channel(color.blueF());
}

inline double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
} // namespace QuiltTest
