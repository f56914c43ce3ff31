#pragma once

#include "quickimplglobal.h"

#include <QList>
#include <QPoint>
#include <QPointer>
#include <QPointF>
#include <QStringView>

#include <algorithm>
#include <memory>

class QObject;
class QPropertyAnimation;
class QQuickItem;

// Internal classes that the tests use directly: exported only from a build
// that has tests.
#if defined(QUILT_EXPORT_INTERNALS)
#define QUILT_QUICK_TESTS_EXPORT QUILT_QUICK_EXPORT
#else
#define QUILT_QUICK_TESTS_EXPORT
#endif

namespace Quilt::Quick
{
// Bounds a value into [lower, upper] taking the upper end first, so that an
// empty range (ends crossed) yields its lower end instead of undefined
// behaviour.
inline double boundToRange(double value, double lower, double upper)
{
    return std::max(std::min(value, upper), lower);
}

// Whether Alt turns a vertical wheel into a horizontal one on this platform.
// X11 servers already swap the axes themselves for Alt.
QUILT_QUICK_TESTS_EXPORT bool altSwapsWheelAxes(QStringView platformName);

// What a scroll depends on besides the target: taken from the target's window
// and the platform plug-in, or given by a caller that wants to choose them.
struct QUILT_QUICK_TESTS_EXPORT ScrollEnvironment
{
    double devicePixelRatio = 1.0;
    double refreshRate = 0.0; // Hz; 0 when unknown
    bool smoothScroll = false;
    bool swapAxesWithAlt = false;

    static ScrollEnvironment forItem(const QQuickItem* item);
};

// The flickable properties a scroll reads, taken by name so that any item
// with the properties of a flickable can be scrolled.
struct QUILT_QUICK_TESTS_EXPORT FlickableGeometry
{
    double width = 0;
    double height = 0;
    double contentWidth = 0;
    double contentHeight = 0;
    double contentX = 0;
    double contentY = 0;
    double topMargin = 0;
    double bottomMargin = 0;
    double leftMargin = 0;
    double rightMargin = 0;
    double originX = 0;
    double originY = 0;

    static FlickableGeometry read(const QQuickItem* item);

    double viewportWidth() const { return width - leftMargin - rightMargin; }
    double viewportHeight() const { return height - topMargin - bottomMargin; }
    double minimumX() const { return originX - leftMargin; }
    double maximumX() const { return contentWidth + rightMargin + originX - width; }
    double minimumY() const { return originY - topMargin; }
    double maximumY() const { return contentHeight + bottomMargin + originY - height; }
};

// How long a smooth move from `from` to `to` lasts, in milliseconds; 0 means
// the move jumps.
QUILT_QUICK_TESTS_EXPORT int wheelAnimationDuration(double from, double to, double stepSize,
                                                    const ScrollEnvironment& environment);

// The scrolling arithmetic of the wheel handler: wheel steps, pixel deltas and
// keys turned into new content positions of its target, animated when the
// platform scrolls smoothly, and the kinetic fling that ends a touchpad
// gesture.
class QUILT_QUICK_TESTS_EXPORT WheelScroller
{
public:
    WheelScroller();
    ~WheelScroller();
    Q_DISABLE_COPY_MOVE(WheelScroller)

    QQuickItem* target() const;
    // Stops every animation and points them at the new target.
    void setTarget(QQuickItem* target);

    double verticalStepSize = 0;
    double horizontalStepSize = 0;
    Qt::KeyboardModifiers pageScrollModifiers = Qt::ControlModifier | Qt::ShiftModifier;

    // True when either axis moved (or started to move).
    bool scrollFlickable(QPointF pixelDelta, QPointF angleDelta, Qt::KeyboardModifiers modifiers);
    bool scrollFlickable(QPointF pixelDelta, QPointF angleDelta, Qt::KeyboardModifiers modifiers,
                         const ScrollEnvironment& environment);

    // Keeps the last pixel deltas of a gesture; at its end (with enough of
    // them) flings instead.
    void takeSample(QPoint pixelDelta, qint64 timestamp, bool endsGesture);
    qsizetype sampleCount() const;
    void startFling();

    QPropertyAnimation* wheelAnimation(Qt::Orientation orientation) const;
    QPropertyAnimation* flingAnimation(Qt::Orientation orientation) const;

private:
    bool scrollAxis(const char* property, QPropertyAnimation* animation, double from, double to, double stepSize,
                    const ScrollEnvironment& environment);

    QPointer<QQuickItem> m_target;
    std::unique_ptr<QPropertyAnimation> m_wheelX;
    std::unique_ptr<QPropertyAnimation> m_wheelY;
    std::unique_ptr<QPropertyAnimation> m_flingX;
    std::unique_ptr<QPropertyAnimation> m_flingY;
    QList<QPoint> m_sampleDeltas;
    QList<qint64> m_sampleTimes;
};
} // namespace Quilt::Quick
