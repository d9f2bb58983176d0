// CalendarForms: the live calendar windows, in the order of their creation,
// known by the names of their rectangles. The list owns its windows: one
// leaves it only when it is destroyed. No two carry names that FindCalendar
// takes for equal, because creating one always destroys the old one first.
#pragma once

#include <string_view>
#include <vector>

#include "calendar/CalendarWindow.h"

namespace orbidate {

class CalendarWindowList {
 public:
  CalendarWindowList() = default;
  CalendarWindowList(const CalendarWindowList&) = delete;
  CalendarWindowList& operator=(const CalendarWindowList&) = delete;

  // Index of the first window whose rectangle name equals |name| (name
  // comparison rule), or -1.
  int FindCalendar(std::string_view name) const;
  // The window registered under |name| with a non-empty name, or null: a
  // window whose name is empty counts as no calendar for the actions.
  CalendarWindow* Calendar(std::string_view name) const;

  // Removes the window of that name from the list and destroys it; true.
  // (A window registered under an empty name is destroyed too: left alive
  // outside the list it would stay in its rectangle for good.)
  bool DestroyCalendar(std::string_view name);
  void DestroyAll();

  void Append(CalendarWindow* window) { windows_.push_back(window); }
  int Count() const { return static_cast<int>(windows_.size()); }
  CalendarWindow* At(int index) const { return windows_[static_cast<std::size_t>(index)]; }

 private:
  std::vector<CalendarWindow*> windows_;
};

// The plug-in's list; it exists from the first creation until
// DestroyAllCalendars.
CalendarWindowList& CalendarForms();
bool CalendarFormsExist();

// nbMessage code 2: destroys every calendar window, from the first to the
// last, and the list itself.
void DestroyAllCalendars();

}  // namespace orbidate
