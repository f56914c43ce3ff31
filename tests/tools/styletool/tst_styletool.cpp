// quilt-styletool run as a program, command by command: what it prints, what
// it asks, its exit codes and the files it leaves behind.

#include "tarfixture.h"
#include "testfixture.h"
#include "testpluginpaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <memory>

#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace QuiltTest::Tar;

namespace
{
struct Run
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

QByteArray metadata(const QByteArray& name, const QByteArray& version, const QByteArray& inputType = "testinput",
                    const QByteArray& extra = {})
{
    return R"({"input-type": ")" + inputType + R"(", "name": ")" + name + R"(", "version": ")" + version
        + R"(", "description": "About )" + name + R"(", "license": "MIT", "authors": ["Ann", "Bob"])" + extra + "}";
}

const QMap<QString, QByteArray> Rules { { u"contents/rules.txt"_s, "Button layout.width=4\n" } };

QVariantMap readMetadata(const QString& package)
{
    QFile file(package + u"/metadata.json"_s);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QJsonDocument::fromJson(file.readAll()).object().toVariantMap();
}

QByteArray systemMessage(int number)
{
    return QByteArray(std::strerror(number));
}

// `expected` is compared exactly, or as a prefix when it ends in "...".
bool matches(const QByteArray& actual, const QByteArray& expected)
{
    if (expected.endsWith("...")) {
        return actual.startsWith(expected.chopped(3));
    }
    return actual == expected;
}

#define COMPARE_OUTPUT(actual, expected)                                                                               \
    QVERIFY2(                                                                                                          \
        matches(actual, expected),                                                                                     \
        qPrintable(u"\n  actual:   %1\n  expected: %2"_s.arg(QString::fromUtf8(actual), QString::fromUtf8(expected))))
} // namespace

class tst_StyleTool : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void commandLine_data();
    void commandLine();

    void createAsks_data();
    void createAsks();
    void createAtEndOfInput_data();
    void createAtEndOfInput();
    void createFailures_data();
    void createFailures();
    void createOutputPathAndInstall_data();
    void createOutputPathAndInstall();
    void createDefaultsToCss();

    void invalidPackages_data();
    void invalidPackages();
    void installListUninstall();
    void installFromPackageFile();
    void update_data();
    void update();
    void inspect_data();
    void inspect();
    void list_data();
    void list();
    void packageMetadataCannotDriveTheTerminal();
    void usageLineNamesTheCommandOnce();

    void packageCommand();
    void packageInstalledIdWins();
    void packageRefusesWhatIsNoFileOrFolder();
    void systemTarReadsOurPackageFile();
    void systemTarPackageFileInstalls();

    void hostilePackageFiles_data();
    void hostilePackageFiles();
    void fileDataThatLooksLikeAHeader();

private:
    Run run(const QStringList& arguments, const QByteArray& input = {}) const;
    QByteArray expand(QByteArray text) const;
    QString writePackage(const QString& folder, const QString& id, const QByteArray& metadata,
                         const QMap<QString, QByteArray>& files = Rules) const
    {
        return QuiltTest::writePackage(folder, id, metadata, files);
    }
    QString installed() const { return m_xdg->stylesFolder(); }
    QString writePackageFile(const QString& name, const QByteArray& contents) const
    {
        const QString path = m_work + u'/' + name;
        return QuiltTest::writeFile(path, contents) ? path : QString();
    }

    // Beside the temporary XDG folders, for what must never be written.
    QTemporaryDir m_outside;
    std::unique_ptr<QuiltTest::TemporaryXdg> m_xdg;
    QString m_work; // the working folder of the tool
    QString m_src; // package folders to install from
    QString m_tmp; // the tool's TMPDIR
    QString m_systemData; // XDG_DATA_DIRS
};

void tst_StyleTool::initTestCase()
{
    QVERIFY(m_outside.isValid());
    QVERIFY(QFileInfo::exists(QStringLiteral(QUILT_STYLETOOL_PROGRAM)));
}

void tst_StyleTool::init()
{
    m_xdg = std::make_unique<QuiltTest::TemporaryXdg>();
    QVERIFY(m_xdg->isValid());
    m_work = m_xdg->path() + u"/work"_s;
    m_src = m_xdg->path() + u"/src"_s;
    m_tmp = m_xdg->path() + u"/tmp"_s;
    m_systemData = m_xdg->path() + u"/system"_s;
    for (const QString& folder : { m_work, m_src, m_tmp, m_systemData }) {
        QVERIFY(QDir().mkpath(folder));
    }
}

void tst_StyleTool::cleanup()
{
    // Whatever a command unpacked went with it.
    const QStringList leftOver = QDir(m_tmp).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    QVERIFY2(leftOver.isEmpty(), qPrintable(leftOver.join(u", "_s)));
    QVERIFY(QDir(m_outside.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
    m_xdg.reset();
}

Run tst_StyleTool::run(const QStringList& arguments, const QByteArray& input) const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name :
         { "QUILT_STYLE_NAME", "QUILT_FORCE_PLATFORM", "QUILT_DISABLE_INPUT_PLUGINS", "QT_LOGGING_RULES" }) {
        environment.remove(QString::fromLatin1(name));
    }
    environment.insert(u"XDG_DATA_DIRS"_s, m_systemData);
    environment.insert(u"TMPDIR"_s, m_tmp);
    environment.insert(u"QT_PLUGIN_PATH"_s,
                       QStringLiteral("%1:%2:%3")
                           .arg(QString::fromUtf8(QuiltTest::Fixtures::sharedLibraryPath),
                                QString::fromUtf8(QuiltTest::Fixtures::buildLibraryPath),
                                QString::fromUtf8(QuiltTest::Fixtures::refusingLibraryPath)));

    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(m_work);
    process.start(QStringLiteral(QUILT_STYLETOOL_PROGRAM), arguments);
    Run result;
    if (!process.waitForStarted()) {
        qWarning() << "quilt-styletool did not start";
        return result;
    }
    process.write(input);
    // The tool must never wait for more than it is given.
    process.closeWriteChannel();
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
        qWarning() << "quilt-styletool did not finish:" << process.readAllStandardError();
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    result.exitCode = process.exitCode();
    return result;
}

// %W the working folder, %S the source folder, %I the install folder.
QByteArray tst_StyleTool::expand(QByteArray text) const
{
    return text.replace("%W", QFile::encodeName(m_work))
        .replace("%S", QFile::encodeName(m_src))
        .replace("%I", QFile::encodeName(installed()));
}

// ---------------------------------------------------------------------------
// The front end

