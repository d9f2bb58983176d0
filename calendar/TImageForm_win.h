// The calendar window: a borderless child window holding the month
// calendar control, which fills it, plus what ImageForm brings (the calendar
// state, the bindings, the handlers).
//
// Lifetime. The object is created by Create (or new and CreateIn) and freed
// only by Destroy(), which also destroys the window; should the parent take
// the window with it first, the object stays, windowless (Handle() null),
// until Destroy(). Destroy() may be called at any time, also
// from inside one of the calendar's own events (a host subroutine that
// deletes this very calendar runs before HostRunScript returns): the window
// is then hidden at once, reports nothing more, and is destroyed when the
// outermost message of the window or its control returns. After Destroy()
// the caller must not use the pointer again.
#pragma once

#include <windows.h>

#include "calendar/ImageForm.h"
#include "monthcal/MonthCalendarControl_win.h"

namespace orbidate {

class TImageForm : public ImageForm, private MessageNesting {
 public:
  // Size of a new window before its rectangle sizes it.
  static constexpr int kInitialWidth = 219;
  static constexpr int kInitialHeight = 206;

  explicit TImageForm(Host& host = CallbackHost(), const ShortDateFormat& format = UserShortDateFormat());

  // Creates the window as a hidden child of `parent` at (0, 0), 219 x 206.
  // On failure (false) the caller deletes the object.
  bool CreateIn(HWND parent);
  // new Form(args...) created in `parent`, or null.
  template <class Form = TImageForm, class... Args>
  static Form* Create(HWND parent, Args&&... args) {
    auto* form = new Form(static_cast<Args&&>(args)...);
    if (form->CreateIn(parent)) return form;
    delete form;
    return nullptr;
  }

  HWND Handle() const { return hwnd_; }
  MonthCalendarControl* Calendar() const { return control_; }
  void Destroy();
  bool DestroyPending() const { return released_; }

 protected:
  // Only Destroy() frees a calendar window.
  ~TImageForm() override;

  // Messages of the window, before its own handling; a subclass answers
  // those it handles (true, with the result).
  virtual bool HandleFormMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void EnterMessage() override { ++depth_; }
  void LeaveMessage() override;

  HWND hwnd_ = nullptr;
  MonthCalendarControl* control_ = nullptr;
  int depth_ = 0;
  bool released_ = false;  // Destroy() was called
};

}  // namespace orbidate
