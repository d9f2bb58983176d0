#include "monthcal/MonthCalendar.h"
#include "monthcal/LocaleNames.h"

#include <gtest/gtest.h>

namespace orbidate {
namespace {

using namespace std::chrono;

DayNumber D(int y, unsigned m, unsigned d) { return ToDayNumber(year(y) / month(m) / day(d)); }

std::vector<DayRun> RunsOf(const MonthCalendar& calendar) {
  return {calendar.Selection().Runs().begin(), calendar.Selection().Runs().end()};
}

TEST(MonthCalendar, StartsAsTheWindowConfiguresIt) {
  MonthCalendar calendar;
  EXPECT_EQ(calendar.Date(), year(2019) / November / day(30));
  EXPECT_EQ(calendar.ShownMonth(), year(2019) / November);
  EXPECT_EQ(calendar.StartDay(), 7);
  EXPECT_FALSE(calendar.MultiSelect());
  for (int weekday = 1; weekday <= 7; ++weekday) EXPECT_EQ(calendar.InActiveDay(weekday), weekday >= 6) << weekday;
  EXPECT_EQ(calendar.NameOfDays()[0], UserLocaleNames().abbreviatedDays[0]);
  EXPECT_EQ(calendar.Caption(), UserLocaleNames().abbreviatedMonths[10] + " 2019");
  EXPECT_EQ(calendar.Font().size, 8);
  EXPECT_EQ(calendar.DayFont().size, 10);
  EXPECT_EQ(calendar.Look().gradientEndColor, kClBtnFace);
  EXPECT_EQ(calendar.BrowseHints()[kPrevYear], "Previous Year");
  EXPECT_EQ(RunsOf(calendar), (std::vector<DayRun>{{D(2019, 11, 30), D(2019, 11, 30)}}));
}

// A write of Month or Year keeps the other two parts; a date that does not
// exist changes nothing at all.
TEST(MonthCalendar, SetDateRefusesDaysThatDoNotExist) {
  struct Case {
    year_month_day start;
    int writeMonth;  // 0: write the year instead
    int writeYear;
    bool applied;
    year_month_day after;
  };
  const Case cases[] = {
      {year(2019) / November / day(30), 2, 0, false, year(2019) / November / day(30)},
      {year(2019) / November / day(30), 12, 0, true, year(2019) / December / day(30)},
      {year(2020) / February / day(29), 0, 2019, false, year(2020) / February / day(29)},
      {year(2020) / February / day(29), 0, 2024, true, year(2024) / February / day(29)},
      {year(2019) / January / day(31), 4, 0, false, year(2019) / January / day(31)},
      {year(2019) / January / day(31), 0, 1800, true, year(1800) / January / day(31)},
      {year(2019) / January / day(31), 13, 0, false, year(2019) / January / day(31)},
      {year(2019) / January / day(31), 0, 10000, false, year(2019) / January / day(31)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.writeMonth << "/" << c.writeYear);
    MonthCalendar calendar;
    ASSERT_TRUE(calendar.SetDate(c.start));
    // The user browses elsewhere and selects another day first.
    calendar.ShowMonth(year(2031) / May);
    calendar.SelectDays(D(2031, 5, 2), D(2031, 5, 2));
    int changes = 0;
    calendar.SetChangedHook([&changes] { ++changes; });
    const bool applied =
        c.writeMonth != 0 ? calendar.SetMonth(static_cast<unsigned>(c.writeMonth)) : calendar.SetYear(c.writeYear);
    EXPECT_EQ(applied, c.applied);
    EXPECT_EQ(calendar.Date(), c.after);
    if (applied) {
      EXPECT_EQ(calendar.ShownMonth(), c.after.year() / c.after.month());
      EXPECT_EQ(RunsOf(calendar), (std::vector<DayRun>{{ToDayNumber(c.after), ToDayNumber(c.after)}}));
      EXPECT_EQ(changes, 1);
    } else {
      EXPECT_EQ(calendar.ShownMonth(), year(2031) / May);
      EXPECT_EQ(RunsOf(calendar), (std::vector<DayRun>{{D(2031, 5, 2), D(2031, 5, 2)}}));
      EXPECT_EQ(changes, 0);
    }
  }
}

TEST(MonthCalendar, SetDateRaisesNoEvent) {
  struct Counter : MonthCalendarEvents {
    int events = 0;
    void OnDaySelect() override { ++events; }
    void OnMonthSelect() override { ++events; }
    void OnYearSelect() override { ++events; }
  } counter;
  MonthCalendar calendar;
  calendar.SetListener(&counter);
  EXPECT_TRUE(calendar.SetMonth(3));
  EXPECT_TRUE(calendar.SetYear(2021));
  EXPECT_TRUE(calendar.SetDate(year(2022) / June / day(1)));
  EXPECT_EQ(counter.events, 0);
}

TEST(MonthCalendar, MultiSelectOffDropsTheSelection) {
  for (bool before : {false, true}) {
    MonthCalendar calendar;
    calendar.SetMultiSelect(before);
    calendar.SelectDays(D(2019, 11, 4), D(2019, 11, 6));
    calendar.SetMultiSelect(false);
    EXPECT_TRUE(calendar.Selection().Empty()) << before;
  }
  MonthCalendar calendar;
  calendar.SetMultiSelect(true);
  EXPECT_FALSE(calendar.Selection().Empty());  // turning it on keeps the selection
}

TEST(MonthCalendar, CaptionFollowsShownMonthAndNames) {
  MonthCalendar calendar;
  std::array<std::string, 12> names{"Январь", "Февраль", "Март", "Апрель", "Май", "Июнь",
                                    "Июль", "Август", "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"};
  calendar.SetNameOfMonths(names);
  EXPECT_EQ(calendar.Caption(), "Ноябрь 2019");
  calendar.Browse(kNextMonth);
  EXPECT_EQ(calendar.Caption(), "Декабрь 2019");
  calendar.Browse(kNextMonth);
  EXPECT_EQ(calendar.Caption(), "Январь 2020");
  calendar.SetMonthName(1, "");
  EXPECT_EQ(calendar.Caption(), " 2020");
  calendar.Browse(kPrevYear);
  EXPECT_EQ(calendar.ShownMonth(), year(2019) / January);
}

TEST(MonthCalendar, StartDayIsBroughtIntoRange) {
  MonthCalendar calendar;
  for (auto [given, kept] : {std::pair{0, 1}, {-3, 1}, {1, 1}, {5, 5}, {7, 7}, {9, 7}}) {
    calendar.SetStartDay(given);
    EXPECT_EQ(calendar.StartDay(), kept) << given;
  }
}

}  // namespace
}  // namespace orbidate
