#include "calendar/TNeo_win.h"

#include "calendar/RectangleWindow.h"
#include "plugin/HostCallbacks.h"

namespace orbidate {
namespace {

class Win32CalendarWindows final : public CalendarWindowFactory {
 public:
  CalendarWindow* Create(std::uintptr_t parent, std::string_view rectangleName) override {
    HWND rectangle = reinterpret_cast<HWND>(parent);
    // A number that is not a window would leave the calendar without a
    // parent: make nothing rather than a stray top-level window.
    if (!IsWindow(rectangle)) return nullptr;
    TNeo* window = TImageForm::Create<TNeo>(rectangle, std::string(rectangleName));
    if (window == nullptr) return nullptr;
    window->FillParent(rectangle);
    return window;
  }

  void Show(CalendarWindow& window) override {
    ShowWindow(static_cast<TNeo&>(window).Handle(), SW_SHOW);
  }

  std::chrono::year_month_day Today() override {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return std::chrono::year_month_day(std::chrono::year(now.wYear), std::chrono::month(now.wMonth),
                                       std::chrono::day(now.wDay));
  }
};

Win32CalendarWindows gCalendarWindows;

}  // namespace

CalendarWindowFactory& SystemCalendarWindows() { return gCalendarWindows; }

void TNeo::FillParent(HWND parent) {
  RECT client{};
  GetClientRect(parent, &client);
  SetWindowPos(Handle(), nullptr, 0, 0, client.right - client.left, client.bottom - client.top, SWP_SHOWWINDOW);
}

bool TNeo::HandleFormMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message != kHostReattachMessage) return TImageForm::HandleFormMessage(message, wParam, lParam, result);
  ReattachCalendar(lParam);
  result = 0;
  return true;
}

void TNeo::ReattachCalendar(LPARAM lParam) {
  if (lParam != kHostReattachLParam || DestroyPending()) return;
  // An unreadable answer (or no host callback) leaves the window as it is.
  const auto answer = AskRectangleWindow(CallbackHost(), rectangleName_);
  if (!answer) return;
  HWND rectangle = reinterpret_cast<HWND>(*answer);
  RECT client{};
  HWND parent = GetParent(Handle());
  if (parent == nullptr || !GetClientRect(parent, &client)) {
    if (!IsWindow(rectangle) || !GetClientRect(rectangle, &client)) return;
  }
  SetWindowPos(Handle(), nullptr, 0, 0, client.right - client.left, client.bottom - client.top, SWP_SHOWWINDOW);
  // Handle 0 (or a number that is no window) would make the calendar a
  // top-level window: it stays where it is.
  if (IsWindow(rectangle) && rectangle != parent) SetParent(Handle(), rectangle);
}

}  // namespace orbidate
