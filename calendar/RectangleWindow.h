// Asking the host for the window of one of its rectangles (request code 7):
// the name goes in a fresh slot, the host writes the handle back in decimal,
// and the slot is released whatever happens.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "plugin/Host.h"

namespace orbidate {

// The handle (0: the rectangle has no window), or nothing when the host has
// no interface-access callback or its answer is not an integer text.
std::optional<std::uintptr_t> AskRectangleWindow(Host& host, std::string_view rectangleName);

}  // namespace orbidate
