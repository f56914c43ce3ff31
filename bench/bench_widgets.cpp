// What painting costs under the Quilt widget style with halcyon, beside Fusion
// and beside Fusion with a style sheet that draws what halcyon draws
// (fusion-halcyon.qss). Every scene runs under the three styles in one run;
// the table at the end gives the times and the ratios against the targets:
// Quilt within 1.3 times Fusion and at most half the style sheet's time.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QMenu>
#include <QPainter>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QStyleFactory>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

#include "abstractelement.h"
#include "elementcache.h"
#include "elementquery_p.h"
#include "imagecache.h"
#include "paintcounters.h"
#include "quiltstyle.h"

#include <cstdio>
#include <functional>
#include <memory>
#include <optional>

namespace
{
enum StyleKind
{
    QuiltKind,
    Fusion,
    FusionSheet,
};

const char* styleName(int kind)
{
    switch (kind) {
    case QuiltKind:
        return "quilt";
    case Fusion:
        return "fusion";
    default:
        return "fusion+sheet";
    }
}

QIcon sampleIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(QColor(0x3d, 0x7e, 0xc9));
    return QIcon(pixmap);
}

// The widget of one paint scene, made anew under each style.
using Factory = std::function<QWidget*()>;

QMap<QString, Factory> paintScenes()
{
    QMap<QString, Factory> scenes;
    scenes.insert(QStringLiteral("push button"), [] { return new QPushButton(QStringLiteral("Push button")); });
    scenes.insert(QStringLiteral("push button default"), [] {
        auto* button = new QPushButton(QStringLiteral("Default"));
        button->setDefault(true);
        return button;
    });
    scenes.insert(QStringLiteral("push button menu icon"), [] {
        auto* button = new QPushButton(sampleIcon(), QStringLiteral("With menu"));
        button->setMenu(new QMenu(button));
        return button;
    });
    scenes.insert(QStringLiteral("check box"), [] {
        auto* box = new QCheckBox(QStringLiteral("Check box"));
        box->setChecked(true);
        return box;
    });
    scenes.insert(QStringLiteral("radio button"), [] {
        auto* button = new QRadioButton(QStringLiteral("Radio button"));
        button->setChecked(true);
        return button;
    });
    scenes.insert(QStringLiteral("combo box"), [] {
        auto* box = new QComboBox;
        box->addItems({ QStringLiteral("First choice"), QStringLiteral("Second") });
        return box;
    });
    scenes.insert(QStringLiteral("line edit"), [] { return new QLineEdit(QStringLiteral("Some text")); });
    scenes.insert(QStringLiteral("spin box"), [] {
        auto* box = new QSpinBox;
        box->setValue(42);
        return box;
    });
    scenes.insert(QStringLiteral("slider ticks"), [] {
        auto* slider = new QSlider(Qt::Horizontal);
        slider->setRange(0, 100);
        slider->setValue(40);
        slider->setTickPosition(QSlider::TicksBelow);
        slider->setTickInterval(10);
        slider->setMinimumWidth(200);
        return slider;
    });
    scenes.insert(QStringLiteral("scroll bar"), [] {
        auto* bar = new QScrollBar(Qt::Horizontal);
        bar->setRange(0, 100);
        bar->setValue(30);
        bar->setMinimumWidth(200);
        return bar;
    });
    scenes.insert(QStringLiteral("progress bar"), [] {
        auto* bar = new QProgressBar;
        bar->setValue(60);
        return bar;
    });
    scenes.insert(QStringLiteral("tab bar 10 tabs"), [] {
        auto* bar = new QTabBar;
        for (int i = 0; i < 10; ++i) {
            bar->addTab(QStringLiteral("Tab %1").arg(i + 1));
        }
        return bar;
    });
    scenes.insert(QStringLiteral("tool button menu"), [] {
        auto* button = new QToolButton;
        button->setIcon(sampleIcon());
        button->setText(QStringLiteral("Tool"));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setPopupMode(QToolButton::MenuButtonPopup);
        button->setMenu(new QMenu(button));
        return button;
    });
    scenes.insert(QStringLiteral("menu 20 items"), [] {
        auto* menu = new QMenu;
        for (int i = 0; i < 20; ++i) {
            if (i % 7 == 6) {
                menu->addSeparator();
            }
            auto* action = menu->addAction(QStringLiteral("Menu item %1").arg(i + 1));
            if (i % 5 == 0) {
                action->setShortcut(QKeySequence(QStringLiteral("Ctrl+%1").arg(i % 10)));
            }
        }
        return menu;
    });
    scenes.insert(QStringLiteral("header view"), [] {
        auto* model = new QStandardItemModel(0, 5);
        model->setHorizontalHeaderLabels({ QStringLiteral("Name"), QStringLiteral("Size"), QStringLiteral("Kind"),
                                           QStringLiteral("Date"), QStringLiteral("Tags") });
        auto* header = new QHeaderView(Qt::Horizontal);
        header->setModel(model);
        model->setParent(header);
        header->setSortIndicator(1, Qt::AscendingOrder);
        header->setSortIndicatorShown(true);
        return header;
    });
    scenes.insert(QStringLiteral("group box"), [] {
        auto* box = new QGroupBox(QStringLiteral("Group box"));
        box->setMinimumSize(200, 80);
        return box;
    });
    return scenes;
}

