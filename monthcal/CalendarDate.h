// Whole days as the calendar counts them: a day number is the count of days
// since 1970-01-01 of the proleptic Gregorian calendar (std::chrono's
// sys_days), so consecutive days have consecutive numbers and ranges of days
// are pairs of integers. Weekdays are numbered 1 = Monday ... 7 = Sunday.
#pragma once

#include <chrono>

namespace orbidate {

using DayNumber = int;

// The years the calendar shows and accepts.
inline constexpr int kMinCalendarYear = 1;
inline constexpr int kMaxCalendarYear = 9999;

constexpr DayNumber ToDayNumber(std::chrono::year_month_day date) {
  return static_cast<DayNumber>(std::chrono::sys_days(date).time_since_epoch().count());
}

constexpr std::chrono::year_month_day ToDate(DayNumber day) {
  return std::chrono::year_month_day(std::chrono::sys_days(std::chrono::days(day)));
}

// 1 = Monday ... 7 = Sunday.
constexpr int IsoWeekday(DayNumber day) {
  return static_cast<int>(std::chrono::weekday(std::chrono::sys_days(std::chrono::days(day))).iso_encoding());
}

constexpr bool InCalendarRange(std::chrono::year year) {
  return static_cast<int>(year) >= kMinCalendarYear && static_cast<int>(year) <= kMaxCalendarYear;
}

// The first day shown in a month's six-week grid whose first column is the
// weekday `startDay`: the first of the month, or the days of the previous
// month back to the last `startDay` before it.
constexpr DayNumber GridFirstDay(std::chrono::year_month month, int startDay) {
  const DayNumber first = ToDayNumber(month / std::chrono::day(1));
  return first - (IsoWeekday(first) - startDay + 7) % 7;
}

inline constexpr int kGridColumns = 7;
inline constexpr int kGridRows = 6;
inline constexpr int kGridCells = kGridColumns * kGridRows;

}  // namespace orbidate
