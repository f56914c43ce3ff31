#include "fallbackplatformplugin_p.h"
#include "inputplugin.h"
#include "packagehandler.h"
#include "platformfixturepaths.h"
#include "platformplugin.h"
#include "style.h"
#include "stylecache_p.h"
#include "stylepackage.h"
#include "styleregistry.h"
#include "testfixture.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <cstdio>

#include <sys/stat.h>

using namespace Quilt;
using namespace Qt::StringLiterals;
namespace fs = std::filesystem;

// Most of what the registry does happens once per process: the platform
// choice, reading QUILT_STYLE_NAME, the refusal of names not found, the
// cleanup at exit. Each case therefore runs in a child process of this
// program (tst_StyleRegistryIsolated), which the parent (tst_StyleRegistry)
// starts with the environment and the packages of that case.

namespace
{
const QByteArray goodRules = "Button layout.width=1\nWindow > Button:hovered background.color=#ff0000\n";
const QByteArray badRules = "Button layout.width=1\nButton no.such=1\n";

fs::path fsPath(const QString& path)
{
    return fs::path(path.toStdString());
}

QString stylesFolder()
{
    return qEnvironmentVariable("XDG_DATA_HOME") + u"/quilt/styles"_s;
}

// Writes a package below XDG_DATA_HOME; its id decides what is in it: "bad"
// has a rule that does not read, "flaky" is of the input type "flaky".
bool writePackage(const QString& dataHome, const QString& relativePath)
{
    const QFileInfo info(dataHome + u'/' + relativePath);
    const QString id = info.fileName();
    const QByteArray type = id == "flaky"_L1 ? "flaky" : "testinput";
    return !QuiltTest::writePackage(info.path(), id, R"({"input-type": ")" + type + R"(", "name": "N"})",
                                    { { u"contents/rules.txt"_s, id == "bad"_L1 ? badRules : goodRules } })
                .isEmpty();
}

QStringList environmentList(const char* name)
{
    return qEnvironmentVariable(name).split(u',', Qt::SkipEmptyParts);
}

// An input type whose styles fail on the first requests: first no style at
// all, then a style whose loader fails, then a style that loads.
class FlakyInput : public InputPlugin
{
public:
    class Loader : public StyleLoader
    {
    public:
        explicit Loader(bool succeeds)
            : m_succeeds(succeeds)
        { }
        bool load(std::shared_ptr<Style>) override { return m_succeeds; }

    private:
        bool m_succeeds;
    };

    int validatePackage(const StylePackage&) override { return 0; }
    bool createPackage(StylePackage&, std::error_code&) override { return false; }
    std::shared_ptr<Style> createStyle(const StylePackage& package) override
    {
        ++created;
        if (created == 1) {
            return nullptr;
        }
        return Style::create(package.path(), std::make_unique<Loader>(created > 2));
    }

    int created = 0;
};

// Collects the messages of "quilt.general" and passes every other on.
class MessageRecorder
{
public:
    MessageRecorder()
    {
        s_messages.clear();
        s_previous = qInstallMessageHandler(&MessageRecorder::handle);
    }
    ~MessageRecorder() { qInstallMessageHandler(s_previous); }

    static QStringList messages() { return s_messages; }

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (qstrcmp(context.category, "quilt.general") != 0) {
            s_previous(type, context, message);
            return;
        }
        static const char* const names[] = { "debug", "warning", "critical", "fatal", "info" };
        s_messages.append(QLatin1StringView(names[type]) + u' ' + message);
    }

    static inline QStringList s_messages;
    static inline QtMessageHandler s_previous = nullptr;
};
} // namespace

