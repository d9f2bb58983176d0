#include "calendar/CalendarForms.h"

#include <optional>

#include "plugin/NameComparison.h"

namespace orbidate {
namespace {

std::optional<CalendarWindowList> gCalendarForms;

}  // namespace

int CalendarWindowList::FindCalendar(std::string_view name) const {
  for (std::size_t i = 0; i < windows_.size(); ++i) {
    if (NamesEqual(windows_[i]->RectangleName(), name)) return static_cast<int>(i);
  }
  return -1;
}

CalendarWindow* CalendarWindowList::Calendar(std::string_view name) const {
  const int index = FindCalendar(name);
  if (index < 0 || At(index)->RectangleName().empty()) return nullptr;
  return At(index);
}

bool CalendarWindowList::DestroyCalendar(std::string_view name) {
  const int index = FindCalendar(name);
  if (index < 0) return true;
  CalendarWindow* window = At(index);
  // Out of the list first: destroying may run code (the window's own event
  // unwinding) that looks the name up again.
  windows_.erase(windows_.begin() + index);
  window->Destroy();
  return true;
}

void CalendarWindowList::DestroyAll() {
  // Taken out one by one from the front, so a window's destruction never
  // sees itself in the list.
  while (!windows_.empty()) {
    CalendarWindow* window = windows_.front();
    windows_.erase(windows_.begin());
    window->Destroy();
  }
}

CalendarWindowList& CalendarForms() {
  if (!gCalendarForms) gCalendarForms.emplace();
  return *gCalendarForms;
}

bool CalendarFormsExist() { return gCalendarForms.has_value(); }

void DestroyAllCalendars() {
  if (!gCalendarForms) return;
  gCalendarForms->DestroyAll();
  gCalendarForms.reset();
}

}  // namespace orbidate
