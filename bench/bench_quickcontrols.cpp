// What the Quick controls of org.vyr.quilt (under halcyon) cost against Qt's
// Basic and Fusion styles in the same run: 1,000 of each common control
// created and shown, and a long list of item delegates scrolled. Run on xcb
// with OpenGL, once per render loop (QSG_RENDER_LOOP=basic and =threaded);
// see README.md.

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QMutex>
#include <QPropertyAnimation>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QSurfaceFormat>
#include <QTest>
#include <QTimer>

#include <QtCore/private/qhooks_p.h>

#include <malloc.h>
#include <unistd.h>
#include <valgrind/callgrind.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <deque>
#include <memory>

#include "elementquery_p.h"
#include "quickbench.h"

namespace
{
using namespace QuickBench;

// QUILT_BENCH_CONTROLS scales a scene down (under callgrind 200 keep a row
// to a minute or two); the figures are per control whatever the count.
int controlCount()
{
    static const int count = [] {
        bool ok = false;
        const int n = qEnvironmentVariableIntValue("QUILT_BENCH_CONTROLS", &ok);
        return ok && n > 0 ? std::min(n, 1000) : 1000;
    }();
    return count;
}
constexpr int listCount = 10000;
constexpr int samplesPerCase = 5;
// 25 x 40 cells of 50 x 24 px: every control of a scene is on screen.
constexpr int columns = 25;
constexpr int cellWidth = 50;
constexpr int cellHeight = 24;

// Each style module is imported directly, so that one process compares all
// three without Qt Quick Controls' style selection.
struct StyleModule
{
    const char* name;
    const char* module;
};
constexpr std::array<StyleModule, 3> Styles {
    { { "quilt", "org.vyr.quilt" }, { "basic", "QtQuick.Controls.Basic" }, { "fusion", "QtQuick.Controls.Fusion" } }
};
enum StyleIndex
{
    QuiltStyle,
    BasicStyle,
    FusionStyle
};

// The controls with what an application typically sets on them; sizes are
// fixed so that every style draws the same area.
struct ControlType
{
    const char* name;
    const char* properties;
};
constexpr std::array<ControlType, 10> Controls { {
    { "Button", "text: \"Button\"" },
    { "CheckBox", "text: \"Check\"; checked: index % 2 === 0" },
    { "Switch", "text: \"Switch\"; checked: index % 2 === 0" },
    { "TextField", "text: \"Text\"" },
    { "ComboBox", "model: [\"One\", \"Two\", \"Three\"]" },
    { "SpinBox", "value: index % 100" },
    { "Slider", "value: (index % 10) / 10" },
    { "ProgressBar", "value: (index % 10) / 10" },
    { "ItemDelegate", "text: \"Item\"; highlighted: index % 5 === 0" },
    { "Label", "text: \"Label\"" },
} };

QByteArray gridDocument(const StyleModule& style, const ControlType& control)
{
    return QByteArray("import QtQuick\nimport ") + style.module
        + "\nItem {\n Repeater {\n  model: " + QByteArray::number(controlCount()) + "\n  delegate: " + control.name
        + " {\n   required property int index\n   x: (index % " + QByteArray::number(columns) + ") * "
        + QByteArray::number(cellWidth) + "\n   y: Math.floor(index / " + QByteArray::number(columns) + ") * "
        + QByteArray::number(cellHeight) + "\n   width: " + QByteArray::number(cellWidth - 2)
        + "\n   height: " + QByteArray::number(cellHeight - 2) + "\n   " + control.properties + "\n  }\n }\n}\n";
}

QByteArray listDocument(const StyleModule& style)
{
    return QByteArray("import QtQuick\nimport ") + style.module
        + "\nListView {\n anchors.fill: parent\n model: " + QByteArray::number(listCount)
        + "\n delegate: ItemDelegate {\n  required property int index\n  width: ListView.view.width\n"
          "  height: 24\n  text: \"Item \" + index\n  highlighted: index % 5 === 0\n }\n}\n";
}

// QObjects alive in the process, counted through Qt's object hooks.
std::atomic<qint64> liveObjects { 0 };

void countObjects()
{
    qtHookData[QHooks::AddQObject] = reinterpret_cast<quintptr>(+[](QObject*) { ++liveObjects; });
    qtHookData[QHooks::RemoveQObject] = reinterpret_cast<quintptr>(+[](QObject*) { --liveObjects; });
}

// The batches the renderer drew, read from its QSG_RENDERER_DEBUG=render
// output (one summary of opaque and alpha batches per render pass), which
// would otherwise flood the log. The render thread writes it on the threaded
// loop, hence the lock.
class BatchCounter
{
public:
    static void install()
    {
        s_previous = qInstallMessageHandler(&BatchCounter::handle);
        s_passThrough = qEnvironmentVariableIntValue("QUILT_BENCH_RENDERER_LOG") != 0;
    }

