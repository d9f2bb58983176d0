// orbidate_host: loads Orbidate.nbp as the authoring host does and shows what
// it reports. Usage: orbidate_host [--plugin PATH] [--list]
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "host/PluginModule_win.h"

using namespace orbidate;
using namespace orbidate::host;

namespace {

ORBIDATE_HOSTCALL void SetVar(const char* name, const char* value) {
  std::printf("  HostSetVar(\"%s\", \"%s\")\n", name, value);
}

ORBIDATE_HOSTCALL void RunScript(const char* command) { std::printf("  HostRunScript(%s)\n", command); }

ORBIDATE_HOSTCALL HostBool InterfaceAccess(std::int32_t code, HostSlot* slot) {
  std::printf("  HostInterfaceAccess(%d, \"%s\")\n", code, *slot ? *slot : "");
  return 0;
}

std::string DefaultPluginPath() {
  char buffer[MAX_PATH];
  GetModuleFileNameA(nullptr, buffer, MAX_PATH);
  std::string path(buffer);
  path.resize(path.find_last_of("\\/") + 1);
  return path + "Orbidate.nbp";
}

std::string KindsText(const ActionInfo& action) {
  std::string text;
  for (std::uint8_t kind : action.kinds) text += (text.empty() ? "" : ",") + std::to_string(kind);
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  std::string pluginPath = DefaultPluginPath();
  bool list = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--plugin") == 0 && i + 1 < argc) {
      pluginPath = argv[++i];
    } else if (std::strcmp(argv[i], "--list") == 0) {
      list = true;
    } else {
      std::fprintf(stderr, "usage: orbidate_host [--plugin PATH] [--list]\n");
      return 2;
    }
  }
  PluginModule plugin;
  std::string error;
  if (!plugin.Load(pluginPath, error)) {
    std::fprintf(stderr, "orbidate_host: %s\n", error.c_str());
    return 1;
  }
  const PluginModule::Identity identity = plugin.Init();
  std::printf("Loaded %s\n  title:     %s\n  publisher: %s\n  hint:      %s\n", pluginPath.c_str(),
              identity.title.c_str(), identity.publisher.c_str(), identity.hint.c_str());
  const auto catalogue = plugin.Register(SetVar, RunScript, InterfaceAccess);
  std::printf("Registered %zu actions\n", catalogue.size());
  if (list) {
    for (const ActionInfo& action : catalogue) {
      std::printf("  [%s] %2d %-20s (%s) %s\n", action.group.c_str(), action.id, action.name.c_str(),
                  KindsText(action).c_str(), action.hint.c_str());
    }
  }
  plugin.Message(2);
  return 0;
}
