// FontSpec: a font as text, five fields joined by "|" (face, colour, size,
// styles, character set), and the reader that applies such a text to a font
// step by step.
//
//   "Arial|clRed|12|fsBold fsItalic |204"
//   "MS Sans Serif|clWindowText|8||1"
#pragma once

#include <string>
#include <string_view>

#include "appearance/FontValue.h"
#include "plugin/CharStepper.h"

namespace orbidate {

// Nothing is quoted or escaped: a "|" inside the face name is written as it
// stands (and such a text then reads back as six pieces, changing nothing).
std::string FormatFontSpec(const FontValue& font);

// Applies |text| to |font| (and its colour to |secondColor| when given).
// A text that does not cut into exactly five pieces changes nothing.
// Otherwise, in this order: the face (unless the piece is empty); the colour
// field, where an invalid one stops the reading; the second colour target;
// the styles (each word found anywhere in the piece, letter case counting);
// the character set (low 8 bits), where an invalid one stops the reading;
// last the size, 10 when its piece is no integer text. What was applied
// before a stop stays applied.
void ApplyFontSpec(std::string_view text, FontValue& font, ColorValue* secondColor = nullptr,
                   const CharStepper& stepper = SystemCharStepper());

// The first kMaxFaceNameLength bytes of |face|, without splitting a
// double-byte character at the cut.
std::string CutFaceName(std::string_view face, const CharStepper& stepper = SystemCharStepper());

}  // namespace orbidate
