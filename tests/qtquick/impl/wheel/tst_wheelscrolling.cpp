#include <QPropertyAnimation>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QTest>

#include <cmath>
#include <memory>

#include "wheelscroller_p.h"

using namespace Quilt::Quick;

namespace
{
// A flickable 100 × 100 with content 1000 high, so the vertical range is
// [0, 900] without margins.
struct FlickableSetup
{
    double contentHeight = 1000;
    double height = 100;
    double verticalMargins = 0; // top and bottom each
    double contentY = 0;
};

ScrollEnvironment environment(double ratio, double refreshRate, bool smooth)
{
    ScrollEnvironment e;
    e.devicePixelRatio = ratio;
    e.refreshRate = refreshRate;
    e.smoothScroll = smooth;
    e.swapAxesWithAlt = false;
    return e;
}
} // namespace

Q_DECLARE_METATYPE(ScrollEnvironment)

class tst_WheelScrolling : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void scrollFlickable_data();
    void scrollFlickable();
    void notchesDuringAnimationAccumulate();
    void altSwapsAxes_data();
    void altSwapsAxes();
    void fling_data();
    void fling();
    void flingNeedsThreeSamples();

private:
    std::unique_ptr<QQuickItem> createFlickable(const FlickableSetup& setup);

    QQmlEngine m_engine;
};

std::unique_ptr<QQuickItem> tst_WheelScrolling::createFlickable(const FlickableSetup& setup)
{
    QQmlComponent component(&m_engine);
    component.setData("import QtQuick\nFlickable { width: 100; contentWidth: 100 }", QUrl());
    std::unique_ptr<QQuickItem> item(qobject_cast<QQuickItem*>(component.create()));
    if (!item) {
        qWarning() << component.errors();
        return item;
    }
    item->setHeight(setup.height);
    item->setProperty("contentHeight", setup.contentHeight);
    item->setProperty("topMargin", setup.verticalMargins);
    item->setProperty("bottomMargin", setup.verticalMargins);
    item->setProperty("contentY", setup.contentY);
    return item;
}

void tst_WheelScrolling::scrollFlickable_data()
{
    QTest::addColumn<FlickableSetup>("setup");
    QTest::addColumn<QPointF>("pixelDelta");
    QTest::addColumn<QPointF>("angleDelta");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<double>("stepSize");
    QTest::addColumn<ScrollEnvironment>("environment");
    QTest::addColumn<bool>("scrolled");
    QTest::addColumn<double>("expectedY");
    // 0: the move jumps; otherwise the animation's duration in ms.
    QTest::addColumn<int>("expectedDuration");

    const FlickableSetup top;
    const auto jump = environment(1, 60, false);
    const QPointF none;
    const QPointF notchDown(0, -120);
    const int noModifiers = Qt::NoModifier;

    QTest::newRow("one notch, 3 lines") << top << none << notchDown << noModifiers << 60.0 << jump << true << 60.0 << 0;
    QTest::newRow("pixel delta wins over the step")
        << top << QPointF(0, -7) << notchDown << noModifiers << 60.0 << jump << true << 7.0 << 0;
    QTest::newRow("page on Ctrl") << top << none << notchDown << int(Qt::ControlModifier) << 60.0 << jump << true
                                  << 100.0 << 0;
    QTest::newRow("page on Shift, viewport within margins")
        << FlickableSetup { 1000, 100, 10, -10 } << none << notchDown << int(Qt::ShiftModifier) << 60.0 << jump << true
        << 70.0 << 0;
    QTest::newRow("page: three notches scroll one page")
        << top << none << QPointF(0, -360) << int(Qt::ControlModifier) << 60.0 << jump << true << 100.0 << 0;
    // Margins larger than the item: the page bound must stay defined.
    QTest::newRow("page with a negative viewport") << FlickableSetup { 1000, 100, 60, 0 } << none << notchDown
                                                   << int(Qt::ControlModifier) << 60.0 << jump << true << -20.0 << 0;
    QTest::newRow("clamped at the end") << FlickableSetup { 1000, 100, 0, 880 } << none << notchDown << noModifiers
                                        << 60.0 << jump << true << 900.0 << 0;
    QTest::newRow("at the end") << FlickableSetup { 1000, 100, 0, 900 } << none << notchDown << noModifiers << 60.0
                                << jump << false << 900.0 << 0;
    QTest::newRow("at the start") << top << none << QPointF(0, 120) << noModifiers << 60.0 << jump << false << 0.0 << 0;
    QTest::newRow("content fits the viewport")
        << FlickableSetup { 100, 100, 0, 0 } << none << notchDown << noModifiers << 60.0 << jump << false << 0.0 << 0;
    QTest::newRow("no delta") << top << none << none << noModifiers << 60.0 << jump << false << 0.0 << 0;
    QTest::newRow("NaN pixel delta") << top << QPointF(0, qQNaN()) << none << noModifiers << 60.0 << jump << false
                                     << 0.0 << 0;

    QTest::newRow("ratio 1.5 rounds to device pixels") << top << QPointF(0, -10.4) << none << noModifiers << 60.0
                                                       << environment(1.5, 60, false) << true << 32.0 / 3.0 << 0;
    QTest::newRow("ratio 1 rounds to whole pixels")
        << top << QPointF(0, -10.4) << none << noModifiers << 60.0 << jump << true << 10.0 << 0;

    const auto smooth60 = environment(1, 60, true);
    QTest::newRow("60 px at step 60 lasts 200 ms")
        << top << QPointF(0, -60) << none << noModifiers << 60.0 << smooth60 << true << 60.0 << 200;
    QTest::newRow("longer moves last 200 ms")
        << top << QPointF(0, -300) << none << noModifiers << 60.0 << smooth60 << true << 300.0 << 200;
    QTest::newRow("10 px lasts 50 ms at 60 Hz")
        << top << QPointF(0, -10) << none << noModifiers << 60.0 << smooth60 << true << 10.0 << 50;
    QTest::newRow("10 px jumps at 20 Hz")
        << top << QPointF(0, -10) << none << noModifiers << 60.0 << environment(1, 20, true) << true << 10.0 << 0;
    QTest::newRow("refresh rate unknown")
        << top << QPointF(0, -60) << none << noModifiers << 60.0 << environment(1, 0, true) << true << 60.0 << 0;
    QTest::newRow("smooth scrolling off")
        << top << QPointF(0, -60) << none << noModifiers << 60.0 << jump << true << 60.0 << 0;
    QTest::newRow("2 device pixels jump")
        << top << QPointF(0, -1) << none << noModifiers << 60.0 << environment(2, 60, true) << true << 1.0 << 0;
    QTest::newRow("3 device pixels animate")
        << top << QPointF(0, -1.5) << none << noModifiers << 60.0 << environment(2, 60, true) << true << 1.5 << 50;
    // A zero step cannot reach here through the handler, but the duration
    // must stay defined: an infinite quotient is bounded, not converted.
    QTest::newRow("step 0") << top << QPointF(0, -60) << none << noModifiers << 0.0 << smooth60 << true << 60.0 << 200;
    QTest::newRow("negative step") << top << QPointF(0, -60) << none << noModifiers << -60.0 << smooth60 << true << 60.0
                                   << 50;
}

