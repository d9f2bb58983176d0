// A slot allocator that records every block it hands out and takes back, so
// tests can check the slot rule: old block freed first, exact sizes, no leak.
#pragma once

#include <cstdlib>
#include <map>
#include <vector>

#include "plugin/HostStringSlot.h"

namespace orbidate::testing {

class RecordingSlotMemory final : public SlotMemory {
 public:
  enum class Op { Allocate, Free };
  struct Event {
    Op op;
    char* block;
    std::size_t bytes;
  };

  ~RecordingSlotMemory() override {
    for (auto& [block, bytes] : live_) std::free(block);
  }

  char* Allocate(std::size_t bytes) noexcept override {
    if (failNext_) {
      failNext_ = false;
      events_.push_back({Op::Allocate, nullptr, bytes});
      return nullptr;
    }
    char* block = static_cast<char*>(std::malloc(bytes));
    live_[block] = bytes;
    events_.push_back({Op::Allocate, block, bytes});
    return block;
  }

  void Free(char* block) noexcept override {
    events_.push_back({Op::Free, block, live_.count(block) ? live_[block] : 0});
    live_.erase(block);
    std::free(block);
  }

  std::size_t SizeOf(const char* block) const {
    const auto it = live_.find(const_cast<char*>(block));
    return it == live_.end() ? 0 : it->second;
  }
  std::size_t LiveBlocks() const { return live_.size(); }
  const std::vector<Event>& Events() const { return events_; }
  void FailNextAllocation() { failNext_ = true; }

 private:
  std::map<char*, std::size_t> live_;
  std::vector<Event> events_;
  bool failNext_ = false;
};

}  // namespace orbidate::testing
