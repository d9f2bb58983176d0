// The run-time executor of each action id.
#include <array>

#include "appearance/PickerActions.h"
#include "plugin/ActionCatalogue.h"
#include "plugin/ActionDispatch.h"

namespace orbidate {
namespace {

constexpr std::array<ActionExecutor, kLastActionId + 1> kExecutors = {
    nullptr,  // 0: group entries only
    nullptr,  // 1 OrbidateCreate
    nullptr,  // 2 OrbidateNameMounths
    nullptr,  // 3 OrbidateFont
    nullptr,  // 4 OrbidateDayFont
    nullptr,  // 5 OrbiFontSelColor
    nullptr,  // 6 OrbiDateSelColor
    nullptr,  // 7 OrbiFieldColor
    nullptr,  // 8 OrbiHeaderColor
    nullptr,  // 9 OrbiMultiSelect
    nullptr,  // 10 OrbidateGetDate
    nullptr,  // 11 OrbidateSetMonth
    nullptr,  // 12 OrbidateSetYear
    nullptr,  // 13 OrbiWeekEndColor
    nullptr,  // 14 OrbiStartDay
    nullptr,  // 15 OrbiInActiveDay
    nullptr,  // 16 OrbiSubMonthSelect
    nullptr,  // 17 OrbiSubYearSelect
    nullptr,  // 18 OrbiSubRightClick
    OrbiColorBox,  // 19 OrbiColorBox
    OrbiFontBox,  // 20 OrbiFontBox
};

}  // namespace

ActionExecutor ExecutorOf(std::int32_t id) {
  if (id < kFirstActionId || id > kLastActionId) return nullptr;
  return kExecutors[static_cast<std::size_t>(id)];
}

}  // namespace orbidate