    static void reset()
    {
        const QMutexLocker lock(&s_mutex);
        s_batches = 0;
        s_passes = 0;
    }
    static int batches()
    {
        const QMutexLocker lock(&s_mutex);
        return s_batches;
    }
    static int passes()
    {
        const QMutexLocker lock(&s_mutex);
        return s_passes;
    }

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        static const QRegularExpression summary(QStringLiteral(R"(-> (Opaque|Alpha): \d+ nodes in (\d+) batches)"));
        if (type == QtDebugMsg && message.contains(QLatin1String("Rendering:"))) {
            int batches = 0;
            for (auto it = summary.globalMatch(message); it.hasNext();)
                batches += it.next().captured(2).toInt();
            {
                const QMutexLocker lock(&s_mutex);
                s_batches += batches;
                ++s_passes;
            }
            if (!s_passThrough)
                return;
        } else if (type == QtDebugMsg && !s_passThrough && isRendererChatter(message)) {
            return;
        }
        s_previous(type, context, message);
    }

    static bool isRendererChatter(const QString& message)
    {
        return message.startsWith(QLatin1String(" - ")) || message.startsWith(QLatin1String(" -> "))
            || message.startsWith(QLatin1String("Renderer::")) || message.startsWith(QLatin1String("Batch "));
    }

    static inline QtMessageHandler s_previous = nullptr;
    static inline bool s_passThrough = false;
    static inline QMutex s_mutex;
    static inline int s_batches = 0;
    static inline int s_passes = 0;
};

// Instructions of a stretch of work, counted by callgrind when the program
// runs under it (valgrind --tool=callgrind --instr-atstart=no, see README.md):
// each stretch ends with a dump of the counters, which callgrind zeroes
// after dumping, and its total is read back from the dump file.
class InstructionCounter
{
public:
    // QUILT_BENCH_INSTRUCTIONS=0 leaves the counters alone, for a profile
    // of one's own.
    static bool available()
    {
        static const bool counting
            = RUNNING_ON_VALGRIND != 0 && qEnvironmentVariable("QUILT_BENCH_INSTRUCTIONS", QStringLiteral("1")) != u"0";
        return counting;
    }

    static void start()
    {
        CALLGRIND_START_INSTRUMENTATION;
        CALLGRIND_ZERO_STATS;
    }
    // The instructions since start() or the previous lap.
    static double lap()
    {
        CALLGRIND_DUMP_STATS;
        return readDump(++s_dumps);
    }
    static void stop() { CALLGRIND_STOP_INSTRUMENTATION; }

private:
    // Callgrind writes dump N beside its output file as "<file>.N"; the
    // output file is callgrind.out.<pid> in the working directory unless
    // QUILT_BENCH_CALLGRIND_OUT names the one given with
    // --callgrind-out-file.
    static double readDump(int part)
    {
        const QString base = qEnvironmentVariableIsSet("QUILT_BENCH_CALLGRIND_OUT")
            ? qEnvironmentVariable("QUILT_BENCH_CALLGRIND_OUT")
            : QStringLiteral("callgrind.out.%1").arg(QCoreApplication::applicationPid());
        QFile dump(base + u'.' + QString::number(part));
        if (!dump.open(QIODevice::ReadOnly)) {
            qWarning("Cannot read the callgrind dump %s: set QUILT_BENCH_CALLGRIND_OUT to --callgrind-out-file",
                     qPrintable(dump.fileName()));
            return 0;
        }
        // "totals:", the sum of the dump's own costs, closes the file; the
        // "summary:" above it comes from a counter that zeroing the
        // statistics leaves wrong.
        double total = 0;
        while (!dump.atEnd()) {
            const QByteArray line = dump.readLine();
            if (line.startsWith("totals:")) {
                total = line.mid(line.indexOf(':') + 1).trimmed().toDouble();
            }
        }
        dump.close();
        dump.remove();
        return total;
    }

