#include <QGuiApplication>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QStyleHints>
#include <QtQuickTest>
#include <QWheelEvent>

#include "quicktestfixture.h"

// What the QML tests cannot do themselves: change the desktop's wheel step
// and send wheel events as a touchpad does (pixel deltas, phases, synthesized).
class WheelTestHelper : public QObject
{
    Q_OBJECT

public:
    Q_INVOKABLE void setWheelScrollLines(int lines) { QGuiApplication::styleHints()->setWheelScrollLines(lines); }

    // Sends a wheel event at `position` (in the item's coordinates) to the
    // item's window; returns whether someone accepted it.
    Q_INVOKABLE bool sendWheel(QQuickItem* item, QPointF position, QPoint pixelDelta, QPoint angleDelta, int phase,
                               bool synthesized, int modifiers = 0, int timestamp = 0)
    {
        if (!item || !item->window())
            return false;
        const QPointF scenePosition = item->mapToScene(position);
        QWheelEvent event(scenePosition, item->window()->mapToGlobal(scenePosition), pixelDelta, angleDelta,
                          Qt::NoButton, Qt::KeyboardModifiers(modifiers), Qt::ScrollPhase(phase), false,
                          synthesized ? Qt::MouseEventSynthesizedBySystem : Qt::MouseEventNotSynthesized);
        event.setTimestamp(ulong(timestamp));
        event.setAccepted(false);
        QCoreApplication::sendEvent(item->window(), &event);
        return event.isAccepted();
    }
};

// The harness's setup (the platform fixture as `testPlatform`) and the helper
// as the singleton WheelTest.
class Setup : public QuiltQuickTest::QmlSetup
{
    Q_OBJECT

public Q_SLOTS:
    void qmlEngineAvailable(QQmlEngine* engine)
    {
        QmlSetup::qmlEngineAvailable(engine);
        qmlRegisterSingletonInstance("WheelTest", 1, 0, "WheelTest", &m_helper);
    }

private:
    WheelTestHelper m_helper;
};

QUICK_TEST_MAIN_WITH_SETUP(tst_wheelhandler, Setup)

#include "tst_wheelhandler.moc"
