#pragma once

#include <QtCore/QObject>
#include <QtQml/qqmlregistration.h>

#include "quickimplglobal.h"

namespace Quilt::Quick
{
// Turns the style's alignment values into Qt alignment flags for text items.
class QUILT_QUICK_EXPORT Alignment : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    // The values of the style's alignment leaves. The underlying type is fixed
    // so that any number from QML is a value of the type.
    enum AlignmentType : int
    {
        Unspecified = 0,
        Start = 1,
        Center = 2,
        End = 3,
        Fill = 4,
        StackCenter = 5,
        StackFill = 6,
    };
    Q_ENUM(AlignmentType)

    explicit Alignment(QObject* parent = nullptr);
    ~Alignment() override;

    Q_INVOKABLE Qt::Alignment toQtHorizontal(Quilt::Quick::Alignment::AlignmentType alignment) const;
    Q_INVOKABLE Qt::Alignment toQtVertical(Quilt::Quick::Alignment::AlignmentType alignment) const;
};
} // namespace Quilt::Quick
