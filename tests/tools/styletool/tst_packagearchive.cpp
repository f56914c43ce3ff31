#include "packagearchive.h"

#include "tarfixture.h"
#include "testfixture.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <zlib.h>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace fs = std::filesystem;
using namespace QuiltTest::Tar;

namespace
{
fs::path toPath(const QString& path)
{
    return fs::path(path.toStdString());
}

QString describe(const std::error_code& error)
{
    return QStringLiteral("%1:%2 (%3)")
        .arg(QString::fromLatin1(error.category().name()))
        .arg(error.value())
        .arg(QString::fromStdString(error.message()));
}

#define COMPARE_ERROR(actual, expected)                                                                                \
    QVERIFY2((actual) == (expected), qPrintable(describe(actual) + QStringLiteral(" instead of ") + describe(expected)))

std::error_code errc(std::errc code)
{
    return std::make_error_code(code);
}

bool writeFile(const QString& path, const QByteArray& contents)
{
    return QuiltTest::writeFile(path, contents);
}

QStringList entryNames(const PackageArchive& archive)
{
    QStringList names;
    for (const TarEntry& entry : archive.entries) {
        names.append(QString::fromStdString(entry.name()));
    }
    return names;
}

QByteArray binaryBytes()
{
    QByteArray bytes;
    for (int i = 0; i < 1024; ++i) {
        bytes.append(char(i % 256));
    }
    return bytes;
}

QByteArray randomBytes(qsizetype size)
{
    QByteArray bytes(size, '\0');
    QRandomGenerator generator(42);
    generator.fillRange(reinterpret_cast<quint32*>(bytes.data()), size / 4);
    return bytes;
}

using Tree = QMap<QString, QByteArray>; // relative path -> contents; a null value makes a folder
} // namespace

class tst_PackageArchive : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_root.isValid()); }

    void roundTrip_data();
    void roundTrip();
    void headerLayout();
    void headerNumbersThatDoNotFit_data();
    void headerNumbersThatDoNotFit();
    void topFolderNaming_data();
    void topFolderNaming();
    void addEntryNamesRelativeToBase();
    void writerRefuses_data();
    void writerRefuses();
    void writeNeverReplacesOrFollows_data();
    void writeNeverReplacesOrFollows();
    void writeFailureLeavesNoFile();
    void systemTarReadsOurFile();
    void weReadSystemTar_data();
    void weReadSystemTar();
    void hostileArchives_data();
    void hostileArchives();
    void fileDataIsNeverAHeader();
    void extractionNeverFollowsLinks();
    void extractSingleEntry();
    void emptyArchive();

private:
    // A folder below the test's root; the root holds nothing else while a
    // test runs, so that anything an archive writes beside it shows.
    QString makeCase()
    {
        m_case = std::make_unique<QTemporaryDir>(m_root.filePath(QStringLiteral("caseXXXXXX")));
        return m_case->path();
    }
    bool onlyCaseInRoot() const
    {
        return QDir(m_root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)
            == QStringList { QFileInfo(m_case->path()).fileName() };
    }

    static bool makeTree(const QString& folder, const Tree& tree)
    {
        if (!QDir().mkpath(folder)) {
            return false;
        }
        for (auto it = tree.begin(); it != tree.end(); ++it) {
            const QString path = folder + QLatin1Char('/') + it.key();
            if (it.value().isNull() ? !QDir().mkpath(path) : !writeFile(path, it.value())) {
                return false;
            }
        }
        return true;
    }

    QTemporaryDir m_root;
    std::unique_ptr<QTemporaryDir> m_case;
};

void tst_PackageArchive::roundTrip_data()
{
    QTest::addColumn<Tree>("tree");

    QTest::newRow("style package") << Tree {
        { QStringLiteral("metadata.json"), QByteArrayLiteral("{\"id\": \"pkg\", \"inputType\": \"css\"}\n") },
        { QStringLiteral("contents/css/style.css"), QByteArrayLiteral("Button { color: red; }\n") },
        { QStringLiteral("contents/images/README"), QByteArrayLiteral("Images go here.\n") },
    };
    QTest::newRow("block boundaries") << Tree {
        { QStringLiteral("empty"), QByteArrayLiteral("") },  { QStringLiteral("one"), QByteArray(1, 'x') },
        { QStringLiteral("511"), QByteArray(511, 'a') },     { QStringLiteral("512"), QByteArray(512, 'b') },
        { QStringLiteral("513"), QByteArray(513, 'c') },     { QStringLiteral("1024"), QByteArray(1024, 'd') },
        { QStringLiteral("zeros"), QByteArray(2048, '\0') },
    };
    QTest::newRow("binary and empty folders") << Tree {
        { QStringLiteral("bytes.bin"), binaryBytes() },
        { QStringLiteral("random.bin"), randomBytes(70000) },
        { QStringLiteral("empty/folder"), QByteArray() },
        { QStringLiteral(".hidden"), QByteArrayLiteral("dot file") },
    };
    // A file whose data holds a complete header (with "ustar" where a header
    // has it) at a block boundary must come back as it was, not split.
    QTest::newRow("header-like data") << Tree {
        { QStringLiteral("tricky.tar"), tarFile("../escaped", "payload") + endOfArchive },
    };
    QTest::newRow("folder name of 99 bytes")
        << Tree { { QString(95, QLatin1Char('f')), QByteArray() }, { QStringLiteral("x"), QByteArrayLiteral("x") } };
}

