// The month-calendar control's state and behaviour, free of any window: the
// properties the calendar window and its actions set, the set date, the shown
// month, the selection, the month and year lists of the caption and the
// mouse handling that selects days and raises the events. The window that
// shows it (MonthCalendarControl) translates messages into the mouse calls
// below and repaints when the changed hook fires.
#pragma once

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "appearance/ColorValue.h"
#include "appearance/FontValue.h"
#include "canvas/Canvas.h"
#include "monthcal/CalendarDate.h"
#include "monthcal/CalendarLayout.h"
#include "monthcal/DateSelection.h"

namespace orbidate {

enum class MouseButton { Left, Right, Middle };

// What the calendar reports; the calendar window implements it.
class MonthCalendarEvents {
 public:
  virtual ~MonthCalendarEvents() = default;
  virtual void OnDaySelect() {}
  virtual void OnMonthSelect() {}
  virtual void OnYearSelect() {}
  virtual void OnMouseDown(MouseButton) {}
};

enum class CalendarList { None, Months, Years };

// Browse-button order in CalendarLayout::browse and in the hints.
enum BrowseButton { kPrevYear = 0, kPrevMonth = 1, kNextMonth = 2, kNextYear = 3 };

// Pixels the pointer may move between the last tracked position over the
// grid and the release for the release to still choose the day.
inline constexpr int kClickSlop = 3;
// The year list shows the shown year from 4 before to 5 after.
inline constexpr int kYearListBefore = 4;
inline constexpr int kYearListCount = 10;

class MonthCalendar {
 public:
  MonthCalendar();
  MonthCalendar(const MonthCalendar&) = delete;
  MonthCalendar& operator=(const MonthCalendar&) = delete;

  // Called after every change that shows; the window invalidates itself.
  void SetChangedHook(std::function<void()> hook) { changed_ = std::move(hook); }
  void SetListener(MonthCalendarEvents* listener) { listener_ = listener; }
  // Counts the changes; a layout computed at another revision is stale.
  std::uint64_t Revision() const { return revision_; }

  // Names. Weekdays 1 = Monday ... 7 = Sunday, months 1 ... 12; numbers
  // out of range are ignored.
  const std::array<std::string, 7>& NameOfDays() const { return dayNames_; }
  const std::array<std::string, 12>& NameOfMonths() const { return monthNames_; }
  const std::string& DayName(int weekday) const;
  const std::string& MonthName(unsigned month) const;
  void SetNameOfDays(const std::array<std::string, 7>& names);
  void SetNameOfMonths(const std::array<std::string, 12>& names);
  void SetDayName(int weekday, std::string name);
  void SetMonthName(unsigned month, std::string name);
  // The month name, one blank and the year of the shown month.
  const std::string& Caption() const { return caption_; }

  // Behaviour.
  bool MultiSelect() const { return multiSelect_; }
  // Turning it off (or writing off again) drops the whole selection.
  void SetMultiSelect(bool on);
  int StartDay() const { return startDay_; }
  void SetStartDay(int weekday);  // brought into 1 ... 7
  bool InActiveDay(int weekday) const;
  void SetInActiveDay(int weekday, bool off);

  // The set date (Day, Month, Year). Writing a part combines it with the two
  // others; a date that does not exist is refused (false) and changes
  // nothing; otherwise it becomes the set and current date, its month is
  // shown and it is the only selected day. No event is raised.
  std::chrono::year_month_day Date() const { return date_; }
  unsigned Day() const { return static_cast<unsigned>(date_.day()); }
  unsigned Month() const { return static_cast<unsigned>(date_.month()); }
  int Year() const { return static_cast<int>(date_.year()); }
  [[nodiscard]] bool SetDate(std::chrono::year_month_day date);
  [[nodiscard]] bool SetDay(unsigned day);
  [[nodiscard]] bool SetMonth(unsigned month);
  [[nodiscard]] bool SetYear(int year);

  // The month the grid shows; changing it raises no event.
  std::chrono::year_month ShownMonth() const { return shown_; }
  void ShowMonth(std::chrono::year_month month);

  const DateSelection& Selection() const { return selection_; }
  // The selection as the user's own gestures would leave it (no event).
  void SelectDays(DayNumber first, DayNumber last);
  void ClearSelection();

  // Look.
  const FontValue& Font() const { return font_; }
  const FontValue& DayFont() const { return dayFont_; }
  void SetFont(const FontValue& font);
  void SetDayFont(const FontValue& font);

