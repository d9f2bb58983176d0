// Host string slots: the cells through which texts cross the boundary.
//
// A slot is a pointer-sized cell holding null or the address of a fixed global
// memory block with a zero-terminated 8-bit text. Whoever puts a new text into
// a slot first releases the block it held, then stores a block of exactly
// length + 1 bytes. Both sides of the boundary allocate and free these blocks
// with the same allocator (GlobalAlloc/GlobalFree on Windows), so the
// allocator is an interface here and the native tests can count its calls.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orbidate {

using HostSlot = char*;

class SlotMemory {
 public:
  virtual ~SlotMemory() = default;
  // A block of |bytes| bytes, or null when none can be had.
  virtual char* Allocate(std::size_t bytes) noexcept = 0;
  virtual void Free(char* block) noexcept = 0;
};

// The allocator the host shares with the plug-in.
SlotMemory& HostSlotMemory();

// Frees the slot's block (if any), then stores a fresh copy of |text| with its
// terminator; an empty text gives a one-byte block. When no block can be had
// the slot is left null.
void AssignHostString(HostSlot* slot, std::string_view text, SlotMemory& memory = HostSlotMemory());

// Frees the slot's block (if any) and leaves the slot null.
void ReleaseHostString(HostSlot* slot, SlotMemory& memory = HostSlotMemory());

// The slot's text; a null slot reads as empty text.
std::string_view SlotText(HostSlot slot);

// A slot the plug-in owns for one exchange with the host, released on every
// path out of its scope.
class OwnedHostSlot {
 public:
  explicit OwnedHostSlot(std::string_view text, SlotMemory& memory = HostSlotMemory());
  ~OwnedHostSlot();
  OwnedHostSlot(const OwnedHostSlot&) = delete;
  OwnedHostSlot& operator=(const OwnedHostSlot&) = delete;

  HostSlot* Address() { return &slot_; }
  std::string_view Text() const { return SlotText(slot_); }

 private:
  HostSlot slot_ = nullptr;
  SlotMemory& memory_;
};

}  // namespace orbidate