void tst_StyleTool::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QByteArray>("err");
    QTest::addColumn<QByteArrayList>("helpHolds"); // fragments of the help shown, wherever it goes

    const QByteArray listed = "- only: Only\n";
    const QByteArrayList topHelp { "[options] <command>", "   create     Create a new style.\n",
                                   "   package    Package a style to a single shareable file.\n" };

    QTest::newRow("no arguments") << QStringList() << 1 << QByteArray("Usage: ...") << QByteArray() << topHelp;
    QTest::newRow("help") << QStringList { u"--help"_s } << 0 << QByteArray("Usage: ...") << QByteArray() << topHelp;
    QTest::newRow("version") << QStringList { u"--version"_s } << 0 << QByteArray("quilt-styletool 6.8.3\n")
                             << QByteArray() << QByteArrayList();
    QTest::newRow("version before a command")
        << QStringList { u"--version"_s, u"list"_s } << 0 << QByteArray("quilt-styletool 6.8.3\n") << QByteArray()
        << QByteArrayList();
    QTest::newRow("unknown command") << QStringList { u"lists"_s } << 1 << QByteArray()
                                     << QByteArray("Unknown command: lists\n") << QByteArrayList();
    QTest::newRow("command word in capitals")
        << QStringList { u"LIST"_s } << 0 << listed << QByteArray() << QByteArrayList();
    QTest::newRow("unknown option before the command")
        << QStringList { u"--hidden"_s, u"list"_s } << 0 << listed << QByteArray() << QByteArrayList();
    QTest::newRow("list passes arguments over")
        << QStringList { u"list"_s, u"extra"_s } << 0 << listed << QByteArray() << QByteArrayList();
    QTest::newRow("command help") << QStringList { u"list"_s, u"--help"_s } << 0 << QByteArray("Usage: ...")
                                  << QByteArray()
                                  << QByteArrayList { "quilt-styletool list [options]\n",
                                                      "List all the installed Quilt styles.",
                                                      "--details  Show details information about each package." };
    QTest::newRow("unknown command option") << QStringList { u"list"_s, u"--bogus"_s } << 1 << QByteArray()
                                            << QByteArray("Unknown option for command list: bogus\nUsage: ...")
                                            << QByteArrayList { "quilt-styletool list [options]\n" };
    QTest::newRow("option without its value")
        << QStringList { u"create"_s, u"--name"_s } << 1 << QByteArray("Usage: ...") << QByteArray()
        << QByteArrayList { "quilt-styletool create [options]\n", "--output-path <output-path>" };

    // Every command's own description, as its help shows it.
    const std::pair<const char*, const char*> descriptions[] = {
        { "create", "Create a new style. Any missing information will be requested interactively." },
        { "inspect", "Inspect details of an installed Quilt style." },
        { "install", "Install a new style." },
        { "update", "Update a style." },
        { "uninstall", "Uninstall an installed style." },
        { "package", "Package a style for easy sharing." },
    };
    for (const auto& [command, description] : descriptions) {
        QTest::addRow("help of %s", command)
            << QStringList { QString::fromLatin1(command), u"--help"_s } << 0 << QByteArray("Usage: ...")
            << QByteArray()
            << QByteArrayList { "quilt-styletool " + QByteArray(command) + " [options]",
                                QByteArray(description) + '\n' };
    }

    const QList<QStringList> wrongCounts { { u"install"_s },
                                           { u"inspect"_s, u"a"_s, u"b"_s },
                                           { u"update"_s },
                                           { u"uninstall"_s, u"a"_s, u"b"_s },
                                           { u"package"_s } };
    const char* const syntax[] = { "<path>", "<path or id>", "<path>", "<style>", "<style>" };
    for (qsizetype i = 0; i < wrongCounts.size(); ++i) {
        const QByteArray command = wrongCounts[i].constFirst().toUtf8();
        QTest::addRow("wrong argument count for %s", command.constData())
            << wrongCounts[i] << 1 << QByteArray()
            << QByteArray("Invalid arguments for command \"" + command + "\"\nUsage: ...")
            << QByteArrayList { "quilt-styletool " + command + " [options] " + syntax[i] + '\n' };
    }
}

void tst_StyleTool::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, err);
    QFETCH(QByteArrayList, helpHolds);

    QVERIFY(!writePackage(installed(), u"only"_s, metadata("Only", "1.0")).isEmpty());
    QVERIFY(!writePackage(installed(), u"secret"_s, metadata("Secret", "1.0", "testinput", R"(, "hidden": true)"))
                 .isEmpty());

    const Run result = run(arguments);
    QCOMPARE(result.exitCode, exitCode);
    COMPARE_OUTPUT(result.out, out);
    COMPARE_OUTPUT(result.err, err);
    for (const QByteArray& fragment : std::as_const(helpHolds)) {
        QVERIFY2((result.out + result.err).contains(fragment), fragment.constData());
    }
}

// ---------------------------------------------------------------------------
// create