    static inline int s_dumps = 0;
};

// Queries asked of the engine and, of those, the ones that missed the result
// cache and ran the matching.
struct QueryCounts
{
    quint64 executed = 0;
    quint64 matched = 0;

    static QueryCounts now() { return { Quilt::elementQueriesExecuted(), Quilt::elementQueriesMatched() }; }
    QueryCounts operator-(const QueryCounts& other) const
    {
        return { executed - other.executed, matched - other.matched };
    }
};

// What one control costs under one style.
struct ControlFigures
{
    double createMs = 0;
    double firstFrameMs = 0;
    double heapBytes = 0;
    double residentBytes = 0;
    double objects = 0;
    int batches = 0;
    double queries = 0;
    double queriesMatched = 0;
    // Thousands of instructions per control (under callgrind only).
    double createKInstr = 0;
    double firstFrameKInstr = 0;
    double totalKInstr = 0;
};

struct ScrollFigures
{
    double medianMs = 0;
    double p95Ms = 0;
    int frames = 0;
    double queriesPerFrame = 0;
    double matchedPerFrame = 0;
};
} // namespace

class BenchQuickControls : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void controls_data();
    void controls();
    void scrolling_data();
    void scrolling();

private:
    std::unique_ptr<QQuickItem> create(const QByteArray& document, double* milliseconds = nullptr);
    // One creation of a scene until its first frame, measured for heap,
    // resident memory, QObjects, queries and batches. A function of its own,
    // so that callgrind can count its instructions alone (see README.md).
    [[gnu::noinline]] void measureCreation(const QByteArray& document, ControlFigures& figures);
    void printControlTable() const;
    void printScrollTable() const;

    std::unique_ptr<QQmlEngine> m_engine;
    std::unique_ptr<QQuickWindow> m_window;
    QMap<QString, std::array<ControlFigures, Styles.size()>> m_controls;
    std::array<ScrollFigures, Styles.size()> m_scrolling;
};

void BenchQuickControls::initTestCase()
{
    // Qt Test installs its own message handler when it starts: ours goes on
    // top of it.
    BatchCounter::install();
    qInfo() << "Platform" << QGuiApplication::platformName() << "render loop"
            << (qEnvironmentVariableIsSet("QSG_RENDER_LOOP") ? qgetenv("QSG_RENDER_LOOP") : QByteArray("(default)"))
            << "graphics API" << QQuickWindow::graphicsApi();
}

void BenchQuickControls::init()
{
    // A fresh engine per row: no style's types are warm from another row.
    m_engine = std::make_unique<QQmlEngine>();
    m_engine->addImportPath(QStringLiteral(QUILT_QML_PATH));
    m_window = std::make_unique<QQuickWindow>();
    m_window->resize(columns * cellWidth + 10, 40 * cellHeight + 10);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    settle(m_window.get());
}

void BenchQuickControls::cleanup()
{
    m_window.reset();
    m_engine.reset();
}

std::unique_ptr<QQuickItem> BenchQuickControls::create(const QByteArray& document, double* milliseconds)
{
    return createInWindow(m_engine.get(), m_window.get(), document, milliseconds);
}

void BenchQuickControls::controls_data()
{
    QTest::addColumn<int>("control");
    QTest::addColumn<int>("style");
    for (int c = 0; c < int(Controls.size()); ++c) {
        for (int s = 0; s < int(Styles.size()); ++s)
            QTest::addRow("%s: %s", Controls[c].name, Styles[s].name) << c << s;
    }
}

