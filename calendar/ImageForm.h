// What a calendar window is, apart from the window itself: the calendar
// control's state (PlannerCalendar), the five binding labels and the four
// handlers that report the user's choices to the host. The Win32 window
// (TImageForm, TImageForm_win.h) derives from it; actions work on this part
// alone and can be tried without a window.
#pragma once

#include <string>

#include "monthcal/MonthCalendar.h"
#include "monthcal/ShortDateFormat.h"
#include "plugin/Host.h"

namespace orbidate {

class ImageForm : protected MonthCalendarEvents {
 public:
  // The host and the date format must outlive the form.
  explicit ImageForm(Host& host = CallbackHost(), const ShortDateFormat& format = UserShortDateFormat());
  ~ImageForm() override = default;
  ImageForm(const ImageForm&) = delete;
  ImageForm& operator=(const ImageForm&) = delete;

  // The bindings: texts used verbatim, empty for nothing bound.
  std::string LabelSubProgramm;  // subroutine after a day choice
  std::string LabelResult;       // variable receiving the selected dates
  MonthCalendar PlannerCalendar;
  std::string SubProgMonthSelect;
  std::string SubProgYearSelect;
  std::string SubProgRightClick;

  // The handlers, as the calendar's events call them.
  void PlannerCalendarDaySelect();
  void PlannerCalendarMonthSelect();
  void PlannerCalendarYearSelect();
  void PlannerCalendarMouseDown(MouseButton button);

  std::string SelectedDatesText() const;

 protected:
  // From here on the calendar reports nothing more (the window is going).
  void DetachEvents() { PlannerCalendar.SetListener(nullptr); }

 private:
  void OnDaySelect() override { PlannerCalendarDaySelect(); }
  void OnMonthSelect() override { PlannerCalendarMonthSelect(); }
  void OnYearSelect() override { PlannerCalendarYearSelect(); }
  void OnMouseDown(MouseButton button) override { PlannerCalendarMouseDown(button); }

  Host* host_;
  const ShortDateFormat* format_;
};

}  // namespace orbidate
