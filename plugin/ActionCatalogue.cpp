#include "plugin/ActionCatalogue.h"

#include <string>

#include "plugin/DefaultTexts.h"
#include "plugin/FloatingPointGuard.h"
#include "plugin/Localization.h"

namespace orbidate {
namespace {

constexpr std::array<CatalogueEntry, 22> kCatalogue = {{
    {0, "Orbidate", {}, 0, ""},
    {1, "OrbidateCreate", {1, 1, 1}, 3, "059*"},
    {2, "OrbidateNameMounths", {1, 1}, 2, "060*"},
    {3, "OrbidateFont", {1, 1}, 2, "061*"},
    {4, "OrbidateDayFont", {1, 1}, 2, "062*"},
    {5, "OrbiFontSelColor", {1, 1}, 2, "063*"},
    {6, "OrbiDateSelColor", {1, 1}, 2, "064*"},
    {7, "OrbiFieldColor", {1, 1, 1, 1}, 4, "065*"},
    {8, "OrbiHeaderColor", {1, 1, 1, 1}, 4, "066*"},
    {9, "OrbiMultiSelect", {1, 1}, 2, "067*"},
    {10, "OrbidateGetDate", {1, 6, 6}, 3, "068*"},
    {11, "OrbidateSetMonth", {1, 1}, 2, "069*"},
    {12, "OrbidateSetYear", {1, 1}, 2, "070*"},
    {13, "OrbiWeekEndColor", {1, 1}, 2, "071*"},
    {14, "OrbiStartDay", {1, 3}, 2, "072*"},
    {15, "OrbiInActiveDay", {1, 1, 1}, 3, "073*"},
    {16, "OrbiSubMonthSelect", {1, 6}, 2, "074*"},
    {17, "OrbiSubYearSelect", {1, 6}, 2, "075*"},
    {18, "OrbiSubRightClick", {1, 6}, 2, "076*"},
    {0, "Dialogs", {}, 0, ""},
    {19, "OrbiColorBox", {6}, 1, "077*"},
    {20, "OrbiFontBox", {6}, 1, "078*"},
}};

}  // namespace

std::span<const CatalogueEntry> ActionCatalogue() { return kCatalogue; }

const CatalogueEntry* FindAction(std::int32_t id) {
  if (id < kFirstActionId || id > kLastActionId) return nullptr;
  for (const CatalogueEntry& entry : kCatalogue) {
    if (entry.id == id) return &entry;
  }
  return nullptr;
}

void RegisterCatalogue(HostAddActionFn addAction) {
  if (addAction == nullptr) return;
  for (const CatalogueEntry& entry : kCatalogue) {
    const std::string name(entry.name);
    const std::string hint = entry.IsGroup() ? std::string() : Localize(entry.hintCode, DefaultText(entry.hintCode));
    HostFloatingPoint hostWords;
    addAction(entry.id, name.c_str(), hint.c_str(), entry.count, static_cast<std::int32_t>(entry.count) - 1,
              entry.kinds.data());
  }
}

}  // namespace orbidate
