#include "monthcal/CalendarLayout.h"

#include <gtest/gtest.h>

#include "canvas/RecordingCanvas.h"
#include "monthcal/MonthCalendar.h"

namespace orbidate {
namespace {

using namespace std::chrono;

struct Sized {
  Size size;
  int dpi;
};

const Sized kSizes[] = {{{219, 206}, 96}, {{160, 140}, 96}, {{800, 600}, 96}, {{330, 310}, 144}};

TEST(CalendarLayout, GridStartsOnStartDayAndHitsEveryCell) {
  for (const Sized& sized : kSizes) {
    for (int startDay = 1; startDay <= 7; ++startDay) {
      for (year_month shown : {year(2019) / November, year(2020) / February, year(2021) / February,
                               year(1800) / January, year(3000) / December}) {
        SCOPED_TRACE(testing::Message() << sized.size.width << "x" << sized.size.height << " start " << startDay
                                        << " " << static_cast<int>(shown.year()) << "-"
                                        << static_cast<unsigned>(shown.month()));
        MonthCalendar calendar;
        calendar.SetStartDay(startDay);
        calendar.ShowMonth(shown);
        RecordingCanvas canvas(sized.dpi);
        const CalendarLayout layout = ComputeLayout(calendar, sized.size, canvas);

        // The oracle: the first of the month sits in the first row, in the
        // column of its weekday counted from startDay.
        const weekday first{sys_days(shown / day(1))};
        const int column = (static_cast<int>(first.iso_encoding()) - startDay + 7) % 7;
        EXPECT_EQ(ToDate(layout.firstDay + column), shown / day(1));
        EXPECT_EQ(weekday{sys_days(days(layout.firstDay))}.iso_encoding(), static_cast<unsigned>(startDay));

        // The last day of the month is shown too.
        const DayNumber last = ToDayNumber(shown / last_spec{});
        ASSERT_TRUE(layout.DayRect(last).has_value());

        for (int i = 0; i < kGridCells; ++i) {
          const Rect& cell = layout.cells[i];
          ASSERT_FALSE(cell.Empty());
          const CalendarHit hit = layout.HitTest(cell.Center());
          EXPECT_EQ(hit.part, CalendarPart::Day);
          EXPECT_EQ(hit.day, layout.firstDay + i);
          // Cells tile the grid: neighbours share their edges.
          if (i % kGridColumns != 0) {
            EXPECT_EQ(cell.left, layout.cells[i - 1].right);
          }
          if (i >= kGridColumns) {
            EXPECT_EQ(cell.top, layout.cells[i - kGridColumns].bottom);
          }
        }
        EXPECT_EQ(layout.cells[kGridCells - 1].right, layout.grid.right);
        EXPECT_EQ(layout.cells[kGridCells - 1].bottom, layout.grid.bottom);
        EXPECT_LE(layout.grid.bottom, sized.size.height);
      }
    }
  }
}

TEST(CalendarLayout, CaptionPartsAreSeparateTargets) {
  for (const Sized& sized : kSizes) {
    SCOPED_TRACE(testing::Message() << sized.size.width << "x" << sized.size.height);
    MonthCalendar calendar;
    RecordingCanvas canvas(sized.dpi);
    const CalendarLayout layout = ComputeLayout(calendar, sized.size, canvas);
    const std::pair<Rect, CalendarPart> parts[] = {
        {layout.browse[kPrevYear], CalendarPart::PrevYear},   {layout.browse[kPrevMonth], CalendarPart::PrevMonth},
        {layout.browse[kNextMonth], CalendarPart::NextMonth}, {layout.browse[kNextYear], CalendarPart::NextYear},
        {layout.monthName, CalendarPart::MonthName},          {layout.year, CalendarPart::Year},
        {layout.weekdayRow, CalendarPart::WeekdayRow},
    };
    for (const auto& [rect, part] : parts) {
      EXPECT_FALSE(rect.Empty());
      EXPECT_EQ(layout.HitTest(rect.Center()).part, part);
    }
    // Left to right: the two backward buttons, month name, year, the two
    // forward buttons.
    EXPECT_LE(layout.browse[kPrevMonth].right, layout.monthName.left);
    EXPECT_LT(layout.monthName.right, layout.year.left);
    EXPECT_LE(layout.year.right, layout.browse[kNextMonth].left);
    EXPECT_EQ(layout.HitTest({-5, -5}).part, CalendarPart::None);
  }
}

TEST(CalendarLayout, ScalesWithTheDisplay) {
  MonthCalendar calendar;
  RecordingCanvas normal(96), large(192);
  const CalendarLayout small = ComputeLayout(calendar, {219, 206}, normal);
  const CalendarLayout big = ComputeLayout(calendar, {438, 412}, large);
  EXPECT_NEAR(big.caption.Height(), 2 * small.caption.Height(), 2);
  EXPECT_NEAR(big.weekdayRow.Height(), 2 * small.weekdayRow.Height(), 2);
}

TEST(CalendarLayout, OpenListsHaveTheirItems) {
  MonthCalendar calendar;
  RecordingCanvas canvas;
  CalendarLayout closed = ComputeLayout(calendar, {219, 206}, canvas);
  calendar.MouseDown(closed, MouseButton::Left, closed.monthName.Center(), false);
  ASSERT_EQ(calendar.OpenList(), CalendarList::Months);
  CalendarLayout months = ComputeLayout(calendar, {219, 206}, canvas);
  ASSERT_EQ(months.listItems.size(), 12u);
  for (int i = 0; i < 12; ++i) EXPECT_EQ(months.HitTest(months.listItems[i].Center()).item, i);
  calendar.MouseDown(months, MouseButton::Left, months.year.Center(), false);
  ASSERT_EQ(calendar.OpenList(), CalendarList::Years);
  CalendarLayout years = ComputeLayout(calendar, {219, 206}, canvas);
  ASSERT_EQ(years.listItems.size(), 10u);
  // The grid is covered: no day under the list.
  EXPECT_NE(years.HitTest(years.cells[20].Center()).part, CalendarPart::Day);
}

}  // namespace
}  // namespace orbidate
