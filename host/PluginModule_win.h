// Orbidate.nbp loaded by path, its entry points found by name, and the
// catalogue learnt from its HostAddAction calls.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "plugin/HostCallbacks.h"

namespace orbidate::host {

struct ActionInfo {
  std::int32_t id;
  std::string name;
  std::string hint;
  std::vector<std::uint8_t> kinds;
  std::string group;
};

class PluginModule {
 public:
  // The title, publisher and hint the plug-in reported.
  struct Identity {
    std::string title, publisher, hint;
  };

  bool Load(const std::string& path, std::string& error);
  ~PluginModule();

  Identity Init();
  // Registers the plug-in with this host's callbacks; returns the catalogue.
  std::vector<ActionInfo> Register(HostSetVarFn setVar, HostRunScriptFn runScript,
                                   HostInterfaceAccessFn interfaceAccess);
  bool Execute(std::int32_t id, std::vector<std::string>& params);
  bool Edit(std::int32_t id, std::vector<std::string>& params);
  void Message(std::int32_t code);
  void About();

 private:
  HMODULE module_ = nullptr;
  void(ORBIDATE_HOSTCALL* init_)(std::int32_t, HostSlot*, HostSlot*, HostSlot*) = nullptr;
  void(ORBIDATE_HOSTCALL* register_)(HostAddActionFn, std::int32_t, std::int32_t, HostSetVarFn) = nullptr;
  void(ORBIDATE_HOSTCALL* registerScript_)(HostRunScriptFn) = nullptr;
  void(ORBIDATE_HOSTCALL* registerAccess_)(HostInterfaceAccessFn) = nullptr;
  HostBool(ORBIDATE_HOSTCALL* edit_)(std::int32_t, HostSlot*) = nullptr;
  HostBool(ORBIDATE_HOSTCALL* exec_)(std::int32_t, HostSlot*) = nullptr;
  void(ORBIDATE_HOSTCALL* message_)(std::int32_t) = nullptr;
  void(ORBIDATE_HOSTCALL* about_)() = nullptr;
};

// Host string slots on the host's side: GlobalAlloc blocks of length + 1.
void AssignSlot(HostSlot* slot, const std::string& text);
void ReleaseSlot(HostSlot* slot);

}  // namespace orbidate::host
