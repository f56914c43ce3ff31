#pragma once

#include "quiltwheelevent_p.h"
#include "wheelscroller_p.h"

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QQmlParserStatus>
#include <QQuickItem>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

// Scrolls a Flickable (its target) by mouse wheel, touchpad and keys with the
// desktop's wheel step, and switches the target's scroll bars between mouse
// and touch use. Every wheel event reaches QML first through `wheel`.
class WheelHandler : public QObject, public QQmlParserStatus
{
    Q_OBJECT
    Q_INTERFACES(QQmlParserStatus)
    QML_ELEMENT

    Q_PROPERTY(QQuickItem* target READ target WRITE setTarget NOTIFY targetChanged FINAL)
    Q_PROPERTY(double verticalStepSize READ verticalStepSize WRITE setVerticalStepSize RESET resetVerticalStepSize
                   NOTIFY verticalStepSizeChanged FINAL)
    Q_PROPERTY(double horizontalStepSize READ horizontalStepSize WRITE setHorizontalStepSize RESET
                   resetHorizontalStepSize NOTIFY horizontalStepSizeChanged FINAL)
    Q_PROPERTY(Qt::KeyboardModifiers pageScrollModifiers READ pageScrollModifiers WRITE setPageScrollModifiers RESET
                   resetPageScrollModifiers NOTIFY pageScrollModifiersChanged FINAL)
    Q_PROPERTY(
        bool filterMouseEvents READ filterMouseEvents WRITE setFilterMouseEvents NOTIFY filterMouseEventsChanged FINAL)
    Q_PROPERTY(bool keyNavigationEnabled READ keyNavigationEnabled WRITE setKeyNavigationEnabled NOTIFY
                   keyNavigationEnabledChanged FINAL)
    Q_PROPERTY(
        bool blockTargetWheel READ blockTargetWheel WRITE setBlockTargetWheel NOTIFY blockTargetWheelChanged FINAL)
    Q_PROPERTY(bool scrollFlickableTarget READ scrollFlickableTarget WRITE setScrollFlickableTarget NOTIFY
                   scrollFlickableTargetChanged FINAL)

public:
    explicit WheelHandler(QObject* parent = nullptr);
    ~WheelHandler() override;

    QQuickItem* target() const;
    void setTarget(QQuickItem* target);

    double verticalStepSize() const;
    void setVerticalStepSize(double stepSize);
    void resetVerticalStepSize();
    double horizontalStepSize() const;
    void setHorizontalStepSize(double stepSize);
    void resetHorizontalStepSize();

    Qt::KeyboardModifiers pageScrollModifiers() const;
    void setPageScrollModifiers(Qt::KeyboardModifiers modifiers);
    void resetPageScrollModifiers();

    bool filterMouseEvents() const;
    void setFilterMouseEvents(bool enabled);
    bool keyNavigationEnabled() const;
    void setKeyNavigationEnabled(bool enabled);
    bool blockTargetWheel() const;
    void setBlockTargetWheel(bool block);
    bool scrollFlickableTarget() const;
    void setScrollFlickableTarget(bool enabled);

    // A negative step size scrolls by the handler's step size.
    Q_INVOKABLE bool scrollUp(double stepSize = -1);
    Q_INVOKABLE bool scrollDown(double stepSize = -1);
    Q_INVOKABLE bool scrollLeft(double stepSize = -1);
    Q_INVOKABLE bool scrollRight(double stepSize = -1);

    void classBegin() override;
    void componentComplete() override;

Q_SIGNALS:
    void targetChanged();
    void verticalStepSizeChanged();
    void horizontalStepSizeChanged();
    void pageScrollModifiersChanged();
    void filterMouseEventsChanged();
    void keyNavigationEnabledChanged();
    void blockTargetWheelChanged();
    void scrollFlickableTargetChanged();
    void wheel(QuiltWheelEvent* wheel);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private Q_SLOTS:
    void _v_rebindScrollBars();

private:
    enum class Axis
    {
        Vertical,
        Horizontal
    };
    void storeStepSize(Axis axis, double stepSize);
    void updateDefaultStepSize(int wheelScrollLines);
    void setWheelScrolling(bool scrolling);
    void setScrollBarsInteractive(bool interactive);
    bool filterWheelEvent(QWheelEvent* event);
    bool filterKeyEvent(QKeyEvent* event, double contentWidth, double contentHeight, double viewportWidth,
                        double viewportHeight);
    void rebindScrollBar(QPointer<QQuickItem>& current, QMetaObject::Connection& connection, QQuickItem* bar,
                         QObject* source, const char* changeSignal);

    QPointer<QQuickItem> m_target;
    QPointer<QQuickItem> m_verticalScrollBar;
    QPointer<QQuickItem> m_horizontalScrollBar;
    QPointer<QQuickItem> m_scrollView;
    QMetaObject::Connection m_verticalSourceConnection;
    QMetaObject::Connection m_horizontalSourceConnection;
    QPointer<QQuickItem> m_filterItem;

    Quilt::Quick::WheelScroller m_scroller;
    double m_defaultStepSize = 0;
    bool m_explicitVerticalStep = false;
    bool m_explicitHorizontalStep = false;
    bool m_filterMouseEvents = false;
    bool m_keyNavigationEnabled = false;
    bool m_blockTargetWheel = true;
    bool m_scrollFlickableTarget = true;
    bool m_wheelScrolling = false;
    bool m_wasTouch = false;
    QTimer m_wheelScrollingTimer;
    QuiltWheelEvent m_wheelEvent;
};
