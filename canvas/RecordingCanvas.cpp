#include "canvas/RecordingCanvas.h"

#include <algorithm>

namespace orbidate {

int RecordingCanvas::FontPixels(const FontValue& font) const {
  return std::max(1, (font.size * dpi_ + 36) / 72);
}

Size RecordingCanvas::MeasureText(const FontValue& font, std::string_view text) {
  const int pixels = FontPixels(font);
  return {static_cast<int>(text.size()) * std::max(1, pixels / 2), pixels + pixels / 4};
}

void RecordingCanvas::FillRect(const Rect& rect, ColorValue color) {
  ops.push_back({CanvasOp::Kind::Fill, rect, color, color, {}, {}, {}});
}

void RecordingCanvas::GradientRect(const Rect& rect, ColorValue from, ColorValue to, GradientDirection direction) {
  ops.push_back({CanvasOp::Kind::Gradient, rect, from, to, direction, {}, {}});
}

void RecordingCanvas::FrameRect(const Rect& rect, ColorValue color) {
  ops.push_back({CanvasOp::Kind::Frame, rect, color, color, {}, {}, {}});
}

void RecordingCanvas::Line(Point from, Point to, ColorValue color) {
  ops.push_back({CanvasOp::Kind::Line, {from.x, from.y, to.x, to.y}, color, color, {}, {}, {}});
}

void RecordingCanvas::FillPolygon(std::span<const Point> points, ColorValue color) {
  Rect bounds{};
  if (!points.empty()) bounds = {points[0].x, points[0].y, points[0].x, points[0].y};
  for (const Point& p : points) {
    bounds.left = std::min(bounds.left, p.x);
    bounds.top = std::min(bounds.top, p.y);
    bounds.right = std::max(bounds.right, p.x);
    bounds.bottom = std::max(bounds.bottom, p.y);
  }
  ops.push_back({CanvasOp::Kind::Polygon, bounds, color, color, {}, {}, {}});
}

void RecordingCanvas::Text(const Rect& rect, std::string_view text, const FontValue& font, ColorValue color,
                           TextAlign) {
  ops.push_back({CanvasOp::Kind::Text, rect, color, color, {}, std::string(text), font});
}

std::vector<const CanvasOp*> RecordingCanvas::TextOps(std::string_view text) const {
  std::vector<const CanvasOp*> found;
  for (const CanvasOp& op : ops) {
    if (op.kind == CanvasOp::Kind::Text && op.text == text) found.push_back(&op);
  }
  return found;
}

}  // namespace orbidate
