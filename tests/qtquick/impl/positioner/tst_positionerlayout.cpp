#include <QGuiApplication>
#include <QLoggingCategory>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>
#include <QtQuickTest/quicktest.h>

#include "positioner.h"
#include "quicktestfixture.h"

using namespace Qt::StringLiterals;

namespace
{
const QByteArray s_css = R"(
Control { spacing: 4px; padding: 2px 3px; }
Label { text-alignment: content start center 1; }
)";

struct Message
{
    QByteArray category;
    QString text;
};

QList<Message> s_messages;

void capture(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtDebugMsg) {
        s_messages.append({ QByteArray(context.category), text });
    }
}

// The positioner's own item: a child of the control that is not a QML type.
QQuickItem* layoutOf(QQuickItem* control)
{
    for (QQuickItem* child : control->childItems()) {
        if (qstrcmp(child->metaObject()->className(), "Quilt::Quick::PositionerLayout") == 0) {
            return child;
        }
    }
    return nullptr;
}
} // namespace

class tst_PositionerLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void debugLines();
    void markDuringPass();
    void firstPassOnCompletion();
    void controlWithoutComponent();
    void uncreatable_data();
    void uncreatable();

private:
    QQmlEngine m_engine;
};

void tst_PositionerLayout::debugLines()
{
    QQuickWindow window;
    window.resize(300, 100);
    // The first pass runs as the control's component completes: the capture
    // starts before it is created.
    QLoggingCategory::setFilterRules(u"*.debug=false"_s);
    s_messages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(capture);
    auto control = QuiltQuickTest::createObject(&m_engine, R"(
Item {
    width: 200; height: 40
    Quilt.Element.type: "Control"
    Quilt.Positioner.debug: true
    Quilt.Positioner.positionItems: [label]
    Item { id: label; implicitWidth: 50; implicitHeight: 12; Quilt.Element.type: "Label"
           Quilt.PositionedItem.source: Quilt.PositionerSource.Text }
})");
    auto* item = qobject_cast<QQuickItem*>(control.get());
    if (item) {
        item->setParentItem(window.contentItem());
    }

    // No logging rule silences what was asked for with `debug`.
    window.show();
    const bool polished = QQuickTest::qWaitForPolish(&window);
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QString());
    QVERIFY(control);
    QVERIFY(polished);

    QStringList texts;
    for (const Message& m : std::as_const(s_messages)) {
        QCOMPARE(m.category, "quilt.quick");
        texts << m.text;
    }
    const QStringList starts { u"Performing layout for positioner of"_s,
                               u"  Layout item"_s,
                               u"    Implicit Size:"_s,
                               u"    Container:"_s,
                               u"    Alignment: (h) Quilt::Properties::Alignment::Start (v) "
                               "Quilt::Properties::Alignment::Center"_s,
                               u"    Order: 1"_s,
                               u"  New implcit size is QSizeF(56, 16)"_s };
    qsizetype at = 0;
    for (const QString& start : starts) {
        while (at < texts.size() && !texts.at(at).startsWith(start)) {
            ++at;
        }
        QVERIFY2(at < texts.size(), qPrintable(u"missing or out of order: "_s + start + u"\n"_s + texts.join(u'\n')));
    }
    QVERIFY(texts.contains(u"    Container: std::optional(Quilt::Properties::AlignmentContainer::Content)"_s));

    // A pass that finds the same implicit size does not announce one.
    s_messages.clear();
    qInstallMessageHandler(capture);
    item->setWidth(220);
    const bool again = QQuickTest::qWaitForPolish(&window);
    qInstallMessageHandler(previous);
    QVERIFY(again);
    QVERIFY(!s_messages.isEmpty());
    for (const Message& m : std::as_const(s_messages)) {
        QVERIFY(!m.text.startsWith(u"  New implcit size is"_s));
    }

    // Without debug, nothing.
    QuiltQuickTest::attached<Quilt::Quick::Positioner>(item)->setDebug(false);
    s_messages.clear();
    qInstallMessageHandler(capture);
    item->setWidth(240);
    const bool quiet = QQuickTest::qWaitForPolish(&window);
    qInstallMessageHandler(previous);
    QVERIFY(quiet);
    QVERIFY(s_messages.isEmpty());
}

