#include "inputplugin.h"
#include "packagehandler.h"
#include "platformplugin.h"
#include "stylepackage.h"
#include "testfixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace Quilt;
using namespace Qt::StringLiterals;
namespace fs = std::filesystem;

using Flag = PackageHandler::OperationFlag;
using Flags = PackageHandler::OperationFlags;

namespace QTest
{
template<> char* toString(const std::error_code& code)
{
    return qstrdup((code.category().name() + (':' + std::to_string(code.value())) + ' ' + code.message()).c_str());
}
} // namespace QTest

namespace
{
// Package folders and an install folder chosen by the test.
class FolderPlatform : public PlatformPlugin
{
public:
    QString defaultStyleName() const override { return u"none"_s; }
    QList<fs::path> stylePackagePaths() const override { return folders; }
    fs::path stylePackageInstallPath() const override { return installFolder; }

    QList<fs::path> folders;
    fs::path installFolder;
};

fs::path fsPath(const QString& path)
{
    return fs::path(path.toStdString());
}

QString text(const fs::path& path)
{
    return QString::fromStdString(path.string());
}

QByteArray metadata(const QString& id, const QString& version = QString(), bool hidden = false)
{
    QJsonObject object { { u"input-type"_s, u"testinput"_s }, { u"name"_s, id } };
    if (!version.isEmpty()) {
        object.insert(u"version"_s, version);
    }
    if (hidden) {
        object.insert(u"hidden"_s, true);
    }
    return QJsonDocument(object).toJson();
}

// A valid package of the test input type.
QString makePackage(const QString& folder, const QString& id, const QString& version = QString(), bool hidden = false)
{
    return QuiltTest::writePackage(folder, id, metadata(id, version, hidden),
                                   { { u"contents/rules.txt"_s, "Button layout.width=1\n" } });
}

std::error_code code(PackageHandler::Error error)
{
    return PackageHandler::PackageErrorCategory::make_package_error(error);
}

// Every file below a folder with its contents, links as "-> target".
QMap<QString, QByteArray> tree(const QString& folder)
{
    QMap<QString, QByteArray> result;
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(fsPath(folder), error); !error && it != fs::end(it);
         it.increment(error)) {
        const QString relative = text(it->path().lexically_relative(fsPath(folder)));
        if (it->is_symlink()) {
            result.insert(relative, "-> " + QByteArray::fromStdString(fs::read_symlink(it->path()).string()));
        } else if (it->is_regular_file()) {
            QFile file(text(it->path()));
            result.insert(relative, file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("?"));
        } else {
            result.insert(relative, "<dir>");
        }
    }
    return result;
}

QStringList listing(const QList<StylePackage>& packages, const QString& root)
{
    QStringList result;
    for (const StylePackage& package : packages) {
        result.append(QDir(root).relativeFilePath(text(package.path())));
    }
    result.sort();
    return result;
}

// Makes writes past `bytes` fail, as on a full disk, for the life of the
// object: even root is held to the limit.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_saved {};
    void (*m_handler)(int) = nullptr;
};
} // namespace

class tst_PackageHandler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void errorCategory_data();
    void errorCategory();
    void package_data();
    void package();
    void allPackages_data();
    void allPackages();
    void allPackagesSkipsWhatItCannotRead();

    void createWritesMetadata();
    void createRefuses_data();
    void createRefuses();
    void createReportsFullDisk();

    void install();
    void installRefuses();
    void installCopiesLinksAsLinks();
    void uninstall_data();
    void uninstall();

    void update_data();
    void update();
    void updateFromTheInstalledPackage_data();
    void updateFromTheInstalledPackage();
    void updateKeepsInstalledOnFailure();
    void updateFromAnotherFolder();
    void leftoversOfAnUpdate();
    void unknownNameIsNamed_data();
    void unknownNameIsNamed();

