#include "monthcal/CalendarPainter.h"

#include <algorithm>
#include <string>

#include "plugin/CharStepper.h"

namespace orbidate {
namespace {

bool Both(ColorValue a, ColorValue b) { return a != kClNone && b != kClNone; }

bool InShownMonth(const MonthCalendar& calendar, DayNumber day) {
  const auto date = ToDate(day);
  return date.year() == calendar.ShownMonth().year() && date.month() == calendar.ShownMonth().month();
}

// A solid triangle pointing left or right, centred at `center`.
void Arrow(Canvas& canvas, Point center, int half, bool left, ColorValue color) {
  const int w = std::max(2, half);
  const int tip = left ? center.x - w / 2 : center.x + w / 2 + 1;
  const int base = left ? center.x + w / 2 + 1 : center.x - w / 2;
  const Point points[3] = {{tip, center.y}, {base, center.y - w}, {base, center.y + w + 1}};
  canvas.FillPolygon(points, color);
}

// The longest start of the text, whole characters, that fits the width (at
// least one character): weekday names in narrow columns read "Su", "Mo"
// rather than running into each other.
std::string_view Fitted(Canvas& canvas, const FontValue& font, std::string_view text, int width) {
  if (text.empty() || canvas.MeasureText(font, text).width <= width) return text;
  const CharStepper& stepper = SystemCharStepper();
  std::size_t end = stepper.CharLength(text, 0);
  while (end < text.size()) {
    const std::size_t next = end + stepper.CharLength(text, end);
    if (canvas.MeasureText(font, text.substr(0, next)).width > width) break;
    end = next;
  }
  return text.substr(0, end);
}

void PaintBrowseButtons(const MonthCalendar& calendar, const CalendarLayout& layout, Canvas& canvas) {
  static constexpr CalendarPart kParts[] = {CalendarPart::PrevYear, CalendarPart::PrevMonth, CalendarPart::NextMonth,
                                            CalendarPart::NextYear};
  const auto& look = calendar.Look();
  for (int i = 0; i < 4; ++i) {
    const Rect& r = layout.browse[i];
    if (r.Empty()) continue;
    const ColorValue color = calendar.Hover().part == kParts[i] ? look.selectColor : look.captionTextColor;
    const bool left = i == kPrevYear || i == kPrevMonth;
    const int half = std::max(2, r.Height() / 5);
    const Point c = r.Center();
    if (i == kPrevYear || i == kNextYear) {
      const int step = half * 2 / 3 + 1;
      Arrow(canvas, {c.x - step, c.y}, half, left, color);
      Arrow(canvas, {c.x + step, c.y}, half, left, color);
    } else {
      Arrow(canvas, c, half, left, color);
    }
  }
}

void PaintList(const MonthCalendar& calendar, const CalendarLayout& layout, Canvas& canvas) {
  const auto& look = calendar.Look();
  canvas.FillRect(layout.list, look.color);
  canvas.FrameRect(layout.list, look.lineColor);
  const bool months = calendar.OpenList() == CalendarList::Months;
  for (std::size_t i = 0; i < layout.listItems.size(); ++i) {
    const Rect& r = layout.listItems[i];
    const int value = months ? static_cast<int>(i) + 1 : calendar.YearListFirst() + static_cast<int>(i);
    const bool current = months ? static_cast<unsigned>(calendar.ShownMonth().month()) == static_cast<unsigned>(value)
                                : static_cast<int>(calendar.ShownMonth().year()) == value;
    const bool hovered = calendar.Hover().part == CalendarPart::ListItem && calendar.Hover().item == static_cast<int>(i);
    ColorValue textColor = look.textColor;
    const Rect cell = {std::max(r.left + 1, r.Center().x - layout.dayLine * 3), r.top + 1,
                       std::min(r.right - 1, r.Center().x + layout.dayLine * 3), r.bottom - 1};
    if (current) {
      canvas.FillRect(cell, look.dateSelectColor);
      canvas.FrameRect(cell, look.dateSelectBorderColor);
      textColor = look.selectFontColor;
    } else if (hovered) {
      canvas.FrameRect(cell, look.selectColor);
      textColor = look.selectColor;
    }
    const std::string text = months ? calendar.MonthName(static_cast<unsigned>(value)) : std::to_string(value);
    canvas.Text(r, text, calendar.DayFont(), textColor, TextAlign::Center);
  }
}

}  // namespace

ColorValue DayNumberColor(const MonthCalendar& calendar, DayNumber day) {
  const auto& look = calendar.Look();
  if (calendar.Selection().Contains(day)) return look.selectFontColor;
  if (InShownMonth(calendar, day) && calendar.InActiveDay(IsoWeekday(day))) return look.weekendColor;
  return look.textColor;
}

void PaintCalendar(const MonthCalendar& calendar, const CalendarLayout& layout, Canvas& canvas) {
  const auto& look = calendar.Look();
  const Rect client{0, 0, layout.client.width, layout.client.height};

  // Body: the gradient where both colours are given, below the header strip
  // when the header has its own first colour.
  const bool headerGradient = Both(look.monthGradientStartColor, look.monthGradientEndColor);
  Rect body = client;
  if (look.monthGradientStartColor != kClNone) body.top = layout.caption.bottom;
  if (body.top > client.top) canvas.FillRect({client.left, client.top, client.right, body.top}, look.color);
  if (Both(look.gradientStartColor, look.gradientEndColor)) {
    canvas.GradientRect(body, look.gradientStartColor, look.gradientEndColor, look.gradientDirection);
  } else {
    canvas.FillRect(body, look.color);
  }

  // Header strip.
  const Rect strip{client.left, client.top, client.right, layout.caption.bottom};
  if (headerGradient) {
    canvas.GradientRect(strip, look.monthGradientStartColor, look.monthGradientEndColor, look.monthGradientDirection);
  } else if (look.captionColor != kClNone) {
    canvas.FillRect(strip, look.captionColor);
  }

  // Caption: month name, a blank, the year; the part under the pointer in
  // SelectColor.
  const unsigned month = static_cast<unsigned>(calendar.ShownMonth().month());
  const CalendarPart hover = calendar.Hover().part;
  canvas.Text(layout.monthName, calendar.MonthName(month), calendar.Font(),
              hover == CalendarPart::MonthName ? look.selectColor : look.captionTextColor, TextAlign::Left);
  canvas.Text(layout.year, std::to_string(static_cast<int>(calendar.ShownMonth().year())), calendar.Font(),
              hover == CalendarPart::Year ? look.selectColor : look.captionTextColor, TextAlign::Left);
  PaintBrowseButtons(calendar, layout, canvas);

  if (calendar.OpenList() != CalendarList::None) {
    PaintList(calendar, layout, canvas);
    return;
  }

  // Weekday names from StartDay on, in the day font's own colour.
  for (int column = 0; column < kGridColumns; ++column) {
    const int weekday = (calendar.StartDay() - 1 + column) % 7 + 1;
    const Rect& r = layout.weekdays[column];
    canvas.Text(r, Fitted(canvas, calendar.DayFont(), calendar.DayName(weekday), r.Width() - 2), calendar.DayFont(),
                calendar.DayFont().color, TextAlign::Center);
  }
  const int lineLeft = layout.weekdayRow.left + ScalePixels(2, layout.dpi);
  const int lineRight = layout.weekdayRow.right - ScalePixels(2, layout.dpi);
  if (lineRight > lineLeft) {
    canvas.Line({lineLeft, layout.lineY}, {lineRight, layout.lineY}, look.lineColor);
    if (look.line3D) canvas.Line({lineLeft, layout.lineY + 1}, {lineRight, layout.lineY + 1}, kClWhite);
  }

  // The days.
  for (int i = 0; i < kGridCells; ++i) {
    const DayNumber day = layout.firstDay + i;
    const Rect& cell = layout.cells[i];
    if (calendar.Selection().Contains(day)) {
      const Rect mark = layout.MarkRect(cell);
      canvas.FillRect(mark, look.dateSelectColor);
      canvas.FrameRect(mark, look.dateSelectBorderColor);
    }
    canvas.Text(cell, std::to_string(static_cast<unsigned>(ToDate(day).day())), calendar.DayFont(),
                DayNumberColor(calendar, day), TextAlign::Center);
  }
}

}  // namespace orbidate
