// The names by which colours are written inside a FontSpec: 52 identifiers,
// each with its own value ("clRed" is $000000FF, "clWindowText" $FF000008).
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "appearance/ColorValue.h"

namespace orbidate {

struct ColorIdentifier {
  std::string_view name;
  ColorValue color;
};

std::span<const ColorIdentifier> ColorIdentifiers();

// The identifier whose value is |color|, or nothing.
std::optional<std::string_view> IdentifierOfColor(ColorValue color);

// The value of the identifier equal to |name| with the letters a-z folded;
// no blank is trimmed.
std::optional<ColorValue> ColorOfIdentifier(std::string_view name);

}  // namespace orbidate
