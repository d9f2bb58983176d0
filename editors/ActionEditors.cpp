#include "editors/ActionEditors.h"

#include <algorithm>
#include <array>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "editors/TFormDATA.h"
#include "editors/TFormFree.h"
#include "plugin/ActionCatalogue.h"
#include "plugin/DefaultTexts.h"
#include "plugin/Localization.h"
#include "plugin/SplitText.h"

namespace orbidate {
namespace {

enum class Dialog : std::uint8_t { Free, Data };
enum class FieldKind : std::uint8_t { Text, Choice, DayGrid, MonthGrid };

struct Field {
  std::string_view control;
  std::uint8_t slot;
  std::string_view label;  // empty: the edit's own EditLabel
  std::string_view code;
  FieldKind kind = FieldKind::Text;
  std::span<const std::string_view> items = {};
  bool weekdayLabelWithoutColon = false;  // code 048* in the OrbiInActiveDay editor
};

struct EditorLayout {
  Dialog dialog;
  std::string_view group;
  std::array<std::string_view, 3> hidden;
  std::string_view moved;  // moved row, to movedTop within its group
  std::int16_t movedTop;
  std::string_view infoCode;
  std::span<const Field> fields;
};

constexpr std::string_view kCreateDelete[] = {"Create", "Delete"};
constexpr std::string_view kVerticalHorizontal[] = {"Vertical", "Horizontal"};
constexpr std::string_view kTrueFalse[] = {"True", "False"};
constexpr std::string_view kMonthNumbers[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"};
constexpr std::string_view kWeekdayNumbers[] = {"1", "2", "3", "4", "5", "6", "7"};
constexpr std::string_view kWeekdayNames[] = {"Monday", "Tuesday", "Wednesday", "Thursday",
                                              "Friday", "Saturday", "Sunday"};

// Column 0 of the name grids.
constexpr std::string_view kDayNameCodes[] = {"004*", "005*", "006*", "007*", "008*", "009*", "010*"};
constexpr std::string_view kMonthNameCodes[] = {"013*", "014*", "015*", "016*", "017*", "018*",
                                                "019*", "020*", "021*", "022*", "023*", "024*"};

constexpr Field kCreateFields[] = {
    {"ComboBox1", 1, "Label1", "002*", FieldKind::Choice, kCreateDelete},
    {"StringGrid1", 2, "Label2", "003*", FieldKind::DayGrid},
};
constexpr Field kMonthNameFields[] = {{"StringGrid2", 1, "Label8", "012*", FieldKind::MonthGrid}};
constexpr Field kCaptionFontFields[] = {{"LEdit16", 1, {}, "026*"}};
constexpr Field kDayFontFields[] = {{"LEdit16", 1, {}, "028*"}};
constexpr Field kColorFields[] = {{"LEdit17", 1, {}, "030*"}};
constexpr Field kGradientFields[] = {
    {"LEdit2", 1, {}, "033*"},
    {"LEdit3", 2, {}, "034*"},
    {"ComboBox1", 3, "Label7", "035*", FieldKind::Choice, kVerticalHorizontal},
};
constexpr Field kMultiSelectFields[] = {{"ComboBox2", 1, "Label1", "038*", FieldKind::Choice, kTrueFalse}};
constexpr Field kGetDateFields[] = {{"LEdit15", 1, {}, "040*"}, {"LEdit17", 2, {}, "041*"}};
constexpr Field kMonthFields[] = {{"ComboBox2", 1, "Label1", "043*", FieldKind::Choice, kMonthNumbers}};
constexpr Field kYearFields[] = {{"LEdit17", 1, {}, "045*"}};
constexpr Field kStartDayFields[] = {{"ComboBox2", 1, "Label1", "048*", FieldKind::Choice, kWeekdayNumbers}};
constexpr Field kInActiveDayFields[] = {
    {"ComboBox3", 1, "Label2", "048*", FieldKind::Choice, kWeekdayNames, true},
    {"ComboBox4", 2, "Label3", "000*", FieldKind::Choice, kTrueFalse},
};
constexpr Field kSubroutineFields[] = {{"LEdit17", 1, {}, "051*"}};
constexpr Field kColorBoxFields[] = {{"LEdit17", 0, {}, "055*"}};
constexpr Field kFontBoxFields[] = {{"LEdit17", 0, {}, "057*"}};

constexpr std::array<std::string_view, 3> kNone = {};
constexpr std::array<std::string_view, 3> kFontRowOnly = {"Panel21", "Panel2"};
constexpr std::array<std::string_view, 3> kMiddleRowOnly = {"Panel21", "Panel19"};
constexpr std::array<std::string_view, 3> kMiddleRowVariableOnly = {"Panel21", "Panel19", "SpeedButton2"};
constexpr std::array<std::string_view, 3> kNamesWithoutColours = {"SpeedButton19", "SpeedButton2", "Panel19"};

// Indexed by action id; entry 0 is no action. Actions 19 and 20 have no
// rectangle row: their only field edits slot 0.
constexpr EditorLayout kLayouts[] = {
    {Dialog::Free, {}, kNone, {}, 0, {}, {}},
    {Dialog::Data, "Panel3", kNone, {}, 0, "011*", kCreateFields},
    {Dialog::Data, "Panel2", kNone, {}, 0, "025*", kMonthNameFields},
    {Dialog::Free, "Panel5", kFontRowOnly, "Panel19", 48, "027*", kCaptionFontFields},
    {Dialog::Free, "Panel5", kFontRowOnly, "Panel19", 48, "029*", kDayFontFields},
    {Dialog::Free, "Panel5", kMiddleRowOnly, {}, 0, "031*", kColorFields},
    {Dialog::Free, "Panel5", kMiddleRowOnly, {}, 0, "032*", kColorFields},
    {Dialog::Free, "Panel3", kNone, {}, 0, "036*", kGradientFields},
    {Dialog::Free, "Panel3", kNone, {}, 0, "037*", kGradientFields},
    {Dialog::Free, "Panel8", kNone, {}, 0, "039*", kMultiSelectFields},
    {Dialog::Free, "Panel5", kNamesWithoutColours, {}, 0, "042*", kGetDateFields},
    {Dialog::Free, "Panel8", kNone, {}, 0, "044*", kMonthFields},
    {Dialog::Free, "Panel5", kMiddleRowVariableOnly, {}, 0, "046*", kYearFields},
    {Dialog::Free, "Panel5", kMiddleRowOnly, {}, 0, "047*", kColorFields},
    {Dialog::Free, "Panel8", kNone, {}, 0, "049*", kStartDayFields},
    {Dialog::Free, "Panel9", kNone, {}, 0, "050*", kInActiveDayFields},
    {Dialog::Free, "Panel5", kMiddleRowVariableOnly, {}, 0, "052*", kSubroutineFields},
    {Dialog::Free, "Panel5", kMiddleRowVariableOnly, {}, 0, "053*", kSubroutineFields},
    {Dialog::Free, "Panel5", kMiddleRowVariableOnly, {}, 0, "054*", kSubroutineFields},
    {Dialog::Free, "Panel5", kMiddleRowVariableOnly, {}, 0, "056*", kColorBoxFields},
    {Dialog::Free, "Panel5", kMiddleRowVariableOnly, {}, 0, "058*", kFontBoxFields},
};
static_assert(std::size(kLayouts) == kLastActionId + 1);

constexpr std::int32_t kLastRectangleAction = 18;
constexpr int kPixelsPerCommandCharacter = 15;

std::string Localized(std::string_view code, std::string_view fallback) { return Localize(code, fallback); }

std::span<const std::string_view> NameCodes(FieldKind kind) {
  return kind == FieldKind::DayGrid ? std::span<const std::string_view>(kDayNameCodes)
                                    : std::span<const std::string_view>(kMonthNameCodes);
}

void FillGrid(forms::Form& dialog, const Field& field, HostSlot slot) {
  const std::span<const std::string_view> codes = NameCodes(field.kind);
  for (std::size_t row = 0; row < codes.size(); ++row) {
    dialog.SetCell(field.control, 0, static_cast<int>(row), Localized(codes[row], DefaultText(codes[row])));
  }
  if (slot == nullptr) return;
  // A list that cannot be cut (no memory) leaves column 1 as it is; the
  // editor goes on.
  try {
    std::vector<std::string> pieces;
    SplitText(SlotText(slot), pieces, '|');
    if (pieces.size() != codes.size()) return;
    for (std::size_t row = 0; row < pieces.size(); ++row) {
      dialog.SetCell(field.control, 1, static_cast<int>(row), pieces[row]);
    }
  } catch (const std::bad_alloc&) {
  }
}

void FillField(forms::Form& dialog, const Field& field, HostSlot slot) {
  const std::string_view fallback =
      field.weekdayLabelWithoutColon ? InActiveDayWeekdayLabel() : DefaultText(field.code);
  dialog.SetCaptionOf(field.label.empty() ? field.control : field.label, Localized(field.code, fallback));
  switch (field.kind) {
    case FieldKind::Text:
      dialog.SetText(field.control, SlotText(slot));
      break;
    case FieldKind::Choice: {
      const std::string_view text = SlotText(slot);
      int match = -1;
      for (std::size_t i = 0; i < field.items.size(); ++i) {
        dialog.AddItem(field.control, field.items[i]);
        if (slot != nullptr && field.items[i] == text) match = static_cast<int>(i);
      }
      dialog.Select(field.control, match);
      break;
    }
    case FieldKind::DayGrid:
    case FieldKind::MonthGrid:
      FillGrid(dialog, field, slot);
      break;
  }
}

std::string FieldText(const forms::Form& dialog, const Field& field) {
  switch (field.kind) {
    case FieldKind::Text:
      return dialog.TextOf(field.control);
    case FieldKind::Choice:
      return dialog.SelectedText(field.control);
    case FieldKind::DayGrid:
    case FieldKind::MonthGrid: {
      std::vector<std::string> cells;
      for (std::size_t row = 0; row < NameCodes(field.kind).size(); ++row) {
        cells.push_back(dialog.Cell(field.control, 1, static_cast<int>(row)));
      }
      return JoinText(cells, '|');
    }
  }
  return {};
}

std::unique_ptr<TEditorDialog> CreateDialog(Dialog kind) {
  if (kind == Dialog::Data) {
    auto dialog = std::make_unique<TFormDATA>();
    FormDATA = dialog.get();
    return dialog;
  }
  auto dialog = std::make_unique<TFormFree>();
  FormFree = dialog.get();
  return dialog;
}

}  // namespace

bool RunActionEditor(std::int32_t id, std::span<HostSlot* const> slots) {
  const CatalogueEntry* action = FindAction(id);
  if (action == nullptr) return false;
  const EditorLayout& layout = kLayouts[static_cast<std::size_t>(id)];
  const bool rectangleRow = id <= kLastRectangleAction;
  for (const Field& field : layout.fields) {
    if (field.slot >= slots.size() || slots[field.slot] == nullptr) return false;
  }
  if (rectangleRow && (slots.empty() || slots[0] == nullptr)) return false;

  const std::unique_ptr<TEditorDialog> dialog = CreateDialog(layout.dialog);
  dialog->SetCaption(action->name);
  if (!rectangleRow) dialog->SetVisible("Panel1", false);
  dialog->BringToFront(layout.group);
  dialog->SetVisible(layout.group, true);
  for (std::string_view hidden : layout.hidden) {
    if (!hidden.empty()) dialog->SetVisible(hidden, false);
  }
  if (!layout.moved.empty()) dialog->SetTop(layout.moved, layout.movedTop);

  if (rectangleRow) {
    dialog->SetCaptionOf("LEdit1", Localized("001*", DefaultText("001*")));
    dialog->SetText("LEdit1", SlotText(*slots[0]));
  }
  for (const Field& field : layout.fields) FillField(*dialog, field, *slots[field.slot]);

  dialog->SetCaptionOf("LabelCommand", action->name);
  dialog->SetWidth("GradientLabel", kPixelsPerCommandCharacter * static_cast<int>(action->name.size()));
  dialog->SetCaptionOf("LabelInfo", Localized(layout.infoCode, DefaultText(layout.infoCode)));

  if (dialog->ShowModal() != forms::kResultOk) return false;

  // Every text is read before the first slot is written.
  std::vector<std::pair<std::uint8_t, std::string>> writes;
  if (rectangleRow) writes.emplace_back(0, dialog->TextOf("LEdit1"));
  for (const Field& field : layout.fields) writes.emplace_back(field.slot, FieldText(*dialog, field));
  std::stable_sort(writes.begin(), writes.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  // Every new block is made before the first slot changes, so that a block
  // that cannot be had leaves all slots as they were. Each slot then takes
  // its new block, and its old one goes back to the allocator with the
  // staging slot.
  std::vector<std::unique_ptr<OwnedHostSlot>> staged;
  for (const auto& write : writes) {
    staged.push_back(std::make_unique<OwnedHostSlot>(write.second));
    if (*staged.back()->Address() == nullptr) return false;
  }
  for (std::size_t i = 0; i < writes.size(); ++i) std::swap(*slots[writes[i].first], *staged[i]->Address());
  return true;
}

}  // namespace orbidate
