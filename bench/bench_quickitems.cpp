// What the Quick items cost against plain Qt Quick items in the same scene:
// creation, window activation and scrolling, with the renderer's batch count
// of the frames. Run on xcb with OpenGL, once per render loop
// (QSG_RENDER_LOOP=basic and =threaded); see README.md.

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QMutex>
#include <QPainter>
#include <QPropertyAnimation>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSurfaceFormat>
#include <QTest>
#include <QTimer>

#include <QtCore/private/qhooks_p.h>

#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <deque>
#include <memory>

#include "quickbench.h"
#include "quicktestfixture.h"

namespace
{
using namespace QuickBench;

constexpr int itemCount = 1000;
constexpr int listCount = 10000;
constexpr int samplesPerCase = 15;

// Every element gets a background, a border, a radius and an icon name; the
// window's "inactive" hint changes the background.
const QByteArray Css = R"(
BenchItem {
    background-color: #fcfcfc;
    border: 1px solid #b7b9bb;
    border-radius: 3px;
    icon-name: "bench-icon";
    icon-size: 16px;
}
.inactive BenchItem {
    background-color: #eff0f1;
}
VariedItem { border: 1px solid #b7b9bb; border-radius: 2px; }
VariedItem#c0 { background-color: #fcfcfc; }
VariedItem#c1 { background-color: #3daee9; }
VariedItem#c2 { background-color: #da4453; }
VariedItem#c3 { background-color: #27ae60; }
VariedItem#c4 { background-color: #f67400; }
)";

// The colours of VariedItem, for the plain rectangles.
const char* const VariedColors = R"(["#fcfcfc", "#3daee9", "#da4453", "#27ae60", "#f67400"])";

const char* const IconTheme = "quiltbench";

// What each grid item carries: the plain items, or the Quick items in full,
// or only a part of them (to see where the cost lies).
enum class Parts
{
    Plain,
    Element,
    ElementAndRectangle,
    Full
};

QByteArray gridDocument(Parts parts, bool distinctChains)
{
    QByteArray item;
    if (parts != Parts::Plain) {
        item = R"(
            Item {
                id: cell
                required property int index
                x: (index % 25) * 40
                y: Math.floor(index / 25) * 15
                width: 38
                height: 14
                Quilt.Element.type: "BenchItem"
                %ID%
                %RECTANGLE%
                %ICON%
            })";
        item.replace("%ID%", distinctChains ? "Quilt.Element.elementId: \"cell\" + index" : "");
        item.replace("%RECTANGLE%", parts != Parts::Element ? "Quilt.StyledRectangle { anchors.fill: parent }" : "");
        item.replace("%ICON%",
                     parts == Parts::Full ? R"(Quilt.Icon {
                    x: 1; y: 1; width: 12; height: 12
                    name: cell.Quilt.Style.properties.icon.name ?? ""
                })"
                                          : "");
    } else {
        item = R"(
            Item {
                required property int index
                x: (index % 25) * 40
                y: Math.floor(index / 25) * 15
                width: 38
                height: 14
                Rectangle {
                    anchors.fill: parent
                    color: "#fcfcfc"
                    border.width: 1
                    border.color: "#b7b9bb"
                    radius: 3
                }
                Image {
                    x: 1; y: 1; width: 12; height: 12
                    sourceSize: Qt.size(12, 12)
                    source: root.iconUrl
                }
            })";
    }
    return "import QtQuick\nimport org.vyr.quilt.impl as Quilt\nItem {\n id: root\n property url iconUrl\n Repeater "
           "{\n model: "
        + QByteArray::number(itemCount) + "\n delegate: " + item + "\n}\n}\n";
}

// 1,000 bordered rectangles of 50 widths in 5 colours: the nodes differ in
// size and colour, which decides whether the renderer can merge them.
QByteArray variedDocument(bool quilt)
{
    QByteArray item;
    if (quilt) {
        item = R"(
            Quilt.StyledRectangle {
                required property int index
                x: (index % 16) * 62
                y: Math.floor(index / 16) * 9
                width: 10 + index % 50
                height: 8
                Quilt.Element.type: "VariedItem"
                Quilt.Element.elementId: "c" + Math.floor(index / 50) % 5
            })";
    } else {
        item = R"(
            Rectangle {
                required property int index
                x: (index % 16) * 62
                y: Math.floor(index / 16) * 9
                width: 10 + index % 50
                height: 8
                color: root.colors[Math.floor(index / 50) % 5]
                border.width: 1
                border.color: "#b7b9bb"
                radius: 2
            })";
    }
    return "import QtQuick\nimport org.vyr.quilt.impl as Quilt\nItem {\n id: root\n property url iconUrl\n"
           " readonly property var colors: "
        + QByteArray(VariedColors) + "\n Repeater {\n model: " + QByteArray::number(itemCount) + "\n delegate: " + item
        + "\n}\n}\n";
}

