#pragma once

#include "color.h"

#include <QStringList>

#include <optional>

namespace Quilt
{

// The value model's way to colour providers; both live with the providers in
// the engine core (colorprovider.cpp).

// Called whenever a custom colour is made, by Color::custom() or by the stream
// reader: the place where the process-wide colour-provider plug-in registry is
// created on first use.
void ensureColorProviderRegistry();

// Resolves the arguments of a custom colour through the provider named by
// source; no value when there is no such provider or it cannot resolve them.
std::optional<Rgba> resolveCustomColor(const QString& source, const QStringList& arguments);

} // namespace Quilt
