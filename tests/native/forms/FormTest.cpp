// The form toolkit's model: controls from a description, handlers wired by
// name, modal results, and what a hidden parent does to its children.
#include "forms/Form.h"

#include <gtest/gtest.h>

#include "forms/HeadlessDriver.h"

namespace orbidate::forms {
namespace {

constexpr ControlDesc kControls[] = {
    {.kind = Kind::Panel, .name = "Group", .left = 10, .top = 10, .width = 100, .height = 50},
    {.kind = Kind::LabeledEdit, .name = "Edit", .parent = "Group", .left = 5, .top = 20, .width = 80,
     .height = 23, .caption = "Label"},
    {.kind = Kind::GlyphButton, .name = "Pick", .parent = "Group", .extra = static_cast<int>(Glyph::Object)},
    {.kind = Kind::ComboBox, .name = "List"},
    {.kind = Kind::StringGrid, .name = "Grid", .extra = 3},
    {.kind = Kind::Button, .name = "Ok", .caption = "OK", .extra = kResultOk},
    {.kind = Kind::Button, .name = "Plain", .caption = "Plain"},
};
constexpr FormDesc kDesc{.className = "TTest", .caption = "Test", .clientWidth = 200, .clientHeight = 100,
                         .font = {}, .color = kClBtnFace, .controls = kControls};

class TestForm final : public Form {
 public:
  TestForm() : Form(kDesc) {
    static constexpr HandlerEntry<TestForm> kHandlers[] = {
        {"Pick", FormEvent::Click, &TestForm::PickClick},
        {"Ok", FormEvent::Click, &TestForm::OkClick},
    };
    WireAll(this, kHandlers);
  }
  void PickClick() { SetText("Edit", "picked"); }
  void OkClick() { okClicks++; }
  void OnShow() override { shows++; }
  int okClicks = 0;
  int shows = 0;
};

TEST(Form, ControlsStartAsDescribed) {
  TestForm form;
  EXPECT_EQ(form.Caption(), "Test");
  EXPECT_EQ(form.Find("Edit")->parent, form.IndexOf("Group"));
  EXPECT_EQ(form.Find("Edit")->caption, "Label");
  EXPECT_EQ(form.Find("Grid")->cells.size(), 3u);
  EXPECT_EQ(form.Find("Nothing"), nullptr);
  form.SetText("Nothing", "x");  // unknown names do nothing
  form.SetCell("Grid", 1, 3, "out of range");
  EXPECT_EQ(form.Cell("Grid", 1, 3), "");
}

TEST(Form, ButtonsCloseWithTheirModalResultAfterTheirHandler) {
  struct Case {
    const char* what;
    std::function<void(Form&)> user;
    int result;
  };
  const Case cases[] = {
      {"OK button", [](Form& f) { f.UserPress("Ok"); }, kResultOk},
      {"close box", [](Form& f) { f.UserCloseBox(); }, kResultCancel},
      {"left open", [](Form&) {}, kResultCancel},
      {"button without result", [](Form& f) { f.UserPress("Plain"); }, kResultCancel},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TestForm form;
    ScopedHeadlessDriver driver(c.user);
    EXPECT_EQ(form.ShowModal(), c.result);
    EXPECT_EQ(form.shows, 1);
    EXPECT_FALSE(form.IsModal());
  }
}

TEST(Form, HandlersAreWiredByNameAndHiddenControlsTakeNoInput) {
  TestForm form;
  EXPECT_TRUE(form.UserPress("Pick"));
  EXPECT_EQ(form.TextOf("Edit"), "picked");
  form.SetVisible("Group", false);
  EXPECT_FALSE(form.Showing(form.IndexOf("Pick")));
  EXPECT_FALSE(form.UserPress("Pick"));
  EXPECT_FALSE(form.UserSetText("Edit", "typed"));
  EXPECT_EQ(form.TextOf("Edit"), "picked");
}

TEST(Form, ListsSelectByPositionAndGiveEmptyTextWithoutSelection) {
  TestForm form;
  form.AddItem("List", "a");
  form.AddItem("List", "b");
  EXPECT_EQ(form.SelectedText("List"), "");
  form.Select("List", 1);
  EXPECT_EQ(form.SelectedText("List"), "b");
  form.Select("List", 2);
  EXPECT_EQ(form.SelectedText("List"), "");
}

}  // namespace
}  // namespace orbidate::forms