void tst_StyleTool::createAsks_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QVariantMap>("metadata");

    const QByteArray summary = "Creating style:\n"
                               "  Input Type:  testinput\n"
                               "  ID:          %1\n"
                               "  Path:        %W/%1\n"
                               "  Name:        %2\n"
                               "  Description: %3\n"
                               "  Author:      %4\n"
                               "  License:     %5\n"
                               "  Version:     %6\n"
                               "Created style \"%W/%1\"\n";
    const auto expectedSummary = [&](const QString& id, const QString& name, const QString& description,
                                     const QString& author, const QString& license, const QString& version) {
        return QString::fromUtf8(summary).arg(id, name, description, author, license, version).toUtf8();
    };
    const auto expectedMetadata = [](const QString& name, const QString& description, const QString& author,
                                     const QString& license, const QString& version) {
        return QVariantMap { { u"input-type"_s, u"testinput"_s }, { u"name"_s, name },
                             { u"description"_s, description },   { u"authors"_s, QVariantList { author } },
                             { u"license"_s, license },           { u"version"_s, version } };
    };

    QTest::newRow("everything asked, defaults taken")
        << QStringList { u"--input-type"_s, u"testinput"_s } << QByteArray("My Style\n\nA description\n\n\n\n")
        << "Enter the name of the style:\n"
           "Enter the ID of the style: [Enter to use: my-style]\n"
           "Enter the description of the style:\n"
           "Enter the name of the author of the style: [Enter to use: Unknown Author]\n"
           "Enter the version of the style: [Enter to use: 0.1]\n"
           "Enter the license of the style: [Enter to use: BSD-2-Clause]\n"
            + expectedSummary(u"my-style"_s, u"My Style"_s, u"A description"_s, u"Unknown Author"_s, u"BSD-2-Clause"_s,
                              u"0.1"_s)
        << u"my-style"_s
        << expectedMetadata(u"My Style"_s, u"A description"_s, u"Unknown Author"_s, u"BSD-2-Clause"_s, u"0.1"_s);

    QTest::newRow("everything asked, answers given")
        << QStringList { u"--input-type"_s, u"testinput"_s }
        << QByteArray("Dark \"Night\"\ndark_night-2\nShades \\ of grey\nEve\n2.0\nGPL-3.0\n")
        << "Enter the name of the style:\n"
           "Enter the ID of the style: [Enter to use: dark--night-]\n"
           "Enter the description of the style:\n"
           "Enter the name of the author of the style: [Enter to use: Unknown Author]\n"
           "Enter the version of the style: [Enter to use: 0.1]\n"
           "Enter the license of the style: [Enter to use: BSD-2-Clause]\n"
            + expectedSummary(u"dark_night-2"_s, u"Dark \"Night\""_s, u"Shades \\ of grey"_s, u"Eve"_s, u"GPL-3.0"_s,
                              u"2.0"_s)
        << u"dark_night-2"_s
        << expectedMetadata(u"Dark \"Night\""_s, u"Shades \\ of grey"_s, u"Eve"_s, u"GPL-3.0"_s, u"2.0"_s);

    const QStringList allGiven { u"--input-type"_s,  u"testinput"_s, u"--name"_s,    u"Given"_s,
                                 u"--description"_s, u"Told"_s,      u"--author"_s,  u"Ann"_s,
                                 u"--version"_s,     u"3"_s,         u"--license"_s, u"MIT"_s };
    QTest::newRow("nothing asked") << (allGiven + QStringList { u"--id"_s, u"given"_s }) << QByteArray()
                                   << expectedSummary(u"given"_s, u"Given"_s, u"Told"_s, u"Ann"_s, u"MIT"_s, u"3"_s)
                                   << u"given"_s << expectedMetadata(u"Given"_s, u"Told"_s, u"Ann"_s, u"MIT"_s, u"3"_s);

    const QByteArray idRule = "The ID can only contain the characters a-z A-Z 0-9 - _\n";
    QTest::newRow("invalid id given and answered")
        << (allGiven + QStringList { u"--id"_s, u"my style"_s }) << QByteArray("still wrong!\nright\n")
        << idRule + "Enter the ID of the style: [Enter to use: given]\n" + idRule
            + "Enter the ID of the style: [Enter to use: given]\n"
            + expectedSummary(u"right"_s, u"Given"_s, u"Told"_s, u"Ann"_s, u"MIT"_s, u"3"_s)
        << u"right"_s << expectedMetadata(u"Given"_s, u"Told"_s, u"Ann"_s, u"MIT"_s, u"3"_s);

    // An offered id never begins with '-', which the tool's own command
    // line would read as an option; when nothing is left, none is offered.
    const QStringList allButNameAndId { u"--input-type"_s,  u"testinput"_s, u"--author"_s,  u"A"_s,
                                        u"--version"_s,     u"1"_s,         u"--license"_s, u"L"_s,
                                        u"--description"_s, u"D"_s };
    QTest::newRow("leading dashes dropped from the offered id")
        << (allButNameAndId + QStringList { u"--name"_s, u"Ünder Way"_s }) << QByteArray("\n")
        << "Enter the ID of the style: [Enter to use: nder-way]\n"
            + expectedSummary(u"nder-way"_s, u"Ünder Way"_s, u"D"_s, u"A"_s, u"L"_s, u"1"_s)
        << u"nder-way"_s << expectedMetadata(u"Ünder Way"_s, u"D"_s, u"A"_s, u"L"_s, u"1"_s);
    QTest::newRow("nothing left to offer")
        << (allButNameAndId + QStringList { u"--name"_s, u"ÄÖ"_s }) << QByteArray("\nao\n")
        << "Enter the ID of the style:\nEnter the ID of the style:\n"
            + expectedSummary(u"ao"_s, u"ÄÖ"_s, u"D"_s, u"A"_s, u"L"_s, u"1"_s)
        << u"ao"_s << expectedMetadata(u"ÄÖ"_s, u"D"_s, u"A"_s, u"L"_s, u"1"_s);
    // An overlong answer is refused whole: its rest must not answer the
    // next question.
    QTest::newRow("overlong answer asked again")
        << (allButNameAndId + QStringList { u"--id"_s, u"x"_s }) << QByteArray(1500, 'n') + "\nShort\n"
        << "Enter the name of the style:\nThe answer is too long: at most 1024 characters.\n"
           "Enter the name of the style:\n"
            + expectedSummary(u"x"_s, u"Short"_s, u"D"_s, u"A"_s, u"L"_s, u"1"_s)
        << u"x"_s << expectedMetadata(u"Short"_s, u"D"_s, u"A"_s, u"L"_s, u"1"_s);
    QTest::newRow("answer of the longest length")
        << (allButNameAndId + QStringList { u"--id"_s, u"x"_s }) << QByteArray(1024, 'n') + "\n"
        << "Enter the name of the style:\n"
            + expectedSummary(u"x"_s, QString(1024, u'n'), u"D"_s, u"A"_s, u"L"_s, u"1"_s)
        << u"x"_s << expectedMetadata(QString(1024, u'n'), u"D"_s, u"A"_s, u"L"_s, u"1"_s);

    QTest::newRow("empty answer without default asks again")
        << QStringList { u"--input-type"_s, u"testinput"_s, u"--id"_s,      u"x"_s, u"--author"_s,      u"A"_s,
                         u"--version"_s,    u"1"_s,         u"--license"_s, u"L"_s, u"--description"_s, u"D"_s }
        << QByteArray("\nNamed\n")
        << "Enter the name of the style:\nEnter the name of the style:\n"
            + expectedSummary(u"x"_s, u"Named"_s, u"D"_s, u"A"_s, u"L"_s, u"1"_s)
        << u"x"_s << expectedMetadata(u"Named"_s, u"D"_s, u"A"_s, u"L"_s, u"1"_s);
}

void tst_StyleTool::createAsks()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, out);
    QFETCH(QString, id);
    QFETCH(QVariantMap, metadata);

    const Run result = run(QStringList { u"create"_s } + arguments, input);
    QCOMPARE(result.err, QByteArray());
    QCOMPARE(result.out, expand(out));
    QCOMPARE(result.exitCode, 0);

    const QString package = m_work + u'/' + id;
    QCOMPARE(readMetadata(package), metadata);
    QVERIFY(QFileInfo(package + u"/contents/rules.txt"_s).isFile());
    QCOMPARE(QDir(m_work).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList { id });
    // Created, not installed.
    QVERIFY(QDir(installed()).isEmpty());
}

void tst_StyleTool::createAtEndOfInput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");

    QTest::newRow("no input at all") << QStringList { u"--input-type"_s, u"testinput"_s } << QByteArray();
    QTest::newRow("input ends early") << QStringList { u"--input-type"_s, u"testinput"_s } << QByteArray("Name\n\n");
    QTest::newRow("last answer refused") << QStringList { u"--name"_s, u"N"_s, u"--id"_s, u"bad id"_s }
                                         << QByteArray("also bad!");
}

void tst_StyleTool::createAtEndOfInput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);

    const Run result = run(QStringList { u"create"_s } + arguments, input);
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.err, QByteArray("No answer given: the input has ended.\n"));
    QVERIFY(!result.out.contains("Creating style:"));
    QVERIFY(QDir(m_work).isEmpty());
}

