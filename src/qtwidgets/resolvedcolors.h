#pragma once

#include <QColor>

namespace Quilt
{
class Color;
}

// The colour `color` resolves to now, as Quilt::Color::toQColor() gives it.
// A custom colour asks its provider and a mix resolves both operands on every
// call, and a paint asks for the same few colours again and again: what a
// colour resolved to is kept until the style generation changes, which every
// change of palette, scheme or style advances. GUI thread only.
QColor resolvedColor(const Quilt::Color& color);
