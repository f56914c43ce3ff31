#include <QProgressBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QStyleOption>
#include <QTest>
#include <QVBoxLayout>

#include "directionrows.h"
#include "elementcache.h"
#include "elementdispatch.h"
#include "quiltstyle.h"
#include "sliderelement.h"
#include "widgettest.h"

#include <climits>

using QuiltWidgetTest::colorAt;
using QuiltWidgetTest::containsColor;

namespace
{
const QColor GrooveColor(0x20, 0x40, 0x60);
const QColor HandleColor(0xe0, 0xa0, 0x30);
const QColor SliderGrooveColor(0x30, 0x80, 0x30);
const QColor FillColor(0xc0, 0x30, 0x30);
const QColor SliderHandleColor(0x30, 0x30, 0xc0);
const QColor TickColor(0x90, 0x90, 0x10);
const QColor ActiveTickColor(0x10, 0x90, 0x90);
const QColor ProgressGrooveColor(0x50, 0x20, 0x70);
const QColor TrackColor(0xf0, 0x70, 0x20);
const QColor ChunkColor(0x70, 0xf0, 0x20);
const QColor WindowColor(0xd0, 0xd0, 0xd0);
const QColor FocusColor(0xf0, 0x10, 0xf0);

QByteArray styleSheet()
{
    return R"(
ApplicationWindow { background-color: #d0d0d0; }
ScrollBar { width: 8px; height: 8px; background-color: #204060; }
ScrollBar Handle { background-color: #e0a030; }
Slider { width: 4px; height: 4px; background-color: #308030; }
Slider Fill { background-color: #c03030; }
Slider Handle { width: 12px; height: 12px; padding: 1px; background-color: #3030c0; }
Slider TickMark { width: 1px; height: 3px; margin: 1px; background-color: #909010; }
Slider TickMark.vertical { width: 3px; height: 1px; }
Slider TickMark.active { background-color: #109090; }
ProgressBar { height: 10px; width: 10px; background-color: #502070; }
ProgressBar Track { background-color: #f07020; }
ProgressBar Chunk { width: 7px; background-color: #70f020; }
FocusFrame { border: 1px solid #f010f0; }
)";
}

class ScrollBar : public QScrollBar
{
public:
    using QScrollBar::initStyleOption;
    using QScrollBar::QScrollBar;

    QRect thumb() const
    {
        QStyleOptionSlider option;
        initStyleOption(&option);
        return style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
    }
};

class Slider : public QSlider
{
public:
    using QSlider::initStyleOption;
    using QSlider::QSlider;

    QRect handle() const
    {
        QStyleOptionSlider option;
        initStyleOption(&option);
        return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    }
};

// A scroll area whose content is wide and tall enough for both bars.
struct ScrollAreaFixture
{
    QScrollArea area;
    ScrollBar* horizontal = new ScrollBar(Qt::Horizontal);
    ScrollBar* vertical = new ScrollBar(Qt::Vertical);

    explicit ScrollAreaFixture(Qt::LayoutDirection direction)
    {
        area.setLayoutDirection(direction);
        area.setHorizontalScrollBar(horizontal);
        area.setVerticalScrollBar(vertical);
        auto* content = new QWidget;
        content->setFixedSize(800, 800);
        area.setWidget(content);
        area.resize(208, 208);
    }
};

QStyleOptionProgressBar progressOption(int minimum, int maximum, int progress)
{
    QStyleOptionProgressBar option;
    option.rect = QRect(0, 0, 200, 20);
    option.state = QStyle::State_Enabled | QStyle::State_Horizontal;
    option.minimum = minimum;
    option.maximum = maximum;
    option.progress = progress;
    option.textVisible = true;
    option.text = QStringLiteral("50%");
    return option;
}

QRect progressRect(const QStyleOptionProgressBar& option, QStyle::SubElement element)
{
    return QuiltWidgetTest::style()->subElementRect(element, &option, nullptr);
}
} // namespace

// Scroll bars, sliders and progress bars drawn, measured and hit-tested from
// the fixture style.
class tst_RangeElements : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void scrollBarMetrics();
    void scrollBarThumb();
    void scrollBarMouse_data();
    void scrollBarMouse();
    void scrollBarEdgeCases();
    void scrollBarFocusFrame();
    void scrollBarOutOfSight();

    void sliderColours_data();
    void sliderColours();
    void sliderTicks();
    void sliderTickHints();
    void sliderHugeRange();
    void sliderOutOfSight();

    void progressContents_data();
    void progressContents();
    void progressWidget();
    void progressLabelAndChunk();
};

void tst_RangeElements::scrollBarMetrics()
{
    QScrollBar bar(Qt::Horizontal);
    QStyleOptionSlider option;
    option.orientation = Qt::Horizontal;
    option.state = QStyle::State_Horizontal;
    QCOMPARE(QuiltWidgetTest::style()->pixelMetric(QStyle::PM_ScrollBarExtent, &option, &bar), 8);
    QCOMPARE(QuiltWidgetTest::style()->pixelMetric(QStyle::PM_ScrollBarSliderMin, &option, &bar), 16);
}

void tst_RangeElements::scrollBarThumb()
{
    ScrollAreaFixture fixture(Qt::LeftToRight);
    QVERIFY(QuiltWidgetTest::showAndWait(&fixture.area));
    ScrollBar* bar = fixture.horizontal;
    QCOMPARE(bar->height(), 8);

    // The thumb's share of the groove is the page's share of the content.
    const int groove = bar->width();
    const int expected = int(double(bar->pageStep()) * groove / (bar->maximum() - bar->minimum() + bar->pageStep()));
    QRect thumb = bar->thumb();
    QCOMPARE(thumb.width(), std::max(expected, 16));
    QCOMPARE(thumb.left(), 0);

    const QImage image = QuiltWidgetTest::grabImage(bar);
    QUILT_COMPARE_COLOR(colorAt(image, thumb.center()), HandleColor);
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(groove - 3, 4)), GrooveColor);

    // A long page still leaves a thumb twice the thickness.
    bar->setRange(0, 100000);
    QCOMPARE(bar->thumb().width(), 16);
}

void tst_RangeElements::scrollBarMouse_data()
{
    QuiltTest::directionRows();
}

void tst_RangeElements::scrollBarMouse()
{
    QFETCH(Qt::LayoutDirection, direction);
    const bool rtl = direction == Qt::RightToLeft;
    ScrollAreaFixture fixture(direction);
    QVERIFY(QuiltWidgetTest::showAndWait(&fixture.area));
    ScrollBar* bar = fixture.horizontal;
    bar->setValue(bar->minimum());

    // At the minimum the thumb sits where the bar starts: left, or right to left
    // at the right end.
    QRect thumb = bar->thumb();
    QCOMPARE(rtl ? thumb.right() : thumb.left(), rtl ? bar->width() - 1 : 0);
    const QImage image = QuiltWidgetTest::grabImage(bar);
    QUILT_COMPARE_COLOR(colorAt(image, thumb.center()), HandleColor);

    // A click on the groove beyond the thumb moves it towards the click.
    const QPoint beyond(rtl ? thumb.left() - 20 : thumb.right() + 20, 4);
    QTest::mouseClick(bar, Qt::LeftButton, {}, beyond);
    QVERIFY(bar->value() > bar->minimum());
    thumb = bar->thumb();
    QVERIFY2(thumb.contains(beyond), qPrintable(QStringLiteral("thumb %1..%2").arg(thumb.left()).arg(thumb.right())));

    // And a click on the near side moves it back.
    const int before = bar->value();
    const QPoint near(rtl ? bar->width() - 2 : 1, 4);
    QTest::mouseClick(bar, Qt::LeftButton, {}, near);
    QVERIFY(bar->value() < before);

    // A drag follows the mouse.
    bar->setValue(bar->minimum());
    thumb = bar->thumb();
    const QPoint grip = thumb.center();
    const int dx = rtl ? -30 : 30;
    QTest::mousePress(bar, Qt::LeftButton, {}, grip);
    QTest::mouseMove(bar, grip + QPoint(dx / 2, 0));
    QTest::mouseMove(bar, grip + QPoint(dx, 0));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, grip + QPoint(dx, 0));
    QVERIFY(bar->value() > bar->minimum());
    QVERIFY(qAbs(bar->thumb().center().x() - (grip.x() + dx)) <= 2);
}

void tst_RangeElements::scrollBarEdgeCases()
{
    QStyle* style = QuiltWidgetTest::style();
    QStyleOptionSlider option;
    option.rect = QRect(0, 0, 200, 8);
    option.orientation = Qt::Horizontal;
    option.state = QStyle::State_Enabled | QStyle::State_Horizontal;
    option.subControls = QStyle::SC_All;
    option.minimum = 5;
    option.maximum = 5;
    option.pageStep = 10;

    // Nothing to scroll: the thumb fills the groove.
    QCOMPARE(style->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, nullptr),
             QRect(0, 0, 200, 8));

    // Upside down, the minimum sits at the far end.
    option.maximum = 100;
    option.sliderPosition = 5;
    option.upsideDown = true;
    const QRect thumb = style->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, nullptr);
    QCOMPARE(thumb.right(), 199);
    // A position past the maximum keeps the thumb in the groove.
    option.upsideDown = false;
    option.sliderPosition = 1000;
    QCOMPARE(style->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, nullptr).right(), 199);
    QCOMPARE(style->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarAddLine, nullptr), QRect());
    QCOMPARE(style->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSubPage, nullptr), QRect());

    // Line and page controls draw nothing.
    const QImage image = QuiltWidgetTest::paintImage(QSize(200, 8), [&](QPainter* painter) {
        style->drawControl(QStyle::CE_ScrollBarAddPage, &option, painter, nullptr);
    });
    QVERIFY(!containsColor(image, image.rect(), GrooveColor));
    QVERIFY(!containsColor(image, image.rect(), HandleColor));
}

void tst_RangeElements::scrollBarFocusFrame()
{
    // The bar asks for its focus frame with a focus rectangle option, so the
    // focus element draws it in the style's focus colour around the thumb.
    ScrollBar bar(Qt::Horizontal);
    bar.setFocusPolicy(Qt::StrongFocus);
    bar.setRange(0, 100);
    bar.resize(200, 8);
    QVERIFY(QuiltWidgetTest::showAndWait(&bar));
    const QRect thumb = bar.thumb();
    const QImage before = QuiltWidgetTest::grabImage(&bar);
    QVERIFY(!containsColor(before, before.rect(), FocusColor));

    bar.activateWindow();
    bar.setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(bar.hasFocus());
    const QImage focused = QuiltWidgetTest::grabImage(&bar);
    QVERIFY2(containsColor(focused, thumb.adjusted(-1, 0, 1, 0), FocusColor), "no focus frame around the thumb");
    QUILT_COMPARE_COLOR(colorAt(focused, QPoint(thumb.right() + 10, 4)), GrooveColor);
}

void tst_RangeElements::scrollBarOutOfSight()
{
    // Half of the bar lies outside its container.
    QWidget container;
    container.resize(100, 40);
    auto* bar = new ScrollBar(Qt::Horizontal, &container);
    bar->setRange(0, 100);
    bar->setPageStep(100);
    bar->setGeometry(-100, 10, 200, 8);
    QVERIFY(QuiltWidgetTest::showAndWait(&container));
    // Half of the 200 pixels: the thumb keeps its place in the whole bar.
    QCOMPARE(bar->thumb(), QRect(0, 0, 100, 8));
    const QImage image = QuiltWidgetTest::grabImage(&container);
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(20, 14)), GrooveColor);

