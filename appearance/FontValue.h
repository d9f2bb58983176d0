// A font as the font texts describe it: face, colour, size in points, styles
// and the Windows character set. How it is rendered is the drawing layer's
// business.
#pragma once

#include <cstdint>
#include <string>

#include "appearance/ColorValue.h"

namespace orbidate {

enum FontStyle : std::uint8_t {
  kFontBold = 1,
  kFontItalic = 2,
  kFontUnderline = 4,
  kFontStrikeOut = 8,
};

inline constexpr std::size_t kMaxFaceNameLength = 31;
inline constexpr std::uint8_t kDefaultCharset = 1;

struct FontValue {
  std::string face = "MS Sans Serif";
  ColorValue color = kClWindowText;
  std::int32_t size = 8;  // points; the calendar's fonts may also be given by pixel height
  std::uint8_t styles = 0;  // FontStyle bits
  std::uint8_t charset = kDefaultCharset;

  bool operator==(const FontValue&) const = default;
  bool Has(FontStyle style) const { return (styles & style) != 0; }
};

}  // namespace orbidate