// Mean microseconds per call, over at least 50 ms and 20 calls.
double microseconds(const std::function<void()>& call)
{
    call();
    QElapsedTimer timer;
    timer.start();
    qint64 calls = 0;
    while (calls < 20 || timer.elapsed() < 50) {
        call();
        ++calls;
    }
    return double(timer.nsecsElapsed()) / 1000.0 / double(calls);
}

// The widget style's counters at one moment; a difference of two, divided by
// the paints between them, gives the work per paint.
struct Counters
{
    double cacheHits = 0;
    double cacheMisses = 0;
    double cacheSize = 0;
    double queries = 0;
    double queryMisses = 0;
    double elements = 0;
    double icons = 0;
    double masks = 0;
    double backgroundHits = 0;
    double backgroundMisses = 0;

    static Counters now()
    {
        const PaintCounters& paint = paintCounters();
        Counters c;
        c.cacheHits = double(paint.elementCacheHits);
        c.cacheMisses = double(paint.elementCacheMisses);
        c.cacheSize = double(elementCache().size());
        c.queries = double(Quilt::elementQueriesExecuted());
        c.queryMisses = double(Quilt::elementQueriesMatched());
        c.elements = double(AbstractElement::createdChainElements());
        c.icons = double(paint.iconsResolved);
        c.masks = double(builtAlphaMasks());
        c.backgroundHits = double(paint.backgroundCacheHits);
        c.backgroundMisses = double(paint.backgroundCacheMisses);
        return c;
    }

    // Per call between `before` and `after`; the cache size is the one after.
    static Counters perCall(const Counters& before, const Counters& after, double calls)
    {
        Counters c;
        c.cacheHits = (after.cacheHits - before.cacheHits) / calls;
        c.cacheMisses = (after.cacheMisses - before.cacheMisses) / calls;
        c.cacheSize = after.cacheSize;
        c.queries = (after.queries - before.queries) / calls;
        c.queryMisses = (after.queryMisses - before.queryMisses) / calls;
        c.elements = (after.elements - before.elements) / calls;
        c.icons = (after.icons - before.icons) / calls;
        c.masks = (after.masks - before.masks) / calls;
        c.backgroundHits = (after.backgroundHits - before.backgroundHits) / calls;
        c.backgroundMisses = (after.backgroundMisses - before.backgroundMisses) / calls;
        return c;
    }
};

struct Timing
{
    double perCall[3] = { 0, 0, 0 };
    QString unit = QStringLiteral("paint");
    // Under the Quilt style only.
    std::optional<Counters> counters;
};