void tst_PackageArchive::roundTrip()
{
    QFETCH(Tree, tree);
    const QString base = makeCase();
    const QString package = base + QStringLiteral("/src/pkg");
    QVERIFY(makeTree(package, tree));
    const fs::path file = toPath(base + QStringLiteral("/pkg.quiltstyle"));

    std::error_code error;
    PackageArchive writer(file);
    QVERIFY2(writer.addDirectory(toPath(package), error), qPrintable(describe(error)));
    QVERIFY2(writer.write(error), qPrintable(describe(error)));

    // The stream: whole blocks, each header with a valid checksum, each folder
    // before what it holds, and two zero blocks at the end.
    QFile written(QString::fromStdString(file.native()));
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray stream = gunzip(written.readAll());
    QVERIFY(!stream.isEmpty());
    QCOMPARE(stream.size() % 512, 0);
    QVERIFY(stream.endsWith(endOfArchive));
    QCOMPARE(writer.entries.first().name(), std::string("pkg/"));
    QSet<QString> seen;
    for (const TarEntry& entry : std::as_const(writer.entries)) {
        QByteArray header(entry.header, 512);
        const QByteArray stored = header.mid(148, 8);
        fixChecksum(header);
        QCOMPARE(stored, header.mid(148, 8));
        QCOMPARE((entry.data.size() + entry.padding.size()) % 512, 0);
        QVERIFY(entry.padding.size() < 512);
        const QString name = QString::fromStdString(entry.name());
        QVERIFY(name == QLatin1String("pkg/") || name.startsWith(QLatin1String("pkg/")));
        const QString parent = name.section(QLatin1Char('/'), 0, name.endsWith(QLatin1Char('/')) ? -3 : -2);
        QVERIFY2(parent.isEmpty() || seen.contains(parent + QLatin1Char('/')), qPrintable(name));
        seen.insert(name);
    }

    PackageArchive reader(file);
    QVERIFY2(reader.read(error), qPrintable(describe(error)));
    QCOMPARE(entryNames(reader), entryNames(writer));
    const QString out = base + QStringLiteral("/out");
    QVERIFY(QDir().mkpath(out));
    QVERIFY2(reader.extractAll(toPath(out), error), qPrintable(describe(error)));
    QCOMPARE(snapshot(out), snapshot(base + QStringLiteral("/src")));
}

void tst_PackageArchive::headerLayout()
{
    const QString base = makeCase();
    const QString package = base + QStringLiteral("/pkg");
    QVERIFY(makeTree(package, Tree { { QStringLiteral("a"), QByteArray(513, 'a') } }));
    QVERIFY(QFile::setPermissions(package + QStringLiteral("/a"),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup));

    std::error_code error;
    PackageArchive archive(toPath(base + QStringLiteral("/pkg.quiltstyle")));
    QVERIFY(archive.addDirectory(toPath(package), error));
    QCOMPARE(archive.entries.size(), 2);

    const TarEntry& folder = archive.entries.at(0);
    QCOMPARE(folder.typeflag(), '5');
    QCOMPARE(QByteArray(folder.header + 124, 12), QByteArray("00000000000\0", 12));
    QVERIFY(folder.data.isEmpty());
    QVERIFY(folder.padding.isEmpty());

    const TarEntry& file = archive.entries.at(1);
    const QByteArray header(file.header, 512);
    QCOMPARE(file.name(), std::string("pkg/a"));
    QCOMPARE(file.typeflag(), '0');
    QCOMPARE(header.mid(100, 8), QByteArray("0000640\0", 8));
    QCOMPARE(header.mid(124, 12), QByteArray("00000001001\0", 12));
    QCOMPARE(header.mid(257, 8), QByteArray("ustar  \0", 8));
    QVERIFY(QRegularExpression(QStringLiteral("^[0-7]{6}$")).match(QString::fromLatin1(header.mid(148, 6))).hasMatch());
    QCOMPARE(header.mid(154, 2), QByteArray("\0 ", 2));
    QCOMPARE(QByteArray(header.mid(136, 12)),
             octal(quint64(QFileInfo(package + QStringLiteral("/a")).lastModified().toSecsSinceEpoch()), 11) + '\0');
    QCOMPARE(file.padding, QByteArray(511, '\0'));
}

