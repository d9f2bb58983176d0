// The two dialog actions: OrbiColorBox (19) asks the user for a colour,
// OrbiFontBox (20) for a font, and each writes the choice into the host
// variable named by its one parameter, as a ColorSpec or a FontSpec. Nothing
// is written after Cancel; the result is true whether the user confirmed or
// cancelled, and false only when the dialog could not be shown.
#pragma once

#include "appearance/StandardDialogs.h"
#include "plugin/ActionDispatch.h"
#include "plugin/Host.h"

namespace orbidate {

bool RunColorBox(ActionArgs args, StandardDialogs& dialogs, Host& host);
bool RunFontBox(ActionArgs args, StandardDialogs& dialogs, Host& host);

// The executors: the system's dialogs and the host behind its callbacks.
bool OrbiColorBox(ActionArgs args);
bool OrbiFontBox(ActionArgs args);

}  // namespace orbidate