    // A bar that was never shown is drawn whole.
    ScrollBar unshown(Qt::Horizontal);
    unshown.setRange(0, 100);
    unshown.setPageStep(100);
    unshown.resize(200, 8);
    const QImage grabbed = QuiltWidgetTest::grabImage(&unshown);
    QUILT_COMPARE_COLOR(colorAt(grabbed, QPoint(50, 4)), HandleColor);
    QUILT_COMPARE_COLOR(colorAt(grabbed, QPoint(150, 4)), GrooveColor);
}

void tst_RangeElements::sliderColours_data()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("inverted");

    for (const Qt::Orientation orientation : { Qt::Horizontal, Qt::Vertical }) {
        const char* name = orientation == Qt::Horizontal ? "horizontal" : "vertical";
        for (const int value : { 0, 50, 100 }) {
            for (const bool inverted : { false, true }) {
                QTest::addRow("%s %d%s", name, value, inverted ? " inverted" : "") << orientation << value << inverted;
            }
        }
    }
}

void tst_RangeElements::sliderColours()
{
    QFETCH(Qt::Orientation, orientation);
    QFETCH(int, value);
    QFETCH(bool, inverted);
    const bool horizontal = orientation == Qt::Horizontal;

    Slider slider(orientation);
    slider.setRange(0, 100);
    slider.setValue(value);
    slider.setInvertedAppearance(inverted);
    slider.resize(horizontal ? QSize(204, 30) : QSize(30, 204));
    const QImage image = QuiltWidgetTest::grabImage(&slider);

    // Along the groove (the default frame width of 2 from each end), across
    // at its centre.
    auto at = [&](int along) {
        return horizontal ? QPoint(along, 15) : QPoint(15, along);
    };
    const QRect handle = slider.handle();
    QCOMPARE(handle.size(), QSize(12, 12));
    QUILT_COMPARE_COLOR(colorAt(image, handle.center()), SliderHandleColor);

    // Points a quarter in from either end, away from the handle. Vertical
    // sliders count from the bottom; inverted ones from the other end.
    const bool fromFarEnd = inverted != !horizontal;
    for (const int quarter : { 1, 3 }) {
        const int along = 2 + quarter * 200 / 4;
        const QPoint point = at(along);
        if (handle.adjusted(-2, -2, 2, 2).contains(point)) {
            continue;
        }
        const double share = fromFarEnd ? (204 - along) / 204.0 : along / 204.0;
        const QColor expected = share < value / 100.0 ? FillColor : SliderGrooveColor;
        QUILT_COMPARE_COLOR(colorAt(image, point), expected);
    }
    // Outside the groove across: the window.
    QVERIFY(
        !QuiltWidgetTest::fuzzyColor(colorAt(image, horizontal ? QPoint(50, 4) : QPoint(4, 50)), SliderGrooveColor));
}

