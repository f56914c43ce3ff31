#include "csstesthelpers.h"
#include "propertyhandlers.h"

#include "offsetpropertygroup.h"
#include "shadowpropertygroup.h"

#include <QTest>

using namespace Quilt;
using namespace Quilt::Properties;

using QuiltCssTest::describeColor;
using QuiltCssTest::describeNumber;

namespace
{
// "offset(h v) blur size colour", "-" for an unset field; "empty" for the
// explicitly empty shadow and an empty text without a shadow group.
QString describe(const StylePropertyGroup& style)
{
    const ShadowPropertyGroup* shadow = style.shadow();
    if (!shadow) {
        return {};
    }
    if (*shadow == *ShadowPropertyGroup::empty()) {
        return QStringLiteral("empty");
    }
    const OffsetPropertyGroup* offset = shadow->offset();
    return QStringLiteral("offset(%1 %2) %3 %4 %5")
        .arg(offset ? describeNumber(offset->horizontal()) : QStringLiteral("-"),
             offset ? describeNumber(offset->vertical()) : QStringLiteral("-"), describeNumber(shadow->blur()),
             describeNumber(shadow->size()), describeColor(shadow->color()));
}
} // namespace

class TestCssShadow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void boxShadow_data()
    {
        QTest::addColumn<QByteArray>("declarations");
        QTest::addColumn<QString>("expected");

        QTest::newRow("five values") << QByteArray("box-shadow: 2px 3px 4px 1px black") << "offset(2 3) 4 1 #000000";
        QTest::newRow("sixth value ignored")
            << QByteArray("box-shadow: 2px 3px 4px 1px black white") << "offset(2 3) 4 1 #000000";
        QTest::newRow("other units give 0") << QByteArray("box-shadow: 1em 2px 3pt 4 red") << "offset(0 2) 0 0 #ff0000";
        QTest::newRow("colour last") << QByteArray("box-shadow: red 1px 1px 1px 1px") << "offset(0 1) 1 1 invalid";
        QTest::newRow("four values") << QByteArray("box-shadow: 2px 2px 4px black") << "";
        QTest::newRow("none") << QByteArray("box-shadow: none") << "empty";
        QTest::newRow("none any case") << QByteArray("box-shadow: NONE") << "empty";
        QTest::newRow("none after a shadow")
            << QByteArray("box-shadow: 1px 1px 2px 0px gray; box-shadow: none") << "empty";
        QTest::newRow("shadow after none")
            << QByteArray("box-shadow: none; box-shadow: 1px 1px 2px 0px red") << "offset(1 1) 2 0 #ff0000";
        QTest::newRow("later shadow overwrites")
            << QByteArray("box-shadow: 1px 1px 2px 0px gray; box-shadow: 5px 6px 7px 8px blue")
            << "offset(5 6) 7 8 #0000ff";
        QTest::newRow("other string is not none") << QByteArray("box-shadow: inset") << "";

        // Only the exact lower-case name is read.
        QTest::newRow("shadow") << QByteArray("shadow: 2px 2px 4px 0px black") << "";
        QTest::newRow("shadow-color") << QByteArray("shadow-color: red") << "";
        QTest::newRow("box-shadow-color") << QByteArray("box-shadow-color: red") << "";
        QTest::newRow("capitals") << QByteArray("Box-Shadow: none") << "";
    }

    void boxShadow()
    {
        QFETCH(QByteArray, declarations);
        QFETCH(QString, expected);

        QCOMPARE(describe(*QuiltCssTest::parse(declarations)), expected);
    }

    void changesExistingGroupsInPlace()
    {
        StylePropertyGroup style;
        QuiltCssTest::parseInto(style, "box-shadow: 3px 3px 3px 3px red");
        const ShadowPropertyGroup* shadow = style.shadow();
        const OffsetPropertyGroup* offset = shadow ? shadow->offset() : nullptr;
        QVERIFY(offset);

        QuiltCssTest::parseInto(style, "box-shadow: 1px 1px 2px 0px gray");
        QCOMPARE(style.shadow(), shadow);
        QCOMPARE(shadow->offset(), offset);
        QCOMPARE(describe(style), "offset(1 1) 2 0 #808080");
    }

    void noValues()
    {
        StylePropertyGroup style;
        Css::parseShadowProperty(style, QuiltCssTest::property("box-shadow", {}));
        QVERIFY(!style.shadow());
    }
};

QTEST_GUILESS_MAIN(TestCssShadow)
#include "tst_cssshadow.moc"
