// TNeo: the calendar window as the plug-in registers it, a child of a host
// rectangle's window, known by the rectangle's name. It adds the name and the
// host's re-attach message (0x4FA) to TImageForm, nothing else.
#pragma once

#include <string>

#include "calendar/CalendarWindow.h"
#include "calendar/TImageForm_win.h"

namespace orbidate {

class TNeo final : public TImageForm, public CalendarWindow {
 public:
  explicit TNeo(std::string rectangleName) : rectangleName_(std::move(rectangleName)) {}

  const std::string& RectangleName() const override { return rectangleName_; }
  ImageForm& Form() override { return *this; }
  void Destroy() override { TImageForm::Destroy(); }

  // Fills the client area of |parent| (top of the z-order, shown).
  void FillParent(HWND parent);

 protected:
  bool HandleFormMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  // With LParam 4: asks the host for the rectangle's window again, fills the
  // current parent's client area and moves into that window.
  void ReattachCalendar(LPARAM lParam);

  const std::string rectangleName_;
};

}  // namespace orbidate
