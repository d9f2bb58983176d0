#include "appearance/ColorSpec.h"

#include "plugin/IntegerText.h"

namespace orbidate {
namespace {

bool IsBlankOrControl(char c) {
  const auto code = static_cast<unsigned char>(c);
  return code >= 1 && code <= 32;
}

std::size_t SkipBlanks(std::string_view text, std::size_t pos) {
  while (pos < text.size() && IsBlankOrControl(text[pos])) ++pos;
  return pos;
}

// The quoted item that starts at text[pos] == '"'; |pos| ends behind the
// closing quote, or at the end when there is none.
std::string ReadQuotedItem(std::string_view text, std::size_t& pos) {
  std::string item;
  ++pos;
  while (pos < text.size()) {
    if (text[pos] == '"') {
      if (pos + 1 < text.size() && text[pos + 1] == '"') {
        item += '"';
        pos += 2;
        continue;
      }
      ++pos;
      return item;
    }
    item += text[pos];
    ++pos;
  }
  return item;
}

std::uint8_t ComponentOf(const std::string& item) {
  return static_cast<std::uint8_t>(ParseIntegerText(item).value_or(0) & 0xFF);
}

}  // namespace

std::string FormatColorSpec(ColorValue color) {
  return std::to_string(color.Red()) + "," + std::to_string(color.Green()) + "," + std::to_string(color.Blue());
}

std::vector<std::string> CutColorSpecItems(std::string_view text) {
  std::vector<std::string> items;
  std::size_t pos = SkipBlanks(text, 0);
  while (pos < text.size()) {
    if (text[pos] == '"') {
      items.push_back(ReadQuotedItem(text, pos));
    } else {
      const std::size_t start = pos;
      while (pos < text.size() && text[pos] != ',' && !IsBlankOrControl(text[pos])) ++pos;
      items.emplace_back(text.substr(start, pos - start));
    }
    pos = SkipBlanks(text, pos);
    if (pos < text.size() && text[pos] == ',') {
      if (pos + 1 == text.size()) items.emplace_back();
      pos = SkipBlanks(text, pos + 1);
    }
  }
  return items;
}

std::optional<ColorValue> ParseColorSpec(std::string_view text) {
  const std::vector<std::string> items = CutColorSpecItems(text);
  if (items.size() != 3) return std::nullopt;
  return ColorValue::FromRgb(ComponentOf(items[0]), ComponentOf(items[1]), ComponentOf(items[2]));
}

}  // namespace orbidate
