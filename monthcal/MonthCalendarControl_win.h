// The window that shows a MonthCalendar: paints it double-buffered through
// the GDI canvas, turns mouse messages into the calendar's mouse calls,
// shows the browse buttons' hints as tooltips and follows the window's DPI.
// The window owns this object; it goes with the window.
//
// Besides the C++ calls, the window answers three messages of its own, so
// that tests and tools can find where to click:
//   kCalendarGetDayRect      wParam: DayNumber, lParam: RECT*; TRUE when the grid shows the day
//   kCalendarGetPartRect     wParam: CalendarPart, lParam: RECT*; TRUE when the part has a place
//   kCalendarGetListItemRect wParam: item (0 = first), lParam: RECT*; TRUE while a list shows it
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "canvas/GdiCanvas_win.h"
#include "monthcal/CalendarLayout.h"
#include "monthcal/MonthCalendar.h"

namespace orbidate {

inline constexpr UINT kCalendarGetDayRect = WM_USER + 0x120;
inline constexpr UINT kCalendarGetPartRect = WM_USER + 0x121;
inline constexpr UINT kCalendarGetListItemRect = WM_USER + 0x122;

// Told of every message the control handles, before and after; the calendar
// window counts them so that it is never released under a running handler.
class MessageNesting {
 public:
  virtual void EnterMessage() = 0;
  // May release the calendar window (and this control): the control touches
  // nothing of its own after this call.
  virtual void LeaveMessage() = 0;

 protected:
  ~MessageNesting() = default;
};

class MonthCalendarControl {
 public:
  // A child window of `parent`, filling nothing yet (the caller sizes it).
  // `calendar` and `nesting` must outlive the window. Null on failure.
  static MonthCalendarControl* Create(HWND parent, MonthCalendar& calendar, MessageNesting* nesting);

  HWND Handle() const { return hwnd_; }
  // The layout for the current size, fonts and state.
  const CalendarLayout& Layout();
  std::optional<RECT> DayRect(DayNumber day);
  // Paints the whole calendar into a DC (also WM_PRINTCLIENT).
  void PaintTo(HDC dc);
  int Dpi() const;
  // GDI objects the control holds now (cached fonts, brushes, pens, buffer).
  std::size_t GdiObjects() const;

 private:
  MonthCalendarControl(MonthCalendar& calendar, MessageNesting* nesting);
  ~MonthCalendarControl();
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void OnPaint();
  void OnButtonDown(MouseButton button, WPARAM wParam, LPARAM lParam);
  void OnLeftButtonUp(WPARAM wParam, LPARAM lParam);
  void OnMouseMove(LPARAM lParam);
  void CreateTooltips();
  void UpdateTooltips();
  bool EnsureBuffer(int width, int height);

  MonthCalendar& calendar_;
  MessageNesting* nesting_;
  HWND hwnd_ = nullptr;
  HWND tooltip_ = nullptr;
  GdiCanvas canvas_;
  CalendarLayout layout_;
  std::uint64_t layoutRevision_ = ~std::uint64_t{0};
  HDC bufferDc_ = nullptr;
  HBITMAP buffer_ = nullptr;
  HGDIOBJ savedBitmap_ = nullptr;
  Size bufferSize_;
  bool trackingLeave_ = false;
  bool releasingCapture_ = false;
  int depth_ = 0;
  bool windowGone_ = false;
};

// The DPI of a window: GetDpiForWindow where the system has it, the
// screen's otherwise.
int WindowDpi(HWND hwnd);

}  // namespace orbidate