private:
    QString folder(const QString& name) const { return m_root + u'/' + name; }
    // Two package folders, "first" (also the install folder) and "second".
    void useFolders(const QStringList& names = { u"first"_s, u"second"_s });

    std::unique_ptr<QuiltTest::TemporaryXdg> m_xdg;
    QString m_root;
    std::shared_ptr<FolderPlatform> m_platform;
    std::unique_ptr<PackageHandler> m_handler;
};

void tst_PackageHandler::init()
{
    m_xdg = std::make_unique<QuiltTest::TemporaryXdg>();
    QVERIFY(m_xdg->isValid());
    m_root = m_xdg->path() + u"/root"_s;
    QVERIFY(QDir().mkpath(m_root));
    m_platform = std::make_shared<FolderPlatform>();
    m_handler = std::make_unique<PackageHandler>(m_platform);
    useFolders();
}

void tst_PackageHandler::cleanup()
{
    m_handler.reset();
    m_platform.reset();
    m_xdg.reset();
}

void tst_PackageHandler::useFolders(const QStringList& names)
{
    m_platform->folders.clear();
    for (const QString& name : names) {
        QDir().mkpath(folder(name));
        m_platform->folders.append(fsPath(folder(name)));
    }
    m_platform->installFolder = fsPath(folder(names.value(0)));
}

void tst_PackageHandler::errorCategory_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("condition"); // generic, or -1: the value in the category

    QTest::newRow("1") << 1 << "An invalid package was provided" << int(std::errc::invalid_argument);
    QTest::newRow("2") << 2 << "The package is already installed" << int(std::errc::file_exists);
    QTest::newRow("3") << 3 << "The package is not installed" << int(std::errc::no_such_file_or_directory);
    QTest::newRow("4") << 4 << "The package is not an update" << int(std::errc::operation_not_supported);
    QTest::newRow("5") << 5 << "The package already exists" << int(std::errc::file_exists);
    QTest::newRow("6") << 6 << "The package uses an unknown input type" << int(std::errc::protocol_not_supported);
    QTest::newRow("7") << 7 << "Unknown Error" << -1;
    QTest::newRow("0") << 0 << "Unknown Error" << -1;
}

void tst_PackageHandler::errorCategory()
{
    QFETCH(int, value);
    QFETCH(QString, message);
    QFETCH(int, condition);

    const auto& category = PackageHandler::PackageErrorCategory::instance();
    QCOMPARE(&category, &PackageHandler::PackageErrorCategory::instance());
    QCOMPARE(QLatin1StringView(category.name()), "package_error"_L1);
    QCOMPARE(QString::fromStdString(category.message(value)), message);

    const std::error_condition expected = condition < 0 ? std::error_condition(value, category)
                                                        : std::error_condition(condition, std::generic_category());
    QVERIFY(category.default_error_condition(value) == expected);
    QVERIFY(std::error_code(value, category) == expected);

    const std::error_code made = code(PackageHandler::Error(value));
    QCOMPARE(made.value(), value);
    QCOMPARE(&made.category(), &category);
}

void tst_PackageHandler::package_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected"); // below the root; empty: error 1

    QTest::newRow("in the first folder") << "one"
                                         << "first/one";
    QTest::newRow("earlier folder wins") << "both"
                                         << "first/both";
    QTest::newRow("invalid one does not hide a valid one") << "later"
                                                           << "second/later";
    QTest::newRow("incomplete only") << "incomplete"
                                     << "";
    QTest::newRow("unknown") << "nosuch"
                             << "";
    QTest::newRow("case matters") << "ONE"
                                  << "";
    // Names that are no single plain folder name reach outside the package
    // folders, or the package folder itself, each a valid package here.
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("dot") << "."
                         << "";
    QTest::newRow("dot dot") << ".."
                             << "";
    QTest::newRow("parent's sibling") << "../outside"
                                      << "";
    QTest::newRow("absolute") << "/outside"
                              << "";
    QTest::newRow("nested") << "nest/inner"
                            << "";
    QTest::newRow("trailing slash") << "one/"
                                    << "";
    QTest::newRow("NUL") << u"one\0x"_s << "";
}

