// The calendar window for real: a parent window, the calendar as its child,
// mouse messages at the cells the control names, the host calls in order,
// the caption's lists, deletion from inside an event, and screenshots.
#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "calendar/GdiCounter.h"
#include "calendar/PngFile.h"
#include "calendar/TImageForm_win.h"
#include "support/TestHarness.h"

using namespace orbidate;
using namespace orbidate::wintest;
using namespace std::chrono;

namespace {

struct RecordedHost final : Host {
  std::vector<std::string> calls;
  std::function<void(const std::string&)> onRunScript;
  void SetVar(std::string_view name, std::string_view value) override {
    calls.push_back("SetVar " + std::string(name) + "=" + std::string(value));
  }
  void RunScript(std::string_view command) override {
    calls.push_back("RunScript " + std::string(command));
    if (onRunScript) onRunScript(std::string(command));
  }
  std::optional<bool> InterfaceAccess(std::int32_t, HostSlot*) override { return std::nullopt; }
};

int gParentContextMenus = 0;

LRESULT CALLBACK ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CONTEXTMENU) ++gParentContextMenus;
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND MakeParent(int width, int height) {
  static bool registered = false;
  if (!registered) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = ParentProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = "CalendarTestParent";
    RegisterClassA(&windowClass);
    registered = true;
  }
  RECT frame{0, 0, width, height};
  AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
  HWND hwnd = CreateWindowA("CalendarTestParent", "Calendar test", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 40, 40,
                            frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
  ShowWindow(hwnd, SW_SHOWNORMAL);
  return hwnd;
}

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

const ShortDateFormat& Format() {
  static const ShortDateFormat format("dd.MM.yyyy", UserLocaleNames());
  return format;
}

// A calendar filling a parent window, as the create action leaves it.
struct Fixture {
  explicit Fixture(int width = 219, int height = 206) {
    parent = MakeParent(width, height);
    form = TImageForm::Create(parent, host, Format());
    REQUIRE(form != nullptr);
    RECT client;
    GetClientRect(parent, &client);
    SetWindowPos(form->Handle(), nullptr, 0, 0, client.right, client.bottom, SWP_SHOWWINDOW);
    CHECK(form->PlannerCalendar.SetDate(year(2019) / November / day(30)));
    UpdateWindow(form->Handle());
    Pump();
  }
  ~Fixture() {
    if (form != nullptr) form->Destroy();
    DestroyWindow(parent);
    Pump();
  }
  HWND Control() const { return form->Calendar()->Handle(); }