class tst_StyleRegistryIsolated : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QTest::failOnWarning(QRegularExpression(u".*"_s)); }

    // Prints the messages of the choice and the platform chosen.
    void platformChoice()
    {
        if (qEnvironmentVariableIsSet("QUILT_TEST_LIBRARY_PATHS")) {
            QCoreApplication::setLibraryPaths(environmentList("QUILT_TEST_LIBRARY_PATHS"));
        }
        if (qEnvironmentVariableIsSet("QUILT_TEST_GENERAL_DEBUG")) {
            QLoggingCategory::setFilterRules(u"quilt.general.debug=true"_s);
        }
        std::shared_ptr<StyleRegistry> registry;
        QStringList messages;
        {
            const MessageRecorder recorder;
            registry = StyleRegistry::instance();
            messages = MessageRecorder::messages();
        }
        QCOMPARE(StyleRegistry::instance(), registry);
        const std::shared_ptr<PlatformPlugin> platform = registry->platform();
        QVERIFY(platform);
        QVERIFY(registry->packageHandler());
        const bool fallback = dynamic_cast<FallbackPlatformPlugin*>(platform.get());
        QCOMPARE(fallback, platform->name().isEmpty());
        for (const QString& message : std::as_const(messages)) {
            std::printf("MESSAGE %s\n", qPrintable(message));
        }
        std::printf("CHOSEN %s\n", fallback ? "<fallback>" : qPrintable(platform->name()));
    }

    void styleBeforeAndAfterLoad()
    {
        const std::shared_ptr<StyleRegistry> registry = StyleRegistry::instance();
        QVERIFY(!registry->style(u"halcyon"_s));
        QVERIFY(!registry->defaultStyle());

        registry->load();
        const std::shared_ptr<Style> halcyon = registry->style(u"halcyon"_s);
        QVERIFY(halcyon);
        QCOMPARE(halcyon->id(), u"halcyon"_s);
        QCOMPARE(halcyon->path(), fsPath(stylesFolder() + u"/halcyon"_s));
        QCOMPARE(halcyon->rules().size(), 2);
        QCOMPARE(registry->style(u"halcyon"_s), halcyon);
        QCOMPARE(registry->defaultStyle(), halcyon);

        registry->load();
        QCOMPARE(registry->style(u"halcyon"_s), halcyon);
        QTest::ignoreMessage(QtWarningMsg, "Could not find style \"HALCYON\"");
        QVERIFY(!registry->style(u"HALCYON"_s));
    }

    void notFoundRefusedForGood()
    {
        const std::shared_ptr<StyleRegistry> registry = StyleRegistry::instance();
        registry->load();
        QTest::ignoreMessage(QtWarningMsg, "Could not find style \"later\"");
        QVERIFY(!registry->style(u"later"_s));
        QVERIFY(!registry->style(u"later"_s));
        QVERIFY(writePackage(qEnvironmentVariable("XDG_DATA_HOME"), u"quilt/styles/later"_s));
        QVERIFY(!registry->style(u"later"_s));

        // Names that would lead out of the package folder, or to the folder
        // itself, find nothing.
        const QString outside = QDir::cleanPath(stylesFolder() + u"/../halcyon"_s);
        QVERIFY(writePackage(qEnvironmentVariable("XDG_DATA_HOME"), u"quilt/halcyon"_s));
        QVERIFY(writePackage(qEnvironmentVariable("XDG_DATA_HOME"), u"quilt/styles"_s));
        for (const QString& name : { u"../halcyon"_s, outside, u""_s, u"."_s }) {
            QTest::ignoreMessage(QtWarningMsg, qPrintable(u"Could not find style \"%1\""_s.arg(name)));
            QVERIFY2(!registry->style(name), qPrintable(name));
        }
    }

    void failedLoadTriedAgain()
    {
        const auto flaky = std::make_shared<FlakyInput>();
        InputPlugin::addInputType(u"flaky"_s, flaky);
        const std::shared_ptr<StyleRegistry> registry = StyleRegistry::instance();
        registry->load();

        for (int attempt = 1; attempt <= 2; ++attempt) {
            QTest::ignoreMessage(QtWarningMsg, "Style \"flaky\" failed to load");
            QVERIFY(!registry->style(u"flaky"_s));
            QCOMPARE(flaky->created, attempt);
        }
        const std::shared_ptr<Style> style = registry->style(u"flaky"_s);
        QVERIFY(style);
        QCOMPARE(registry->style(u"flaky"_s), style);
        QCOMPARE(flaky->created, 3);

        // A style with errors still loads and is kept.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^testinput: .*unknown property"_s));
        const std::shared_ptr<Style> bad = registry->style(u"bad"_s);
        QVERIFY(bad);
        QVERIFY(bad->hasErrors());
        QCOMPARE(bad->rules().size(), 1);
        QCOMPARE(registry->style(u"bad"_s), bad);
    }

    // QUILT_TEST_EXPECTED: the id of the default style, empty for none;
    // QUILT_TEST_MISSING: the names expected not to be found, in order.
    void defaultStyle()
    {
        const std::shared_ptr<StyleRegistry> registry = StyleRegistry::instance();
        registry->load();
        for (const QString& name : environmentList("QUILT_TEST_MISSING")) {
            QTest::ignoreMessage(QtWarningMsg, qPrintable(u"Could not find style \"%1\""_s.arg(name)));
        }
        const QString expected = qEnvironmentVariable("QUILT_TEST_EXPECTED");
        const std::shared_ptr<Style> first = registry->defaultStyle();
        if (expected.isEmpty()) {
            QVERIFY(!first);
        } else {
            QVERIFY(first);
            QCOMPARE(first->id(), expected);
        }

        // Read once: a new value changes nothing, and nothing is looked for
        // again.
        qputenv("QUILT_STYLE_NAME", expected == "other"_L1 ? "halcyon" : "other");
        QCOMPARE(registry->defaultStyle(), first);
    }

    void addStyle()
    {
        const std::shared_ptr<StyleRegistry> registry = StyleRegistry::instance();
        const std::shared_ptr<Style> added = Style::create(fs::path("/somewhere/added"), nullptr);
        registry->addStyle(added);
        QCOMPARE(registry->style(u"added"_s), added);

        QTest::ignoreMessage(QtWarningMsg, "A style with path \"/somewhere/added\" is already registered");
        registry->addStyle(Style::create(fs::path("/somewhere/added"), nullptr));
        QCOMPARE(registry->style(u"added"_s), added);

        // Before load() only added styles are found, the default one too.
        QVERIFY(!registry->defaultStyle());
        const std::shared_ptr<Style> halcyon = Style::create(fs::path("/elsewhere/halcyon"), nullptr);
        registry->addStyle(halcyon);
        QCOMPARE(registry->defaultStyle(), halcyon);
    }

    // With the debug messages on, loading says where styles and input
    // plug-ins were looked for and what was found: the one hint when a
    // style "could not be found" for want of its plug-in.
    void searchReported()
    {
        QLoggingCategory::setFilterRules(u"quilt.general.debug=true"_s);
        const QString dataDirs = qEnvironmentVariable("XDG_DATA_DIRS");
        QStringList messages;
        {
            const MessageRecorder recorder;
            StyleRegistry::instance()->load();
            messages = MessageRecorder::messages();
        }
        const QString expectedStyles
            = u"debug Searching for styles in %1/quilt/styles, %2/quilt/styles (existing: %1/quilt/styles)"_s.arg(
                qEnvironmentVariable("XDG_DATA_HOME"), dataDirs);
        QVERIFY2(messages.contains(expectedStyles), qPrintable(messages.join(u'\n')));
        const QString libraryPath = QCoreApplication::libraryPaths().constFirst();
        const QStringList inputs = messages.filter(u"debug Input plug-ins found: "_s);
        QCOMPARE(inputs.size(), 1);
        QVERIFY2(inputs.constFirst().contains(u"testinput"_s), qPrintable(inputs.constFirst()));
        QVERIFY2(inputs.constFirst().contains(u"(searched in %1/quilt"_s.arg(libraryPath)),
                 qPrintable(inputs.constFirst()));

        // Only the first load looks.
        const MessageRecorder recorder;
        StyleRegistry::instance()->load();
        QVERIFY(MessageRecorder::messages().filter(u"Searching"_s).isEmpty());
    }

    // QUILT_TEST_CACHED: the styles expected from their cache files.
    void loadStyles()
    {
        QLoggingCategory::setFilterRules(u"quilt.general.debug=true"_s);
        const QStringList cached = environmentList("QUILT_TEST_CACHED");
        const std::shared_ptr<StyleRegistry> registry = StyleRegistry::instance();
        registry->load();
        for (const QString& name : { u"halcyon"_s, u"bad"_s }) {
            if (cached.contains(name)) {
                QTest::ignoreMessage(QtDebugMsg, qPrintable(u"Loaded style \"%1\" from cached data"_s.arg(name)));
            } else {
                const QString path = stylesFolder() + u'/' + name;
                QTest::ignoreMessage(QtDebugMsg, qPrintable(u"Loaded style \"%1\" from \"%2\""_s.arg(name, path)));
            }
            if (name == "bad"_L1) {
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^testinput: .*unknown property"_s));
            }
            QVERIFY(registry->style(name));
        }
    }

    void cleanupReleases()
    {
        const std::shared_ptr<StyleRegistry> registry = StyleRegistry::instance();
        registry->load();
        std::shared_ptr<Style> halcyon = registry->style(u"halcyon"_s);
        QVERIFY(halcyon);
        const fs::path path = halcyon->path();
        const std::weak_ptr<Style> weak = halcyon;
        halcyon.reset();
        const QPointer<PlatformPlugin> platform = registry->platform().get();
        QCOMPARE(platform->name(), u"testdesktop"_s);

        StyleRegistry::cleanup();
        QVERIFY(weak.expired());
        QVERIFY(platform.isNull());
        QVERIFY(!registry->platform());
        QVERIFY(!registry->packageHandler());
        QCOMPARE(StyleRegistry::instance(), registry);
        QVERIFY(QFileInfo::exists(QString::fromStdString(StyleCache().cacheFilePath(path).string())));
        // The post routine runs once more at exit, over what is left.
    }
};

