#include "appearance/LogFont_win.h"

#include <algorithm>
#include <cstring>

namespace orbidate {

LOGFONTA LogFontOf(const FontValue& font, int pixelHeight) {
  LOGFONTA logFont{};
  logFont.lfHeight = -pixelHeight;
  logFont.lfWeight = font.Has(kFontBold) ? FW_BOLD : FW_NORMAL;
  logFont.lfItalic = font.Has(kFontItalic) ? TRUE : FALSE;
  logFont.lfUnderline = font.Has(kFontUnderline) ? TRUE : FALSE;
  logFont.lfStrikeOut = font.Has(kFontStrikeOut) ? TRUE : FALSE;
  logFont.lfCharSet = font.charset;
  logFont.lfOutPrecision = OUT_DEFAULT_PRECIS;
  logFont.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  logFont.lfQuality = DEFAULT_QUALITY;
  logFont.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  const std::size_t length = std::min(font.face.size(), sizeof logFont.lfFaceName - 1);
  std::memcpy(logFont.lfFaceName, font.face.data(), length);
  return logFont;
}

}  // namespace orbidate