void tst_PackageHandler::package()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);

    QVERIFY(!makePackage(folder(u"first"_s), u"one"_s).isEmpty());
    QVERIFY(!makePackage(folder(u"first"_s), u"both"_s).isEmpty());
    QVERIFY(!makePackage(folder(u"second"_s), u"both"_s).isEmpty());
    QVERIFY(QDir().mkpath(folder(u"first/later/contents"_s)));
    QVERIFY(!makePackage(folder(u"second"_s), u"later"_s).isEmpty());
    QVERIFY(QDir().mkpath(folder(u"first/incomplete/contents"_s)));
    QVERIFY(!makePackage(folder(u"first/nest"_s), u"inner"_s).isEmpty());
    QVERIFY(!makePackage(m_root, u"outside"_s).isEmpty());
    // The root, parent of both folders, and the first folder are packages too.
    QVERIFY(!makePackage(m_xdg->path(), u"root"_s).isEmpty());
    QVERIFY(!makePackage(m_root, u"first"_s).isEmpty());
    if (name.startsWith(u'/')) {
        name = m_root + name;
    }

    const StylePackage found = m_handler->package(name);
    if (expected.isEmpty()) {
        QCOMPARE(found.error(), 1);
        QVERIFY(!found.isValid());
    } else {
        QVERIFY(found.isValid());
        QCOMPARE(found.path(), fsPath(folder(expected)));
    }
}

void tst_PackageHandler::allPackages_data()
{
    QTest::addColumn<Flags>("flags");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("visible") << Flags()
                             << QStringList { "first/both", "first/plain", "second/shadowed", "second/solo" };
    QTest::newRow("hidden too") << Flags(Flag::IncludeHidden)
                                << QStringList { "first/both", "first/hiddenonly", "first/plain", "first/shadowed",
                                                 "second/solo" };
}

void tst_PackageHandler::allPackages()
{
    QFETCH(Flags, flags);
    QFETCH(QStringList, expected);

    QVERIFY(!makePackage(folder(u"first"_s), u"plain"_s).isEmpty());
    QVERIFY(!makePackage(folder(u"first"_s), u"both"_s).isEmpty());
    QVERIFY(!makePackage(folder(u"second"_s), u"both"_s).isEmpty());
    // A hidden package gives way to a visible one of its id further on.
    QVERIFY(!makePackage(folder(u"first"_s), u"shadowed"_s, QString(), true).isEmpty());
    QVERIFY(!makePackage(folder(u"second"_s), u"shadowed"_s).isEmpty());
    QVERIFY(!makePackage(folder(u"first"_s), u"hiddenonly"_s, QString(), true).isEmpty());
    QVERIFY(!makePackage(folder(u"second"_s), u"solo"_s).isEmpty());
    QVERIFY(QDir().mkpath(folder(u"first/incomplete/contents"_s)));

    QCOMPARE(listing(m_handler->allPackages(flags), m_root), expected);
}

void tst_PackageHandler::allPackagesSkipsWhatItCannotRead()
{
    // A file where a folder is expected, a folder that does not exist, and in
    // a readable folder a file, a dangling link and a link to a package.
    QVERIFY(QuiltTest::writeFile(folder(u"file"_s), "not a folder"));
    m_platform->folders = { fsPath(folder(u"file"_s)), fsPath(folder(u"missing"_s)), fsPath(folder(u"first"_s)) };
    QVERIFY(QuiltTest::writeFile(folder(u"first/stray.txt"_s), "x"));
    QVERIFY(QFile::link(folder(u"nowhere"_s), folder(u"first/dangling"_s)));
    QVERIFY(!makePackage(m_root, u"elsewhere"_s).isEmpty());
    QVERIFY(QFile::link(folder(u"elsewhere"_s), folder(u"first/linked"_s)));
    QVERIFY(!makePackage(folder(u"first"_s), u"real"_s).isEmpty());

    QCOMPARE(listing(m_handler->allPackages(), m_root), (QStringList { "first/linked", "first/real" }));
}