void tst_RangeElements::sliderTicks()
{
    Slider slider(Qt::Horizontal);
    slider.setRange(0, 100);
    slider.setTickInterval(10);
    slider.setTickPosition(QSlider::TicksBothSides);
    slider.setValue(50);
    slider.resize(212, 40);
    const QImage image = QuiltWidgetTest::grabImage(&slider);

    // The ticks, 3 high, sit 2 beside the handle's path on both sides (not
    // over the groove the handle covers); tick v at x = pos(v) + half the
    // handle - 1.
    QStyleOptionSlider handleOption;
    slider.initStyleOption(&handleOption);
    const QRect handle
        = QuiltWidgetTest::style()->subControlRect(QStyle::CC_Slider, &handleOption, QStyle::SC_SliderHandle, &slider);
    const int available = 212 - 10; // the handle less its padding
    for (const int v : { 0, 20, 50, 60, 100 }) {
        const int x = QStyle::sliderPositionFromValue(0, 100, v, available, false) + 5 - 1;
        const QColor expected = v <= 50 ? ActiveTickColor : TickColor;
        const QRect above(x - 1, handle.top() - 2 - 3 - 1, 3, 4);
        const QRect below(x - 1, handle.bottom() + 2, 3, 4);
        QVERIFY(!above.intersects(handle) && !below.intersects(handle));
        QVERIFY2(containsColor(image, above, expected), qPrintable(QStringLiteral("above %1").arg(v)));
        QVERIFY2(containsColor(image, below, expected), qPrintable(QStringLiteral("below %1").arg(v)));
    }

    // The ticks make room for themselves.
    QStyleOptionSlider option;
    slider.initStyleOption(&option);
    const QSize plain = QuiltWidgetTest::style()->sizeFromContents(QStyle::CT_Slider, &option, QSize(20, 20), &slider);
    QCOMPARE(plain.height(), 20 + 3 + 3);
}

