// Cuts a text into the pieces between separator characters.
//
// The list is cleared, then every piece that runs up to the next separator or
// the end is appended. An empty text gives no piece; adjacent separators give
// an empty piece between them; a leading separator gives an empty first piece;
// a trailing separator gives no empty last piece. Pieces are not trimmed.
// Characters are stepped over by the system's multi-byte rules, so a trail
// byte equal to the separator does not cut a double-byte character.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "plugin/CharStepper.h"

namespace orbidate {

void SplitText(std::string_view text, std::vector<std::string>& list, char separator,
               const CharStepper& stepper = SystemCharStepper());

// Joins pieces with the separator; the writer's side of SplitText.
std::string JoinText(const std::vector<std::string>& pieces, char separator);

}  // namespace orbidate
