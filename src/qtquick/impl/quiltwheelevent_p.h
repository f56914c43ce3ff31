#pragma once

#include <QObject>
#include <QPointF>
#include <QtQml/qqmlregistration.h>

class QWheelEvent;

// What QML's `onWheel` sees of a wheel event. The handler owns one object and
// fills it again for every event, so QML must not keep it.
class QuiltWheelEvent : public QObject
{
    Q_OBJECT
    QML_NAMED_ELEMENT(WheelEvent)
    QML_UNCREATABLE("")

    Q_PROPERTY(double x READ x CONSTANT FINAL)
    Q_PROPERTY(double y READ y CONSTANT FINAL)
    Q_PROPERTY(QPointF angleDelta READ angleDelta CONSTANT FINAL)
    Q_PROPERTY(QPointF pixelDelta READ pixelDelta CONSTANT FINAL)
    Q_PROPERTY(int buttons READ buttons CONSTANT FINAL)
    Q_PROPERTY(int modifiers READ modifiers CONSTANT FINAL)
    Q_PROPERTY(bool inverted READ inverted CONSTANT FINAL)
    Q_PROPERTY(bool accepted READ isAccepted WRITE setAccepted FINAL)

public:
    explicit QuiltWheelEvent(QObject* parent = nullptr);
    ~QuiltWheelEvent() override;

    void initializeFromEvent(const QWheelEvent& event);

    double x() const { return m_x; }
    double y() const { return m_y; }
    QPointF angleDelta() const { return m_angleDelta; }
    QPointF pixelDelta() const { return m_pixelDelta; }
    int buttons() const { return m_buttons; }
    int modifiers() const { return m_modifiers; }
    bool inverted() const { return m_inverted; }
    bool isAccepted() const { return m_accepted; }
    void setAccepted(bool accepted) { m_accepted = accepted; }

private:
    double m_x = 0;
    double m_y = 0;
    QPointF m_angleDelta;
    QPointF m_pixelDelta;
    int m_buttons = 0;
    int m_modifiers = 0;
    bool m_inverted = false;
    bool m_accepted = false;
};
