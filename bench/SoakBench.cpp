// The soak: the plug-in loaded as the host loads it, 10,000 calendars
// created and deleted in a host rectangle, and 10,000 day choices made with
// real mouse messages. Prints the time per cycle and the windows and GDI
// objects alive before and after, which must return to their baseline.
// Figures, not a test.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "calendar/GdiCounter.h"
#include "monthcal/MonthCalendarControl_win.h"
#include "support/LoadedPlugin.h"
#include "support/TestHost.h"

using namespace orbidate;
using namespace orbidate::wintest;
using Clock = std::chrono::steady_clock;

namespace {

void Pump() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

BOOL CALLBACK CountOne(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

int Windows(HWND parent) {
  int count = 0;
  EnumChildWindows(parent, CountOne, reinterpret_cast<LPARAM>(&count));
  EnumThreadWindows(GetCurrentThreadId(), CountOne, reinterpret_cast<LPARAM>(&count));
  return count;
}

bool Exec(const LoadedPlugin& plugin, std::int32_t id, const std::vector<std::string>& texts) {
  return ExecAction(plugin.Entry(), id, texts);
}

double MicrosecondsPer(Clock::duration total, int count) {
  return std::chrono::duration<double, std::micro>(total).count() / count;
}

}  // namespace

int main() {
  constexpr int kCycles = 10000;
  LoadedPlugin plugin;
  if (!plugin.Loaded()) {
    std::printf("cannot load %s\n", PluginPath().c_str());
    return 1;
  }
  TestHost host;
  host.RegisterWith(plugin.Entry());
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "SoakHost";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowExA(0, "SoakHost", "soak", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 400,
                                300, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  HWND rectangle = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 10, 10, 240, 220, window, nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
  host.answer = [&](std::int32_t, const std::string&, std::string& out) {
    out = std::to_string(static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(rectangle)));
    return true;
  };
  Pump();
  GdiCounter gdi(plugin.Module());
  const int windowsBefore = Windows(window);

  auto start = Clock::now();
  for (int i = 0; i < kCycles; ++i) {
    Exec(plugin, 1, {"Rect1", "Create", "Mo|Tu|We|Th|Fr|Sa|Su"});
    UpdateWindow(rectangle);
    Exec(plugin, 1, {"Rect1", "Delete", ""});
    if (i % 100 == 0) Pump();
  }
  Pump();
  const auto cycles = Clock::now() - start;
  std::printf("create/delete: %d cycles, %.1f us per cycle (with the first paint)\n", kCycles,
              MicrosecondsPer(cycles, kCycles));
  std::printf("  windows before %d, after %d; GDI objects of the plug-in alive after: %zu (created %zu)\n",
              windowsBefore, Windows(window), gdi.Live(), gdi.Created());

  Exec(plugin, 1, {"Rect1", "Create", ""});
  Exec(plugin, 9, {"Rect1", "True"});
  Exec(plugin, 10, {"Rect1", "Sub", "Var"});
  HWND control = GetWindow(GetWindow(rectangle, GW_CHILD), GW_CHILD);
  RECT cell{};
  SYSTEMTIME now;
  GetLocalTime(&now);
  const auto today = std::chrono::sys_days(std::chrono::year(now.wYear) / std::chrono::month(now.wMonth) /
                                           std::chrono::day(now.wDay));
  SendMessageA(control, kCalendarGetDayRect, static_cast<WPARAM>(today.time_since_epoch().count()),
               reinterpret_cast<LPARAM>(&cell));
  const LPARAM at = MAKELPARAM((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
  const std::size_t gdiBefore = gdi.Live();
  start = Clock::now();
  for (int i = 0; i < kCycles; ++i) {
    SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(control, WM_LBUTTONUP, 0, at);
    if (i % 100 == 0) Pump();
  }
  const auto choices = Clock::now() - start;
  std::printf("day choices: %d, %.1f us each; host calls %zu; GDI objects alive before %zu, after %zu\n", kCycles,
              MicrosecondsPer(choices, kCycles), host.calls.size(), gdiBefore, gdi.Live());
  plugin.Entry().message(2);
  Pump();
  std::printf("after message 2: windows %d (baseline %d), GDI objects alive %zu\n", Windows(window), windowsBefore,
              gdi.Live());
  DestroyWindow(window);
  return 0;
}
