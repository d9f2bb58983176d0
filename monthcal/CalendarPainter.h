// Paints the month calendar from its state and layout onto any canvas.
#pragma once

#include "canvas/Canvas.h"
#include "monthcal/CalendarLayout.h"
#include "monthcal/MonthCalendar.h"

namespace orbidate {

void PaintCalendar(const MonthCalendar& calendar, const CalendarLayout& layout, Canvas& canvas);

// The colour of a day's number: selected days in SelectFontColor, days off
// of the shown month in WeekendColor, every other day (the neighbouring
// months' days off included) in TextColor.
ColorValue DayNumberColor(const MonthCalendar& calendar, DayNumber day);

}  // namespace orbidate
