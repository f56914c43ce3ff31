#pragma once

#include "sashikoplatformglobal.h"

#include <QObject>

namespace Sashiko::Platform
{
// The animation durations of one object, in milliseconds, as the platform
// gives them.
class SASHIKO_PLATFORM_EXPORT Timings : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int veryShortDuration READ veryShortDuration NOTIFY durationsChanged)
    Q_PROPERTY(int shortDuration READ shortDuration NOTIFY durationsChanged)
    Q_PROPERTY(int longDuration READ longDuration NOTIFY durationsChanged)
    Q_PROPERTY(int veryLongDuration READ veryLongDuration NOTIFY durationsChanged)

public:
    explicit Timings(QObject* parent = nullptr);
    ~Timings() override;

    int veryShortDuration() const { return m_veryShort; }
    int shortDuration() const { return m_short; }
    int longDuration() const { return m_long; }
    int veryLongDuration() const { return m_veryLong; }

Q_SIGNALS:
    void durationsChanged();

protected:
    void setVeryShortDuration(int duration) { set(m_veryShort, duration); }
    void setShortDuration(int duration) { set(m_short, duration); }
    void setLongDuration(int duration) { set(m_long, duration); }
    void setVeryLongDuration(int duration) { set(m_veryLong, duration); }

private:
    void set(int& field, int value);

    int m_veryShort = 50;
    int m_short = 100;
    int m_long = 200;
    int m_veryLong = 400;
};
} // namespace Sashiko::Platform