void tst_StyleTool::createFailures_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("err");

    // The id given and the output path name a folder that exists.
    QTest::newRow("package exists") << QStringList { u"--output-path"_s, u"."_s, u"--id"_s, u"taken"_s } << 5
                                    << QByteArray(
                                           "Operation on package \"taken\" failed: The package already exists\n");
    QTest::newRow("unknown input type") << QStringList {
        u"--input-type"_s, u"nope"_s
    } << 6 << QByteArray("Operation on package \"%W/fresh\" failed: The package uses an unknown input type\n");
    QTest::newRow("input plug-in fails") << QStringList { u"--input-type"_s, u"refusinginput"_s } << int(EOPNOTSUPP)
                                         << "Operation on package \"%W/fresh\" failed: " + systemMessage(EOPNOTSUPP)
            + '\n';
}

void tst_StyleTool::createFailures()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, err);

    QVERIFY(QuiltTest::writeFile(m_work + u"/taken/keep"_s, "mine"));
    const QStringList given { u"create"_s, u"--name"_s,        u"Fresh"_s,    u"--id"_s,
                              u"fresh"_s,  u"--description"_s, u"D"_s,        u"--author"_s,
                              u"A"_s,      u"--version"_s,     u"1"_s,        u"--license"_s,
                              u"L"_s,      u"--input-type"_s,  u"testinput"_s };
    // The last --input-type wins.
    const Run result = run(given + arguments);
    QCOMPARE(result.exitCode, exitCode);
    QCOMPARE(result.err, expand(err));
    QVERIFY(result.out.startsWith("Creating style:\n"));
    QVERIFY(!result.out.contains("Created style"));
    QCOMPARE(QuiltTest::Tar::snapshot(m_work + u"/taken"_s),
             (QMap<QString, QByteArray> { { u"keep"_s, "file:mine" } }));
}

void tst_StyleTool::createOutputPathAndInstall_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("folder"); // below the working folder
    QTest::addColumn<QByteArray>("shown"); // the summary's path

    // The output path alone is the package folder, and its name the id; a
    // trailing separator still names the folder.
    QTest::newRow("output path names the folder")
        << QStringList { u"--output-path"_s, u"styles/fresh/"_s } << u"styles/fresh"_s << QByteArray("styles/fresh");
    // With an id, the output path is where the package folder is made.
    QTest::newRow("id and output path") << QStringList { u"--output-path"_s, u"styles/"_s, u"--id"_s, u"fresh"_s }
                                        << u"styles/fresh"_s << QByteArray("styles/fresh");
    QTest::newRow("id before an absolute output path")
        << QStringList { u"--id"_s, u"fresh"_s, u"--output-path"_s, u"%W/abs"_s } << u"abs/fresh"_s
        << QByteArray("%W/abs/fresh");
}

void tst_StyleTool::createOutputPathAndInstall()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, folder);
    QFETCH(QByteArray, shown);

    const QStringList given { u"create"_s,    u"--name"_s,    u"Fresh"_s, u"--description"_s, u"D"_s, u"--author"_s,
                              u"A"_s,         u"--version"_s, u"1"_s,     u"--license"_s,     u"L"_s, u"--input-type"_s,
                              u"testinput"_s, u"--install"_s };
    for (QString& argument : arguments) {
        argument = QString::fromUtf8(expand(argument.toUtf8()));
    }
    Run result = run(given + arguments);
    QCOMPARE(result.err, QByteArray());
    QCOMPARE(result.exitCode, 0);
    QVERIFY2(result.out.contains("  ID:          fresh\n  Path:        " + expand(shown) + '\n'),
             result.out.constData());
    QVERIFY2(result.out.endsWith("Created style \"" + expand(shown) + "\"\nInstalled style fresh\n"),
             result.out.constData());
    QCOMPARE(QuiltTest::Tar::snapshot(installed() + u"/fresh"_s), QuiltTest::Tar::snapshot(m_work + u'/' + folder));
    QCOMPARE(readMetadata(installed() + u"/fresh"_s).value(u"name"_s), u"Fresh"_s);

    // The exit code is the install step's.
    result = run(given + QStringList { u"--output-path"_s, m_work + u"/again/fresh"_s });
    QCOMPARE(result.exitCode, 2);
    QVERIFY(result.out.endsWith("Created style \"" + QFile::encodeName(m_work) + "/again/fresh\"\n"));
    QCOMPARE(result.err,
             "Operation on package \"" + QFile::encodeName(m_work)
                 + "/again/fresh\" failed: The package is already installed\n");
}

// The input type is never asked for. Whether the style sheet plug-in is
// there decides the outcome; either way nothing else is used in its place.
void tst_StyleTool::createDefaultsToCss()
{
    const Run result = run({ u"create"_s, u"--name"_s, u"Sheet"_s, u"--description"_s, u"D"_s, u"--author"_s, u"A"_s,
                             u"--version"_s, u"1"_s, u"--license"_s, u"L"_s },
                           "\n");
    QVERIFY(result.out.contains("Enter the ID of the style: [Enter to use: sheet]\n"));
    QVERIFY(result.out.contains("  Input Type:  css\n"));
    if (result.exitCode == 0) {
        QVERIFY(QFileInfo(m_work + u"/sheet/contents/css/style.css"_s).isFile());
    } else {
        QCOMPARE(result.exitCode, 6);
        QCOMPARE(result.err,
                 "Operation on package \"" + QFile::encodeName(m_work)
                     + "/sheet\" failed: The package uses an unknown input type\n");
    }
    QCOMPARE(readMetadata(m_work + u"/sheet"_s).value(u"input-type"_s, u"css"_s), u"css"_s);
}

// ---------------------------------------------------------------------------
// install, update, uninstall, inspect, list

