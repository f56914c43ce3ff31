#include "wheelscroller_p.h"

#include "platformplugin.h"
#include "styleregistry.h"

#include <QGuiApplication>
#include <QPropertyAnimation>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>

#include <cmath>
#include <limits>

namespace Quilt::Quick
{
namespace
{
constexpr qsizetype maximumSamples = 7;
constexpr qsizetype samplesForFling = 3;
// Pixels per second squared by which a fling slows down.
constexpr double flingDeceleration = 10000.0;

double readReal(const QQuickItem* item, const char* name)
{
    return item->property(name).toReal();
}

std::unique_ptr<QPropertyAnimation> makeAnimation(const char* property, QEasingCurve::Type easing)
{
    auto animation = std::make_unique<QPropertyAnimation>();
    animation->setPropertyName(property);
    animation->setEasingCurve(easing);
    return animation;
}

// Where one axis goes: from its current position (or the end of the move
// still under way) by `delta`, kept in range and on whole device pixels.
double axisTarget(double property, double contentLength, double viewportLength, double minimum, double maximum,
                  double delta, const QPropertyAnimation* animation, double ratio)
{
    if (viewportLength >= contentLength)
        return property;
    const double current
        = animation->state() == QAbstractAnimation::Running ? animation->endValue().toReal() : property;
    double target = boundToRange(current - delta, minimum, maximum);
    if (ratio > 0 && std::isfinite(ratio))
        target = std::round(target * ratio) / ratio;
    return target;
}

double axisDelta(double pixel, double angle, double stepSize, double viewportLength, bool page)
{
    const double notches = angle / 120.0;
    double delta;
    if (page)
        // One notch scrolls a page at most. Margins larger than the item make
        // the viewport negative: bound without assuming ordered ends.
        delta = std::max(std::min(notches * viewportLength, viewportLength), -viewportLength);
    else
        delta = pixel == 0 ? notches * stepSize : pixel;
    // A NaN step from QML would otherwise end up in contentX/contentY.
    return std::isnan(delta) ? 0.0 : delta;
}
} // namespace

bool altSwapsWheelAxes(QStringView platformName)
{
    return platformName != u"xcb";
}

ScrollEnvironment ScrollEnvironment::forItem(const QQuickItem* item)
{
    ScrollEnvironment environment;
    if (const QQuickWindow* window = item ? item->window() : nullptr) {
        environment.devicePixelRatio = window->devicePixelRatio();
        const QScreen* screen = window->screen();
        environment.refreshRate = screen ? screen->refreshRate() : 0.0;
    } else {
        environment.devicePixelRatio = qGuiApp->devicePixelRatio();
        environment.refreshRate = 0.0;
    }
    const auto platform = StyleRegistry::instance()->platform();
    environment.smoothScroll = platform && platform->smoothScroll();
    environment.swapAxesWithAlt = altSwapsWheelAxes(QGuiApplication::platformName());
    return environment;
}

FlickableGeometry FlickableGeometry::read(const QQuickItem* item)
{
    FlickableGeometry g;
    if (!item)
        return g;
    g.width = item->width();
    g.height = item->height();
    g.contentWidth = readReal(item, "contentWidth");
    g.contentHeight = readReal(item, "contentHeight");
    g.contentX = readReal(item, "contentX");
    g.contentY = readReal(item, "contentY");
    g.topMargin = readReal(item, "topMargin");
    g.bottomMargin = readReal(item, "bottomMargin");
    g.leftMargin = readReal(item, "leftMargin");
    g.rightMargin = readReal(item, "rightMargin");
    g.originX = readReal(item, "originX");
    g.originY = readReal(item, "originY");
    return g;
}

int wheelAnimationDuration(double from, double to, double stepSize, const ScrollEnvironment& environment)
{
    if (!environment.smoothScroll || !(environment.refreshRate > 0))
        return 0;
    const double distance = std::abs(to - from);
    if (!(environment.devicePixelRatio * distance > 2))
        return 0;
    // Kept in floating point until bounded: a zero or tiny step gives an
    // infinite quotient, which no integer can hold.
    double duration = distance * 200.0 / stepSize;
    duration = std::isnan(duration) ? 200.0 : boundToRange(duration, 50.0, 200.0);
    const int milliseconds = int(std::round(duration));
    // A move shorter than two frames would show no motion; jump instead.
    const double twoFrames = std::ceil(2 * 1000.0 / environment.refreshRate);
    return milliseconds > twoFrames ? milliseconds : 0;
}

WheelScroller::WheelScroller()
    : m_wheelX(makeAnimation("contentX", QEasingCurve::OutCubic))
    , m_wheelY(makeAnimation("contentY", QEasingCurve::OutCubic))
    , m_flingX(makeAnimation("contentX", QEasingCurve::OutQuad))
    , m_flingY(makeAnimation("contentY", QEasingCurve::OutQuad))
{ }

WheelScroller::~WheelScroller() = default;

QQuickItem* WheelScroller::target() const
{
    return m_target;
}

void WheelScroller::setTarget(QQuickItem* target)
{
    m_target = target;
    for (QPropertyAnimation* animation : { m_wheelX.get(), m_wheelY.get(), m_flingX.get(), m_flingY.get() }) {
        if (animation->targetObject())
            animation->stop();
        animation->setTargetObject(target);
    }
}

bool WheelScroller::scrollFlickable(QPointF pixelDelta, QPointF angleDelta, Qt::KeyboardModifiers modifiers)
{
    if (!m_target)
        return false;
    return scrollFlickable(pixelDelta, angleDelta, modifiers, ScrollEnvironment::forItem(m_target));
}

bool WheelScroller::scrollFlickable(QPointF pixelDelta, QPointF angleDelta, Qt::KeyboardModifiers modifiers,
                                    const ScrollEnvironment& environment)
{
    if (!m_target)
        return false;
    if (pixelDelta.x() == 0 && pixelDelta.y() == 0 && angleDelta.x() == 0 && angleDelta.y() == 0)
        return false;

    const FlickableGeometry g = FlickableGeometry::read(m_target);

    double pixelX = pixelDelta.x();
    double angleX = angleDelta.x();
    double pixelY = pixelDelta.y();
    double angleY = angleDelta.y();
    if (modifiers.testFlag(Qt::AltModifier) && environment.swapAxesWithAlt) {
        std::swap(pixelX, pixelY);
        std::swap(angleX, angleY);
    }

    const bool page = (modifiers & pageScrollModifiers) != 0;
    const double deltaX = axisDelta(pixelX, angleX, horizontalStepSize, g.viewportWidth(), page);
    const double deltaY = axisDelta(pixelY, angleY, verticalStepSize, g.viewportHeight(), page);

    const double ratio = environment.devicePixelRatio;
    const double newX = axisTarget(g.contentX, g.contentWidth, g.viewportWidth(), g.minimumX(), g.maximumX(), deltaX,
                                   m_wheelX.get(), ratio);
    const double newY = axisTarget(g.contentY, g.contentHeight, g.viewportHeight(), g.minimumY(), g.maximumY(), deltaY,
                                   m_wheelY.get(), ratio);

    const bool movedX = scrollAxis("contentX", m_wheelX.get(), g.contentX, newX, horizontalStepSize, environment);
    const bool movedY = scrollAxis("contentY", m_wheelY.get(), g.contentY, newY, verticalStepSize, environment);
    return movedX || movedY;
}

bool WheelScroller::scrollAxis(const char* property, QPropertyAnimation* animation, double from, double to,
                               double stepSize, const ScrollEnvironment& environment)
{
    animation->stop();
    if (from == to)
        return false;
    animation->setDuration(wheelAnimationDuration(from, to, stepSize, environment));
    if (animation->duration() == 0) {
        m_target->setProperty(property, to);
    } else {
        animation->setStartValue(from);
        animation->setEndValue(to);
        animation->start();
    }
    return true;
}

void WheelScroller::takeSample(QPoint pixelDelta, qint64 timestamp, bool endsGesture)
{
    if (m_sampleDeltas.size() >= maximumSamples) {
        m_sampleDeltas.removeFirst();
        m_sampleTimes.removeFirst();
    }
    if (m_sampleDeltas.size() >= samplesForFling && endsGesture) {
        startFling();
        return;
    }
    m_sampleDeltas.append(pixelDelta);
    m_sampleTimes.append(timestamp);
}

qsizetype WheelScroller::sampleCount() const
{
    return m_sampleDeltas.size();
}

void WheelScroller::startFling()
{
    const FlickableGeometry g = FlickableGeometry::read(m_target);
    double velocityX = 0;
    double velocityY = 0;
    if (!m_sampleDeltas.isEmpty()) {
        double sumX = 0;
        double sumY = 0;
        for (const QPoint& delta : std::as_const(m_sampleDeltas)) {
            sumX += delta.x();
            sumY += delta.y();
        }
        double dt = double(m_sampleTimes.last() - m_sampleTimes.first());
        if (dt == 0)
            dt = 1;
        velocityX = -1000.0 * sumX / dt * 2.5;
        velocityY = -1000.0 * sumY / dt * 2.5;
    }
    m_sampleDeltas.clear();
    m_sampleTimes.clear();
    m_wheelX->stop();
    m_wheelY->stop();
    if (!m_target)
        return;

    const auto flingAxis = [](QPropertyAnimation* animation, double velocity, double current, double minimum,
                              double maximum) {
        const double distance = 0.5 * velocity * std::abs(velocity) / flingDeceleration;
        const double target = boundToRange(current + distance, minimum, maximum);
        // The fraction of the distance left before the range end; the
        // decelerating motion reaches it after this part of its time.
        const double fraction = (target - current) / distance;
        const double duration = 1000.0 * (std::abs(velocity) / flingDeceleration) * (1.0 - std::sqrt(1.0 - fraction));
        if (!(duration > 0)) // also NaN: no distance
            return;
        animation->stop();
        animation->setStartValue(current);
        animation->setEndValue(target);
        animation->setDuration(int(std::min(duration, double(std::numeric_limits<int>::max()))));
        animation->start();
    };
    flingAxis(m_flingX.get(), velocityX, g.contentX, g.minimumX(), g.maximumX());
    flingAxis(m_flingY.get(), velocityY, g.contentY, g.minimumY(), g.maximumY());
}

QPropertyAnimation* WheelScroller::wheelAnimation(Qt::Orientation orientation) const
{
    return orientation == Qt::Horizontal ? m_wheelX.get() : m_wheelY.get();
}

QPropertyAnimation* WheelScroller::flingAnimation(Qt::Orientation orientation) const
{
    return orientation == Qt::Horizontal ? m_flingX.get() : m_flingY.get();
}
} // namespace Quilt::Quick
