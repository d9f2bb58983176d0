#include "calendar/BehaviourActions.h"

#include "calendar/ActionParameters.h"
#include "calendar/CalendarAction.h"

namespace orbidate {

bool ExecuteNameMonths(ActionArgs args) {
  return OnCalendar(args[0], [&](ImageForm& form) {
    if (const auto names = ReadMonthNames(args[1])) form.PlannerCalendar.SetNameOfMonths(*names);
    return true;
  });
}

bool ExecuteMultiSelect(ActionArgs args) {
  return OnCalendar(args[0], [&](ImageForm& form) {
    if (const auto on = ReadTrueFalse(args[1])) form.PlannerCalendar.SetMultiSelect(*on);
    return true;
  });
}

bool ExecuteGetDate(ActionArgs args) {
  return OnCalendar(args[0], [&](ImageForm& form) {
    form.LabelResult = args[2];
    form.LabelSubProgramm = args[1];
    return true;
  });
}

bool ExecuteSetMonth(ActionArgs args) {
  return OnCalendar(args[0], [&](ImageForm& form) {
    const auto month = ReadMonthNumber(args[1]);
    return !month || form.PlannerCalendar.SetMonth(static_cast<unsigned>(*month));
  });
}

bool ExecuteSetYear(ActionArgs args) {
  return OnCalendar(args[0], [&](ImageForm& form) {
    const auto year = ReadYear(args[1]);
    return !year || form.PlannerCalendar.SetYear(*year);
  });
}

bool ExecuteStartDay(ActionArgs args) {
  return OnCalendar(args[0], [&](ImageForm& form) {
    form.PlannerCalendar.SetStartDay(ReadStartDay(args[1]));
    return true;
  });
}

bool ExecuteInActiveDay(ActionArgs args) {
  return OnCalendar(args[0], [&](ImageForm& form) {
    const auto weekday = ReadWeekdayName(args[1]);
    const auto off = ReadTrueFalse(args[2]);
    if (weekday && off) form.PlannerCalendar.SetInActiveDay(*weekday, *off);
    return true;
  });
}

bool ExecuteSubMonthSelect(ActionArgs args) {
  return OnCalendar(args[0], [&](ImageForm& form) {
    form.SubProgMonthSelect = args[1];
    return true;
  });
}

bool ExecuteSubYearSelect(ActionArgs args) {
  return OnCalendar(args[0], [&](ImageForm& form) {
    form.SubProgYearSelect = args[1];
    return true;
  });
}

bool ExecuteSubRightClick(ActionArgs args) {
  return OnCalendar(args[0], [&](ImageForm& form) {
    form.SubProgRightClick = args[1];
    return true;
  });
}

}  // namespace orbidate