QByteArray listDocument(bool quilt)
{
    QByteArray delegate;
    if (quilt) {
        delegate = R"(
            Item {
                id: row
                width: ListView.view.width
                height: 24
                Quilt.Element.type: "BenchItem"
                Quilt.StyledRectangle { anchors.fill: parent }
                Quilt.Icon {
                    x: 4; y: 4; width: 16; height: 16
                    name: row.Quilt.Style.properties.icon.name ?? ""
                }
            })";
    } else {
        delegate = R"(
            Item {
                width: ListView.view.width
                height: 24
                Rectangle {
                    anchors.fill: parent
                    color: "#fcfcfc"
                    border.width: 1
                    border.color: "#b7b9bb"
                    radius: 3
                }
                Image {
                    x: 4; y: 4; width: 16; height: 16
                    sourceSize: Qt.size(16, 16)
                    source: list.iconUrl
                }
            })";
    }
    return "import QtQuick\nimport org.vyr.quilt.impl as Quilt\nListView {\n id: list\n property url iconUrl\n"
           " anchors.fill: parent\n model: "
        + QByteArray::number(listCount) + "\n delegate: " + delegate + "\n}\n";
}

// The renderer's batches of the last frame it built, read from its debug
// output (QSG_RENDERER_DEBUG=render: one line per batch, then the frame's
// times), which the handler keeps out of the log.
std::atomic<int> lastBatches { 0 };
QtMessageHandler previousHandler = nullptr;

void countBatches(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    static thread_local int batches = 0;
    if (type == QtDebugMsg && qEnvironmentVariable("QSG_RENDERER_DEBUG") == QLatin1String("render")
        && !qEnvironmentVariableIsSet("QUILT_BENCH_RENDERER_LOG")) {
        if (message.startsWith(QLatin1String(" - 0x")) && message.contains(QLatin1String("Nodes:"))) {
            ++batches;
        } else if (message.startsWith(QLatin1String(" -> times:"))) {
            // Frames that rebuilt nothing list no batches.
            if (batches > 0)
                lastBatches = batches;
            batches = 0;
        }
        return;
    }
    previousHandler(type, context, message);
}

// QObjects alive in the process, counted through Qt's object hooks.
std::atomic<qint64> liveObjects { 0 };

void countObjects()
{
    qtHookData[QHooks::AddQObject] = reinterpret_cast<quintptr>(+[](QObject*) { ++liveObjects; });
    qtHookData[QHooks::RemoveQObject] = reinterpret_cast<quintptr>(+[](QObject*) { --liveObjects; });
}

struct Figures
{
    double quilt = 0;
    double plain = 0;
};
} // namespace

Q_DECLARE_METATYPE(Parts)

class BenchQuickItems : public QObject
{
    Q_OBJECT

public:
    explicit BenchQuickItems(const QString& dataHome)
        : m_dataHome(dataHome)
    { }

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void creation_data();
    void creation();
    void creationMemory_data();
    void creationMemory();
    void activation_data();
    void activation();
    void varied_data();
    void varied();
    void scrolling_data();
    void scrolling();

private:
    std::unique_ptr<QQuickItem> create(const QByteArray& document, double* milliseconds = nullptr);
    void record(const QString& measure, bool quilt, double value);

    QString m_dataHome;
    QUrl m_iconUrl;
    std::unique_ptr<QQmlEngine> m_engine;
    std::unique_ptr<QQuickWindow> m_window;
    QMap<QString, Figures> m_figures;
};

