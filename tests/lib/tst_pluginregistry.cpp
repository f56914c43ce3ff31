#include "pluginregistry.h"
#include "testplugin.h"
#include "testpluginpaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <dlfcn.h>

using namespace QuiltTest;
using Registry = Quilt::PluginRegistry<TestPlugin>;

namespace
{
QString fixture(const char* path)
{
    return QString::fromUtf8(path);
}

std::string stdFixture(const char* path)
{
    return std::string(path);
}

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// Asks the dynamic loader, not Qt, so that a library counts as loaded only
// when code of it has really been mapped into the process.
bool isLoaded(const QString& path)
{
    void* handle = dlopen(QFile::encodeName(path).constData(), RTLD_LAZY | RTLD_NOLOAD);
    if (handle) {
        dlclose(handle);
    }
    return handle != nullptr;
}

QStringList sortedNames(const Registry& registry)
{
    QStringList names;
    for (const Quilt::PluginEntry& entry : registry.entries()) {
        names.append(entry.name);
    }
    names.sort();
    return names;
}

QJsonObject json(const char* text)
{
    return QJsonDocument::fromJson(text).object();
}

// Copies fixture files into `<folder>/quilt`, which makes `folder` a library
// path of its own.
bool copyInto(const QString& folder, const QStringList& files)
{
    const QString target = folder + QStringLiteral("/quilt");
    if (!QDir().mkpath(target)) {
        return false;
    }
    for (const QString& file : files) {
        if (!QFile::copy(file, target + QLatin1Char('/') + QFileInfo(file).fileName())) {
            return false;
        }
    }
    return true;
}
} // namespace

class TestPluginRegistry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void scan_data();
    void scan();
    void scanFollowsLibraryPathOrder();
    void noEntries_data();
    void noEntries();
    void loadByName();
    void loadByPathFillsTable();
    void duplicateNames_data();
    void duplicateNames();
    void retryAfterFailedLoad();
    void refusedLoads_data();
    void refusedLoads();
    void castAgainstInterface();
    void matchesCriteria_data();
    void matchesCriteria();

private:
    QStringList m_defaultLibraryPaths;
};

void TestPluginRegistry::initTestCase()
{
    m_defaultLibraryPaths = QCoreApplication::libraryPaths();
    QVERIFY(QFileInfo::exists(fixture(Fixtures::alpha)));
    QVERIFY(QFileInfo::exists(fixture(Fixtures::broken)));
}

void TestPluginRegistry::init()
{
    // Only the fixture folders, so that nothing installed on the machine can
    // change what the registry sees.
    QCoreApplication::setLibraryPaths({ fixture(Fixtures::badLibraryPath), fixture(Fixtures::sharedLibraryPath) });
}

void TestPluginRegistry::cleanup()
{
    QCoreApplication::setLibraryPaths(m_defaultLibraryPaths);
    QLoggingCategory::setFilterRules(QString());
}

void TestPluginRegistry::scan_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QJsonObject>("criteria");
    QTest::addColumn<QStringList>("names");

    // The bad folder also holds a text file, a library without plug-in
    // metadata and a sub-folder with a plug-in of type "test": none is ever an
    // entry.
    QTest::newRow("type") << "test" << QJsonObject() << QStringList { "alpha", "broken", "twin", "twin", "wrongclass" };
    QTest::newRow("type with capital") << "Test" << QJsonObject() << QStringList { "capital" };
    QTest::newRow("type in upper case") << "TEST" << QJsonObject() << QStringList();
    // The shared folder's input plug-in belongs to the input registry only.
    // (The CSS plug-in lies with the real plug-ins, a folder the tests'
    // fixtures never share.)
    QTest::newRow("other type") << "input" << QJsonObject() << QStringList { "testinput" };
    QTest::newRow("empty type") << "" << QJsonObject() << QStringList();
    QTest::newRow("criteria") << "test" << json(R"({"quilt-test-flavour": "sour"})") << QStringList { "twin", "twin" };
    QTest::newRow("criteria and type") << "Test" << json(R"({"quilt-test-flavour": "sour"})") << QStringList();
    QTest::newRow("unmet criteria") << "test" << json(R"({"quilt-test-flavour": "bitter"})") << QStringList();
}