void tst_PackageHandler::createWritesMetadata()
{
    PackageHandler::CreateInfo info;
    info.path = fsPath(folder(u"new/deeper/made"_s));
    info.inputType = u"testinput"_s;
    info.name = u"Say \"hi\" \\ bye"_s;
    info.description = u"line\nbreak\ttab"_s;
    info.version = u"1.2"_s;
    info.url = QUrl(u"https://example.org/style?q=1"_s);
    info.authors = { u"Ann \"A\""_s, u"B\\ob"_s };

    StylePackage package;
    std::error_code error = std::make_error_code(std::errc::io_error);
    QVERIFY(m_handler->create(package, info, error));
    QVERIFY(!error);
    QCOMPARE(package.path(), info.path);
    QVERIFY(package.isValid());
    QVERIFY(QFileInfo(folder(u"new/deeper/made/contents/rules.txt"_s)).isFile());

    QFile file(folder(u"new/deeper/made/metadata.json"_s));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    QCOMPARE(written,
             "{\n"
             "    \"input-type\": \"testinput\",\n"
             "    \"name\": \"Say \\\"hi\\\" \\\\ bye\",\n"
             "    \"description\": \"line\\nbreak\\u0009tab\",\n"
             "    \"version\": \"1.2\",\n"
             "    \"url\": \"https://example.org/style?q=1\",\n"
             "    \"authors\": [\n"
             "        \"Ann \\\"A\\\"\",\n"
             "        \"B\\\\ob\"\n"
             "    ]\n"
             "}\n");
    QCOMPARE(package.name(), info.name);
    QCOMPARE(package.description(), info.description);
    QCOMPARE(package.authors(), info.authors);
    QCOMPARE(package.url(), info.url);

    // The bare minimum: an empty name is still written, nothing else is.
    PackageHandler::CreateInfo bare;
    bare.path = fsPath(folder(u"bare"_s));
    bare.inputType = u"testinput"_s;
    QVERIFY(m_handler->create(package, bare, error));
    QFile bareFile(folder(u"bare/metadata.json"_s));
    QVERIFY(bareFile.open(QIODevice::ReadOnly));
    QCOMPARE(bareFile.readAll(), "{\n    \"input-type\": \"testinput\",\n    \"name\": \"\"\n}\n");
}

void tst_PackageHandler::createRefuses_data()
{
    QTest::addColumn<QString>("occupant"); // what lies at the path: "", "folder", "file", "dangling"
    QTest::addColumn<QString>("inputType");
    QTest::addColumn<int>("error");

    QTest::newRow("existing folder") << "folder"
                                     << "testinput" << int(PackageHandler::AlreadyExists);
    QTest::newRow("existing file") << "file"
                                   << "testinput" << int(PackageHandler::AlreadyExists);
    QTest::newRow("dangling link") << "dangling"
                                   << "testinput" << int(PackageHandler::AlreadyExists);
    QTest::newRow("unknown input type") << ""
                                        << "nosuch" << int(PackageHandler::UnknownInputType);
}

void tst_PackageHandler::createRefuses()
{
    QFETCH(QString, occupant);
    QFETCH(QString, inputType);
    QFETCH(int, error);

    const QString path = folder(u"target"_s);
    if (occupant == "folder"_L1) {
        QVERIFY(QuiltTest::writeFile(path + u"/keep.txt"_s, "kept"));
    } else if (occupant == "file"_L1) {
        QVERIFY(QuiltTest::writeFile(path, "kept"));
    } else if (occupant == "dangling"_L1) {
        QVERIFY(QFile::link(folder(u"nowhere"_s), path));
    }
    const QMap<QString, QByteArray> before = tree(m_root);

    PackageHandler::CreateInfo info;
    info.path = fsPath(path);
    info.inputType = inputType;
    StylePackage package;
    std::error_code result;
    QVERIFY(!m_handler->create(package, info, result));
    QCOMPARE(result, code(PackageHandler::Error(error)));
    QCOMPARE(QString::fromStdString(result.message()),
             error == PackageHandler::AlreadyExists ? u"The package already exists"_s
                                                    : u"The package uses an unknown input type"_s);
    QVERIFY(package.path().empty());

    if (occupant.isEmpty()) {
        // The folders made before the input type was asked for stay.
        QCOMPARE(tree(path), (QMap<QString, QByteArray> { { u"contents"_s, "<dir>" } }));
    } else {
        QCOMPARE(tree(m_root), before);
    }
}

