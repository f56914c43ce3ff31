#pragma once

// The harness of the widget style's tests. Each test program runs under one
// fixture style: QUILT_WIDGET_TEST_MAIN writes it as a CSS package into a
// temporary XDG data folder, makes it the default style, writes and selects a
// fixture icon theme, forces the test platform plug-in ("testplain", which
// records the icons it is asked for), creates the QApplication and installs a
// QuiltStyle.

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QObject;
class QPainter;
class QuiltStyle;
class QWidget;

namespace QuiltWidgetTest
{
struct Fixture
{
    // The default style's sheet; without one no default style can be had
    // (not even the build's "halcyon").
    std::optional<QByteArray> styleSheet;
};

int runTests(int argc, char** argv, QObject* test, const Fixture& fixture);

// The style sheet of most programs: every selector of standardSelectors() sets
// a background colour of its own, fixtureColor(selector).
QByteArray standardStyleSheet();
QStringList standardSelectors();
// Colours that lie far apart from each other, so that a probe tells who
// painted a pixel; never black or white.
QColor fixtureColor(const QString& selector);

// The fixture icon theme: one solid PNG per name, in iconColor(name).
QStringList fixtureIconNames();
QColor iconColor(const QString& name);

// The QuiltStyle that the harness installed.
QuiltStyle* style();
// The platform plug-in of the registry, for its recorded icon requests.
QObject* platform();

// Shows the widget and waits until it is exposed.
bool showAndWait(QWidget* widget);
QImage grabImage(QWidget* widget);

// Equal within `tolerance` in every channel (antialiasing, rounding).
bool fuzzyColor(const QColor& actual, const QColor& expected, int tolerance = 6);
QColor colorAt(const QImage& image, const QPoint& point);
// Whether any pixel of the rectangle has the colour.
bool containsColor(const QImage& image, const QRect& rect, const QColor& color, int tolerance = 6);
QString describe(const QColor& color);

// One fabricated style request: `paint` draws into a transparent image of
// that size with antialiasing on, as the style paints.
QImage paintImage(const QSize& size, const std::function<void(QPainter*)>& paint);
} // namespace QuiltWidgetTest

// Compares colours within the tolerance and prints both on failure.
#define QUILT_COMPARE_COLOR(actual, expected)                                                                          \
    QVERIFY2(                                                                                                          \
        QuiltWidgetTest::fuzzyColor((actual), (expected)),                                                             \
        qPrintable(                                                                                                    \
            QStringLiteral("%1 != %2").arg(QuiltWidgetTest::describe(actual), QuiltWidgetTest::describe(expected))))

#define QUILT_WIDGET_TEST_MAIN(TestClass, ...)                                                                         \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        TestClass test;                                                                                                \
        return QuiltWidgetTest::runTests(argc, argv, &test, QuiltWidgetTest::Fixture { __VA_ARGS__ });                 \
    }
