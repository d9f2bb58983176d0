// The one rule by which every integer is read from a text.
//
// Spaces (character 32 only) at the start are skipped, then an optional "-"
// or "+", then either a hexadecimal number introduced by "$", "x", "X", "0x"
// or "0X", or a decimal number. At least one digit is required and nothing may
// follow the digits. Decimal numbers must fit a signed 32-bit integer;
// hexadecimal numbers have at most eight significant digits and are taken as a
// 32-bit pattern ("$FFFFFFFF" is -1). The sign applies to both.
//
// A text that breaks the rule gives no value: each caller decides whether that
// means a default or a failure.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace orbidate {

std::optional<std::int32_t> ParseIntegerText(std::string_view text);

}  // namespace orbidate