void tst_StyleTool::invalidPackages_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("err");

    const auto row
        = [](const char* name, const char* command, const char* argument, int exitCode, const QByteArray& err) {
              QTest::newRow(name) << QString::fromUtf8(command) << QString::fromUtf8(argument) << exitCode << err;
          };
    row("missing folder", "install", "%S/missing", 1, "\"%S/missing\" does not exist.\n");
    row("no contents", "install", "%S/incomplete", 2,
        "\"%S/incomplete\" is an invalid style because it is missing required files.\n");
    row("input plug-in misses files", "install", "%S/norules", 2,
        "\"%S/norules\" is an invalid style because it is missing required files.\n");
    row("broken metadata", "install", "%S/badmeta", 3,
        "\"%S/badmeta\" is an invalid style because its metadata could not be read.\n");
    row("unknown input type", "install", "%S/unknown", 4,
        "\"%S/unknown\" is an invalid style because it uses an unknown input type.\n");
    // An input plug-in's own code is a refusal too, never a success.
    const QByteArray refused = "\"%S/refused\" is an invalid style because its input plug-in refused it (error 7).\n";
    row("refused by its plug-in: install", "install", "%S/refused", 7, refused);
    row("refused by its plug-in: update", "update", "%S/refused", 7, refused);
    row("refused by its plug-in: inspect", "inspect", "%S/refused", 7, refused);
    row("refused by its plug-in: package", "package", "%S/refused", 7, refused);
    // The extension is compared exactly: this is taken for a folder.
    row("package file in capitals", "install", "%S/good.QUILTSTYLE", 2,
        "\"%S/good.QUILTSTYLE\" is an invalid style because it is missing required files.\n");
    row("package file missing", "install", "%S/none.quiltstyle", ENOENT,
        "Operation on package \"%S/none.quiltstyle\" failed: " + systemMessage(ENOENT) + '\n');
    // Errors about a package file name the file given, not the temporary
    // folder it was unpacked to.
    for (const char* command : { "install", "update", "inspect" }) {
        row(qPrintable(u"package file without contents: "_s + QLatin1StringView(command)), command,
            "%S/incomplete.quiltstyle", 2,
            "\"%S/incomplete.quiltstyle\" is an invalid style because it is missing required files.\n");
    }
    // A FIFO would block the reader for ever: only a regular file is read.
    for (const char* command : { "install", "update", "inspect" }) {
        row(qPrintable(u"FIFO as package file: "_s + QLatin1StringView(command)), command, "%S/fifo.quiltstyle", EINVAL,
            "Operation on package \"%S/fifo.quiltstyle\" failed: " + systemMessage(EINVAL) + '\n');
    }
    // Neither a path nor an installed id: the message keeps the name typed.
    row("inspect of nothing", "inspect", "nothing-here", 1, "\"nothing-here\" does not exist.\n");
    row("package of nothing", "package", "nothing-here", 1, "\"%W/nothing-here\" does not exist.\n");
}

void tst_StyleTool::invalidPackages()
{
    QFETCH(QString, command);
    QFETCH(QString, argument);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, err);

    QVERIFY(QuiltTest::writeFile(m_src + u"/incomplete/metadata.json"_s, metadata("Incomplete", "1")));
    QVERIFY(!writePackage(m_src, u"norules"_s, metadata("No rules", "1"), {}).isEmpty());
    QVERIFY(!writePackage(m_src, u"badmeta"_s, "{ nope").isEmpty());
    QVERIFY(!writePackage(m_src, u"unknown"_s, metadata("Unknown", "1", "nope")).isEmpty());
    QVERIFY(!writePackage(m_src, u"refused"_s, metadata("Refused", "1", "refusinginput")).isEmpty());
    QVERIFY(QuiltTest::writeFile(m_src + u"/good.QUILTSTYLE"_s,
                                 gzip(tarFolder("good/") + tarFile("good/metadata.json", metadata("Good", "1"))
                                      + tarFolder("good/contents/") + tarFile("good/contents/rules.txt", {})
                                      + endOfArchive)));
    QVERIFY(QuiltTest::writeFile(
        m_src + u"/incomplete.quiltstyle"_s,
        gzip(tarFolder("incomplete/") + tarFile("incomplete/metadata.json", metadata("I", "1")) + endOfArchive)));
    QCOMPARE(mkfifo(QFile::encodeName(m_src + u"/fifo.quiltstyle"_s).constData(), 0600), 0);
    // An installed package of the id, for update to find.
    QVERIFY(!writePackage(installed(), u"refused"_s, metadata("Installed", "0")).isEmpty());
    const auto before = QuiltTest::Tar::snapshot(m_xdg->path());

    const Run result = run({ command, QString::fromUtf8(expand(argument.toUtf8())) });
    QCOMPARE(result.exitCode, exitCode);
    QCOMPARE(result.err, expand(err));
    QCOMPARE(result.out, QByteArray());
    QCOMPARE(QuiltTest::Tar::snapshot(m_xdg->path()), before);
}

void tst_StyleTool::installListUninstall()
{
    const QString source = writePackage(m_src, u"good"_s, metadata("Good", "1.0"));

    // What tab completion types: the trailing separator still names "good".
    Run result = run({ u"install"_s, u"../src/good/"_s });
    QCOMPARE(result.err, QByteArray());
    QCOMPARE(result.out, QByteArray("Installed style good\n"));
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(QuiltTest::Tar::snapshot(installed() + u"/good"_s), QuiltTest::Tar::snapshot(source));

    result = run({ u"install"_s, source });
    QCOMPARE(result.exitCode, 2);
    QCOMPARE(result.err, expand("Operation on package \"%S/good\" failed: The package is already installed\n"));

    result = run({ u"list"_s });
    QCOMPARE(result.out, QByteArray("- good: Good\n"));
    QCOMPARE(result.exitCode, 0);

    result = run({ u"uninstall"_s, u"good"_s });
    QCOMPARE(result.err, QByteArray());
    QCOMPARE(result.out, QByteArray("Uninstalled style good\n"));
    QCOMPARE(result.exitCode, 0);
    QVERIFY(QDir(installed()).isEmpty());

    result = run({ u"uninstall"_s, u"good"_s });
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.out, QByteArray());
    QCOMPARE(result.err, QByteArray("good was not found.\n"));

    result = run({ u"list"_s });
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.out, QByteArray());
    QCOMPARE(result.err, QByteArray("No styles could be found.\n"));
}

void tst_StyleTool::installFromPackageFile()
{
    const QByteArray rules = "Button layout.width=4\n";
    const QString file = writePackageFile(
        u"shared.quiltstyle"_s,
        gzip(tarFolder("fromfile/") + tarFile("fromfile/metadata.json", metadata("From file", "1.0"))
             + tarFolder("fromfile/contents/") + tarFile("fromfile/contents/rules.txt", rules) + endOfArchive));

    const Run result = run({ u"install"_s, u"shared.quiltstyle"_s });
    QCOMPARE(result.err, QByteArray());
    QCOMPARE(result.out, QByteArray("Installed style fromfile\n"));
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(QuiltTest::Tar::snapshot(installed()),
             (QMap<QString, QByteArray> { { u"fromfile"_s, "folder" },
                                          { u"fromfile/metadata.json"_s, "file:" + metadata("From file", "1.0") },
                                          { u"fromfile/contents"_s, "folder" },
                                          { u"fromfile/contents/rules.txt"_s, "file:" + rules } }));
}