// Runs `call` a fixed number of times after a warm-up and keeps what the
// widget style counted per call.
Counters countPerCall(const std::function<void()>& call, int calls)
{
    call();
    const Counters before = Counters::now();
    for (int i = 0; i < calls; ++i) {
        call();
    }
    return Counters::perCall(before, Counters::now(), calls);
}

QMap<QString, Timing> timings;
QString sheet;
int currentStyle = -1;

void useStyle(int kind)
{
    if (kind == currentStyle) {
        return;
    }
    qApp->setStyleSheet(QString());
    // The application owns its style and deletes the one it replaces.
    QApplication::setStyle(kind == QuiltKind ? static_cast<QStyle*>(new QuiltStyle)
                                             : QStyleFactory::create(QStringLiteral("Fusion")));
    if (kind == FusionSheet) {
        qApp->setStyleSheet(sheet);
    }
    currentStyle = kind;
}

QAbstractItemModel* tableModel(QObject* parent)
{
    auto* model = new QStandardItemModel(10000, 5, parent);
    for (int row = 0; row < 10000; ++row) {
        for (int column = 0; column < 5; ++column) {
            model->setData(model->index(row, column), QStringLiteral("Cell %1, %2").arg(row).arg(column));
        }
    }
    return model;
}

QAbstractItemModel* deepTreeModel(QObject* parent)
{
    auto* model = new QStandardItemModel(parent);
    std::function<void(QStandardItem*, int)> fill = [&](QStandardItem* item, int depth) {
        for (int i = 0; i < 4; ++i) {
            auto* child = new QStandardItem(QStringLiteral("Level %1, item %2").arg(depth).arg(i));
            item->appendRow(child);
            if (depth < 5) {
                fill(child, depth + 1);
            }
        }
    };
    fill(model->invisibleRootItem(), 0);
    return model;
}
} // namespace

