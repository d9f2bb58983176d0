#include "monthcal/SelectedDatesText.h"

#include <gtest/gtest.h>

namespace orbidate {
namespace {

using namespace std::chrono;

LocaleNames Names() { return UserLocaleNames(); }

DayNumber D(int y, unsigned m, unsigned d) { return ToDayNumber(year(y) / month(m) / day(d)); }

TEST(ShortDateFormat, WritesThePictureFields) {
  struct Case {
    const char* picture;
    const char* text;
  };
  // 4 March 2009, a Wednesday.
  const Case cases[] = {
      {"dd.MM.yyyy", "04.03.2009"},
      {"d.M.yyyy", "4.3.2009"},
      {"M/d/yy", "3/4/09"},
      {"y", "9"},
      {"yyyyy", "2009"},
      {"yyyy-MM-dd", "2009-03-04"},
      {"d MMM yyyy", "4 Mar 2009"},
      {"dddd, MMMM d", "Wednesday, March 4"},
      {"ddd", "Wed"},
      {"dd'.'MM", "04.03"},
      {"'Day' d 'of' M", "Day 4 of 3"},
      {"d''M", "4'3"},
      {"'it''s' d", "it's 4"},
      {"'open d", "open d"},
      {"d/M g", "4/3 g"},
      {"", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ShortDateFormat(c.picture, Names()).Format(year(2009) / March / day(4)), c.text) << c.picture;
  }
}

TEST(ShortDateFormat, PadsSmallYears) {
  const ShortDateFormat format("dd.MM.yyyy", Names());
  EXPECT_EQ(format.Format(year(987) / January / day(1)), "01.01.0987");
  EXPECT_EQ(ShortDateFormat("yy", Names()).Format(year(2000) / January / day(1)), "00");
}

TEST(SelectedDatesText, JoinsRunsAndSingleDays) {
  struct Case {
    std::vector<DayRun> runs;
    const char* text;
  };
  const Case cases[] = {
      {{}, ""},
      {{{D(2019, 11, 4), D(2019, 11, 4)}}, "04.11.2019"},
      {{{D(2019, 11, 4), D(2019, 11, 6)}, {D(2019, 11, 8), D(2019, 11, 8)}}, "04.11.2019-06.11.2019,08.11.2019"},
      {{{D(2019, 11, 4), D(2019, 11, 4)}, {D(2019, 11, 6), D(2019, 11, 6)}}, "04.11.2019,06.11.2019"},
      {{{D(2019, 11, 4), D(2019, 11, 5)}}, "04.11.2019-05.11.2019"},
      {{{D(2019, 12, 30), D(2020, 1, 2)}}, "30.12.2019-02.01.2020"},
      {{{D(2020, 2, 28), D(2020, 3, 1)}}, "28.02.2020-01.03.2020"},
      {{{D(1800, 1, 1), D(3000, 12, 31)}}, "01.01.1800-31.12.3000"},
  };
  const ShortDateFormat format("dd.MM.yyyy", Names());
  for (const Case& c : cases) {
    DateSelection selection;
    for (const DayRun& run : c.runs) selection.Add(run.first, run.last);
    EXPECT_EQ(SelectedDatesText(selection, format), c.text);
  }
}

TEST(SelectedDatesText, AddedDaysInAnyOrderComeOutSorted) {
  DateSelection selection;
  for (unsigned d : {8u, 4u, 6u, 5u}) selection.Add(D(2019, 11, d), D(2019, 11, d));
  EXPECT_EQ(SelectedDatesText(selection, ShortDateFormat("M/d/yyyy", Names())), "11/4/2019-11/6/2019,11/8/2019");
}

}  // namespace
}  // namespace orbidate
