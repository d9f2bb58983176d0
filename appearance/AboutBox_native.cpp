#include "appearance/AboutBox.h"

namespace orbidate {

// The about box arrives with the editor dialogs' form toolkit.
void ShowAboutBox() {}

}  // namespace orbidate