class bench_Widgets : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(QStyleFactory::keys().contains(QStringLiteral("Fusion")));
        QFile file(QStringLiteral(QUILT_BENCH_STYLE_SHEET));
        QVERIFY(file.open(QIODevice::ReadOnly));
        sheet = QString::fromUtf8(file.readAll());
    }

    void cleanupTestCase()
    {
        std::printf("\n%-26s %10s %10s %13s %8s %8s  %s\n", "scene", "quilt us", "fusion us", "fusion+qss us", "q/f",
                    "q/qss", "targets (q/f <= 1.3, q/qss <= 0.5)");
        for (auto it = timings.cbegin(); it != timings.cend(); ++it) {
            const Timing& t = it.value();
            const double toFusion = t.perCall[Fusion] > 0 ? t.perCall[QuiltKind] / t.perCall[Fusion] : 0;
            const double toSheet = t.perCall[FusionSheet] > 0 ? t.perCall[QuiltKind] / t.perCall[FusionSheet] : 0;
            QStringList misses;
            if (toFusion > 1.3) {
                misses.append(QStringLiteral("MISS fusion"));
            }
            if (toSheet > 0.5) {
                misses.append(QStringLiteral("MISS sheet"));
            }
            std::printf("%-26s %10.1f %10.1f %13.1f %8.2f %8.2f  %s\n",
                        qPrintable(it.key() + QStringLiteral(" /") + t.unit), t.perCall[QuiltKind], t.perCall[Fusion],
                        t.perCall[FusionSheet], toFusion, toSheet,
                        misses.isEmpty() ? "met" : qPrintable(misses.join(QStringLiteral(", "))));
        }

        std::printf("\nquilt, per call: element cache hits, misses, size; queries run, of them result-cache misses;\n"
                    "chain elements created; icons resolved; alpha masks built; rendered backgrounds reused, "
                    "rendered afresh\n");
        std::printf("%-26s %7s %7s %5s %8s %7s %7s %6s %6s %7s %7s\n", "scene", "hits", "misses", "size", "queries",
                    "q.miss", "elems", "icons", "masks", "bg.hit", "bg.new");
        for (auto it = timings.cbegin(); it != timings.cend(); ++it) {
            if (!it->counters) {
                continue;
            }
            const Counters& c = *it->counters;
            std::printf("%-26s %7.1f %7.1f %5.0f %8.1f %7.1f %7.1f %6.1f %6.1f %7.1f %7.1f\n",
                        qPrintable(it.key() + QStringLiteral(" /") + it->unit), c.cacheHits, c.cacheMisses, c.cacheSize,
                        c.queries, c.queryMisses, c.elements, c.icons, c.masks, c.backgroundHits, c.backgroundMisses);
        }
        std::fflush(stdout);
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    }

    void paint_data()
    {
        QTest::addColumn<QString>("scene");
        QTest::addColumn<int>("style");
        for (int style : { QuiltKind, Fusion, FusionSheet }) {
            for (const QString& scene : paintScenes().keys()) {
                QTest::newRow(qPrintable(scene + u'/' + QLatin1StringView(styleName(style)))) << scene << style;
            }
        }
    }

    // One widget painted warm with QWidget::render into an image.
    void paint()
    {
        QFETCH(QString, scene);
        QFETCH(int, style);
        useStyle(style);
        std::unique_ptr<QWidget> widget(paintScenes().value(scene)());
        widget->ensurePolished();
        widget->resize(widget->sizeHint().expandedTo(QSize(40, 16)));
        QImage image(widget->size(), QImage::Format_ARGB32_Premultiplied);
        const auto render = [&] {
            image.fill(Qt::transparent);
            widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        };
        timings[scene].perCall[style] = microseconds(render);
        if (style == QuiltKind) {
            timings[scene].counters = countPerCall(render, 20);
        }
        QBENCHMARK
        {
            render();
        }
    }

    void coldPaint_data() { paint_data(); }

    // The first paint of a widget in a fresh process: nothing cached yet, not
    // the style's elements, queries or images, nor Qt's own.
    void coldPaint()
    {
        QFETCH(QString, scene);
        QFETCH(int, style);
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    { QStringLiteral("--cold"), scene, QString::number(style) });
        QVERIFY(child.waitForFinished(60000));
        bool ok = false;
        const double value = QString::fromUtf8(child.readAllStandardOutput()).trimmed().toDouble(&ok);
        QVERIFY2(ok, child.readAllStandardError().constData());
        timings[scene + QStringLiteral(" (cold)")].perCall[style] = value;
    }

    void scroll_data()
    {
        QTest::addColumn<bool>("tree");
        QTest::addColumn<int>("style");
        for (int style : { QuiltKind, Fusion, FusionSheet }) {
            QTest::newRow(qPrintable(QStringLiteral("table/%1").arg(QLatin1StringView(styleName(style)))))
                << false << style;
            QTest::newRow(qPrintable(QStringLiteral("tree/%1").arg(QLatin1StringView(styleName(style)))))
                << true << style;
        }
    }

    // A 10,000 x 5 table or a deep tree scrolled by one page per frame.
    void scroll()
    {
        QFETCH(bool, tree);
        QFETCH(int, style);
        useStyle(style);
        std::unique_ptr<QAbstractItemView> view;
        if (tree) {
            auto* treeView = new QTreeView;
            treeView->setModel(deepTreeModel(treeView));
            treeView->expandAll();
            view.reset(treeView);
        } else {
            auto* table = new QTableView;
            table->setModel(tableModel(table));
            table->setAlternatingRowColors(true);
            view.reset(table);
        }
        view->resize(600, 400);
        view->ensurePolished();
        QImage image(view->size(), QImage::Format_ARGB32_Premultiplied);
        QScrollBar* bar = view->verticalScrollBar();
        // Lay out once, so that the scroll range is known.
        view->render(&image);
        const auto frame = [&] {
            bar->setValue(bar->value() + bar->pageStep() > bar->maximum() ? 0 : bar->value() + bar->pageStep());
            view->render(&image);
        };
        const QString scene = tree ? QStringLiteral("scroll deep tree") : QStringLiteral("scroll table");
        timings[scene].unit = QStringLiteral("frame");
        timings[scene].perCall[style] = microseconds(frame);
        if (style == QuiltKind) {
            timings[scene].counters = countPerCall(frame, 10);
        }
        QBENCHMARK
        {
            frame();
        }
    }

    void form_data()
    {
        QTest::addColumn<int>("style");
        for (int style : { QuiltKind, Fusion, FusionSheet }) {
            QTest::newRow(styleName(style)) << style;
        }
    }

    // Building a form of 500 widgets and its first layout.
    void form()
    {
        QFETCH(int, style);
        useStyle(style);
        const auto build = [] {
            QWidget form;
            auto* layout = new QFormLayout(&form);
            for (int i = 0; i < 125; ++i) {
                layout->addRow(new QLabel(QStringLiteral("Field %1").arg(i)), new QLineEdit);
                auto* box = new QComboBox;
                box->addItem(QStringLiteral("Choice"));
                layout->addRow(new QCheckBox(QStringLiteral("Option %1").arg(i)), box);
            }
            form.ensurePolished();
            layout->activate();
            form.adjustSize();
        };
        timings[QStringLiteral("form of 500 widgets")].unit = QStringLiteral("build");
        timings[QStringLiteral("form of 500 widgets")].perCall[style] = microseconds(build);
        if (style == QuiltKind) {
            timings[QStringLiteral("form of 500 widgets")].counters = countPerCall(build, 2);
        }
        QBENCHMARK
        {
            build();
        }
    }

    void hover_data() { form_data(); }

    // The mouse moved over a list row by row, the list repainted each time.
    void hover()
    {
        QFETCH(int, style);
        useStyle(style);
        QListWidget list;
        for (int i = 0; i < 200; ++i) {
            list.addItem(QStringLiteral("List item %1").arg(i));
        }
        list.resize(300, 400);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QImage image(list.size(), QImage::Format_ARGB32_Premultiplied);
        int row = 0;
        const auto step = [&] {
            const QRect rect = list.visualItemRect(list.item(row));
            QTest::mouseMove(list.viewport(), rect.center());
            list.render(&image);
            row = (row + 1) % 15;
        };
        timings[QStringLiteral("hover sweep list")].unit = QStringLiteral("step");
        timings[QStringLiteral("hover sweep list")].perCall[style] = microseconds(step);
        if (style == QuiltKind) {
            timings[QStringLiteral("hover sweep list")].counters = countPerCall(step, 15);
        }
        QBENCHMARK
        {
            step();
        }
    }
};

