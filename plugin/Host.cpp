#include "plugin/Host.h"

#include "plugin/FloatingPointGuard.h"

namespace orbidate {
namespace {

class ModuleCallbackHost final : public Host {
 public:
  constexpr ModuleCallbackHost() = default;

  void SetVar(std::string_view name, std::string_view value) override {
    const HostSetVarFn setVar = ModuleHostCallbacks().setVar;
    if (setVar == nullptr) return;
    const std::string nameText(name), valueText(value);
    HostFloatingPoint hostWords;
    setVar(nameText.c_str(), valueText.c_str());
  }

  void RunScript(std::string_view command) override {
    const HostRunScriptFn runScript = ModuleHostCallbacks().runScript;
    if (runScript == nullptr) return;
    const std::string commandText(command);
    HostFloatingPoint hostWords;
    runScript(commandText.c_str());
  }

  std::optional<bool> InterfaceAccess(std::int32_t code, HostSlot* slot) override {
    const HostInterfaceAccessFn access = ModuleHostCallbacks().interfaceAccess;
    if (access == nullptr) return std::nullopt;
    HostFloatingPoint hostWords;
    return HostTrue(access(code, slot));
  }
};

ModuleCallbackHost gHost;
HostCallbacks gCallbacks;

}  // namespace

HostCallbacks& ModuleHostCallbacks() { return gCallbacks; }

Host& CallbackHost() { return gHost; }

std::string GoSubCommand(std::string_view subroutine) {
  std::string command = "GoSub \"";
  command += subroutine;
  command += '"';
  return command;
}

}  // namespace orbidate
