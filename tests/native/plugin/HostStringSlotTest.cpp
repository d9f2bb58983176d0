#include "plugin/HostStringSlot.h"

#include <gtest/gtest.h>

#include <cstring>

#include "support/RecordingSlotMemory.h"

namespace orbidate {
namespace {

using testing::RecordingSlotMemory;
using Op = RecordingSlotMemory::Op;

TEST(HostStringSlot, AssignFreesTheOldBlockFirstThenStoresAnExactCopy) {
  RecordingSlotMemory memory;
  HostSlot slot = nullptr;
  AssignHostString(&slot, "old", memory);
  char* const oldBlock = slot;
  AssignHostString(&slot, "Orbidate", memory);

  ASSERT_EQ(memory.Events().size(), 3u);
  EXPECT_EQ(memory.Events()[1].op, Op::Free);
  EXPECT_EQ(memory.Events()[1].block, oldBlock);
  EXPECT_EQ(memory.Events()[2].op, Op::Allocate);
  EXPECT_EQ(memory.Events()[2].bytes, 9u);
  EXPECT_EQ(memory.SizeOf(slot), 9u);
  EXPECT_EQ(std::memcmp(slot, "Orbidate", 9), 0);

  ReleaseHostString(&slot, memory);
  EXPECT_EQ(slot, nullptr);
  EXPECT_EQ(memory.LiveBlocks(), 0u);
}

TEST(HostStringSlot, EmptyTextGivesAOneByteBlockNeverNull) {
  RecordingSlotMemory memory;
  HostSlot slot = nullptr;
  AssignHostString(&slot, "", memory);
  ASSERT_NE(slot, nullptr);
  EXPECT_EQ(memory.SizeOf(slot), 1u);
  EXPECT_EQ(slot[0], '\0');
  ReleaseHostString(&slot, memory);
}

TEST(HostStringSlot, ReleaseOfANullSlotDoesNothing) {
  RecordingSlotMemory memory;
  HostSlot slot = nullptr;
  ReleaseHostString(&slot, memory);
  EXPECT_EQ(slot, nullptr);
  EXPECT_TRUE(memory.Events().empty());
}

TEST(HostStringSlot, AFailedAllocationLeavesTheSlotNullAndTheOldBlockFreed) {
  RecordingSlotMemory memory;
  HostSlot slot = nullptr;
  AssignHostString(&slot, "old", memory);
  memory.FailNextAllocation();
  AssignHostString(&slot, "new", memory);
  EXPECT_EQ(slot, nullptr);
  EXPECT_EQ(memory.LiveBlocks(), 0u);
}

TEST(HostStringSlot, TextOfANullSlotIsEmpty) {
  EXPECT_EQ(SlotText(nullptr), "");
  char text[] = "x";
  EXPECT_EQ(SlotText(text), "x");
}

TEST(HostStringSlot, OwnedSlotIsReleasedOnEveryPath) {
  RecordingSlotMemory memory;
  {
    OwnedHostSlot slot("Rect1", memory);
    EXPECT_EQ(slot.Text(), "Rect1");
    // The host replaces the text under the slot rule.
    AssignHostString(slot.Address(), "132456", memory);
    EXPECT_EQ(slot.Text(), "132456");
  }
  EXPECT_EQ(memory.LiveBlocks(), 0u);
}

}  // namespace
}  // namespace orbidate