void tst_PackageHandler::createReportsFullDisk()
{
    PackageHandler::CreateInfo info;
    info.inputType = u"testinput"_s;
    info.name = u"A name long enough to pass the limit"_s;
    StylePackage package;
    std::error_code error;

    // A file where a parent folder is expected.
    QVERIFY(QuiltTest::writeFile(folder(u"blocker"_s), "x"));
    info.path = fsPath(folder(u"blocker/made"_s));
    QVERIFY(!m_handler->create(package, info, error));
    QVERIFY(error == std::errc::not_a_directory);

    info.path = fsPath(folder(u"made"_s));
    {
        const FileSizeLimit limit(16);
        QVERIFY(!m_handler->create(package, info, error));
    }
    QCOMPARE(error, std::make_error_code(std::errc::io_error));
    QVERIFY(package.path().empty());
}

void tst_PackageHandler::install()
{
    const QString source = makePackage(m_root, u"fresh"_s, u"1"_s);
    QVERIFY(QuiltTest::writeFile(source + u"/contents/deep/er/file.txt"_s, "deep"));
    std::error_code error = std::make_error_code(std::errc::io_error);
    QVERIFY(m_handler->install(StylePackage(fsPath(source)), error));
    QVERIFY(!error);
    QCOMPARE(tree(folder(u"first/fresh"_s)), tree(source));
    QCOMPARE(m_handler->package(u"fresh"_s).path(), fsPath(folder(u"first/fresh"_s)));

    // The install folder and its parents are made when missing.
    m_platform->installFolder = fsPath(folder(u"new/install"_s));
    QVERIFY(m_handler->install(StylePackage(fsPath(source)), error));
    QCOMPARE(tree(folder(u"new/install/fresh"_s)), tree(source));

    // The package folder may be reached through a link; its contents are
    // copied, not the link.
    QVERIFY(QFile::link(source, folder(u"alias"_s)));
    m_platform->installFolder = fsPath(folder(u"third"_s));
    QVERIFY(m_handler->install(StylePackage(fsPath(folder(u"alias"_s))), error));
    QVERIFY(!QFileInfo(folder(u"third/alias"_s)).isSymLink());
    QCOMPARE(tree(folder(u"third/alias"_s)), tree(source));
}

void tst_PackageHandler::installRefuses()
{
    std::error_code error;
    QVERIFY(!m_handler->install(StylePackage(fsPath(folder(u"nowhere"_s))), error));
    QCOMPARE(error, code(PackageHandler::InvalidPackage));

    const QString installed = makePackage(folder(u"first"_s), u"there"_s);
    QVERIFY(!m_handler->install(StylePackage(fsPath(installed)), error));
    QCOMPARE(error, code(PackageHandler::AlreadyInstalled));
    QCOMPARE(QString::fromStdString(error.message()), u"The package is already installed"_s);

    // A trailing separator leaves no folder name to install under.
    const QString source = makePackage(m_root, u"source"_s);
    QVERIFY(!m_handler->install(StylePackage(fsPath(source + u'/')), error));
    QCOMPARE(error, code(PackageHandler::InvalidPackage));

    // An install folder inside the package would be copied into itself.
    m_platform->installFolder = fsPath(source + u"/contents/styles"_s);
    QVERIFY(!m_handler->install(StylePackage(fsPath(source)), error));
    QCOMPARE(error, code(PackageHandler::InvalidPackage));
    QVERIFY(!QFileInfo::exists(source + u"/contents/styles"_s));

    // A file where the install folder is expected.
    QVERIFY(QuiltTest::writeFile(folder(u"blocked"_s), "x"));
    m_platform->installFolder = fsPath(folder(u"blocked/styles"_s));
    QVERIFY(!m_handler->install(StylePackage(fsPath(source)), error));
    QVERIFY(error == std::errc::not_a_directory);
}

