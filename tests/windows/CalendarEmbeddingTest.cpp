// Calendars in host rectangles through the real entry points: embedding,
// names, re-attachment, the typical run with real mouse messages, and the
// robustness cases (deleting or re-creating a calendar from inside its own
// event, message 2 from inside an event, unloading with live calendars).
#include <windows.h>

#include <chrono>
#include <map>
#include <string>
#include <vector>

#include "monthcal/MonthCalendarControl_win.h"
#include "support/LoadedPlugin.h"
#include "support/TestHarness.h"
#include "support/TestHost.h"

using namespace orbidate;
using namespace orbidate::wintest;

namespace {

void Pump() {
  for (int round = 0; round < 3; ++round) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    Sleep(5);
  }
}

// The authoring host's window with its rectangle objects.
class HostWindow {
 public:
  HostWindow() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    windowClass.lpszClassName = "TestHostWindow";
    RegisterClassA(&windowClass);
    window_ = CreateWindowExA(0, "TestHostWindow", "host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 10, 10, 800, 600,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ShowWindow(window_, SW_SHOW);
    Pump();
  }
  ~HostWindow() { DestroyWindow(window_); }

  HWND AddRectangle(const std::string& name, int x, int y, int w, int h) {
    HWND rectangle = CreateWindowExA(0, "STATIC", name.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, x, y, w, h,
                                     window_, nullptr, GetModuleHandleA(nullptr), nullptr);
    rectangles_[name] = rectangle;
    return rectangle;
  }
  HWND Rectangle(const std::string& name) const {
    auto it = rectangles_.find(name);
    return it == rectangles_.end() ? nullptr : it->second;
  }
  HWND Window() const { return window_; }

  // Answers request 7 with the decimal handle of the named rectangle.
  void AnswerFor(TestHost& host) {
    host.answer = [this](std::int32_t code, const std::string& in, std::string& out) {
      if (code != 7) return false;
      out = std::to_string(static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(Rectangle(in))));
      return true;
    };
  }

 private:
  HWND window_ = nullptr;
  std::map<std::string, HWND> rectangles_;
};

BOOL CALLBACK CountOne(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

BOOL CALLBACK CountVisible(HWND window, LPARAM count) {
  if (IsWindowVisible(window)) ++*reinterpret_cast<int*>(count);
  return TRUE;
}

int CountWindows(HWND parent) {
  int count = 0;
  EnumChildWindows(parent, CountOne, reinterpret_cast<LPARAM>(&count));
  return count;
}

// Visible top-level windows of this thread (a tooltip window of the
// calendar's browse buttons is top-level but hidden until it shows a hint).
int CountThreadWindows() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountVisible, reinterpret_cast<LPARAM>(&count));
  return count;
}

// One action call with the host's slots.
bool Exec(const LoadedPlugin& plugin, std::int32_t id, std::vector<std::string> texts) {
  HostSlot slots[4] = {};
  for (std::size_t i = 0; i < texts.size(); ++i) HostAssign(&slots[i], texts[i]);
  const bool result = (plugin.Entry().execAction(id, slots) & 0xFF) != 0;
  for (HostSlot& slot : slots) HostRelease(&slot);
  return result;
}

HWND CalendarOf(HWND rectangle) { return GetWindow(rectangle, GW_CHILD); }
HWND ControlOf(HWND rectangle) { return GetWindow(CalendarOf(rectangle), GW_CHILD); }

std::chrono::year_month_day Today() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return std::chrono::year(now.wYear) / std::chrono::month(now.wMonth) / std::chrono::day(now.wDay);
}

POINT DayPoint(HWND control, std::chrono::year_month_day date) {
  RECT r{};
  const auto day = static_cast<WPARAM>(std::chrono::sys_days(date).time_since_epoch().count());
  CHECK(SendMessageA(control, kCalendarGetDayRect, day, reinterpret_cast<LPARAM>(&r)) != 0);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void Click(HWND control, POINT at, UINT down = WM_LBUTTONDOWN, UINT up = WM_LBUTTONUP) {
  PostMessageA(control, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
  PostMessageA(control, down, down == WM_LBUTTONDOWN ? MK_LBUTTON : MK_RBUTTON, MAKELPARAM(at.x, at.y));
  Pump();
  PostMessageA(control, up, 0, MAKELPARAM(at.x, at.y));
  Pump();
}

// The date as the user's short date format writes it: the system's own
// formatter is the independent oracle here.
std::string ShortDate(std::chrono::year_month_day date) {
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(static_cast<int>(date.year()));
  st.wMonth = static_cast<WORD>(static_cast<unsigned>(date.month()));
  st.wDay = static_cast<WORD>(static_cast<unsigned>(date.day()));
  char buffer[64] = {};
  GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, buffer, sizeof buffer);
  return buffer;
}

struct Fixture {
  Fixture() {
    host.RegisterWith(plugin.Entry());
    window.AnswerFor(host);
    rect1 = window.AddRectangle("Rect1", 20, 20, 240, 220);
  }
  ~Fixture() { plugin.Entry().message(2); }
  LoadedPlugin plugin;
  TestHost host;
  HostWindow window;
  HWND rect1 = nullptr;
};

}  // namespace

