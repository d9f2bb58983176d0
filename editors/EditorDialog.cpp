#include "editors/EditorDialog.h"

#include "appearance/ColorSpec.h"
#include "appearance/FontSpec.h"
#include "plugin/Host.h"
#include "plugin/HostStringSlot.h"

namespace orbidate {
namespace {

StandardDialogs* gDialogsOverride = nullptr;

// While a button is held on a rotated label the two words swap places,
// reading downwards, and still read "Visual" before "NEO".
constexpr int kVisualRaise = 96;
constexpr int kNeoDrop = 130;

}  // namespace

StandardDialogs& EditorStandardDialogs() {
  return gDialogsOverride != nullptr ? *gDialogsOverride : SystemStandardDialogs();
}

void SetEditorStandardDialogs(StandardDialogs* dialogs) { gDialogsOverride = dialogs; }

FontValue FontDialogStartFont() {
  FontValue font;  // MS Sans Serif, clWindowText, no styles, character set 1
  return font;
}

TEditorDialog::TEditorDialog(const forms::FormDesc& desc) : Form(desc) {
  static constexpr forms::HandlerEntry<TEditorDialog> kHandlers[] = {
      {"Kn1", forms::FormEvent::Click, &TEditorDialog::Kn1Click},
      {"SpeedVariable", forms::FormEvent::Click, &TEditorDialog::SpeedVariableClick},
      {"PDJRotoLabel1", forms::FormEvent::MouseDown, &TEditorDialog::PDJRotoLabel1MouseDown},
      {"PDJRotoLabel2", forms::FormEvent::MouseDown, &TEditorDialog::PDJRotoLabel1MouseDown},
      {"PDJRotoLabel1", forms::FormEvent::MouseUp, &TEditorDialog::PDJRotoLabel1MouseUp},
      {"PDJRotoLabel2", forms::FormEvent::MouseUp, &TEditorDialog::PDJRotoLabel1MouseUp},
  };
  WireAll(this, kHandlers);
}

void TEditorDialog::OnShow() {
  if (const forms::Control* visual = Find("PDJRotoLabel1")) savedVisualTop_ = visual->top;
  if (const forms::Control* neo = Find("PDJRotoLabel2")) savedNeoTop_ = neo->top;
}

void TEditorDialog::PDJRotoLabel1MouseDown() {
  SetAngle("PDJRotoLabel1", 270);
  SetAngle("PDJRotoLabel2", 270);
  SetTop("PDJRotoLabel1", savedVisualTop_ - kVisualRaise);
  SetTop("PDJRotoLabel2", savedNeoTop_ + kNeoDrop);
}

void TEditorDialog::PDJRotoLabel1MouseUp() {
  SetAngle("PDJRotoLabel1", 90);
  SetAngle("PDJRotoLabel2", 90);
  SetTop("PDJRotoLabel1", savedVisualTop_);
  SetTop("PDJRotoLabel2", savedNeoTop_);
}

void TEditorDialog::Kn1Click() { HostNameButton("LEdit1", kRequestObjectName); }

void TEditorDialog::SpeedVariableClick() { HostNameButton("LEdit1", kRequestVariableName); }

void TEditorDialog::HostNameButton(std::string_view field, std::int32_t code) {
  // The slot goes back to the allocator on every path, whatever the host did
  // with it; the field changes only when the host says it chose a name.
  Host& host = CallbackHost();
  OwnedHostSlot slot(TextOf(field));
  const std::optional<bool> chosen = host.InterfaceAccess(code, slot.Address());
  if (chosen.value_or(false)) SetText(field, slot.Text());
}

void TEditorDialog::ColorButton(std::string_view field) {
  const std::optional<ColorValue> chosen = EditorStandardDialogs().PickColor(colorDialogColor_);
  if (chosen) {
    colorDialogColor_ = *chosen;
    SetText(field, FormatColorSpec(*chosen));
  }
  BringToTop();
}

void TEditorDialog::FontButton(std::string_view field) {
  const std::optional<FontValue> chosen =
      fontDialogFont_ ? EditorStandardDialogs().PickFont(*fontDialogFont_, 0)
                      : EditorStandardDialogs().PickFont(FontDialogStartFont(), kFontDialogStartPixels);
  if (!chosen) {
    BringToTop();
    return;
  }
  fontDialogFont_ = *chosen;
  labelFont_ = *chosen;
  BringToTop();
  SetText(field, FormatFontSpec(labelFont_));
}

}  // namespace orbidate
