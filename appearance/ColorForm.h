// TFormColorText: what the picker actions open their dialogs from. It carries
// ColorDialog2, FontDialog2 and Label1 with their starting values and lives
// for one action; it is never shown, so it has no window of its own. Because
// each action makes a fresh one, neither dialog remembers an earlier choice.
#pragma once

#include <optional>

#include "appearance/ColorValue.h"
#include "appearance/FontValue.h"
#include "appearance/StandardDialogs.h"

namespace orbidate {

class TFormColorText {
 public:
  // ColorDialog2 opens on black; FontDialog2 on MS Sans Serif 11 pixels high
  // (8 points at 96 dots per inch), clWindowText, no styles, character set 1.
  static constexpr ColorValue kColorDialogStart = kClBlack;
  static constexpr int kFontDialogStartPixelHeight = 11;
  static FontValue FontDialogStart() { return FontValue{"MS Sans Serif", kClWindowText, 8, 0, kDefaultCharset}; }

  explicit TFormColorText(StandardDialogs& dialogs) : dialogs_(dialogs) {}
  TFormColorText(const TFormColorText&) = delete;
  TFormColorText& operator=(const TFormColorText&) = delete;

  // Shows ColorDialog2; the confirmed colour or nothing.
  std::optional<ColorValue> ExecuteColorDialog2() { return dialogs_.PickColor(colorDialog2_); }

  // Shows FontDialog2; on confirmation Label1 receives a copy of the font.
  bool ExecuteFontDialog2() {
    const auto chosen = dialogs_.PickFont(fontDialog2_, kFontDialogStartPixelHeight);
    if (!chosen) return false;
    label1Font_ = *chosen;
    return true;
  }

  const FontValue& Label1Font() const { return label1Font_; }
  bool DialogFailed() const { return dialogs_.LastPickFailed(); }

 private:
  StandardDialogs& dialogs_;
  ColorValue colorDialog2_ = kColorDialogStart;
  FontValue fontDialog2_ = FontDialogStart();
  FontValue label1Font_;
};

}  // namespace orbidate