void tst_StyleTool::update_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QByteArray>("err");
    QTest::addColumn<QString>("installedVersion"); // afterwards; empty: none installed

    QTest::newRow("same version") << QStringList { u"%S/good"_s } << 4 << QByteArray()
                                  << QByteArray(
                                         "Operation on package \"%S/good\" failed: The package is not an update\n")
                                  << u"1.0"_s;
    QTest::newRow("same version, forced")
        << QStringList { u"--force"_s, u"%S/good"_s } << 0 << QByteArray("Updated style good to version 1.0\n")
        << QByteArray() << u"1.0 new"_s;
    QTest::newRow("newer version from a package file")
        << QStringList { u"%W/good.quiltstyle"_s } << 0 << QByteArray("Updated style good to version 2.0\n")
        << QByteArray() << u"2.0"_s;
    QTest::newRow("older version") << QStringList { u"%S/old/good"_s } << 0
                                   << QByteArray("Updated style good to version 0.5\n") << QByteArray() << u"0.5"_s;
    QTest::newRow("not installed") << QStringList { u"%S/other"_s } << 3 << QByteArray()
                                   << QByteArray(
                                          "Operation on package \"%S/other\" failed: The package is not installed\n")
                                   << u"1.0"_s;
}

void tst_StyleTool::update()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, err);
    QFETCH(QString, installedVersion);

    QVERIFY(!writePackage(installed(), u"good"_s, metadata("Good", "1.0")).isEmpty());
    QVERIFY(
        !writePackage(m_src, u"good"_s, metadata("Good", "1.0"), { { u"contents/rules.txt"_s, "new\n" } }).isEmpty());
    QVERIFY(!writePackage(m_src + u"/old"_s, u"good"_s, metadata("Good", "0.5")).isEmpty());
    QVERIFY(!writePackage(m_src, u"other"_s, metadata("Other", "1.0")).isEmpty());
    QVERIFY(
        !writePackageFile(u"good.quiltstyle"_s,
                          gzip(tarFolder("good/") + tarFile("good/metadata.json", metadata("Good", "2.0"))
                               + tarFolder("good/contents/") + tarFile("good/contents/rules.txt", {}) + endOfArchive))
             .isEmpty());

    QStringList expanded;
    for (const QString& argument : std::as_const(arguments)) {
        expanded.append(QString::fromUtf8(expand(argument.toUtf8())));
    }
    const Run result = run(QStringList { u"update"_s } + expanded);
    QCOMPARE(result.exitCode, exitCode);
    QCOMPARE(result.out, out);
    QCOMPARE(result.err, expand(err));

    const QStringList version = installedVersion.split(u' ');
    QCOMPARE(readMetadata(installed() + u"/good"_s).value(u"version"_s).toString(), version.constFirst());
    QFile rules(installed() + u"/good/contents/rules.txt"_s);
    QVERIFY(rules.open(QIODevice::ReadOnly));
    QCOMPARE(rules.readAll() == "new\n", version.size() > 1);
    QCOMPARE(QDir(installed()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList { u"good"_s });
}

void tst_StyleTool::inspect_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QByteArray>("path"); // shown on the first line

    QTest::newRow("installed id") << u"good"_s << QByteArray("%I/good");
    QTest::newRow("folder") << u"../src/good/"_s << QByteArray("%S/good");
    // The package file, not the folder it was unpacked into.
    QTest::newRow("package file") << u"good.quiltstyle"_s << QByteArray("%W/good.quiltstyle");
}

void tst_StyleTool::inspect()
{
    QFETCH(QString, argument);
    QFETCH(QByteArray, path);

    const QByteArray meta = metadata("Good", "1.0");
    QVERIFY(!writePackage(installed(), u"good"_s, meta).isEmpty());
    QVERIFY(!writePackage(m_src, u"good"_s, meta).isEmpty());
    QVERIFY(
        !writePackageFile(u"good.quiltstyle"_s,
                          gzip(tarFolder("good/") + tarFile("good/metadata.json", meta) + tarFolder("good/contents/")
                               + tarFile("good/contents/rules.txt", {}) + endOfArchive))
             .isEmpty());

    const Run result = run({ u"inspect"_s, argument });
    QCOMPARE(result.err, QByteArray());
    QCOMPARE(result.out,
             expand("Path:        " + path
                    + "\n"
                      "Input Type:  testinput\n"
                      "Name:        Good\n"
                      "Description: About Good\n"
                      "Version:     1.0\n"
                      "License:     MIT\n"
                      "Authors:     Ann, Bob\n"));
    QCOMPARE(result.exitCode, 0);
}

void tst_StyleTool::list_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("out");

    // Ids and names sort in opposite orders; the list goes by id.
    QTest::newRow("plain") << QStringList() << QByteArray("- a-style: Zulu\n- b-style: Alpha\n- c-style: Middle\n");
    QTest::newRow("hidden") << QStringList { u"--hidden"_s }
                            << QByteArray("- a-style: Zulu\n- b-style: Alpha\n- c-style: Middle\n- d-style: Hidden\n");
    QTest::newRow("details") << QStringList { u"--details"_s }
                             << QByteArray("- Path:        %I/a-style\n"
                                           "  Input Type:  testinput\n"
                                           "  Name:        Zulu\n"
                                           "  Description: About Zulu\n"
                                           "  Version:     1\n"
                                           "  License:     MIT\n"
                                           "  Authors:     Ann, Bob\n"
                                           "\n"
                                           "- Path:        %I/b-style\n"
                                           "  Input Type:  testinput\n"
                                           "  Name:        Alpha\n"
                                           "  Description: About Alpha\n"
                                           "  Version:     2\n"
                                           "  License:     MIT\n"
                                           "  Authors:     Ann, Bob\n"
                                           "\n"
                                           "- Path:        %D/c-style\n"
                                           "  Input Type:  testinput\n"
                                           "  Name:        Middle\n"
                                           "  Description: About Middle\n"
                                           "  Version:     3\n"
                                           "  License:     MIT\n"
                                           "  Authors:     Ann, Bob\n"
                                           "\n");
}

void tst_StyleTool::list()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, out);

    const QString systemStyles = m_systemData + u"/quilt/styles"_s;
    QVERIFY(!writePackage(installed(), u"b-style"_s, metadata("Alpha", "2")).isEmpty());
    QVERIFY(!writePackage(systemStyles, u"c-style"_s, metadata("Middle", "3")).isEmpty());
    QVERIFY(!writePackage(installed(), u"a-style"_s, metadata("Zulu", "1")).isEmpty());
    QVERIFY(!writePackage(installed(), u"d-style"_s, metadata("Hidden", "4", "testinput", R"(, "hidden": true)"))
                 .isEmpty());
    QVERIFY(!writePackage(installed(), u"invalid"_s, "{}").isEmpty());

    const Run result = run(QStringList { u"list"_s } + arguments);
    QCOMPARE(result.err, QByteArray());
    QCOMPARE(result.out, expand(out).replace("%D", QFile::encodeName(systemStyles)));
    QCOMPARE(result.exitCode, 0);
}

void tst_StyleTool::usageLineNamesTheCommandOnce()
{
    // The program's path holds its name twice: only the usage line's program
    // is followed by the command, and the path stays whole.
    const QString folder = m_xdg->path() + u"/quilt-styletool-1"_s;
    QVERIFY(QDir().mkpath(folder));
    const QString program = folder + u"/quilt-styletool"_s;
    QVERIFY(QFile::link(QStringLiteral(QUILT_STYLETOOL_PROGRAM), program));
    QProcess process;
    process.start(program, { u"list"_s, u"--help"_s });
    QVERIFY(process.waitForFinished());
    QCOMPARE(process.exitCode(), 0);
    const QByteArray out = process.readAllStandardOutput();
    QVERIFY2(out.startsWith("Usage: " + QFile::encodeName(program) + " list [options]\n"), out.constData());
}

