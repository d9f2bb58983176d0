// Loading creates nothing. When the host unloads the library (FreeLibrary),
// calendar windows still alive would keep window procedures that point into
// the unloaded code, and the host's next repaint of their rectangles would
// crash: they are destroyed here, and our window classes unregistered, so
// that a host that loads the library again gets working windows.
#include <windows.h>

#include "calendar/CalendarForms.h"
#include "plugin/Boundary.h"
#include "plugin/ModuleInstance_win.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
  // At process exit (reserved not null) the windows go with the process.
  if (reason == DLL_PROCESS_DETACH && reserved == nullptr) {
    orbidate::AtBoundary([] {
      orbidate::DestroyAllCalendars();
      orbidate::UnregisterWindowClasses();
    });
  }
  return TRUE;
}
