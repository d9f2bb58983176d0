// The actions that restyle a live calendar: caption and day fonts, colours of
// selected dates and of days off, the gradients of the body and the header.
// An empty or unreadable value is skipped; the answer is false only when no
// calendar bears the rectangle name.
#pragma once

#include "plugin/ActionDispatch.h"

namespace orbidate {

bool ExecuteFont(ActionArgs args);            // 3 OrbidateFont
bool ExecuteDayFont(ActionArgs args);         // 4 OrbidateDayFont
bool ExecuteFontSelColor(ActionArgs args);    // 5 OrbiFontSelColor
bool ExecuteDateSelColor(ActionArgs args);    // 6 OrbiDateSelColor
bool ExecuteFieldColor(ActionArgs args);      // 7 OrbiFieldColor
bool ExecuteHeaderColor(ActionArgs args);     // 8 OrbiHeaderColor
bool ExecuteWeekEndColor(ActionArgs args);    // 13 OrbiWeekEndColor

}  // namespace orbidate