void tst_RangeElements::sliderTickHints()
{
    QStyleOptionSlider option;
    option.rect = QRect(0, 0, 200, 30);
    option.orientation = Qt::Horizontal;
    option.state = QStyle::State_Enabled | QStyle::State_Horizontal;
    option.subControls = QStyle::SC_All;
    option.tickPosition = QSlider::TicksAbove;
    option.tickInterval = 10;
    option.maximum = 100;
    option.sliderPosition = 100;
    option.sliderValue = 100;

    QuiltWidgetTest::paintImage(QSize(200, 30), [&](QPainter* painter) {
        QuiltWidgetTest::style()->drawComplexControl(QStyle::CC_Slider, &option, painter, nullptr);
    });
    const auto element = std::dynamic_pointer_cast<SliderElement>(ElementDispatch::cachedElement(
        { ElementDispatch::DrawComplexControl, QStyle::CC_Slider, &option, nullptr, {} }));
    QVERIFY(element);
    // Every tick was active; the tick element says so once.
    QCOMPARE(element->tickChain().last()->hints().count(QStringLiteral("active")), 1);
}

void tst_RangeElements::sliderHugeRange()
{
    QStyleOptionSlider option;
    option.rect = QRect(0, 0, 200, 30);
    option.orientation = Qt::Horizontal;
    option.state = QStyle::State_Enabled | QStyle::State_Horizontal;
    option.subControls = QStyle::SC_All;
    option.tickPosition = QSlider::TicksBelow;
    option.minimum = 0;
    option.maximum = INT_MAX;
    option.tickInterval = INT_MAX / 2 + 1;
    option.sliderPosition = INT_MAX;
    option.sliderValue = INT_MAX;

    // Stepping past INT_MAX ends the loop.
    const QImage image = QuiltWidgetTest::paintImage(QSize(200, 30), [&](QPainter* painter) {
        QuiltWidgetTest::style()->drawComplexControl(QStyle::CC_Slider, &option, painter, nullptr);
    });
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(50, 15)), FillColor);

    // A value past the maximum fills the groove and no further.
    option.maximum = 100;
    option.sliderPosition = 0;
    option.sliderValue = 200;
    const QImage over = QuiltWidgetTest::paintImage(QSize(200, 30), [&](QPainter* painter) {
        QuiltWidgetTest::style()->drawComplexControl(QStyle::CC_Slider, &option, painter, nullptr);
    });
    QUILT_COMPARE_COLOR(colorAt(over, QPoint(197, 15)), FillColor);
    QCOMPARE(colorAt(over, QPoint(199, 15)).alpha(), 0);
}

