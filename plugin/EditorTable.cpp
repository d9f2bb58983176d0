// The design-time editor of each action id.
#include <array>

#include "editors/ActionEditors.h"
#include "plugin/ActionCatalogue.h"
#include "plugin/ActionDispatch.h"

namespace orbidate {
namespace {

constexpr std::array<ActionEditor, kLastActionId + 1> kEditors = {
    nullptr,  // 0: group entries only
    &ActionEditorFor<1>,  // OrbidateCreate
    &ActionEditorFor<2>,  // OrbidateNameMounths
    &ActionEditorFor<3>,  // OrbidateFont
    &ActionEditorFor<4>,  // OrbidateDayFont
    &ActionEditorFor<5>,  // OrbiFontSelColor
    &ActionEditorFor<6>,  // OrbiDateSelColor
    &ActionEditorFor<7>,  // OrbiFieldColor
    &ActionEditorFor<8>,  // OrbiHeaderColor
    &ActionEditorFor<9>,  // OrbiMultiSelect
    &ActionEditorFor<10>,  // OrbidateGetDate
    &ActionEditorFor<11>,  // OrbidateSetMonth
    &ActionEditorFor<12>,  // OrbidateSetYear
    &ActionEditorFor<13>,  // OrbiWeekEndColor
    &ActionEditorFor<14>,  // OrbiStartDay
    &ActionEditorFor<15>,  // OrbiInActiveDay
    &ActionEditorFor<16>,  // OrbiSubMonthSelect
    &ActionEditorFor<17>,  // OrbiSubYearSelect
    &ActionEditorFor<18>,  // OrbiSubRightClick
    &ActionEditorFor<19>,  // OrbiColorBox
    &ActionEditorFor<20>,  // OrbiFontBox
};

}  // namespace

ActionEditor EditorOf(std::int32_t id) {
  if (id < kFirstActionId || id > kLastActionId) return nullptr;
  return kEditors[static_cast<std::size_t>(id)];
}

}  // namespace orbidate
