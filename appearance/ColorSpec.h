// ColorSpec: a colour as text, its decimal red, green and blue joined by ","
// ("255,128,0"), and the reader that the colour actions use.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "appearance/ColorValue.h"

namespace orbidate {

std::string FormatColorSpec(ColorValue color);

// Nothing unless the text cuts into exactly three items.
std::optional<ColorValue> ParseColorSpec(std::string_view text);

}  // namespace orbidate
