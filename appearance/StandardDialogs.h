// The system's standard colour and font dialogs, behind an interface so that
// the picker actions and the editors' colour and font buttons can be tested
// with a fake. Both dialogs are modal and owned by the calling thread's active
// window.
#pragma once

#include <optional>

#include "appearance/ColorValue.h"
#include "appearance/FontValue.h"

namespace orbidate {

class StandardDialogs {
 public:
  virtual ~StandardDialogs() = default;

  // Opens on |start|; the confirmed colour, or nothing after Cancel.
  virtual std::optional<ColorValue> PickColor(ColorValue start) = 0;

  // Opens on |start| (effects offered: underline, strike-out, colour). A
  // positive |startPixelHeight| gives the starting height in pixels; otherwise
  // start.size points are used. The confirmed font, in whole points, or
  // nothing after Cancel. The colour stays start.color unless the user picked
  // one, and the character set stays start.charset unless the user picked a
  // script or another face.
  virtual std::optional<FontValue> PickFont(const FontValue& start, int startPixelHeight) = 0;
};

StandardDialogs& SystemStandardDialogs();

}  // namespace orbidate
