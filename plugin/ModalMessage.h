// The one message the plug-in ever shows: a modal box with an OK button over
// the active window.
#pragma once

#include <string_view>

namespace orbidate {

void ShowModalMessage(std::string_view text);

}  // namespace orbidate