TEST_CASE(CreateEmbedsTheCalendarAsAChildFillingTheRectangle) {
  Fixture f;
  REQUIRE(f.plugin.Loaded());
  const int topLevelBefore = CountThreadWindows();
  REQUIRE(Exec(f.plugin, 1, {"Rect1", "Create", "Mo|Tu|We|Th|Fr|Sa|Su"}));
  CHECK_EQ(CountThreadWindows(), topLevelBefore);
  const HWND calendar = CalendarOf(f.rect1);
  REQUIRE(calendar != nullptr);
  CHECK(GetParent(calendar) == f.rect1);
  CHECK(IsWindowVisible(calendar));
  RECT client{}, window{};
  GetClientRect(f.rect1, &client);
  GetWindowRect(calendar, &window);
  MapWindowPoints(nullptr, f.rect1, reinterpret_cast<POINT*>(&window), 2);
  CHECK_EQ(window.left, 0);
  CHECK_EQ(window.top, 0);
  CHECK_EQ(window.right, client.right);
  CHECK_EQ(window.bottom, client.bottom);
  REQUIRE(f.host.calls.size() >= 1u);
  CHECK_EQ(f.host.calls[0].kind, "InterfaceAccess");
  CHECK_EQ(f.host.calls[0].first, "7");
  CHECK_EQ(f.host.calls[0].second, "Rect1");
}

TEST_CASE(NamesAndHostAnswers) {
  Fixture f;
  REQUIRE(f.plugin.Loaded());
  REQUIRE(Exec(f.plugin, 1, {"Rect1", "Create", ""}));
  CHECK(Exec(f.plugin, 9, {"RECT1", "True"}));
  CHECK(Exec(f.plugin, 1, {"rect1", "Delete", ""}));
  CHECK(CalendarOf(f.rect1) == nullptr);
  CHECK(!Exec(f.plugin, 9, {"Rect1", "True"}));
  // A number that is not a window: nothing made, no stray top-level window.
  const int topLevelBefore = CountThreadWindows();
  f.host.answer = [](std::int32_t, const std::string&, std::string& out) {
    out = "12345";
    return true;
  };
  CHECK(!Exec(f.plugin, 1, {"Rect1", "Create", ""}));
  CHECK_EQ(CountThreadWindows(), topLevelBefore);
  f.host.answer = [](std::int32_t, const std::string&, std::string& out) {
    out = "0";
    return true;
  };
  CHECK(Exec(f.plugin, 1, {"Rect1", "Create", ""}));
  f.host.answer = [](std::int32_t, const std::string&, std::string& out) {
    out = "";
    return true;
  };
  CHECK(!Exec(f.plugin, 1, {"Rect1", "Create", ""}));
  CHECK(CalendarOf(f.rect1) == nullptr);
}

TEST_CASE(ReattachesOnlyOnLParamFour) {
  Fixture f;
  REQUIRE(f.plugin.Loaded());
  REQUIRE(Exec(f.plugin, 1, {"Rect1", "Create", ""}));
  const HWND calendar = CalendarOf(f.rect1);
  MoveWindow(f.rect1, 20, 20, 400, 300, TRUE);
  RECT before{}, after{};
  GetClientRect(calendar, &before);
  SendMessageA(calendar, 0x4FA, 0, 3);
  GetClientRect(calendar, &after);
  CHECK_EQ(after.right, before.right);
  SendMessageA(calendar, 0x4FA, 0, 4);
  GetClientRect(calendar, &after);
  CHECK_EQ(after.right, 400);
  CHECK_EQ(after.bottom, 300);
  // Into another rectangle when the host answers with its window.
  HWND rect2 = f.window.AddRectangle("Other", 300, 20, 200, 180);
  f.host.answer = [&](std::int32_t, const std::string&, std::string& out) {
    out = std::to_string(static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(rect2)));
    return true;
  };
  SendMessageA(calendar, 0x4FA, 0, 4);
  CHECK(GetParent(calendar) == rect2);
}

