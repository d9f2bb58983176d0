#include "calendar/TImageForm_win.h"

#include "plugin/Boundary.h"
#include "plugin/ModuleInstance_win.h"

namespace orbidate {
namespace {

constexpr char kClassName[] = "OrbidateCalendarWindow";

}  // namespace

TImageForm::TImageForm(Host& host, const ShortDateFormat& format) : ImageForm(host, format) {}

TImageForm::~TImageForm() = default;

bool TImageForm::CreateIn(HWND parent) {
  if (parent == nullptr || hwnd_ != nullptr) return false;
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = ModuleInstance();
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.lpszClassName = kClassName;
  if (!EnsureWindowClass(windowClass)) return false;
  // A child from the start: the window is never a top-level window of its
  // own, so it never shows anywhere but in its parent.
  HWND hwnd = CreateWindowExA(WS_EX_CONTROLPARENT, kClassName, "", WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0,
                              0, kInitialWidth, kInitialHeight, parent, nullptr, ModuleInstance(), this);
  if (hwnd == nullptr) return false;
  if (control_ == nullptr) {
    // The control could not be made; the window is of no use.
    ++depth_;
    DestroyWindow(hwnd);
    --depth_;
    hwnd_ = nullptr;
    return false;
  }
  return true;
}

void TImageForm::Destroy() {
  released_ = true;
  DetachEvents();
  if (depth_ > 0) {
    // Inside one of our own messages: finish when the outermost returns.
    if (hwnd_ != nullptr) ShowWindow(hwnd_, SW_HIDE);
    return;
  }
  if (hwnd_ != nullptr) {
    ++depth_;
    DestroyWindow(hwnd_);
    --depth_;
  }
  delete this;
}

void TImageForm::LeaveMessage() {
  if (--depth_ > 0 || !released_) return;
  if (hwnd_ != nullptr) {
    ++depth_;
    DestroyWindow(hwnd_);
    --depth_;
  }
  delete this;
}

LRESULT CALLBACK TImageForm::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return AtBoundary<LRESULT>(0, [&]() -> LRESULT {
    if (message == WM_NCCREATE) {
      auto* created = static_cast<TImageForm*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
      created->hwnd_ = hwnd;
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* form = reinterpret_cast<TImageForm*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (form == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
    form->EnterMessage();
    const LRESULT result = form->Handle(message, wParam, lParam);
    form->LeaveMessage();  // may free the form
    return result;
  });
}

bool TImageForm::HandleFormMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT TImageForm::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT handled = 0;
  if (message != WM_NCDESTROY && message != WM_CREATE && HandleFormMessage(message, wParam, lParam, handled)) {
    return handled;
  }
  switch (message) {
    case WM_CREATE:
      control_ = MonthCalendarControl::Create(hwnd_, PlannerCalendar, this);
      return 0;
    case WM_SIZE:
      if (control_ != nullptr) MoveWindow(control_->Handle(), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
      return 0;
    case WM_ERASEBKGND: return 1;  // the control covers the whole window
    case WM_DESTROY:
      control_ = nullptr;  // its window goes next
      return 0;
    case WM_NCDESTROY:
      // Also when the parent took the window with it: the object stays,
      // without a window, until Destroy().
      SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
      control_ = nullptr;
      hwnd_ = nullptr;
      return 0;
    default: return DefWindowProcA(hwnd_, message, wParam, lParam);
  }
}

}  // namespace orbidate
