#include "monthcal/MonthCalendarControl_win.h"

#include <commctrl.h>
#include <windowsx.h>

#include "monthcal/CalendarPainter.h"
#include "plugin/Boundary.h"
#include "plugin/ModuleInstance_win.h"

namespace orbidate {
namespace {

constexpr char kClassName[] = "OrbidateMonthCalendar";
constexpr UINT kDpiChangedAfterParent = 0x02E3;

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);

GetDpiForWindowFn ResolveGetDpiForWindow() {
  HMODULE user32 = GetModuleHandleA("user32.dll");
  if (user32 == nullptr) return nullptr;
  return reinterpret_cast<GetDpiForWindowFn>(reinterpret_cast<void*>(GetProcAddress(user32, "GetDpiForWindow")));
}

Point PointOf(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

RECT ToRect(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

int WindowDpi(HWND hwnd) {
  static const GetDpiForWindowFn getDpiForWindow = ResolveGetDpiForWindow();
  if (getDpiForWindow != nullptr && hwnd != nullptr) {
    const UINT dpi = getDpiForWindow(hwnd);
    if (dpi != 0) return static_cast<int>(dpi);
  }
  HDC screen = GetDC(nullptr);
  const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

MonthCalendarControl* MonthCalendarControl::Create(HWND parent, MonthCalendar& calendar, MessageNesting* nesting) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW;  // the layout depends on the whole size
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = ModuleInstance();
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.lpszClassName = kClassName;
  if (!EnsureWindowClass(windowClass)) return nullptr;

  auto* control = new MonthCalendarControl(calendar, nesting);
  RECT client{};
  GetClientRect(parent, &client);
  HWND hwnd = CreateWindowExA(0, kClassName, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, client.right,
                              client.bottom, parent, nullptr, ModuleInstance(), control);
  if (hwnd == nullptr) {
    delete control;
    return nullptr;
  }
  return control;
}

MonthCalendarControl::MonthCalendarControl(MonthCalendar& calendar, MessageNesting* nesting)
    : calendar_(calendar), nesting_(nesting) {}

MonthCalendarControl::~MonthCalendarControl() {
  calendar_.SetChangedHook(nullptr);
  if (bufferDc_ != nullptr) {
    SelectObject(bufferDc_, savedBitmap_);
    DeleteDC(bufferDc_);
  }
  if (buffer_ != nullptr) DeleteObject(buffer_);
}

LRESULT CALLBACK MonthCalendarControl::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return AtBoundary<LRESULT>(0, [&]() -> LRESULT {
    if (message == WM_NCCREATE) {
      auto* created = static_cast<MonthCalendarControl*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
      created->hwnd_ = hwnd;
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* control = reinterpret_cast<MonthCalendarControl*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (control == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
    MessageNesting* nesting = control->nesting_;
    if (nesting != nullptr) nesting->EnterMessage();
    ++control->depth_;
    const LRESULT result = control->Handle(message, wParam, lParam);
    // The object outlives every message that runs on it, even when its
    // window was destroyed underneath (by a host script run from a handler).
    if (--control->depth_ == 0 && control->windowGone_) delete control;
    if (nesting != nullptr) nesting->LeaveMessage();
    return result;
  });
}

LRESULT MonthCalendarControl::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      calendar_.SetChangedHook([hwnd = hwnd_] { InvalidateRect(hwnd, nullptr, FALSE); });
      CreateTooltips();
      return 0;
    case WM_ERASEBKGND: return 1;  // painted double-buffered
    case WM_PAINT: OnPaint(); return 0;
    case WM_PRINTCLIENT: PaintTo(reinterpret_cast<HDC>(wParam)); return 0;
    case WM_SIZE:
    case kDpiChangedAfterParent:
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE: InvalidateRect(hwnd_, nullptr, FALSE); return 0;
    case WM_LBUTTONDOWN: OnButtonDown(MouseButton::Left, wParam, lParam); return 0;
    case WM_RBUTTONDOWN: OnButtonDown(MouseButton::Right, wParam, lParam); return 0;
    case WM_MBUTTONDOWN: OnButtonDown(MouseButton::Middle, wParam, lParam); return 0;
    case WM_LBUTTONUP: OnLeftButtonUp(wParam, lParam); return 0;
    // The right button does nothing but report its press: no context menu
    // of the parent (the host's rectangle) either.
    case WM_RBUTTONUP:
    case WM_CONTEXTMENU: return 0;
    case WM_MOUSEMOVE: OnMouseMove(lParam); return 0;
    case WM_MOUSELEAVE:
      trackingLeave_ = false;
      calendar_.MouseLeave();
      return 0;
    case WM_CAPTURECHANGED:
      if (!releasingCapture_) calendar_.CancelTracking();
      return 0;
    case kCalendarGetDayRect: {
      const auto rect = DayRect(static_cast<DayNumber>(static_cast<INT_PTR>(wParam)));
      if (!rect || lParam == 0) return FALSE;
      *reinterpret_cast<RECT*>(lParam) = *rect;
      return TRUE;
    }
    case kCalendarGetPartRect: {
      const Rect rect = Layout().PartRect(static_cast<CalendarPart>(wParam));
      if (rect.Empty() || lParam == 0) return FALSE;
      *reinterpret_cast<RECT*>(lParam) = ToRect(rect);
      return TRUE;
    }
    case kCalendarGetListItemRect: {
      const CalendarLayout& layout = Layout();
      if (wParam >= layout.listItems.size() || lParam == 0) return FALSE;
      *reinterpret_cast<RECT*>(lParam) = ToRect(layout.listItems[wParam]);
      return TRUE;
    }
    case WM_NCDESTROY:
      calendar_.SetChangedHook(nullptr);
      SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
      windowGone_ = true;
      hwnd_ = nullptr;
      return 0;
    default: return DefWindowProcA(hwnd_, message, wParam, lParam);
  }
}

int MonthCalendarControl::Dpi() const { return WindowDpi(hwnd_); }

const CalendarLayout& MonthCalendarControl::Layout() {
  RECT client{};
  GetClientRect(hwnd_, &client);
  const Size size{client.right, client.bottom};
  const int dpi = Dpi();
  if (layoutRevision_ != calendar_.Revision() || !(layout_.client == size) || layout_.dpi != dpi) {
    canvas_.SetDpi(dpi);
    layout_ = ComputeLayout(calendar_, size, canvas_);
    layoutRevision_ = calendar_.Revision();
    UpdateTooltips();
  }
  return layout_;
}

std::optional<RECT> MonthCalendarControl::DayRect(DayNumber day) {
  const CalendarLayout& layout = Layout();
  if (calendar_.OpenList() != CalendarList::None) return std::nullopt;
  const auto rect = layout.DayRect(day);
  if (!rect) return std::nullopt;
  return ToRect(*rect);
}

bool MonthCalendarControl::EnsureBuffer(int width, int height) {
  if (bufferDc_ == nullptr) {
    bufferDc_ = CreateCompatibleDC(nullptr);
    if (bufferDc_ == nullptr) return false;
    savedBitmap_ = GetCurrentObject(bufferDc_, OBJ_BITMAP);
  }
  if (buffer_ != nullptr && bufferSize_.width >= width && bufferSize_.height >= height) return true;
  // Grows only; a smaller window paints into part of the bitmap.
  const int w = std::max(width, bufferSize_.width), h = std::max(height, bufferSize_.height);
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = screen != nullptr ? CreateCompatibleBitmap(screen, w, h) : nullptr;
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  if (bitmap == nullptr) return false;
  SelectObject(bufferDc_, bitmap);
  if (buffer_ != nullptr) DeleteObject(buffer_);
  buffer_ = bitmap;
  bufferSize_ = {w, h};
  return true;
}

void MonthCalendarControl::PaintTo(HDC dc) {
  const CalendarLayout& layout = Layout();
  const int width = layout.client.width, height = layout.client.height;
  if (width <= 0 || height <= 0) return;
  if (EnsureBuffer(width, height)) {
    canvas_.Begin(bufferDc_);
    PaintCalendar(calendar_, layout, canvas_);
    canvas_.End();
    BitBlt(dc, 0, 0, width, height, bufferDc_, 0, 0, SRCCOPY);
  } else {
    // Out of memory for the buffer: paint directly rather than not at all.
    canvas_.Begin(dc);
    PaintCalendar(calendar_, layout, canvas_);
    canvas_.End();
  }
}

void MonthCalendarControl::OnPaint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(hwnd_, &paint);
  if (dc != nullptr) PaintTo(dc);
  EndPaint(hwnd_, &paint);
}

std::size_t MonthCalendarControl::GdiObjects() const {
  return canvas_.HeldObjects() + (buffer_ != nullptr ? 1 : 0) + (bufferDc_ != nullptr ? 1 : 0);
}

void MonthCalendarControl::OnButtonDown(MouseButton button, WPARAM wParam, LPARAM lParam) {
  const bool shift = (wParam & MK_SHIFT) != 0;
  if (button == MouseButton::Left) SetCapture(hwnd_);
  calendar_.MouseDown(Layout(), button, PointOf(lParam), shift);
  if (button == MouseButton::Left && !calendar_.Tracking() && GetCapture() == hwnd_) {
    releasingCapture_ = true;
    ReleaseCapture();
    releasingCapture_ = false;
  }
}

void MonthCalendarControl::OnLeftButtonUp(WPARAM wParam, LPARAM lParam) {
  // The capture goes before the day event: the host's subroutine may open
  // a dialog, which must not find the mouse held by us.
  if (GetCapture() == hwnd_) {
    releasingCapture_ = true;
    ReleaseCapture();
    releasingCapture_ = false;
  }
  calendar_.MouseUp(Layout(), MouseButton::Left, PointOf(lParam), (wParam & MK_SHIFT) != 0);
}

void MonthCalendarControl::OnMouseMove(LPARAM lParam) {
  if (!trackingLeave_) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd_, 0};
    trackingLeave_ = TrackMouseEvent(&track) != FALSE;
  }
  calendar_.MouseMove(Layout(), PointOf(lParam));
}

void MonthCalendarControl::CreateTooltips() {
  INITCOMMONCONTROLSEX init{sizeof init, ICC_BAR_CLASSES};
  InitCommonControlsEx(&init);
  tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                             ModuleInstance(), nullptr);
  if (tooltip_ == nullptr) return;
  for (UINT_PTR id = 0; id < 4; ++id) {
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;  // understood by every comctl32
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = hwnd_;
    tool.uId = id + 1;
    tool.lpszText = const_cast<char*>(calendar_.BrowseHints()[id].c_str());
    SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

void MonthCalendarControl::UpdateTooltips() {
  if (tooltip_ == nullptr) return;
  for (UINT_PTR id = 0; id < 4; ++id) {
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = hwnd_;
    tool.uId = id + 1;
    tool.rect = ToRect(layout_.browse[id]);
    SendMessageA(tooltip_, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

}  // namespace orbidate
