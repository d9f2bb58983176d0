// The design-time editors of the twenty actions: one table entry per action
// (dialog class, group shown, rows hidden or moved, fields with their slots,
// labels and description codes), run by one procedure.
#pragma once

#include <cstdint>
#include <span>

#include "plugin/HostStringSlot.h"

namespace orbidate {

// Shows the editor of action |id| over the active window. True after OK,
// with every field written into its slot in slot order; false after Cancel
// or the close box, with no slot touched. The dialog is gone on return.
bool RunActionEditor(std::int32_t id, std::span<HostSlot* const> slots);

template <std::int32_t Id>
bool ActionEditorFor(std::span<HostSlot* const> slots) {
  return RunActionEditor(Id, slots);
}

}  // namespace orbidate
