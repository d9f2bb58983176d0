// The calendar actions through nbExecAction, as the host runs them. Natively a
// calendar window is its form alone; the host's answer to request 7 decides
// whether one is made.
#include <gtest/gtest.h>

#include <chrono>

#include "calendar/CalendarForms.h"
#include "calendar/ImageForm.h"
#include "plugin/EntryPoints.h"
#include "support/RecordingHost.h"

namespace orbidate {
namespace {

using namespace std::chrono;
using testing::RecordingHost;

// The host's side of one action call: slots filled from texts (nullptr for a
// null slot), released afterwards.
bool Exec(std::int32_t id, std::initializer_list<const char*> texts) {
  HostSlot slots[4] = {};
  int i = 0;
  for (const char* text : texts) {
    if (text != nullptr) AssignHostString(&slots[i], text);
    ++i;
  }
  const bool result = nbExecAction(id, slots) != 0;
  for (HostSlot& slot : slots) ReleaseHostString(&slot);
  return result;
}

class CalendarActions : public ::testing::Test {
 protected:
  void SetUp() override {
    DestroyAllCalendars();
    host.Reset();
    host.Register();
    host.accessAnswer = "4660";
  }
  void TearDown() override { DestroyAllCalendars(); }

  bool Create(const char* name, const char* days = "Mo|Tu|We|Th|Fr|Sa|Su") {
    return Exec(1, {name, "Create", days});
  }
  ImageForm* Form(const char* name) {
    CalendarWindow* window = CalendarFormsExist() ? CalendarForms().Calendar(name) : nullptr;
    return window == nullptr ? nullptr : &window->Form();
  }
  MonthCalendar& Calendar(const char* name) { return Form(name)->PlannerCalendar; }
  // A calendar of "Rect1" set to 30 November 2019.
  void CreateOn30November2019() {
    ASSERT_TRUE(Create("Rect1"));
    ASSERT_TRUE(Calendar("Rect1").SetDate(year(2019) / November / 30));
  }