  struct Colors {
    ColorValue color = kClWhite;  // background where no gradient is painted
    ColorValue textColor = kClBlack;
    ColorValue weekendColor = kClRed;
    ColorValue selectFontColor = kClWhite;
    ColorValue dateSelectColor = kClTeal;
    ColorValue dateSelectBorderColor = kClTeal;
    ColorValue selectColor = kClTeal;
    ColorValue captionColor = kClNone;
    ColorValue captionTextColor = kClBlack;
    ColorValue lineColor = kClGray;
    bool line3D = true;
    ColorValue gradientStartColor = kClWhite;
    ColorValue gradientEndColor = kClBtnFace;
    GradientDirection gradientDirection = GradientDirection::Vertical;
    ColorValue monthGradientStartColor = kClNone;
    ColorValue monthGradientEndColor = kClNone;
    GradientDirection monthGradientDirection = GradientDirection::Horizontal;
    bool operator==(const Colors&) const = default;
  };
  const Colors& Look() const { return colors_; }
  // Changes any of the colours at once, then redraws.
  void ChangeLook(const std::function<void(Colors&)>& change);
  void SetTextColor(ColorValue c) { ChangeLook([c](Colors& l) { l.textColor = c; }); }
  void SetWeekendColor(ColorValue c) { ChangeLook([c](Colors& l) { l.weekendColor = c; }); }
  void SetSelectFontColor(ColorValue c) { ChangeLook([c](Colors& l) { l.selectFontColor = c; }); }
  void SetDateSelectColor(ColorValue c) { ChangeLook([c](Colors& l) { l.dateSelectColor = c; }); }
  void SetCaptionTextColor(ColorValue c) { ChangeLook([c](Colors& l) { l.captionTextColor = c; }); }
  void SetGradientStartColor(ColorValue c) { ChangeLook([c](Colors& l) { l.gradientStartColor = c; }); }
  void SetGradientEndColor(ColorValue c) { ChangeLook([c](Colors& l) { l.gradientEndColor = c; }); }
  void SetGradientDirection(GradientDirection d) { ChangeLook([d](Colors& l) { l.gradientDirection = d; }); }
  void SetMonthGradientStartColor(ColorValue c) { ChangeLook([c](Colors& l) { l.monthGradientStartColor = c; }); }
  void SetMonthGradientEndColor(ColorValue c) { ChangeLook([c](Colors& l) { l.monthGradientEndColor = c; }); }
  void SetMonthGradientDirection(GradientDirection d) {
    ChangeLook([d](Colors& l) { l.monthGradientDirection = d; });
  }

  // Hints of the browse buttons, in BrowseButton order.
  const std::array<std::string, 4>& BrowseHints() const { return hints_; }

  // The caption's lists.
  CalendarList OpenList() const { return list_; }
  // The first year of the year list: four before the shown one, moved
  // inside the calendar's years at their ends.
  int YearListFirst() const {
    return std::clamp(static_cast<int>(shown_.year()) - kYearListBefore, kMinCalendarYear,
                      kMaxCalendarYear - kYearListCount + 1);
  }
  // What a choice from the lists does: show the month (year) and raise
  // OnMonthSelect (OnYearSelect), also for the one already shown.
  void ChooseMonth(unsigned month);
  void ChooseYear(int year);
  void Browse(BrowseButton button);

  // Mouse input, at points of the given layout (computed for this revision).
  void MouseDown(const CalendarLayout& layout, MouseButton button, Point point, bool shift);
  void MouseMove(const CalendarLayout& layout, Point point);
  void MouseUp(const CalendarLayout& layout, MouseButton button, Point point, bool shift);
  // The pointer left the window, or the mouse capture was taken away.
  void MouseLeave();
  void CancelTracking();
  bool Tracking() const { return tracking_; }
  // The part under the pointer, drawn in SelectColor where it is a caption
  // part or a browse button.
  const CalendarHit& Hover() const { return hover_; }

 private:
  void Changed();
  void RebuildCaption();
  void CloseList();

  MonthCalendarEvents* listener_ = nullptr;
  std::function<void()> changed_;
  std::uint64_t revision_ = 0;

  std::array<std::string, 7> dayNames_;
  std::array<std::string, 12> monthNames_;
  std::string caption_;
  bool multiSelect_ = false;
  int startDay_ = 7;
  std::array<bool, 7> inActive_{false, false, false, false, false, true, true};
  std::chrono::year_month_day date_;
  std::chrono::year_month shown_;
  DateSelection selection_;
  FontValue font_;
  FontValue dayFont_;
  Colors colors_;
  std::array<std::string, 4> hints_{"Previous Year", "Previous Month", "Next Month", "Next Year"};
  CalendarList list_ = CalendarList::None;

  // Mouse state: a left press on the grid is being tracked.
  bool tracking_ = false;
  DayNumber pressedDay_ = 0;
  Point lastTracked_;
  // The day Shift extends from: the last day pressed without Shift.
  std::optional<DayNumber> anchor_;
  CalendarHit hover_;
};

}  // namespace orbidate
