#include "appearance/ColorField.h"

#include "appearance/ColorIdentifiers.h"
#include "plugin/IntegerText.h"

namespace orbidate {

std::string FormatColorField(ColorValue color) {
  if (const auto name = IdentifierOfColor(color)) return std::string(*name);
  constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text = "$";
  for (int shift = 28; shift >= 0; shift -= 4) text += kDigits[(color.value >> shift) & 0xF];
  return text;
}

std::optional<ColorValue> ParseColorField(std::string_view text) {
  if (const auto color = ColorOfIdentifier(text)) return color;
  if (const auto number = ParseIntegerText(text)) return ColorValue{static_cast<std::uint32_t>(*number)};
  return std::nullopt;
}

}  // namespace orbidate