void BenchQuickItems::initTestCase()
{
    // The fixture icon theme: one 16 px icon, shown by name through the
    // platform plug-in and by file by the plain items.
    const QString theme = m_dataHome + u"/icons/" + QLatin1String(IconTheme);
    QVERIFY(QDir().mkpath(theme + u"/16x16/actions"));
    QFile index(theme + u"/index.theme");
    QVERIFY(index.open(QIODevice::WriteOnly));
    index.write("[Icon Theme]\nName=quiltbench\nDirectories=16x16/actions\n\n"
                "[16x16/actions]\nSize=16\nContext=Actions\nType=Fixed\n");
    index.close();
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(QColor(0x3d, 0xae, 0xe9));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QRectF(2, 2, 12, 12));
    }
    const QString iconFile = theme + u"/16x16/actions/bench-icon.png";
    QVERIFY(image.save(iconFile));
    m_iconUrl = QUrl::fromLocalFile(iconFile);
    QIcon::setThemeSearchPaths({ m_dataHome + u"/icons" });
    QIcon::setThemeName(QLatin1String(IconTheme));
    QVERIFY(!QIcon::fromTheme(QStringLiteral("bench-icon")).isNull());

    // After Qt Test's own handler, which it installs when it starts.
    previousHandler = qInstallMessageHandler(countBatches);
    qInfo() << "Platform" << QGuiApplication::platformName() << "render loop"
            << (qEnvironmentVariableIsSet("QSG_RENDER_LOOP") ? qgetenv("QSG_RENDER_LOOP") : QByteArray("(default)"))
            << "graphics API" << QQuickWindow::graphicsApi();
}

void BenchQuickItems::cleanupTestCase()
{
    qInfo().noquote() << "\nmeasure                              quilt      plain      ratio";
    for (auto it = m_figures.cbegin(); it != m_figures.cend(); ++it) {
        const Figures& f = it.value();
        qInfo().noquote() << QStringLiteral("%1 %2 %3 %4")
                                 .arg(it.key(), -34)
                                 .arg(f.quilt, 10, 'f', 3)
                                 .arg(f.plain, 10, 'f', 3)
                                 .arg(f.plain != 0 ? f.quilt / f.plain : 0.0, 8, 'f', 2);
    }
}

void BenchQuickItems::init()
{
    lastBatches = 0;
    m_engine = std::make_unique<QQmlEngine>();
    m_engine->addImportPath(QStringLiteral(QUILT_QML_PATH));
    m_window = std::make_unique<QQuickWindow>();
    m_window->resize(1000, 600);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    settle(m_window.get());
}

void BenchQuickItems::cleanup()
{
    m_window.reset();
    m_engine.reset();
}

std::unique_ptr<QQuickItem> BenchQuickItems::create(const QByteArray& document, double* milliseconds)
{
    return createInWindow(m_engine.get(), m_window.get(), document, milliseconds,
                          { { QStringLiteral("iconUrl"), m_iconUrl } });
}

void BenchQuickItems::record(const QString& measure, bool quilt, double value)
{
    // The partial rows only show where the cost lies; the table compares the
    // full Quick items with the plain ones.
    if (QLatin1String(QTest::currentDataTag()).startsWith(QLatin1String("quilt:")))
        return;
    (quilt ? m_figures[measure].quilt : m_figures[measure].plain) = value;
}

void BenchQuickItems::creation_data()
{
    QTest::addColumn<Parts>("parts");
    QTest::newRow("quilt") << Parts::Full;
    QTest::newRow("plain") << Parts::Plain;
    QTest::newRow("quilt: element only") << Parts::Element;
    QTest::newRow("quilt: element and rectangle") << Parts::ElementAndRectangle;
}

// QQmlComponent::create() of 1,000 items, then the time until their first
// frame is swapped.
void BenchQuickItems::creation()
{
    QFETCH(Parts, parts);
    const bool quilt = parts != Parts::Plain;
    const QByteArray document = gridDocument(parts, false);
    QList<double> createTimes;
    QList<double> totalTimes;
    int batches = 0;
    for (int i = 0; i < samplesPerCase; ++i) {
        double createMs = 0;
        const auto start = Clock::now();
        auto root = create(document, &createMs);
        QVERIFY(root);
        const auto swapped = waitForFrame(m_window.get());
        QVERIFY(swapped != Clock::time_point {});
        // QUILT_BENCH_GRAB=folder keeps a picture of each scene, to check
        // that both draw alike.
        if (i == 0 && qEnvironmentVariableIsSet("QUILT_BENCH_GRAB")) {
            m_window->grabWindow().save(qEnvironmentVariable("QUILT_BENCH_GRAB") + u"/creation-"
                                        + QLatin1String(QTest::currentDataTag()) + u".png");
        }
        createTimes.append(createMs);
        totalTimes.append(millisecondsBetween(start, swapped));
        // The scene as it stands, once the render thread is done with it.
        waitForFrame(m_window.get());
        batches = lastBatches;
        root.reset();
        settle(m_window.get());
    }
    const double createMedian = median(createTimes);
    const double totalMedian = median(totalTimes);
    qInfo() << "create() ms" << createMedian << "create() to first frame ms" << totalMedian << "batches" << batches;
    record(QStringLiteral("creation: create() ms"), quilt, createMedian);
    record(QStringLiteral("creation: to first frame ms"), quilt, totalMedian);
    record(QStringLiteral("creation: batches"), quilt, batches);
    QTest::setBenchmarkResult(totalMedian, QTest::WalltimeMilliseconds);
}

