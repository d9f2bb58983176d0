#include "monthcal/CalendarLayout.h"

#include <algorithm>

#include "monthcal/MonthCalendar.h"

namespace orbidate {
namespace {

// Splits [from, to) into `count` parts whose widths differ by one pixel at
// most; edge i of count + 1.
int Edge(int from, int to, int i, int count) { return from + (to - from) * i / count; }

}  // namespace

CalendarLayout ComputeLayout(const MonthCalendar& calendar, Size client, TextMeasurer& measurer) {
  CalendarLayout layout;
  layout.client = client;
  const int dpi = measurer.Dpi() > 0 ? measurer.Dpi() : 96;
  layout.dpi = dpi;
  auto px = [dpi](int pixels) { return ScalePixels(pixels, dpi); };

  const int border = px(1);
  const Rect inner{border, border, std::max(border, client.width - border), std::max(border, client.height - border)};

  // Caption strip: the caption font's line with some air, at least as tall
  // as a comfortable arrow button.
  const std::string& monthName = calendar.MonthName(static_cast<unsigned>(calendar.ShownMonth().month()));
  const std::string yearText = std::to_string(static_cast<int>(calendar.ShownMonth().year()));
  const Size monthSize = measurer.MeasureText(calendar.Font(), monthName);
  const Size blankSize = measurer.MeasureText(calendar.Font(), " ");
  const Size yearSize = measurer.MeasureText(calendar.Font(), yearText);
  const int captionLine = std::max({monthSize.height, yearSize.height, blankSize.height});
  const int captionHeight = std::min(inner.Height(), std::max(captionLine + px(8), px(20)));
  layout.caption = {inner.left, inner.top, inner.right, inner.top + captionHeight};

  const int button = std::min(std::max(captionHeight - px(2), px(16)), std::max(0, inner.Width() / 8));
  const int buttonTop = layout.caption.top + (captionHeight - button) / 2;
  const int pad = px(2);
  layout.browse[kPrevYear] = {inner.left + pad, buttonTop, inner.left + pad + button, buttonTop + button};
  layout.browse[kPrevMonth] = {layout.browse[kPrevYear].right, buttonTop, layout.browse[kPrevYear].right + button,
                               buttonTop + button};
  layout.browse[kNextYear] = {inner.right - pad - button, buttonTop, inner.right - pad, buttonTop + button};
  layout.browse[kNextMonth] = {layout.browse[kNextYear].left - button, buttonTop, layout.browse[kNextYear].left,
                               buttonTop + button};

  // The caption text centred between the buttons; month name and year are
  // separate targets (each a little taller than the text, for the mouse).
  const int textWidth = monthSize.width + blankSize.width + yearSize.width;
  const int textLeft = layout.caption.left + (layout.caption.Width() - textWidth) / 2;
  const int textTop = layout.caption.top + (captionHeight - captionLine) / 2;
  layout.monthName = {textLeft, textTop, textLeft + monthSize.width, textTop + captionLine};
  const int yearLeft = layout.monthName.right + blankSize.width;
  layout.year = {yearLeft, textTop, yearLeft + yearSize.width, textTop + captionLine};

  // Weekday row and its line.
  int dayLine = 0;
  for (int weekday = 1; weekday <= 7; ++weekday) {
    dayLine = std::max(dayLine, measurer.MeasureText(calendar.DayFont(), calendar.DayName(weekday)).height);
  }
  dayLine = std::max(dayLine, measurer.MeasureText(calendar.DayFont(), "30").height);
  layout.dayLine = dayLine;
  const int rowTop = layout.caption.bottom;
  const int rowHeight = std::min(std::max(0, inner.bottom - rowTop), dayLine + px(4));
  layout.weekdayRow = {inner.left, rowTop, inner.right, rowTop + rowHeight};
  for (int column = 0; column < kGridColumns; ++column) {
    layout.weekdays[column] = {Edge(inner.left, inner.right, column, kGridColumns), rowTop,
                               Edge(inner.left, inner.right, column + 1, kGridColumns), rowTop + rowHeight};
  }
  layout.lineY = layout.weekdayRow.bottom;
  const int lineSpace = calendar.Look().line3D ? 2 : 1;

  // The six weeks share what is left.
  layout.grid = {inner.left, std::min(inner.bottom, layout.lineY + lineSpace + px(1)), inner.right, inner.bottom};
  layout.firstDay = GridFirstDay(calendar.ShownMonth(), calendar.StartDay());
  for (int row = 0; row < kGridRows; ++row) {
    for (int column = 0; column < kGridColumns; ++column) {
      layout.cells[row * kGridColumns + column] = {
          Edge(layout.grid.left, layout.grid.right, column, kGridColumns),
          Edge(layout.grid.top, layout.grid.bottom, row, kGridRows),
          Edge(layout.grid.left, layout.grid.right, column + 1, kGridColumns),
          Edge(layout.grid.top, layout.grid.bottom, row + 1, kGridRows)};
    }
  }

  // An open list covers the weekday row and the grid: the months in three
  // columns of four, the years in two columns of five.
  if (calendar.OpenList() != CalendarList::None) {
    layout.list = {inner.left + pad, layout.caption.bottom, inner.right - pad, inner.bottom - pad};
    const bool months = calendar.OpenList() == CalendarList::Months;
    const int columns = months ? 3 : 2;
    const int rows = months ? 4 : 5;
    const Rect items = layout.list.Inflated(-pad, -pad);
    // Items run down the columns for years (ascending like a list) and
    // along the rows for months (as a year is read).
    const int count = columns * rows;
    layout.listItems.resize(count);
    for (int i = 0; i < count; ++i) {
      const int column = months ? i % columns : i / rows;
      const int row = months ? i / columns : i % rows;
      layout.listItems[i] = {Edge(items.left, items.right, column, columns), Edge(items.top, items.bottom, row, rows),
                             Edge(items.left, items.right, column + 1, columns),
                             Edge(items.top, items.bottom, row + 1, rows)};
    }
  }
  return layout;
}

CalendarHit CalendarLayout::HitTest(Point point) const {
  if (!list.Empty() && list.Contains(point)) {
    for (std::size_t i = 0; i < listItems.size(); ++i) {
      if (listItems[i].Contains(point)) return {CalendarPart::ListItem, 0, static_cast<int>(i), listItems[i]};
    }
    return {CalendarPart::List, 0, -1, list};
  }
  if (caption.Contains(point)) {
    static constexpr CalendarPart kButtons[] = {CalendarPart::PrevYear, CalendarPart::PrevMonth,
                                                CalendarPart::NextMonth, CalendarPart::NextYear};
    for (int i = 0; i < 4; ++i) {
      if (browse[i].Contains(point)) return {kButtons[i], 0, -1, browse[i]};
    }
    if (monthName.Inflated(0, 2).Contains(point)) return {CalendarPart::MonthName, 0, -1, monthName};
    if (year.Inflated(0, 2).Contains(point)) return {CalendarPart::Year, 0, -1, year};
    return {CalendarPart::Caption, 0, -1, caption};
  }
  if (!list.Empty()) return {};
  if (weekdayRow.Contains(point)) return {CalendarPart::WeekdayRow, 0, -1, weekdayRow};
  if (grid.Contains(point)) {
    for (int i = 0; i < kGridCells; ++i) {
      if (cells[i].Contains(point)) return {CalendarPart::Day, firstDay + i, -1, cells[i]};
    }
  }
  return {};
}

std::optional<Rect> CalendarLayout::DayRect(DayNumber day) const {
  if (day < firstDay || day >= firstDay + kGridCells) return std::nullopt;
  return cells[day - firstDay];
}

Rect CalendarLayout::MarkRect(const Rect& cell) const {
  const int width = std::min(cell.Width() - 2, dayLine * 2 + ScalePixels(6, dpi));
  const int height = std::min(cell.Height() - 2, dayLine + ScalePixels(6, dpi));
  const Point c = cell.Center();
  const int left = c.x - width / 2, top = c.y - height / 2;
  return {left, top, left + width, top + height};
}

Rect CalendarLayout::PartRect(CalendarPart part) const {
  switch (part) {
    case CalendarPart::Caption: return caption;
    case CalendarPart::MonthName: return monthName;
    case CalendarPart::Year: return year;
    case CalendarPart::PrevYear: return browse[kPrevYear];
    case CalendarPart::PrevMonth: return browse[kPrevMonth];
    case CalendarPart::NextMonth: return browse[kNextMonth];
    case CalendarPart::NextYear: return browse[kNextYear];
    case CalendarPart::WeekdayRow: return weekdayRow;
    case CalendarPart::Day: return grid;
    case CalendarPart::List: return list;
    default: return {};
  }
}

}  // namespace orbidate