void tst_PackageArchive::headerNumbersThatDoNotFit_data()
{
    QTest::addColumn<qint64>("mtime");
    QTest::addColumn<qint64>("uid");
    QTest::addColumn<QByteArray>("mtimeField");
    QTest::addColumn<QByteArray>("uidField");

    QTest::newRow("ordinary") << qint64(1000) << qint64(-1) << QByteArray("00000001750") << QByteArray();
    QTest::newRow("before 1970") << qint64(-100) << qint64(-1) << QByteArray("00000000000") << QByteArray();
    QTest::newRow("beyond 11 digits") << (qint64(1) << 33) << qint64(-1) << QByteArray("00000000000") << QByteArray();
    QTest::newRow("largest 11 digits") << (qint64(1) << 33) - 1 << qint64(-1) << QByteArray("77777777777")
                                       << QByteArray();
    QTest::newRow("uid beyond 7 digits") << qint64(1000) << (qint64(1) << 21) << QByteArray("00000001750")
                                         << QByteArray("0000000");
}

void tst_PackageArchive::headerNumbersThatDoNotFit()
{
    QFETCH(qint64, mtime);
    QFETCH(qint64, uid);
    QFETCH(QByteArray, mtimeField);
    QFETCH(QByteArray, uidField);

    const QString base = makeCase();
    const QString path = base + QStringLiteral("/pkg/file");
    QVERIFY(writeFile(path, "x"));
    const QByteArray native = QFile::encodeName(path);
    const timespec times[2] = { { mtime, 0 }, { mtime, 0 } };
    QVERIFY(::utimensat(AT_FDCWD, native.constData(), times, 0) == 0);
    if (uid >= 0 && ::chown(native.constData(), uid_t(uid), gid_t(-1)) != 0) {
        QSKIP("changing a file's owner needs privileges");
    }

    std::error_code error;
    PackageArchive archive(toPath(base + QStringLiteral("/pkg.quiltstyle")));
    QVERIFY(archive.addDirectory(toPath(base + QStringLiteral("/pkg")), error));
    const QByteArray header(archive.entries.at(1).header, 512);
    QCOMPARE(header.mid(136, 12), mtimeField + '\0');
    if (!uidField.isEmpty()) {
        QCOMPARE(header.mid(108, 8), uidField + '\0');
    }
    // The neighbouring fields are untouched.
    QCOMPARE(header.mid(124, 12), QByteArray("00000000001\0", 12));
    QCOMPARE(header.at(148 + 6), '\0');
}

void tst_PackageArchive::topFolderNaming_data()
{
    QTest::addColumn<QString>("argument"); // relative to the case folder
    QTest::addColumn<QStringList>("names");

    const QStringList names { QStringLiteral("mystyle/"), QStringLiteral("mystyle/metadata.json") };
    QTest::newRow("plain") << QStringLiteral("mystyle") << names;
    QTest::newRow("trailing separator") << QStringLiteral("mystyle/") << names;
    QTest::newRow("dot segments") << QStringLiteral("./other/../mystyle/.") << names;
    // An installed style may be a link to the author's working folder.
    QTest::newRow("link to the folder") << QStringLiteral("styles/mystyle") << names;
}

void tst_PackageArchive::topFolderNaming()
{
    QFETCH(QString, argument);
    QFETCH(QStringList, names);
    const QString base = makeCase();
    QVERIFY(writeFile(base + QStringLiteral("/mystyle/metadata.json"), "{}"));
    QVERIFY(QDir().mkpath(base + QStringLiteral("/other")));
    QVERIFY(QDir().mkpath(base + QStringLiteral("/styles/real")));
    QVERIFY(writeFile(base + QStringLiteral("/real/metadata.json"), "{}"));
    QVERIFY(QFile::link(base + QStringLiteral("/real"), base + QStringLiteral("/styles/mystyle")));

    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(base));
    std::error_code error;
    PackageArchive archive(toPath(base + QStringLiteral("/out.quiltstyle")));
    const bool added = archive.addDirectory(toPath(argument), error);
    QDir::setCurrent(previous);
    QVERIFY2(added, qPrintable(describe(error)));
    QCOMPARE(entryNames(archive), names);
}

