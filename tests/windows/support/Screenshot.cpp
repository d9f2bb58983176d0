#include "support/Screenshot.h"

#include <cstdint>
#include <vector>

#include "host/PngWriter.h"

namespace orbidate::wintest {

bool SaveWindowPng(HWND window, const std::string& path) {
  RECT r;
  if (!GetWindowRect(window, &r)) return false;
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return false;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, bitmap);
  BitBlt(dc, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
  GdiFlush();
  std::vector<std::uint8_t> rgb;
  rgb.reserve(static_cast<std::size_t>(h) * 3 * static_cast<std::size_t>(w));
  const auto* pixels = static_cast<const std::uint8_t*>(bits);
  for (std::size_t i = 0; i < static_cast<std::size_t>(w) * h; ++i) {
    const std::uint8_t* p = pixels + i * 4;
    rgb.insert(rgb.end(), {p[2], p[1], p[0]});
  }
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return host::WritePng(path, w, h, rgb);
}

}  // namespace orbidate::wintest
