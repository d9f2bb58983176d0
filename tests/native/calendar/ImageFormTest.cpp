#include "calendar/ImageForm.h"

#include <gtest/gtest.h>

#include "canvas/RecordingCanvas.h"

namespace orbidate {
namespace {

using namespace std::chrono;

struct CallLog final : Host {
  std::vector<std::string> calls;
  void SetVar(std::string_view name, std::string_view value) override {
    calls.push_back("SetVar " + std::string(name) + "=" + std::string(value));
  }
  void RunScript(std::string_view command) override { calls.push_back("RunScript " + std::string(command)); }
  std::optional<bool> InterfaceAccess(std::int32_t, HostSlot*) override { return std::nullopt; }
};

class ImageFormEvents : public ::testing::Test {
 protected:
  ImageFormEvents() : format("dd.MM.yyyy", UserLocaleNames()), form(host, format) {}

  void Click(DayNumber day, MouseButton button = MouseButton::Left) {
    const CalendarLayout layout = ComputeLayout(form.PlannerCalendar, {219, 206}, canvas);
    const Point p = layout.DayRect(day)->Center();
    form.PlannerCalendar.MouseDown(layout, button, p, false);
    form.PlannerCalendar.MouseUp(layout, button, p, false);
  }
  void Press(CalendarPart part, MouseButton button = MouseButton::Left) {
    const CalendarLayout layout = ComputeLayout(form.PlannerCalendar, {219, 206}, canvas);
    form.PlannerCalendar.MouseDown(layout, button, layout.PartRect(part).Center(), false);
  }

  CallLog host;
  ShortDateFormat format;
  ImageForm form;
  RecordingCanvas canvas;
};

DayNumber D(int y, unsigned m, unsigned d) { return ToDayNumber(year(y) / month(m) / day(d)); }

TEST_F(ImageFormEvents, DayChoiceSendsWhatIsBound) {
  struct Case {
    std::string result, subroutine;
    std::vector<std::string> calls;
  };
  const Case cases[] = {
      {"", "", {}},
      {"[Dates]", "", {"SetVar [Dates]=04.11.2019"}},
      {"", "Chosen", {"RunScript GoSub \"Chosen\""}},
      {"[Dates]", "Chosen", {"SetVar [Dates]=04.11.2019", "RunScript GoSub \"Chosen\""}},
      {" v ", "my \"sub\" 1", {"SetVar  v =04.11.2019", "RunScript GoSub \"my \"sub\" 1\""}},
  };
  for (const Case& c : cases) {
    host.calls.clear();
    form.LabelResult = c.result;
    form.LabelSubProgramm = c.subroutine;
    Click(D(2019, 11, 4));
    EXPECT_EQ(host.calls, c.calls);
    EXPECT_TRUE(form.PlannerCalendar.Selection().Contains(D(2019, 11, 4)));
  }
}

TEST_F(ImageFormEvents, DraggedRangeLandsInTheVariable) {
  form.LabelResult = "v";
  for (bool multi : {true, false}) {
    form.PlannerCalendar.SetMultiSelect(multi);
    host.calls.clear();
    const CalendarLayout layout = ComputeLayout(form.PlannerCalendar, {219, 206}, canvas);
    const Point from = layout.DayRect(D(2019, 11, 4))->Center(), to = layout.DayRect(D(2019, 11, 6))->Center();
    form.PlannerCalendar.MouseDown(layout, MouseButton::Left, from, false);
    form.PlannerCalendar.MouseMove(layout, to);
    form.PlannerCalendar.MouseUp(layout, MouseButton::Left, to, false);
    EXPECT_EQ(host.calls, std::vector<std::string>{multi ? "SetVar v=04.11.2019-06.11.2019" : "SetVar v=04.11.2019"});
  }
}

TEST_F(ImageFormEvents, ListsAndRightButtonRunTheirSubroutines) {
  form.SubProgMonthSelect = "M";
  form.SubProgYearSelect = "Y";
  form.SubProgRightClick = "R";
  form.LabelResult = "v";
  form.LabelSubProgramm = "D";

  Press(CalendarPart::NextMonth);
  Press(CalendarPart::PrevYear);
  EXPECT_EQ(host.calls, std::vector<std::string>{});

  for (CalendarPart part : {CalendarPart::Day, CalendarPart::MonthName, CalendarPart::NextYear}) {
    host.calls.clear();
    Press(part, MouseButton::Right);
    EXPECT_EQ(host.calls, std::vector<std::string>{"RunScript GoSub \"R\""});
  }
  host.calls.clear();
  Press(CalendarPart::Day, MouseButton::Middle);
  EXPECT_EQ(host.calls, std::vector<std::string>{});

  form.PlannerCalendar.ChooseMonth(static_cast<unsigned>(form.PlannerCalendar.ShownMonth().month()));
  form.PlannerCalendar.ChooseYear(2020);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"RunScript GoSub \"M\"", "RunScript GoSub \"Y\""}));

  // Unbound: nothing.
  form.SubProgMonthSelect.clear();
  form.SubProgRightClick.clear();
  host.calls.clear();
  form.PlannerCalendar.ChooseMonth(3);
  Press(CalendarPart::Day, MouseButton::Right);
  EXPECT_EQ(host.calls, std::vector<std::string>{});
}

TEST_F(ImageFormEvents, SettingTheDateSendsNothing) {
  form.LabelResult = "v";
  form.LabelSubProgramm = "D";
  form.SubProgMonthSelect = "M";
  form.SubProgYearSelect = "Y";
  EXPECT_TRUE(form.PlannerCalendar.SetMonth(3));
  EXPECT_TRUE(form.PlannerCalendar.SetYear(2022));
  EXPECT_EQ(host.calls, std::vector<std::string>{});
  EXPECT_EQ(form.SelectedDatesText(), "30.03.2022");
  form.PlannerCalendar.SetMultiSelect(false);
  EXPECT_EQ(form.SelectedDatesText(), "");
}

}  // namespace
}  // namespace orbidate
