#include "appearance/FontSpec.h"

#include <array>
#include <vector>

#include "appearance/ColorField.h"
#include "plugin/IntegerText.h"
#include "plugin/SplitText.h"

namespace orbidate {
namespace {

struct StyleWord {
  FontStyle style;
  std::string_view word;
};

// In the order they are written.
constexpr std::array<StyleWord, 4> kStyleWords = {{
    {kFontBold, "fsBold"},
    {kFontItalic, "fsItalic"},
    {kFontUnderline, "fsUnderline"},
    {kFontStrikeOut, "fsStrikeOut"},
}};

constexpr std::int32_t kSizeWhenUnreadable = 10;

}  // namespace

std::string CutFaceName(std::string_view face, const CharStepper& stepper) {
  std::size_t end = 0;
  while (end < face.size()) {
    const std::size_t next = end + stepper.CharLength(face, end);
    if (next > kMaxFaceNameLength) break;
    end = next;
  }
  return std::string(face.substr(0, end));
}

std::string FormatFontSpec(const FontValue& font) {
  std::string text = CutFaceName(font.face);
  text += '|';
  text += FormatColorField(font.color);
  text += '|';
  text += std::to_string(font.size);
  text += '|';
  for (const StyleWord& entry : kStyleWords) {
    if (font.Has(entry.style)) {
      text += entry.word;
      text += ' ';
    }
  }
  text += '|';
  text += std::to_string(font.charset);
  return text;
}

void ApplyFontSpec(std::string_view text, FontValue& font, ColorValue* secondColor, const CharStepper& stepper) {
  std::vector<std::string> pieces;
  SplitText(text, pieces, '|', stepper);
  if (pieces.size() != 5) return;
  const std::string& face = pieces[0];
  const std::string& color = pieces[1];
  const std::string& size = pieces[2];
  const std::string& styles = pieces[3];
  const std::string& charset = pieces[4];

  if (!face.empty()) font.face = CutFaceName(face, stepper);

  const auto colorValue = ParseColorField(color);
  if (!colorValue) return;
  font.color = *colorValue;
  if (secondColor != nullptr) *secondColor = *colorValue;

  font.styles = 0;
  for (const StyleWord& entry : kStyleWords) {
    if (styles.find(entry.word) != std::string::npos) font.styles |= entry.style;
  }

  const auto charsetValue = ParseIntegerText(charset);
  if (!charsetValue) return;
  font.charset = static_cast<std::uint8_t>(*charsetValue & 0xFF);

  font.size = ParseIntegerText(size).value_or(kSizeWhenUnreadable);
}

}  // namespace orbidate
