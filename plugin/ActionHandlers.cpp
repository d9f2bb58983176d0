// The run-time executor and the design-time editor of each action id.
#include <array>

#include "appearance/AppearanceActions.h"
#include "appearance/PickerActions.h"
#include "calendar/BehaviourActions.h"
#include "calendar/CreateCalendarAction.h"
#include "editors/ActionEditors.h"
#include "plugin/ActionCatalogue.h"
#include "plugin/ActionDispatch.h"

namespace orbidate {
namespace {

struct ActionHandlers {
  ActionExecutor execute;
  ActionEditor edit;
};

constexpr std::array<ActionHandlers, kLastActionId + 1> kHandlers = {{
    {nullptr, nullptr},  // 0: group entries only
    {ExecuteCreateOrDelete, &ActionEditorFor<1>},  // 1 OrbidateCreate
    {ExecuteNameMonths, &ActionEditorFor<2>},  // 2 OrbidateNameMounths
    {ExecuteFont, &ActionEditorFor<3>},  // 3 OrbidateFont
    {ExecuteDayFont, &ActionEditorFor<4>},  // 4 OrbidateDayFont
    {ExecuteFontSelColor, &ActionEditorFor<5>},  // 5 OrbiFontSelColor
    {ExecuteDateSelColor, &ActionEditorFor<6>},  // 6 OrbiDateSelColor
    {ExecuteFieldColor, &ActionEditorFor<7>},  // 7 OrbiFieldColor
    {ExecuteHeaderColor, &ActionEditorFor<8>},  // 8 OrbiHeaderColor
    {ExecuteMultiSelect, &ActionEditorFor<9>},  // 9 OrbiMultiSelect
    {ExecuteGetDate, &ActionEditorFor<10>},  // 10 OrbidateGetDate
    {ExecuteSetMonth, &ActionEditorFor<11>},  // 11 OrbidateSetMonth
    {ExecuteSetYear, &ActionEditorFor<12>},  // 12 OrbidateSetYear
    {ExecuteWeekEndColor, &ActionEditorFor<13>},  // 13 OrbiWeekEndColor
    {ExecuteStartDay, &ActionEditorFor<14>},  // 14 OrbiStartDay
    {ExecuteInActiveDay, &ActionEditorFor<15>},  // 15 OrbiInActiveDay
    {ExecuteSubMonthSelect, &ActionEditorFor<16>},  // 16 OrbiSubMonthSelect
    {ExecuteSubYearSelect, &ActionEditorFor<17>},  // 17 OrbiSubYearSelect
    {ExecuteSubRightClick, &ActionEditorFor<18>},  // 18 OrbiSubRightClick
    {OrbiColorBox, &ActionEditorFor<19>},  // 19 OrbiColorBox
    {OrbiFontBox, &ActionEditorFor<20>},  // 20 OrbiFontBox
}};

const ActionHandlers* HandlersOf(std::int32_t id) {
  if (id < kFirstActionId || id > kLastActionId) return nullptr;
  return &kHandlers[static_cast<std::size_t>(id)];
}

}  // namespace

ActionExecutor ExecutorOf(std::int32_t id) {
  const ActionHandlers* handlers = HandlersOf(id);
  return handlers == nullptr ? nullptr : handlers->execute;
}

ActionEditor EditorOf(std::int32_t id) {
  const ActionHandlers* handlers = HandlersOf(id);
  return handlers == nullptr ? nullptr : handlers->edit;
}

}  // namespace orbidate
