#include "sizes.h"

#include <QtCore/QtNumeric>

#include <cmath>

namespace Quilt::Quick
{
namespace
{
constexpr double Epsilon = 1e-12;

bool isNull(double value)
{
    return std::abs(value) <= Epsilon;
}

// Near zero a relative comparison tells nothing: compare absolutely there.
bool fuzzyEqual(double a, double b)
{
    if (a == 0.0 || b == 0.0) {
        return std::abs(a - b) <= Epsilon;
    }
    return std::abs(a - b) * 1e12 <= std::min(std::abs(a), std::abs(b));
}
} // namespace

Sizes::Sizes(double left, double top, double right, double bottom)
    : m_left(left)
    , m_top(top)
    , m_right(right)
    , m_bottom(bottom)
{ }

bool Sizes::isValid() const
{
    return !isNull(m_left) || !isNull(m_top) || !isNull(m_right) || !isNull(m_bottom);
}

bool operator==(const Sizes& a, const Sizes& b)
{
    return fuzzyEqual(a.m_left, b.m_left) && fuzzyEqual(a.m_top, b.m_top) && fuzzyEqual(a.m_right, b.m_right)
        && fuzzyEqual(a.m_bottom, b.m_bottom);
}
} // namespace Quilt::Quick
