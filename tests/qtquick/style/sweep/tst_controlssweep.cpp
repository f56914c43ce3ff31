// Every control of the style in its usual forms and with bad input: created,
// shown, driven and destroyed without a single warning and without a crash.
// The forms live in sweep/*.qml, one document per family of controls.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMutex>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

#include <private/qhooks_p.h>

#include <atomic>

#include "messagerecorder.h"
#include "quicktestfixture.h"
#include "styleregistry.h"

namespace
{
using QuiltQuickTest::takeMessages;

// Every QObject made in the process, through Qt's object hook.
std::atomic<qsizetype> objectsMade = 0;
QHooks::AddQObjectCallback previousAddHook = nullptr;

void countObject(QObject* object)
{
    ++objectsMade;
    if (previousAddHook)
        previousAddHook(object);
}

// The module's types by name, from its qmldir on the import path.
QStringList moduleTypes()
{
    QStringList types;
    for (const QString& path : qEnvironmentVariable("QML_IMPORT_PATH").split(u':', Qt::SkipEmptyParts)) {
        QFile qmldir(path + QStringLiteral("/org/vyr/quilt/qmldir"));
        if (!qmldir.open(QIODevice::ReadOnly | QIODevice::Text))
            continue;
        while (!qmldir.atEnd()) {
            const QStringList words = QString::fromUtf8(qmldir.readLine()).split(u' ', Qt::SkipEmptyParts);
            // "Type 254.0 File.qml"; singletons are made by the engine, not here.
            if (words.size() == 3 && words.at(1) == QStringLiteral("254.0"))
                types << words.at(0);
        }
        break;
    }
    return types;
}
} // namespace

class SweepTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // The registry reports a missing default style once, when it first
        // looks for it: that report is not the controls'.
        Quilt::StyleRegistry::instance()->defaultStyle();
        QuiltQuickTest::startRecordingMessages();
        previousAddHook = reinterpret_cast<QHooks::AddQObjectCallback>(qtHookData[QHooks::AddQObject]);
        qtHookData[QHooks::AddQObject] = reinterpret_cast<quintptr>(&countObject);
    }

    void cleanupTestCase()
    {
        qtHookData[QHooks::AddQObject] = reinterpret_cast<quintptr>(previousAddHook);
        QuiltQuickTest::stopRecordingMessages();
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

    // What one control of each type costs in QObjects, shown in a window:
    // printed for comparison, not judged here (bench/ measures the cost).
    void objectsPerControl()
    {
        const QStringList types = moduleTypes();
        QVERIFY2(!types.isEmpty(), "The module's qmldir is not on QML_IMPORT_PATH");
        QQmlEngine engine;
        QQuickWindow window;
        window.resize(400, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto made = [&](const QByteArray& document) -> qsizetype {
            QQmlComponent component(&engine);
            component.setData("import QtQuick\nimport org.vyr.quilt\n" + document + " {}\n", QUrl());
            const qsizetype before = objectsMade;
            std::unique_ptr<QObject> object(component.create());
            if (auto* item = qobject_cast<QQuickItem*>(object.get()))
                item->setParentItem(window.contentItem());
            QCoreApplication::processEvents();
            return object ? objectsMade - before : -1;
        };
        // The first creation of a type also makes its type's own objects.
        const qsizetype plain = (made("Item"), made("Item"));
        qInfo().noquote() << "QObjects per control (a plain Item:" << plain << "):";
        for (const QString& type : types) {
            made(type.toUtf8());
            qInfo().noquote() << " " << type << made(type.toUtf8());
        }
        takeMessages();
    }
};

QUILT_QUICK_TEST_MAIN(SweepTest, "/* The sweep runs without rules. */")

#include "tst_controlssweep.moc"
