// Window icons drawn from our pictures.
#pragma once

#include <windows.h>

#include "forms/FormDescription.h"

namespace orbidate::forms {

// An icon of |size| pixels square showing |picture|; null when none can be
// made. The caller destroys it.
HICON CreatePictureIcon(Picture picture, int size);

}  // namespace orbidate::forms