void BenchQuickItems::creationMemory_data()
{
    creation_data();
}

// Heap and resident growth from before create() until after the first frame,
// and the QObjects, per item.
void BenchQuickItems::creationMemory()
{
    QFETCH(Parts, parts);
    const bool quilt = parts != Parts::Plain;
    const QByteArray document = gridDocument(parts, false);
    // A first round warms the engine's type caches, the icon and the style.
    {
        auto warm = create(document);
        QVERIFY(warm);
        waitForFrame(m_window.get());
    }
    settle(m_window.get());
    malloc_trim(0);

    const qint64 heapBefore = heapInUse();
    const qint64 residentBefore = residentBytes();
    const qint64 objectsBefore = liveObjects;
    auto root = create(document);
    QVERIFY(root);
    QVERIFY(waitForFrame(m_window.get()) != Clock::time_point {});
    const double heapPerItem = double(heapInUse() - heapBefore) / itemCount;
    const double residentPerItem = double(residentBytes() - residentBefore) / itemCount;
    const double objectsPerItem = double(liveObjects - objectsBefore) / itemCount;
    qInfo() << "heap bytes/item" << heapPerItem << "resident bytes/item" << residentPerItem << "QObjects/item"
            << objectsPerItem;
    record(QStringLiteral("memory: heap bytes/item"), quilt, heapPerItem);
    record(QStringLiteral("memory: resident bytes/item"), quilt, residentPerItem);
    record(QStringLiteral("memory: QObjects/item"), quilt, objectsPerItem);
    QTest::setBenchmarkResult(heapPerItem, QTest::BytesAllocated);
}

void BenchQuickItems::activation_data()
{
    QTest::addColumn<bool>("distinctChains");
    QTest::newRow("warm cache") << false;
    QTest::newRow("1000 distinct chains") << true;
}

// From a change of the window element's "inactive" hint (what activation
// changes) until every element has queried again and the next frame is out.
void BenchQuickItems::activation()
{
    QFETCH(bool, distinctChains);
    auto root = create(gridDocument(Parts::Full, distinctChains));
    QVERIFY(root);
    QVERIFY(waitForFrame(m_window.get()) != Clock::time_point {});

    // The window's element exists once an element in it has completed.
    QObject* windowElement = nullptr;
    for (QObject* child : m_window->children()) {
        if (child->inherits("Quilt::Quick::QuickElement"))
            windowElement = child;
    }
    QVERIFY2(windowElement, "the window has no element");
    QObject* hint = nullptr;
    QVERIFY(QMetaObject::invokeMethod(windowElement, "hint", Q_RETURN_ARG(QObject*, hint),
                                      Q_ARG(QString, QStringLiteral("inactive"))));
    QVERIFY(hint);

    QList<double> times;
    for (int i = 0; i < 2 * samplesPerCase; ++i) {
        const auto start = Clock::now();
        hint->setProperty("when", !hint->property("when").toBool());
        const auto swapped = waitForFrame(m_window.get());
        QVERIFY(swapped != Clock::time_point {});
        if (i >= 2) // the first two fill the cache
            times.append(millisecondsBetween(start, swapped));
        settle(m_window.get());
    }
    const double result = median(times);
    qInfo() << "activation change to frame ms" << result;
    record(distinctChains ? QStringLiteral("activation: distinct chains ms") : QStringLiteral("activation: warm ms"),
           true, result);
    QTest::setBenchmarkResult(result, QTest::WalltimeMilliseconds);
}

void BenchQuickItems::varied_data()
{
    QTest::addColumn<bool>("quilt");
    QTest::newRow("quilt") << true;
    QTest::newRow("plain") << false;
}

