// What the calendar actions need of one live calendar window: the name it is
// registered under, its form (the calendar control and the binding labels),
// and a way to go. The Win32 window (TNeo) implements it; native tests use a
// stand-in.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace orbidate {

class ImageForm;

class CalendarWindow {
 public:
  virtual ~CalendarWindow() = default;

  // The rectangle name, stored at creation and never changed.
  virtual const std::string& RectangleName() const = 0;
  virtual ImageForm& Form() = 0;

  // Destroys the window. When this happens inside one of the window's own
  // events (the host's subroutine deleted its calendar), the object is
  // released only once that event has returned; either way the caller must
  // not touch it again.
  virtual void Destroy() = 0;
};

// Makes calendar windows inside host rectangles.
class CalendarWindowFactory {
 public:
  virtual ~CalendarWindowFactory() = default;
  // A new calendar as a child of the host window |parent|, filling its client
  // area, not yet visible; null when |parent| is not a window or the window
  // cannot be made.
  virtual CalendarWindow* Create(std::uintptr_t parent, std::string_view rectangleName) = 0;
  // Makes the window visible.
  virtual void Show(CalendarWindow& window) = 0;
  // Today on the local clock.
  virtual std::chrono::year_month_day Today() = 0;
};

CalendarWindowFactory& SystemCalendarWindows();

}  // namespace orbidate
