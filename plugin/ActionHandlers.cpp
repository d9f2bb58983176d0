// Which executor and editor serve each action id. Actions whose handlers are
// not written yet answer false.
#include <array>

#include "plugin/ActionCatalogue.h"
#include "plugin/ActionDispatch.h"

namespace orbidate {
namespace {

constexpr std::array<ActionHandlers, kLastActionId + 1> kHandlers = {};

}  // namespace

ActionHandlers HandlersOf(std::int32_t id) {
  if (id < kFirstActionId || id > kLastActionId) return {};
  return kHandlers[static_cast<std::size_t>(id)];
}

}  // namespace orbidate
