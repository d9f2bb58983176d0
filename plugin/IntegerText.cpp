#include "plugin/IntegerText.h"

namespace orbidate {
namespace {

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Length of the hexadecimal prefix at the start of |rest|, or 0 for none.
std::size_t HexPrefixLength(std::string_view rest) {
  if (rest.empty()) return 0;
  if (rest[0] == '$' || rest[0] == 'x' || rest[0] == 'X') return 1;
  if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) return 2;
  return 0;
}

std::optional<std::uint32_t> ReadHexDigits(std::string_view digits) {
  if (digits.empty()) return std::nullopt;
  std::uint32_t value = 0;
  int significant = 0;
  for (char c : digits) {
    const int d = HexDigitValue(c);
    if (d < 0) return std::nullopt;
    if (significant > 0 || d != 0) ++significant;
    if (significant > 8) return std::nullopt;
    value = (value << 4) | static_cast<std::uint32_t>(d);
  }
  return value;
}

// Reads decimal digits as a magnitude; limit is the largest magnitude the
// sign allows (2147483647, or 2147483648 after "-").
std::optional<std::uint32_t> ReadDecimalDigits(std::string_view digits, std::uint32_t limit) {
  if (digits.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
    if (value > limit) return std::nullopt;
  }
  return static_cast<std::uint32_t>(value);
}

}  // namespace

std::optional<std::int32_t> ParseIntegerText(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && text[pos] == ' ') ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
    negative = text[pos] == '-';
    ++pos;
  }
  const std::string_view rest = text.substr(pos);
  std::uint32_t magnitude = 0;
  if (const std::size_t prefix = HexPrefixLength(rest); prefix > 0) {
    const auto hex = ReadHexDigits(rest.substr(prefix));
    if (!hex) return std::nullopt;
    magnitude = *hex;
  } else {
    const auto dec = ReadDecimalDigits(rest, negative ? 2147483648u : 2147483647u);
    if (!dec) return std::nullopt;
    magnitude = *dec;
  }
  // Two's complement negation on the 32-bit pattern: "-$FFFFFFFF" is 1 and
  // "-2147483648" is the smallest value.
  const std::uint32_t pattern = negative ? 0u - magnitude : magnitude;
  return static_cast<std::int32_t>(pattern);
}

}  // namespace orbidate
