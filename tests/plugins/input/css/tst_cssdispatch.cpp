#include "csstesthelpers.h"
#include "propertyhelpers.h"

#include <QTest>

using namespace Quilt;
using namespace Quilt::Css;

class TestCssDispatch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void matcher_data();
    void matcher();
};

void TestCssDispatch::matcher_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("exact, other case") << 0 << QStringLiteral("COLOR") << true;
    QTest::newRow("exact, longer") << 0 << QStringLiteral("color-text") << false;
    QTest::newRow("list, one of them") << 1 << QStringLiteral("Height") << true;
    QTest::newRow("list, not a whole name") << 1 << QStringLiteral("widths") << false;
    QTest::newRow("prefix") << 2 << QStringLiteral("Padding-Left") << true;
    QTest::newRow("prefix, inside") << 2 << QStringLiteral("x-padding") << false;
    QTest::newRow("suffix") << 3 << QStringLiteral("text-alignment-VERTICAL") << true;
    QTest::newRow("suffix, not at the end") << 3 << QStringLiteral("vertical-x") << false;
}

void TestCssDispatch::matcher()
{
    QFETCH(int, mode);
    QFETCH(QString, name);
    QFETCH(bool, accepted);

    const PropertyMatcher matchers[] = {
        PropertyMatcher::exact(QStringLiteral("color")),
        PropertyMatcher::list({ QStringLiteral("width"), QStringLiteral("height") }),
        PropertyMatcher::prefix(QStringLiteral("padding")),
        PropertyMatcher::suffix(QStringLiteral("vertical")),
    };
    QCOMPARE(matchers[mode].matches(name), accepted);
}

QTEST_GUILESS_MAIN(TestCssDispatch)
#include "tst_cssdispatch.moc"