void tst_WheelScrolling::scrollFlickable()
{
    QFETCH(FlickableSetup, setup);
    QFETCH(QPointF, pixelDelta);
    QFETCH(QPointF, angleDelta);
    QFETCH(int, modifiers);
    QFETCH(double, stepSize);
    QFETCH(ScrollEnvironment, environment);
    QFETCH(bool, scrolled);
    QFETCH(double, expectedY);
    QFETCH(int, expectedDuration);

    auto flickable = createFlickable(setup);
    QVERIFY(flickable);
    WheelScroller scroller;
    scroller.setTarget(flickable.get());
    scroller.verticalStepSize = stepSize;
    scroller.horizontalStepSize = stepSize;

    QCOMPARE(scroller.scrollFlickable(pixelDelta, angleDelta, Qt::KeyboardModifiers(modifiers), environment), scrolled);

    QPropertyAnimation* animation = scroller.wheelAnimation(Qt::Vertical);
    if (expectedDuration == 0) {
        QCOMPARE(animation->state(), QAbstractAnimation::Stopped);
        QCOMPARE(flickable->property("contentY").toReal(), expectedY);
    } else {
        QCOMPARE(animation->state(), QAbstractAnimation::Running);
        QCOMPARE(animation->duration(), expectedDuration);
        QCOMPARE(animation->endValue().toReal(), expectedY);
        QCOMPARE(animation->startValue().toReal(), setup.contentY);
    }
    QCOMPARE(flickable->property("contentX").toReal(), 0.0);
    QCOMPARE(scroller.wheelAnimation(Qt::Horizontal)->state(), QAbstractAnimation::Stopped);
}

void tst_WheelScrolling::notchesDuringAnimationAccumulate()
{
    auto flickable = createFlickable({});
    QVERIFY(flickable);
    WheelScroller scroller;
    scroller.setTarget(flickable.get());
    scroller.verticalStepSize = 60;
    const auto smooth = environment(1, 60, true);

    QVERIFY(scroller.scrollFlickable(QPointF(), QPointF(0, -120), Qt::NoModifier, smooth));
    QVERIFY(scroller.scrollFlickable(QPointF(), QPointF(0, -120), Qt::NoModifier, smooth));
    QPropertyAnimation* animation = scroller.wheelAnimation(Qt::Vertical);
    QCOMPARE(animation->state(), QAbstractAnimation::Running);
    QCOMPARE(animation->endValue().toReal(), 120.0);
    QTRY_COMPARE(flickable->property("contentY").toReal(), 120.0);

    // Once the animation is over, the next notch starts from where it ended.
    QTRY_COMPARE(animation->state(), QAbstractAnimation::Stopped);
    QVERIFY(scroller.scrollFlickable(QPointF(), QPointF(0, 120), Qt::NoModifier, smooth));
    QCOMPARE(animation->endValue().toReal(), 60.0);
}

