#include <QGuiApplication>
#include <QLoggingCategory>
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
    void uncreatable_data();
    void uncreatable();

private:
    QQmlEngine m_engine;
};

void tst_PositionerLayout::debugLines()
{
    QQuickWindow window;
    window.resize(300, 100);
    auto control = QuiltQuickTest::createObject(&m_engine, R"(
Item {
    width: 200; height: 40
    Quilt.Element.type: "Control"
    Quilt.Positioner.debug: true
    Quilt.Positioner.positionItems: [label]
    Item { id: label; implicitWidth: 50; implicitHeight: 12; Quilt.Element.type: "Label"
           Quilt.PositionedItem.source: Quilt.PositionerSource.Text }
})");
    QVERIFY(control);
    auto* item = qobject_cast<QQuickItem*>(control.get());
    item->setParentItem(window.contentItem());

    // No logging rule silences what was asked for with `debug`.
    QLoggingCategory::setFilterRules(u"*.debug=false"_s);
    s_messages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(capture);
    window.show();
    const bool polished = QQuickTest::qWaitForPolish(&window);
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QString());
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
