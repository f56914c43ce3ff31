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

    // Controls declared bare, as applications declare them, are drawn at
    // their own size, as far as the extent given (0 x 0: nothing drawn).
    void drawnBare_data()
    {
        QTest::addColumn<QByteArray>("declaration");
        QTest::addColumn<QSize>("extent");
        QTest::newRow("busy indicator, running") << QByteArray("BusyIndicator { running: true }") << QSize(15, 15);
        QTest::newRow("busy indicator, stopped") << QByteArray("BusyIndicator { running: false }") << QSize();
        QTest::newRow("progress bar") << QByteArray("ProgressBar { value: 0.5 }") << QSize(100, 10);
        QTest::newRow("progress bar, indeterminate")
            << QByteArray("ProgressBar { indeterminate: true }") << QSize(100, 10);
        QTest::newRow("slider") << QByteArray("Slider { value: 0.5 }") << QSize(100, 10);
        QTest::newRow("slider, vertical") << QByteArray("Slider { orientation: Qt.Vertical }") << QSize(10, 100);
        QTest::newRow("range slider") << QByteArray("RangeSlider { second.value: 0.7 }") << QSize(100, 10);
        QTest::newRow("range slider, vertical")
            << QByteArray("RangeSlider { orientation: Qt.Vertical }") << QSize(10, 100);
        QTest::newRow("scroll bar") << QByteArray("ScrollBar { size: 0.5; policy: ScrollBar.AlwaysOn }") << QSize(8, 8);
        QTest::newRow("menu separator") << QByteArray("MenuSeparator {}") << QSize(1, 1);
        QTest::newRow("tool separator") << QByteArray("ToolSeparator {}") << QSize(1, 10);
    }

    void drawnBare()
    {
        QFETCH(QByteArray, declaration);
        QFETCH(QSize, extent);
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData("import QtQuick\nimport QtQuick.Controls\n" + declaration + "\n", QUrl());
        std::unique_ptr<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        auto* control = qobject_cast<QQuickItem*>(object.get());
        QQuickWindow window;
        window.resize(300, 300);
        control->setParentItem(window.contentItem());
        control->setPosition(QPointF(20, 20));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(50);

        const QImage image = window.grabWindow();
        const QRgb background = image.pixel(2, 2);
        QRect drawn;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixel(x, y) != background)
                    drawn |= QRect(x, y, 1, 1);
            }
        }
        const QString found = QStringLiteral("drawn %1 x %2, the control %3 x %4")
                                  .arg(drawn.width())
                                  .arg(drawn.height())
                                  .arg(control->width())
                                  .arg(control->height());
        if (extent.isEmpty()) {
            QVERIFY2(drawn.isEmpty(), qPrintable(found));
            return;
        }
        QVERIFY2(drawn.width() >= extent.width() && drawn.height() >= extent.height(), qPrintable(found));
    }

    // A dialog as applications declare it: standard buttons in the footer's
    // box, which sizes each button from its content when the template has
    // set the text, and again whenever the content changes.
    void dialogButtonsKeepTheirHeight()
    {
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData(R"(
            import QtQuick
            import QtQuick.Controls
            import QtQuick.Layouts
            Window {
                width: 400; height: 300
                property alias dialog: dialog
                Dialog {
                    id: dialog
                    title: "Rate this game"
                    standardButtons: Dialog.Ok | Dialog.Cancel
                    ColumnLayout { Label { text: "How did you like it?" } }
                }
            })",
                          QUrl());
        std::unique_ptr<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        auto* window = qobject_cast<QQuickWindow*>(object.get());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QObject* dialog = object->property("dialog").value<QObject*>();
        QVERIFY(QMetaObject::invokeMethod(dialog, "open"));
        QTRY_VERIFY(dialog->property("opened").toBool());
        auto* box = dialog->property("footer").value<QQuickItem*>();
        QVERIFY(box);
        QCOMPARE(box->property("count").toInt(), 2);

        const auto checkButtons = [box]() -> QString {
            for (int i = 0; i < 2; ++i) {
                QQuickItem* button = nullptr;
                QMetaObject::invokeMethod(box, "itemAt", Q_RETURN_ARG(QQuickItem*, button), Q_ARG(int, i));
                const double height = button->height();
                if (height < button->implicitHeight()) {
                    return QStringLiteral("%1 is %2 high of %3")
                        .arg(button->property("text").toString())
                        .arg(height)
                        .arg(button->implicitHeight());
                }
                // The label lies within its button.
                QQuickItem* label = labelOf(button);
                const QRectF text = label->mapRectToItem(button, label->boundingRect());
                if (text.height() <= 0 || text.top() < 0 || text.bottom() > height + 0.5) {
                    return QStringLiteral("%1: label at %2..%3 in %4")
                        .arg(button->property("text").toString())
                        .arg(text.top())
                        .arg(text.bottom())
                        .arg(height);
                }
            }
            return QString();
        };
        QTRY_COMPARE(checkButtons(), QString());

        // A taller label makes a taller button.
        QQuickItem* ok = nullptr;
        QMetaObject::invokeMethod(box, "itemAt", Q_RETURN_ARG(QQuickItem*, ok), Q_ARG(int, 0));
        const double oneLine = ok->height();
        ok->setProperty("text", QStringLiteral("Rate\nit"));
        QTRY_VERIFY(ok->height() > oneLine);
        QTRY_COMPARE(checkButtons(), QString());
    }

    // An icon the platform cannot find shows nothing and takes no room: the
    // label of a stretched button stays in its middle.
    void missingIconLeavesTheLabelCentred()
    {
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData(R"(
            import QtQuick
            import QtQuick.Controls
            Button { text: "OK"; icon.name: "quilt-no-such-icon"; width: 200 })",
                          QUrl());
        std::unique_ptr<QObject> object(component.create());
        QVERIFY2(object, qPrintable(component.errorString()));
        auto* button = qobject_cast<QQuickItem*>(object.get());
        QQuickWindow window;
        window.resize(300, 100);
        button->setParentItem(window.contentItem());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QQuickItem* label = labelOf(button);
        QTRY_VERIFY(label->width() > 0);
        QTRY_VERIFY2(std::abs(label->mapRectToItem(button, label->boundingRect()).center().x() - 100) <= 1,
                     qPrintable(QString::number(label->mapRectToItem(button, label->boundingRect()).center().x())));
    }

private:
    static QQuickItem* labelOf(QQuickItem* button)
    {
        auto* content = button->property("contentItem").value<QQuickItem*>();
        return content ? content->property("textItem").value<QQuickItem*>() : nullptr;
    }
};

QUILT_QUICK_TEST_MAIN(HalcyonControlsTest, "/* Drawn with the shipped style. */")

#include "tst_halcyon.moc"
