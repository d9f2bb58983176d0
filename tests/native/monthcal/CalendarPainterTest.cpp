#include "monthcal/CalendarPainter.h"

#include <gtest/gtest.h>

#include "canvas/RecordingCanvas.h"

namespace orbidate {
namespace {

using namespace std::chrono;

DayNumber D(int y, unsigned m, unsigned d) { return ToDayNumber(year(y) / month(m) / day(d)); }

struct Painted {
  RecordingCanvas canvas;
  CalendarLayout layout;
};

void Paint(const MonthCalendar& calendar, Painted& painted) {
  painted.layout = ComputeLayout(calendar, {219, 206}, painted.canvas);
  PaintCalendar(calendar, painted.layout, painted.canvas);
}

// The colour the number of a day was drawn in, found by its cell.
ColorValue NumberColor(const Painted& painted, DayNumber day) {
  const Rect cell = *painted.layout.DayRect(day);
  for (const CanvasOp& op : painted.canvas.ops) {
    if (op.kind == CanvasOp::Kind::Text && op.rect == cell) return op.color;
  }
  ADD_FAILURE() << "no number drawn for day " << day;
  return kClNone;
}

TEST(CalendarPainter, NumbersTakeTheirColourFromTheDay) {
  MonthCalendar calendar;  // November 2019, 30 November selected, Sat and Sun off
  calendar.SetWeekendColor(ColorValue::FromRgb(1, 2, 3));
  calendar.SetTextColor(ColorValue::FromRgb(4, 5, 6));
  calendar.SetSelectFontColor(ColorValue::FromRgb(7, 8, 9));
  const ColorValue weekend = ColorValue::FromRgb(1, 2, 3), text = ColorValue::FromRgb(4, 5, 6),
                   selected = ColorValue::FromRgb(7, 8, 9);
  Painted painted;
  Paint(calendar, painted);
  const std::pair<DayNumber, ColorValue> cases[] = {
      {D(2019, 11, 30), selected},  // a selected Saturday
      {D(2019, 11, 23), weekend},   // Saturday
      {D(2019, 11, 24), weekend},   // Sunday
      {D(2019, 11, 25), text},      // Monday
      {D(2019, 10, 27), text},      // the previous month's Sunday
      {D(2019, 12, 7), text},       // the next month's Saturday
  };
  for (const auto& [day, color] : cases) EXPECT_EQ(NumberColor(painted, day), color) << day;

  calendar.SetInActiveDay(7, false);
  calendar.SetInActiveDay(3, true);
  Painted again;
  Paint(calendar, again);
  EXPECT_EQ(NumberColor(again, D(2019, 11, 24)), text);     // Sunday no longer off
  EXPECT_EQ(NumberColor(again, D(2019, 11, 20)), weekend);  // Wednesday is
}

TEST(CalendarPainter, SelectedDaysAreFilledAndFramed) {
  MonthCalendar calendar;
  calendar.SetMultiSelect(true);
  calendar.SelectDays(D(2019, 11, 4), D(2019, 11, 6));
  calendar.SetDateSelectColor(ColorValue::FromRgb(0, 0, 200));
  Painted painted;
  Paint(calendar, painted);
  int fills = 0, frames = 0;
  for (const CanvasOp& op : painted.canvas.ops) {
    if (op.kind == CanvasOp::Kind::Fill && op.color == ColorValue::FromRgb(0, 0, 200)) ++fills;
    if (op.kind == CanvasOp::Kind::Frame && op.color == kClTeal) ++frames;
  }
  EXPECT_EQ(fills, 3);
  EXPECT_EQ(frames, 3);
}

// The gradients: only where both colours are given; the body's below the
// header strip once the header has a first colour.
TEST(CalendarPainter, GradientsNeedBothColours) {
  const ColorValue red = ColorValue::FromRgb(255, 0, 0), blue = ColorValue::FromRgb(0, 0, 255);
  struct Case {
    ColorValue bodyFrom, bodyTo, headFrom, headTo;
    bool bodyGradient, headGradient, bodyBelowHeader;
  };
  const Case cases[] = {
      {kClWhite, kClBtnFace, kClNone, kClNone, true, false, false},
      {kClWhite, kClNone, kClNone, kClNone, false, false, false},
      {kClNone, blue, kClNone, kClNone, false, false, false},
      {kClWhite, kClBtnFace, red, blue, true, true, true},
      {kClWhite, kClBtnFace, red, kClNone, true, false, true},
      {kClWhite, kClBtnFace, kClNone, blue, true, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.bodyGradient << c.headGradient << c.bodyBelowHeader);
    MonthCalendar calendar;
    calendar.ChangeLook([&](MonthCalendar::Colors& look) {
      look.gradientStartColor = c.bodyFrom;
      look.gradientEndColor = c.bodyTo;
      look.monthGradientStartColor = c.headFrom;
      look.monthGradientEndColor = c.headTo;
    });
    Painted painted;
    Paint(calendar, painted);
    const CanvasOp* body = nullptr;
    const CanvasOp* head = nullptr;
    for (const CanvasOp& op : painted.canvas.ops) {
      if (op.kind != CanvasOp::Kind::Gradient) continue;
      (op.color == c.bodyFrom ? body : head) = &op;
    }
    EXPECT_EQ(body != nullptr, c.bodyGradient);
    EXPECT_EQ(head != nullptr, c.headGradient);
    if (body != nullptr) {
      EXPECT_EQ(body->color2, c.bodyTo);
      EXPECT_EQ(body->direction, GradientDirection::Vertical);
      EXPECT_EQ(body->rect.top, c.bodyBelowHeader ? painted.layout.caption.bottom : 0);
      EXPECT_EQ(body->rect.bottom, 206);
    }
    if (head != nullptr) {
      EXPECT_EQ(head->rect.bottom, painted.layout.caption.bottom);
      EXPECT_EQ(head->direction, GradientDirection::Horizontal);
    }
  }
}

TEST(CalendarPainter, CaptionAndArrowsTakeSelectColorUnderThePointer) {
  MonthCalendar calendar;
  calendar.SetCaptionTextColor(ColorValue::FromRgb(0, 99, 0));
  Painted idle;
  Paint(calendar, idle);
  const auto year = idle.canvas.TextOps("2019");
  ASSERT_EQ(year.size(), 1u);
  EXPECT_EQ(year[0]->color, ColorValue::FromRgb(0, 99, 0));
  EXPECT_EQ(year[0]->font, calendar.Font());

  calendar.MouseMove(idle.layout, idle.layout.year.Center());
  Painted hovered;
  Paint(calendar, hovered);
  EXPECT_EQ(hovered.canvas.TextOps("2019")[0]->color, kClTeal);

  calendar.MouseMove(idle.layout, idle.layout.browse[kNextMonth].Center());
  Painted arrow;
  Paint(calendar, arrow);
  std::vector<ColorValue> arrowColors;
  for (const CanvasOp& op : arrow.canvas.ops) {
    if (op.kind == CanvasOp::Kind::Polygon) arrowColors.push_back(op.color);
  }
  // Two arrows each for the year buttons, one for the month buttons.
  ASSERT_EQ(arrowColors.size(), 6u);
  EXPECT_EQ(std::count(arrowColors.begin(), arrowColors.end(), kClTeal), 1);
}

TEST(CalendarPainter, WeekdayNamesBeginWithStartDay) {
  MonthCalendar calendar;
  calendar.SetNameOfDays({"Mo", "Tu", "We", "Th", "Fr", "Sa", "Su"});
  for (int startDay = 1; startDay <= 7; ++startDay) {
    calendar.SetStartDay(startDay);
    Painted painted;
    Paint(calendar, painted);
    for (int column = 0; column < 7; ++column) {
      const std::string name = calendar.DayName((startDay - 1 + column) % 7 + 1);
      const auto ops = painted.canvas.TextOps(name);
      ASSERT_EQ(ops.size(), 1u) << name;
      EXPECT_EQ(ops[0]->rect, painted.layout.weekdays[column]);
      EXPECT_EQ(ops[0]->color, calendar.DayFont().color);
    }
  }
}

TEST(CalendarPainter, NarrowColumnsShortenTheWeekdayNames) {
  MonthCalendar calendar;
  calendar.SetNameOfDays({"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"});
  RecordingCanvas canvas;
  const CalendarLayout layout = ComputeLayout(calendar, {100, 120}, canvas);
  PaintCalendar(calendar, layout, canvas);
  for (int column = 0; column < 7; ++column) {
    const Rect& r = layout.weekdays[column];
    const CanvasOp* name = nullptr;
    for (const CanvasOp& op : canvas.ops) {
      if (op.kind == CanvasOp::Kind::Text && op.rect == r) name = &op;
    }
    ASSERT_NE(name, nullptr);
    EXPECT_FALSE(name->text.empty());
    EXPECT_LE(canvas.MeasureText(calendar.DayFont(), name->text).width, r.Width());
    EXPECT_EQ(std::string(calendar.DayName((6 + column) % 7 + 1)).rfind(name->text, 0), 0u);
  }
}

}  // namespace
}  // namespace orbidate
