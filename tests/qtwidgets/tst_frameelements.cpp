#include <QComboBox>
#include <QDockWidget>
#include <QGridLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPainter>
#include <QStackedLayout>
#include <QStyleOption>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QTreeView>
#include <QVBoxLayout>

#include "abstractelement.h"
#include "elementdispatch.h"
#include "quiltstyle.h"
#include "standins.h"
#include "widgettest.h"

#include <memory>

using QuiltWidgetTest::colorAt;
using QuiltWidgetTest::fixtureColor;

namespace
{
const QColor BorderColor(0xc0, 0x20, 0x80);
const QColor LineColor(0x30, 0x90, 0x40);

QByteArray styleSheet()
{
    return QuiltWidgetTest::standardStyleSheet() + R"(
Frame { border: 2px solid #c02080; }
Frame[shape=horizontal-line] { background-color: #309040; border: none; }
FocusFrame { padding: 2px 6px 2px 4px; }
)";
}

QuiltStyle* style()
{
    return QuiltWidgetTest::style();
}

QStyleOptionFrame frameOption(const QWidget* widget, QFrame::Shape shape = QFrame::StyledPanel)
{
    QStyleOptionFrame option;
    if (widget) {
        option.initFrom(widget);
    }
    option.rect = QRect(0, 0, 60, 40);
    option.frameShape = shape;
    return option;
}

QImage paintFrame(const QStyleOptionFrame& option, const QWidget* widget, int control, int primitive = -1)
{
    return QuiltWidgetTest::paintImage(option.rect.size(), [&](QPainter* painter) {
        if (control >= 0) {
            style()->drawControl(QStyle::ControlElement(control), &option, painter, widget);
        } else {
            style()->drawPrimitive(QStyle::PrimitiveElement(primitive), &option, painter, widget);
        }
    });
}

QStringList hintsOf(const QStyleOptionFrame& option, const QWidget* widget)
{
    QImage image(option.rect.size(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    style()->drawControl(QStyle::CE_ShapedFrame, &option, &painter, widget);
    const auto element
        = ElementDispatch::cachedElement({ ElementDispatch::DrawControl, QStyle::CE_ShapedFrame, &option, widget, {} });
    return element ? element->elementChain().last()->hints() : QStringList { QStringLiteral("no element") };
}

enum class Place
{
    Alone,
    SpacedWithOther,
    Grid,
    Dock,
    MainWindow,
    Stacked,
    ForcedOn,
    ForcedOff,
    BordersSides,
};
} // namespace

// Frames and their widths, and focus rectangles.
class tst_FrameElements : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void frameWidthOfViews_data();
    void frameWidthOfViews();
    void frameWidthOfWidgets();
    void shapedFrames();
    void shapesAndLines();
    void dockAndPageListHints();
    void frameContents();
    void focusRect();
};

void tst_FrameElements::frameWidthOfViews_data()
{
    QTest::addColumn<Place>("place");
    QTest::addColumn<int>("expected");

    QTest::newRow("alone in its parent's layout") << Place::Alone << 0;
    QTest::newRow("in a spaced layout with a second item") << Place::SpacedWithOther << 2;
    QTest::newRow("in a grid with spacing") << Place::Grid << 2;
    QTest::newRow("in a dock widget") << Place::Dock << 0;
    QTest::newRow("central widget of a main window") << Place::MainWindow << 0;
    QTest::newRow("in a stacked layout") << Place::Stacked << 0;
    QTest::newRow("_halcyon_force_frame true") << Place::ForcedOn << 2;
    QTest::newRow("_halcyon_force_frame false") << Place::ForcedOff << 0;
    QTest::newRow("_halcyon_borders_sides") << Place::BordersSides << 2;
}

void tst_FrameElements::frameWidthOfViews()
{
    QFETCH(Place, place);
    QFETCH(int, expected);

    std::unique_ptr<QWidget> root;
    auto* view = new QTreeView;
    switch (place) {
    case Place::Alone:
    case Place::ForcedOn:
    case Place::ForcedOff:
    case Place::BordersSides: {
        root = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(root.get());
        layout->setSpacing(6);
        layout->addWidget(view);
        break;
    }
    case Place::SpacedWithOther: {
        root = std::make_unique<QWidget>();
        auto* outer = new QVBoxLayout(root.get());
        // Nested, so the holding layout is found below the parent's own.
        auto* inner = new QVBoxLayout;
        outer->addLayout(inner);
        inner->setSpacing(6);
        inner->addWidget(new QLineEdit);
        inner->addWidget(view);
        break;
    }
    case Place::Grid: {
        root = std::make_unique<QWidget>();
        auto* grid = new QGridLayout(root.get());
        grid->setSpacing(4);
        grid->addWidget(view, 0, 0);
        break;
    }
    case Place::Dock: {
        auto window = std::make_unique<QMainWindow>();
        auto* dock = new QDockWidget(QStringLiteral("Dock"), window.get());
        dock->setWidget(view);
        window->addDockWidget(Qt::LeftDockWidgetArea, dock);
        root = std::move(window);
        break;
    }
    case Place::MainWindow: {
        auto window = std::make_unique<QMainWindow>();
        window->setCentralWidget(view);
        root = std::move(window);
        break;
    }
    case Place::Stacked: {
        root = std::make_unique<QWidget>();
        auto* stack = new QStackedLayout(root.get());
        stack->setSpacing(6);
        stack->addWidget(view);
        stack->addWidget(new QLineEdit);
        break;
    }
    }
    if (place == Place::ForcedOn || place == Place::ForcedOff) {
        view->setProperty("_halcyon_force_frame", place == Place::ForcedOn);
    }
    if (place == Place::BordersSides) {
        view->setProperty("_halcyon_borders_sides", QVariant::fromValue(int(Qt::TopEdge)));
    }
    QVERIFY(QuiltWidgetTest::showAndWait(root.get()));

    const QStyleOptionFrame option = frameOption(view);
    QCOMPARE(style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, view), expected);
}

void tst_FrameElements::frameWidthOfWidgets()
{
    QLineEdit edit;
    QMenu menu;
    QComboBox combo;
    QTabWidget tabs;
    QTextBrowser browser;
    LoomSuggestBox suggest;
    QFrame plain;
    const QList<std::pair<QWidget*, int>> cases {
        { &edit, 2 }, { &menu, 2 }, { &combo, 2 }, { &tabs, 2 }, { &browser, 2 }, { &suggest, 2 }, { &plain, 0 },
    };
    for (const auto& [widget, expected] : cases) {
        const QStyleOptionFrame option = frameOption(widget);
        QVERIFY2(style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, widget) == expected,
                 widget->metaObject()->className());
    }
    // Without a widget there is nothing to frame.
    const QStyleOptionFrame option = frameOption(nullptr);
    QCOMPARE(style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, nullptr), 0);
}