class tst_StyleRegistry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void platformChoice_data();
    void platformChoice();
    void isolated_data();
    void isolated();
    void cleanupWritesCaches();

private:
    // Runs one case of tst_StyleRegistryIsolated; `environment` holds
    // NAME=value entries on top of a clean environment.
    QByteArray runChild(const QString& scenario, bool gui, const QStringList& environment, bool& passed);

    QuiltTest::TemporaryXdg* m_xdg = nullptr;
};

QByteArray tst_StyleRegistry::runChild(const QString& scenario, bool gui, const QStringList& environment, bool& passed)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : { "QUILT_STYLE_NAME", "QUILT_FORCE_PLATFORM", "XDG_CURRENT_DESKTOP",
                              "QUILT_DISABLE_STYLE_CACHE", "QUILT_FORCE_RECREATE_STYLE_CACHE" }) {
        env.remove(QLatin1StringView(name));
    }
    // Nothing of the system's data folders.
    const QString dataDirs = m_xdg->path() + u"/datadirs"_s;
    QDir().mkpath(dataDirs);
    env.insert(u"XDG_DATA_DIRS"_s, dataDirs);
    for (const QString& entry : environment) {
        const qsizetype equals = entry.indexOf(u'=');
        env.insert(entry.left(equals), entry.mid(equals + 1));
    }

    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), { u"--isolated"_s, scenario, gui ? u"gui"_s : u"core"_s });
    passed = child.waitForFinished(120000) && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
    return child.readAll();
}

