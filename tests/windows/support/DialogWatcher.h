// Answers the modal windows the plug-in opens on the test's own thread.
//
// A thread timer fires inside the modal loop of whatever the plug-in shows;
// each visible top-level window of this thread that appeared since the
// watcher started is handed to the test's handler once, fully initialised.
// The handler may read the window's texts and press its buttons (by posting,
// since the modal loop must run to read the message).
#pragma once

#include <windows.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace orbidate::wintest {

class DialogWatcher {
 public:
  using Handler = std::function<void(HWND window)>;
  explicit DialogWatcher(Handler handler);
  ~DialogWatcher();
  DialogWatcher(const DialogWatcher&) = delete;
  DialogWatcher& operator=(const DialogWatcher&) = delete;

  int Seen() const { return static_cast<int>(handled_.size()); }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  static BOOL CALLBACK Visit(HWND window, LPARAM self);
  UINT_PTR timer_ = 0;
  Handler handler_;
  std::set<HWND> before_;
  std::set<HWND> handled_;
};

std::string WindowText(HWND window);
std::string ClassName(HWND window);
// The texts of all static controls of a dialog, in child order.
std::vector<std::string> StaticTexts(HWND dialog);

}  // namespace orbidate::wintest
