#include "plugin/ActionDispatch.h"

#include <array>

#include "plugin/ActionCatalogue.h"

namespace orbidate {

bool ExecuteAction(std::int32_t id, HostSlot* params) {
  const CatalogueEntry* action = FindAction(id);
  if (action == nullptr) return false;
  const ActionExecutor execute = ExecutorOf(id);
  if (execute == nullptr) return false;
  std::array<std::string, kMaxActionParams> texts;
  for (std::size_t i = 0; i < action->count; ++i) texts[i] = SlotText(params[i]);
  return execute(ActionArgs(texts.data(), action->count));
}

bool EditAction(std::int32_t id, HostSlot* params) {
  const CatalogueEntry* action = FindAction(id);
  if (action == nullptr) return false;
  const ActionEditor edit = EditorOf(id);
  if (edit == nullptr) return false;
  std::array<HostSlot*, kMaxActionParams> slots{};
  for (std::size_t i = 0; i < action->count; ++i) slots[i] = &params[i];
  return edit(std::span<HostSlot* const>(slots.data(), action->count));
}

}  // namespace orbidate
