#include "forms/FormPainting_win.h"

#include <algorithm>
#include <array>

#include "appearance/FontValue.h"

namespace orbidate::forms {
namespace {

constexpr COLORREF kRgbBlack = RGB(0, 0, 0);

class SelectObjectScope {
 public:
  SelectObjectScope(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~SelectObjectScope() { SelectObject(dc_, old_); }
  SelectObjectScope(const SelectObjectScope&) = delete;
  SelectObjectScope& operator=(const SelectObjectScope&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

void Fill(HDC dc, const RECT& r, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(dc, &r, brush);
  DeleteObject(brush);
}

void FillBox(HDC dc, int left, int top, int width, int height, COLORREF color) {
  const RECT r{left, top, left + width, top + height};
  Fill(dc, r, color);
}

void Frame(HDC dc, const RECT& r, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  FrameRect(dc, &r, brush);
  DeleteObject(brush);
}

void RoundBox(HDC dc, const RECT& r, COLORREF fill, COLORREF edge, int radius) {
  HBRUSH brush = CreateSolidBrush(fill);
  HPEN pen = CreatePen(PS_SOLID, 1, edge);
  {
    SelectObjectScope b(dc, brush), p(dc, pen);
    RoundRect(dc, r.left, r.top, r.right, r.bottom, radius, radius);
  }
  DeleteObject(brush);
  DeleteObject(pen);
}

void HorizontalGradient(HDC dc, const RECT& r, COLORREF from, COLORREF to) {
  const int width = r.right - r.left;
  if (width <= 0) return;
  for (int x = 0; x < width; ++x) {
    auto mix = [&](int a, int b) { return a + (b - a) * x / std::max(1, width - 1); };
    const COLORREF c = RGB(mix(GetRValue(from), GetRValue(to)), mix(GetGValue(from), GetGValue(to)),
                           mix(GetBValue(from), GetBValue(to)));
    FillBox(dc, r.left + x, r.top, 1, r.bottom - r.top, c);
  }
}

void Text(HDC dc, std::string_view text, RECT r, HFONT font, COLORREF color, UINT format) {
  SelectObjectScope f(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, color);
  DrawTextA(dc, text.data(), static_cast<int>(text.size()), &r, format | DT_NOPREFIX);
}

int CALLBACK FaceFound(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM data) {
  *reinterpret_cast<bool*>(data) = true;
  return 0;
}

RECT BoxOf(const Control& c) { return {c.left, c.top, c.left + c.width, c.top + c.height}; }

// The row decoration: a sky-blue gradient behind the caption, grey lines
// along the top and left edges and under the strip.
void PaintRow(HDC dc, const RECT& client) {
  const COLORREF gray = ToColorRef(kClMedGray);
  HorizontalGradient(dc, RECT{2, 2, 331, 22}, ToColorRef(kClSkyBlue), ToColorRef(kClBtnFace));
  FillBox(dc, 0, 0, client.right, 2, gray);
  FillBox(dc, 0, 0, 2, client.bottom, gray);
  FillBox(dc, 2, 22, 329, 1, gray);
}

int FontPixels(std::int16_t height) { return height > 0 ? height : 11; }

// The font of a rotated label, made smaller when its lettering would not
// fit the label's length (a stand-in face may run wider than the original).
HFONT RotatedFont(HDC dc, const Form& form, int index, FontCache& fonts, SIZE& extent) {
  const Control& c = form.Controls()[static_cast<std::size_t>(index)];
  const FontDesc font = EffectiveFont(form, index);
  int pixels = FontPixels(font.pixelHeight);
  const int room = std::max(c.width, c.height);
  for (;;) {
    HFONT upright = fonts.Get(font.face, pixels, font.styles, 0);
    SelectObjectScope f(dc, upright);
    GetTextExtentPoint32A(dc, c.caption.data(), static_cast<int>(c.caption.size()), &extent);
    if (extent.cx <= room || pixels <= 12) break;
    pixels = pixels * room / std::max<LONG>(1, extent.cx);
  }
  return fonts.Get(font.face, pixels, font.styles, c.angle);
}

void PaintRotatedLabel(HDC dc, const Form& form, int index, FontCache& fonts) {
  const Control& c = form.Controls()[static_cast<std::size_t>(index)];
  SIZE extent{};
  HFONT font = RotatedFont(dc, form, index, fonts, extent);
  SelectObjectScope f(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(EffectiveFont(form, index).color));
  SetTextAlign(dc, TA_LEFT | TA_TOP);
  // At 90 degrees the lettering runs upwards from the bottom-left corner; at
  // 270 downwards from the top-right one.
  if (c.angle == 270) {
    TextOutA(dc, c.left + extent.cy, c.top, c.caption.data(), static_cast<int>(c.caption.size()));
  } else {
    TextOutA(dc, c.left, c.top + extent.cx, c.caption.data(), static_cast<int>(c.caption.size()));
  }
}

void PaintControl(HDC dc, const Form& form, int index, FontCache& fonts) {
  const Control& c = form.Controls()[static_cast<std::size_t>(index)];
  const RECT box = BoxOf(c);
  switch (c.kind()) {
    case Kind::Label: {
      const FontDesc font = EffectiveFont(form, index);
      const UINT format = (c.desc->flags & kWordWrap) ? DT_WORDBREAK : DT_SINGLELINE;
      RECT r = box;
      if (!(c.desc->flags & kWordWrap)) r.right = r.left + 2000;  // labels size to their text
      Text(dc, c.caption, r, fonts.Get(font), ToColorRef(font.color), format);
      break;
    }
    case Kind::LabeledEdit: {
      // The EditLabel sits just above its edit.
      const FontDesc font = EffectiveFont(form, index);
      const int height = FontPixels(font.pixelHeight) + 3;
      const RECT r{c.left, c.top - height - 1, c.left + 2000, c.top - 1};
      Text(dc, c.caption, r, fonts.Get(font), ToColorRef(font.color), DT_SINGLELINE | DT_BOTTOM);
      break;
    }
    case Kind::ColorStrip:
      RoundBox(dc, box, ToColorRef(c.desc->color), ToColorRef(c.desc->color), 8);
      break;
    case Kind::Line:
      Fill(dc, box, ToColorRef(c.desc->color));
      break;
    case Kind::GradientStrip:
      HorizontalGradient(dc, box, ToColorRef(c.desc->color), ToColorRef(c.desc->color2));
      break;
    case Kind::RotatedLabel:
      PaintRotatedLabel(dc, form, index, fonts);
      break;
    case Kind::Image:
      DrawPicture(dc, box, static_cast<Picture>(c.desc->extra));
      break;
    default:
      break;  // windows of their own
  }
}

}  // namespace

COLORREF ToColorRef(ColorValue color) {
  if (color.IsSystemColor()) return GetSysColor(color.SystemIndex());
  return RGB(color.Red(), color.Green(), color.Blue());
}

FontCache::~FontCache() {
  for (auto& [key, font] : fonts_) DeleteObject(font);
}

HFONT FontCache::Get(const FontDesc& font, int angle) {
  return Get(font.face, FontPixels(font.pixelHeight), font.styles, angle);
}

std::string FontCache::Available(const std::string& face) {
  const auto known = faces_.find(face);
  if (known != faces_.end()) return known->second;
  auto installed = [](const std::string& name) {
    LOGFONTA query{};
    query.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(query.lfFaceName, name.c_str(), LF_FACESIZE);
    bool found = false;
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesExA(dc, &query, FaceFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, dc);
    return found;
  };
  std::string chosen = face;
  if (!installed(face)) {
    // Decorative faces fall back to a plain one that every system has.
    static constexpr std::array<const char*, 5> kFallbacks = {"Arial", "Liberation Sans", "Tahoma", "Verdana",
                                                              "MS Shell Dlg"};
    chosen.clear();
    for (const char* candidate : kFallbacks) {
      if (installed(candidate)) {
        chosen = candidate;
        break;
      }
    }
  }
  faces_[face] = chosen;
  return chosen;
}

HFONT FontCache::Get(std::string_view face, int pixelHeight, std::uint8_t styles, int angle) {
  const std::string name(face.empty() ? "MS Sans Serif" : face);
  const auto key = std::make_tuple(name, pixelHeight, int{styles}, angle);
  const auto found = fonts_.find(key);
  if (found != fonts_.end()) return found->second;
  const std::string available = Available(name);
  HFONT font = CreateFontA(-pixelHeight, 0, angle * 10, angle * 10, (styles & kFontBold) ? FW_BOLD : FW_NORMAL,
                           (styles & kFontItalic) ? TRUE : FALSE, (styles & kFontUnderline) ? TRUE : FALSE,
                           (styles & kFontStrikeOut) ? TRUE : FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                           available.c_str());
  if (font == nullptr) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  fonts_[key] = font;
  return font;
}

FontDesc EffectiveFont(const Form& form, int index) {
  while (index >= 0) {
    const Control& c = form.Controls()[static_cast<std::size_t>(index)];
    if (!c.desc->font.face.empty()) return c.desc->font;
    index = c.parent;
  }
  return form.Desc().font;
}

void PaintContainer(HDC dc, const Form& form, int index, FontCache& fonts, const RECT& client) {
  const ColorValue background =
      index < 0 ? form.Desc().color : form.Controls()[static_cast<std::size_t>(index)].desc->color;
  Fill(dc, client, ToColorRef(background));
  if (index >= 0) {
    const std::uint8_t flags = form.Controls()[static_cast<std::size_t>(index)].desc->flags;
    if (flags & kRowPanel) PaintRow(dc, client);
    if (flags & kFramedFill) {
      Fill(dc, client, ToColorRef(background));
      Frame(dc, client, RGB(0x40, 0x40, 0x40));
    }
  }
  const auto& controls = form.Controls();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (controls[i].parent == index && controls[i].visible) PaintControl(dc, form, static_cast<int>(i), fonts);
  }
}

RECT RotatedLabelBox(HDC dc, const Form& form, int index, FontCache& fonts) {
  const Control& c = form.Controls()[static_cast<std::size_t>(index)];
  SIZE extent{};
  RotatedFont(dc, form, index, fonts, extent);
  return RECT{c.left, c.top, c.left + extent.cy, c.top + extent.cx};
}

void DrawGlyph(HDC dc, const RECT& box, Glyph glyph) {
  const int x = box.left + (box.right - box.left - 16) / 2;
  const int y = box.top + (box.bottom - box.top - 16) / 2;
  switch (glyph) {
    case Glyph::Object: {
      // A framed square: the host object to pick.
      Fill(dc, RECT{x + 1, y + 1, x + 15, y + 15}, RGB(0xE8, 0xF0, 0xFF));
      Frame(dc, RECT{x + 1, y + 1, x + 15, y + 15}, RGB(0x20, 0x40, 0x80));
      Frame(dc, RECT{x + 4, y + 4, x + 12, y + 12}, RGB(0x20, 0x40, 0x80));
      break;
    }
    case Glyph::Variable: {
      // A page with a red [#] and a curved arrow into it.
      Fill(dc, RECT{x + 3, y, x + 15, y + 16}, RGB(0xFF, 0xFF, 0xFF));
      Frame(dc, RECT{x + 3, y, x + 15, y + 16}, RGB(0x60, 0x60, 0x60));
      const COLORREF red = RGB(0xD0, 0x10, 0x10);
      FillBox(dc, x + 5, y + 3, 1, 8, red);  // [
      FillBox(dc, x + 5, y + 3, 2, 1, red);
      FillBox(dc, x + 5, y + 10, 2, 1, red);
      FillBox(dc, x + 12, y + 3, 1, 8, red);  // ]
      FillBox(dc, x + 11, y + 3, 2, 1, red);
      FillBox(dc, x + 11, y + 10, 2, 1, red);
      FillBox(dc, x + 8, y + 4, 1, 6, red);  // #
      FillBox(dc, x + 10, y + 4, 1, 6, red);
      FillBox(dc, x + 7, y + 5, 5, 1, red);
      FillBox(dc, x + 7, y + 8, 5, 1, red);
      HPEN pen = CreatePen(PS_SOLID, 1, RGB(0x10, 0x50, 0xC0));
      {
        SelectObjectScope p(dc, pen);
        Arc(dc, x - 2, y + 8, x + 8, y + 18, x + 7, y + 13, x + 3, y + 9);
      }
      DeleteObject(pen);
      FillBox(dc, x + 6, y + 12, 3, 1, RGB(0x10, 0x50, 0xC0));  // arrow head
      FillBox(dc, x + 7, y + 11, 1, 3, RGB(0x10, 0x50, 0xC0));
      break;
    }
    case Glyph::Color: {
      static constexpr std::array<COLORREF, 9> kSwatches = {
          RGB(0xE0, 0x20, 0x20), RGB(0xF0, 0xC0, 0x10), RGB(0x20, 0xA0, 0x30), RGB(0x20, 0x60, 0xE0),
          RGB(0x90, 0x30, 0xC0), RGB(0x10, 0xB0, 0xC0), RGB(0xF0, 0x80, 0x20), RGB(0x60, 0x60, 0x60),
          RGB(0xFF, 0xFF, 0xFF)};
      for (int i = 0; i < 9; ++i) {
        const RECT swatch{x + 1 + (i % 3) * 5, y + 1 + (i / 3) * 5, x + 1 + (i % 3) * 5 + 4, y + 1 + (i / 3) * 5 + 4};
        Fill(dc, swatch, kSwatches[static_cast<std::size_t>(i)]);
        Frame(dc, swatch, RGB(0x40, 0x40, 0x40));
      }
      break;
    }
    case Glyph::Font: {
      Fill(dc, RECT{x + 2, y, x + 14, y + 16}, RGB(0xFF, 0xFF, 0xFF));
      Frame(dc, RECT{x + 2, y, x + 14, y + 16}, RGB(0x60, 0x60, 0x60));
      const COLORREF blue = RGB(0x10, 0x40, 0xD0);
      FillBox(dc, x + 4, y + 3, 8, 2, blue);
      FillBox(dc, x + 7, y + 3, 2, 10, blue);
      FillBox(dc, x + 6, y + 12, 4, 1, blue);
      break;
    }
    case Glyph::None:
      break;
  }
}

void DrawPicture(HDC dc, const RECT& box, Picture picture) {
  const int w = box.right - box.left, h = box.bottom - box.top;
  if (w <= 0 || h <= 0 || picture == Picture::None) return;
  if (picture == Picture::AboutLogo) {
    // A neutral badge: a calendar page beside the product's name.
    RoundBox(dc, box, RGB(0xF4, 0xF8, 0xFC), RGB(0x13, 0x53, 0x76), 12);
    const int side = h - 12;
    DrawPicture(dc, RECT{box.left + 6, box.top + 6, box.left + 6 + side, box.top + 6 + side}, Picture::SmallIcon);
    HFONT font = CreateFontA(-std::max(12, h / 3), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0,
                             ANTIALIASED_QUALITY, 0, "Arial");
    Text(dc, "Orbidate", RECT{box.left + side + 12, box.top, box.right - 4, box.bottom}, font,
         RGB(0x13, 0x53, 0x76), DT_SINGLELINE | DT_VCENTER);
    DeleteObject(font);
    return;
  }
  // A month page: a coloured band with two rings over a grid of days, one
  // day marked.
  const RECT page{box.left + w / 12, box.top + h / 8, box.right - w / 12, box.bottom - h / 24};
  const int pw = page.right - page.left, ph = page.bottom - page.top;
  Fill(dc, page, RGB(0xFF, 0xFF, 0xFF));
  const RECT band{page.left, page.top, page.right, page.top + ph / 4};
  Fill(dc, band, RGB(0x13, 0x53, 0x76));
  Frame(dc, page, RGB(0x13, 0x53, 0x76));
  const int ring = std::max(2, pw / 10);
  for (int i : {1, 3}) {
    const int cx = page.left + pw * i / 4;
    FillBox(dc, cx - ring / 2, page.top - ring, ring, ring * 2, RGB(0x70, 0x70, 0x70));
  }
  const int cols = 7, rows = 5;
  const int cellW = pw / (cols + 1), cellH = (ph - ph / 4) / (rows + 1);
  if (cellW < 2 || cellH < 2) return;
  for (int r = 0; r < rows; ++r) {
    for (int col = 0; col < cols; ++col) {
      const int cx = page.left + cellW / 2 + col * cellW + (pw - cellW * (cols + 1)) / 2;
      const int cy = band.bottom + cellH / 2 + r * cellH;
      const bool marked = r == 2 && col == 3;
      const bool weekend = col >= 5;
      const COLORREF c = marked ? RGB(0xE0, 0x30, 0x30) : weekend ? RGB(0xE8, 0x90, 0x90) : RGB(0x9A, 0xB4, 0xC8);
      FillBox(dc, cx, cy, std::max(1, cellW - 1), std::max(1, cellH - 1), c);
    }
  }
}

}  // namespace orbidate::forms
