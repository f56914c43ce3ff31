#pragma once

// What the Quick benchmarks share: frame timing on either render loop,
// medians and percentiles, and the process's heap and resident memory.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QList>
#include <QMutex>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <QTimer>
#include <QVariantMap>

#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <deque>
#include <memory>

namespace QuickBench
{
inline double median(QList<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

inline double percentile95(QList<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    return values.at(std::min<qsizetype>(values.size() - 1, qsizetype(values.size() * 0.95)));
}

inline qint64 heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return qint64(info.uordblks + info.hblkhd);
}

inline qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toLongLong() * sysconf(_SC_PAGESIZE) : 0;
}

using Clock = std::chrono::steady_clock;

inline double millisecondsBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// Times frames from the start of the GUI thread's frame work (animations,
// then polish and synchronisation) until the frame is swapped, on either
// render loop.
class FrameTimer
{
public:
    explicit FrameTimer(QQuickWindow* window)
    {
        m_connections << QObject::connect(
            window, &QQuickWindow::afterAnimating, window,
            [this] {
                const QMutexLocker lock(&m_mutex);
                m_starts.push_back(Clock::now());
            },
            Qt::DirectConnection);
        m_connections << QObject::connect(
            window, &QQuickWindow::frameSwapped, window,
            [this] {
                const QMutexLocker lock(&m_mutex);
                if (!m_starts.empty()) {
                    m_durations.append(millisecondsBetween(m_starts.front(), Clock::now()));
                    m_starts.pop_front();
                }
            },
            Qt::DirectConnection);
    }
    ~FrameTimer()
    {
        for (const auto& connection : std::as_const(m_connections))
            QObject::disconnect(connection);
    }

    QList<double> durations()
    {
        const QMutexLocker lock(&m_mutex);
        return m_durations;
    }

private:
    QMutex m_mutex;
    std::deque<Clock::time_point> m_starts;
    QList<double> m_durations;
    QList<QMetaObject::Connection> m_connections;
};

// Waits for the next swapped frame and returns when it was swapped.
inline Clock::time_point waitForFrame(QQuickWindow* window, int timeout = 10000)
{
    QEventLoop loop;
    Clock::time_point swapped {};
    QMutex mutex;
    const auto direct = QObject::connect(
        window, &QQuickWindow::frameSwapped, window,
        [&] {
            const QMutexLocker lock(&mutex);
            if (swapped == Clock::time_point {})
                swapped = Clock::now();
        },
        Qt::DirectConnection);
    const auto queued
        = QObject::connect(window, &QQuickWindow::frameSwapped, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    QTimer::singleShot(timeout, &loop, &QEventLoop::quit);
    window->update();
    loop.exec();
    QObject::disconnect(direct);
    QObject::disconnect(queued);
    const QMutexLocker lock(&mutex);
    return swapped;
}

// Lets pending frames and deferred deletions finish.
inline void settle(QQuickWindow* window)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    waitForFrame(window, 200);
    QTest::qWait(50);
}

// Creates the item of `document` and completes it inside `window`, as an
// application's items are (elements register their window when they
// complete); `milliseconds` gets the time of creation and completion.
inline std::unique_ptr<QQuickItem> createInWindow(QQmlEngine* engine, QQuickWindow* window, const QByteArray& document,
                                                  double* milliseconds, const QVariantMap& initialProperties = {})
{
    QQmlComponent component(engine);
    component.setData(document, QUrl());
    if (!component.isReady()) {
        qWarning().noquote() << component.errorString();
        return {};
    }
    QElapsedTimer timer;
    timer.start();
    std::unique_ptr<QObject> object(component.beginCreate(engine->rootContext()));
    auto* item = qobject_cast<QQuickItem*>(object.get());
    if (!item) {
        qWarning().noquote() << component.errorString();
        return {};
    }
    if (!initialProperties.isEmpty())
        component.setInitialProperties(object.get(), initialProperties);
    item->setParentItem(window->contentItem());
    component.completeCreate();
    if (milliseconds)
        *milliseconds = timer.nsecsElapsed() / 1e6;
    object.release();
    return std::unique_ptr<QQuickItem>(item);
}
} // namespace QuickBench