void tst_FrameElements::shapedFrames()
{
    QFrame plain;
    const QPoint edge(1, 20);
    const QPoint middle(30, 20);

    // A box is painted whatever its width.
    QImage image = paintFrame(frameOption(&plain, QFrame::Box), &plain, QStyle::CE_ShapedFrame);
    QUILT_COMPARE_COLOR(colorAt(image, edge), BorderColor);
    QUILT_COMPARE_COLOR(colorAt(image, middle), fixtureColor("Frame"));

    // A styled panel only with a frame width: none for a plain frame...
    image = paintFrame(frameOption(&plain), &plain, QStyle::CE_ShapedFrame);
    QUILT_COMPARE_COLOR(colorAt(image, edge), QColor(Qt::transparent));

    // ... until a property asks for one.
    plain.setProperty("_halcyon_force_frame", true);
    image = paintFrame(frameOption(&plain), &plain, QStyle::CE_ShapedFrame);
    QUILT_COMPARE_COLOR(colorAt(image, edge), BorderColor);

    // Asked to be frameless, nothing is painted, not even a box.
    plain.setProperty("_halcyon_force_frame", false);
    image = paintFrame(frameOption(&plain, QFrame::Box), &plain, QStyle::CE_ShapedFrame);
    QUILT_COMPARE_COLOR(colorAt(image, middle), QColor(Qt::transparent));

    // The frame primitives paint the border of a panel.
    QTreeView view;
    image = paintFrame(frameOption(&view), &view, -1, QStyle::PE_Frame);
    QUILT_COMPARE_COLOR(colorAt(image, edge), BorderColor);
}

void tst_FrameElements::shapesAndLines()
{
    QFrame line;
    line.setFrameShape(QFrame::HLine);
    QImage image = paintFrame(frameOption(&line, QFrame::HLine), &line, -1, QStyle::PE_Frame);
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(30, 20)), LineColor);

    // A frameless frame paints its background only when it fills it.
    QFrame bare;
    image = paintFrame(frameOption(&bare, QFrame::NoFrame), &bare, -1, QStyle::PE_Frame);
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(30, 20)), QColor(Qt::transparent));
    bare.setAutoFillBackground(true);
    image = paintFrame(frameOption(&bare, QFrame::NoFrame), &bare, -1, QStyle::PE_Frame);
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(30, 20)), fixtureColor("Frame"));
    // The background only: no border.
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(1, 20)), QColor(Qt::transparent));

    // A shape outside the enumeration carries no attribute.
    QStyleOptionFrame odd = frameOption(&bare, QFrame::Shape(7));
    hintsOf(odd, &bare);
    const auto element
        = ElementDispatch::cachedElement({ ElementDispatch::DrawControl, QStyle::CE_ShapedFrame, &odd, &bare, {} });
    QVERIFY(element);
    QVERIFY(element->elementChain().last()->attributes().isEmpty());
}