void tst_PackageHandler::installCopiesLinksAsLinks()
{
    const QString source = makePackage(m_root, u"linked"_s);
    QVERIFY(QuiltTest::writeFile(folder(u"secret/data.txt"_s), "outside"));
    // A link to an ancestor would recurse without end; a link outside would
    // pull in foreign content.
    fs::create_directory_symlink("..", fsPath(source + u"/contents/loop"_s));
    fs::create_directory_symlink(fsPath(folder(u"secret"_s)), fsPath(source + u"/contents/outside"_s));
    fs::create_symlink("rules.txt", fsPath(source + u"/contents/alias.txt"_s));

    std::error_code error;
    QVERIFY(m_handler->install(StylePackage(fsPath(source)), error));
    QVERIFY(!error);
    const QString target = folder(u"first/linked/contents/"_s);
    QVERIFY(QFileInfo(target + u"loop"_s).isSymLink());
    QVERIFY(QFileInfo(target + u"outside"_s).isSymLink());
    QVERIFY(QFileInfo(target + u"alias.txt"_s).isSymLink());
    QCOMPARE(tree(folder(u"first/linked"_s)), tree(source));
}

void tst_PackageHandler::uninstall_data()
{
    QTest::addColumn<QString>("path"); // below the root
    QTest::addColumn<int>("error"); // 0: removed

    QTest::newRow("installed") << "first/gone" << 0;
    QTest::newRow("in the second folder") << "second/gone" << 0;
    QTest::newRow("outside, same id installed") << "gone" << int(PackageHandler::NotInstalled);
    QTest::newRow("invalid") << "first/nosuch" << int(PackageHandler::InvalidPackage);
    // "first/." has the package folder "first" as its parent and names that
    // folder itself, here a valid package.
    QTest::newRow("package folder itself") << "first/." << int(PackageHandler::InvalidPackage);
    QTest::newRow("trailing separator") << "first/gone/" << int(PackageHandler::InvalidPackage);
}

void tst_PackageHandler::uninstall()
{
    QFETCH(QString, path);
    QFETCH(int, error);

    QVERIFY(!makePackage(folder(u"first"_s), u"gone"_s).isEmpty());
    QVERIFY(!makePackage(folder(u"second"_s), u"gone"_s).isEmpty());
    QVERIFY(!makePackage(m_root, u"gone"_s).isEmpty());
    QVERIFY(!makePackage(m_root, u"first"_s).isEmpty());
    QVERIFY(!makePackage(folder(u"first"_s), u"bystander"_s).isEmpty());
    const QMap<QString, QByteArray> before = tree(m_root);

    std::error_code result = std::make_error_code(std::errc::io_error);
    const bool removed = m_handler->uninstall(StylePackage(fsPath(folder(path))), result);
    QCOMPARE(removed, error == 0);
    if (error == 0) {
        QVERIFY(!result);
        QVERIFY(!QFileInfo::exists(folder(path)));
        QVERIFY(QFileInfo::exists(folder(u"first/bystander/metadata.json"_s)));
    } else {
        QCOMPARE(result, code(PackageHandler::Error(error)));
        QCOMPARE(tree(m_root), before);
    }
}

