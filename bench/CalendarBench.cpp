// Prints: the paint time of our calendar control against the system's month
// calendar (SysMonthCal32) of the same size, both in this run; the time to
// build the selected-dates text of huge selections; the GDI objects left
// after many repaints and font and colour changes.
#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "calendar/GdiCounter.h"
#include "calendar/TImageForm_win.h"
#include "monthcal/SelectedDatesText.h"

using namespace orbidate;
using namespace std::chrono;

namespace {

struct NoHost final : Host {
  void SetVar(std::string_view, std::string_view) override {}
  void RunScript(std::string_view) override {}
  std::optional<bool> InterfaceAccess(std::int32_t, HostSlot*) override { return std::nullopt; }
};

double Seconds() {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

HWND MakeParent(int width, int height) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "CalendarBenchParent";
  RegisterClassA(&windowClass);
  HWND hwnd = CreateWindowA("CalendarBenchParent", "bench", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, width,
                            height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  return hwnd;
}

// Microseconds per full repaint of a window.
double PaintMicros(HWND hwnd, int repaints) {
  RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  const double start = Seconds();
  for (int i = 0; i < repaints; ++i) RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  GdiFlush();
  return (Seconds() - start) * 1e6 / repaints;
}

void ComparePaint(int width, int height, int repaints, const ShortDateFormat& format, Host& host) {
  HWND ours = MakeParent(width, height);
  TImageForm* form = TImageForm::Create(ours, host, format);
  SetWindowPos(form->Handle(), nullptr, 0, 0, width, height, SWP_SHOWWINDOW);
  if (!form->PlannerCalendar.SetDate(year(2019) / November / day(30))) return;
  Pump();
  const double oursMicros = PaintMicros(form->Calendar()->Handle(), repaints);
  form->Destroy();
  DestroyWindow(ours);

  HWND theirsParent = MakeParent(width, height);
  HWND theirs = CreateWindowExA(0, MONTHCAL_CLASSA, "", WS_CHILD | WS_VISIBLE, 0, 0, width, height, theirsParent,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
  Pump();
  const double theirsMicros = theirs != nullptr ? PaintMicros(theirs, repaints) : 0.0;
  DestroyWindow(theirsParent);
  Pump();
  std::printf("paint %4dx%-4d  ours %8.1f us   SysMonthCal32 %8.1f us   (%d repaints each)\n", width, height,
              oursMicros, theirsMicros, repaints);
}

void SelectedText(const ShortDateFormat& format) {
  DateSelection centuries;
  centuries.Add(ToDayNumber(year(1800) / January / day(1)), ToDayNumber(year(3000) / December / day(31)));
  const int rounds = 10000;
  double start = Seconds();
  std::size_t length = 0;
  for (int i = 0; i < rounds; ++i) length += SelectedDatesText(centuries, format).size();
  double micros = (Seconds() - start) * 1e6 / rounds;
  std::printf("SelectedDatesText 1800-01-01..3000-12-31 (%lld days): %.2f us, %zu characters\n",
              centuries.DayCount(), micros, length / rounds);

  DateSelection separate;
  const DayNumber first = ToDayNumber(year(2000) / January / day(1));
  start = Seconds();
  for (int i = 0; i < 10000; ++i) separate.Add(first + 2 * i, first + 2 * i);
  const double addMicros = (Seconds() - start) * 1e6;
  start = Seconds();
  const std::string text = SelectedDatesText(separate, format);
  micros = (Seconds() - start) * 1e6;
  std::printf("SelectedDatesText of 10000 separate days: %.0f us, %zu characters (selecting them: %.0f us)\n",
              micros, text.size(), addMicros);
}

void GdiAfterChurn(const ShortDateFormat& format, Host& host) {
  wintest::GdiCounter gdi;
  HWND parent = MakeParent(220, 210);
  TImageForm* form = TImageForm::Create(parent, host, format);
  SetWindowPos(form->Handle(), nullptr, 0, 0, 220, 210, SWP_SHOWWINDOW);
  HWND control = form->Calendar()->Handle();
  Pump();
  RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  const std::size_t start = gdi.Live();
  for (int i = 0; i < 10000; ++i) RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  const std::size_t afterRepaints = gdi.Live();
  for (int i = 0; i < 1000; ++i) {
    FontValue font;
    font.face = i % 2 ? "Arial" : "Tahoma";
    font.size = 7 + i % 9;
    form->PlannerCalendar.SetFont(font);
    form->PlannerCalendar.SetDayFont(font);
    form->PlannerCalendar.SetDateSelectColor(ColorValue::FromRgb(static_cast<std::uint8_t>(i), 80, 80));
    form->PlannerCalendar.SetWeekendColor(ColorValue::FromRgb(200, static_cast<std::uint8_t>(i), 0));
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  }
  const std::size_t afterChanges = gdi.Live();
  const std::size_t created = gdi.Created();
  form->Destroy();
  DestroyWindow(parent);
  Pump();
  std::printf("GDI objects held: after the first paint %zu, after 10000 repaints %zu, after 1000 font and colour "
              "changes %zu (%zu created in all), after destruction %zu\n",
              start, afterRepaints, afterChanges, created, gdi.Live());
}

}  // namespace

int main() {
  INITCOMMONCONTROLSEX init{sizeof init, ICC_DATE_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&init);
  NoHost host;
  const ShortDateFormat format("dd.MM.yyyy", UserLocaleNames());
  ComparePaint(220, 210, 500, format, host);
  ComparePaint(800, 600, 200, format, host);
  SelectedText(format);
  GdiAfterChurn(format, host);
  return 0;
}
