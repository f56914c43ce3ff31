#pragma once

#include "quiltglobal.h"

#include <QFlags>
#include <QObject>

// The enumerations that the property groups use. They are registered with the
// meta-object system so that their key names serve the text form and the style
// sheet readers alike.
namespace Quilt::Properties
{
Q_NAMESPACE_EXPORT(QUILT_EXPORT)

// How a background image is laid out. Combined through QFlags, yet registered
// as a plain enumeration: its key names are what style sheets write.
enum class ImageFlag
{
    RepeatX = 0x1,
    RepeatY = 0x2,
    RepeatBoth = 0x3,
    StretchX = 0x4,
    StretchY = 0x8,
    StretchBoth = 0xC,
    Mask = 0x10,
    InvertedMask = 0x20,
};
Q_ENUM_NS(ImageFlag)
Q_DECLARE_FLAGS(ImageFlags, ImageFlag)

enum class LineStyle
{
    None = 0,
    Solid = 1,
};
Q_ENUM_NS(LineStyle)

enum class AlignmentContainer
{
    Item = 0,
    Content = 1,
    Background = 2,
};
Q_ENUM_NS(AlignmentContainer)

enum class Alignment
{
    Unspecified = 0,
    Start = 1,
    Center = 2,
    End = 3,
    Fill = 4,
    StackCenter = 5,
    StackFill = 6,
};
Q_ENUM_NS(Alignment)

enum class TextWrapMode
{
    NoWrap = 0,
    WordWrap = 1,
    ManualWrap = 2,
    WrapAnywhere = 3,
    WrapAtWordBoundaryOrAnywhere = 4,
};
Q_ENUM_NS(TextWrapMode)

enum class TextElide
{
    None = 0,
    Left = 1,
    Middle = 2,
    Right = 3,
};
Q_ENUM_NS(TextElide)

// The form of a group's text: one slot per line, and the class name around it.
enum class ToStringFlag
{
    MultiLine = 0x1,
    IncludeTypeName = 0x2,
};
Q_DECLARE_FLAGS(ToStringFlags, ToStringFlag)

Q_DECLARE_OPERATORS_FOR_FLAGS(ImageFlags)
Q_DECLARE_OPERATORS_FOR_FLAGS(ToStringFlags)

} // namespace Quilt::Properties
