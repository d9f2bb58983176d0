// The plug-in's own module handle: window classes, resources and dialogs live
// under it, never under the host's.
#pragma once

#include <windows.h>

namespace orbidate {

HINSTANCE ModuleInstance();

// Registers a window class of ours under ModuleInstance(). A class of that
// name left behind by an earlier load of the library (whose window procedure
// may now point nowhere) is replaced. Classes registered here are
// unregistered when the library is unloaded. False on failure.
bool EnsureWindowClass(WNDCLASSEXA windowClass);

// Called when the library is unloaded.
void UnregisterWindowClasses();

}  // namespace orbidate
