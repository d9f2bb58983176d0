#include "calendar/CreateCalendarAction.h"

#include "calendar/ActionParameters.h"
#include "calendar/CalendarForms.h"
#include "calendar/ImageForm.h"
#include "calendar/RectangleWindow.h"

namespace orbidate {

bool CreateOrDeleteCalendar(std::string_view rectangleName, std::string_view operation, std::string_view dayNames,
                            Host& host, CalendarWindowFactory& windows) {
  if (CalendarFormsExist()) CalendarForms().DestroyCalendar(rectangleName);
  const auto parent = AskRectangleWindow(host, rectangleName);
  if (!parent) return false;
  if (*parent != 0 && operation == "Create") {
    CalendarWindow* window = windows.Create(*parent, rectangleName);
    if (window == nullptr) return false;
    MonthCalendar& calendar = window->Form().PlannerCalendar;
    if (const auto names = ReadCreateDayNames(dayNames)) calendar.SetNameOfDays(*names);
    // Today always exists, so the calendar cannot refuse it.
    (void)calendar.SetDate(windows.Today());
    windows.Show(*window);
    CalendarForms().Append(window);
  }
  // "Delete" finds nothing left to delete after the first step.
  return true;
}

bool ExecuteCreateOrDelete(ActionArgs args) {
  return CreateOrDeleteCalendar(args[0], args[1], args[2], CallbackHost(), SystemCalendarWindows());
}

}  // namespace orbidate
