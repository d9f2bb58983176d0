// Counts the GDI objects this program's own code creates and frees, by
// patching its imports of the GDI create and delete functions (Wine's
// GetGuiResources answers 0). Handles made by system DLLs are not seen.
#pragma once

#include <windows.h>

#include <memory>
#include <set>

#include "support/ImportPatch.h"

namespace orbidate::wintest {

class GdiCounter {
 public:
  GdiCounter();
  ~GdiCounter();
  // Objects created since the counter started and not deleted since.
  std::size_t Live() const { return live_.size(); }
  std::size_t Created() const { return created_; }

 private:
  static GdiCounter* current_;
  std::set<void*> live_;
  std::size_t created_ = 0;
  std::unique_ptr<ImportPatch> patches_[7];

  template <class Fn>
  static Fn Original(int i) {
    return reinterpret_cast<Fn>(current_->patches_[i]->Original());
  }
  static void Made(void* handle) {
    if (handle == nullptr) return;
    current_->live_.insert(handle);
    ++current_->created_;
  }
  static HFONT WINAPI FontA(const LOGFONTA* font) {
    HFONT h = Original<decltype(&CreateFontIndirectA)>(0)(font);
    Made(h);
    return h;
  }
  static HBRUSH WINAPI Brush(COLORREF color) {
    HBRUSH h = Original<decltype(&CreateSolidBrush)>(1)(color);
    Made(h);
    return h;
  }
  static HPEN WINAPI Pen(int style, int width, COLORREF color) {
    HPEN h = Original<decltype(&CreatePen)>(2)(style, width, color);
    Made(h);
    return h;
  }
  static HDC WINAPI Dc(HDC dc) {
    HDC h = Original<decltype(&CreateCompatibleDC)>(3)(dc);
    Made(h);
    return h;
  }
  static HBITMAP WINAPI Bitmap(HDC dc, int w, int h) {
    HBITMAP b = Original<decltype(&CreateCompatibleBitmap)>(4)(dc, w, h);
    Made(b);
    return b;
  }
  static BOOL WINAPI DeleteObj(HGDIOBJ object) {
    current_->live_.erase(object);
    return Original<decltype(&DeleteObject)>(5)(object);
  }
  static BOOL WINAPI DeleteDc(HDC dc) {
    current_->live_.erase(dc);
    return Original<decltype(&DeleteDC)>(6)(dc);
  }
};

inline GdiCounter* GdiCounter::current_ = nullptr;

inline GdiCounter::GdiCounter() {
  current_ = this;
  HMODULE self = GetModuleHandleA(nullptr);
  patches_[0] = std::make_unique<ImportPatch>(self, "gdi32.dll", "CreateFontIndirectA", reinterpret_cast<void*>(&FontA));
  patches_[1] = std::make_unique<ImportPatch>(self, "gdi32.dll", "CreateSolidBrush", reinterpret_cast<void*>(&Brush));
  patches_[2] = std::make_unique<ImportPatch>(self, "gdi32.dll", "CreatePen", reinterpret_cast<void*>(&Pen));
  patches_[3] = std::make_unique<ImportPatch>(self, "gdi32.dll", "CreateCompatibleDC", reinterpret_cast<void*>(&Dc));
  patches_[4] =
      std::make_unique<ImportPatch>(self, "gdi32.dll", "CreateCompatibleBitmap", reinterpret_cast<void*>(&Bitmap));
  patches_[5] = std::make_unique<ImportPatch>(self, "gdi32.dll", "DeleteObject", reinterpret_cast<void*>(&DeleteObj));
  patches_[6] = std::make_unique<ImportPatch>(self, "gdi32.dll", "DeleteDC", reinterpret_cast<void*>(&DeleteDc));
}

inline GdiCounter::~GdiCounter() {
  for (auto& patch : patches_) patch.reset();
  current_ = nullptr;
}

}  // namespace orbidate::wintest
