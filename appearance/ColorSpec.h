// ColorSpec: a colour as text, its decimal red, green and blue joined by ","
// ("255,128,0"), and the reader that the colour actions use.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "appearance/ColorValue.h"

namespace orbidate {

// Red, green and blue of the lowest three bytes; the highest byte is not
// looked at (the colours come from the standard colour dialog).
std::string FormatColorSpec(ColorValue color);

// Cuts the text into items: blanks and control characters (codes 1 to 32)
// separate as the comma does; an item that starts with a double quote runs to
// the matching closing quote, a doubled quote inside standing for one; a comma
// that is the very last character adds an empty item.
std::vector<std::string> CutColorSpecItems(std::string_view text);

// Nothing unless the text cuts into exactly three items. Each item is read as
// an integer text (0 when it is none) and keeps its low 8 bits, so "300" is
// 44 and "-1" is 255.
std::optional<ColorValue> ParseColorSpec(std::string_view text);

}  // namespace orbidate