void tst_StyleTool::packageMetadataCannotDriveTheTerminal()
{
    const QByteArray hostile = R"({"input-type": "testinput", "name": "Evil\u001b]0;owned\u0007", )"
                               R"("description": "Line\nbreak\u009b2J", "authors": ["\u001b[31mRed"]})";
    QVERIFY(!writePackage(installed(), QString::fromUtf8("evil\x1b[2J"), hostile).isEmpty());

    Run result = run({ u"list"_s });
    QCOMPARE(result.out, QByteArray("- evil\\x1b[2J: Evil\\x1b]0;owned\\x07\n"));

    result = run({ u"inspect"_s, QString::fromUtf8("evil\x1b[2J") });
    QCOMPARE(result.err, QByteArray());
    QCOMPARE(result.out,
             expand("Path:        %I/evil\\x1b[2J\n"
                    "Input Type:  testinput\n"
                    "Name:        Evil\\x1b]0;owned\\x07\n"
                    "Description: Line\\x0abreak\\x9b2J\n"
                    "Version:     \n"
                    "License:     \n"
                    "Authors:     \\x1b[31mRed\n"));

    // Bidirectional overrides would reorder the line around them.
    QVERIFY(!writePackage(m_src, u"bidi"_s,
                          R"({"input-type": "testinput", "name": "a\u202eb\u2066c\u2069", "version": "1"})")
                 .isEmpty());
    result = run({ u"inspect"_s, m_src + u"/bidi"_s });
    QVERIFY2(result.out.contains("Name:        a\\u202eb\\u2066c\\u2069\n"), result.out.constData());

    // A message that quotes the path escapes it too.
    result = run({ u"install"_s, installed() + QString::fromUtf8("/evil\x1b[2J") });
    QCOMPARE(result.exitCode, 2);
    QCOMPARE(result.err, expand("Operation on package \"%I/evil\\x1b[2J\" failed: The package is already installed\n"));
}

// ---------------------------------------------------------------------------
// package

void tst_StyleTool::packageCommand()
{
    const QString source = writePackage(m_src, u"good"_s, metadata("Good", "1.0"));

    Run result = run({ u"package"_s, u"../src/good/"_s });
    QCOMPARE(result.err, QByteArray());
    QCOMPARE(result.out, expand("Packaged style \"%S/good\" to \"%W/good.quiltstyle\"\n"));
    QCOMPARE(result.exitCode, 0);
    QFile file(m_work + u"/good.quiltstyle"_s);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();

    // Never overwritten.
    result = run({ u"package"_s, source });
    QCOMPARE(result.exitCode, EEXIST);
    QCOMPARE(result.err, expand("Operation on package \"%S/good\" failed: " + systemMessage(EEXIST) + '\n'));
    QVERIFY(file.seek(0));
    QCOMPARE(file.readAll(), written);

    // It installs to the same files.
    result = run({ u"install"_s, u"good.quiltstyle"_s });
    QCOMPARE(result.out, QByteArray("Installed style good\n"));
    QCOMPARE(QuiltTest::Tar::snapshot(installed() + u"/good"_s), QuiltTest::Tar::snapshot(source));
}

void tst_StyleTool::packageInstalledIdWins()
{
    QVERIFY(!writePackage(installed(), u"good"_s, metadata("Installed", "1.0")).isEmpty());
    QVERIFY(!writePackage(m_work, u"good"_s, metadata("Local", "9.0")).isEmpty());

    Run result = run({ u"package"_s, u"good"_s });
    QCOMPARE(result.out, expand("Packaged style \"%I/good\" to \"%W/good.quiltstyle\"\n"));
    QCOMPARE(result.exitCode, 0);

    result = run({ u"inspect"_s, u"good.quiltstyle"_s });
    QVERIFY(result.out.contains("Name:        Installed\n"));
}

// Links would pack whatever they point at, or loop; FIFOs would block.
void tst_StyleTool::packageRefusesWhatIsNoFileOrFolder()
{
    const QString source = writePackage(m_src, u"linked"_s, metadata("Linked", "1.0"));
    const QString secret = m_xdg->path() + u"/secret"_s;
    QVERIFY(QuiltTest::writeFile(secret, "private"));
    const QString link = source + u"/contents/secret"_s;
    QVERIFY(QFile::link(secret, link));

    const Run result = run({ u"package"_s, source });
    QCOMPARE(result.exitCode, EOPNOTSUPP);
    QCOMPARE(result.out, QByteArray());
    QVERIFY2(result.err.contains(QFile::encodeName(link)) && result.err.contains("symbolic link"), result.err);
    QVERIFY(
        result.err.endsWith(expand("Operation on package \"%S/linked\" failed: " + systemMessage(EOPNOTSUPP) + '\n')));
    QVERIFY(QDir(m_work).isEmpty());
}