void TestPluginRegistry::scan()
{
    QFETCH(QString, type);
    QFETCH(QJsonObject, criteria);
    QFETCH(QStringList, names);

    const Registry registry(type, criteria);
    QCOMPARE(registry.type(), type);
    QCOMPARE(registry.criteria(), criteria);
    QCOMPARE(sortedNames(registry), names);
    for (const Quilt::PluginEntry& entry : registry.entries()) {
        const QFileInfo file(QString::fromStdString(entry.path));
        QCOMPARE(file.dir().dirName(), QStringLiteral("quilt"));
        QCOMPARE(entry.metadata.value(QStringLiteral("quilt-plugintype")).toString(), type);
        QCOMPARE(entry.metadata.value(QStringLiteral("quilt-pluginname")).toString(), entry.name);
    }
    QVERIFY(!registry.findEntry(QStringLiteral("nested")));
}

void TestPluginRegistry::scanFollowsLibraryPathOrder()
{
    // The default paths come from QT_PLUGIN_PATH, where the shared fixtures
    // live; a path added later goes in front of them.
    QCoreApplication::setLibraryPaths(m_defaultLibraryPaths);
    QCoreApplication::addLibraryPath(fixture(Fixtures::badLibraryPath));

    const Registry registry(QStringLiteral("test"), QJsonObject());
    const QList<Quilt::PluginEntry>& entries = registry.entries();
    QCOMPARE(entries.size(), 5);
    for (qsizetype i = 0; i < 4; ++i) {
        QVERIFY(entries.at(i).path.starts_with(Fixtures::badLibraryPath));
    }
    QCOMPARE(entries.last().path, stdFixture(Fixtures::alpha));
    QCOMPARE(entries.last().name, QStringLiteral("alpha"));
}

void TestPluginRegistry::noEntries_data()
{
    QTest::addColumn<QStringList>("libraryPaths");
    QTest::addColumn<QString>("quiltFile"); // created as a plain file, not a folder

    QTest::newRow("no library paths") << QStringList() << QString();
    QTest::newRow("missing library path") << QStringList { QStringLiteral("/nonexistent/quilt-test") } << QString();
    QTest::newRow("no quilt folder") << QStringList { fixture(Fixtures::badLibraryPath) + QStringLiteral("/quilt") }
                                     << QString();
    QTest::newRow("quilt is a file") << QStringList() << QStringLiteral("quilt");
}

void TestPluginRegistry::noEntries()
{
    QFETCH(QStringList, libraryPaths);
    QFETCH(QString, quiltFile);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    if (!quiltFile.isEmpty()) {
        QFile file(folder.filePath(quiltFile));
        QVERIFY(file.open(QIODevice::WriteOnly));
        libraryPaths.append(folder.path());
    }
    QCoreApplication::setLibraryPaths(libraryPaths);

    QTest::failOnWarning();
    Registry registry(QStringLiteral("test"), QJsonObject());
    QVERIFY(registry.entries().isEmpty());
    QCOMPARE(registry.plugin(QStringLiteral("alpha")), nullptr);
}

void TestPluginRegistry::loadByName()
{
    // A private copy, so that no earlier test can have loaded this library
    // and the copy can be deleted once it is loaded.
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QVERIFY(copyInto(folder.path(), { fixture(Fixtures::alpha) }));
    const QString path = folder.filePath(QStringLiteral("quilt/") + QFileInfo(fixture(Fixtures::alpha)).fileName());
    QCoreApplication::setLibraryPaths({ folder.path() });

    Registry registry(QStringLiteral("test"), QJsonObject());
    QCOMPARE(registry.entries().size(), 1);
    QVERIFY(!isLoaded(path));

    QTest::failOnWarning();
    QLoggingCategory::setFilterRules(QStringLiteral("quilt.general.debug=true"));
    QTest::ignoreMessage(QtDebugMsg, qPrintable(QStringLiteral("Loaded test plugin \"alpha\" from ") + quoted(path)));
    TestPlugin* plugin = registry.plugin(QStringLiteral("alpha"));
    QVERIFY(plugin);
    QVERIFY(isLoaded(path));
    QCOMPARE(plugin->identity(), QStringLiteral("alpha"));
    QCOMPARE(QString::fromStdString(plugin->path().string()), path);
    QCOMPARE(plugin->type(), QStringLiteral("test"));
    QCOMPARE(plugin->name(), QStringLiteral("alpha"));
    QCOMPARE(plugin->metadata(), registry.entries().constFirst().metadata);
    QCOMPARE(plugin->metadata().value(QStringLiteral("quilt-test-flavour")).toString(), QStringLiteral("sweet"));

    // Later requests never go back to the file.
    QVERIFY(QFile::remove(path));
    QCOMPARE(registry.plugin(QStringLiteral("alpha")), plugin);

    // Unknown names, and names only a sub-folder holds, give null silently.
    QCOMPARE(registry.plugin(QStringLiteral("Alpha")), nullptr);
    QCOMPARE(registry.plugin(QStringLiteral("nested")), nullptr);
}

