// The standard colour and font dialogs of the system (ChooseColorA,
// ChooseFontA), owned by the calling thread's active window.
#include <windows.h>

#include <commdlg.h>
#include <dlgs.h>

#include <cstring>
#include <optional>
#include <string>

#include "appearance/FontSpec.h"
#include "appearance/LogFont_win.h"
#include "appearance/StandardDialogs.h"
#include "plugin/Boundary.h"
#include "plugin/NameComparison.h"

namespace orbidate {
namespace {

COLORREF RgbOf(ColorValue color) {
  if (color.IsSystemColor()) return GetSysColor(color.SystemIndex());
  return color.value & 0x00FFFFFFu;
}

int ScreenPixelsPerInch() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

// What the font dialog showed when it opened, so that an untouched face or
// script can be told from a chosen one once it is confirmed.
struct FontDialogOpening {
  std::string face;
  std::optional<BYTE> script;
};

UINT_PTR CALLBACK FontDialogHook(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
  return AtBoundary<UINT_PTR>(0, [&]() -> UINT_PTR {
    if (message != WM_INITDIALOG) return 0;
    const auto* choose = reinterpret_cast<const CHOOSEFONTA*>(lParam);
    auto* opening = reinterpret_cast<FontDialogOpening*>(choose->lCustData);
    char face[LF_FACESIZE] = {};
    GetDlgItemTextA(dialog, cmb1, face, LF_FACESIZE);
    opening->face = face;
    const LRESULT index = SendDlgItemMessageA(dialog, cmb5, CB_GETCURSEL, 0, 0);
    if (index != CB_ERR) {
      const LRESULT data = SendDlgItemMessageA(dialog, cmb5, CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
      if (data != CB_ERR) opening->script = static_cast<BYTE>(data & 0xFF);
    }
    return 0;  // the dialog's own initialization stands
  });
}

class SystemDialogs final : public StandardDialogs {
 public:
  std::optional<ColorValue> PickColor(ColorValue start) override {
    lastFailed_ = false;
    COLORREF customColors[16];
    for (COLORREF& custom : customColors) custom = RGB(255, 255, 255);
    CHOOSECOLORA choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = GetActiveWindow();
    choose.rgbResult = RgbOf(start);
    choose.lpCustColors = customColors;
    choose.Flags = CC_RGBINIT;
    if (ChooseColorA(&choose)) return ColorValue{choose.rgbResult & 0x00FFFFFFu};
    lastFailed_ = CommDlgExtendedError() != 0;
    return std::nullopt;
  }

  std::optional<FontValue> PickFont(const FontValue& start, int startPixelHeight) override {
    lastFailed_ = false;
    FontValue shown = start;
    shown.face = CutFaceName(start.face);
    LOGFONTA font = LogFontOf(
        shown, startPixelHeight > 0 ? startPixelHeight : MulDiv(start.size, ScreenPixelsPerInch(), 72));

    FontDialogOpening opening;
    const COLORREF startRgb = RgbOf(start.color);
    CHOOSEFONTA choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = GetActiveWindow();
    choose.lpLogFont = &font;
    choose.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT | CF_ENABLEHOOK;
    choose.rgbColors = startRgb;
    choose.lCustData = reinterpret_cast<LPARAM>(&opening);
    choose.lpfnHook = FontDialogHook;
    if (!ChooseFontA(&choose)) {
      lastFailed_ = CommDlgExtendedError() != 0;
      return std::nullopt;
    }

    font.lfFaceName[LF_FACESIZE - 1] = '\0';
    FontValue chosen;
    chosen.face = CutFaceName(font.lfFaceName);
    chosen.size = choose.iPointSize / 10;
    chosen.styles = 0;
    if (font.lfWeight >= FW_BOLD) chosen.styles |= kFontBold;
    if (font.lfItalic) chosen.styles |= kFontItalic;
    if (font.lfUnderline) chosen.styles |= kFontUnderline;
    if (font.lfStrikeOut) chosen.styles |= kFontStrikeOut;
    // A colour the user did not pick keeps its name (clWindowText rather than
    // the black it happens to be today).
    chosen.color = (choose.rgbColors & 0x00FFFFFFu) == startRgb ? start.color
                                                                : ColorValue{choose.rgbColors & 0x00FFFFFFu};
    const bool sameFace = NamesEqual(chosen.face, shown.face) || NamesEqual(chosen.face, opening.face);
    const bool sameScript = !opening.script || font.lfCharSet == *opening.script;
    chosen.charset = sameFace && sameScript ? start.charset : font.lfCharSet;
    return chosen;
  }

  bool LastPickFailed() const override { return lastFailed_; }

 private:
  bool lastFailed_ = false;
};

}  // namespace

StandardDialogs& SystemStandardDialogs() {
  static SystemDialogs dialogs;
  return dialogs;
}

}  // namespace orbidate
