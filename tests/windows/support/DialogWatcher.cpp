#include "support/DialogWatcher.h"

namespace orbidate::wintest {
namespace {

DialogWatcher* gWatcher = nullptr;

BOOL CALLBACK Collect(HWND window, LPARAM set) {
  reinterpret_cast<std::set<HWND>*>(set)->insert(window);
  return TRUE;
}

}  // namespace

DialogWatcher::DialogWatcher(Handler handler) : handler_(std::move(handler)) {
  gWatcher = this;
  EnumThreadWindows(GetCurrentThreadId(), Collect, reinterpret_cast<LPARAM>(&before_));
  timer_ = SetTimer(nullptr, 0, 40, Tick);
}

DialogWatcher::~DialogWatcher() {
  KillTimer(nullptr, timer_);
  gWatcher = nullptr;
}

BOOL CALLBACK DialogWatcher::Visit(HWND window, LPARAM self) {
  auto* watcher = reinterpret_cast<DialogWatcher*>(self);
  if (!IsWindowVisible(window) || watcher->before_.count(window) || watcher->handled_.count(window)) return TRUE;
  watcher->handled_.insert(window);
  if (watcher->handler_) watcher->handler_(window);
  return TRUE;
}

void CALLBACK DialogWatcher::Tick(HWND, UINT, UINT_PTR, DWORD) {
  if (gWatcher != nullptr) EnumThreadWindows(GetCurrentThreadId(), Visit, reinterpret_cast<LPARAM>(gWatcher));
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