// The child of coldPaint: prints the microseconds of one first paint.
int coldPaint(const QString& scene, int style)
{
    if (style == FusionSheet) {
        QFile file(QStringLiteral(QUILT_BENCH_STYLE_SHEET));
        if (!file.open(QIODevice::ReadOnly)) {
            return 1;
        }
        sheet = QString::fromUtf8(file.readAll());
    }
    const Factory factory = paintScenes().value(scene);
    if (!factory) {
        return 1;
    }
    // The style is set first: its own start (loading the style package) is
    // not part of painting.
    useStyle(style);
    QElapsedTimer timer;
    timer.start();
    std::unique_ptr<QWidget> widget(factory());
    widget->ensurePolished();
    widget->resize(widget->sizeHint().expandedTo(QSize(40, 16)));
    QImage image(widget->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    std::printf("%.1f\n", double(timer.nsecsElapsed()) / 1000.0);
    return 0;
}

int main(int argc, char** argv)
{
    // The build's halcyon and CSS plug-in, as the tests find them.
    qputenv("XDG_DATA_DIRS", QUILT_BENCH_DATA_PATH);
    qputenv("QUILT_STYLE_NAME", "halcyon");
    QApplication application(argc, argv);
    QCoreApplication::addLibraryPath(QStringLiteral(QUILT_BENCH_PLUGIN_PATH));
    if (argc == 4 && qstrcmp(argv[1], "--cold") == 0) {
        return coldPaint(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt());
    }
    bench_Widgets bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "bench_widgets.moc"
