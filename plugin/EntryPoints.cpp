// The host drives everything through these functions. Each runs at the
// boundary: the host's floating-point words are masked while we run and given
// back exactly, and nothing thrown inside reaches the host.
#include "plugin/EntryPoints.h"

#include "appearance/AboutBox.h"
#include "calendar/CalendarForms.h"
#include "plugin/ActionCatalogue.h"
#include "plugin/ActionDispatch.h"
#include "plugin/Boundary.h"
#include "plugin/Localization.h"
#include "plugin/ModalMessage.h"

using namespace orbidate;

extern "C" {

ORBIDATE_HOSTCALL void nbInitPlugIn(std::int32_t, HostSlot* title, HostSlot* publisher, HostSlot* hint) {
  AtBoundary([&] {
    AssignHostString(title, kPluginTitle);
    AssignHostString(publisher, kPluginPublisher);
    AssignHostString(hint, kPluginHint);
  });
}

ORBIDATE_HOSTCALL void nbRegisterPlugIn(HostAddActionFn addAction, std::int32_t, std::int32_t,
                                        HostSetVarFn setVar) {
  AtBoundary([&] {
    if (LocalizationFile(LocalizationFilePath()).CheckHeader() == HeaderCheck::Differs) {
      ShowModalMessage(kInvalidHeaderMessage);
    }
    HostCallbacks& callbacks = ModuleHostCallbacks();
    callbacks.setVar = setVar;
    callbacks.addAction = addAction;
    RegisterCatalogue(addAction);
  });
}

ORBIDATE_HOSTCALL void nbRegisterScriptProcessor(HostRunScriptFn runScript) {
  AtBoundary([&] { ModuleHostCallbacks().runScript = runScript; });
}

ORBIDATE_HOSTCALL void nbRegisterInterfaceAccess(HostInterfaceAccessFn interfaceAccess) {
  AtBoundary([&] { ModuleHostCallbacks().interfaceAccess = interfaceAccess; });
}

ORBIDATE_HOSTCALL HostBool nbEditAction(std::int32_t id, HostSlot* params) {
  return AtBoundary(HostBool{0}, [&] { return HostBool{EditAction(id, params)}; });
}

ORBIDATE_HOSTCALL HostBool nbExecAction(std::int32_t id, HostSlot* params) {
  return AtBoundary(HostBool{0}, [&] { return HostBool{ExecuteAction(id, params)}; });
}

ORBIDATE_HOSTCALL void nbMessage(std::int32_t code) {
  AtBoundary([&] {
    if (code == kMessageDestroyCalendars) DestroyAllCalendars();
  });
}

ORBIDATE_HOSTCALL void nbAbout() {
  AtBoundary([] { ShowAboutBox(); });
}

}  // extern "C"
