// GDI painting of the parts of our forms that are not system controls: the
// containers' backgrounds and decorations, labels, strips, rotated labels,
// the glyphs of the flat buttons and our pictures.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "forms/Form.h"

namespace orbidate::forms {

COLORREF ToColorRef(ColorValue color);

// Fonts by face, height, styles and angle, created once per view and freed
// with it. A face the system lacks falls back to one it has, so the layout
// never depends on a decorative font being installed.
class FontCache {
 public:
  FontCache() = default;
  ~FontCache();
  FontCache(const FontCache&) = delete;
  FontCache& operator=(const FontCache&) = delete;

  HFONT Get(const FontDesc& font, int angle = 0);
  HFONT Get(std::string_view face, int pixelHeight, std::uint8_t styles, int angle);

 private:
  std::string Available(const std::string& face);
  std::map<std::tuple<std::string, int, int, int>, HFONT> fonts_;
  std::map<std::string, std::string> faces_;
};

// The font a control uses: its own, else its parent's, else the form's.
FontDesc EffectiveFont(const Form& form, int index);

// Paints the background of container |index| (-1: the form) and the
// controls painted by it, in table order, into |dc| (client coordinates).
void PaintContainer(HDC dc, const Form& form, int index, FontCache& fonts, const RECT& client);

void DrawGlyph(HDC dc, const RECT& box, Glyph glyph);
void DrawPicture(HDC dc, const RECT& box, Picture picture);

// The box a rotated label covers now (its lettering measured).
RECT RotatedLabelBox(HDC dc, const Form& form, int index, FontCache& fonts);

}  // namespace orbidate::forms
