// Every control of the style in its usual forms and with bad input: created,
// shown, driven and destroyed without a single warning and without a crash.
// The forms live in sweep/*.qml, one document per family of controls.

#include <QDir>
#include <QGuiApplication>
#include <QMutex>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

#include "quicktestfixture.h"
#include "styleregistry.h"

namespace
{
QMutex messagesMutex;
QStringList messages;
QtMessageHandler previousHandler = nullptr;

void recordMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtDebugMsg && type != QtInfoMsg) {
        const QMutexLocker locker(&messagesMutex);
        messages.append(message);
    }
    if (previousHandler)
        previousHandler(type, context, message);
}

QStringList takeMessages()
{
    const QMutexLocker locker(&messagesMutex);
    return std::exchange(messages, {});
}
} // namespace

class SweepTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // A missing default style is reported once, when it is first asked
        // for: ask before recording, so that only the controls' messages count.
        Quilt::StyleRegistry::instance()->defaultStyle();
        previousHandler = qInstallMessageHandler(recordMessage);
    }

    void cleanupTestCase()
    {
        qInstallMessageHandler(previousHandler);
    }

    void family_data()
    {
        QTest::addColumn<QString>("path");
        const QDir dir(qEnvironmentVariable("QUILT_SWEEP_DIR"));
        const QStringList files = dir.entryList({ QStringLiteral("*.qml") }, QDir::Files, QDir::Name);
        QVERIFY2(!files.isEmpty(), qPrintable(dir.path()));
        for (const QString& file : files)
            QTest::newRow(qPrintable(file)) << dir.filePath(file);
    }

    void family()
    {
        QFETCH(QString, path);
        takeMessages();
        {
            QQmlEngine engine;
            QQmlComponent component(&engine, QUrl::fromLocalFile(path));
            std::unique_ptr<QObject> object(component.create());
            QVERIFY2(object, qPrintable(component.errorString()));
            auto* item = qobject_cast<QQuickItem*>(object.get());
            QVERIFY(item);

            QQuickWindow window;
            window.resize(800, 600);
            item->setParentItem(window.contentItem());
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            // Each family may drive its controls from a function of its own.
            if (item->metaObject()->indexOfMethod("drive()") >= 0)
                QMetaObject::invokeMethod(item, "drive");
            QTest::qWait(50);
            item->setProperty("enabled", false);
            QTest::qWait(10);
            item->setProperty("enabled", true);
            QTest::qWait(10);
        }
        const QStringList seen = takeMessages();
        QVERIFY2(seen.isEmpty(), qPrintable(seen.join(QLatin1Char('\n'))));
    }
};

QUILT_QUICK_TEST_MAIN(SweepTest, "/* The sweep runs without rules. */")

#include "tst_controlssweep.moc"