TEST_CASE(TheTypicalRunWithRealMouseMessages) {
  Fixture f;
  REQUIRE(f.plugin.Loaded());
  REQUIRE(Exec(f.plugin, 1, {"Rect1", "Create", "Mo|Tu|We|Th|Fr|Sa|Su"}));
  REQUIRE(Exec(f.plugin, 10, {"Rect1", "Day Chosen", "Dates"}));
  Pump();
  f.host.calls.clear();
  const auto today = Today();
  const auto tomorrow = std::chrono::year_month_day(std::chrono::sys_days(today) + std::chrono::days(1));
  const HWND control = ControlOf(f.rect1);
  REQUIRE(control != nullptr);
  Click(control, DayPoint(control, tomorrow));
  REQUIRE_EQ(f.host.calls.size(), 2u);
  CHECK_EQ(f.host.calls[0].kind, "SetVar");
  CHECK_EQ(f.host.calls[0].first, "Dates");
  CHECK_EQ(f.host.calls[0].second, ShortDate(tomorrow));
  CHECK_EQ(f.host.calls[1].kind, "RunScript");
  CHECK_EQ(f.host.calls[1].first, "GoSub \"Day Chosen\"");
  // A right click runs only the right-click subroutine.
  REQUIRE(Exec(f.plugin, 18, {"Rect1", "Menu"}));
  f.host.calls.clear();
  Click(control, DayPoint(control, today), WM_RBUTTONDOWN, WM_RBUTTONUP);
  REQUIRE_EQ(f.host.calls.size(), 1u);
  CHECK_EQ(f.host.calls[0].first, "GoSub \"Menu\"");
}

TEST_CASE(TheHostMayDeleteOrRecreateTheCalendarFromInsideItsEvent) {
  struct Case {
    const char* what;
    std::vector<std::string> action;  // id first
    bool calendarAfter;
  };
  const Case cases[] = {
      {"delete", {"1", "Rect1", "Delete", ""}, false},
      {"re-create", {"1", "Rect1", "Create", ""}, true},
      {"message 2", {}, false},
  };
  for (const Case& c : cases) {
    SCOPE(c.what);
    Fixture f;
    REQUIRE(f.plugin.Loaded());
    REQUIRE(Exec(f.plugin, 1, {"Rect1", "Create", ""}));
    REQUIRE(Exec(f.plugin, 10, {"Rect1", "Sub", "Var"}));
    const HWND first = CalendarOf(f.rect1);
    f.host.onRunScript = [&](const std::string&) {
      if (c.action.empty()) {
        f.plugin.Entry().message(2);
      } else {
        Exec(f.plugin, std::stoi(c.action[0]), {c.action[1], c.action[2], c.action[3]});
      }
    };
    const HWND control = ControlOf(f.rect1);
    Click(control, DayPoint(control, Today()));
    f.host.onRunScript = nullptr;
    Pump();
    CHECK(!IsWindow(first));
    CHECK_EQ(CalendarOf(f.rect1) != nullptr, c.calendarAfter);
    CHECK_EQ(Exec(f.plugin, 9, {"Rect1", "True"}), c.calendarAfter);
  }
}

TEST_CASE(UnloadingWithLiveCalendarsLeavesNoWindowBehind) {
  HostWindow window;
  HWND rect = window.AddRectangle("Rect1", 20, 20, 240, 220);
  {
    LoadedPlugin plugin;
    REQUIRE(plugin.Loaded());
    TestHost host;
    host.RegisterWith(plugin.Entry());
    window.AnswerFor(host);
    REQUIRE(Exec(plugin, 1, {"Rect1", "Create", ""}));
    REQUIRE(CalendarOf(rect) != nullptr);
    plugin.Unload();
  }
  CHECK(CalendarOf(rect) == nullptr);
  InvalidateRect(window.Window(), nullptr, TRUE);
  Pump();
  // And the library loads and works again.
  LoadedPlugin again;
  REQUIRE(again.Loaded());
  TestHost host;
  host.RegisterWith(again.Entry());
  window.AnswerFor(host);
  CHECK(Exec(again, 1, {"Rect1", "Create", ""}));
  CHECK(CalendarOf(rect) != nullptr);
  again.Entry().message(2);
}

TEST_CASE(CreateAndDeleteCyclesLeaveNoWindows) {
  Fixture f;
  REQUIRE(f.plugin.Loaded());
  const int before = CountWindows(f.window.Window());
  for (int i = 0; i < 200; ++i) {
    Exec(f.plugin, 1, {"Rect1", "Create", ""});
    Exec(f.plugin, 1, {"Rect1", "Delete", ""});
  }
  Pump();
  CHECK_EQ(CountWindows(f.window.Window()), before);
}

int main(int argc, char** argv) { return RunAll(argc, argv); }
