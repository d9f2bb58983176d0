// A colour as the calendar's properties hold it: a 32-bit value whose lowest
// byte is red, then green, then blue, the highest byte 0 for an ordinary
// colour. A highest byte of $FF stands for a display system colour (index in
// the lowest byte); clNone and clDefault are two special values.
#pragma once

#include <cstdint>

namespace orbidate {

struct ColorValue {
  std::uint32_t value = 0;

  constexpr bool operator==(const ColorValue&) const = default;

  constexpr bool IsSystemColor() const { return (value >> 24) == 0xFF; }
  constexpr std::uint8_t SystemIndex() const { return static_cast<std::uint8_t>(value & 0xFF); }
  constexpr std::uint8_t Red() const { return static_cast<std::uint8_t>(value & 0xFF); }
  constexpr std::uint8_t Green() const { return static_cast<std::uint8_t>((value >> 8) & 0xFF); }
  constexpr std::uint8_t Blue() const { return static_cast<std::uint8_t>((value >> 16) & 0xFF); }

  static constexpr ColorValue FromRgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return {static_cast<std::uint32_t>(red) | (static_cast<std::uint32_t>(green) << 8) |
            (static_cast<std::uint32_t>(blue) << 16)};
  }
  static constexpr ColorValue System(std::uint8_t index) { return {0xFF000000u | index}; }
};

inline constexpr ColorValue kClNone{0x1FFFFFFF};
inline constexpr ColorValue kClDefault{0x20000000};
inline constexpr ColorValue kClBlack{0x00000000};
inline constexpr ColorValue kClWhite{0x00FFFFFF};
inline constexpr ColorValue kClRed{0x000000FF};
inline constexpr ColorValue kClTeal{0x00808000};
inline constexpr ColorValue kClGray{0x00808080};
inline constexpr ColorValue kClSkyBlue{0x00F0CAA6};
inline constexpr ColorValue kClMedGray{0x00A4A0A0};
inline constexpr ColorValue kClBtnFace = ColorValue::System(15);
inline constexpr ColorValue kClWindowText = ColorValue::System(8);

}  // namespace orbidate