void tst_PositionerLayout::markDuringPass()
{
    QQuickWindow window;
    window.resize(300, 100);
    // Each new width of the label changes the control's spacing while the
    // layout is placing it: that asks for exactly one more pass.
    auto control = QuiltQuickTest::createObject(&m_engine, R"(
Item {
    id: control
    width: 200; height: 40
    property real spacing: 4
    property alias label: label
    Quilt.Element.type: "Control"
    Quilt.Positioner.positionItems: [label]
    Item { id: label; implicitWidth: 50; implicitHeight: 12; Quilt.Element.type: "Label"
           Quilt.PositionedItem.source: Quilt.PositionerSource.Text
           onWidthChanged: control.spacing = width / 10 }
})");
    QVERIFY(control);
    auto* item = qobject_cast<QQuickItem*>(control.get());
    item->setParentItem(window.contentItem());
    window.show();
    QVERIFY(QQuickTest::qWaitForPolish(&window));
    QQuickItem* layout = layoutOf(item);
    QVERIFY(layout);

    QSignalSpy passes(layout, SIGNAL(layoutFinished()));
    auto* label = control->property("label").value<QQuickItem*>();
    label->setImplicitWidth(60);
    QVERIFY(QQuickTest::qWaitForPolish(&window));
    QTRY_COMPARE(passes.size(), 2);
    QTest::qWait(50);
    QCOMPARE(passes.size(), 2);
    QCOMPARE(label->width(), 60);
    QCOMPARE(control->property("spacing").toDouble(), 6.0);
}

void tst_PositionerLayout::firstPassOnCompletion()
{
    QQmlComponent component(&m_engine);
    component.setData(R"(
import QtQuick
import org.vyr.quilt.impl as Quilt
Item {
    width: 200; height: 40
    property alias label: label
    Quilt.Element.type: "Control"
    Quilt.Positioner.positionItems: [label]
    Item { id: label; implicitWidth: 50; implicitHeight: 12; Quilt.Element.type: "Label"
           Quilt.PositionedItem.source: Quilt.PositionerSource.Text }
})",
                      QUrl());
    std::unique_ptr<QObject> control(component.beginCreate(m_engine.rootContext()));
    QVERIFY2(control, qPrintable(component.errorString()));
    auto* item = qobject_cast<QQuickItem*>(control.get());
    auto* positioner = QuiltQuickTest::attached<Quilt::Quick::Positioner>(item);
    QVERIFY(positioner);
    QQuickItem* layout = layoutOf(item);
    QVERIFY(layout);
    QSignalSpy passes(layout, SIGNAL(layoutFinished()));
    QSignalSpy sizes(positioner, &Quilt::Quick::Positioner::implicitWidthChanged);

    // Nothing is laid out while the component is still being made.
    QCOMPARE(positioner->implicitWidth(), -1);
    QCOMPARE(positioner->implicitHeight(), -1);

    // Complete, without a window and so without a polish phase, the control
    // knows its size and its items are in place.
    component.completeCreate();
    QCOMPARE(passes.size(), 1);
    QCOMPARE(sizes.size(), 1);
    QCOMPARE(positioner->implicitWidth(), 56);
    QCOMPARE(positioner->implicitHeight(), 16);
    auto* label = control->property("label").value<QQuickItem*>();
    QCOMPARE(label->x(), 3);
    QCOMPARE(label->width(), 50);

    // The polish asked for at construction finds nothing left to do; later
    // changes are laid out in the polish phase as before.
    QQuickWindow window;
    window.resize(300, 100);
    item->setParentItem(window.contentItem());
    window.show();
    QVERIFY(QQuickTest::qWaitForPolish(&window));
    QCOMPARE(passes.size(), 1);
    label->setImplicitWidth(60);
    QCOMPARE(positioner->implicitWidth(), 56);
    QVERIFY(QQuickTest::qWaitForPolish(&window));
    QTRY_COMPARE(passes.size(), 2);
    QCOMPARE(positioner->implicitWidth(), 66);
    QCOMPARE(sizes.size(), 2);
}

void tst_PositionerLayout::controlWithoutComponent()
{
    // An item made in C++ has no component to complete: its positioner waits
    // for the polish phase, and without a style lays out nothing.
    QQuickWindow window;
    window.resize(100, 100);
    QQuickItem control(window.contentItem());
    auto* positioner = QuiltQuickTest::attached<Quilt::Quick::Positioner>(&control, true);
    QVERIFY(positioner);
    QVERIFY(layoutOf(&control));
    QQuickItem label(&control);
    label.setImplicitWidth(20);
    label.setImplicitHeight(10);
    positioner->setPositionItems({ &label });
    window.show();
    QVERIFY(QQuickTest::qWaitForPolish(&window));
    QCOMPARE(positioner->implicitWidth(), -1);
}

void tst_PositionerLayout::uncreatable_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::newRow("Positioner") << QByteArray("Positioner");
    QTest::newRow("PositionedItem") << QByteArray("PositionedItem");
}

void tst_PositionerLayout::uncreatable()
{
    QFETCH(QByteArray, type);
    const QString errors
        = QuiltQuickTest::componentErrors(&m_engine, "import org.vyr.quilt.impl as Quilt\nQuilt." + type + " {}");
    QVERIFY2(errors.contains(u"Attached Property"_s), qPrintable(errors));
}

QUILT_QUICK_TEST_MAIN(tst_PositionerLayout, s_css)
#include "tst_positionerlayout.moc"
