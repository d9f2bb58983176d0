// How the calendar actions read their parameter texts. Keywords are matched
// exactly (case and blanks counting, nothing trimmed); numbers go through the
// integer text rule; name lists are cut at "|". A reader that gives nothing
// means "change nothing".
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "canvas/Canvas.h"

namespace orbidate {

// "True" or "False".
std::optional<bool> ReadTrueFalse(std::string_view text);

// "1" to "12", exactly as written (no sign, blank or leading zero).
std::optional<int> ReadMonthNumber(std::string_view text);

// An integer text from 1800 to 3000.
std::optional<int> ReadYear(std::string_view text);

// The first day of the week: an integer text brought into 1..7, or 7
// (Sunday) when the text is not an integer text.
int ReadStartDay(std::string_view text);

// "Monday" (1) to "Sunday" (7).
std::optional<int> ReadWeekdayName(std::string_view text);

// "Vertical" or "Horizontal".
std::optional<GradientDirection> ReadGradientDirection(std::string_view text);

using DayNames = std::array<std::string, 7>;    // Monday first
using MonthNames = std::array<std::string, 12>;  // January first

// Day names of the create action: nothing for an empty text (the calendar
// keeps its names); seven pieces give the names Monday to Sunday; any other
// count gives seven empty names.
std::optional<DayNames> ReadCreateDayNames(std::string_view text);

// Month names: exactly twelve pieces, or nothing.
std::optional<MonthNames> ReadMonthNames(std::string_view text);

}  // namespace orbidate