void tst_StyleRegistry::platformChoice_data()
{
    QTest::addColumn<bool>("gui");
    QTest::addColumn<QStringList>("fixtures"); // the library paths, in order
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QStringList>("messages"); // a trailing '*' matches any rest

    using namespace QuiltTest::PlatformFixtures;
    const QString failed = u"warning Failed loading plugin \"brokenplatform\" from *"_s;
    const auto notFound = [](const QString& platform, const QString& sessions) {
        return QStringList { u"debug Could not find a supported platform plugin for platform \"%1\" and session "
                             "names QList(%2)"_s.arg(platform, sessions),
                             u"debug Creating a default fallback platform plugin"_s };
    };
    const QString minimal = u"QT_QPA_PLATFORM=minimal"_s;
    // The fallback's messages are debug output: shown only with debug turned on.
    const QString debug = u"QUILT_TEST_GENERAL_DEBUG=1"_s;

    QTest::newRow("platform name in capitals")
        << true << QStringList { capsplatform } << QStringList { minimal } << "capsplatform" << QStringList();
    QTest::newRow("first in discovery order") << true << QStringList { capsplatform, secondplatform }
                                              << QStringList { minimal } << "capsplatform" << QStringList();
    QTest::newRow("first in discovery order, swapped") << true << QStringList { secondplatform, capsplatform }
                                                       << QStringList { minimal } << "secondplatform" << QStringList();
    QTest::newRow("candidate that does not load")
        << true << QStringList { brokenplatform, secondplatform } << QStringList { minimal } << "secondplatform"
        << QStringList { failed };
    QTest::newRow("session, second part, capitals")
        << true << QStringList { sessionplatform } << QStringList { minimal, u"XDG_CURRENT_DESKTOP=other:VYR"_s }
        << "sessionplatform" << QStringList();
    QTest::newRow("session not listed") << true << QStringList { sessionplatform }
                                        << QStringList { minimal, debug, u"XDG_CURRENT_DESKTOP=other:vyrx"_s }
                                        << "<fallback>" << notFound(u"minimal"_s, u"\"other\", \"vyrx\""_s);
    QTest::newRow("session unset") << true << QStringList { sessionplatform } << QStringList { minimal, debug }
                                   << "<fallback>" << notFound(u"minimal"_s, u"\"\""_s);
    QTest::newRow("empty parts kept") << true << QStringList { offplatform }
                                      << QStringList { minimal, debug, u"XDG_CURRENT_DESKTOP=a::b"_s } << "<fallback>"
                                      << notFound(u"minimal"_s, u"\"a\", \"\", \"b\""_s);
    QTest::newRow("no candidate on offscreen")
        << true << QStringList { capsplatform, secondplatform } << QStringList { u"QT_QPA_PLATFORM=offscreen"_s, debug }
        << "<fallback>" << notFound(u"offscreen"_s, u"\"\""_s);
    QTest::newRow("offscreen") << true << QStringList { capsplatform, offplatform }
                               << QStringList { u"QT_QPA_PLATFORM=offscreen"_s } << "offplatform" << QStringList();
    QTest::newRow("no plug-ins at all") << true << QStringList() << QStringList { minimal, debug } << "<fallback>"
                                        << notFound(u"minimal"_s, u"\"\""_s);

    QTest::newRow("fallback, silent by default")
        << true << QStringList { sessionplatform } << QStringList { minimal } << "<fallback>" << QStringList();

    QTest::newRow("forced beats the platform")
        << true << QStringList { capsplatform, offplatform }
        << QStringList { minimal, u"QUILT_FORCE_PLATFORM=offplatform"_s } << "offplatform" << QStringList();
    QTest::newRow("forced unknown") << true << QStringList { capsplatform }
                                    << QStringList { minimal, u"QUILT_FORCE_PLATFORM=nosuch"_s } << "capsplatform"
                                    << QStringList();
    QTest::newRow("forced, does not load") << true << QStringList { capsplatform, brokenplatform }
                                           << QStringList { minimal, u"QUILT_FORCE_PLATFORM=brokenplatform"_s }
                                           << "capsplatform" << QStringList { failed };

    // A process without a GUI application has no platform name.
    QTest::newRow("no platform name") << false << QStringList { capsplatform, offplatform } << QStringList()
                                      << "<fallback>" << QStringList();
    QTest::newRow("no platform name, forced")
        << false << QStringList { offplatform } << QStringList { u"QUILT_FORCE_PLATFORM=offplatform"_s }
        << "offplatform" << QStringList();
}

