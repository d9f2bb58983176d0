// The run-time executor of each action id.
#include <array>

#include "appearance/AppearanceActions.h"
#include "appearance/PickerActions.h"
#include "calendar/BehaviourActions.h"
#include "calendar/CreateCalendarAction.h"
#include "plugin/ActionCatalogue.h"
#include "plugin/ActionDispatch.h"

namespace orbidate {
namespace {

constexpr std::array<ActionExecutor, kLastActionId + 1> kExecutors = {
    nullptr,  // 0: group entries only
    ExecuteCreateOrDelete,  // 1 OrbidateCreate
    ExecuteNameMonths,  // 2 OrbidateNameMounths
    ExecuteFont,  // 3 OrbidateFont
    ExecuteDayFont,  // 4 OrbidateDayFont
    ExecuteFontSelColor,  // 5 OrbiFontSelColor
    ExecuteDateSelColor,  // 6 OrbiDateSelColor
    ExecuteFieldColor,  // 7 OrbiFieldColor
    ExecuteHeaderColor,  // 8 OrbiHeaderColor
    ExecuteMultiSelect,  // 9 OrbiMultiSelect
    ExecuteGetDate,  // 10 OrbidateGetDate
    ExecuteSetMonth,  // 11 OrbidateSetMonth
    ExecuteSetYear,  // 12 OrbidateSetYear
    ExecuteWeekEndColor,  // 13 OrbiWeekEndColor
    ExecuteStartDay,  // 14 OrbiStartDay
    ExecuteInActiveDay,  // 15 OrbiInActiveDay
    ExecuteSubMonthSelect,  // 16 OrbiSubMonthSelect
    ExecuteSubYearSelect,  // 17 OrbiSubYearSelect
    ExecuteSubRightClick,  // 18 OrbiSubRightClick
    OrbiColorBox,  // 19
    OrbiFontBox,   // 20
};

}  // namespace

ActionExecutor ExecutorOf(std::int32_t id) {
  if (id < kFirstActionId || id > kLastActionId) return nullptr;
  return kExecutors[static_cast<std::size_t>(id)];
}

}  // namespace orbidate