void tst_PackageHandler::update_data()
{
    QTest::addColumn<QString>("installedVersion"); // empty: none installed
    QTest::addColumn<QString>("newVersion");
    QTest::addColumn<Flags>("flags");
    QTest::addColumn<int>("error"); // 0: replaced

    QTest::newRow("newer") << "1.0"
                           << "1.1" << Flags() << 0;
    QTest::newRow("older") << "2.0"
                           << "1.0" << Flags() << 0;
    QTest::newRow("same") << "1.0"
                          << "1.0" << Flags() << int(PackageHandler::NotAnUpdate);
    QTest::newRow("both without version") << ""
                                          << "" << Flags() << int(PackageHandler::NotAnUpdate);
    QTest::newRow("case differs") << "1.0a"
                                  << "1.0A" << Flags() << 0;
    QTest::newRow("same, forced") << "1.0"
                                  << "1.0" << Flags(Flag::SkipVersionCheck) << 0;
    QTest::newRow("not installed") << "-"
                                   << "1.0" << Flags() << int(PackageHandler::NotInstalled);
}

void tst_PackageHandler::update()
{
    QFETCH(QString, installedVersion);
    QFETCH(QString, newVersion);
    QFETCH(Flags, flags);
    QFETCH(int, error);

    if (installedVersion != "-"_L1) {
        const QString installed = makePackage(folder(u"first"_s), u"style"_s, installedVersion);
        QVERIFY(QuiltTest::writeFile(installed + u"/contents/old-only.txt"_s, "old"));
    }
    const QString source = makePackage(m_root, u"style"_s, newVersion);
    QVERIFY(QuiltTest::writeFile(source + u"/contents/rules.txt"_s, "Window layout.width=2\n"));
    const QMap<QString, QByteArray> before = tree(folder(u"first"_s));

    std::error_code result = std::make_error_code(std::errc::io_error);
    const bool updated = m_handler->update(StylePackage(fsPath(source)), result, flags);
    QCOMPARE(updated, error == 0);
    if (error == 0) {
        QVERIFY(!result);
        QCOMPARE(tree(folder(u"first/style"_s)), tree(source));
        QCOMPARE(m_handler->package(u"style"_s).version(), newVersion);
        // Nothing left over beside the package.
        QCOMPARE(QDir(folder(u"first"_s)).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList { u"style"_s });
    } else {
        QCOMPARE(result, code(PackageHandler::Error(error)));
        QCOMPARE(tree(folder(u"first"_s)), before);
    }
}

void tst_PackageHandler::updateFromTheInstalledPackage_data()
{
    QTest::addColumn<QString>("source"); // below the installed package
    QTest::addColumn<int>("error");

    QTest::newRow("itself") << "" << int(PackageHandler::AlreadyInstalled);
    QTest::newRow("inside it") << "/contents/copy/style" << int(PackageHandler::InvalidPackage);
}

void tst_PackageHandler::updateFromTheInstalledPackage()
{
    QFETCH(QString, source);
    QFETCH(int, error);

    const QString installed = makePackage(folder(u"first"_s), u"style"_s, u"1"_s);
    if (!source.isEmpty()) {
        QVERIFY(!makePackage(QFileInfo(installed + source).path(), u"style"_s, u"2"_s).isEmpty());
    }
    const QMap<QString, QByteArray> before = tree(folder(u"first"_s));

    // Also through a link of the same name, which names the same folder
    // differently.
    QVERIFY(QDir().mkpath(folder(u"alias"_s)));
    QVERIFY(QFile::link(installed, folder(u"alias/style"_s)));
    for (const QString& path : { installed + source, folder(u"alias/style"_s) + source }) {
        std::error_code result;
        QVERIFY2(!m_handler->update(StylePackage(fsPath(path)), result, Flag::SkipVersionCheck), qPrintable(path));
        QCOMPARE(result, code(PackageHandler::Error(error)));
        QCOMPARE(tree(folder(u"first"_s)), before);
    }
}

