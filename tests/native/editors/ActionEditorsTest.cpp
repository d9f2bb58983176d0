// The twenty editors against their layout, field, label and name tables,
// driven through nbEditAction with the headless toolkit.
#include "editors/ActionEditors.h"

#include <gtest/gtest.h>

#include "editors/TFormDATA.h"
#include "editors/TFormFree.h"
#include "plugin/Localization.h"
#include "support/TempFile.h"
#include "EditorRun.h"

namespace orbidate {
namespace {

using testing::EditorRun;
using testing::RunEditor;
using testing::SlotTexts;
using testing::TempFile;

enum class Kind { Text, Choice, Grid };

struct Field {
  const char* control;
  std::size_t slot;
  const char* label;  // nullptr: the edit's own label (its caption)
  const char* code;
  const char* defaultLabel;
  Kind kind;
  std::vector<std::string> items;  // choices; for a grid, its row count as items.size()
};

struct Editor {
  int id;
  const char* name;
  bool data;
  const char* group;
  std::vector<const char*> hidden;
  const char* moved;
  int movedTop;
  const char* infoCode;
  const char* info;
  std::vector<Field> fields;
};

const std::vector<std::string> kTrueFalse = {"True", "False"};
const std::vector<std::string> kSevenRows(7), kTwelveRows(12);

const Field kColor{"LEdit17", 1, nullptr, "030*", "Цвет:", Kind::Text, {}};
const Field kSubroutine{"LEdit17", 1, nullptr, "051*", "Подпрограмма:", Kind::Text, {}};
const std::vector<const char*> kMiddleVariableOnly = {"Panel21", "Panel19", "SpeedButton2"};

const std::vector<Editor>& Editors() {
  static const std::vector<Editor> editors = {
      {1, "OrbidateCreate", true, "Panel3", {}, nullptr, 0, "011*",
       "Создать или удалить объект, назначить короткие названия дней календаря.",
       {{"ComboBox1", 1, "Label1", "002*", "Создать/Удалить:", Kind::Choice, {"Create", "Delete"}},
        {"StringGrid1", 2, "Label2", "003*", "Сокращённые имена дней недели:", Kind::Grid, kSevenRows}}},
      {2, "OrbidateNameMounths", true, "Panel2", {}, nullptr, 0, "025*",
       "Назначить короткие названия месяцев календаря.",
       {{"StringGrid2", 1, "Label8", "012*", "Сокращённые имена месяцев (опционально):", Kind::Grid,
         kTwelveRows}}},
      {3, "OrbidateFont", false, "Panel5", {"Panel21", "Panel2"}, "Panel19", 48, "027*",
       "Установить шрифт заголовка календаря.",
       {{"LEdit16", 1, nullptr, "026*", "Шрифт заголовка календаря:", Kind::Text, {}}}},
      {4, "OrbidateDayFont", false, "Panel5", {"Panel21", "Panel2"}, "Panel19", 48, "029*",
       "Установить шрифт дней календаря.",
       {{"LEdit16", 1, nullptr, "028*", "Шрифт календаря:", Kind::Text, {}}}},
      {5, "OrbiFontSelColor", false, "Panel5", {"Panel21", "Panel19"}, nullptr, 0, "031*",
       "Установить цвет шрифта выбранного периода дат на календаре.", {kColor}},
      {6, "OrbiDateSelColor", false, "Panel5", {"Panel21", "Panel19"}, nullptr, 0, "032*",
       "Установить цвет фона выбранного периода дат на календаре.", {kColor}},
      {7, "OrbiFieldColor", false, "Panel3", {}, nullptr, 0, "036*", "Установить градиентный цвет поля календаря.",
       {{"LEdit2", 1, nullptr, "033*", "1 цвет:", Kind::Text, {}},
        {"LEdit3", 2, nullptr, "034*", "2 цвет:", Kind::Text, {}},
        {"ComboBox1", 3, "Label7", "035*", "Направление градиента:", Kind::Choice, {"Vertical", "Horizontal"}}}},
      {8, "OrbiHeaderColor", false, "Panel3", {}, nullptr, 0, "037*",
       "Установить градиентный цвет заголовка календаря.",
       {{"LEdit2", 1, nullptr, "033*", "1 цвет:", Kind::Text, {}},
        {"LEdit3", 2, nullptr, "034*", "2 цвет:", Kind::Text, {}},
        {"ComboBox1", 3, "Label7", "035*", "Направление градиента:", Kind::Choice, {"Vertical", "Horizontal"}}}},
      {9, "OrbiMultiSelect", false, "Panel8", {}, nullptr, 0, "039*",
       "Установить множественный выбор дат (Default - False).",
       {{"ComboBox2", 1, "Label1", "038*", "Множественный выбор:", Kind::Choice, kTrueFalse}}},
      {10, "OrbidateGetDate", false, "Panel5", {"SpeedButton19", "SpeedButton2", "Panel19"}, nullptr, 0, "042*",
       "Получить в переменную результат выбора (выбор календаря) и выполнить подпрограмму при выборе даты.",
       {{"LEdit15", 1, nullptr, "040*", "Подпрограмма при выборе даты:", Kind::Text, {}},
        {"LEdit17", 2, nullptr, "041*", "Переменная для выбранной даты:", Kind::Text, {}}}},
      {11, "OrbidateSetMonth", false, "Panel8", {}, nullptr, 0, "044*", "Открыть календарь на указанном месяце.",
       {{"ComboBox2", 1, "Label1", "043*", "Месяц:", Kind::Choice,
         {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}}}},
      {12, "OrbidateSetYear", false, "Panel5", kMiddleVariableOnly, nullptr, 0, "046*",
       "Открыть календарь на указанном годе.",
       {{"LEdit17", 1, nullptr, "045*", "Год (1800 - 3000):", Kind::Text, {}}}},
      {13, "OrbiWeekEndColor", false, "Panel5", {"Panel21", "Panel19"}, nullptr, 0, "047*",
       "Установить цвет шрифта нерабочих дней.", {kColor}},
      {14, "OrbiStartDay", false, "Panel8", {}, nullptr, 0, "049*", "Установить день начала недели на календаре.",
       {{"ComboBox2", 1, "Label1", "048*", "День недели:", Kind::Choice, {"1", "2", "3", "4", "5", "6", "7"}}}},
      {15, "OrbiInActiveDay", false, "Panel9", {}, nullptr, 0, "050*", "Установить выходные и рабочие дни.",
       {{"ComboBox3", 1, "Label2", "048*", "День недели", Kind::Choice,
         {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"}},
        {"ComboBox4", 2, "Label3", "000*", "True\\False:", Kind::Choice, kTrueFalse}}},
      {16, "OrbiSubMonthSelect", false, "Panel5", kMiddleVariableOnly, nullptr, 0, "052*",
       "Выполнить подпрограмму при выборе месяца.", {kSubroutine}},
      {17, "OrbiSubYearSelect", false, "Panel5", kMiddleVariableOnly, nullptr, 0, "053*",
       "Выполнить подпрограмму при выборе года.", {kSubroutine}},
      {18, "OrbiSubRightClick", false, "Panel5", kMiddleVariableOnly, nullptr, 0, "054*",
       "Выполнить подпрограмму при правом клике мышкой по календарю.", {kSubroutine}},
      {19, "OrbiColorBox", false, "Panel5", {"Panel1", "Panel21", "Panel19", "SpeedButton2"}, nullptr, 0, "056*",
       "Вызвать окно диалога выбора цвета, выбрать цвет и сохранить его в переменной.",
       {{"LEdit17", 0, nullptr, "055*", "Имя переменной для цвета:", Kind::Text, {}}}},
      {20, "OrbiFontBox", false, "Panel5", {"Panel1", "Panel21", "Panel19", "SpeedButton2"}, nullptr, 0, "058*",
       "Вызвать окно диалога выбора шрифта, выбрать шрифт и сохранить его в переменной.",
       {{"LEdit17", 0, nullptr, "057*", "Имя переменной для шрифта:", Kind::Text, {}}}},
  };
  return editors;
}

bool HasRectangleRow(const Editor& e) { return e.id <= 18; }

std::size_t SlotCount(const Editor& e) {
  std::size_t count = HasRectangleRow(e) ? 1 : 0;
  for (const Field& f : e.fields) count = std::max(count, f.slot + 1);
  return count;
}

std::string LabelOf(const TEditorDialog& dialog, const Field& f) {
  return dialog.Find(f.label != nullptr ? f.label : f.control)->caption;
}

// A value that the field shows and gives back unchanged: its last item for
// a choice, seven or twelve names for a grid.
std::string ShownValue(const Field& f, std::size_t slot) {
  switch (f.kind) {
    case Kind::Text:
      return "text " + std::to_string(slot) + " |x| ";
    case Kind::Choice:
      return f.items.back();
    case Kind::Grid: {
      std::string joined;
      for (std::size_t i = 0; i < f.items.size(); ++i) joined += (i ? "|" : "") + std::string("n") + std::to_string(i);
      return joined;
    }
  }
  return {};
}

TEST(ActionEditors, EachEditorShowsItsGroupAndRowsAsLaidOut) {
  const std::vector<const char*> freeGroups = {"Panel5", "Panel3", "Panel8", "Panel9"};
  const std::vector<const char*> dataGroups = {"Panel3", "Panel2"};
  for (const Editor& e : Editors()) {
    SCOPED_TRACE(e.name);
    RunEditor(e.id, {}, [&](TEditorDialog& dialog) {
      EXPECT_EQ(dialog.Caption(), e.name);
      EXPECT_EQ(dialog.Desc().className, e.data ? "TFormDATA" : "TFormFree");
      EXPECT_EQ(dialog.Desc().clientWidth, 524);
      EXPECT_EQ(dialog.Desc().clientHeight, e.data ? 428 : 334);
      EXPECT_EQ(e.data ? static_cast<forms::Form*>(FormDATA) : static_cast<forms::Form*>(FormFree), &dialog);
      for (const char* group : e.data ? dataGroups : freeGroups) {
        EXPECT_EQ(dialog.Find(group)->visible, std::string_view(group) == e.group) << group;
      }
      // The group shown is in front of the others that share its place.
      for (const forms::Control& c : dialog.Controls()) {
        if (c.parent < 0 && c.desc->top == 56 && c.desc->name != e.group) {
          EXPECT_LT(c.zOrder, dialog.Find(e.group)->zOrder);
        }
      }
      EXPECT_EQ(dialog.Find("Panel1")->visible, HasRectangleRow(e));
      for (const char* hidden : e.hidden) EXPECT_FALSE(dialog.Find(hidden)->visible) << hidden;
      for (const Field& f : e.fields) {
        EXPECT_TRUE(dialog.Showing(dialog.IndexOf(f.control))) << f.control;
      }
      if (e.moved != nullptr) {
        EXPECT_EQ(dialog.Find(e.moved)->top, e.movedTop);
      }
      EXPECT_EQ(dialog.Find("LabelCommand")->caption, e.name);
      EXPECT_EQ(dialog.Find("GradientLabel")->width, 15 * static_cast<int>(std::string_view(e.name).size()));
      return forms::kResultCancel;
    });
    EXPECT_EQ(FormFree, nullptr);
    EXPECT_EQ(FormDATA, nullptr);
  }
}

TEST(ActionEditors, ColorBoxCommandBandIs180PixelsWide) {
  RunEditor(19, {}, [](TEditorDialog& dialog) {
    EXPECT_EQ(dialog.Find("GradientLabel")->width, 180);
    return forms::kResultCancel;
  });
}

TEST(ActionEditors, LabelsShowTheDefaultsWithoutALocalizationFile) {
  TempFile absent(kLocalizationFileName);
  absent.Remove();
  for (const Editor& e : Editors()) {
    SCOPED_TRACE(e.name);
    RunEditor(e.id, {}, [&](TEditorDialog& dialog) {
      if (HasRectangleRow(e)) {
        EXPECT_EQ(dialog.Find("LEdit1")->caption, "Прямоугольник:");
      }
      for (const Field& f : e.fields) EXPECT_EQ(LabelOf(dialog, f), f.defaultLabel) << f.control;
      EXPECT_EQ(dialog.Find("LabelInfo")->caption, e.info);
      return forms::kResultCancel;
    });
  }
  RunEditor(1, {}, [](TEditorDialog& dialog) {
    EXPECT_EQ(dialog.Cell("StringGrid1", 0, 0), "Понедельник");
    EXPECT_EQ(dialog.Cell("StringGrid1", 0, 6), "Воскресенье");
    return forms::kResultCancel;
  });
  RunEditor(2, {}, [](TEditorDialog& dialog) {
    EXPECT_EQ(dialog.Cell("StringGrid2", 0, 0), "Январь");
    EXPECT_EQ(dialog.Cell("StringGrid2", 0, 11), "Декабрь");
    return forms::kResultCancel;
  });
}

TEST(ActionEditors, LabelsComeFromTheLocalizationFile) {
  std::string content;
  for (std::string_view line : kLocalizationHeader) content += std::string(line) + "\r\n";
  for (int code = 0; code <= 58; ++code) {
    char text[16];
    std::snprintf(text, sizeof text, "%03d*L%03d", code, code);
    content += std::string(text) + "\r\n";
  }
  TempFile file(kLocalizationFileName, content);
  auto translated = [](const char* code) { return "L" + std::string(code, 3); };
  for (const Editor& e : Editors()) {
    SCOPED_TRACE(e.name);
    RunEditor(e.id, {}, [&](TEditorDialog& dialog) {
      if (HasRectangleRow(e)) {
        EXPECT_EQ(dialog.Find("LEdit1")->caption, "L001");
      }
      // 048* serves the weekday labels of both 14 and 15.
      for (const Field& f : e.fields) EXPECT_EQ(LabelOf(dialog, f), translated(f.code)) << f.control;
      EXPECT_EQ(dialog.Find("LabelInfo")->caption, translated(e.infoCode));
      EXPECT_EQ(dialog.Caption(), e.name);  // never localized
      EXPECT_EQ(dialog.Find("LabelCommand")->caption, e.name);
      return forms::kResultCancel;
    });
  }
  RunEditor(2, {}, [](TEditorDialog& dialog) {
    for (int row = 0; row < 12; ++row) EXPECT_EQ(dialog.Cell("StringGrid2", 0, row), "L0" + std::to_string(13 + row));
    return forms::kResultCancel;
  });
  RunEditor(1, {}, [](TEditorDialog& dialog) {
    EXPECT_EQ(dialog.Cell("StringGrid1", 0, 6), "L010");
    return forms::kResultCancel;
  });
}

TEST(ActionEditors, OkWithoutChangesRewritesEveryListedSlotAndNothingElse) {
  for (const Editor& e : Editors()) {
    SCOPED_TRACE(e.name);
    SlotTexts before(4, std::string("beyond"));
    if (HasRectangleRow(e)) before[0] = "Rect 1";
    for (const Field& f : e.fields) before[f.slot] = ShownValue(f, f.slot);
    const EditorRun run = RunEditor(e.id, before, [](TEditorDialog&) { return forms::kResultOk; });
    ASSERT_TRUE(run.shown);
    EXPECT_TRUE(run.result);
    const std::size_t count = SlotCount(e);
    for (std::size_t i = 0; i < 4; ++i) {
      EXPECT_EQ(run.after[i], before[i]) << "slot " << i;
      // The slots beyond the action's count are never touched.
      if (i >= count) {
        EXPECT_TRUE(run.sameBlock[i]) << "slot " << i;
      }
    }
  }
}

TEST(ActionEditors, OkWritesTheFieldsTheUserChangedInSlotOrder) {
  const EditorRun run = RunEditor(7, {"R", "1,2,3", "4,5,6", "Vertical"}, [](TEditorDialog& dialog) {
    EXPECT_EQ(dialog.SelectedText("ComboBox1"), "Vertical");
    dialog.UserSetText("LEdit1", "Other");
    dialog.UserSetText("LEdit3", "");
    dialog.UserSelect("ComboBox1", 1);
    return forms::kResultOk;
  });
  EXPECT_TRUE(run.result);
  EXPECT_EQ(run.after, (SlotTexts{"Other", "1,2,3", "", "Horizontal"}));
}

TEST(ActionEditors, NullSlotsComeBackAsEmptyTexts) {
  for (const Editor& e : Editors()) {
    SCOPED_TRACE(e.name);
    const EditorRun run = RunEditor(e.id, {}, [](TEditorDialog&) { return forms::kResultOk; });
    EXPECT_TRUE(run.result);
    for (std::size_t i = 0; i < SlotCount(e); ++i) {
      ASSERT_TRUE(run.after[i].has_value()) << "slot " << i;
      bool grid = false;
      for (const Field& f : e.fields) grid = grid || (f.slot == i && f.kind == Kind::Grid);
      EXPECT_EQ(*run.after[i], grid ? std::string(e.id == 1 ? 6 : 11, '|') : "") << "slot " << i;
    }
    for (std::size_t i = SlotCount(e); i < 4; ++i) EXPECT_FALSE(run.after[i].has_value());
  }
}

TEST(ActionEditors, CancelAndTheCloseBoxWriteNothing) {
  for (const Editor& e : Editors()) {
    SCOPED_TRACE(e.name);
    const SlotTexts before = {"a", "b", std::nullopt, "d"};
    for (int result : {forms::kResultCancel, forms::kResultNone}) {
      const EditorRun run = RunEditor(e.id, before, [&](TEditorDialog& dialog) {
        for (const Field& f : e.fields) {
          if (f.kind == Kind::Text) dialog.UserSetText(f.control, "typed");
        }
        if (result == forms::kResultNone) dialog.UserCloseBox();
        return result == forms::kResultNone ? forms::kResultCancel : result;
      });
      EXPECT_FALSE(run.result);
      EXPECT_EQ(run.after, before);
      for (bool same : run.sameBlock) EXPECT_TRUE(same);
    }
  }
}

TEST(ActionEditors, ChoicesAreSelectedOnlyByAnExactMatch) {
  struct Case {
    int id;
    const char* control;
    std::size_t slot;
    std::optional<std::string> text;
    int selected;
  };
  const Case cases[] = {
      {1, "ComboBox1", 1, "Create", 0},     {1, "ComboBox1", 1, "Delete", 1},
      {1, "ComboBox1", 1, "create", -1},    {1, "ComboBox1", 1, "", -1},
      {1, "ComboBox1", 1, std::nullopt, -1}, {1, "ComboBox1", 1, "Create ", -1},
      {11, "ComboBox2", 1, "3", 2},         {11, "ComboBox2", 1, "03", -1},
      {11, "ComboBox2", 1, " 3", -1},       {11, "ComboBox2", 1, "12", 11},
      {14, "ComboBox2", 1, "7", 6},         {14, "ComboBox2", 1, "8", -1},
      {15, "ComboBox3", 1, "Sunday", 6},    {15, "ComboBox3", 1, "Sun", -1},
      {15, "ComboBox4", 2, "False", 1},     {15, "ComboBox4", 2, "false", -1},
      {9, "ComboBox2", 1, "TRUE", -1},      {7, "ComboBox1", 3, "Horizontal", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.id) + " " + c.text.value_or("(null)"));
    SlotTexts before(4, std::string());
    before[c.slot] = c.text;
    const EditorRun run = RunEditor(c.id, before, [&](TEditorDialog& dialog) {
      EXPECT_EQ(dialog.Find(c.control)->selected, c.selected);
      return forms::kResultOk;
    });
    const std::string expected =
        c.selected < 0 ? "" : *c.text;  // no selection writes empty text
    EXPECT_EQ(run.after[c.slot], expected);
  }
}

TEST(ActionEditors, NameGridsShowOnlyListsOfExactlySevenOrTwelvePieces) {
  struct Case {
    const char* what;
    int id;
    std::optional<std::string> text;
    std::vector<std::string> column;  // empty: column 1 stays empty
    std::string written;
  };
  const std::string sevenEmpty(6, '|');
  const Case cases[] = {
      {"seven names", 1, "Mo|Tu|We|Th|Fr|Sa|Su", {"Mo", "Tu", "We", "Th", "Fr", "Sa", "Su"}, "Mo|Tu|We|Th|Fr|Sa|Su"},
      {"six pieces", 1, "Mo|Tu|We|Th|Fr|Sa", {}, sevenEmpty},
      {"eight pieces", 1, "Mo|Tu|We|Th|Fr|Sa|Su|X", {}, sevenEmpty},
      {"empty last piece counts six", 1, "Mo|Tu|We|Th|Fr|Sa|", {}, sevenEmpty},
      {"empty first piece", 1, "|Tu|We|Th|Fr|Sa|Su", {"", "Tu", "We", "Th", "Fr", "Sa", "Su"}, "|Tu|We|Th|Fr|Sa|Su"},
      {"blanks kept", 1, " a|b |c|d|e|f|g", {" a", "b ", "c", "d", "e", "f", "g"}, " a|b |c|d|e|f|g"},
      {"empty slot", 1, "", {}, sevenEmpty},
      {"null slot", 1, std::nullopt, {}, sevenEmpty},
      {"twelve months", 2, "1|2|3|4|5|6|7|8|9|10|11|12",
       {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}, "1|2|3|4|5|6|7|8|9|10|11|12"},
      {"seven is not twelve", 2, "Mo|Tu|We|Th|Fr|Sa|Su", {}, std::string(11, '|')},
      {"null month slot", 2, std::nullopt, {}, std::string(11, '|')},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const char* grid = c.id == 1 ? "StringGrid1" : "StringGrid2";
    const std::size_t slot = c.id == 1 ? 2 : 1;
    const int rows = c.id == 1 ? 7 : 12;
    SlotTexts before(4, std::string());
    before[slot] = c.text;
    const EditorRun run = RunEditor(c.id, before, [&](TEditorDialog& dialog) {
      for (int row = 0; row < rows; ++row) {
        EXPECT_EQ(dialog.Cell(grid, 1, row), c.column.empty() ? "" : c.column[static_cast<std::size_t>(row)]);
      }
      return forms::kResultOk;
    });
    EXPECT_EQ(run.after[slot], c.written);
  }
}

TEST(ActionEditors, ABarTypedIntoANameIsJoinedUnescaped) {
  const EditorRun run = RunEditor(1, {"R", "Create", "a|b|c|d|e|f|g"}, [](TEditorDialog& dialog) {
    dialog.UserSetCell("StringGrid1", 2, "x|y");
    return forms::kResultOk;
  });
  EXPECT_EQ(run.after[2], "a|b|x|y|d|e|f|g");
  // Eight pieces: the next edit shows an empty column.
  RunEditor(1, run.after, [](TEditorDialog& dialog) {
    EXPECT_EQ(dialog.Cell("StringGrid1", 1, 0), "");
    return forms::kResultCancel;
  });
}

TEST(ActionEditors, RectangleFieldIsSlotZeroAndTheVariableFieldOfTheDialogActionsToo) {
  EditorRun run = RunEditor(10, {"Rect", "Sub", "Var"}, [](TEditorDialog& dialog) {
    EXPECT_EQ(dialog.TextOf("LEdit1"), "Rect");
    EXPECT_EQ(dialog.TextOf("LEdit15"), "Sub");
    EXPECT_EQ(dialog.TextOf("LEdit17"), "Var");
    return forms::kResultOk;
  });
  EXPECT_EQ(run.after, (SlotTexts{"Rect", "Sub", "Var", std::nullopt}));
  run = RunEditor(19, {"ColourVar", "not mine"}, [](TEditorDialog& dialog) {
    EXPECT_EQ(dialog.TextOf("LEdit17"), "ColourVar");
    EXPECT_EQ(dialog.TextOf("LEdit1"), "");
    dialog.UserSetText("LEdit17", "Picked");
    return forms::kResultOk;
  });
  EXPECT_EQ(run.after, (SlotTexts{"Picked", "not mine", std::nullopt, std::nullopt}));
  EXPECT_TRUE(run.sameBlock[1]);
}

}  // namespace
}  // namespace orbidate
