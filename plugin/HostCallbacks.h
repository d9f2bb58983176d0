// The four callbacks through which the plug-in reaches the host, and the
// host's window message to a calendar.
#pragma once

#include <cstdint>

#include "plugin/HostCallConvention.h"
#include "plugin/HostStringSlot.h"

namespace orbidate {

// HostAddAction(id, name, hint, kinds, lastKindIndex, count): the host pushes
// kinds, then lastKindIndex, then count, so GCC sees them in reverse.
using HostAddActionFn = void(ORBIDATE_HOSTCALL*)(std::int32_t id, const char* name, const char* hint,
                                                 std::int32_t count, std::int32_t lastKindIndex,
                                                 const std::uint8_t* kinds);
using HostSetVarFn = void(ORBIDATE_HOSTCALL*)(const char* name, const char* value);
using HostRunScriptFn = void(ORBIDATE_HOSTCALL*)(const char* command);
using HostInterfaceAccessFn = HostBool(ORBIDATE_HOSTCALL*)(std::int32_t code, HostSlot* slot);

// Request codes of HostInterfaceAccess.
enum HostRequest : std::int32_t {
  kRequestRectangleWindow = 7,  // slot: a rectangle's name -> its window handle in decimal
  kRequestObjectName = 8,       // slot: a rectangle field's text -> the chosen object's name
  kRequestVariableName = 14,    // slot: a text field's text -> the chosen variable's name
};

// The host sends this to a calendar window; with LParam 4 the calendar
// re-attaches itself to its rectangle's current window.
inline constexpr unsigned kHostReattachMessage = 0x4FA;
inline constexpr std::intptr_t kHostReattachLParam = 4;

// nbMessage codes.
inline constexpr std::int32_t kMessageDestroyCalendars = 2;

// The callbacks the host has handed over; each later registration replaces
// what was kept, nothing resets them.
struct HostCallbacks {
  HostAddActionFn addAction = nullptr;
  HostSetVarFn setVar = nullptr;
  HostRunScriptFn runScript = nullptr;
  HostInterfaceAccessFn interfaceAccess = nullptr;
};

HostCallbacks& ModuleHostCallbacks();

}  // namespace orbidate