void tst_PackageHandler::updateKeepsInstalledOnFailure()
{
    const QString installed = makePackage(folder(u"first"_s), u"style"_s, u"1"_s);
    const QMap<QString, QByteArray> before = tree(folder(u"first"_s));

    // A FIFO cannot be copied: the copy fails half-way.
    const QString source = makePackage(m_root, u"style"_s, u"2"_s);
    QVERIFY(QuiltTest::writeFile(source + u"/contents/a.txt"_s, "a"));
    QCOMPARE(mkfifo(QFile::encodeName(source + u"/contents/pipe"_s).constData(), 0600), 0);

    std::error_code error;
    QVERIFY(!m_handler->update(StylePackage(fsPath(source)), error));
    QVERIFY(error);
    QCOMPARE(tree(folder(u"first"_s)), before);
    QCOMPARE(m_handler->package(u"style"_s).version(), u"1"_s);
}

void tst_PackageHandler::updateFromAnotherFolder()
{
    // Installed in the second folder: removed from there, installed into the
    // install folder.
    QVERIFY(!makePackage(folder(u"second"_s), u"style"_s, u"1"_s).isEmpty());
    const QString source = makePackage(m_root, u"style"_s, u"2"_s);
    std::error_code error;
    QVERIFY(m_handler->update(StylePackage(fsPath(source)), error));
    QVERIFY(!error);
    QVERIFY(!QFileInfo::exists(folder(u"second/style"_s)));
    QCOMPARE(QDir(folder(u"second"_s)).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
    QCOMPARE(m_handler->package(u"style"_s).path(), fsPath(folder(u"first/style"_s)));

    // An incomplete folder of that name in the install folder is in the way:
    // nothing changes.
    QVERIFY(QDir().mkpath(folder(u"first/other/contents"_s)));
    QVERIFY(!makePackage(folder(u"second"_s), u"other"_s, u"1"_s).isEmpty());
    const QString next = makePackage(m_root, u"other"_s, u"2"_s);
    const QMap<QString, QByteArray> before = tree(m_root);
    QVERIFY(!m_handler->update(StylePackage(fsPath(next)), error));
    QCOMPARE(error, code(PackageHandler::AlreadyInstalled));
    QCOMPARE(tree(m_root), before);
}

void tst_PackageHandler::leftoversOfAnUpdate()
{
    // What an update that was cut off leaves: a copy on its way in and the
    // old package set aside, both complete packages. Neither is listed or
    // found by name; the next update of that id clears them, and only them.
    QVERIFY(!makePackage(folder(u"first"_s), u"style"_s, u"1"_s).isEmpty());
    QVERIFY(!makePackage(folder(u"first"_s), u".style.new-1a2b"_s, u"2"_s).isEmpty());
    QVERIFY(!makePackage(folder(u"first"_s), u".style.old-3c4d"_s, u"0"_s).isEmpty());
    QVERIFY(!makePackage(folder(u"first"_s), u".other.new-5e6f"_s, u"2"_s).isEmpty());
    QCOMPARE(listing(m_handler->allPackages(Flag::IncludeHidden), m_root), QStringList { u"first/style"_s });
    QCOMPARE(m_handler->package(u".style.new-1a2b"_s).error(), 1);

    const QString source = makePackage(m_root, u"style"_s, u"3"_s);
    std::error_code error;
    QVERIFY(m_handler->update(StylePackage(fsPath(source)), error));
    QVERIFY(!error);
    QCOMPARE(QDir(folder(u"first"_s)).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             (QStringList { u".other.new-5e6f"_s, u"style"_s }));
    QCOMPARE(m_handler->package(u"style"_s).version(), u"3"_s);
}

void tst_PackageHandler::unknownNameIsNamed_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("unknown") << u"nosuch"_s;
    QTest::newRow("refused") << u"styles/."_s;
}

void tst_PackageHandler::unknownNameIsNamed()
{
    QFETCH(QString, name);
    static QStringList messages;
    messages.clear();
    QLoggingCategory::setFilterRules(u"quilt.general.debug=true"_s);
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& message) { messages.append(message); });
    const StylePackage found = m_handler->package(name);
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QString());
    QCOMPARE(found.error(), 1);
    QCOMPARE(messages, QStringList { u"Package \""_s + name + u"\" was not found"_s });
}

QTEST_GUILESS_MAIN(tst_PackageHandler)

#include "tst_packagehandler.moc"
