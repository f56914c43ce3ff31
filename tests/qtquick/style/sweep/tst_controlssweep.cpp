// Every control of the style in its usual forms and with bad input: created,
// shown, driven and destroyed without a single warning and without a crash.
// The forms live in sweep/*.qml, one document per family of controls.
//
// The absurd forms (sweep/absurd/*.qml) give the controls values no
// application should give: NaN, infinities, 1e308, negative sizes,
// reversed ranges, zero steps, texts of 100,000 characters, numbers that are
// no enumerator, huge models and icons that do not exist. Each is shown left
// to right, right to left and disabled; every control is hovered, pressed and
// focused, every popup opened, and the whole is destroyed with its popups
// open. Qt may warn about such input; the module's own documents must not.
//
// The same program runs under halcyon, under a style without rules and
// without any style (QUILT_SWEEP_STYLE: "halcyon", "empty", "none").

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMutex>
#include <QPointer>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include <private/qhooks_p.h>

#include <algorithm>
#include <atomic>

#include "quicktestfixture.h"
#include "styleregistry.h"

namespace
{
struct Message
{
    QtMsgType type;
    QString category;
    QString file;
    QString text;

    // Messages located in the module's documents (the style's or the items
    // library's), or logged by Quilt's own categories.
    bool fromModule() const
    {
        static const QString modulePath = QStringLiteral("org/vyr/quilt/");
        return category.startsWith(QStringLiteral("quilt")) || file.contains(modulePath) || text.contains(modulePath);
    }
};

QMutex messagesMutex;
QList<Message> messages;
QtMessageHandler previousHandler = nullptr;

void recordMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtDebugMsg && type != QtInfoMsg) {
        const QMutexLocker locker(&messagesMutex);
        messages.append({ type, QString::fromUtf8(context.category), QString::fromUtf8(context.file), text });
    }
    if (previousHandler)
        previousHandler(type, context, text);
}

QList<Message> takeMessages()
{
    const QMutexLocker locker(&messagesMutex);
    return std::exchange(messages, {});
}

QString joined(const QList<Message>& list)
{
    QStringList lines;
    for (const Message& message : list)
        lines << message.text;
    return lines.join(u'\n');
}

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

using QuiltQuickTest::copyFolder;

QStringList documents(const QString& path)
{
    const QDir dir(path);
    QStringList paths;
    for (const QString& file : dir.entryList({ QStringLiteral("*.qml") }, QDir::Files, QDir::Name))
        paths << dir.filePath(file);
    return paths;
}

// Lets bindings, polish and a frame or two run.
void settle()
{
    QCoreApplication::processEvents();
    QTest::qWait(10);
}

void collect(QQuickItem* item, const char* className, QList<QPointer<QQuickItem>>& found)
{
    if (item->inherits(className))
        found.append(item);
    for (QQuickItem* child : item->childItems())
        collect(child, className, found);
}

// The scene point at the centre of `item`, or nothing where the item's
// geometry is not a finite point in the window.
std::optional<QPoint> centreOf(QQuickItem* item)
{
    const QPointF centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
    if (!std::isfinite(centre.x()) || !std::isfinite(centre.y()))
        return std::nullopt;
    const QSize size = item->window()->size();
    if (centre.x() < 0 || centre.y() < 0 || centre.x() >= size.width() || centre.y() >= size.height())
        return std::nullopt;
    return centre.toPoint();
}

// Hovers, presses, releases and focuses every visible control under the
// window's content item, popups' contents included, with its events
// delivered after each step.
void touchControls(QQuickWindow* window)
{
    QList<QPointer<QQuickItem>> controls;
    collect(window->contentItem(), "QQuickControl", controls);
    for (const QPointer<QQuickItem>& control : std::as_const(controls)) {
        if (!control || !control->isVisible() || control->window() != window)
            continue;
        if (const std::optional<QPoint> centre = centreOf(control)) {
            QTest::mouseMove(window, *centre);
            QCoreApplication::processEvents();
            QTest::mousePress(window, Qt::LeftButton, {}, *centre);
            QCoreApplication::processEvents();
            QTest::mouseRelease(window, Qt::LeftButton, {}, *centre);
            QCoreApplication::processEvents();
        }
        if (control)
            control->forceActiveFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
    }
    QTest::mouseMove(window, QPoint(window->width() - 1, window->height() - 1));
}

QList<QPointer<QObject>> popupsOf(QObject* root)
{
    QList<QPointer<QObject>> popups;
    for (QObject* object : root->findChildren<QObject*>()) {
        if (object->inherits("QQuickPopup"))
            popups.append(object);
    }
    return popups;
}

void openPopups(const QList<QPointer<QObject>>& popups)
{
    for (const QPointer<QObject>& popup : popups) {
        if (popup)
            QMetaObject::invokeMethod(popup, "open");
    }
}
} // namespace

class SweepTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (qEnvironmentVariable("QUILT_SWEEP_STYLE") == QStringLiteral("halcyon")) {
            // The harness hides the installed data: bring the shipped style
            // into the test's own data home before anything looks for it.
            const QString styles = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                + QStringLiteral("/quilt/styles/halcyon");
            QVERIFY(copyFolder(qEnvironmentVariable("QUILT_TEST_SHIPPED_STYLES") + QStringLiteral("/halcyon"), styles));
        }
        // The registry reports a missing default style once, when it first
        // looks for it: that report is not the controls'.
        Quilt::StyleRegistry::instance()->defaultStyle();
        previousHandler = qInstallMessageHandler(recordMessage);
        previousAddHook = reinterpret_cast<QHooks::AddQObjectCallback>(qtHookData[QHooks::AddQObject]);
        qtHookData[QHooks::AddQObject] = reinterpret_cast<quintptr>(&countObject);
    }

    void cleanupTestCase()
    {
        qtHookData[QHooks::AddQObject] = reinterpret_cast<quintptr>(previousAddHook);
        qInstallMessageHandler(previousHandler);
    }

    void family_data()
    {
        QTest::addColumn<QString>("path");
        const QStringList paths = documents(qEnvironmentVariable("QUILT_SWEEP_DIR"));
        QVERIFY(!paths.isEmpty());
        for (const QString& path : paths)
            QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
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
        const QList<Message> seen = takeMessages();
        QVERIFY2(seen.isEmpty(), qPrintable(joined(seen)));
    }

    void absurd_data()
    {
        // CTest runs each form in a process of its own (absurd:<form>).
        if (qEnvironmentVariableIsSet("QUILT_SWEEP_FORMS_APART") && QCoreApplication::arguments().size() < 2)
            QSKIP("The absurd forms run one by one");
        QTest::addColumn<QString>("path");
        const QStringList paths = documents(qEnvironmentVariable("QUILT_SWEEP_DIR") + QStringLiteral("/absurd"));
        QVERIFY(!paths.isEmpty());
        for (const QString& path : paths)
            QTest::newRow(qPrintable(QFileInfo(path).baseName())) << path;
    }

    // Every type of the module, the singleton included, is given absurd
    // values in some form; a type added later must join one.
    void absurdFormsNameEveryType()
    {
        QStringList types = moduleTypes();
        QVERIFY2(!types.isEmpty(), "The module's qmldir is not on QML_IMPORT_PATH");
        types << QStringLiteral("Calendar");
        QString forms;
        for (const QString& path : documents(qEnvironmentVariable("QUILT_SWEEP_DIR") + QStringLiteral("/absurd"))) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
            forms += QString::fromUtf8(file.readAll());
        }
        QStringList missing;
        for (const QString& type : std::as_const(types)) {
            const QRegularExpression named(QStringLiteral("\\b%1\\b").arg(type));
            if (!forms.contains(named))
                missing << type;
        }
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("No absurd form names: ") + missing.join(u", ")));
    }

    // Left to right, then right to left, then disabled as well: each time
    // shown, touched and with every popup opened; then destroyed with the
    // popups open.
    void absurd()
    {
        QFETCH(QString, path);
        takeMessages();
        {
            QQuickWindow window;
            window.resize(800, 600);
            QQmlEngine engine;
            // The lasting states come from a frame around the document.
            QQmlComponent frame(&engine);
            frame.setData("import QtQuick\n"
                          "Item {\n"
                          "    property bool mirrored\n"
                          "    anchors.fill: parent\n"
                          "    LayoutMirroring.enabled: mirrored\n"
                          "    LayoutMirroring.childrenInherit: true\n"
                          "}\n",
                          QUrl());
            std::unique_ptr<QObject> around(frame.create());
            QVERIFY2(around, qPrintable(frame.errorString()));
            auto* aroundItem = qobject_cast<QQuickItem*>(around.get());
            aroundItem->setParentItem(window.contentItem());

            QQmlComponent component(&engine, QUrl::fromLocalFile(path));
            std::unique_ptr<QObject> object(component.create());
            QVERIFY2(object, qPrintable(component.errorString()));
            auto* item = qobject_cast<QQuickItem*>(object.get());
            QVERIFY(item);
            item->setParentItem(aroundItem);
            const QList<QPointer<QObject>> popups = popupsOf(item);

            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            const auto drive = [&] {
                settle();
                touchControls(&window);
                openPopups(popups);
                settle();
                touchControls(&window);
                settle();
            };
            drive();
            aroundItem->setProperty("mirrored", true);
            drive();
            // Popups do not inherit the state of the item they are declared
            // in: they are given it.
            aroundItem->setEnabled(false);
            for (const QPointer<QObject>& popup : popups) {
                if (popup)
                    popup->setProperty("enabled", false);
            }
            drive();
            openPopups(popups);
            settle();
            object.reset();
            settle();
        }
        // Qt's own complaints about absurd input are its business; the
        // module's documents stay silent.
        QList<Message> own;
        for (const Message& message : takeMessages()) {
            if (message.fromModule())
                own.append(message);
        }
        QVERIFY2(own.isEmpty(), qPrintable(joined(own)));
    }

    // A combo box's popup, with its list and their bars, is built when first
    // asked for, not with every combo box.
    void comboBoxPopupOnFirstUse()
    {
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData("import QtQuick\nimport org.vyr.quilt\nComboBox { model: 3 }\n", QUrl());
        std::unique_ptr<QObject> combo(component.create());
        QVERIFY2(combo, qPrintable(component.errorString()));
        const auto popups = [&] {
            const QList<QObject*> children = combo->findChildren<QObject*>();
            return std::count_if(children.begin(), children.end(),
                                 [](const QObject* child) { return child->inherits("QQuickPopup"); });
        };
        QCOMPARE(popups(), 0);
        QObject* popup = combo->property("popup").value<QObject*>();
        QVERIFY(popup);
        QCOMPARE(popups(), 1);
        takeMessages();
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
