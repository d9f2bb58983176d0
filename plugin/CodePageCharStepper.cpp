#include "plugin/CodePageCharStepper.h"

namespace orbidate {

bool CodePageCharStepper::IsLeadByte(unsigned char b) const {
  switch (codePage_) {
    case 932:  // Shift-JIS
      return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    case 936:  // GBK
    case 949:  // Unified Hangul Code
    case 950:  // Big5
      return b >= 0x81 && b <= 0xFE;
    default:
      return false;
  }
}

std::size_t CodePageCharStepper::CharLength(std::string_view text, std::size_t pos) const {
  // Like CharNextA, a lead byte with nothing (or a terminator) after it is a
  // character of its own.
  if (IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() &&
      text[pos + 1] != '\0') {
    return 2;
  }
  return 1;
}

}  // namespace orbidate
