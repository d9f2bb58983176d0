#include "appearance/PickerActions.h"

#include <string_view>

#include "appearance/ColorForm.h"
#include "appearance/ColorSpec.h"
#include "appearance/FontSpec.h"

namespace orbidate {
namespace {

// The dispatcher always hands over the one slot; an empty span reads as an
// empty name all the same.
std::string_view VariableName(ActionArgs args) { return args.empty() ? std::string_view() : args[0]; }

}  // namespace

bool RunColorBox(ActionArgs args, StandardDialogs& dialogs, Host& host) {
  TFormColorText form(dialogs);
  const auto chosen = form.ExecuteColorDialog2();
  if (!chosen) return !form.DialogFailed();
  host.SetVar(VariableName(args), FormatColorSpec(*chosen));
  return true;
}

bool RunFontBox(ActionArgs args, StandardDialogs& dialogs, Host& host) {
  TFormColorText form(dialogs);
  if (!form.ExecuteFontDialog2()) return !form.DialogFailed();
  host.SetVar(VariableName(args), FormatFontSpec(form.Label1Font()));
  return true;
}

bool OrbiColorBox(ActionArgs args) { return RunColorBox(args, SystemStandardDialogs(), CallbackHost()); }
bool OrbiFontBox(ActionArgs args) { return RunFontBox(args, SystemStandardDialogs(), CallbackHost()); }

}  // namespace orbidate
