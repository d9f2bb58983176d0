#include "calendar/ActionParameters.h"

#include <gtest/gtest.h>

namespace orbidate {
namespace {

TEST(ActionParameters, KeywordsMatchExactly) {
  EXPECT_EQ(ReadTrueFalse("True"), true);
  EXPECT_EQ(ReadTrueFalse("False"), false);
  for (const char* text : {"true", "TRUE", " True", "True ", "", "1", "Yes"}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(ReadTrueFalse(text), std::nullopt);
  }
  EXPECT_EQ(ReadGradientDirection("Vertical"), GradientDirection::Vertical);
  EXPECT_EQ(ReadGradientDirection("Horizontal"), GradientDirection::Horizontal);
  EXPECT_EQ(ReadGradientDirection("vertical"), std::nullopt);
  EXPECT_EQ(ReadGradientDirection(""), std::nullopt);
  EXPECT_EQ(ReadWeekdayName("Monday"), 1);
  EXPECT_EQ(ReadWeekdayName("Sunday"), 7);
  EXPECT_EQ(ReadWeekdayName("sunday"), std::nullopt);
  EXPECT_EQ(ReadWeekdayName("Sun"), std::nullopt);
}

TEST(ActionParameters, MonthNumbersAreTheTwelveWordsOnly) {
  for (int month = 1; month <= 12; ++month) EXPECT_EQ(ReadMonthNumber(std::to_string(month)), month);
  for (const char* text : {"01", " 1", "1 ", "+1", "13", "0", "", "$3", "x3"}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(ReadMonthNumber(text), std::nullopt);
  }
}

TEST(ActionParameters, YearsFrom1800To3000ByTheIntegerRule) {
  struct Case {
    const char* text;
    std::optional<int> year;
  };
  const Case cases[] = {{"1800", 1800}, {"3000", 3000}, {"2019", 2019}, {"  2019", 2019}, {"$7E3", 2019},
                        {"1799", std::nullopt}, {"3001", std::nullopt}, {"2019a", std::nullopt},
                        {"year", std::nullopt}, {"", std::nullopt}, {"2019 ", std::nullopt}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ReadYear(c.text), c.year);
  }
}

TEST(ActionParameters, StartDayIsClampedAndDefaultsToSunday) {
  struct Case {
    const char* text;
    int day;
  };
  const Case cases[] = {{"1", 1}, {"3", 3}, {"7", 7}, {"0", 1}, {"-3", 1}, {"9", 7},
                        {"word", 7}, {"", 7}, {"   ", 7}, {"2 ", 7}, {"$2", 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ReadStartDay(c.text), c.day);
  }
}

TEST(ActionParameters, CreateDayNames) {
  const DayNames seven = {"Mo", "Tu", "We", "Th", "Fr", "Sa", "Su"};
  EXPECT_EQ(ReadCreateDayNames(""), std::nullopt);
  EXPECT_EQ(ReadCreateDayNames("Mo|Tu|We|Th|Fr|Sa|Su"), seven);
  EXPECT_EQ(ReadCreateDayNames("Mo|Tu|We|Th|Fr|Sa|Su|"), seven);  // a final "|" adds no piece
  EXPECT_EQ(ReadCreateDayNames("||||||"), DayNames{});              // six empty pieces
  EXPECT_EQ(ReadCreateDayNames("Mo|Tu|We|Th|Fr|Sa|Su|Xx"), DayNames{});
  EXPECT_EQ(ReadCreateDayNames("Mo|Tu|We|Th|Fr|Sa|"), DayNames{});
  EXPECT_EQ(ReadCreateDayNames("|Tu|We|Th|Fr|Sa|Su"), (DayNames{"", "Tu", "We", "Th", "Fr", "Sa", "Su"}));
}

TEST(ActionParameters, MonthNamesNeedExactlyTwelvePieces) {
  const std::string twelve = "Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec";
  ASSERT_TRUE(ReadMonthNames(twelve));
  EXPECT_EQ((*ReadMonthNames(twelve))[11], "Dec");
  EXPECT_TRUE(ReadMonthNames(twelve + "|"));
  EXPECT_EQ((*ReadMonthNames("Jan||Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec"))[1], "");
  EXPECT_EQ(ReadMonthNames("Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov"), std::nullopt);
  EXPECT_EQ(ReadMonthNames(twelve + "|Extra"), std::nullopt);
  EXPECT_EQ(ReadMonthNames(""), std::nullopt);
}

}  // namespace
}  // namespace orbidate