// 1,000 controls of one type: heap, resident memory, QObjects, queries and
// first-frame batches of one creation after a warm one, then the median time
// of create() and until the first frame is swapped.
void BenchQuickControls::controls()
{
    QFETCH(int, control);
    QFETCH(int, style);
    const QByteArray document = gridDocument(Styles[style], Controls[control]);
    ControlFigures figures;

    // A first round compiles the documents and warms the style's caches.
    {
        auto warm = create(document);
        QVERIFY(warm);
        QVERIFY(waitForFrame(m_window.get()) != Clock::time_point {});
        if (qEnvironmentVariableIsSet("QUILT_BENCH_GRAB")) {
            m_window->grabWindow().save(qEnvironmentVariable("QUILT_BENCH_GRAB") + u'/'
                                        + QLatin1String(Controls[control].name) + u'-'
                                        + QLatin1String(Styles[style].name) + u".png");
        }
    }
    settle(m_window.get());
    malloc_trim(0);

    measureCreation(document, figures);
    if (QTest::currentTestFailed())
        return;
    settle(m_window.get());

    QList<double> createTimes;
    QList<double> totalTimes;
    // Under callgrind the times say nothing; the instructions stand for them.
    const int samples = InstructionCounter::available() ? 0 : samplesPerCase;
    for (int i = 0; i < samples; ++i) {
        double createMs = 0;
        const auto start = Clock::now();
        auto root = create(document, &createMs);
        QVERIFY(root);
        const auto swapped = waitForFrame(m_window.get());
        QVERIFY(swapped != Clock::time_point {});
        createTimes.append(createMs);
        totalTimes.append(millisecondsBetween(start, swapped));
        root.reset();
        settle(m_window.get());
    }
    figures.createMs = median(createTimes);
    figures.firstFrameMs = median(totalTimes);
    qInfo() << "create() ms" << figures.createMs << "to first frame ms" << figures.firstFrameMs << "heap B/control"
            << figures.heapBytes << "resident B/control" << figures.residentBytes << "QObjects/control"
            << figures.objects << "batches" << figures.batches << "queries/control" << figures.queries
            << "matched/control" << figures.queriesMatched;
    if (InstructionCounter::available()) {
        qInfo() << "k instr./control create" << figures.createKInstr << "first frame" << figures.firstFrameKInstr;
    }
    m_controls[QLatin1String(Controls[control].name)][style] = figures;
    QTest::setBenchmarkResult(figures.firstFrameMs, QTest::WalltimeMilliseconds);
}

void BenchQuickControls::measureCreation(const QByteArray& document, ControlFigures& figures)
{
    const qint64 heapBefore = heapInUse();
    const qint64 residentBefore = residentBytes();
    const qint64 objectsBefore = liveObjects;
    const QueryCounts queriesBefore = QueryCounts::now();
    BatchCounter::reset();
    const bool countInstructions = InstructionCounter::available();
    if (countInstructions)
        InstructionCounter::start();
    auto root = create(document);
    const double createInstructions = countInstructions ? InstructionCounter::lap() : 0;
    QVERIFY(root);
    const bool swapped = waitForFrame(m_window.get()) != Clock::time_point {};
    const double frameInstructions = countInstructions ? InstructionCounter::lap() : 0;
    if (countInstructions)
        InstructionCounter::stop();
    QVERIFY(swapped);
    figures.createKInstr = createInstructions / controlCount() / 1000;
    figures.firstFrameKInstr = frameInstructions / controlCount() / 1000;
    figures.totalKInstr = figures.createKInstr + figures.firstFrameKInstr;
    figures.batches = BatchCounter::batches();
    const QueryCounts queries = QueryCounts::now() - queriesBefore;
    figures.heapBytes = double(heapInUse() - heapBefore) / controlCount();
    figures.residentBytes = double(residentBytes() - residentBefore) / controlCount();
    figures.objects = double(liveObjects - objectsBefore) / controlCount();
    figures.queries = double(queries.executed) / controlCount();
    figures.queriesMatched = double(queries.matched) / controlCount();
    if (BatchCounter::passes() == 0)
        qWarning("The renderer reported no batches: is QSG_RENDERER_DEBUG honoured?");
}