void tst_FrameElements::dockAndPageListHints()
{
    QMainWindow window;
    auto* dock = new QDockWidget(QStringLiteral("Dock"), &window);
    auto* content = new QTreeView;
    dock->setWidget(content);
    window.addDockWidget(Qt::BottomDockWidgetArea, dock);
    QVERIFY(QuiltWidgetTest::showAndWait(&window));
    QVERIFY(hintsOf(frameOption(content), content).contains(QStringLiteral("dock-bottom")));

    dock->setFeatures(QDockWidget::NoDockWidgetFeatures);
    dock->setFloating(true);
    for (const QString& hint : hintsOf(frameOption(content), content)) {
        QVERIFY2(!hint.startsWith(QStringLiteral("dock-")), qPrintable(hint));
    }

    VYRPrivate::LoomPageList pages;
    QCOMPARE(hintsOf(frameOption(&pages), &pages), QStringList { QStringLiteral("panel-left") });
    QApplication::setLayoutDirection(Qt::RightToLeft);
    const QStyleOptionFrame mirrored = frameOption(&pages);
    QApplication::setLayoutDirection(Qt::LeftToRight);
    QCOMPARE(mirrored.direction, Qt::RightToLeft);
    QCOMPARE(hintsOf(mirrored, &pages), QStringList { QStringLiteral("panel-right") });
}

void tst_FrameElements::frameContents()
{
    // Without a widget the frame width is 0: only the border is taken off.
    QStyleOptionFrame option = frameOption(nullptr);
    option.rect = QRect(0, 0, 100, 50);
    QCOMPARE(style()->subElementRect(QStyle::SE_FrameContents, &option, nullptr), QRect(2, 2, 96, 46));

    // A line edit's frame width comes off first.
    QLineEdit edit;
    option = frameOption(&edit);
    option.rect = QRect(0, 0, 100, 50);
    QCOMPARE(style()->subElementRect(QStyle::SE_FrameContents, &option, &edit), QRect(4, 4, 92, 42));

    // Frames taking turns each get their own answer again.
    option = frameOption(nullptr);
    option.rect = QRect(0, 0, 100, 50);
    QCOMPARE(style()->subElementRect(QStyle::SE_FrameContents, &option, nullptr), QRect(2, 2, 96, 46));
    option = frameOption(&edit);
    option.rect = QRect(0, 0, 100, 50);
    QCOMPARE(style()->subElementRect(QStyle::SE_FrameContents, &option, &edit), QRect(4, 4, 92, 42));
}

void tst_FrameElements::focusRect()
{
    QStyleOptionFocusRect option;
    option.rect = QRect(0, 0, 30, 20);
    option.state = QStyle::State_Enabled | QStyle::State_FocusAtBorder;
    const QImage image = QuiltWidgetTest::paintImage(option.rect.size(), [&](QPainter* painter) {
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, painter, nullptr);
    });
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(15, 10)), fixtureColor("FocusFrame"));
    const auto element = ElementDispatch::cachedElement(
        { ElementDispatch::DrawPrimitive, QStyle::PE_FrameFocusRect, &option, nullptr, {} });
    QVERIFY(element);
    QCOMPARE(element->elementChain().last()->hints(), QStringList { QStringLiteral("focus-at-border") });

    QCOMPARE(style()->pixelMetric(QStyle::PM_FocusFrameHMargin, &option, nullptr), 5);
    QCOMPARE(style()->pixelMetric(QStyle::PM_FocusFrameVMargin, &option, nullptr), 2);
    // QFocusFrame asks with a plain option: the common style answers.
    QStyleOption plain;
    QCOMPARE(style()->pixelMetric(QStyle::PM_FocusFrameHMargin, &plain, nullptr),
             style()->QCommonStyle::pixelMetric(QStyle::PM_FocusFrameHMargin, &plain, nullptr));
}

QUILT_WIDGET_TEST_MAIN(tst_FrameElements, styleSheet())

#include "tst_frameelements.moc"