void tst_WheelScrolling::altSwapsAxes_data()
{
    QTest::addColumn<QString>("platform");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<double>("expectedX");
    QTest::addColumn<double>("expectedY");

    QTest::newRow("wayland, Alt") << "wayland" << int(Qt::AltModifier) << 60.0 << 0.0;
    QTest::newRow("wayland, no Alt") << "wayland" << int(Qt::NoModifier) << 0.0 << 60.0;
    // The X server swaps the axes for Alt itself.
    QTest::newRow("xcb, Alt") << "xcb" << int(Qt::AltModifier) << 0.0 << 60.0;
}

void tst_WheelScrolling::altSwapsAxes()
{
    QFETCH(QString, platform);
    QFETCH(int, modifiers);
    QFETCH(double, expectedX);
    QFETCH(double, expectedY);

    auto flickable = createFlickable({});
    QVERIFY(flickable);
    flickable->setProperty("contentWidth", 1000);
    WheelScroller scroller;
    scroller.setTarget(flickable.get());
    scroller.verticalStepSize = 60;
    scroller.horizontalStepSize = 60;
    auto e = environment(1, 60, false);
    e.swapAxesWithAlt = altSwapsWheelAxes(platform);

    QVERIFY(scroller.scrollFlickable(QPointF(), QPointF(0, -120), Qt::KeyboardModifiers(modifiers), e));
    QCOMPARE(flickable->property("contentX").toReal(), expectedX);
    QCOMPARE(flickable->property("contentY").toReal(), expectedY);
}

void tst_WheelScrolling::fling_data()
{
    QTest::addColumn<double>("startY");
    QTest::addColumn<QList<int>>("deltas"); // vertical pixel deltas, one every 10 ms
    QTest::addColumn<double>("expectedY");
    QTest::addColumn<int>("expectedDuration"); // 0: no fling

    // 8 px over 20 ms: -1000 × -8 / 20 × 2.5 = 1000 px/s, which decelerates
    // over 50 px in 100 ms.
    QTest::newRow("1000 px/s") << 0.0 << QList<int> { -4, -4, 0 } << 50.0 << 100;
    QTest::newRow("1000 px/s upwards") << 500.0 << QList<int> { 4, 4, 0 } << 450.0 << 100;
    // Three quarters of the distance are left: the motion reaches the end
    // after 100 × (1 − √0.25) ms.
    QTest::newRow("cut by the range end") << 862.5 << QList<int> { -4, -4, 0 } << 900.0 << 50;
    QTest::newRow("at the range end") << 900.0 << QList<int> { -4, -4, 0 } << 900.0 << 0;
    QTest::newRow("no motion") << 100.0 << QList<int> { 0, 0, 0 } << 100.0 << 0;
}

void tst_WheelScrolling::fling()
{
    QFETCH(double, startY);
    QFETCH(QList<int>, deltas);
    QFETCH(double, expectedY);
    QFETCH(int, expectedDuration);

    auto flickable = createFlickable({ 1000, 100, 0, startY });
    QVERIFY(flickable);
    WheelScroller scroller;
    scroller.setTarget(flickable.get());

    qint64 time = 1000;
    for (int delta : std::as_const(deltas)) {
        scroller.takeSample(QPoint(0, delta), time, false);
        time += 10;
    }
    scroller.takeSample(QPoint(), time, true);
    QCOMPARE(scroller.sampleCount(), 0);

    QPropertyAnimation* animation = scroller.flingAnimation(Qt::Vertical);
    QCOMPARE(scroller.flingAnimation(Qt::Horizontal)->state(), QAbstractAnimation::Stopped);
    if (expectedDuration == 0) {
        QCOMPARE(animation->state(), QAbstractAnimation::Stopped);
        return;
    }
    QCOMPARE(animation->state(), QAbstractAnimation::Running);
    QCOMPARE(animation->duration(), expectedDuration);
    QCOMPARE(animation->startValue().toReal(), startY);
    QCOMPARE(animation->endValue().toReal(), expectedY);
    QTRY_COMPARE(flickable->property("contentY").toReal(), expectedY);
}

void tst_WheelScrolling::flingNeedsThreeSamples()
{
    auto flickable = createFlickable({});
    QVERIFY(flickable);
    WheelScroller scroller;
    scroller.setTarget(flickable.get());

    scroller.takeSample(QPoint(0, -40), 0, false);
    scroller.takeSample(QPoint(0, -40), 10, false);
    scroller.takeSample(QPoint(), 20, true); // too short a gesture: kept as a sample
    QCOMPARE(scroller.sampleCount(), 3);
    QCOMPARE(scroller.flingAnimation(Qt::Vertical)->state(), QAbstractAnimation::Stopped);

    // Never more than seven: the oldest go first.
    for (int i = 0; i < 10; ++i)
        scroller.takeSample(QPoint(0, -1), 30 + i, false);
    QCOMPARE(scroller.sampleCount(), 7);
}

QTEST_MAIN(tst_WheelScrolling)
#include "tst_wheelscrolling.moc"
