// The colour field of a FontSpec: an identifier where the colour has one,
// otherwise "$" and the value as eight uppercase hexadecimal digits
// ("$00030201" is red 1, green 2, blue 3). Any colour fits, system colours
// and clNone included.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "appearance/ColorValue.h"

namespace orbidate {

std::string FormatColorField(ColorValue color);

// An identifier (letter case ignored) or an integer text; anything else,
// blanks around an identifier included, gives nothing.
std::optional<ColorValue> ParseColorField(std::string_view text);

}  // namespace orbidate
