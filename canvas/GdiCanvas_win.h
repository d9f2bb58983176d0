// The canvas on a GDI device context. Fonts, brushes and pens are made on
// first use and kept: a paint that asks for the same ones again creates
// nothing. At the end of each paint every object that paint did not use is
// freed, so changed fonts and colours never pile up; the destructor frees
// the rest. Everything selected into a DC is put back before End returns.
#pragma once

#include <windows.h>

#include <vector>

#include "canvas/Canvas.h"

namespace orbidate {

// Resolves a colour property: system colours through GetSysColor.
COLORREF ResolveColor(ColorValue color);

class GdiCanvas final : public Canvas {
 public:
  GdiCanvas();
  ~GdiCanvas() override;
  GdiCanvas(const GdiCanvas&) = delete;
  GdiCanvas& operator=(const GdiCanvas&) = delete;

  // Measuring works at any time (on a memory DC of the canvas's own);
  // drawing between Begin and End, on the given DC.
  void SetDpi(int dpi) { dpi_ = dpi > 0 ? dpi : 96; }
  void Begin(HDC dc);
  void End();
  // GDI objects held now (fonts, brushes, pens, the measuring DC).
  std::size_t HeldObjects() const {
    return fonts_.size() + brushes_.size() + pens_.size() + (measureDc_ != nullptr ? 1 : 0);
  }

  Size MeasureText(const FontValue& font, std::string_view text) override;
  int Dpi() const override { return dpi_; }
  void FillRect(const Rect& rect, ColorValue color) override;
  void GradientRect(const Rect& rect, ColorValue from, ColorValue to, GradientDirection direction) override;
  void FrameRect(const Rect& rect, ColorValue color) override;
  void Line(Point from, Point to, ColorValue color) override;
  void FillPolygon(std::span<const Point> points, ColorValue color) override;
  void Text(const Rect& rect, std::string_view text, const FontValue& font, ColorValue color,
            TextAlign align) override;

 private:
  struct FontEntry {
    FontValue font;
    int dpi;
    HFONT handle;
    bool used;
  };
  struct ColorEntry {
    COLORREF color;
    HGDIOBJ handle;
    bool used;
  };
  HFONT FontFor(const FontValue& font);
  HBRUSH BrushFor(COLORREF color);
  HPEN PenFor(COLORREF color);
  void Sweep();

  int dpi_ = 96;
  HDC dc_ = nullptr;
  HDC measureDc_ = nullptr;
  HGDIOBJ savedFont_ = nullptr;
  HGDIOBJ savedBrush_ = nullptr;
  HGDIOBJ savedPen_ = nullptr;
  HGDIOBJ savedMeasureFont_ = nullptr;
  std::vector<FontEntry> fonts_;
  std::vector<ColorEntry> brushes_;
  std::vector<ColorEntry> pens_;
};

}  // namespace orbidate
