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

// The executor and the editor of action |id| (1..20), null where there is
// none; an action without one answers false.
ActionExecutor ExecutorOf(std::int32_t id);
ActionEditor EditorOf(std::int32_t id);

bool ExecuteAction(std::int32_t id, HostSlot* params);
bool EditAction(std::int32_t id, HostSlot* params);

}  // namespace orbidate