  POINT DayPoint(int y, unsigned m, unsigned d) {
    RECT r{};
    const DayNumber day = ToDayNumber(year(y) / month(m) / std::chrono::day(d));
    CHECK(SendMessageA(Control(), kCalendarGetDayRect, static_cast<WPARAM>(day), reinterpret_cast<LPARAM>(&r)) != 0);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  POINT PartPoint(CalendarPart part) {
    RECT r{};
    CHECK(SendMessageA(Control(), kCalendarGetPartRect, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(&r)) != 0);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  POINT ItemPoint(int item) {
    RECT r{};
    CHECK(SendMessageA(Control(), kCalendarGetListItemRect, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&r)) != 0);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }

  void Send(UINT message, POINT p, WPARAM keys = 0) {
    SendMessageA(Control(), message, keys, MAKELPARAM(p.x, p.y));
  }
  void Click(POINT p, WPARAM keys = 0) {
    Send(WM_MOUSEMOVE, p, keys);
    Send(WM_LBUTTONDOWN, p, keys | MK_LBUTTON);
    Send(WM_LBUTTONUP, p, keys);
  }

  RecordedHost host;
  HWND parent = nullptr;
  TImageForm* form = nullptr;
};

using Calls = std::vector<std::string>;

void Screenshot(Fixture& f, const std::string& name) {
  RECT client;
  GetClientRect(f.Control(), &client);
  const int width = client.right, height = client.bottom;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  REQUIRE(bitmap != nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  SendMessageA(f.Control(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  GdiFlush();
  const int stride = (width * 3 + 3) & ~3;
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3);
  for (int y = 0; y < height; ++y) {
    const auto* row = static_cast<const std::uint8_t*>(bits) + static_cast<std::ptrdiff_t>(y) * stride;
    for (int x = 0; x < width; ++x) {
      for (int c = 0; c < 3; ++c) rgb[(static_cast<std::size_t>(y) * width + x) * 3 + c] = row[x * 3 + 2 - c];
    }
  }
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  CHECK(WritePng("calendar-" + name + ".png", width, height, rgb));
}

TEST_CASE(ClickOnADaySendsVariableThenSubroutine) {
  Fixture f;
  f.form->LabelResult = "[Dates]";
  f.form->LabelSubProgramm = "Chosen";
  f.Click(f.DayPoint(2019, 11, 4));
  CHECK_EQ(f.host.calls.size(), 2u);
  if (f.host.calls.size() == 2) {
    CHECK_EQ(f.host.calls[0], "SetVar [Dates]=04.11.2019");
    CHECK_EQ(f.host.calls[1], "RunScript GoSub \"Chosen\"");
  }
  // The neighbouring month's days are days like the others.
  f.host.calls.clear();
  f.Click(f.DayPoint(2019, 12, 2));
  CHECK_EQ(f.host.calls.size(), 2u);
  if (!f.host.calls.empty()) CHECK_EQ(f.host.calls[0], "SetVar [Dates]=02.12.2019");
  CHECK(GetCapture() != f.Control());
}

TEST_CASE(PostedMessagesThroughTheQueue) {
  Fixture f;
  f.form->LabelResult = "v";
  const POINT p = f.DayPoint(2019, 11, 14);
  PostMessageA(f.Control(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
  PostMessageA(f.Control(), WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
  Pump();
  CHECK_EQ(f.host.calls.size(), 1u);
  if (!f.host.calls.empty()) CHECK_EQ(f.host.calls[0], "SetVar v=14.11.2019");
}

TEST_CASE(DragInMultipleSelectionWritesTheRange) {
  for (bool multi : {true, false}) {
    SCOPE("MultiSelect", multi);
    Fixture f;
    f.form->LabelResult = "v";
    f.form->PlannerCalendar.SetMultiSelect(multi);
    const POINT from = f.DayPoint(2019, 11, 4), to = f.DayPoint(2019, 11, 6);
    f.Send(WM_LBUTTONDOWN, from, MK_LBUTTON);
    f.Send(WM_MOUSEMOVE, to, MK_LBUTTON);
    f.Send(WM_LBUTTONUP, to);
    CHECK_EQ(f.host.calls.size(), 1u);
    if (!f.host.calls.empty()) {
      CHECK_EQ(f.host.calls[0], multi ? "SetVar v=04.11.2019-06.11.2019" : "SetVar v=04.11.2019");
    }
    // Shift-click extends in multiple selection and reports nothing.
    f.host.calls.clear();
    f.Click(f.DayPoint(2019, 11, 8), MK_SHIFT);
    CHECK_EQ(f.host.calls.size(), 0u);
    CHECK_EQ(f.form->SelectedDatesText(), multi ? "04.11.2019-08.11.2019" : "08.11.2019");
  }
}

TEST_CASE(RightButtonRunsItsSubroutineAndChangesNothing) {
  Fixture f;
  f.form->SubProgRightClick = "Menu";
  f.form->LabelResult = "v";
  for (POINT p : {f.DayPoint(2019, 11, 4), f.PartPoint(CalendarPart::MonthName), f.PartPoint(CalendarPart::NextMonth)}) {
    f.host.calls.clear();
    f.Send(WM_RBUTTONDOWN, p, MK_RBUTTON);
    f.Send(WM_RBUTTONUP, p);
    CHECK_EQ(f.host.calls.size(), 1u);
    if (!f.host.calls.empty()) CHECK_EQ(f.host.calls[0], "RunScript GoSub \"Menu\"");
    CHECK_EQ(f.form->SelectedDatesText(), "30.11.2019");
    CHECK(f.form->PlannerCalendar.OpenList() == CalendarList::None);
    CHECK(f.form->PlannerCalendar.ShownMonth() == year(2019) / November);
  }
  CHECK_EQ(gParentContextMenus, 0);
  f.host.calls.clear();
  f.Send(WM_MBUTTONDOWN, f.DayPoint(2019, 11, 4), MK_MBUTTON);
  CHECK_EQ(f.host.calls.size(), 0u);
}

TEST_CASE(MonthAndYearListsChooseAndReport) {
  Fixture f;
  f.form->SubProgMonthSelect = "Month";
  f.form->SubProgYearSelect = "Year";
  f.Click(f.PartPoint(CalendarPart::MonthName));
  CHECK(f.form->PlannerCalendar.OpenList() == CalendarList::Months);
  Screenshot(f, "month-list");
  f.Click(f.ItemPoint(2));  // March
  CHECK(f.form->PlannerCalendar.ShownMonth() == year(2019) / March);
  f.Click(f.PartPoint(CalendarPart::Year));
  CHECK(f.form->PlannerCalendar.OpenList() == CalendarList::Years);
  Screenshot(f, "year-list");
  f.Click(f.ItemPoint(0));  // four years before
  CHECK(f.form->PlannerCalendar.ShownMonth() == year(2015) / March);
  // The month already shown counts as a choice too.
  f.Click(f.PartPoint(CalendarPart::MonthName));
  f.Click(f.ItemPoint(2));
  Calls expected{"RunScript GoSub \"Month\"", "RunScript GoSub \"Year\"", "RunScript GoSub \"Month\""};
  CHECK_EQ(f.host.calls.size(), expected.size());
  for (std::size_t i = 0; i < std::min(expected.size(), f.host.calls.size()); ++i) CHECK_EQ(f.host.calls[i], expected[i]);

  // Browse buttons move without reporting.
  f.host.calls.clear();
  for (CalendarPart part : {CalendarPart::NextMonth, CalendarPart::NextYear, CalendarPart::PrevMonth}) {
    f.Click(f.PartPoint(part));
  }
  CHECK(f.form->PlannerCalendar.ShownMonth() == year(2016) / March);
  CHECK_EQ(f.host.calls.size(), 0u);
}

TEST_CASE(DeletingTheCalendarFromItsOwnEvent) {
  struct Case {
    const char* what;
    bool rightClick;
  };
  for (const Case& c : {Case{"day choice", false}, Case{"right click", true}}) {
    SCOPE(c.what);
    Fixture f;
    f.form->LabelSubProgramm = "Delete";
    f.form->SubProgRightClick = "Delete";
    f.form->LabelResult = "v";
    HWND window = f.form->Handle();
    HWND control = f.Control();
    bool aliveInside = false;
    f.host.onRunScript = [&](const std::string&) {
      f.form->Destroy();
      f.form = nullptr;
      aliveInside = IsWindow(window) != FALSE;
    };
    const POINT p = f.DayPoint(2019, 11, 12);
    if (c.rightClick) {
      f.Send(WM_RBUTTONDOWN, p, MK_RBUTTON);
    } else {
      f.Send(WM_LBUTTONDOWN, p, MK_LBUTTON);
      f.Send(WM_LBUTTONUP, p);
    }
    CHECK(aliveInside);
    CHECK(!IsWindow(window));
    CHECK(!IsWindow(control));
    Pump();
  }
}

// Every property change asks for a repaint at once.
TEST_CASE(ChangesInvalidateTheControl) {
  Fixture f;
  auto& calendar = f.form->PlannerCalendar;
  const std::pair<const char*, std::function<void()>> changes[] = {
      {"WeekendColor", [&] { calendar.SetWeekendColor(ColorValue::FromRgb(0, 0, 255)); }},
      {"StartDay", [&] { calendar.SetStartDay(1); }},
      {"InActiveDays", [&] { calendar.SetInActiveDay(3, true); }},
      {"NameOfMonths", [&] { calendar.SetMonthName(11, "Listopad"); }},
      {"DayFont", [&] { calendar.SetDayFont(FontValue{}); }},
      {"MultiSelect", [&] { calendar.SetMultiSelect(false); }},
      {"Month", [&] { CHECK(calendar.SetMonth(12)); }},
  };
  for (const auto& [name, change] : changes) {
    SCOPE(name);
    UpdateWindow(f.Control());
    CHECK(!GetUpdateRect(f.Control(), nullptr, FALSE));
    change();
    CHECK(GetUpdateRect(f.Control(), nullptr, FALSE));
  }
}

TEST_CASE(ParentTakesTheWindowWithItObjectStays) {
  Fixture f;
  DestroyWindow(f.parent);
  CHECK(f.form->Handle() == nullptr);
  CHECK(f.form->Calendar() == nullptr);
  CHECK(f.form->PlannerCalendar.SetMonth(5));  // no window to redraw; nothing breaks
}

BOOL CALLBACK FindTooltip(HWND hwnd, LPARAM found) {
  char name[64];
  GetClassNameA(hwnd, name, sizeof name);
  if (lstrcmpiA(name, TOOLTIPS_CLASSA) == 0) *reinterpret_cast<HWND*>(found) = hwnd;
  return TRUE;
}

// Repaints create nothing; changed fonts and colours replace their objects;
// the window leaves nothing behind.
TEST_CASE(GdiObjectsStayBoundedAndAreFreed) {
  GdiCounter gdi;
  {
    Fixture f;
    auto repaint = [&] { RedrawWindow(f.Control(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); };
    repaint();
    const std::size_t afterFirst = gdi.Live();
    CHECK(afterFirst > 0u);
    for (int i = 0; i < 200; ++i) repaint();
    CHECK_EQ(gdi.Live(), afterFirst);
    for (int i = 0; i < 100; ++i) {
      FontValue font;
      font.size = 8 + i % 7;
      f.form->PlannerCalendar.SetDayFont(font);
      f.form->PlannerCalendar.SetWeekendColor(ColorValue::FromRgb(static_cast<std::uint8_t>(i), 0, 0));
      repaint();
    }
    CHECK(gdi.Live() <= afterFirst + 2);
    CHECK_EQ(gdi.Live(), f.form->Calendar()->GdiObjects());
    // Tooltips for the four browse buttons.
    HWND tooltip = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindTooltip, reinterpret_cast<LPARAM>(&tooltip));
    CHECK(tooltip != nullptr);
    if (tooltip != nullptr) CHECK_EQ(SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0), 4);
  }
  CHECK_EQ(gdi.Live(), 0u);
}

TEST_CASE(Screenshots) {
  {
    Fixture f;
    f.form->PlannerCalendar.SetMultiSelect(true);
    f.form->PlannerCalendar.SelectDays(ToDayNumber(year(2019) / November / day(4)),
                                       ToDayNumber(year(2019) / November / day(6)));
    f.Send(WM_MOUSEMOVE, f.PartPoint(CalendarPart::NextMonth));
    Screenshot(f, "default");
  }
  {
    Fixture f(420, 360);
    auto& calendar = f.form->PlannerCalendar;
    calendar.SetMonthGradientStartColor(ColorValue::FromRgb(200, 30, 30));
    calendar.SetMonthGradientEndColor(ColorValue::FromRgb(30, 30, 200));
    calendar.SetCaptionTextColor(kClWhite);
    FontValue caption;
    caption.face = "Arial";
    caption.size = 12;
    caption.styles = kFontBold;
    calendar.SetFont(caption);
    FontValue dayFont;
    dayFont.face = "Tahoma";
    dayFont.size = 11;
    calendar.SetDayFont(dayFont);
    calendar.SetStartDay(1);
    Screenshot(f, "styled");
  }
  {
    Fixture f(800, 600);
    Screenshot(f, "large");
  }
  {
    Fixture f(150, 120);
    f.Send(WM_MOUSEMOVE, f.PartPoint(CalendarPart::MonthName));
    Screenshot(f, "small");
  }
}

}  // namespace

int main(int argc, char** argv) { return RunAll(argc, argv); }
