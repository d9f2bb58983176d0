// The plug-in loaded the way the host loads it: LoadLibraryA on the file,
// then the eight entry points found by name.
#pragma once

#include <windows.h>

#include <string>

#include "plugin/HostCallbacks.h"

namespace orbidate::wintest {

struct EntryPoints {
  void(ORBIDATE_HOSTCALL* initPlugIn)(std::int32_t, HostSlot*, HostSlot*, HostSlot*) = nullptr;
  void(ORBIDATE_HOSTCALL* registerPlugIn)(HostAddActionFn, std::int32_t, std::int32_t, HostSetVarFn) = nullptr;
  void(ORBIDATE_HOSTCALL* registerScriptProcessor)(HostRunScriptFn) = nullptr;
  void(ORBIDATE_HOSTCALL* registerInterfaceAccess)(HostInterfaceAccessFn) = nullptr;
  HostBool(ORBIDATE_HOSTCALL* editAction)(std::int32_t, HostSlot*) = nullptr;
  HostBool(ORBIDATE_HOSTCALL* execAction)(std::int32_t, HostSlot*) = nullptr;
  void(ORBIDATE_HOSTCALL* message)(std::int32_t) = nullptr;
  void(ORBIDATE_HOSTCALL* about)() = nullptr;
};

// The path of the plug-in under test: ORBIDATE_PLUGIN if set, else
// Orbidate.nbp beside the test program.
std::string PluginPath();

class LoadedPlugin {
 public:
  explicit LoadedPlugin(const std::string& path = PluginPath());
  ~LoadedPlugin();
  LoadedPlugin(const LoadedPlugin&) = delete;
  LoadedPlugin& operator=(const LoadedPlugin&) = delete;

  bool Loaded() const { return module_ != nullptr && complete_; }
  HMODULE Module() const { return module_; }
  const EntryPoints& Entry() const { return entry_; }
  void Unload();

 private:
  HMODULE module_ = nullptr;
  bool complete_ = false;
  EntryPoints entry_;
};

}  // namespace orbidate::wintest