void TestPluginRegistry::loadByPathFillsTable()
{
    QCoreApplication::setLibraryPaths({});
    Registry registry(QStringLiteral("test"), QJsonObject());
    QVERIFY(registry.entries().isEmpty());

    TestPlugin* plugin = registry.load(stdFixture(Fixtures::alpha));
    QVERIFY(plugin);
    QCOMPARE(plugin->path(), std::filesystem::path(Fixtures::alpha));
    // Without any entry, the name is now served from what was loaded.
    QCOMPARE(registry.plugin(QStringLiteral("alpha")), plugin);
}

void TestPluginRegistry::duplicateNames_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");

    QTest::newRow("a before b") << fixture(Fixtures::twinA) << fixture(Fixtures::twinB);
    QTest::newRow("b before a") << fixture(Fixtures::twinB) << fixture(Fixtures::twinA);
}

void TestPluginRegistry::duplicateNames()
{
    QFETCH(QString, first);
    QFETCH(QString, second);

    // One library path per file, so that discovery order is known.
    QTemporaryDir firstFolder;
    QTemporaryDir secondFolder;
    QVERIFY(firstFolder.isValid() && secondFolder.isValid());
    QVERIFY(copyInto(firstFolder.path(), { first }));
    QVERIFY(copyInto(secondFolder.path(), { second }));
    QCoreApplication::setLibraryPaths({ firstFolder.path(), secondFolder.path() });

    Registry registry(QStringLiteral("test"), QJsonObject());
    QCOMPARE(sortedNames(registry), (QStringList { "twin", "twin" }));
    const std::optional<Quilt::PluginEntry> entry = registry.findEntry(QStringLiteral("twin"));
    QVERIFY(entry);
    QCOMPARE(entry->path, registry.entries().constFirst().path);

    TestPlugin* plugin = registry.plugin(QStringLiteral("twin"));
    QVERIFY(plugin);
    QCOMPARE(plugin->identity(), QFileInfo(first).completeBaseName().mid(QStringLiteral("libquilt-test-").size()));
    QCOMPARE(plugin->path().string(), entry->path);
    QCOMPARE(registry.plugin(QStringLiteral("twin")), plugin);
}

void TestPluginRegistry::retryAfterFailedLoad()
{
    Registry registry(QStringLiteral("test"), QJsonObject());
    const std::optional<Quilt::PluginEntry> entry = registry.findEntry(QStringLiteral("broken"));
    QVERIFY(entry); // its metadata reads although its library cannot load
    QCOMPARE(entry->path, stdFixture(Fixtures::broken));

    const QRegularExpression warning(QStringLiteral("^Failed loading plugin \"broken\" from ")
                                     + QRegularExpression::escape(quoted(fixture(Fixtures::broken)))
                                     + QStringLiteral(": \".*libquilt-test-missing.*\"$"));
    for (int attempt = 0; attempt < 3; ++attempt) {
        QTest::ignoreMessage(QtWarningMsg, warning);
        QCOMPARE(registry.plugin(QStringLiteral("broken")), nullptr);
    }
}

