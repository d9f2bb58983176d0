// orbidate_host: loads Orbidate.nbp as the authoring host does and runs a
// host script against it.
//
//   orbidate_host [--plugin PATH] [--list] [--headless] [--out FOLDER] [SCRIPT]
//
// --list prints the actions the plug-in registered, with their hints;
// --headless runs without a log panel and without waiting for the user;
// --out is where screenshots go (the working folder by default).
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "host/PluginModule_win.h"
#include "host/Script.h"
#include "host/ScriptRunner_win.h"

using namespace orbidate;
using namespace orbidate::host;

namespace {

std::string Folder(const std::string& path) {
  const std::size_t cut = path.find_last_of("\\/");
  return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

std::string ExecutableFolder() {
  char buffer[MAX_PATH];
  GetModuleFileNameA(nullptr, buffer, MAX_PATH);
  return Folder(buffer);
}

std::string KindsText(const ActionInfo& action) {
  std::string text;
  for (std::uint8_t kind : action.kinds) text += (text.empty() ? "" : ",") + std::to_string(kind);
  return text;
}

int Usage() {
  std::fprintf(stderr, "usage: orbidate_host [--plugin PATH] [--list] [--headless] [--out FOLDER] [SCRIPT]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::string pluginPath = ExecutableFolder() + "Orbidate.nbp";
  std::string scriptPath;
  bool list = false;
  RunOptions options;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--plugin") == 0 && i + 1 < argc) {
      pluginPath = argv[++i];
    } else if (std::strcmp(argv[i], "--list") == 0) {
      list = true;
    } else if (std::strcmp(argv[i], "--headless") == 0) {
      options.headless = true;
    } else if (std::strcmp(argv[i], "--out") == 0 && i + 1 < argc) {
      options.outputFolder = std::string(argv[++i]) + "\\";
    } else if (argv[i][0] == '-' || !scriptPath.empty()) {
      return Usage();
    } else {
      scriptPath = argv[i];
    }
  }

  Script script;
  if (!scriptPath.empty()) {
    std::ifstream in(scriptPath, std::ios::binary);
    if (!in) {
      std::fprintf(stderr, "orbidate_host: cannot read %s\n", scriptPath.c_str());
      return 1;
    }
    std::stringstream text;
    text << in.rdbuf();
    script = ReadScript(text.str());
    for (const ScriptError& error : script.errors) {
      std::fprintf(stderr, "%s:%d: %s\n", scriptPath.c_str(), error.line, error.message.c_str());
    }
    if (!script.errors.empty()) return 1;
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
  bool ok = true;
  {
    ScriptRunner runner(plugin, options);
    if (list) {
      std::printf("The plug-in registered %zu actions:\n", runner.Catalogue().size());
      for (const ActionInfo& action : runner.Catalogue()) {
        std::printf("  [%s] %2d %-20s (%s) %s\n", action.group.c_str(), action.id, action.name.c_str(),
                    KindsText(action).c_str(), action.hint.c_str());
      }
    }
    if (!scriptPath.empty()) ok = runner.Run(script);
  }
  return ok ? 0 : 1;
}
