// Loading creates nothing. Unloading unregisters the window classes we
// registered, so that a host that loads the library again gets classes with
// the new window procedures (windows still alive at that moment are the
// host's to destroy; we never destroy them here).
#include <windows.h>

#include "plugin/ModuleInstance_win.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_DETACH && reserved == nullptr) orbidate::UnregisterWindowClasses();
  return TRUE;
}