void tst_RangeElements::sliderOutOfSight()
{
    QScrollArea area;
    auto* content = new QWidget;
    content->setFixedSize(600, 100);
    auto* slider = new Slider(Qt::Horizontal, content);
    slider->setGeometry(0, 10, 400, 30);
    slider->setRange(0, 100);
    slider->setValue(100);
    area.setWidget(content);
    area.resize(200, 120);
    QVERIFY(QuiltWidgetTest::showAndWait(&area));

    const QRect whole = slider->handle();
    QCOMPARE(whole.right(), 399);
    area.horizontalScrollBar()->setValue(150);
    QCOMPARE(slider->handle(), whole);
}

void tst_RangeElements::progressContents_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("progress");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<Qt::LayoutDirection>("direction");
    QTest::addColumn<bool>("inverted");
    QTest::addColumn<QRect>("expected");

    const auto ltr = Qt::LeftToRight;
    const auto rtl = Qt::RightToLeft;
    // The groove: 200 x 10, centred in 200 x 20.
    QTest::newRow("0%") << 0 << 100 << 0 << false << ltr << false << QRect(0, 5, 0, 10);
    QTest::newRow("50%") << 0 << 100 << 50 << false << ltr << false << QRect(0, 5, 100, 10);
    QTest::newRow("100%") << 0 << 100 << 100 << false << ltr << false << QRect(0, 5, 200, 10);
    QTest::newRow("busy") << 0 << 0 << 0 << false << ltr << false << QRect(0, 5, 200, 10);
    QTest::newRow("new") << 0 << 100 << -1 << false << ltr << false << QRect(0, 5, 0, 10);
    QTest::newRow("new rtl") << 0 << 100 << -1 << false << rtl << false << QRect(200, 5, 0, 10);
    QTest::newRow("above maximum") << 0 << 100 << 150 << false << ltr << false << QRect(0, 5, 200, 10);
    QTest::newRow("whole int range") << INT_MIN << INT_MAX << 0 << false << ltr << false << QRect(0, 5, 100, 10);
    QTest::newRow("equal ends") << 7 << 7 << 7 << false << ltr << false << QRect(0, 5, 0, 10);
    QTest::newRow("inverted") << 0 << 100 << 50 << false << ltr << true << QRect(100, 5, 100, 10);
    QTest::newRow("rtl") << 0 << 100 << 50 << false << rtl << false << QRect(100, 5, 100, 10);
    QTest::newRow("rtl inverted") << 0 << 100 << 50 << false << rtl << true << QRect(0, 5, 100, 10);
    // Vertical: 10 x 200 centred in 20 x 200, filled from the bottom, one
    // pixel low.
    QTest::newRow("vertical") << 0 << 100 << 50 << true << ltr << false << QRect(5, 101, 10, 100);
    QTest::newRow("vertical inverted") << 0 << 100 << 50 << true << ltr << true << QRect(5, 0, 10, 100);
}

