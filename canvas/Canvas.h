// What the calendar needs of a drawing surface: filled and gradient
// rectangles, frames, one-pixel lines, filled polygons and single-line text
// in a given font. Colours are passed as the calendar's properties hold them
// (system colours and all); the surface resolves them, so no painter ever
// hard-codes what clBtnFace looks like. Fonts are given by value; a surface
// that builds system objects for them caches them.
#pragma once

#include <span>
#include <string_view>

#include "appearance/ColorValue.h"
#include "appearance/FontValue.h"
#include "canvas/Geometry.h"

namespace orbidate {

enum class GradientDirection { Horizontal, Vertical };
enum class TextAlign { Left, Center, Right };

// Text metrics, also needed where nothing is drawn (layout, hit test).
class TextMeasurer {
 public:
  virtual ~TextMeasurer() = default;
  // Width and height of one line of text (ANSI code page) in the font.
  virtual Size MeasureText(const FontValue& font, std::string_view text) = 0;
  // Pixels per inch the fonts are scaled for (96 on an unscaled display).
  virtual int Dpi() const = 0;
};

class Canvas : public TextMeasurer {
 public:
  virtual void FillRect(const Rect& rect, ColorValue color) = 0;
  // From `from` at the left (top) edge to `to` at the right (bottom) edge.
  virtual void GradientRect(const Rect& rect, ColorValue from, ColorValue to, GradientDirection direction) = 0;
  // A one-pixel frame just inside the rectangle.
  virtual void FrameRect(const Rect& rect, ColorValue color) = 0;
  // A one-pixel horizontal or vertical line; `to` is not drawn.
  virtual void Line(Point from, Point to, ColorValue color) = 0;
  virtual void FillPolygon(std::span<const Point> points, ColorValue color) = 0;
  // One line of text, vertically centred in the rectangle and clipped to it.
  virtual void Text(const Rect& rect, std::string_view text, const FontValue& font, ColorValue color,
                    TextAlign align) = 0;
};

}  // namespace orbidate
