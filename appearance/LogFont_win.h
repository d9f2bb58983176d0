// A font value as GDI wants it: the LOGFONT of a given pixel height, with
// the face (cut to what the structure holds), styles and character set.
#pragma once

#include <windows.h>

#include "appearance/FontValue.h"

namespace orbidate {

// |pixelHeight| is the character height in pixels (lfHeight = -pixelHeight).
LOGFONTA LogFontOf(const FontValue& font, int pixelHeight);

}  // namespace orbidate