void TestPluginRegistry::refusedLoads_data()
{
    QTest::addColumn<QJsonObject>("criteria");
    QTest::addColumn<QString>("name"); // requested by name when set, else `path` by path
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("warning");

    const QString from = QStringLiteral(" from ");
    QTest::newRow("type with capital") << QJsonObject() << QString() << fixture(Fixtures::capital)
                                       << "Tried to load plugin \"capital\" from " + quoted(fixture(Fixtures::capital))
            + " which does not match type test";
    QTest::newRow("no plug-in") << QJsonObject() << QString() << fixture(Fixtures::notes)
                                << "Tried to load plugin \"\" from " + quoted(fixture(Fixtures::notes))
            + " which does not match type test";
    QTest::newRow("library without metadata") << QJsonObject() << QString() << fixture(Fixtures::plainLibrary)
                                              << "Tried to load plugin \"\" from "
            + quoted(fixture(Fixtures::plainLibrary)) + " which does not match type test";
    QTest::newRow("unmet criteria") << json(R"({"quilt-test-flavour": "sweet"})") << QString()
                                    << fixture(Fixtures::twinA)
                                    << "Tried to load plugin \"twin\" from " + quoted(fixture(Fixtures::twinA))
            + " which does not match metadata criteria: "
              "QJsonObject({\"quilt-test-flavour\":\"sweet\"})";
    QTest::newRow("wrong class by path") << QJsonObject() << QString() << fixture(Fixtures::wrongClass)
                                         << "Tried to load plugin \"wrongclass\" from "
            + quoted(fixture(Fixtures::wrongClass)) + " which does not implement QuiltTest::TestPlugin";
    QTest::newRow("wrong class by name") << QJsonObject() << QStringLiteral("wrongclass")
                                         << fixture(Fixtures::wrongClass)
                                         << "Tried to load plugin \"wrongclass\" from "
            + quoted(fixture(Fixtures::wrongClass)) + " which does not implement QuiltTest::TestPlugin";
}

void TestPluginRegistry::refusedLoads()
{
    QFETCH(QJsonObject, criteria);
    QFETCH(QString, name);
    QFETCH(QString, path);
    QFETCH(QString, warning);

    Registry registry(QStringLiteral("test"), criteria);
    // A refusal is not remembered: every attempt is refused again, aloud.
    for (int attempt = 0; attempt < 2; ++attempt) {
        QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
        TestPlugin* plugin = name.isEmpty() ? registry.load(path.toStdString()) : registry.plugin(name);
        QCOMPARE(plugin, nullptr);
    }
}

void TestPluginRegistry::castAgainstInterface()
{
    // The object that the test interface refuses is a sound plug-in of the
    // base class: the check is against the registry's interface alone.
    Quilt::PluginRegistry<Quilt::Plugin> registry(QStringLiteral("test"), QJsonObject());
    Quilt::Plugin* plugin = registry.plugin(QStringLiteral("wrongclass"));
    QVERIFY(plugin);
    QVERIFY(!qobject_cast<TestPlugin*>(plugin));
    QCOMPARE(plugin->name(), QStringLiteral("wrongclass"));
    QCOMPARE(plugin->path(), std::filesystem::path(Fixtures::wrongClass));
}

void TestPluginRegistry::matchesCriteria_data()
{
    QTest::addColumn<QJsonObject>("criteria");
    QTest::addColumn<QJsonObject>("metadata");
    QTest::addColumn<bool>("matches");

    const QJsonObject plugin = json(R"({"quilt-plugintype": "test", "size": 1, "tags": ["a", "b"]})");
    QTest::newRow("empty metadata, empty criteria") << QJsonObject() << QJsonObject() << false;
    QTest::newRow("empty metadata") << json(R"({"size": 1})") << QJsonObject() << false;
    QTest::newRow("empty criteria") << QJsonObject() << plugin << true;
    QTest::newRow("equal values") << json(R"({"size": 1, "tags": ["a", "b"]})") << plugin << true;
    QTest::newRow("missing key") << json(R"({"colour": "red"})") << plugin << false;
    QTest::newRow("different value") << json(R"({"size": 2})") << plugin << false;
    QTest::newRow("number against string") << json(R"({"size": "1"})") << plugin << false;
    QTest::newRow("array order") << json(R"({"tags": ["b", "a"]})") << plugin << false;
    QTest::newRow("null against missing") << json(R"({"colour": null})") << plugin << false;
}

void TestPluginRegistry::matchesCriteria()
{
    QFETCH(QJsonObject, criteria);
    QFETCH(QJsonObject, metadata);
    QFETCH(bool, matches);

    QCoreApplication::setLibraryPaths({});
    const Registry registry(QStringLiteral("test"), criteria);
    QCOMPARE(registry.matchesCriteria(metadata), matches);
}

QTEST_GUILESS_MAIN(TestPluginRegistry)
#include "tst_pluginregistry.moc"