void tst_PackageArchive::addEntryNamesRelativeToBase()
{
    const QString base = makeCase();
    QVERIFY(writeFile(base + QStringLiteral("/pkg/contents/style.css"), "x"));
    std::error_code error;
    PackageArchive archive(toPath(base + QStringLiteral("/pkg.quiltstyle")));
    QVERIFY(archive.addEntry(toPath(base + QStringLiteral("/pkg/contents")), toPath(base), error));
    QCOMPARE(entryNames(archive),
             QStringList({ QStringLiteral("pkg/contents/"), QStringLiteral("pkg/contents/style.css") }));

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("does not lie below")));
    QVERIFY(!archive.addEntry(toPath(base), toPath(base + QStringLiteral("/pkg")), error));
    COMPARE_ERROR(error, errc(std::errc::invalid_argument));
}

void tst_PackageArchive::writerRefuses_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QString>("message"); // a pattern the warning must match, when there is one

    const int unsupported = int(std::errc::operation_not_supported);
    QTest::newRow("missing folder") << QStringLiteral("missing") << int(std::errc::no_such_file_or_directory)
                                    << QString();
    QTest::newRow("no package file path") << QStringLiteral("no path") << int(std::errc::not_a_directory) << QString();
    QTest::newRow("package file folder missing")
        << QStringLiteral("no parent") << int(std::errc::not_a_directory) << QString();
    QTest::newRow("name of 100 bytes") << QStringLiteral("long name") << int(std::errc::filename_too_long)
                                       << QStringLiteral("longer than 99 bytes");
    QTest::newRow("link to a file outside")
        << QStringLiteral("link outside") << unsupported << QStringLiteral("/pkg/key\": it is a symbolic link");
    QTest::newRow("link to an ancestor") << QStringLiteral("link ancestor") << unsupported
                                         << QStringLiteral("/pkg/loop\": it is a symbolic link");
    QTest::newRow("link to a file inside")
        << QStringLiteral("link inside") << unsupported << QStringLiteral("/pkg/alias\": it is a symbolic link");
    QTest::newRow("dangling link") << QStringLiteral("dangling") << unsupported
                                   << QStringLiteral("/pkg/nothing\": it is a symbolic link");
    QTest::newRow("FIFO") << QStringLiteral("fifo") << unsupported << QStringLiteral("/pkg/sub/pipe\": it is a FIFO");
    // Anything larger could never be read back.
    QTest::newRow("file beyond the limit")
        << QStringLiteral("huge") << int(std::errc::file_too_large) << QStringLiteral("the package would exceed");
    QTest::newRow("backslash in a name") << QStringLiteral("backslash") << int(std::errc::invalid_argument)
                                         << QStringLiteral("contains a backslash");
}

void tst_PackageArchive::writerRefuses()
{
    QFETCH(QString, kind);
    QFETCH(int, expected);
    QFETCH(QString, message);

    const QString base = makeCase();
    const QString package = base + QStringLiteral("/pkg");
    QVERIFY(writeFile(package + QStringLiteral("/metadata.json"), "{}"));
    QVERIFY(writeFile(base + QStringLiteral("/secret"), "private key"));
    fs::path archivePath = toPath(base + QStringLiteral("/pkg.quiltstyle"));
    QString folder = package;

    if (kind == QLatin1String("missing")) {
        folder = base + QStringLiteral("/nothing");
    } else if (kind == QLatin1String("no path")) {
        archivePath.clear();
    } else if (kind == QLatin1String("no parent")) {
        archivePath = toPath(base + QStringLiteral("/missing/pkg.quiltstyle"));
    } else if (kind == QLatin1String("long name")) {
        QVERIFY(writeFile(package + QLatin1Char('/') + QString(96, QLatin1Char('n')), "x"));
    } else if (kind == QLatin1String("link outside")) {
        QVERIFY(QFile::link(base + QStringLiteral("/secret"), package + QStringLiteral("/key")));
    } else if (kind == QLatin1String("link ancestor")) {
        QVERIFY(::symlink("..", QFile::encodeName(package + QStringLiteral("/loop")).constData()) == 0);
    } else if (kind == QLatin1String("link inside")) {
        QVERIFY(::symlink("metadata.json", QFile::encodeName(package + QStringLiteral("/alias")).constData()) == 0);
    } else if (kind == QLatin1String("dangling")) {
        QVERIFY(::symlink("missing", QFile::encodeName(package + QStringLiteral("/nothing")).constData()) == 0);
    } else if (kind == QLatin1String("fifo")) {
        QVERIFY(QDir().mkpath(package + QStringLiteral("/sub")));
        QVERIFY(::mkfifo(QFile::encodeName(package + QStringLiteral("/sub/pipe")).constData(), 0600) == 0);
    } else if (kind == QLatin1String("huge")) {
        QFile huge(package + QStringLiteral("/huge.bin")); // sparse: costs no disk
        QVERIFY(huge.open(QIODevice::WriteOnly));
        QVERIFY(huge.resize(PackageArchive::MaximumStreamSize));
    } else if (kind == QLatin1String("backslash")) {
        QVERIFY(writeFile(package + QStringLiteral("/a\\b"), "x"));
    }
    if (!message.isEmpty()) {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(message)));
    }

    std::error_code error;
    PackageArchive archive(archivePath);
    QVERIFY(!archive.addDirectory(toPath(folder), error));
    COMPARE_ERROR(error, errc(std::errc(expected)));
    QVERIFY(!QFileInfo::exists(base + QStringLiteral("/pkg.quiltstyle")));
}

