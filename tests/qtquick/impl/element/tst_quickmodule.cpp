#include <QFile>
#include <QGuiApplication>
#include <QTest>

#include "quicktestfixture.h"
#include "sizes.h"

using QuiltQuickTest::createObject;

class tst_QuickModule : public QObject
{
    Q_OBJECT

private:
    QQmlEngine m_engine;

private Q_SLOTS:
    void imports_data();
    void imports();
    void uncreatable_data();
    void uncreatable();
    void colorSet();
    void qmldir();
    void alignment_data();
    void alignment();
    void sizes();
    void sizesInQml();
};

void tst_QuickModule::imports_data()
{
    QTest::addColumn<QByteArray>("import");
    QTest::newRow("unversioned") << QByteArray("import org.vyr.quilt.impl as Quilt");
    QTest::newRow("254.0") << QByteArray("import org.vyr.quilt.impl 254.0 as Quilt");
}

void tst_QuickModule::imports()
{
    QFETCH(QByteArray, import);
    QQmlComponent component(&m_engine);
    component.setData("import QtQuick\n" + import + R"(
Item {
    Quilt.Element.type: "Button"
    Quilt.Element.hints: [ Quilt.ElementHint { name: "a" } ]
    Quilt.Element.attributes: Quilt.ElementAttribute { name: "b"; value: 1 }
    Quilt.StyleHints.tickMarkStepSize: 2
    property var styleProperties: Quilt.Style.properties
    property int alignment: Quilt.Alignment.StackFill
    property int view: Quilt.ColorSet.View
    property Quilt.sizes sizes: ({ left: 1 })
    property QtObject handler: Quilt.WindowHandler
})",
                      QUrl());
    std::unique_ptr<QObject> object(component.create());
    QVERIFY2(object, qPrintable(component.errorString()));
    QVERIFY(object->property("styleProperties").value<QObject*>());
    QCOMPARE(object->property("alignment").toInt(), 6);
    QCOMPARE(object->property("view").toInt(), 1);
    QVERIFY(object->property("handler").value<QObject*>());
}

void tst_QuickModule::uncreatable_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QString>("reason");
    QTest::newRow("Element") << QByteArray("Element") << "Attached property";
    QTest::newRow("Style") << QByteArray("Style") << "Attached Property";
    QTest::newRow("StyleHints") << QByteArray("StyleHints") << "Attached Property";
    QTest::newRow("States") << QByteArray("States") << "Grouped property";
}

void tst_QuickModule::uncreatable()
{
    QFETCH(QByteArray, type);
    QFETCH(QString, reason);
    const QString errors = QuiltQuickTest::componentErrors(
        &m_engine, "import QtQuick\nimport org.vyr.quilt.impl as Quilt\nItem { Quilt." + type + " {} }");
    QVERIFY2(errors.contains(reason), qPrintable(errors));
}

void tst_QuickModule::colorSet()
{
    auto object = createObject(&m_engine, R"(
QtObject {
    property int view: Quilt.ColorSet.View
    property int header: Quilt.ColorSet.Header
    property int disabled: Quilt.ColorSet.Disabled
    property int highlighted: Quilt.ColorSet.Highlighted
    property int attributes: Quilt.ColorSet.Attributes
})");
    QVERIFY(object);
    QCOMPARE(object->property("view").toInt(), 1);
    QCOMPARE(object->property("header").toInt(), 7);
    QCOMPARE(object->property("disabled").toInt(), 32);
    QCOMPARE(object->property("highlighted").toInt(), 64);
    QCOMPARE(object->property("attributes").toInt(), 16);
}

void tst_QuickModule::qmldir()
{
    const QStringList expected = {
        "module org.vyr.quilt.impl",           "linktarget QuiltQuickImplplugin",  "plugin QuiltQuickImplplugin",
        "classname org_vyr_quilt_implPlugin",  "typeinfo QuiltQuickImpl.qmltypes", "depends QtQuick",
        "prefer :/qt/qml/org/vyr/quilt/impl/",
    };
    // The copy in the library's resources, and the one the engine finds on
    // the import path.
    for (const QString& path : { QStringLiteral(":/qt/qml/org/vyr/quilt/impl/qmldir"),
                                 qEnvironmentVariable("QML_IMPORT_PATH") + "/org/vyr/quilt/impl/qmldir" }) {
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines, expected);
    }
}

