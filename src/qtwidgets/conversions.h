#pragma once

#include "properties.h"

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

class QStyleOption;
class QStyleOptionFrame;

namespace Quilt::Properties
{
class StylePropertyGroup;
}

// Resolved property values and style options turned into Qt values. None of
// these keeps state.

// Flags for drawItemText and font metrics: alignment from the layout group's
// alignment, wrapping from the text group. Always vertically centred. Null
// properties give Qt::AlignLeft | Qt::AlignVCenter.
int textFlags(const Quilt::Properties::StylePropertyGroup* properties);

// Qt::ElideNone for None and anything unknown.
Qt::TextElideMode elideMode(Quilt::Properties::TextElide elide);

// The element type of an option's type; "Widget" for a null option and for
// types without a name of their own.
QString defaultElementType(const QStyleOption* option);

// The text an option carries, empty for options without one.
QString optionText(const QStyleOption* option);

// The option's icon size, (-1, -1) when it has none. The option must not be null.
QSizeF optionIconSize(const QStyleOption* option);

// The option's rectangle minus the layout inset of the properties; an empty
// rectangle for a null option.
QRectF contentRect(const QStyleOption* option, const Quilt::Properties::StylePropertyGroup* properties);

// A width x height rectangle with the container's centre, not rounded.
QRectF centeredRect(const QRectF& container, double width, double height);

// Element hints of a frame: its features and, from its style object's
// "_halcyon_borders_sides", the edges it draws.
QStringList frameHints(const QStyleOptionFrame* option);

// The one hint, "horizontal" or "vertical", of a bar that can lie either way;
// shared lists, so that asking allocates nothing.
const QStringList& orientationHints(bool horizontal);
