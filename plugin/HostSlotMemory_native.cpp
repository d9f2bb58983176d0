// Native builds have no host: slot blocks come from the C heap.
#include <cstdlib>

#include "plugin/HostStringSlot.h"

namespace orbidate {
namespace {

class HeapSlotMemory final : public SlotMemory {
 public:
  constexpr HeapSlotMemory() = default;
  char* Allocate(std::size_t bytes) noexcept override { return static_cast<char*>(std::malloc(bytes)); }
  void Free(char* block) noexcept override { std::free(block); }
};

HeapSlotMemory gSlotMemory;

}  // namespace

SlotMemory& HostSlotMemory() { return gSlotMemory; }

}  // namespace orbidate
