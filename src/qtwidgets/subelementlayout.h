#pragma once

#include <QList>
#include <QMap>
#include <QRectF>
#include <QString>

// One named part of an element (its icon, its text, its indicator, ...) and
// the place the layout gives it, in logical pixels.
struct SubElementItem
{
    QString name;
    int order = 0;
    int horizontal = 0; // a Quilt::Properties::Alignment value
    int vertical = 0; // likewise
    QRectF rect;
};

using SubElementLayout = QMap<QString, SubElementItem>;

// The items of one group of a layout pass.
struct SubElementGroup
{
    enum Index
    {
        Start = 0,
        Centre = 1,
        End = 2,
        Fill = 3,
    };

    int index = Start;
    QRectF rect;
    QList<SubElementItem> items;
};

// Places measured items in one row inside `content`: a start group at the
// left edge, an end group at the right edge, a centre group centred between
// them and pushed aside where it would overlap them, and a fill group over the
// room between start and end. Each item arrives with its size in `rect` (and
// its origin where it was measured); `items` is in the element's name order.
// Items whose horizontal alignment fits no group are left out.
SubElementLayout arrangeSubElements(const QList<SubElementItem>& items, const QRectF& content, double spacing);

// The smallest rectangle holding every placed item but the indicator, each
// made whole first; an empty rectangle when there is none.
QRectF layoutContentsRect(const SubElementLayout& layout);

// Mirrors every place of `layout` inside `bounds` for a right-to-left
// direction; a left-to-right layout is left as it is.
void mirrorSubElements(SubElementLayout& layout, Qt::LayoutDirection direction, const QRectF& bounds);
