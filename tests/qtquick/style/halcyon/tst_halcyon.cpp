// The Quick controls under halcyon, whose sheets they share with the widget
// style: what the shared rules must still give the controls alone.

#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

#include "quicktestfixture.h"

class HalcyonControlsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(QuiltQuickTest::installShippedStyle(QStringLiteral("halcyon"))); }

    // The title sits in the top padding: the contents start below it, from
    // either side, and an untitled box keeps the plain padding.
    void groupBoxTitleAboveContents_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("mirrored");
        QTest::newRow("titled") << QStringLiteral("Group box") << false;
        QTest::newRow("titled, right to left") << QStringLiteral("Group box") << true;
        QTest::newRow("untitled") << QString() << false;
    }

    void groupBoxTitleAboveContents()
    {
        QFETCH(QString, title);
        QFETCH(bool, mirrored);
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData(R"(
            import QtQuick
            import QtQuick.Controls
            GroupBox {
                property bool rtl
                LayoutMirroring.enabled: rtl
                LayoutMirroring.childrenInherit: true
                Label { text: "Contents" }
            })",
                          QUrl());
        std::unique_ptr<QObject> object(component.createWithInitialProperties(
            { { QStringLiteral("title"), title }, { QStringLiteral("rtl"), mirrored } }));
        QVERIFY2(object, qPrintable(component.errorString()));
        auto* box = qobject_cast<QQuickItem*>(object.get());
        QQuickWindow window;
        window.resize(300, 200);
        box->setParentItem(window.contentItem());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        auto* label = box->property("label").value<QQuickItem*>();
        auto* content = box->property("contentItem").value<QQuickItem*>();
        QVERIFY(label && content);
        const double contentTop = content->y();
        const double padding = box->property("topPadding").toDouble();
        QCOMPARE(contentTop, padding);
        if (title.isEmpty()) {
            // No title, no band: the widget box's padding.
            QCOMPARE(padding, 4.0);
            return;
        }
        QVERIFY(label->height() > 0);
        QVERIFY2(
            contentTop >= label->y() + label->height(),
            qPrintable(
                QStringLiteral("contents at %1, title down to %2").arg(contentTop).arg(label->y() + label->height())));
        // The title keeps the contents' distance from the frame.
        auto* text = label->childItems().value(0);
        QVERIFY(text);
        const double titleStart = mirrored ? label->width() - text->x() - text->width() : text->x();
        QCOMPARE(titleStart, box->property("leftPadding").toDouble());
        // The implicit height holds the band, so a box at its own size shows
        // its contents whole.
        QVERIFY(box->implicitHeight() >= contentTop + content->implicitHeight());
    }
};

QUILT_QUICK_TEST_MAIN(HalcyonControlsTest, "/* Drawn with the shipped style. */")

#include "tst_halcyon.moc"