void tst_StyleRegistry::platformChoice()
{
    QFETCH(bool, gui);
    QFETCH(QStringList, fixtures);
    QFETCH(QStringList, environment);
    QFETCH(QString, chosen);
    QFETCH(QStringList, messages);

    QuiltTest::TemporaryXdg xdg;
    m_xdg = &xdg;
    environment.append(u"QUILT_TEST_LIBRARY_PATHS="_s + fixtures.join(u','));
    bool passed = false;
    const QByteArray output = runChild(u"platformChoice"_s, gui, environment, passed);
    QVERIFY2(passed, output.constData());

    QStringList seen;
    QString seenChoice;
    for (const QByteArray& line : output.split('\n')) {
        if (line.startsWith("MESSAGE ")) {
            seen.append(QString::fromUtf8(line.mid(8)));
        } else if (line.startsWith("CHOSEN ")) {
            seenChoice = QString::fromUtf8(line.mid(7));
        }
    }
    QCOMPARE(seenChoice, chosen);
    QCOMPARE(seen.size(), messages.size());
    for (qsizetype i = 0; i < messages.size(); ++i) {
        const QString& expected = messages[i];
        const bool matches = expected.endsWith(u'*') ? seen[i].startsWith(expected.chopped(1)) : seen[i] == expected;
        QVERIFY2(matches, qPrintable(seen[i]));
    }
}

