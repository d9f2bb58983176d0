#include "support/LoadedPlugin.h"

namespace orbidate::wintest {
namespace {

template <class Fn>
bool Find(HMODULE module, const char* name, Fn& fn) {
  fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  return fn != nullptr;
}

}  // namespace

std::string PluginPath() {
  char buffer[MAX_PATH];
  const DWORD n = GetEnvironmentVariableA("ORBIDATE_PLUGIN", buffer, MAX_PATH);
  if (n > 0 && n < MAX_PATH) return buffer;
  GetModuleFileNameA(nullptr, buffer, MAX_PATH);
  std::string path(buffer);
  path.resize(path.find_last_of("\\/") + 1);
  return path + "Orbidate.nbp";
}

LoadedPlugin::LoadedPlugin(const std::string& path) {
  module_ = LoadLibraryA(path.c_str());
  if (module_ == nullptr) return;
  complete_ = Find(module_, "nbInitPlugIn", entry_.initPlugIn) &&
              Find(module_, "nbRegisterPlugIn", entry_.registerPlugIn) &&
              Find(module_, "nbRegisterScriptProcessor", entry_.registerScriptProcessor) &&
              Find(module_, "nbRegisterInterfaceAccess", entry_.registerInterfaceAccess) &&
              Find(module_, "nbEditAction", entry_.editAction) && Find(module_, "nbExecAction", entry_.execAction) &&
              Find(module_, "nbMessage", entry_.message) && Find(module_, "nbAbout", entry_.about);
}

LoadedPlugin::~LoadedPlugin() { Unload(); }

void LoadedPlugin::Unload() {
  if (module_ != nullptr) FreeLibrary(module_);
  module_ = nullptr;
  entry_ = {};
}

}  // namespace orbidate::wintest
