// Style sheets on disk: imports relative to the importing file, the default
// sheets, paths(), and files that must not be read.

#include "cssweave.h"
#include "cssweavedump.h"
#include "testfixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using cssweavetest::dump;

namespace
{
QStringList rulesOf(const cssparser::StyleSheet& sheet)
{
    QStringList out;
    for (const auto& rule : sheet.rules()) {
        out << QString::fromStdString(dump(rule));
    }
    return out;
}

QString errorsOf(const cssparser::StyleSheet& sheet)
{
    QStringList out;
    for (const auto& error : sheet.errors()) {
        out << QString::fromStdString(dump(error));
    }
    return out.join(u'\n');
}

QStringList pathsOf(const cssparser::StyleSheet& sheet)
{
    QStringList out;
    for (const auto& path : sheet.paths()) {
        out << QString::fromStdString(path.string());
    }
    return out;
}
} // namespace

class TestCssWeaveFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void importsAndDefaults();
    void parseAgainGivesTheSameResult();
    void importCycleThroughSymlink();
    void unreadableFiles_data();
    void unreadableFiles();

private:
    QTemporaryDir m_dir;
};

void TestCssWeaveFiles::importsAndDefaults()
{
    const QString root = m_dir.path() + "/imports";
    const QString css = root + "/pkg/contents/css";
    QVERIFY(QuiltTest::writeFile(css + "/style.css", "@import \"parts/buttons.css\";\n@import 'nope.css';\nmain {}"));
    QVERIFY(QuiltTest::writeFile(css + "/parts/buttons.css", "@import url(../colors.css);\nbuttons {}"));
    QVERIFY(QuiltTest::writeFile(css + "/colors.css", "colors { c: red }"));
    QVERIFY(QuiltTest::writeFile(root + "/defaults/default.css", "default {}"));

    cssparser::StyleSheet sheet((css + "/style.css").toStdString());
    sheet.import(std::string());
    sheet.import((root + "/defaults/default.css").toStdString());
    sheet.parse();

    QCOMPARE(errorsOf(sheet),
             css + "/style.css:2:1: cannot read the style sheet \"" + css + "/nope.css\": the file does not exist");
    QCOMPARE(rulesOf(sheet),
             QStringList(
                 { "type(default) {}", "type(colors) { c: rgba(255,0,0,255) }", "type(buttons) {}", "type(main) {}" }));
    QCOMPARE(pathsOf(sheet),
             QStringList({ root + "/defaults/default.css", css + "/style.css", css + "/parts/buttons.css",
                           css + "/parts/../colors.css" }));
}

void TestCssWeaveFiles::parseAgainGivesTheSameResult()
{
    const QString main = m_dir.path() + "/again/style.css";
    QVERIFY(QuiltTest::writeFile(main, "a { x: 1 } b { y: ; }"));
    cssparser::StyleSheet sheet(main.toStdString());
    sheet.parse();
    const QStringList rules = rulesOf(sheet);
    const QString errors = errorsOf(sheet);
    sheet.parse();
    QCOMPARE(rulesOf(sheet), rules);
    QCOMPARE(errorsOf(sheet), errors);
    QCOMPARE(pathsOf(sheet), QStringList { main });
}

void TestCssWeaveFiles::importCycleThroughSymlink()
{
    // Two names of one file are one sheet: the cycle is found although the
    // import names another path.
    const QString dir = m_dir.path() + "/symlink";
    QVERIFY(QuiltTest::writeFile(dir + "/a.css", "@import \"b.css\"; a {}"));
    QVERIFY(QFile::link(dir + "/a.css", dir + "/b.css"));
    cssparser::StyleSheet sheet((dir + "/a.css").toStdString());
    sheet.parse();
    QCOMPARE(errorsOf(sheet), dir + "/a.css:1:1: import cycle: \"" + dir + "/b.css\" is already being read");
    QCOMPARE(rulesOf(sheet), QStringList { "type(a) {}" });
}

void TestCssWeaveFiles::unreadableFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");

    QTest::newRow("missing") << "missing"
                             << "the file does not exist";
    QTest::newRow("folder") << "folder"
                            << "it is a folder, not a file";
    QTest::newRow("fifo") << "fifo"
                          << "it is not a regular file";
    QTest::newRow("too large") << "large"
                               << "the file is larger than 4 MiB";
    QTest::newRow("largest allowed") << "largest" << QString();
    QTest::newRow("symlink to a file") << "symlink" << QString();
}

void TestCssWeaveFiles::unreadableFiles()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    const QString dir = m_dir.path() + "/unreadable-" + kind;
    QVERIFY(QDir().mkpath(dir));
    const QString path = dir + "/style.css";
    if (kind == "folder") {
        QVERIFY(QDir().mkpath(path));
    } else if (kind == "fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == "large" || kind == "largest") {
        const qsizetype size = 4 * 1024 * 1024 + (kind == "large" ? 1 : 0);
        QVERIFY(QuiltTest::writeFile(path, "a {}" + QByteArray(size - 4, ' ')));
    } else if (kind == "symlink") {
        QVERIFY(QuiltTest::writeFile(dir + "/real.css", "a {}"));
        QVERIFY(QFile::link(dir + "/real.css", path));
    }

    // The path is also imported, so that both kinds of report are seen.
    QVERIFY(QuiltTest::writeFile(dir + "/importer.css", "\n @import \"style.css\";"));
    cssparser::StyleSheet sheet(path.toStdString());
    sheet.import((dir + "/importer.css").toStdString());
    sheet.parse();
    if (reason.isEmpty()) {
        QCOMPARE(errorsOf(sheet), QString());
        QCOMPARE(rulesOf(sheet), QStringList({ "type(a) {}", "type(a) {}" }));
        QCOMPARE(pathsOf(sheet), QStringList({ dir + "/importer.css", path }));
        return;
    }
    const QString message = "cannot read the style sheet \"" + path + "\": " + reason;
    QCOMPARE(errorsOf(sheet), dir + "/importer.css:2:2: " + message + "\n" + path + ":1:1: " + message);
    QCOMPARE(rulesOf(sheet), QStringList());
    QCOMPARE(pathsOf(sheet), QStringList { dir + "/importer.css" });
}

QTEST_GUILESS_MAIN(TestCssWeaveFiles)
#include "tst_cssweave_files.moc"
