// The host's side of the boundary, as a test program plays it: callbacks that
// record what the plug-in hands them, and slots filled under the slot rule
// with GlobalAlloc.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "support/LoadedPlugin.h"

namespace orbidate::wintest {

struct AddActionCall {
  std::int32_t id;
  std::string name;
  std::string hint;
  std::vector<std::uint8_t> kinds;
  std::int32_t lastKindIndex;
  std::int32_t count;
};

struct HostCall {
  std::string kind;  // "SetVar", "RunScript", "InterfaceAccess"
  std::string first;
  std::string second;
};

class TestHost {
 public:
  TestHost();
  ~TestHost();
  static TestHost& Current();

  std::vector<AddActionCall> addActions;
  std::vector<HostCall> calls;
  // HostInterfaceAccess: given the code and the slot's text, what the host
  // writes into the slot (nothing when it returns false).
  std::function<bool(std::int32_t code, const std::string& in, std::string& out)> answer;
  // Runs inside HostRunScript, after the call was recorded.
  std::function<void(const std::string& command)> onRunScript;

  void RegisterWith(const EntryPoints& entry);

  static HostAddActionFn AddActionCallback();
  static HostSetVarFn SetVarCallback();
  static HostRunScriptFn RunScriptCallback();
  static HostInterfaceAccessFn InterfaceAccessCallback();

 private:
  TestHost* previous_;
};

// A slot block as the host makes it.
void HostAssign(HostSlot* slot, const std::string& text);
void HostRelease(HostSlot* slot);

// nbExecAction as the host calls it: a slot per text, released afterwards.
bool ExecAction(const EntryPoints& entry, std::int32_t id, const std::vector<std::string>& texts);

}  // namespace orbidate::wintest