void BenchQuickControls::scrolling_data()
{
    QTest::addColumn<int>("style");
    for (int s = 0; s < int(Styles.size()); ++s)
        QTest::addRow("%s", Styles[s].name) << s;
}

// A list of 10,000 item delegates scrolled at a constant 1,200 px/s for three
// seconds: frame preparation time, median and 95th percentile.
void BenchQuickControls::scrolling()
{
    QFETCH(int, style);
    auto list = create(listDocument(Styles[style]));
    QVERIFY(list);
    QVERIFY(waitForFrame(m_window.get()) != Clock::time_point {});

    const QueryCounts queriesBefore = QueryCounts::now();
    FrameTimer frames(m_window.get());
    QPropertyAnimation scroll(list.get(), "contentY");
    scroll.setStartValue(0.0);
    scroll.setEndValue(3600.0);
    scroll.setDuration(3000);
    scroll.setEasingCurve(QEasingCurve::Linear);
    scroll.start();
    QTRY_COMPARE_WITH_TIMEOUT(scroll.state(), QAbstractAnimation::Stopped, 20000);
    settle(m_window.get());
    const QueryCounts queries = QueryCounts::now() - queriesBefore;

    const QList<double> durations = frames.durations();
    QVERIFY2(durations.size() > 30, "too few frames");
    ScrollFigures& figures = m_scrolling[style];
    figures.medianMs = median(durations);
    figures.p95Ms = percentile95(durations);
    figures.frames = int(durations.size());
    figures.queriesPerFrame = double(queries.executed) / durations.size();
    figures.matchedPerFrame = double(queries.matched) / durations.size();
    qInfo() << "frames" << figures.frames << "median ms" << figures.medianMs << "95th percentile ms" << figures.p95Ms
            << "queries/frame" << figures.queriesPerFrame << "matched/frame" << figures.matchedPerFrame;
    QTest::setBenchmarkResult(figures.medianMs, QTest::WalltimeMilliseconds);
}

void BenchQuickControls::cleanupTestCase()
{
    printControlTable();
    printScrollTable();
    std::fflush(stdout);
}

