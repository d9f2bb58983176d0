// The mouse as the user drives it, on the layout of a 219 x 206 calendar
// showing November 2019 with Sunday first (cells from 27 October).
#include <gtest/gtest.h>

#include "canvas/RecordingCanvas.h"
#include "monthcal/MonthCalendar.h"

namespace orbidate {
namespace {

using namespace std::chrono;

DayNumber D(int y, unsigned m, unsigned d) { return ToDayNumber(year(y) / month(m) / day(d)); }

struct EventLog : MonthCalendarEvents {
  std::vector<std::string> events;
  void OnDaySelect() override { events.push_back("day"); }
  void OnMonthSelect() override { events.push_back("month"); }
  void OnYearSelect() override { events.push_back("year"); }
  void OnMouseDown(MouseButton button) override {
    events.push_back(button == MouseButton::Left ? "down:left" : button == MouseButton::Right ? "down:right"
                                                                                               : "down:middle");
  }
};

enum class Act { Down, Move, Up };

struct Step {
  Act act;
  DayNumber day;  // the centre of its cell, or a part below
  CalendarPart part = CalendarPart::Day;
  int dx = 0;
  MouseButton button = MouseButton::Left;
  bool shift = false;
};

class CalendarInput : public ::testing::Test {
 protected:
  void SetUp() override {
    calendar.SetListener(&log);
    ASSERT_TRUE(calendar.SetDate(year(2019) / November / day(30)));
  }

  CalendarLayout Layout() { return ComputeLayout(calendar, {219, 206}, canvas); }

  void Run(const Step& step) {
    const CalendarLayout layout = Layout();
    Point p = step.part == CalendarPart::Day ? layout.DayRect(step.day)->Center()
                                             : layout.PartRect(step.part).Center();
    p.x += step.dx;
    switch (step.act) {
      case Act::Down: calendar.MouseDown(layout, step.button, p, step.shift); break;
      case Act::Move: calendar.MouseMove(layout, p); break;
      case Act::Up: calendar.MouseUp(layout, step.button, p, step.shift); break;
    }
  }

  std::vector<DayRun> Runs() const {
    return {calendar.Selection().Runs().begin(), calendar.Selection().Runs().end()};
  }