// 1,000 rectangles of 50 widths and 5 colours: create() and first frame, and
// the batches the renderer needs for them.
void BenchQuickItems::varied()
{
    QFETCH(bool, quilt);
    const QByteArray document = variedDocument(quilt);
    QList<double> totalTimes;
    int batches = 0;
    for (int i = 0; i < samplesPerCase; ++i) {
        const auto start = Clock::now();
        auto root = create(document);
        QVERIFY(root);
        const auto swapped = waitForFrame(m_window.get());
        QVERIFY(swapped != Clock::time_point {});
        if (i == 0 && qEnvironmentVariableIsSet("QUILT_BENCH_GRAB")) {
            m_window->grabWindow().save(qEnvironmentVariable("QUILT_BENCH_GRAB") + u"/varied-"
                                        + QLatin1String(QTest::currentDataTag()) + u".png");
        }
        totalTimes.append(millisecondsBetween(start, swapped));
        waitForFrame(m_window.get());
        batches = lastBatches;
        root.reset();
        settle(m_window.get());
    }
    const double totalMedian = median(totalTimes);
    qInfo() << "create() to first frame ms" << totalMedian << "batches" << batches;
    record(QStringLiteral("50 widths x 5 colours: first frame ms"), quilt, totalMedian);
    record(QStringLiteral("50 widths x 5 colours: batches"), quilt, batches);
    QTest::setBenchmarkResult(totalMedian, QTest::WalltimeMilliseconds);
}

void BenchQuickItems::scrolling_data()
{
    QTest::addColumn<bool>("quilt");
    QTest::newRow("quilt") << true;
    QTest::newRow("plain") << false;
}

// A list of 10,000 delegates scrolled at a constant 1,200 px/s for three
// seconds: frame preparation time, median and 95th percentile.
void BenchQuickItems::scrolling()
{
    QFETCH(bool, quilt);
    auto list = create(listDocument(quilt));
    QVERIFY(list);
    QVERIFY(waitForFrame(m_window.get()) != Clock::time_point {});

    FrameTimer frames(m_window.get());
    QPropertyAnimation scroll(list.get(), "contentY");
    scroll.setStartValue(0.0);
    scroll.setEndValue(3600.0); // 1,200 px/s
    scroll.setDuration(3000);
    scroll.setEasingCurve(QEasingCurve::Linear);
    scroll.start();
    QTRY_COMPARE_WITH_TIMEOUT(scroll.state(), QAbstractAnimation::Stopped, 10000);
    settle(m_window.get());

    const QList<double> durations = frames.durations();
    QVERIFY2(durations.size() > 30, "too few frames");
    const double med = median(durations);
    const double p95 = percentile95(durations);
    const int batches = lastBatches;
    qInfo() << "frames" << durations.size() << "median ms" << med << "95th percentile ms" << p95 << "batches"
            << batches;
    record(QStringLiteral("scrolling: frame median ms"), quilt, med);
    record(QStringLiteral("scrolling: frame 95th pct ms"), quilt, p95);
    record(QStringLiteral("scrolling: batches"), quilt, batches);
    QTest::setBenchmarkResult(med, QTest::WalltimeMilliseconds);
}

int main(int argc, char** argv)
{
    // xcb with OpenGL unless the caller chose otherwise; the platform fixture
    // resolves icon names through the icon theme.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    if (!qEnvironmentVariableIsSet("QSG_RHI_BACKEND"))
        qputenv("QSG_RHI_BACKEND", "opengl");
    qputenv("QUILT_FORCE_PLATFORM", "testplain");
    qputenv("XDG_DATA_DIRS", QUILT_DATA_PATH);
    // Frames are timed from the start of their work until their swap: a swap
    // that waits for the vertical blank would count the wait as work.
    QSurfaceFormat format = QSurfaceFormat::defaultFormat();
    format.setSwapInterval(0);
    QSurfaceFormat::setDefaultFormat(format);
    // The batch count comes from the renderer's debug output.
    if (!qEnvironmentVariableIsSet("QSG_RENDERER_DEBUG"))
        qputenv("QSG_RENDERER_DEBUG", "render");
    countObjects();
    QuiltQuickTest::Environment environment(Css);
    QGuiApplication app(argc, argv);
    QCoreApplication::addLibraryPath(QStringLiteral(QUILT_PLUGIN_PATH));
    environment.load();
    BenchQuickItems bench(environment.xdg().dataHome());
    return QTest::qExec(&bench, argc, argv);
}

#include "bench_quickitems.moc"
