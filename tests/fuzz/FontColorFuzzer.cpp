// libFuzzer target for the readers of the colour and font texts: any bytes of
// any length go through ParseColorSpec and ApplyFontSpec, single-byte and
// double-byte, and what they produce must hold together.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "appearance/ColorSpec.h"
#include "appearance/FontSpec.h"
#include "plugin/CodePageCharStepper.h"

namespace {

using namespace orbidate;

constexpr CodePageCharStepper kWestern(1252);
constexpr CodePageCharStepper kJapanese(932);

void Require(bool condition) {
  if (!condition) std::abort();
}

// |hostText| tells whether the text could have come from the host, which
// hands over zero-terminated texts: a zero byte ends a multi-byte character
// early, so only such texts are held to the round trip.
void CheckApply(std::string_view text, const CharStepper& stepper, bool hostText) {
  FontValue font;
  ColorValue caption = kClBlack;
  ApplyFontSpec(text, font, &caption, stepper);
  Require(font.face.size() <= kMaxFaceNameLength);
  Require(!font.face.empty());
  // What was read writes back to a text that reads back the same, unless the
  // face carries the separator.
  if (hostText && font.face.find('|') == std::string::npos) {
    FontValue again{"Other", kClWhite, 1, kFontBold, 7};
    ApplyFontSpec(FormatFontSpec(font), again, nullptr, stepper);
    Require(again == font);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string_view text = bytes.substr(0, bytes.find('\0'));
  for (const std::string_view input : {bytes, text}) {
    const bool hostText = input.size() == text.size();
    if (const auto color = ParseColorSpec(input)) {
      Require((color->value >> 24) == 0);
      Require(ParseColorSpec(FormatColorSpec(*color)) == color);
    }
    CheckApply(input, kWestern, hostText);
    CheckApply(input, kJapanese, hostText);
  }
  return 0;
}
