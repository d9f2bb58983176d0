// The frame every calendar action shares: find the calendar by the rectangle
// name in slot 0, or answer false and change nothing.
#pragma once

#include <string_view>

#include "calendar/CalendarForms.h"
#include "calendar/ImageForm.h"

namespace orbidate {

// Runs |apply| on the form of the calendar named |rectangleName| and returns
// its answer; false when no calendar (or one with an empty name) bears it.
template <class Apply>
bool OnCalendar(std::string_view rectangleName, Apply&& apply) {
  if (!CalendarFormsExist()) return false;
  CalendarWindow* window = CalendarForms().Calendar(rectangleName);
  if (window == nullptr) return false;
  return apply(window->Form());
}

}  // namespace orbidate