  RecordingHost& host = RecordingHost::Current();
};

TEST_F(CalendarActions, CreateAsksTheHostForTheRectangleAndSetsNamesAndToday) {
  ASSERT_TRUE(Create("Rect1"));
  ASSERT_EQ(host.accessRequests.size(), 1u);
  EXPECT_EQ(host.accessRequests[0], std::make_pair(7, std::string("Rect1")));
  MonthCalendar& calendar = Calendar("Rect1");
  EXPECT_EQ(calendar.DayName(1), "Mo");
  EXPECT_EQ(calendar.DayName(7), "Su");
  const year_month_day today(floor<days>(system_clock::now()));
  EXPECT_EQ(calendar.Date(), today);
  EXPECT_EQ(calendar.ShownMonth(), today.year() / today.month());
  EXPECT_TRUE(calendar.Selection().Contains(ToDayNumber(today)));
  EXPECT_EQ(calendar.Selection().DayCount(), 1);
  // Creating raises no event.
  EXPECT_TRUE(host.setVars.empty());
  EXPECT_TRUE(host.scripts.empty());
}

TEST_F(CalendarActions, NamesAreFoundByTheNameRule) {
  ASSERT_TRUE(Create("Rect1"));
  EXPECT_NE(Form("RECT1"), nullptr);
  EXPECT_NE(Form("rect1"), nullptr);
  EXPECT_EQ(Form("Rect1 "), nullptr);
  ASSERT_TRUE(Create("\xCF\xF0\xFF\xEC"));  // Cyrillic capital first letter
  EXPECT_EQ(Form("\xEF\xF0\xFF\xEC"), nullptr);  // the same name with a small letter
  EXPECT_EQ(CalendarForms().Count(), 2);
}

TEST_F(CalendarActions, ReCreatingReplacesTheOldWindowAtTheEnd) {
  ASSERT_TRUE(Create("A"));
  ASSERT_TRUE(Create("B"));
  Form("A")->LabelResult = "Old";
  ASSERT_TRUE(Create("a"));
  ASSERT_EQ(CalendarForms().Count(), 2);
  EXPECT_EQ(CalendarForms().At(0)->RectangleName(), "B");
  EXPECT_EQ(CalendarForms().At(1)->RectangleName(), "a");
  EXPECT_EQ(Form("A")->LabelResult, "");
}

TEST_F(CalendarActions, OperationsAndHostAnswers) {
  struct Case {
    const char* what;
    const char* operation;
    const char* answer;
    bool hasCallback;
    bool result;
    bool calendarAfter;
  };
  const Case cases[] = {
      {"create", "Create", "4660", true, true, true},
      {"delete", "Delete", "4660", true, true, false},
      {"operation in small letters deletes only", "create", "4660", true, true, false},
      {"unknown operation", "Make", "4660", true, true, false},
      {"host answers 0: nothing to do", "Create", "0", true, true, false},
      {"host answers an empty text", "Create", "", true, false, false},
      {"host answers a word", "Create", "handle", true, false, false},
      {"no interface-access callback", "Create", "4660", false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(Create("Rect1"));
    host.accessAnswer = c.answer;
    if (!c.hasCallback) nbRegisterInterfaceAccess(nullptr);
    EXPECT_EQ(Exec(1, {"Rect1", c.operation, ""}), c.result);
    EXPECT_EQ(Form("Rect1") != nullptr, c.calendarAfter);
    EXPECT_EQ(CalendarForms().Count(), c.calendarAfter ? 1 : 0);
    host.Register();
    host.accessAnswer = "4660";
  }
  EXPECT_TRUE(Exec(1, {"Nowhere", "Delete", ""}));
}

TEST_F(CalendarActions, DayNamesOfTheCreateAction) {
  struct Case {
    const char* days;
    const char* monday;
    const char* sunday;
  };
  const Case cases[] = {
      {"Mo|Tu|We|Th|Fr|Sa|Su", "Mo", "Su"},
      {"Mo|Tu|We|Th|Fr|Sa|Su|", "Mo", "Su"},
      {"||||||", "", ""},
      {"Mo|Tu|We|Th|Fr|Sa|Su|Xx", "", ""},
      {"|Tu|We|Th|Fr|Sa|Su", "", "Su"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.days);
    ASSERT_TRUE(Create("Rect1", c.days));
    EXPECT_EQ(Calendar("Rect1").DayName(1), c.monday);
    EXPECT_EQ(Calendar("Rect1").DayName(7), c.sunday);
  }
  // An empty list keeps the names the window starts with.
  ImageForm fresh;
  ASSERT_TRUE(Create("Rect1", ""));
  EXPECT_EQ(Calendar("Rect1").NameOfDays(), fresh.PlannerCalendar.NameOfDays());
}

TEST_F(CalendarActions, MessageTwoDestroysAllAndEveryActionIsFalseAfterwards) {
  ASSERT_TRUE(Create("A"));
  ASSERT_TRUE(Create("B"));
  nbMessage(2);
  EXPECT_FALSE(CalendarFormsExist());
  nbMessage(2);
  for (std::int32_t id = 2; id <= 18; ++id) {
    SCOPED_TRACE(id);
    EXPECT_FALSE(Exec(id, {"A", "1", "1", "1"}));
  }
  ASSERT_TRUE(Create("A"));
  EXPECT_TRUE(Exec(9, {"A", "True"}));
}

TEST_F(CalendarActions, EveryActionIsFalseForAMissingCalendar) {
  ASSERT_TRUE(Create("Rect1"));
  for (std::int32_t id = 2; id <= 18; ++id) {
    SCOPED_TRACE(id);
    EXPECT_FALSE(Exec(id, {"Rect2", "True", "0,0,255", "Vertical"}));
  }
}

TEST_F(CalendarActions, Bindings) {
  ASSERT_TRUE(Create("Rect1"));
  EXPECT_TRUE(Exec(10, {"RECT1", "Day Chosen", "Dates"}));
  EXPECT_EQ(Form("Rect1")->LabelSubProgramm, "Day Chosen");
  EXPECT_EQ(Form("Rect1")->LabelResult, "Dates");
  EXPECT_TRUE(Exec(10, {"Rect1", "Sub", nullptr}));  // a null slot is empty text
  EXPECT_EQ(Form("Rect1")->LabelResult, "");
  EXPECT_TRUE(Exec(16, {"Rect1", "M \"quoted\""}));
  EXPECT_TRUE(Exec(17, {"Rect1", "Y"}));
  EXPECT_TRUE(Exec(18, {"Rect1", "R"}));
  EXPECT_EQ(Form("Rect1")->SubProgMonthSelect, "M \"quoted\"");
  EXPECT_EQ(Form("Rect1")->SubProgYearSelect, "Y");
  EXPECT_EQ(Form("Rect1")->SubProgRightClick, "R");
  EXPECT_TRUE(Exec(18, {"Rect1", ""}));
  EXPECT_EQ(Form("Rect1")->SubProgRightClick, "");
}

TEST_F(CalendarActions, SetMonthAndYear) {
  struct Case {
    std::int32_t id;
    const char* text;
    bool result;
    year_month_day date;
  };
  const year_month_day unchanged = year(2019) / November / 30;
  const Case cases[] = {
      {11, "3", true, year(2019) / March / 30},
      {11, "2", false, unchanged},  // 30 February does not exist
      {11, "01", true, unchanged},
      {11, " 1", true, unchanged},
      {11, "13", true, unchanged},
      {11, "0", true, unchanged},
      {11, "", true, unchanged},
      {12, "1800", true, year(1800) / November / 30},
      {12, "3000", true, year(3000) / November / 30},
      {12, "1799", true, unchanged},
      {12, "3001", true, unchanged},
      {12, "2020x", true, unchanged},
      {12, "year", true, unchanged},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.id) + " \"" + c.text + "\"");
    CreateOn30November2019();
    EXPECT_EQ(Exec(c.id, {"Rect1", c.text}), c.result);
    EXPECT_EQ(Calendar("Rect1").Date(), c.date);
    EXPECT_EQ(Calendar("Rect1").ShownMonth(), c.date.year() / c.date.month());
  }
  // 29 February 2020 has no day in 2019.
  ASSERT_TRUE(Create("Rect1"));
  ASSERT_TRUE(Calendar("Rect1").SetDate(year(2020) / February / 29));
  EXPECT_FALSE(Exec(12, {"Rect1", "2019"}));
  EXPECT_EQ(Calendar("Rect1").Date(), year(2020) / February / 29);
  // Writing the month keeps the set year, also after browsing elsewhere.
  Calendar("Rect1").ShowMonth(year(2031) / May);
  EXPECT_TRUE(Exec(11, {"Rect1", "4"}));
  EXPECT_EQ(Calendar("Rect1").Date(), year(2020) / April / 29);
  EXPECT_EQ(Calendar("Rect1").Selection().DayCount(), 1);
  EXPECT_TRUE(host.setVars.empty());
}

TEST_F(CalendarActions, MultiSelectStartDayAndDaysOff) {
  ASSERT_TRUE(Create("Rect1"));
  MonthCalendar& calendar = Calendar("Rect1");
  EXPECT_TRUE(Exec(9, {"Rect1", "True"}));
  EXPECT_TRUE(calendar.MultiSelect());
  EXPECT_TRUE(Exec(9, {"Rect1", "true"}));
  EXPECT_TRUE(calendar.MultiSelect());
  EXPECT_TRUE(Exec(9, {"Rect1", "False"}));
  EXPECT_FALSE(calendar.MultiSelect());
  EXPECT_TRUE(calendar.Selection().Empty());

  const std::pair<const char*, int> starts[] = {{"1", 1}, {"0", 1}, {"-3", 1}, {"9", 7}, {"word", 7}, {"", 7}, {"3", 3}};
  for (const auto& [text, day] : starts) {
    SCOPED_TRACE(text);
    EXPECT_TRUE(Exec(14, {"Rect1", text}));
    EXPECT_EQ(calendar.StartDay(), day);
  }

  EXPECT_TRUE(calendar.InActiveDay(7));
  EXPECT_TRUE(Exec(15, {"Rect1", "Sunday", "False"}));
  EXPECT_FALSE(calendar.InActiveDay(7));
  EXPECT_TRUE(Exec(15, {"Rect1", "Monday", "True"}));
  EXPECT_TRUE(calendar.InActiveDay(1));
  EXPECT_TRUE(Exec(15, {"Rect1", "monday", "False"}));
  EXPECT_TRUE(Exec(15, {"Rect1", "Monday", "Yes"}));
  EXPECT_TRUE(calendar.InActiveDay(1));
}

TEST_F(CalendarActions, MonthNames) {
  ASSERT_TRUE(Create("Rect1"));
  MonthCalendar& calendar = Calendar("Rect1");
  const auto before = calendar.NameOfMonths();
  EXPECT_TRUE(Exec(2, {"Rect1", "a|b|c|d|e|f|g|h|i|j|k"}));
  EXPECT_EQ(calendar.NameOfMonths(), before);
  EXPECT_TRUE(Exec(2, {"Rect1", "a|b|c|d|e|f|g|h|i|j|k|l|m"}));
  EXPECT_EQ(calendar.NameOfMonths(), before);
  EXPECT_TRUE(Exec(2, {"Rect1", "a||c|d|e|f|g|h|i|j|k|l|"}));
  EXPECT_EQ(calendar.MonthName(1), "a");
  EXPECT_EQ(calendar.MonthName(2), "");
  EXPECT_EQ(calendar.MonthName(12), "l");
  // The caption is rebuilt with the new name of the shown month.
  calendar.ShowMonth(year(2019) / January);
  EXPECT_EQ(calendar.Caption(), "a 2019");
}

TEST_F(CalendarActions, Colours) {
  ASSERT_TRUE(Create("Rect1"));
  MonthCalendar& calendar = Calendar("Rect1");
  EXPECT_TRUE(Exec(5, {"RECT1", "0,0,255"}));
  EXPECT_EQ(calendar.Look().selectFontColor, ColorValue::FromRgb(0, 0, 255));
  EXPECT_TRUE(Exec(6, {"Rect1", "0,0"}));
  EXPECT_EQ(calendar.Look().dateSelectColor, kClTeal);
  EXPECT_TRUE(Exec(6, {"Rect1", ""}));
  EXPECT_EQ(calendar.Look().dateSelectColor, kClTeal);
  EXPECT_TRUE(Exec(13, {"Rect1", "0,128,0"}));
  EXPECT_EQ(calendar.Look().weekendColor, ColorValue::FromRgb(0, 128, 0));
  // Only the second colour: the first is empty and the direction unknown.
  EXPECT_TRUE(Exec(7, {"Rect1", "", "0,0,255", "vertical"}));
  EXPECT_EQ(calendar.Look().gradientStartColor, kClWhite);
  EXPECT_EQ(calendar.Look().gradientEndColor, ColorValue::FromRgb(0, 0, 255));
  EXPECT_EQ(calendar.Look().gradientDirection, GradientDirection::Vertical);
  EXPECT_TRUE(Exec(7, {"Rect1", "bad", "", "Horizontal"}));
  EXPECT_EQ(calendar.Look().gradientDirection, GradientDirection::Horizontal);
  EXPECT_TRUE(Exec(8, {"Rect1", "255,0,0", "0,0,255", "Horizontal"}));
  EXPECT_EQ(calendar.Look().monthGradientStartColor, ColorValue::FromRgb(255, 0, 0));
  EXPECT_EQ(calendar.Look().monthGradientEndColor, ColorValue::FromRgb(0, 0, 255));
}

TEST_F(CalendarActions, Fonts) {
  ASSERT_TRUE(Create("Rect1"));
  MonthCalendar& calendar = Calendar("Rect1");
  EXPECT_TRUE(Exec(3, {"Rect1", "Arial|clRed|12|fsBold |204"}));
  EXPECT_EQ(calendar.Font().face, "Arial");
  EXPECT_EQ(calendar.Font().size, 12);
  EXPECT_EQ(calendar.Font().color, kClRed);
  EXPECT_TRUE(calendar.Font().Has(kFontBold));
  EXPECT_EQ(calendar.Font().charset, 204);
  EXPECT_EQ(calendar.Look().captionTextColor, kClRed);
  // The day font takes the colour but leaves the caption's.
  EXPECT_TRUE(Exec(4, {"Rect1", "Courier New|clBlue|9||0"}));
  EXPECT_EQ(calendar.DayFont().face, "Courier New");
  EXPECT_EQ(calendar.DayFont().color, ColorValue{0x00FF0000});
  EXPECT_EQ(calendar.Look().captionTextColor, kClRed);
  // An invalid character set stops after the styles: size and set stay.
  EXPECT_TRUE(Exec(3, {"Rect1", "Tahoma|clGreen|20||x"}));
  EXPECT_EQ(calendar.Font().face, "Tahoma");
  EXPECT_EQ(calendar.Look().captionTextColor, ColorValue{0x00008000});
  EXPECT_FALSE(calendar.Font().Has(kFontBold));
  EXPECT_EQ(calendar.Font().size, 12);
  EXPECT_EQ(calendar.Font().charset, 204);
  EXPECT_TRUE(Exec(3, {"Rect1", "Arial|clRed|12||"}));  // four pieces: nothing
  EXPECT_EQ(calendar.Font().face, "Tahoma");
}

}  // namespace
}  // namespace orbidate
