#include "inputplugin.h"
#include "style.h"
#include "stylepackage.h"
#include "testpluginpaths.h"

#include <QCoreApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QProcess>
#include <QTest>

#include <dlfcn.h>

using Quilt::InputPlugin;

namespace
{
class FakeInputPlugin : public InputPlugin
{
public:
    int validatePackage(const Quilt::StylePackage&) override { return 0; }
    bool createPackage(Quilt::StylePackage&, std::error_code&) override { return true; }
    std::shared_ptr<Quilt::Style> createStyle(const Quilt::StylePackage&) override { return nullptr; }
};

const QString testInputPath = QString::fromUtf8(QuiltTest::Fixtures::testInput);

// Asks the dynamic loader whether code of the library has been mapped.
bool isLoaded(const QString& path)
{
    void* handle = dlopen(QFile::encodeName(path).constData(), RTLD_LAZY | RTLD_NOLOAD);
    if (handle) {
        dlclose(handle);
    }
    return handle != nullptr;
}

QByteArray alreadyExits(const QString& type)
{
    return "Input type \"" + type.toUtf8() + "\" already exits";
}

QtMessageHandler previousHandler = nullptr;
int loadedMessages = 0;

void countLoadedMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("Loaded input plugin"))) {
        ++loadedMessages;
    }
    previousHandler(type, context, message);
}
} // namespace

// Scenarios that depend on the process-wide table or on the environment as
// read at the first request: each runs in a fresh process of its own.
class tst_InputPluginIsolated : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fileLoadedOnce()
    {
        QVERIFY(!isLoaded(testInputPath));
        QLoggingCategory::setFilterRules(QStringLiteral("quilt.general.debug=true"));
        previousHandler = qInstallMessageHandler(countLoadedMessages);

        const std::shared_ptr<InputPlugin> first = InputPlugin::inputPlugin(QStringLiteral("testinput"));
        const std::shared_ptr<InputPlugin> second = InputPlugin::inputPlugin(QStringLiteral("testinput"));

        qInstallMessageHandler(previousHandler);
        QVERIFY(first);
        QCOMPARE(second, first);
        QCOMPARE(loadedMessages, 1);
        QCOMPARE(first->type(), QStringLiteral("input"));
        QCOMPARE(first->name(), QStringLiteral("testinput"));
        QCOMPARE(QString::fromStdString(first->path().string()), testInputPath);
        QVERIFY(!InputPlugin::inputPlugin(QStringLiteral("TestInput")));
    }

    void registeredTypeShadowsFile()
    {
        const auto mine = std::make_shared<FakeInputPlugin>();
        InputPlugin::addInputType(QStringLiteral("testinput"), mine);
        QCOMPARE(InputPlugin::inputPlugin(QStringLiteral("testinput")), mine);
        QVERIFY(!isLoaded(testInputPath));
    }

    void nullEntryFallsBackToFile()
    {
        InputPlugin::addInputType(QStringLiteral("testinput"), nullptr);
        const std::shared_ptr<InputPlugin> loaded = InputPlugin::inputPlugin(QStringLiteral("testinput"));
        QVERIFY(loaded);
        QCOMPARE(loaded->name(), QStringLiteral("testinput"));

        // What was found replaced the null entry, and a type entered once
        // cannot be entered again.
        QTest::ignoreMessage(QtWarningMsg, alreadyExits(QStringLiteral("testinput")));
        InputPlugin::addInputType(QStringLiteral("testinput"), std::make_shared<FakeInputPlugin>());
        QCOMPARE(InputPlugin::inputPlugin(QStringLiteral("testinput")), loaded);
    }

    // Run with QUILT_DISABLE_INPUT_PLUGINS set to an empty value.
    void disabledServesOnlyRegistered()
    {
        QVERIFY(!InputPlugin::inputPlugin(QStringLiteral("testinput")));
        const auto mine = std::make_shared<FakeInputPlugin>();
        InputPlugin::addInputType(QStringLiteral("mine"), mine);
        QCOMPARE(InputPlugin::inputPlugin(QStringLiteral("mine")), mine);

        // Read once: clearing it later changes nothing.
        qunsetenv("QUILT_DISABLE_INPUT_PLUGINS");
        QVERIFY(!InputPlugin::inputPlugin(QStringLiteral("testinput")));
        QVERIFY(!isLoaded(testInputPath));
    }

    void disableVariableReadAtFirstRequest()
    {
        QVERIFY(!InputPlugin::inputPlugin(QStringLiteral("no-such-type")));
        qputenv("QUILT_DISABLE_INPUT_PLUGINS", "1");
        QVERIFY(InputPlugin::inputPlugin(QStringLiteral("testinput")));
    }
};

class tst_InputPlugin : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void isolated_data();
    void isolated();
    void addInputType_data();
    void addInputType();
};

void tst_InputPlugin::isolated_data()
{
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<bool>("disabled");

    QTest::newRow("file loaded once") << "fileLoadedOnce" << false;
    QTest::newRow("registered type shadows file") << "registeredTypeShadowsFile" << false;
    QTest::newRow("null entry falls back to file") << "nullEntryFallsBackToFile" << false;
    QTest::newRow("disabled") << "disabledServesOnlyRegistered" << true;
    QTest::newRow("variable read at first request") << "disableVariableReadAtFirstRequest" << false;
}

void tst_InputPlugin::isolated()
{
    QFETCH(QString, scenario);
    QFETCH(bool, disabled);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QUILT_DISABLE_INPUT_PLUGINS"));
    if (disabled) {
        environment.insert(QStringLiteral("QUILT_DISABLE_INPUT_PLUGINS"), QString());
    }
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), { QStringLiteral("--isolated"), scenario });
    QVERIFY(child.waitForFinished(120000));
    const QByteArray output = child.readAll();
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, output.constData());
}

void tst_InputPlugin::addInputType_data()
{
    QTest::addColumn<bool>("firstIsNull");

    QTest::newRow("plugin") << false;
    // A null entry is no plug-in for inputPlugin but still a taken type.
    QTest::newRow("null") << true;
}

void tst_InputPlugin::addInputType()
{
    QFETCH(bool, firstIsNull);

    // Types of their own: the table keeps what each row put there.
    const QString type = QStringLiteral("registered-") + QLatin1String(QTest::currentDataTag());
    const std::shared_ptr<InputPlugin> first = firstIsNull ? nullptr : std::make_shared<FakeInputPlugin>();
    const auto second = std::make_shared<FakeInputPlugin>();

    InputPlugin::addInputType(type, first);
    QCOMPARE(InputPlugin::inputPlugin(type), first);
    QVERIFY(!InputPlugin::inputPlugin(type.toUpper()));

    QTest::ignoreMessage(QtWarningMsg, alreadyExits(type));
    InputPlugin::addInputType(type, second);
    QCOMPARE(InputPlugin::inputPlugin(type), first);
    QCOMPARE(second.use_count(), 1);
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--isolated") == 0) {
        tst_InputPluginIsolated isolated;
        return QTest::qExec(&isolated, { QString::fromLocal8Bit(argv[0]), QString::fromLocal8Bit(argv[2]) });
    }
    tst_InputPlugin test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_inputplugin.moc"