void tst_StyleTool::systemTarReadsOurPackageFile()
{
    const QString source = writePackage(m_src, u"good"_s, metadata("Good", "1.0"));
    QVERIFY(QuiltTest::writeFile(source + u"/contents/images/README"_s, QByteArray(700, 'x')));
    QCOMPARE(run({ u"package"_s, source }).exitCode, 0);

    QProcess tar;
    tar.setWorkingDirectory(m_work);
    tar.start(u"tar"_s, { u"-tzf"_s, u"good.quiltstyle"_s });
    QVERIFY(tar.waitForFinished());
    QCOMPARE(tar.exitCode(), 0);
    QStringList listed = QString::fromUtf8(tar.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    listed.sort();
    QCOMPARE(listed,
             QStringList({ u"good/"_s, u"good/contents/"_s, u"good/contents/images/"_s,
                           u"good/contents/images/README"_s, u"good/contents/rules.txt"_s, u"good/metadata.json"_s }));

    QVERIFY(QDir().mkpath(m_work + u"/out"_s));
    tar.setWorkingDirectory(m_work + u"/out"_s);
    tar.start(u"tar"_s, { u"-xzf"_s, m_work + u"/good.quiltstyle"_s });
    QVERIFY(tar.waitForFinished());
    QCOMPARE(tar.exitCode(), 0);
    QCOMPARE(QuiltTest::Tar::snapshot(m_work + u"/out/good"_s), QuiltTest::Tar::snapshot(source));
}

void tst_StyleTool::systemTarPackageFileInstalls()
{
    const QString source = writePackage(m_src, u"good"_s, metadata("Good", "1.0"));
    QVERIFY(QuiltTest::writeFile(source + u"/contents/images/README"_s, QByteArray(700, 'x')));

    QProcess tar;
    tar.start(u"tar"_s, { u"--format=ustar"_s, u"-czf"_s, m_work + u"/good.quiltstyle"_s, u"-C"_s, m_src, u"good"_s });
    QVERIFY(tar.waitForFinished());
    QCOMPARE(tar.exitCode(), 0);

    const Run result = run({ u"install"_s, u"good.quiltstyle"_s });
    QCOMPARE(result.err, QByteArray());
    QCOMPARE(result.out, QByteArray("Installed style good\n"));
    QCOMPARE(QuiltTest::Tar::snapshot(installed() + u"/good"_s), QuiltTest::Tar::snapshot(source));

    // What "tar -czf x.quiltstyle ./my-style" writes: names that begin with "./".
    const QString dotted = writePackage(m_src, u"dotted"_s, metadata("Dotted", "1.0"));
    tar.setWorkingDirectory(m_src);
    tar.start(u"tar"_s, { u"--format=ustar"_s, u"-czf"_s, m_work + u"/dotted.quiltstyle"_s, u"./dotted"_s });
    QVERIFY(tar.waitForFinished());
    QCOMPARE(tar.exitCode(), 0);
    const Run dottedResult = run({ u"install"_s, u"dotted.quiltstyle"_s });
    QCOMPARE(dottedResult.err, QByteArray());
    QCOMPARE(dottedResult.out, QByteArray("Installed style dotted\n"));
    QCOMPARE(QuiltTest::Tar::snapshot(installed() + u"/dotted"_s), QuiltTest::Tar::snapshot(dotted));
}

// ---------------------------------------------------------------------------
// Package files from elsewhere

void tst_StyleTool::hostilePackageFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("message"); // after "Operation on package <file> failed: "
    QTest::addColumn<QByteArray>("reason"); // in the warning before it; empty: none

    const QByteArray folder = tarFolder("pkg/") + tarFile("pkg/metadata.json", metadata("Hostile", "9"))
        + tarFolder("pkg/contents/") + tarFile("pkg/contents/rules.txt", {});
    const QByteArray data("data");
    const auto row = [](const char* name, const QByteArray& file, int exitCode, const QByteArray& reason,
                        const QByteArray& message = {}) {
        QTest::newRow(name) << file << exitCode << (message.isEmpty() ? systemMessage(exitCode) : message) << reason;
    };

    const QByteArray outside = QFile::encodeName(m_outside.filePath(u"escaped"_s));
    row("path traversal", gzip(folder + tarFile("pkg/../../../escaped", data) + endOfArchive), EPERM, "component");
    row("absolute name", gzip(folder + tarFile(outside, data) + endOfArchive), EPERM, "the name is absolute");
    row("symbolic link", gzip(folder + tarHeader("pkg/contents/link", '2', octal(0, 11)) + endOfArchive), EOPNOTSUPP,
        "only regular files and folders");
    row("device", gzip(folder + tarHeader("pkg/contents/dev", '3', octal(0, 11)) + endOfArchive), EOPNOTSUPP,
        "only regular files and folders");
    row("negative size", gzip(folder + tarHeader("pkg/a", '0', "-0000000001") + padded(data) + endOfArchive), EBADMSG,
        "has no valid size");
    row("size beyond the data", gzip(folder + tarHeader("pkg/a", '0', octal(8192, 11)) + padded(data) + endOfArchive),
        EBADMSG, "end-of-archive");
    row("size beyond the limit", gzip(folder + tarHeader("pkg/a", '0', "77777777777") + padded(data) + endOfArchive),
        EFBIG, "larger than a package may be");
    QByteArray badChecksum = tarFile("pkg/a", data);
    badChecksum[0] = 'q';
    row("bad checksum", gzip(folder + badChecksum + endOfArchive), EBADMSG, "wrong checksum");
    const QByteArray valid = gzip(folder + tarFile("pkg/big", QByteArray(30000, 'x')) + endOfArchive);
    row("truncated gzip", valid.left(valid.size() / 2), EIO, {});
    row("bomb", zeroBomb(folder + tarHeader("pkg/big", '0', octal(200 * 1024 * 1024, 11)), 264), EFBIG, {});
    row("duplicate names", gzip(folder + tarFile("pkg/contents/rules.txt", data) + endOfArchive), EEXIST,
        "holds it twice");
    const QByteArray invalid = "The package is an invalid Quilt style package.";
    row("two top-level folders", gzip(folder + tarFolder("other/") + endOfArchive), EIO, {}, invalid);
    row("no entries", gzip(endOfArchive), EIO, {}, invalid);
}

// Each is refused with a message, nothing is written anywhere, and the
// installed package of the same id stays as it was, whatever the command.
void tst_StyleTool::hostilePackageFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, message);
    QFETCH(QByteArray, reason);

    QVERIFY(!writePackage(installed(), u"pkg"_s, metadata("Installed", "1")).isEmpty());
    const QString path = writePackageFile(u"hostile.quiltstyle"_s, file);
    const auto before = QuiltTest::Tar::snapshot(m_xdg->path());

    const QList<QStringList> commands { { u"install"_s, path },
                                        { u"update"_s, u"--force"_s, path },
                                        { u"inspect"_s, path } };
    for (const QStringList& command : commands) {
        const Run result = run(command);
        QCOMPARE(result.exitCode, exitCode);
        QCOMPARE(result.out, QByteArray());
        QVERIFY2(
            result.err.endsWith("Operation on package \"" + QFile::encodeName(path) + "\" failed: " + message + '\n'),
            result.err);
        QVERIFY2(result.err.contains(reason), result.err);
        QCOMPARE(QuiltTest::Tar::snapshot(m_xdg->path()), before);
    }
}

// File data that holds a header of its own is data: it is installed as it
// is, and the header in it is never followed.
void tst_StyleTool::fileDataThatLooksLikeAHeader()
{
    const QByteArray inner = tarFile("../../escaped", "payload") + endOfArchive;
    const QString path = writePackageFile(u"inner.quiltstyle"_s,
                                          gzip(tarFolder("pkg/") + tarFile("pkg/metadata.json", metadata("Inner", "1"))
                                               + tarFolder("pkg/contents/") + tarFile("pkg/contents/rules.txt", {})
                                               + tarFile("pkg/contents/inner.tar", inner) + endOfArchive));

    const Run result = run({ u"install"_s, path });
    QCOMPARE(result.err, QByteArray());
    QCOMPARE(result.out, QByteArray("Installed style pkg\n"));
    QFile installedInner(installed() + u"/pkg/contents/inner.tar"_s);
    QVERIFY(installedInner.open(QIODevice::ReadOnly));
    QCOMPARE(installedInner.readAll(), inner);
    QVERIFY(!QFileInfo::exists(m_xdg->path() + u"/escaped"_s));
}

QTEST_GUILESS_MAIN(tst_StyleTool)

#include "tst_styletool.moc"