void tst_StyleRegistry::isolated_data()
{
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<QStringList>("packages"); // below XDG_DATA_HOME
    QTest::addColumn<QStringList>("environment");

    const QStringList usual { u"quilt/styles/halcyon"_s, u"quilt/styles/other"_s, u"quilt/styles/bad"_s,
                              u"quilt/styles/flaky"_s };

    QTest::newRow("before and after load") << "styleBeforeAndAfterLoad" << usual << QStringList();
    QTest::newRow("not found, for good") << "notFoundRefusedForGood" << usual << QStringList();
    QTest::newRow("failed load tried again") << "failedLoadTriedAgain" << usual << QStringList();
    QTest::newRow("added styles") << "addStyle" << usual << QStringList();
    QTest::newRow("search reported") << "searchReported" << usual << QStringList();
    QTest::newRow("cleanup releases") << "cleanupReleases" << QStringList { u"testdesktop/styles/halcyon"_s }
                                      << QStringList { u"QUILT_FORCE_PLATFORM=testdesktop"_s };

    QTest::newRow("default from the environment")
        << "defaultStyle" << usual << QStringList { u"QUILT_STYLE_NAME=other"_s, u"QUILT_TEST_EXPECTED=other"_s };
    QTest::newRow("default from the environment, not found")
        << "defaultStyle" << usual
        << QStringList { u"QUILT_STYLE_NAME=missing"_s, u"QUILT_TEST_EXPECTED=halcyon"_s,
                         u"QUILT_TEST_MISSING=missing"_s };
    QTest::newRow("default from the environment, leads outside")
        << "defaultStyle" << QStringList { u"quilt/styles/halcyon"_s, u"quilt/other"_s }
        << QStringList { u"QUILT_STYLE_NAME=../other"_s, u"QUILT_TEST_EXPECTED=halcyon"_s,
                         u"QUILT_TEST_MISSING=../other"_s };
    QTest::newRow("empty environment value: the platform's")
        << "defaultStyle" << QStringList { u"testdesktop/styles/halcyon"_s, u"testdesktop/styles/testdesktop-style"_s }
        << QStringList { u"QUILT_STYLE_NAME="_s, u"QUILT_FORCE_PLATFORM=testdesktop"_s,
                         u"QUILT_TEST_EXPECTED=testdesktop-style"_s };
    QTest::newRow("the platform's not found")
        << "defaultStyle" << QStringList { u"testdesktop/styles/halcyon"_s }
        << QStringList { u"QUILT_FORCE_PLATFORM=testdesktop"_s, u"QUILT_TEST_EXPECTED=halcyon"_s,
                         u"QUILT_TEST_MISSING=testdesktop-style"_s };
    QTest::newRow("none at all") << "defaultStyle" << QStringList()
                                 << QStringList { u"QUILT_TEST_EXPECTED="_s, u"QUILT_TEST_MISSING=halcyon"_s };
}

