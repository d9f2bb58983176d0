// The system's standard colour and font dialogs, behind an interface so that
// the picker actions and the editors' colour and font buttons can be tested
// with a fake. Both dialogs are modal and owned by the calling thread's active
// window. The callers keep whatever the dialogs should open on: nothing is
// remembered here from one call to the next.
#pragma once

#include <optional>

#include "appearance/ColorValue.h"
#include "appearance/FontValue.h"

namespace orbidate {

class StandardDialogs {
 public:
  virtual ~StandardDialogs() = default;

  // Opens on |start| (a system colour opens on its current value); the
  // confirmed colour, an ordinary colour with the highest byte 0, or nothing
  // after Cancel.
  virtual std::optional<ColorValue> PickColor(ColorValue start) = 0;

  // Opens on |start| (effects offered: underline, strike-out, colour). A
  // positive |startPixelHeight| gives the starting height in pixels; otherwise
  // start.size points are used. The confirmed font, in whole points, or
  // nothing after Cancel. Face, size and styles are those shown when the
  // dialog is confirmed. The colour stays start.color unless the user picked
  // one, and the character set stays start.charset unless the user picked a
  // script or another face.
  virtual std::optional<FontValue> PickFont(const FontValue& start, int startPixelHeight) = 0;

  // Whether the last Pick call gave nothing because the dialog could not be
  // shown at all, rather than because the user cancelled it.
  virtual bool LastPickFailed() const { return false; }
};

// The system's dialogs; in native builds a stand-in whose user always
// cancels.
StandardDialogs& SystemStandardDialogs();

}  // namespace orbidate
