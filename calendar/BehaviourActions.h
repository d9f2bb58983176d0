// The actions that change how a live calendar behaves: month names, multiple
// selection, the bindings of the result variable and the event subroutines,
// the set month and year, the first weekday and the days off. Each takes its
// slot texts (slot 0: the rectangle name) and answers false only for a
// missing calendar or a date the calendar refuses.
#pragma once

#include "plugin/ActionDispatch.h"

namespace orbidate {

bool ExecuteNameMonths(ActionArgs args);       // 2 OrbidateNameMounths
bool ExecuteMultiSelect(ActionArgs args);      // 9 OrbiMultiSelect
bool ExecuteGetDate(ActionArgs args);          // 10 OrbidateGetDate
bool ExecuteSetMonth(ActionArgs args);         // 11 OrbidateSetMonth
bool ExecuteSetYear(ActionArgs args);          // 12 OrbidateSetYear
bool ExecuteStartDay(ActionArgs args);         // 14 OrbiStartDay
bool ExecuteInActiveDay(ActionArgs args);      // 15 OrbiInActiveDay
bool ExecuteSubMonthSelect(ActionArgs args);   // 16 OrbiSubMonthSelect
bool ExecuteSubYearSelect(ActionArgs args);    // 17 OrbiSubYearSelect
bool ExecuteSubRightClick(ActionArgs args);    // 18 OrbiSubRightClick

}  // namespace orbidate
