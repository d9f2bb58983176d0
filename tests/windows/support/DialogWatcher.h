// Answers the modal dialogs the plug-in opens on the test's own thread.
//
// A CBT hook sees each dialog window as it is activated and hands it to the
// test's handler, which may read its texts and press its buttons (by posting,
// since the dialog's modal loop must run to read the message).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace orbidate::wintest {

class DialogWatcher {
 public:
  using Handler = std::function<void(HWND dialog)>;
  explicit DialogWatcher(Handler handler);
  ~DialogWatcher();
  DialogWatcher(const DialogWatcher&) = delete;
  DialogWatcher& operator=(const DialogWatcher&) = delete;

  int Seen() const { return seen_; }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
  HHOOK hook_ = nullptr;
  Handler handler_;
  int seen_ = 0;
};

std::string WindowText(HWND window);
std::string ClassName(HWND window);
// The texts of all static controls of a dialog, in child order.
std::vector<std::string> StaticTexts(HWND dialog);

}  // namespace orbidate::wintest
