// The host's services as the rest of the plug-in uses them: plain texts in,
// the callbacks called with zero-terminated copies and the host's own
// floating-point words. A service whose callback was never handed over does
// nothing.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "plugin/HostCallbacks.h"

namespace orbidate {

class Host {
 public:
  virtual ~Host() = default;
  virtual void SetVar(std::string_view name, std::string_view value) = 0;
  virtual void RunScript(std::string_view command) = 0;
  // The host's answer, or nothing when no interface-access callback exists.
  virtual std::optional<bool> InterfaceAccess(std::int32_t code, HostSlot* slot) = 0;
};

// The host behind the callbacks kept in module state.
Host& CallbackHost();

// "GoSub \"name\"": the name verbatim, nothing escaped, no line end.
std::string GoSubCommand(std::string_view subroutine);

}  // namespace orbidate
