#include "monthcal/MonthCalendar.h"

#include <algorithm>
#include <cstdlib>

#include "monthcal/LocaleNames.h"

namespace orbidate {
namespace {

using namespace std::chrono;

FontValue CaptionFontDefault() {
  FontValue font;  // MS Sans Serif 8 point, clWindowText
  return font;
}

FontValue DayFontDefault() {
  FontValue font;
  font.size = 10;
  return font;
}

year_month Clamped(year_month month) {
  if (static_cast<int>(month.year()) < kMinCalendarYear) return year(kMinCalendarYear) / January;
  if (static_cast<int>(month.year()) > kMaxCalendarYear) return year(kMaxCalendarYear) / December;
  return month;
}

}  // namespace

MonthCalendar::MonthCalendar()
    : date_(year(2019) / November / day(30)),
      shown_(year(2019) / November),
      font_(CaptionFontDefault()),
      dayFont_(DayFontDefault()) {
  const LocaleNames& names = UserLocaleNames();
  dayNames_ = names.abbreviatedDays;
  monthNames_ = names.abbreviatedMonths;
  selection_.SelectOnly(ToDayNumber(date_), ToDayNumber(date_));
  anchor_ = ToDayNumber(date_);
  RebuildCaption();
}

void MonthCalendar::Changed() {
  ++revision_;
  if (changed_) changed_();
}

void MonthCalendar::RebuildCaption() {
  caption_ = MonthName(static_cast<unsigned>(shown_.month()));
  caption_ += ' ';
  caption_ += std::to_string(static_cast<int>(shown_.year()));
}

const std::string& MonthCalendar::DayName(int weekday) const {
  static const std::string none;
  return weekday >= 1 && weekday <= 7 ? dayNames_[weekday - 1] : none;
}

const std::string& MonthCalendar::MonthName(unsigned month) const {
  static const std::string none;
  return month >= 1 && month <= 12 ? monthNames_[month - 1] : none;
}

void MonthCalendar::SetNameOfDays(const std::array<std::string, 7>& names) {
  dayNames_ = names;
  Changed();
}

void MonthCalendar::SetNameOfMonths(const std::array<std::string, 12>& names) {
  monthNames_ = names;
  RebuildCaption();
  Changed();
}

void MonthCalendar::SetDayName(int weekday, std::string name) {
  if (weekday < 1 || weekday > 7) return;
  dayNames_[weekday - 1] = std::move(name);
  Changed();
}

void MonthCalendar::SetMonthName(unsigned month, std::string name) {
  if (month < 1 || month > 12) return;
  monthNames_[month - 1] = std::move(name);
  RebuildCaption();
  Changed();
}

void MonthCalendar::SetMultiSelect(bool on) {
  multiSelect_ = on;
  if (!on) {
    selection_.Clear();
    anchor_.reset();
  }
  Changed();
}

void MonthCalendar::SetStartDay(int weekday) {
  startDay_ = std::clamp(weekday, 1, 7);
  Changed();
}

bool MonthCalendar::InActiveDay(int weekday) const {
  return weekday >= 1 && weekday <= 7 && inActive_[weekday - 1];
}

void MonthCalendar::SetInActiveDay(int weekday, bool off) {
  if (weekday < 1 || weekday > 7) return;
  inActive_[weekday - 1] = off;
  Changed();
}

bool MonthCalendar::SetDate(year_month_day date) {
  if (!date.ok() || !InCalendarRange(date.year())) return false;
  date_ = date;
  shown_ = date.year() / date.month();
  const DayNumber day = ToDayNumber(date);
  selection_.SelectOnly(day, day);
  anchor_ = day;
  tracking_ = false;
  list_ = CalendarList::None;
  RebuildCaption();
  Changed();
  return true;
}

bool MonthCalendar::SetDay(unsigned d) { return SetDate(date_.year() / date_.month() / day(d)); }

bool MonthCalendar::SetMonth(unsigned m) { return SetDate(date_.year() / month(m) / date_.day()); }

bool MonthCalendar::SetYear(int y) {
  if (y < kMinCalendarYear || y > kMaxCalendarYear) return false;
  return SetDate(year(y) / date_.month() / date_.day());
}

void MonthCalendar::ShowMonth(year_month month) {
  if (!month.ok()) return;
  shown_ = Clamped(month);
  RebuildCaption();
  Changed();
}

void MonthCalendar::SelectDays(DayNumber first, DayNumber last) {
  selection_.SelectOnly(first, last);
  anchor_ = first;
  Changed();
}

void MonthCalendar::ClearSelection() {
  selection_.Clear();
  anchor_.reset();
  Changed();
}

void MonthCalendar::SetFont(const FontValue& font) {
  font_ = font;
  Changed();
}

void MonthCalendar::SetDayFont(const FontValue& font) {
  dayFont_ = font;
  Changed();
}

void MonthCalendar::ChangeLook(const std::function<void(Colors&)>& change) {
  change(colors_);
  Changed();
}

void MonthCalendar::CloseList() {
  if (list_ == CalendarList::None) return;
  list_ = CalendarList::None;
  Changed();
}

void MonthCalendar::ChooseMonth(unsigned m) {
  if (m < 1 || m > 12) return;
  list_ = CalendarList::None;
  ShowMonth(shown_.year() / month(m));
  if (listener_ != nullptr) listener_->OnMonthSelect();
}

void MonthCalendar::ChooseYear(int y) {
  y = std::clamp(y, kMinCalendarYear, kMaxCalendarYear);
  list_ = CalendarList::None;
  ShowMonth(year(y) / shown_.month());
  if (listener_ != nullptr) listener_->OnYearSelect();
}

void MonthCalendar::Browse(BrowseButton button) {
  switch (button) {
    case kPrevYear: ShowMonth(shown_ - years(1)); break;
    case kPrevMonth: ShowMonth(shown_ - months(1)); break;
    case kNextMonth: ShowMonth(shown_ + months(1)); break;
    case kNextYear: ShowMonth(shown_ + years(1)); break;
  }
}

void MonthCalendar::MouseDown(const CalendarLayout& layout, MouseButton button, Point point, bool shift) {
  // Every press is reported first; the handler may run a host script that
  // deletes the calendar's window, which then outlives this call (the window
  // defers its release) but tells us nothing more by dropping the listener.
  if (listener_ != nullptr) listener_->OnMouseDown(button);
  if (button != MouseButton::Left) return;

  const CalendarHit hit = layout.HitTest(point);
  if (list_ != CalendarList::None) {
    if (hit.part == CalendarPart::ListItem) {
      if (list_ == CalendarList::Months) {
        ChooseMonth(static_cast<unsigned>(hit.item + 1));
      } else {
        ChooseYear(YearListFirst() + hit.item);
      }
    } else if (hit.part == CalendarPart::MonthName || hit.part == CalendarPart::Year) {
      // A second click on the caption part that opened a list closes it; a
      // click on the other part switches lists.
      const CalendarList wanted = hit.part == CalendarPart::MonthName ? CalendarList::Months : CalendarList::Years;
      list_ = list_ == wanted ? CalendarList::None : wanted;
      Changed();
    } else if (hit.part != CalendarPart::List) {
      CloseList();
    }
    return;
  }

  switch (hit.part) {
    case CalendarPart::MonthName:
      list_ = CalendarList::Months;
      Changed();
      break;
    case CalendarPart::Year:
      list_ = CalendarList::Years;
      Changed();
      break;
    case CalendarPart::PrevYear: Browse(kPrevYear); break;
    case CalendarPart::PrevMonth: Browse(kPrevMonth); break;
    case CalendarPart::NextMonth: Browse(kNextMonth); break;
    case CalendarPart::NextYear: Browse(kNextYear); break;
    case CalendarPart::Day: {
      tracking_ = true;
      pressedDay_ = hit.day;
      lastTracked_ = point;
      if (shift && multiSelect_ && anchor_) {
        // Extends from the previous date; the anchor stays for the next
        // Shift-click.
        selection_.SelectOnly(*anchor_, hit.day);
        pressedDay_ = *anchor_;
      } else {
        selection_.SelectOnly(hit.day, hit.day);
        anchor_ = hit.day;
      }
      Changed();
      break;
    }
    default: break;
  }
}

void MonthCalendar::MouseMove(const CalendarLayout& layout, Point point) {
  const CalendarHit hit = layout.HitTest(point);
  // Only the caption's parts, the browse buttons and list items show the
  // pointer; moving over the days repaints nothing.
  const bool hoverChanged = hit.part != hover_.part || hit.item != hover_.item;
  hover_ = hit;
  if (tracking_ && hit.part == CalendarPart::Day) {
    lastTracked_ = point;
    if (multiSelect_) {
      const DateSelection before = selection_;
      selection_.SelectOnly(pressedDay_, hit.day);
      if (!(before == selection_)) {
        Changed();
        return;
      }
    }
  }
  if (hoverChanged) Changed();
}

void MonthCalendar::MouseUp(const CalendarLayout& layout, MouseButton button, Point point, bool shift) {
  if (button != MouseButton::Left || !tracking_) return;
  tracking_ = false;
  const CalendarHit hit = layout.HitTest(point);
  const bool near = std::abs(point.x - lastTracked_.x) <= kClickSlop && std::abs(point.y - lastTracked_.y) <= kClickSlop;
  if (hit.part == CalendarPart::Day && near && !shift && listener_ != nullptr) listener_->OnDaySelect();
}

void MonthCalendar::MouseLeave() {
  if (hover_.part == CalendarPart::None) return;
  hover_ = {};
  Changed();
}

void MonthCalendar::CancelTracking() { tracking_ = false; }

}  // namespace orbidate
