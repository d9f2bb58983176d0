#include "support/TestHost.h"

#include <cstring>

namespace orbidate::wintest {
namespace {

TestHost* gCurrent = nullptr;

ORBIDATE_HOSTCALL void AddAction(std::int32_t id, const char* name, const char* hint, std::int32_t count,
                                 std::int32_t lastKindIndex, const std::uint8_t* kinds) {
  AddActionCall call{id, name, hint, {}, lastKindIndex, count};
  for (std::int32_t i = 0; i <= lastKindIndex; ++i) call.kinds.push_back(kinds[i]);
  gCurrent->addActions.push_back(call);
}

ORBIDATE_HOSTCALL void SetVar(const char* name, const char* value) {
  gCurrent->calls.push_back({"SetVar", name, value});
}

ORBIDATE_HOSTCALL void RunScript(const char* command) {
  gCurrent->calls.push_back({"RunScript", command, ""});
  if (gCurrent->onRunScript) gCurrent->onRunScript(command);
}

ORBIDATE_HOSTCALL HostBool InterfaceAccess(std::int32_t code, HostSlot* slot) {
  const std::string in = *slot == nullptr ? std::string() : std::string(*slot);
  gCurrent->calls.push_back({"InterfaceAccess", std::to_string(code), in});
  std::string out;
  if (!gCurrent->answer || !gCurrent->answer(code, in, out)) return 0;
  HostAssign(slot, out);
  return 1;
}

}  // namespace

TestHost::TestHost() : previous_(gCurrent) { gCurrent = this; }
TestHost::~TestHost() { gCurrent = previous_; }
TestHost& TestHost::Current() { return *gCurrent; }

HostAddActionFn TestHost::AddActionCallback() { return AddAction; }
HostSetVarFn TestHost::SetVarCallback() { return SetVar; }
HostRunScriptFn TestHost::RunScriptCallback() { return RunScript; }
HostInterfaceAccessFn TestHost::InterfaceAccessCallback() { return InterfaceAccess; }

void TestHost::RegisterWith(const EntryPoints& entry) {
  entry.registerPlugIn(AddAction, 0x1234, 0x5678, SetVar);
  entry.registerScriptProcessor(RunScript);
  entry.registerInterfaceAccess(InterfaceAccess);
}

void HostAssign(HostSlot* slot, const std::string& text) {
  if (*slot != nullptr) GlobalFree(*slot);
  *slot = static_cast<char*>(GlobalAlloc(0, text.size() + 1));
  std::memcpy(*slot, text.c_str(), text.size() + 1);
}

void HostRelease(HostSlot* slot) {
  if (*slot != nullptr) GlobalFree(*slot);
  *slot = nullptr;
}

}  // namespace orbidate::wintest

namespace orbidate::wintest {

bool ExecAction(const EntryPoints& entry, std::int32_t id, const std::vector<std::string>& texts) {
  std::vector<HostSlot> slots(texts.size() + 1, nullptr);
  for (std::size_t i = 0; i < texts.size(); ++i) HostAssign(&slots[i], texts[i]);
  const bool result = (entry.execAction(id, slots.data()) & 0xFF) != 0;
  for (HostSlot& slot : slots) HostRelease(&slot);
  return result;
}

}  // namespace orbidate::wintest
