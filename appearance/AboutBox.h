// The about box, shown modally over the active window on the host's request.
#pragma once

namespace orbidate {

void ShowAboutBox();

}  // namespace orbidate