void tst_StyleRegistry::isolated()
{
    QFETCH(QString, scenario);
    QFETCH(QStringList, packages);
    QFETCH(QStringList, environment);

    QuiltTest::TemporaryXdg xdg;
    m_xdg = &xdg;
    for (const QString& package : std::as_const(packages)) {
        QVERIFY(writePackage(xdg.dataHome(), package));
    }
    bool passed = false;
    const QByteArray output = runChild(scenario, false, environment, passed);
    QVERIFY2(passed, output.constData());
}

void tst_StyleRegistry::cleanupWritesCaches()
{
    QuiltTest::TemporaryXdg xdg;
    m_xdg = &xdg;
    QVERIFY(writePackage(xdg.dataHome(), u"quilt/styles/halcyon"_s));
    QVERIFY(writePackage(xdg.dataHome(), u"quilt/styles/bad"_s));
    const StyleCache cache;
    const QString good
        = QString::fromStdString(cache.cacheFilePath(fsPath(xdg.stylesFolder() + u"/halcyon"_s)).string());
    const QString bad = QString::fromStdString(cache.cacheFilePath(fsPath(xdg.stylesFolder() + u"/bad"_s)).string());

    // The first run loads both from their sources and, at exit, writes the
    // cache of the style without errors only.
    bool passed = false;
    QByteArray output = runChild(u"loadStyles"_s, false, {}, passed);
    QVERIFY2(passed, output.constData());
    QVERIFY(QFileInfo(good).isFile());
    QVERIFY(!QFileInfo::exists(bad));
    struct stat before;
    QCOMPARE(::stat(QFile::encodeName(good).constData(), &before), 0);

    // The second restores it, and does not write it again.
    output = runChild(u"loadStyles"_s, false, { u"QUILT_TEST_CACHED=halcyon"_s }, passed);
    QVERIFY2(passed, output.constData());
    struct stat after;
    QCOMPARE(::stat(QFile::encodeName(good).constData(), &after), 0);
    QCOMPARE(after.st_ino, before.st_ino);
    QVERIFY(!QFileInfo::exists(bad));
}

int main(int argc, char** argv)
{
    if (argc == 4 && qstrcmp(argv[1], "--isolated") == 0) {
        // The application goes before main returns, which runs the
        // registry's cleanup as it would in an application.
        std::unique_ptr<QCoreApplication> app;
        if (qstrcmp(argv[3], "gui") == 0) {
            app = std::make_unique<QGuiApplication>(argc, argv);
        } else {
            app = std::make_unique<QCoreApplication>(argc, argv);
        }
        tst_StyleRegistryIsolated isolated;
        const int result
            = QTest::qExec(&isolated, { QString::fromLocal8Bit(argv[0]), QString::fromLocal8Bit(argv[2]) });
        std::fflush(stdout);
        return result;
    }
    QCoreApplication app(argc, argv);
    tst_StyleRegistry test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_styleregistry.moc"
