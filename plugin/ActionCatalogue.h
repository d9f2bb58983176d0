// The twenty actions as the host sees them: the single source of their ids,
// names, parameter kinds and hints, in registration order with the two group
// entries.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "plugin/HostCallbacks.h"

namespace orbidate {

// Parameter kind bytes.
enum ParamKind : std::uint8_t {
  kKindText = 1,           // rectangle names, choice words, lists, FontSpec/ColorSpec, numbers
  kKindWeekdayNumber = 3,  // the first-day-of-week number of OrbiStartDay
  kKindHostName = 6,       // names a host variable or subroutine
};

inline constexpr std::int32_t kFirstActionId = 1;
inline constexpr std::int32_t kLastActionId = 20;
inline constexpr std::size_t kMaxActionParams = 4;

struct CatalogueEntry {
  std::int32_t id;  // 0 for a group entry
  std::string_view name;
  std::array<std::uint8_t, kMaxActionParams> kinds;
  std::uint8_t count;
  std::string_view hintCode;  // empty for a group entry

  constexpr bool IsGroup() const { return id == 0; }
};

// All 22 entries in registration order.
std::span<const CatalogueEntry> ActionCatalogue();

// The entry of action |id|, or null outside 1..20.
const CatalogueEntry* FindAction(std::int32_t id);

// Announces the catalogue to the host: one HostAddAction per entry, each hint
// looked up in the localization file at its own call.
void RegisterCatalogue(HostAddActionFn addAction);

}  // namespace orbidate