void tst_PackageArchive::writeNeverReplacesOrFollows_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("regular file") << QStringLiteral("file");
    QTest::newRow("link to a missing file") << QStringLiteral("dangling link");
    QTest::newRow("link to a file") << QStringLiteral("link");
}

void tst_PackageArchive::writeNeverReplacesOrFollows()
{
    QFETCH(QString, kind);
    const QString base = makeCase();
    QVERIFY(writeFile(base + QStringLiteral("/pkg/metadata.json"), "{}"));
    const QString output = base + QStringLiteral("/pkg.quiltstyle");
    const QString target = base + QStringLiteral("/target");
    if (kind == QLatin1String("file")) {
        QVERIFY(writeFile(output, "previous"));
    } else {
        if (kind == QLatin1String("link")) {
            QVERIFY(writeFile(target, "previous"));
        }
        QVERIFY(QFile::link(target, output));
    }
    const auto before = snapshot(base);

    std::error_code error;
    PackageArchive archive(toPath(output));
    QVERIFY(archive.addDirectory(toPath(base + QStringLiteral("/pkg")), error));
    QVERIFY(!archive.write(error));
    COMPARE_ERROR(error, errc(std::errc::file_exists));
    QCOMPARE(snapshot(base), before);
}

void tst_PackageArchive::writeFailureLeavesNoFile()
{
    const QString base = makeCase();
    QVERIFY(writeFile(base + QStringLiteral("/pkg/noise.bin"), randomBytes(2 * 1024 * 1024)));
    const QString output = base + QStringLiteral("/pkg.quiltstyle");
    std::error_code error;
    PackageArchive archive(toPath(output));
    QVERIFY(archive.addDirectory(toPath(base + QStringLiteral("/pkg")), error));

    // A file-size limit stands in for a full disk: the write fails part-way.
    rlimit saved;
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &saved) == 0);
    rlimit limited = saved;
    limited.rlim_cur = 64 * 1024;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &limited) == 0);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Cannot write .*pkg.quiltstyle")));
    const bool written = archive.write(error);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(!written);
    COMPARE_ERROR(error, std::error_code(EFBIG, std::system_category()));
    QVERIFY(!QFileInfo::exists(output));
}

void tst_PackageArchive::systemTarReadsOurFile()
{
    const QString tar = QStandardPaths::findExecutable(QStringLiteral("tar"));
    if (tar.isEmpty()) {
        QSKIP("no tar program");
    }
    const QString base = makeCase();
    QVERIFY(makeTree(base + QStringLiteral("/src/pkg"),
                     Tree { { QStringLiteral("metadata.json"), "{}" },
                            { QStringLiteral("contents/css/style.css"), QByteArray(700, 'c') },
                            { QStringLiteral("contents/images"), QByteArray() },
                            { QStringLiteral("bytes.bin"), binaryBytes() } }));
    const QString file = base + QStringLiteral("/pkg.quiltstyle");
    std::error_code error;
    PackageArchive archive(toPath(file));
    QVERIFY(archive.addDirectory(toPath(base + QStringLiteral("/src/pkg")), error));
    QVERIFY(archive.write(error));

    QProcess list;
    list.start(tar, { QStringLiteral("-tzf"), file });
    QVERIFY(list.waitForFinished());
    QCOMPARE(list.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(list.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts),
             entryNames(archive));

    const QString out = base + QStringLiteral("/out");
    QVERIFY(QDir().mkpath(out));
    QProcess extract;
    extract.start(tar, { QStringLiteral("-xzf"), file, QStringLiteral("-C"), out });
    QVERIFY(extract.waitForFinished());
    QCOMPARE(extract.readAllStandardError(), QByteArray());
    QCOMPARE(extract.exitCode(), 0);
    QCOMPARE(snapshot(out), snapshot(base + QStringLiteral("/src")));
}

