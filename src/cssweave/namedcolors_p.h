#pragma once

#include "cssweave.h"

#include <optional>
#include <string_view>

namespace cssparser::detail
{

// The colour a CSS colour keyword names ("red", "Gray", "transparent"),
// compared without regard to ASCII case.
std::optional<Rgba> namedColor(std::string_view name);

} // namespace cssparser::detail