void tst_QuickModule::alignment_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("horizontal");
    QTest::addColumn<int>("vertical");
    QTest::newRow("Unspecified") << 0 << int(Qt::AlignLeft) << int(Qt::AlignVCenter);
    QTest::newRow("Start") << 1 << int(Qt::AlignLeft) << int(Qt::AlignTop);
    QTest::newRow("Center") << 2 << int(Qt::AlignHCenter) << int(Qt::AlignVCenter);
    QTest::newRow("End") << 3 << int(Qt::AlignRight) << int(Qt::AlignBottom);
    QTest::newRow("Fill") << 4 << int(Qt::AlignJustify) << int(Qt::AlignVCenter);
    QTest::newRow("StackCenter") << 5 << int(Qt::AlignJustify) << int(Qt::AlignVCenter);
    QTest::newRow("StackFill") << 6 << int(Qt::AlignJustify) << int(Qt::AlignVCenter);
    QTest::newRow("other") << 42 << int(Qt::AlignLeft) << int(Qt::AlignVCenter);
}

void tst_QuickModule::alignment()
{
    QFETCH(int, value);
    QFETCH(int, horizontal);
    QFETCH(int, vertical);
    auto object = createObject(&m_engine,
                               "QtObject {\n"
                               "    property int horizontal: Quilt.Alignment.toQtHorizontal("
                                   + QByteArray::number(value)
                                   + ")\n"
                                     "    property int vertical: Quilt.Alignment.toQtVertical("
                                   + QByteArray::number(value) + ")\n}");
    QVERIFY(object);
    QCOMPARE(object->property("horizontal").toInt(), horizontal);
    QCOMPARE(object->property("vertical").toInt(), vertical);
}

void tst_QuickModule::sizes()
{
    using Quilt::Quick::Sizes;
    QVERIFY(!Sizes().isValid());
    QVERIFY(Sizes(0.5, 0, 0, 0).isValid());
    QVERIFY(Sizes(0, 0, 0, -2).isValid());
    QVERIFY(!Sizes(1e-13, 0, 0, 0).isValid());
    QCOMPARE(Sizes(1, 2, 3, 4), Sizes(1, 2, 3 + 1e-13, 4));
    QCOMPARE(Sizes(0, 0, 0, 0), Sizes(1e-13, 0, 0, 0));
    QVERIFY(Sizes(1, 2, 3, 4) != Sizes(1, 2, 3.001, 4));
    QVERIFY(Sizes(0, 0, 0, 0) != Sizes(1e-11, 0, 0, 0));
}

void tst_QuickModule::sizesInQml()
{
    auto object = createObject(&m_engine, R"(
QtObject {
    property Quilt.sizes empty
    property Quilt.sizes half: ({ left: 0.5 })
    property Quilt.sizes a: ({ left: 1, top: 2, right: 3, bottom: 4 })
    property Quilt.sizes b: ({ left: 1, top: 2, right: 3.0000000000001, bottom: 4 })
    property list<Quilt.sizes> many: [ ({ left: 1 }), ({ top: 2 }) ]
    property bool emptyValid: empty.valid
    property bool halfValid: half.valid
    property bool equal: a == b
    property bool different: a == half
    property real secondTop: many[1].top
})");
    QVERIFY(object);
    QVERIFY(!object->property("emptyValid").toBool());
    QVERIFY(object->property("halfValid").toBool());
    QVERIFY(object->property("equal").toBool());
    QVERIFY(!object->property("different").toBool());
    QCOMPARE(object->property("secondTop").toDouble(), 2.0);
}

QUILT_QUICK_TEST_MAIN(tst_QuickModule, QByteArray())

#include "tst_quickmodule.moc"
