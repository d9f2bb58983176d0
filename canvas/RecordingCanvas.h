// A canvas that draws nothing and keeps every call, for tests of what a
// painter asks for. Its text metrics are simple and predictable: every
// character is half the font's pixel height wide.
#pragma once

#include <string>
#include <vector>

#include "canvas/Canvas.h"

namespace orbidate {

struct CanvasOp {
  enum class Kind { Fill, Gradient, Frame, Line, Polygon, Text };
  Kind kind;
  Rect rect;
  ColorValue color;
  ColorValue color2;  // gradient end
  GradientDirection direction = GradientDirection::Horizontal;
  std::string text;
  FontValue font;
};

class RecordingCanvas final : public Canvas {
 public:
  explicit RecordingCanvas(int dpi = 96) : dpi_(dpi) {}

  std::vector<CanvasOp> ops;

  // Pixel height of a font at this canvas's resolution.
  int FontPixels(const FontValue& font) const;

  Size MeasureText(const FontValue& font, std::string_view text) override;
  int Dpi() const override { return dpi_; }
  void FillRect(const Rect& rect, ColorValue color) override;
  void GradientRect(const Rect& rect, ColorValue from, ColorValue to, GradientDirection direction) override;
  void FrameRect(const Rect& rect, ColorValue color) override;
  void Line(Point from, Point to, ColorValue color) override;
  void FillPolygon(std::span<const Point> points, ColorValue color) override;
  void Text(const Rect& rect, std::string_view text, const FontValue& font, ColorValue color,
            TextAlign align) override;

  // The text operations whose text is exactly `text`.
  std::vector<const CanvasOp*> TextOps(std::string_view text) const;

 private:
  int dpi_;
};

}  // namespace orbidate
