// What the two parameter dialogs share: the frame around the field groups,
// the object and variable buttons that ask the host for a name, the colour
// and font buttons, and the rotated "Visual" / "NEO" labels.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "appearance/FontValue.h"
#include "appearance/StandardDialogs.h"
#include "forms/Form.h"

namespace orbidate {

// The colour and font dialogs the editors open: the system's, unless a test
// has put its own in place (null restores the system's).
StandardDialogs& EditorStandardDialogs();
void SetEditorStandardDialogs(StandardDialogs* dialogs);

// The starting font of FontDialog1, and its height in pixels.
FontValue FontDialogStartFont();
inline constexpr int kFontDialogStartPixels = 13;

class TEditorDialog : public forms::Form {
 public:
  explicit TEditorDialog(const forms::FormDesc& desc);

  // Handlers shared by both classes.
  void Kn1Click();
  void SpeedVariableClick();
  void PDJRotoLabel1MouseDown();
  void PDJRotoLabel1MouseUp();

  // The colour ColorDialog1 opens on next, and the font FontDialog1 opens on.
  ColorValue ColorDialogColor() const { return colorDialogColor_; }
  const FontValue& LabelFont() const { return labelFont_; }

 protected:
  void OnShow() override;  // FormShow
  // Asks the host for a name with request |code| and puts it into |field|.
  void HostNameButton(std::string_view field, std::int32_t code);
  void ColorButton(std::string_view field);
  void FontButton(std::string_view field);

 private:
  ColorValue colorDialogColor_ = kClBlack;
  std::optional<FontValue> fontDialogFont_;  // nothing until a font was confirmed
  FontValue labelFont_;
  int savedVisualTop_ = 0;
  int savedNeoTop_ = 0;
};

}  // namespace orbidate
