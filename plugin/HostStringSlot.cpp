#include "plugin/HostStringSlot.h"

#include <cstring>

namespace orbidate {

void AssignHostString(HostSlot* slot, std::string_view text, SlotMemory& memory) {
  if (*slot != nullptr) {
    memory.Free(*slot);
    *slot = nullptr;
  }
  char* block = memory.Allocate(text.size() + 1);
  if (block == nullptr) return;
  if (!text.empty()) std::memcpy(block, text.data(), text.size());
  block[text.size()] = '\0';
  *slot = block;
}

void ReleaseHostString(HostSlot* slot, SlotMemory& memory) {
  if (*slot != nullptr) memory.Free(*slot);
  *slot = nullptr;
}

std::string_view SlotText(HostSlot slot) { return slot == nullptr ? std::string_view() : std::string_view(slot); }

OwnedHostSlot::OwnedHostSlot(std::string_view text, SlotMemory& memory) : memory_(memory) {
  AssignHostString(&slot_, text, memory_);
}

OwnedHostSlot::~OwnedHostSlot() { ReleaseHostString(&slot_, memory_); }

}  // namespace orbidate
