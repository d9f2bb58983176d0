// Names (rectangle names, localization codes, localization header lines) are
// equal when they have the same length and every byte is equal after only the
// letters "a" to "z" are folded to "A" to "Z". No other byte is folded, so
// Cyrillic names that differ in case are different names.
#pragma once

#include <string_view>

namespace orbidate {

constexpr char FoldLatinLetter(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr bool NamesEqual(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldLatinLetter(a[i]) != FoldLatinLetter(b[i])) return false;
  }
  return true;
}

}  // namespace orbidate
