// Runs one action editor through nbEditAction with the headless toolkit: the
// given slot texts in (nullopt: a null slot), the user's moves played on the
// dialog, the slots read back afterwards.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "editors/EditorDialog.h"
#include "forms/HeadlessDriver.h"
#include "plugin/EntryPoints.h"

namespace orbidate::testing {

using SlotTexts = std::vector<std::optional<std::string>>;

struct EditorRun {
  bool result = false;
  bool shown = false;
  SlotTexts after;
  std::vector<bool> sameBlock;  // slot still holds the block it was given
};

// |user| plays the user and returns the modal result it closes with.
inline EditorRun RunEditor(std::int32_t id, const SlotTexts& before,
                           const std::function<int(TEditorDialog&)>& user) {
  std::vector<HostSlot> slots(4, nullptr);
  for (std::size_t i = 0; i < before.size(); ++i) {
    if (before[i]) AssignHostString(&slots[i], *before[i]);
  }
  const std::vector<HostSlot> given = slots;
  EditorRun run;
  {
    forms::ScopedHeadlessDriver driver([&](forms::Form& form) {
      run.shown = true;
      auto& dialog = static_cast<TEditorDialog&>(form);
      form.Close(user(dialog));
    });
    run.result = nbEditAction(id, slots.data()) != 0;
  }
  for (std::size_t i = 0; i < slots.size(); ++i) {
    run.after.push_back(slots[i] == nullptr ? std::nullopt : std::optional<std::string>(slots[i]));
    run.sameBlock.push_back(slots[i] == given[i]);
    ReleaseHostString(&slots[i]);
  }
  return run;
}

}  // namespace orbidate::testing
