#include "alignment.h"

namespace Quilt::Quick
{
Alignment::Alignment(QObject* parent)
    : QObject(parent)
{ }

Alignment::~Alignment() = default;

Qt::Alignment Alignment::toQtHorizontal(AlignmentType alignment) const
{
    switch (alignment) {
    case Center:
        return Qt::AlignHCenter;
    case End:
        return Qt::AlignRight;
    case Fill:
    case StackCenter:
    case StackFill:
        return Qt::AlignJustify;
    case Unspecified:
    case Start:
        break;
    }
    return Qt::AlignLeft;
}

Qt::Alignment Alignment::toQtVertical(AlignmentType alignment) const
{
    switch (alignment) {
    case Start:
        return Qt::AlignTop;
    case End:
        return Qt::AlignBottom;
    default:
        break;
    }
    return Qt::AlignVCenter;
}
} // namespace Quilt::Quick