void tst_PackageArchive::weReadSystemTar_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("longName"); // a file below the package whose path needs the ustar prefix

    QTest::newRow("ustar") << QStringList { QStringLiteral("--format=ustar"), QStringLiteral("-czf") } << QString();
    QTest::newRow("gnu") << QStringList { QStringLiteral("--format=gnu"), QStringLiteral("-czf") } << QString();
    QTest::newRow("uncompressed ustar") << QStringList { QStringLiteral("--format=ustar"), QStringLiteral("-cf") }
                                        << QString();
    QTest::newRow("ustar with a long path")
        << QStringList { QStringLiteral("--format=ustar"), QStringLiteral("-czf") }
        << QString(60, QLatin1Char('d')) + QLatin1Char('/') + QString(70, QLatin1Char('f'));
}

void tst_PackageArchive::weReadSystemTar()
{
    QFETCH(QStringList, options);
    QFETCH(QString, longName);
    const QString tar = QStandardPaths::findExecutable(QStringLiteral("tar"));
    if (tar.isEmpty()) {
        QSKIP("no tar program");
    }
    const QString base = makeCase();
    Tree tree { { QStringLiteral("metadata.json"), "{}" },
                { QStringLiteral("contents/css/style.css"), QByteArray(1500, 's') },
                { QStringLiteral("contents/images"), QByteArray() } };
    if (!longName.isEmpty()) {
        tree.insert(longName, "deep");
    }
    QVERIFY(makeTree(base + QStringLiteral("/src/pkg"), tree));

    const QString file = base + QStringLiteral("/pkg.quiltstyle");
    QProcess process;
    process.start(
        tar,
        options + QStringList { file, QStringLiteral("-C"), base + QStringLiteral("/src"), QStringLiteral("pkg") });
    QVERIFY(process.waitForFinished());
    QCOMPARE(process.readAllStandardError(), QByteArray());
    QCOMPARE(process.exitCode(), 0);

    std::error_code error;
    PackageArchive archive(toPath(file));
    QVERIFY2(archive.read(error), qPrintable(describe(error)));
    const QString out = base + QStringLiteral("/out");
    QVERIFY(QDir().mkpath(out));
    QVERIFY2(archive.extractAll(toPath(out), error), qPrintable(describe(error)));
    QCOMPARE(snapshot(out), snapshot(base + QStringLiteral("/src")));
}