  MonthCalendar calendar;
  EventLog log;
  RecordingCanvas canvas;
};

TEST_F(CalendarInput, SelectsAndReportsAsTheGesturesSay) {
  const DayNumber nov4 = D(2019, 11, 4), nov6 = D(2019, 11, 6), nov8 = D(2019, 11, 8);
  const DayNumber oct28 = D(2019, 10, 28), dec3 = D(2019, 12, 3);
  struct Case {
    const char* name;
    bool multiSelect;
    std::vector<Step> steps;
    std::vector<DayRun> runs;
    std::vector<std::string> events;
  };
  const Case cases[] = {
      {"click", false, {{Act::Down, nov4}, {Act::Up, nov4}}, {{nov4, nov4}}, {"down:left", "day"}},
      {"click on the previous month's day", false, {{Act::Down, oct28}, {Act::Up, oct28}}, {{oct28, oct28}},
       {"down:left", "day"}},
      {"click on the next month's day", false, {{Act::Down, dec3}, {Act::Up, dec3}}, {{dec3, dec3}},
       {"down:left", "day"}},
      {"drag in multiple selection", true, {{Act::Down, nov4}, {Act::Move, nov6}, {Act::Up, nov6}}, {{nov4, nov6}},
       {"down:left", "day"}},
      {"drag backwards", true, {{Act::Down, nov6}, {Act::Move, nov4}, {Act::Up, nov4}}, {{nov4, nov6}},
       {"down:left", "day"}},
      {"drag in single selection", false, {{Act::Down, nov4}, {Act::Move, nov6}, {Act::Up, nov6}}, {{nov4, nov4}},
       {"down:left", "day"}},
      {"release 3 pixels off", false, {{Act::Down, nov4}, {Act::Up, nov4, CalendarPart::Day, 3}}, {{nov4, nov4}},
       {"down:left", "day"}},
      {"release 4 pixels off", false, {{Act::Down, nov4}, {Act::Up, nov4, CalendarPart::Day, 4}}, {{nov4, nov4}},
       {"down:left"}},
      {"release away from the last move", true, {{Act::Down, nov4}, {Act::Move, nov6}, {Act::Up, nov8}},
       {{nov4, nov6}}, {"down:left"}},
      {"release on the caption", false, {{Act::Down, nov4}, {Act::Up, 0, CalendarPart::Caption}}, {{nov4, nov4}},
       {"down:left"}},
      {"Shift-click extends", true,
       {{Act::Down, nov4}, {Act::Up, nov4}, {Act::Down, nov8, CalendarPart::Day, 0, MouseButton::Left, true},
        {Act::Up, nov8, CalendarPart::Day, 0, MouseButton::Left, true}},
       {{nov4, nov8}}, {"down:left", "day", "down:left"}},
      {"Shift-click extends again from the same date", true,
       {{Act::Down, nov6}, {Act::Up, nov6}, {Act::Down, nov8, CalendarPart::Day, 0, MouseButton::Left, true},
        {Act::Up, nov8, CalendarPart::Day, 0, MouseButton::Left, true},
        {Act::Down, nov4, CalendarPart::Day, 0, MouseButton::Left, true},
        {Act::Up, nov4, CalendarPart::Day, 0, MouseButton::Left, true}},
       {{nov4, nov6}}, {"down:left", "day", "down:left", "down:left"}},
      {"Shift-click in single selection", false,
       {{Act::Down, nov4}, {Act::Up, nov4}, {Act::Down, nov8, CalendarPart::Day, 0, MouseButton::Left, true},
        {Act::Up, nov8, CalendarPart::Day, 0, MouseButton::Left, true}},
       {{nov8, nov8}}, {"down:left", "day", "down:left"}},
      {"Shift released before the button", true,
       {{Act::Down, nov4, CalendarPart::Day, 0, MouseButton::Left, true}, {Act::Up, nov4}}, {{D(2019, 11, 4), D(2019, 11, 30)}},
       {"down:left", "day"}},
      {"right press on a day", false,
       {{Act::Down, nov4, CalendarPart::Day, 0, MouseButton::Right}, {Act::Up, nov4, CalendarPart::Day, 0, MouseButton::Right}},
       {{D(2019, 11, 30), D(2019, 11, 30)}}, {"down:right"}},
      {"middle press on a day", false, {{Act::Down, nov4, CalendarPart::Day, 0, MouseButton::Middle}},
       {{D(2019, 11, 30), D(2019, 11, 30)}}, {"down:middle"}},
      {"move without a press", true, {{Act::Move, nov4}, {Act::Move, nov6}, {Act::Up, nov6}},
       {{D(2019, 11, 30), D(2019, 11, 30)}}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    calendar.SetMultiSelect(c.multiSelect);
    ASSERT_TRUE(calendar.SetDate(year(2019) / November / day(30)));
    log.events.clear();
    for (const Step& step : c.steps) Run(step);
    EXPECT_EQ(Runs(), c.runs);
    EXPECT_EQ(log.events, c.events);
    EXPECT_FALSE(calendar.Tracking());
  }
}

TEST_F(CalendarInput, RightPressChangesNothingAnywhere) {
  for (CalendarPart part : {CalendarPart::MonthName, CalendarPart::Year, CalendarPart::PrevMonth,
                            CalendarPart::NextYear, CalendarPart::WeekdayRow, CalendarPart::Day}) {
    SCOPED_TRACE(static_cast<int>(part));
    log.events.clear();
    Run({Act::Down, D(2019, 11, 12), part, 0, MouseButton::Right});
    Run({Act::Up, D(2019, 11, 12), part, 0, MouseButton::Right});
    EXPECT_EQ(log.events, std::vector<std::string>{"down:right"});
    EXPECT_EQ(calendar.ShownMonth(), year(2019) / November);
    EXPECT_EQ(calendar.OpenList(), CalendarList::None);
    EXPECT_EQ(Runs(), (std::vector<DayRun>{{D(2019, 11, 30), D(2019, 11, 30)}}));
  }
}

TEST_F(CalendarInput, BrowseButtonsMoveWithoutEvents) {
  const std::pair<CalendarPart, year_month> cases[] = {
      {CalendarPart::PrevMonth, year(2019) / October},
      {CalendarPart::NextMonth, year(2019) / December},
      {CalendarPart::PrevYear, year(2018) / November},
      {CalendarPart::NextYear, year(2020) / November},
  };
  for (const auto& [part, shown] : cases) {
    calendar.ShowMonth(year(2019) / November);
    log.events.clear();
    Run({Act::Down, 0, part});
    Run({Act::Up, 0, part});
    EXPECT_EQ(calendar.ShownMonth(), shown);
    EXPECT_EQ(log.events, std::vector<std::string>{"down:left"});
    // The selection and the set date stay.
    EXPECT_EQ(calendar.Date(), year(2019) / November / day(30));
    EXPECT_TRUE(calendar.Selection().Contains(D(2019, 11, 30)));
  }
}

TEST_F(CalendarInput, MonthListChoosesAndReports) {
  for (int item : {0, 10, 11}) {  // 10: November, the month already shown
    calendar.ShowMonth(year(2019) / November);
    log.events.clear();
    Run({Act::Down, 0, CalendarPart::MonthName});
    ASSERT_EQ(calendar.OpenList(), CalendarList::Months);
    const CalendarLayout layout = Layout();
    calendar.MouseDown(layout, MouseButton::Left, layout.listItems[item].Center(), false);
    EXPECT_EQ(calendar.OpenList(), CalendarList::None);
    EXPECT_EQ(calendar.ShownMonth(), year(2019) / month(static_cast<unsigned>(item + 1)));
    EXPECT_EQ(log.events, (std::vector<std::string>{"down:left", "down:left", "month"}));
  }
}

TEST_F(CalendarInput, YearListShowsFourBeforeToFiveAfter) {
  Run({Act::Down, 0, CalendarPart::Year});
  ASSERT_EQ(calendar.OpenList(), CalendarList::Years);
  EXPECT_EQ(calendar.YearListFirst(), 2015);
  const CalendarLayout layout = Layout();
  ASSERT_EQ(layout.listItems.size(), 10u);
  log.events.clear();
  // The last item: five after.
  struct Shown : MonthCalendarEvents {
    MonthCalendar* calendar;
    year_month seen;
    void OnYearSelect() override { seen = calendar->ShownMonth(); }
  } shown;
  shown.calendar = &calendar;
  calendar.SetListener(&shown);
  calendar.MouseDown(layout, MouseButton::Left, layout.listItems[9].Center(), false);
  // The event comes after the calendar shows the chosen year.
  EXPECT_EQ(shown.seen, year(2024) / November);
  EXPECT_EQ(calendar.OpenList(), CalendarList::None);
}

TEST_F(CalendarInput, YearListStaysInsideTheCalendarsYears) {
  for (auto [shown, first] : {std::pair{1, 1}, {3, 1}, {2019, 2015}, {9999, 9990}}) {
    calendar.ShowMonth(year(shown) / May);
    EXPECT_EQ(calendar.YearListFirst(), first) << shown;
  }
  calendar.ShowMonth(year(9999) / December);
  calendar.Browse(kNextMonth);
  EXPECT_EQ(calendar.ShownMonth(), year(9999) / December);
}

TEST_F(CalendarInput, ClickOutsideAnOpenListClosesIt) {
  Run({Act::Down, 0, CalendarPart::Year});
  ASSERT_EQ(calendar.OpenList(), CalendarList::Years);
  log.events.clear();
  Run({Act::Down, 0, CalendarPart::Caption});
  EXPECT_EQ(calendar.OpenList(), CalendarList::None);
  EXPECT_EQ(calendar.ShownMonth(), year(2019) / November);
  EXPECT_EQ(log.events, std::vector<std::string>{"down:left"});
}

TEST_F(CalendarInput, HoverFollowsThePointer) {
  Run({Act::Move, 0, CalendarPart::NextMonth});
  EXPECT_EQ(calendar.Hover().part, CalendarPart::NextMonth);
  calendar.MouseLeave();
  EXPECT_EQ(calendar.Hover().part, CalendarPart::None);
}

}  // namespace
}  // namespace orbidate
