// The eight functions the host finds in Orbidate.nbp by name.
#pragma once

#include <cstdint>

#include "plugin/HostCallbacks.h"

extern "C" {

ORBIDATE_HOSTCALL void nbInitPlugIn(std::int32_t unused, orbidate::HostSlot* title,
                                    orbidate::HostSlot* publisher, orbidate::HostSlot* hint);
ORBIDATE_HOSTCALL void nbRegisterPlugIn(orbidate::HostAddActionFn addAction, std::int32_t unused2,
                                        std::int32_t unused3, orbidate::HostSetVarFn setVar);
ORBIDATE_HOSTCALL void nbRegisterScriptProcessor(orbidate::HostRunScriptFn runScript);
ORBIDATE_HOSTCALL void nbRegisterInterfaceAccess(orbidate::HostInterfaceAccessFn interfaceAccess);
ORBIDATE_HOSTCALL orbidate::HostBool nbEditAction(std::int32_t id, orbidate::HostSlot* params);
ORBIDATE_HOSTCALL orbidate::HostBool nbExecAction(std::int32_t id, orbidate::HostSlot* params);
ORBIDATE_HOSTCALL void nbMessage(std::int32_t code);
ORBIDATE_HOSTCALL void nbAbout();

}  // extern "C"

namespace orbidate {

inline constexpr char kPluginTitle[] = "Orbidate";
inline constexpr char kPluginPublisher[] = "The Orbidate developers";
inline constexpr char kPluginHint[] = "Create a calendar with a choice of a period of dates.";

}  // namespace orbidate
