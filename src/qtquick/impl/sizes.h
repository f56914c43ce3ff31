#pragma once

#include <QtCore/QList>
#include <QtCore/QObject>
#include <QtQml/qqmlregistration.h>

#include "quickimplglobal.h"

namespace Quilt::Quick
{
// Four distances, in the order left, top, right, bottom.
class QUILT_QUICK_EXPORT Sizes
{
    Q_GADGET
    Q_PROPERTY(double left READ left WRITE setLeft FINAL)
    Q_PROPERTY(double right READ right WRITE setRight FINAL)
    Q_PROPERTY(double top READ top WRITE setTop FINAL)
    Q_PROPERTY(double bottom READ bottom WRITE setBottom FINAL)
    Q_PROPERTY(bool valid READ isValid FINAL)
    QML_VALUE_TYPE(sizes)
    QML_STRUCTURED_VALUE

public:
    Sizes() = default;
    Sizes(double left, double top, double right, double bottom);

    double left() const { return m_left; }
    void setLeft(double left) { m_left = left; }
    double right() const { return m_right; }
    void setRight(double right) { m_right = right; }
    double top() const { return m_top; }
    void setTop(double top) { m_top = top; }
    double bottom() const { return m_bottom; }
    void setBottom(double bottom) { m_bottom = bottom; }

    // True when one distance is not zero.
    bool isValid() const;

    friend QUILT_QUICK_EXPORT bool operator==(const Sizes& a, const Sizes& b);
    friend bool operator!=(const Sizes& a, const Sizes& b) { return !(a == b); }

private:
    double m_left = 0.0;
    double m_top = 0.0;
    double m_right = 0.0;
    double m_bottom = 0.0;
};

QUILT_QUICK_EXPORT bool operator==(const Sizes& a, const Sizes& b);
} // namespace Quilt::Quick