void tst_RangeElements::progressContents()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, progress);
    QFETCH(bool, vertical);
    QFETCH(Qt::LayoutDirection, direction);
    QFETCH(bool, inverted);
    QFETCH(QRect, expected);

    QStyleOptionProgressBar option = progressOption(minimum, maximum, progress);
    if (vertical) {
        option.rect = QRect(0, 0, 20, 200);
        option.state &= ~QStyle::State_Horizontal;
    }
    option.direction = direction;
    option.invertedAppearance = inverted;
    QCOMPARE(progressRect(option, QStyle::SE_ProgressBarContents), expected);
}

void tst_RangeElements::progressWidget()
{
    QProgressBar bar;
    bar.setTextVisible(false);
    bar.resize(200, 20);
    // A new bar: nothing but the empty groove.
    QImage image = QuiltWidgetTest::grabImage(&bar);
    QVERIFY(!containsColor(image, image.rect(), TrackColor));
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(2, 10)), ProgressGrooveColor);
    QVERIFY(!containsColor(image, QRect(0, 0, 200, 4), ProgressGrooveColor));

    bar.setValue(50);
    image = QuiltWidgetTest::grabImage(&bar);
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(50, 10)), TrackColor);
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(150, 10)), ProgressGrooveColor);

    bar.setRange(0, 0);
    image = QuiltWidgetTest::grabImage(&bar);
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(150, 10)), TrackColor);
}

void tst_RangeElements::progressLabelAndChunk()
{
    QStyleOptionProgressBar option = progressOption(0, 100, 50);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter;
    const int width = std::max(option.fontMetrics.size(flags, option.text).width(),
                               option.fontMetrics.size(flags, QStringLiteral("100%")).width());
    const QRect label = progressRect(option, QStyle::SE_ProgressBarLabel);
    // As wide as "100%" less one pixel (rounding may take one more).
    QVERIFY2(qAbs(label.width() - (width - 1)) <= 1, qPrintable(QString::number(label.width())));
    QCOMPARE(label.height(), 20);
    QVERIFY(qAbs(label.center().x() - 100) <= 1);

    QCOMPARE(progressRect(progressOption(0, 0, 0), QStyle::SE_ProgressBarLabel), QRect());
    option.textVisible = false;
    QCOMPARE(progressRect(option, QStyle::SE_ProgressBarLabel), QRect());

    QCOMPARE(QuiltWidgetTest::style()->pixelMetric(QStyle::PM_ProgressBarChunkWidth, &option, nullptr), 7);
    const QImage chunk = QuiltWidgetTest::paintImage(QSize(20, 20), [&](QPainter* painter) {
        QStyleOptionProgressBar small = option;
        small.rect = QRect(2, 2, 7, 10);
        QuiltWidgetTest::style()->drawPrimitive(QStyle::PE_IndicatorProgressChunk, &small, painter, nullptr);
    });
    QUILT_COMPARE_COLOR(colorAt(chunk, QPoint(5, 6)), ChunkColor);
    QCOMPARE(colorAt(chunk, QPoint(15, 6)).alpha(), 0);
}

QUILT_WIDGET_TEST_MAIN(tst_RangeElements, styleSheet())
#include "tst_rangeelements.moc"
