// FontSpec: a font as text, five fields joined by "|" (face, colour, size,
// styles, character set), and the reader that applies such a text to a font
// step by step.
#pragma once

#include <string>
#include <string_view>

#include "appearance/FontValue.h"

namespace orbidate {

std::string FormatFontSpec(const FontValue& font);

// Applies |text| to |font| (and its colour to |secondColor| when given);
// what was applied before an invalid field stays applied.
void ApplyFontSpec(std::string_view text, FontValue& font, ColorValue* secondColor = nullptr);

}  // namespace orbidate
