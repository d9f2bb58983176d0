// Slot blocks are fixed global memory: GlobalAlloc(0, ...) returns the
// block's address, which is also its handle, and the host frees what we leave
// in its slots with GlobalFree.
#include <windows.h>

#include "plugin/HostStringSlot.h"

namespace orbidate {
namespace {

class GlobalSlotMemory final : public SlotMemory {
 public:
  constexpr GlobalSlotMemory() = default;
  char* Allocate(std::size_t bytes) noexcept override { return static_cast<char*>(GlobalAlloc(0, bytes)); }
  void Free(char* block) noexcept override { GlobalFree(block); }
};

GlobalSlotMemory gSlotMemory;

}  // namespace

SlotMemory& HostSlotMemory() { return gSlotMemory; }

}  // namespace orbidate
