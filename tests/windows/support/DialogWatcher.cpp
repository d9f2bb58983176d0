#include "support/DialogWatcher.h"

namespace orbidate::wintest {
namespace {

DialogWatcher* gWatcher = nullptr;

}  // namespace

DialogWatcher::DialogWatcher(Handler handler) : handler_(std::move(handler)) {
  gWatcher = this;
  hook_ = SetWindowsHookExA(WH_CBT, Hook, nullptr, GetCurrentThreadId());
}

DialogWatcher::~DialogWatcher() {
  if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
  gWatcher = nullptr;
}

LRESULT CALLBACK DialogWatcher::Hook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE && gWatcher != nullptr) {
    HWND window = reinterpret_cast<HWND>(wParam);
    ++gWatcher->seen_;
    if (gWatcher->handler_) gWatcher->handler_(window);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::string WindowText(HWND window) {
  char buffer[1024] = {};
  GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

std::string ClassName(HWND window) {
  char buffer[256] = {};
  GetClassNameA(window, buffer, sizeof buffer);
  return buffer;
}

std::vector<std::string> StaticTexts(HWND dialog) {
  std::vector<std::string> texts;
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (lstrcmpiA(ClassName(child).c_str(), "Static") == 0) texts.push_back(WindowText(child));
  }
  return texts;
}

}  // namespace orbidate::wintest
