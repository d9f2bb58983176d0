#include "forms/FormIcon_win.h"

#include "forms/FormPainting_win.h"

namespace orbidate::forms {

HICON CreatePictureIcon(Picture picture, int size) {
  if (picture == Picture::None || size <= 0) return nullptr;
  HDC screen = GetDC(nullptr);
  HBITMAP color = CreateCompatibleBitmap(screen, size, size);
  HBITMAP mask = CreateBitmap(size, size, 1, 1, nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HICON icon = nullptr;
  if (color != nullptr && mask != nullptr && dc != nullptr) {
    // The picture on black, and a mask that keeps what the picture covered.
    HGDIOBJ old = SelectObject(dc, color);
    const RECT box{0, 0, size, size};
    FillRect(dc, &box, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    DrawPicture(dc, box, picture);
    SelectObject(dc, mask);
    FillRect(dc, &box, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const RECT page{size / 12, size / 8 - size / 10, size - size / 12, size - size / 24};
    FillRect(dc, &page, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SelectObject(dc, old);
    ICONINFO info{TRUE, 0, 0, mask, color};
    icon = CreateIconIndirect(&info);
  }
  if (dc != nullptr) DeleteDC(dc);
  if (color != nullptr) DeleteObject(color);
  if (mask != nullptr) DeleteObject(mask);
  ReleaseDC(nullptr, screen);
  return icon;
}

}  // namespace orbidate::forms