// Quilt against Basic and Fusion per control. The goal for time and memory:
// at most 1.5 times Basic and no more than Fusion; "<" marks a miss.
void BenchQuickControls::printControlTable() const
{
    if (m_controls.isEmpty())
        return;
    std::printf("\n%-13s %-22s %10s %10s %10s %6s %6s %s\n", "control", "measure", "quilt", "basic", "fusion", "q/b",
                "q/f", "goal");
    struct Measure
    {
        const char* name;
        double ControlFigures::* field;
        bool goal;
    };
    const Measure measures[] = {
        { "create() ms", &ControlFigures::createMs, true },
        { "to first frame ms", &ControlFigures::firstFrameMs, true },
        { "heap B/control", &ControlFigures::heapBytes, true },
        { "resident B/control", &ControlFigures::residentBytes, true },
        { "QObjects/control", &ControlFigures::objects, false },
        { "k instr. create", &ControlFigures::createKInstr, false },
        { "k instr. first frame", &ControlFigures::firstFrameKInstr, false },
        { "k instr. both", &ControlFigures::totalKInstr, true },
    };
    int misses = 0;
    for (auto it = m_controls.cbegin(); it != m_controls.cend(); ++it) {
        const auto& f = it.value();
        for (const Measure& m : measures) {
            // Instructions are counted under callgrind only, and there the
            // times are not taken.
            const bool isTime = m.field == &ControlFigures::createMs || m.field == &ControlFigures::firstFrameMs;
            const bool isInstructions = !isTime && m.field != &ControlFigures::heapBytes
                && m.field != &ControlFigures::residentBytes && m.field != &ControlFigures::objects;
            if (InstructionCounter::available() ? isTime : isInstructions)
                continue;
            const double quilt = f[QuiltStyle].*m.field;
            const double basic = f[BasicStyle].*m.field;
            const double fusion = f[FusionStyle].*m.field;
            const double toBasic = basic > 0 ? quilt / basic : 0;
            const double toFusion = fusion > 0 ? quilt / fusion : 0;
            const char* mark = "";
            if (m.goal) {
                const bool missBasic = basic > 0 && toBasic > 1.5;
                const bool missFusion = fusion > 0 && toFusion > 1.0;
                mark = missBasic && missFusion ? "< basic, fusion"
                    : missBasic                ? "< basic"
                    : missFusion               ? "< fusion"
                                               : "met";
                misses += missBasic || missFusion;
            }
            std::printf("%-13s %-22s %10.3f %10.3f %10.3f %6.2f %6.2f %s\n", qPrintable(it.key()), m.name, quilt, basic,
                        fusion, toBasic, toFusion, mark);
        }
        std::printf("%-13s %-22s %10d %10d %10d %6.2f %6.2f\n", qPrintable(it.key()), "first-frame batches",
                    f[QuiltStyle].batches, f[BasicStyle].batches, f[FusionStyle].batches,
                    f[BasicStyle].batches ? double(f[QuiltStyle].batches) / f[BasicStyle].batches : 0.0,
                    f[FusionStyle].batches ? double(f[QuiltStyle].batches) / f[FusionStyle].batches : 0.0);
        std::printf("%-13s %-22s %10.2f (of them %.2f missed the result cache)\n", qPrintable(it.key()),
                    "quilt queries/control", f[QuiltStyle].queries, f[QuiltStyle].queriesMatched);
    }
    std::printf("%d of the control measures miss the goal\n", misses);
}

void BenchQuickControls::printScrollTable() const
{
    if (m_scrolling[QuiltStyle].frames == 0)
        return;
    std::printf("\n%-36s %10s %10s %10s %6s %6s\n", "list of 10,000 item delegates", "quilt", "basic", "fusion", "q/b",
                "q/f");
    const auto row = [this](const char* name, double ScrollFigures::* field) {
        const double quilt = m_scrolling[QuiltStyle].*field;
        const double basic = m_scrolling[BasicStyle].*field;
        const double fusion = m_scrolling[FusionStyle].*field;
        std::printf("%-36s %10.3f %10.3f %10.3f %6.2f %6.2f\n", name, quilt, basic, fusion,
                    basic > 0 ? quilt / basic : 0.0, fusion > 0 ? quilt / fusion : 0.0);
    };
    row("frame median ms", &ScrollFigures::medianMs);
    row("frame 95th percentile ms", &ScrollFigures::p95Ms);
    std::printf("%-36s %10.2f (of them %.2f missed the result cache)\n", "quilt queries/frame",
                m_scrolling[QuiltStyle].queriesPerFrame, m_scrolling[QuiltStyle].matchedPerFrame);
}

int main(int argc, char** argv)
{
    // xcb with OpenGL unless the caller chose otherwise.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    if (!qEnvironmentVariableIsSet("QSG_RHI_BACKEND"))
        qputenv("QSG_RHI_BACKEND", "opengl");
    // The build's halcyon, CSS plug-in and modules, as an installed Quilt
    // finds its own.
    qputenv("XDG_DATA_DIRS", QUILT_DATA_PATH);
    qputenv("QUILT_STYLE_NAME", "halcyon");
    qputenv("QSG_RENDERER_DEBUG", "render");
    // Frames are timed from the start of their work until their swap: a swap
    // that waits for the vertical blank would count the wait as work.
    QSurfaceFormat format = QSurfaceFormat::defaultFormat();
    format.setSwapInterval(0);
    QSurfaceFormat::setDefaultFormat(format);
    countObjects();
    QGuiApplication app(argc, argv);
    QCoreApplication::addLibraryPath(QStringLiteral(QUILT_PLUGIN_PATH));
    BenchQuickControls bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "bench_quickcontrols.moc"
