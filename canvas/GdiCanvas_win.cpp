#include "canvas/GdiCanvas_win.h"

#include "appearance/LogFont_win.h"

#include <algorithm>
#include <cstring>

namespace orbidate {

COLORREF ResolveColor(ColorValue color) {
  if (color.IsSystemColor()) return GetSysColor(color.SystemIndex());
  if (color == kClNone || color == kClDefault) return RGB(255, 255, 255);
  return RGB(color.Red(), color.Green(), color.Blue());
}

GdiCanvas::GdiCanvas() {
  measureDc_ = CreateCompatibleDC(nullptr);
  if (measureDc_ != nullptr) savedMeasureFont_ = GetCurrentObject(measureDc_, OBJ_FONT);
}

GdiCanvas::~GdiCanvas() {
  if (dc_ != nullptr) End();
  if (measureDc_ != nullptr) {
    SelectObject(measureDc_, savedMeasureFont_);
    DeleteDC(measureDc_);
  }
  for (FontEntry& entry : fonts_) DeleteObject(entry.handle);
  for (ColorEntry& entry : brushes_) DeleteObject(entry.handle);
  for (ColorEntry& entry : pens_) DeleteObject(entry.handle);
}

void GdiCanvas::Begin(HDC dc) {
  dc_ = dc;
  savedFont_ = GetCurrentObject(dc, OBJ_FONT);
  savedBrush_ = GetCurrentObject(dc, OBJ_BRUSH);
  savedPen_ = GetCurrentObject(dc, OBJ_PEN);
  SetBkMode(dc, TRANSPARENT);
  SetTextAlign(dc, TA_LEFT | TA_TOP);
}

void GdiCanvas::End() {
  if (dc_ == nullptr) return;
  SelectObject(dc_, savedFont_);
  SelectObject(dc_, savedBrush_);
  SelectObject(dc_, savedPen_);
  dc_ = nullptr;
  Sweep();
}

void GdiCanvas::Sweep() {
  if (measureDc_ != nullptr) SelectObject(measureDc_, savedMeasureFont_);
  auto sweep = [](auto& entries) {
    auto keep = std::remove_if(entries.begin(), entries.end(), [](auto& entry) {
      if (entry.used) return false;
      DeleteObject(entry.handle);
      return true;
    });
    entries.erase(keep, entries.end());
    for (auto& entry : entries) entry.used = false;
  };
  sweep(fonts_);
  sweep(brushes_);
  sweep(pens_);
}

HFONT GdiCanvas::FontFor(const FontValue& font) {
  for (FontEntry& entry : fonts_) {
    if (entry.dpi == dpi_ && entry.font == font) {
      entry.used = true;
      return entry.handle;
    }
  }
  LOGFONTA logFont = LogFontOf(font, MulDiv(std::max(1, font.size), dpi_, 72));
  logFont.lfQuality = CLEARTYPE_QUALITY;
  HFONT handle = CreateFontIndirectA(&logFont);
  if (handle == nullptr) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  fonts_.push_back({font, dpi_, handle, true});
  return handle;
}

HBRUSH GdiCanvas::BrushFor(COLORREF color) {
  for (ColorEntry& entry : brushes_) {
    if (entry.color == color) {
      entry.used = true;
      return static_cast<HBRUSH>(entry.handle);
    }
  }
  HBRUSH handle = CreateSolidBrush(color);
  if (handle == nullptr) return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  brushes_.push_back({color, handle, true});
  return handle;
}

HPEN GdiCanvas::PenFor(COLORREF color) {
  for (ColorEntry& entry : pens_) {
    if (entry.color == color) {
      entry.used = true;
      return static_cast<HPEN>(entry.handle);
    }
  }
  HPEN handle = CreatePen(PS_SOLID, 1, color);
  if (handle == nullptr) return static_cast<HPEN>(GetStockObject(NULL_PEN));
  pens_.push_back({color, handle, true});
  return handle;
}

Size GdiCanvas::MeasureText(const FontValue& font, std::string_view text) {
  HDC dc = dc_ != nullptr ? dc_ : measureDc_;
  if (dc == nullptr) return {};
  HGDIOBJ before = SelectObject(dc, FontFor(font));
  SIZE size{};
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  if (!text.empty()) GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
  if (dc == measureDc_) SelectObject(dc, before);
  return {static_cast<int>(size.cx), static_cast<int>(metrics.tmHeight)};
}

void GdiCanvas::FillRect(const Rect& rect, ColorValue color) {
  if (dc_ == nullptr || rect.Empty()) return;
  const RECT r{rect.left, rect.top, rect.right, rect.bottom};
  ::FillRect(dc_, &r, BrushFor(ResolveColor(color)));
}

void GdiCanvas::GradientRect(const Rect& rect, ColorValue from, ColorValue to, GradientDirection direction) {
  if (dc_ == nullptr || rect.Empty()) return;
  const COLORREF a = ResolveColor(from), b = ResolveColor(to);
  TRIVERTEX vertices[2] = {
      {rect.left, rect.top, static_cast<COLOR16>(GetRValue(a) << 8), static_cast<COLOR16>(GetGValue(a) << 8),
       static_cast<COLOR16>(GetBValue(a) << 8), 0},
      {rect.right, rect.bottom, static_cast<COLOR16>(GetRValue(b) << 8), static_cast<COLOR16>(GetGValue(b) << 8),
       static_cast<COLOR16>(GetBValue(b) << 8), 0},
  };
  GRADIENT_RECT mesh{0, 1};
  GradientFill(dc_, vertices, 2, &mesh, 1,
               direction == GradientDirection::Vertical ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H);
}

void GdiCanvas::FrameRect(const Rect& rect, ColorValue color) {
  if (dc_ == nullptr || rect.Empty()) return;
  const RECT r{rect.left, rect.top, rect.right, rect.bottom};
  ::FrameRect(dc_, &r, BrushFor(ResolveColor(color)));
}

void GdiCanvas::Line(Point from, Point to, ColorValue color) {
  if (dc_ == nullptr) return;
  SelectObject(dc_, PenFor(ResolveColor(color)));
  MoveToEx(dc_, from.x, from.y, nullptr);
  LineTo(dc_, to.x, to.y);
}

void GdiCanvas::FillPolygon(std::span<const Point> points, ColorValue color) {
  if (dc_ == nullptr || points.size() < 3 || points.size() > 16) return;
  POINT corners[16];
  for (std::size_t i = 0; i < points.size(); ++i) corners[i] = {points[i].x, points[i].y};
  const COLORREF c = ResolveColor(color);
  SelectObject(dc_, PenFor(c));
  SelectObject(dc_, BrushFor(c));
  Polygon(dc_, corners, static_cast<int>(points.size()));
}

void GdiCanvas::Text(const Rect& rect, std::string_view text, const FontValue& font, ColorValue color,
                     TextAlign align) {
  if (dc_ == nullptr || text.empty() || rect.Empty()) return;
  SelectObject(dc_, FontFor(font));
  SetTextColor(dc_, ResolveColor(color));
  RECT r{rect.left, rect.top, rect.right, rect.bottom};
  const UINT horizontal = align == TextAlign::Center ? DT_CENTER : align == TextAlign::Right ? DT_RIGHT : DT_LEFT;
  DrawTextA(dc_, text.data(), static_cast<int>(text.size()), &r, horizontal | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

}  // namespace orbidate
