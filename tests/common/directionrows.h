#pragma once

#include <QTest>

namespace QuiltTest
{
// A test run once left to right and once right to left: the column
// "direction" (Qt::LayoutDirection).
inline void directionRows()
{
    QTest::addColumn<Qt::LayoutDirection>("direction");
    QTest::newRow("left to right") << Qt::LeftToRight;
    QTest::newRow("right to left") << Qt::RightToLeft;
}
} // namespace QuiltTest
