#include "support/RecordingHost.h"

namespace orbidate::testing {
namespace {

ORBIDATE_HOSTCALL void AddAction(std::int32_t id, const char* name, const char* hint, std::int32_t count,
                                 std::int32_t lastKindIndex, const std::uint8_t* kinds) {
  AddActionCall call{id, name, hint, {}, lastKindIndex, count};
  for (std::int32_t i = 0; i <= lastKindIndex; ++i) call.kinds.push_back(kinds[i]);
  RecordingHost::Current().addActions.push_back(call);
}

ORBIDATE_HOSTCALL void SetVar(const char* name, const char* value) {
  RecordingHost::Current().setVars.emplace_back(name, value);
}

ORBIDATE_HOSTCALL void RunScript(const char* command) { RecordingHost::Current().scripts.emplace_back(command); }

ORBIDATE_HOSTCALL HostBool InterfaceAccess(std::int32_t code, HostSlot* slot) {
  RecordingHost& host = RecordingHost::Current();
  host.accessRequests.emplace_back(code, std::string(SlotText(*slot)));
  AssignHostString(slot, host.accessAnswer);
  return host.accessResult ? 1 : 0;
}

}  // namespace

RecordingHost& RecordingHost::Current() {
  static RecordingHost host;
  return host;
}

void RecordingHost::Register() {
  nbRegisterPlugIn(AddAction, 0x11111111, 0x22222222, SetVar);
  nbRegisterScriptProcessor(RunScript);
  nbRegisterInterfaceAccess(InterfaceAccess);
}

}  // namespace orbidate::testing