void tst_PackageArchive::hostileArchives_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("readSucceeds"); // whether the refusal comes from extraction

    const QByteArray folder = tarFolder("pkg/");
    const QByteArray data("data");
    const auto row = [](const char* name, const QByteArray& tar, std::errc expected, bool readSucceeds) {
        QTest::newRow(name) << gzip(tar) << int(expected) << readSucceeds;
    };
    const auto refusedName = [&](const char* name, const QByteArray& tar) {
        row(name, folder + tar + endOfArchive, std::errc::operation_not_permitted, true);
    };
    const auto refusedType = [&](const char* name, char type) {
        row(name, folder + tarFile("pkg/entry", {}, type) + endOfArchive, std::errc::operation_not_supported, true);
    };
    const auto damaged = [&](const char* name, const QByteArray& tar) {
        row(name, tar, std::errc::bad_message, false);
    };

    refusedName("parent components", tarFile("pkg/../../escaped", data));
    refusedName("leading parent", tarFile("../../../escaped", data));
    refusedName("absolute name", tarFile(QFile::encodeName(m_root.filePath(QStringLiteral("escaped"))), data));
    refusedName("absolute folder", tarFolder(QFile::encodeName(m_root.filePath(QStringLiteral("escaped/")))));
    refusedName("dot component", tarFile("pkg/./a", data));
    refusedName("backslashes", tarFile("pkg\\..\\..\\escaped", data));
    refusedName("empty name", tarFile("", data));
    refusedName("parent through the prefix", tarHeader("escaped", '0', octal(4, 11), "pkg/../..") + padded(data));
    refusedType("symbolic link", '2');
    refusedType("hard link", '1');
    refusedType("character device", '3');
    refusedType("block device", '4');
    refusedType("FIFO", '6');
    refusedType("extended header", 'x');

    damaged("negative size", tarHeader("pkg/a", '0', "-0000000001") + padded(data) + endOfArchive);
    damaged("signed size", tarHeader("pkg/a", '0', "+0000000004") + padded(data) + endOfArchive);
    damaged("non-octal size", tarHeader("pkg/a", '0', "00000000009") + padded(data) + endOfArchive);
    damaged("size with trailing garbage", tarHeader("pkg/a", '0', "0000004x") + padded(data) + endOfArchive);
    damaged("size beyond the data", folder + tarHeader("pkg/a", '0', octal(8192, 11)) + padded(data) + endOfArchive);
    row("size beyond the limit", folder + tarHeader("pkg/a", '0', "77777777777") + padded(data) + endOfArchive,
        std::errc::file_too_large, false);
    QByteArray badChecksum = tarFile("pkg/a", data);
    badChecksum[0] = 'q';
    damaged("bad checksum", folder + badChecksum + endOfArchive);
    QByteArray noMagic = tarFolder("pkg/");
    setField(noMagic, 257, 8, QByteArray(8, '\0'));
    fixChecksum(noMagic);
    damaged("no magic", noMagic + endOfArchive);
    damaged("garbage", randomBytes(4096));
    damaged("no end-of-archive block", folder + tarFile("pkg/a", data));
    damaged("cut inside a header", folder + tarFile("pkg/a", data).left(300));
    damaged("cut inside the data", folder + tarFile("pkg/a", QByteArray(2000, 'x')).left(1024));

    const QByteArray valid = gzip(folder + tarFile("pkg/a", randomBytes(20000)) + endOfArchive);
    QTest::newRow("truncated gzip") << valid.left(valid.size() / 2) << int(std::errc::io_error) << false;
    QTest::newRow("gzip without its trailer") << valid.chopped(8) << int(std::errc::io_error) << false;
    QTest::newRow("garbage after the gzip stream") << valid + "garbage" << int(std::errc::io_error) << false;
    QByteArray badCrc = valid;
    badCrc[badCrc.size() - 6] = char(badCrc.at(badCrc.size() - 6) ^ 0x55);
    QTest::newRow("gzip checksum mismatch") << badCrc << int(std::errc::io_error) << false;
    QTest::newRow("empty file") << QByteArray() << int(std::errc::io_error) << false;

    const int overLimitMiB = int(PackageArchive::MaximumStreamSize / (1024 * 1024)) + 8;
    QTest::newRow("bomb of zeros") << zeroBomb({}, overLimitMiB) << int(std::errc::file_too_large) << false;
    QTest::newRow("bomb behind a file") << zeroBomb(folder + tarHeader("pkg/big", '0', octal(100 * 1024 * 1024, 11)),
                                                    overLimitMiB)
                                        << int(std::errc::file_too_large) << false;
    QByteArray many = folder;
    for (qsizetype i = 0; i < PackageArchive::MaximumEntryCount; ++i) {
        many += tarFolder("pkg/" + QByteArray::number(i) + '/');
    }
    row("too many entries", many + endOfArchive, std::errc::file_too_large, false);

    row("file twice", folder + tarFile("pkg/a", data) + tarFile("pkg/a", "other") + endOfArchive,
        std::errc::file_exists, true);
    row("folder twice", folder + tarFolder("pkg/") + endOfArchive, std::errc::file_exists, true);
    row("file and folder of one name", folder + tarFile("pkg/a", data) + tarFolder("pkg/a/") + endOfArchive,
        std::errc::file_exists, true);
    row("same name spelt twice", folder + tarFile("pkg/a", data) + tarFile("pkg//a", data) + endOfArchive,
        std::errc::file_exists, true);
}

void tst_PackageArchive::hostileArchives()
{
    QFETCH(QByteArray, file);
    QFETCH(int, expected);
    QFETCH(bool, readSucceeds);

    const QString base = makeCase();
    const QString archivePath = base + QStringLiteral("/in.quiltstyle");
    QVERIFY(writeFile(archivePath, file));
    const QString out = base + QStringLiteral("/out");
    QVERIFY(QDir().mkpath(out));

    std::error_code error;
    PackageArchive archive(toPath(archivePath));
    const bool read = archive.read(error);
    QCOMPARE(read, readSucceeds);
    if (read) {
        QVERIFY(!archive.entries.isEmpty());
        QVERIFY(!archive.extractAll(toPath(out), error));
    } else {
        QVERIFY(archive.entries.isEmpty());
    }
    COMPARE_ERROR(error, errc(std::errc(expected)));

    // Nothing was written: not in the extraction folder, not beside it, not
    // beside the case folder.
    QCOMPARE(snapshot(out), (QMap<QString, QByteArray>()));
    QCOMPARE(QDir(base).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
             QStringList({ QStringLiteral("in.quiltstyle"), QStringLiteral("out") }));
    QVERIFY(onlyCaseInRoot());
}

