// Qt's own Quick Controls examples, programs nobody here wrote, started under
// this style and under Qt's Basic in turn: each opens its window and prints
// nothing under this style that it does not print under Basic. The gallery
// is walked through every page of its drawer. A generic plug-in loaded into
// the program (examplewalker.cpp) reports the window, walks the pages and
// ends the program. One example per process (its name as the test's data
// tag), so that each stays well inside the time limit.

#include <QFileInfo>
#include <QLibraryInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace
{
struct Example
{
    const char* name;
    const char* program; // below the Quick Controls examples' folder
    bool walkDrawer;
};

const Example examples[] = {
    { "texteditor", "texteditor/bin/texteditorexample", false },
    { "gallery", "gallery/bin/galleryexample", true },
    { "contactlist", "contactlist/bin/contactlistexample", false },
    { "filesystemexplorer", "filesystemexplorer/bin/filesystemexplorer", false },
    { "eventcalendar", "eventcalendar/bin/eventcalendar", false },
    { "chattutorial1", "chattutorial/chapter1/bin/chattutorial-chapter1", false },
    { "chattutorial2", "chattutorial/chapter2/bin/chattutorial-chapter2", false },
    { "chattutorial3", "chattutorial/chapter3/bin/chattutorial-chapter3", false },
    { "chattutorial4", "chattutorial/chapter4/bin/chattutorial-chapter4", false },
    { "chattutorial5", "chattutorial/chapter5/bin/chattutorial-chapter5", false },
};

struct Run
{
    int exitCode = -1;
    QStringList lines;
};

// Addresses and timings differ from run to run.
QString normalised(QString line)
{
    static const QRegularExpression address(QStringLiteral("0x[0-9a-fA-F]+"));
    return line.replace(address, QStringLiteral("0x?"));
}

// One run of a program under a style, in a home of its own (settings and
// data, where the examples keep databases, are fresh each run).
class Launch
{
public:
    Launch(const QString& program, const QString& style, bool walkDrawer)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QUICK_CONTROLS_STYLE"), style);
        environment.insert(QStringLiteral("QML_IMPORT_PATH"), QStringLiteral(QUILT_QML_DIR));
        environment.insert(QStringLiteral("QT_PLUGIN_PATH"),
                           QStringLiteral(QUILT_PLUGIN_DIR ":" QUILT_WALKER_PLUGIN_DIR));
        environment.insert(QStringLiteral("QT_QPA_GENERIC_PLUGINS"), QStringLiteral("quilt-example-walker"));
        environment.insert(QStringLiteral("QT_QUICK_BACKEND"), QStringLiteral("rhi"));
        environment.insert(QStringLiteral("QUILT_DISABLE_STYLE_CACHE"), QStringLiteral("1"));
        environment.remove(QStringLiteral("QUILT_STYLE_NAME"));
        environment.remove(QStringLiteral("XDG_CURRENT_DESKTOP"));
        for (const char* variable : { "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME" })
            environment.insert(QString::fromLatin1(variable), m_home.filePath(QString::fromLatin1(variable)));
        if (walkDrawer)
            environment.insert(QStringLiteral("QUILT_WALK_DRAWER"), QStringLiteral("1"));
        // A colour scheme for both runs, to look at the shots in it.
        const QString scheme = qEnvironmentVariable("QUILT_EXAMPLE_SCHEME");
        if (!scheme.isEmpty())
            environment.insert(QStringLiteral("QUILT_WALK_SCHEME"), scheme);
        const QString shots = qEnvironmentVariable("QUILT_EXAMPLE_SHOTS");
        if (!shots.isEmpty()) {
            environment.insert(QStringLiteral("QUILT_WALK_SHOTS"),
                               shots + u'/' + QFileInfo(program).fileName() + u'-' + style);
        }
#ifdef QUILT_SANITIZER_RUNTIME
        // The program is not instrumented, the plug-ins it loads are: the
        // runtime comes first. Its leaks are the program's, not ours.
        environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(QUILT_SANITIZER_RUNTIME));
        environment.insert(QStringLiteral("ASAN_OPTIONS"),
                           QStringLiteral("verify_asan_link_order=0:detect_leaks=0:halt_on_error=1"));
#endif
        m_process.setProcessEnvironment(environment);
        m_process.setWorkingDirectory(m_home.path());
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start(program, {});
    }

    Run finish()
    {
        Run run;
        if (!m_process.waitForFinished(200000)) {
            run.lines << QStringLiteral("(did not end: %1)").arg(m_process.errorString());
            m_process.kill();
            m_process.waitForFinished();
        }
        run.exitCode = m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
        const QStringList output = QString::fromLocal8Bit(m_process.readAll()).split(u'\n', Qt::SkipEmptyParts);
        for (const QString& line : output)
            run.lines << normalised(line);
        return run;
    }

private:
    QTemporaryDir m_home;
    QProcess m_process;
};
} // namespace

class QtExamplesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void start_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<bool>("walkDrawer");
        const QString folder = QLibraryInfo::path(QLibraryInfo::ExamplesPath) + QStringLiteral("/quickcontrols/");
        for (const Example& example : examples)
            QTest::newRow(example.name) << folder + QString::fromLatin1(example.program) << example.walkDrawer;
    }

    void start()
    {
        QFETCH(QString, program);
        QFETCH(bool, walkDrawer);
        if (!QFileInfo(program).isExecutable())
            QSKIP(qPrintable(program + QStringLiteral(" is not installed")));

        // Side by side: the runs share nothing but the display.
        Launch basicLaunch(program, QStringLiteral("Basic"), walkDrawer);
        Launch ourLaunch(program, QStringLiteral("org.vyr.quilt"), walkDrawer);
        const Run basic = basicLaunch.finish();
        const Run ours = ourLaunch.finish();
        const QString both = QStringLiteral("Under Basic:\n%1\nUnder this style:\n%2")
                                 .arg(basic.lines.join(u'\n'), ours.lines.join(u'\n'));
        // Basic itself must run it, or the comparison says nothing.
        QVERIFY2(basic.exitCode == 0 && basic.lines.contains(QStringLiteral("walker: done")), qPrintable(both));
        QVERIFY2(ours.exitCode == 0, qPrintable(both));
        QVERIFY2(ours.lines.contains(QStringLiteral("walker: window shown")), qPrintable(both));
        QVERIFY2(ours.lines.contains(QStringLiteral("walker: done")), qPrintable(both));

        QStringList extra = ours.lines;
        for (const QString& line : basic.lines)
            extra.removeOne(line);
        QVERIFY2(extra.isEmpty(),
                 qPrintable(QStringLiteral("Printed only under this style:\n%1\n\n%2").arg(extra.join(u'\n'), both)));

        if (walkDrawer) {
            // Every page of the drawer was shown, under both styles alike.
            const QStringList pages = ours.lines.filter(QRegularExpression(QStringLiteral("^walker: page ")));
            static const QRegularExpression count(QStringLiteral("^walker: drawer pages (\\d+)$"));
            const QStringList counts = ours.lines.filter(count);
            QCOMPARE(counts.size(), 1);
            QVERIFY2(ours.lines.filter(QStringLiteral("has no delegate")).isEmpty(), qPrintable(both));
            const int expected = count.match(counts.first()).captured(1).toInt();
            QVERIFY(expected > 10);
            QCOMPARE(pages.size(), expected);
            QCOMPARE(pages, basic.lines.filter(QRegularExpression(QStringLiteral("^walker: page "))));
        }
    }
};

QTEST_GUILESS_MAIN(QtExamplesTest)

#include "tst_qtexamples.moc"
