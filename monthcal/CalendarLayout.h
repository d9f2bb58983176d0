// Where everything of the month calendar sits, computed once from the client
// size, the fonts' metrics and the state that moves things (shown month,
// names, open list); painting and the mouse both read it.
//
//   +--------------------------------------------+
//   | <<  <      November 2019       >  >>       |  caption strip
//   | Sun  Mon  Tue  Wed  Thu  Fri  Sat          |  weekday row, line below
//   | 27   28   29   30   31   1    2            |
//   | ...                      six rows of days  |
//   +--------------------------------------------+
//
// An open month or year list covers the weekday row and the grid.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "canvas/Canvas.h"
#include "monthcal/CalendarDate.h"

namespace orbidate {

class MonthCalendar;

enum class CalendarPart {
  None,
  Caption,  // the caption strip outside its named parts
  MonthName,
  Year,
  PrevYear,
  PrevMonth,
  NextMonth,
  NextYear,
  WeekdayRow,
  Day,
  ListItem,
  List,  // an open list, between its items
};

struct CalendarHit {
  CalendarPart part = CalendarPart::None;
  DayNumber day = 0;  // CalendarPart::Day
  int item = -1;      // CalendarPart::ListItem: 0 = first month or year of the list
  Rect rect;
  bool operator==(const CalendarHit&) const = default;
};

struct CalendarLayout {
  Size client;
  int dpi = 96;
  Rect caption;
  Rect monthName;
  Rect year;
  std::array<Rect, 4> browse;  // previous year, previous month, next month, next year
  Rect weekdayRow;
  std::array<Rect, kGridColumns> weekdays;
  int lineY = 0;  // the line under the weekday names
  int dayLine = 0;  // height of a line of the day font
  Rect grid;
  std::array<Rect, kGridCells> cells;
  DayNumber firstDay = 0;  // the day of cells[0]
  Rect list;               // empty while no list is open
  std::vector<Rect> listItems;

  CalendarHit HitTest(Point point) const;
  // The cell of a day the grid shows.
  std::optional<Rect> DayRect(DayNumber day) const;
  Rect PartRect(CalendarPart part) const;
  // The highlight of a selected day in its cell: centred, no larger than
  // a comfortable mark around the number however large the cell.
  Rect MarkRect(const Rect& cell) const;
};

CalendarLayout ComputeLayout(const MonthCalendar& calendar, Size client, TextMeasurer& measurer);

// Pixels scaled from 96 pixels per inch.
constexpr int ScalePixels(int pixels, int dpi) { return (pixels * dpi + 48) / 96; }

}  // namespace orbidate