// The data of a file holds what looks like a header of a hostile entry: a
// reader that follows sizes never sees it as one.
void tst_PackageArchive::fileDataIsNeverAHeader()
{
    const QByteArray inner = tarFile("../escaped", "payload");
    const QByteArray stream = tarFolder("pkg/") + tarFile("pkg/inner.tar", inner) + endOfArchive;
    const QString base = makeCase();
    QVERIFY(writeFile(base + QStringLiteral("/in.quiltstyle"), gzip(stream)));

    std::error_code error;
    PackageArchive archive(toPath(base + QStringLiteral("/in.quiltstyle")));
    QVERIFY(archive.read(error));
    QCOMPARE(entryNames(archive), QStringList({ QStringLiteral("pkg/"), QStringLiteral("pkg/inner.tar") }));
    QCOMPARE(archive.entries.at(1).data, inner);
    QVERIFY(archive.entries.at(1).padding.isEmpty());
    QVERIFY(QDir().mkpath(base + QStringLiteral("/out")));
    QVERIFY(archive.extractAll(toPath(base + QStringLiteral("/out")), error));
    QCOMPARE(snapshot(base + QStringLiteral("/out")),
             (QMap<QString, QByteArray> { { QStringLiteral("pkg"), "folder" },
                                          { QStringLiteral("pkg/inner.tar"), "file:" + inner } }));
    QVERIFY(onlyCaseInRoot());
}

void tst_PackageArchive::extractionNeverFollowsLinks()
{
    const QString base = makeCase();
    const QString out = base + QStringLiteral("/out");
    const QString elsewhere = base + QStringLiteral("/elsewhere");
    QVERIFY(QDir().mkpath(out));
    QVERIFY(QDir().mkpath(elsewhere));
    QVERIFY(QFile::link(elsewhere, out + QStringLiteral("/pkg")));
    QVERIFY(writeFile(base + QStringLiteral("/in.quiltstyle"),
                      gzip(tarFile("pkg/a", "data") + tarFolder("pkg/sub/") + endOfArchive)));

    std::error_code error;
    PackageArchive archive(toPath(base + QStringLiteral("/in.quiltstyle")));
    QVERIFY(archive.read(error));
    QVERIFY(!archive.extractEntry(archive.entries.at(0), toPath(out), error));
    COMPARE_ERROR(error, errc(std::errc::not_a_directory));
    QVERIFY(!archive.extractEntry(archive.entries.at(1), toPath(out), error));
    COMPARE_ERROR(error, errc(std::errc::not_a_directory));
    QCOMPARE(snapshot(elsewhere), (QMap<QString, QByteArray>()));
}

void tst_PackageArchive::extractSingleEntry()
{
    const QString base = makeCase();
    QVERIFY(writeFile(base + QStringLiteral("/in.quiltstyle"),
                      gzip(tarFolder("pkg/") + tarFile("pkg/a", "first") + tarFile("pkg/b", "second") + endOfArchive)));
    std::error_code error;
    PackageArchive archive(toPath(base + QStringLiteral("/in.quiltstyle")));
    QVERIFY(archive.read(error));

    const QString out = base + QStringLiteral("/out");
    QVERIFY(!archive.extractAll(toPath(out), error));
    COMPARE_ERROR(error, errc(std::errc::not_a_directory));
    QVERIFY(!archive.extract("pkg/", toPath(out), error));
    COMPARE_ERROR(error, errc(std::errc::not_a_directory));

    QVERIFY(QDir().mkpath(out));
    QVERIFY(!archive.extract("pkg/missing", toPath(out), error));
    COMPARE_ERROR(error, errc(std::errc::no_such_file_or_directory));
    QVERIFY(!archive.extract("pkg/b", toPath(out), error)); // its folder is not there yet
    COMPARE_ERROR(error, errc(std::errc::not_a_directory));
    QVERIFY(archive.extract("pkg/", toPath(out), error));
    QVERIFY(archive.extract("pkg/b", toPath(out), error));
    QCOMPARE(snapshot(out),
             (QMap<QString, QByteArray> { { QStringLiteral("pkg"), "folder" },
                                          { QStringLiteral("pkg/b"), "file:second" } }));

    // Extraction does not merge into what is there.
    QVERIFY(!archive.extractAll(toPath(out), error));
    COMPARE_ERROR(error, errc(std::errc::file_exists));
}

void tst_PackageArchive::emptyArchive()
{
    const QString base = makeCase();
    QVERIFY(writeFile(base + QStringLiteral("/in.quiltstyle"), gzip(endOfArchive + QByteArray(8192, '\0'))));
    std::error_code error;
    PackageArchive archive(toPath(base + QStringLiteral("/in.quiltstyle")));
    QVERIFY(archive.read(error));
    QVERIFY(archive.entries.isEmpty());
    QVERIFY(archive.extractAll(toPath(base), error));

    PackageArchive missing(toPath(base + QStringLiteral("/missing.quiltstyle")));
    QVERIFY(!missing.read(error));
    COMPARE_ERROR(error, errc(std::errc::no_such_file_or_directory));
}

QTEST_GUILESS_MAIN(tst_PackageArchive)
#include "tst_packagearchive.moc"
