// Routes the host's edit and execute requests by action id.
//
// An executor receives copies of its slots' texts (a null slot is empty text)
// and never sees the slots; an editor receives the addresses of exactly its
// slots, to rewrite them with AssignHostString. No slot beyond the action's
// parameter count is ever read.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "plugin/HostStringSlot.h"

namespace orbidate {

using ActionArgs = std::span<const std::string>;
using ActionExecutor = bool (*)(ActionArgs args);
using ActionEditor = bool (*)(std::span<HostSlot* const> slots);

struct ActionHandlers {
  ActionExecutor execute = nullptr;
  ActionEditor edit = nullptr;
};

// The handlers of action |id| (1..20); an action whose handler is not there
// answers false.
ActionHandlers HandlersOf(std::int32_t id);

bool ExecuteAction(std::int32_t id, HostSlot* params);
bool EditAction(std::int32_t id, HostSlot* params);

}  // namespace orbidate
