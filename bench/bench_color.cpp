#include "color.h"

#include <QLoggingCategory>
#include <QTest>

using Quilt::Color;

class bench_Color : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void toQColor_data();
    void toQColor();
};

void bench_Color::initTestCase()
{
    // A custom colour without a provider warns on every resolution.
    QLoggingCategory::setFilterRules(QStringLiteral("quilt.general.warning=false"));
}

void bench_Color::toQColor_data()
{
    QTest::addColumn<Color>("color");

    const Color custom = Color::custom(
        QStringLiteral("loompalette"),
        { QStringLiteral("Active"), QStringLiteral("View"), QStringLiteral("Normal"), QStringLiteral("Background") });
    const Color base = Color::rgba(40, 80, 120, 255);
    const Color highlight
        = Color::set(Color::add(base, Color::rgba(30, 30, 30, 0)), std::nullopt, std::nullopt, std::nullopt, 200);

    QTest::newRow("rgba") << base;
    QTest::newRow("custom") << custom;
    QTest::newRow("nested mix") << Color::mix(Color::mix(highlight, custom, 0.25),
                                              Color::multiply(base, Color::rgba(128, 128, 128, 255)), 0.5);
}

void bench_Color::toQColor()
{
    QFETCH(Color, color);

    QColor result;
    QBENCHMARK
    {
        result = color.toQColor();
    }
    QVERIFY(result.isValid());
}

QTEST_GUILESS_MAIN(bench_Color)
#include "bench_color.moc"
