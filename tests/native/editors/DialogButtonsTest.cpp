// The buttons of the parameter dialogs: host names through the
// interface-access callback, the colour and font dialogs, and the rotated
// labels.
#include <gtest/gtest.h>

#include <deque>

#include "appearance/ColorSpec.h"
#include "appearance/FontSpec.h"
#include "editors/TFormDATA.h"
#include "editors/TFormFree.h"
#include "support/FakeDialogs.h"
#include "support/RecordingHost.h"

namespace orbidate {
namespace {

using testing::FakeDialogs;
using testing::RecordingHost;

class DialogButtons : public ::testing::Test {
 protected:
  void SetUp() override {
    RecordingHost::Current().Reset();
    RecordingHost::Current().Register();
    SetEditorStandardDialogs(&dialogs);
  }
  void TearDown() override { SetEditorStandardDialogs(nullptr); }

  FakeDialogs dialogs;
  TFormFree free;
};

TEST_F(DialogButtons, HostNameButtonsAskWithTheirCodeAndTakeTheAnswerOnlyOnTrue) {
  struct Case {
    const char* button;
    const char* field;
  };
  const Case variableButtons[] = {{"SpeedVariable", "LEdit1"}, {"SpeedButton23", "LEdit15"},
                                  {"SpeedButton1", "LEdit17"}, {"SpeedButton22", "LEdit16"},
                                  {"SpeedButton3", "LEdit2"},  {"SpeedButton7", "LEdit3"}};
  RecordingHost& host = RecordingHost::Current();
  for (const Case& c : variableButtons) {
    SCOPED_TRACE(c.button);
    host.accessRequests.clear();
    free.SetText(c.field, "old text");
    host.accessAnswer = "ChosenVar";
    host.accessResult = true;
    free.Fire(free.IndexOf(c.button), forms::FormEvent::Click);
    ASSERT_EQ(host.accessRequests.size(), 1u);
    EXPECT_EQ(host.accessRequests[0], (std::pair<std::int32_t, std::string>{14, "old text"}));
    EXPECT_EQ(free.TextOf(c.field), "ChosenVar");
    // The host changes the slot but answers false: the field stays.
    host.accessAnswer = "ignored";
    host.accessResult = false;
    free.Fire(free.IndexOf(c.button), forms::FormEvent::Click);
    EXPECT_EQ(free.TextOf(c.field), "ChosenVar");
  }
  host.accessRequests.clear();
  host.accessAnswer = "Rectangle7";
  host.accessResult = true;
  free.SetText("LEdit1", "");
  free.Kn1Click();
  EXPECT_EQ(host.accessRequests, (std::vector<std::pair<std::int32_t, std::string>>{{8, ""}}));
  EXPECT_EQ(free.TextOf("LEdit1"), "Rectangle7");
}

TEST_F(DialogButtons, WithoutTheCallbackTheHostButtonsDoNothing) {
  ModuleHostCallbacks().interfaceAccess = nullptr;
  free.SetText("LEdit1", "kept");
  free.Kn1Click();
  free.SpeedVariableClick();
  EXPECT_EQ(free.TextOf("LEdit1"), "kept");
  EXPECT_TRUE(RecordingHost::Current().accessRequests.empty());
}

TEST_F(DialogButtons, ColourButtonsShareOneDialogThatOpensOnTheLastConfirmedColour) {
  free.SetText("LEdit15", "255,0,0");
  dialogs.colorAnswers = {std::nullopt, ColorValue::FromRgb(0, 0, 255), ColorValue::FromRgb(1, 2, 3)};
  free.SpeedButton19Click();  // cancelled
  EXPECT_EQ(free.TextOf("LEdit15"), "255,0,0");
  free.SpeedButton19Click();
  EXPECT_EQ(free.TextOf("LEdit15"), "0,0,255");
  free.SetText("LEdit2", "9,9,9");  // typed by hand: does not preset the dialog
  free.SpeedButton4Click();
  EXPECT_EQ(free.TextOf("LEdit2"), "1,2,3");
  free.SpeedButton8Click();  // cancelled
  free.SpeedButton2Click();
  EXPECT_EQ(dialogs.colorStarts, (std::vector<ColorValue>{kClBlack, kClBlack, ColorValue::FromRgb(0, 0, 255),
                                                          ColorValue::FromRgb(1, 2, 3), ColorValue::FromRgb(1, 2, 3)}));
  // Each colour button writes its own field.
  const std::pair<const char*, const char*> buttons[] = {
      {"SpeedButton19", "LEdit15"}, {"SpeedButton2", "LEdit17"}, {"SpeedButton4", "LEdit2"}, {"SpeedButton8", "LEdit3"}};
  for (const auto& [button, field] : buttons) {
    dialogs.colorAnswers = {ColorValue::FromRgb(10, 20, 30)};
    free.SetText(field, "");
    free.Fire(free.IndexOf(button), forms::FormEvent::Click);
    EXPECT_EQ(free.TextOf(field), "10,20,30") << button;
  }
}

TEST_F(DialogButtons, FontButtonStartsAtThirteenPixelsThenOnTheConfirmedFont) {
  free.SetText("LEdit16", "kept");
  free.SpeedButton17Click();  // cancelled
  EXPECT_EQ(free.TextOf("LEdit16"), "kept");
  ASSERT_EQ(dialogs.fontStarts.size(), 1u);
  EXPECT_EQ(dialogs.fontStarts[0].first.face, "MS Sans Serif");
  EXPECT_EQ(dialogs.fontStarts[0].first.color, kClWindowText);
  EXPECT_EQ(dialogs.fontStarts[0].first.styles, 0);
  EXPECT_EQ(dialogs.fontStarts[0].first.charset, 1);
  EXPECT_EQ(dialogs.fontStarts[0].second, 13);

  FontValue untouched;  // the dialog hands back the start font, in points
  untouched.size = 10;
  dialogs.fontAnswers = {untouched};
  free.SpeedButton17Click();
  EXPECT_EQ(free.TextOf("LEdit16"), FormatFontSpec(untouched));
  EXPECT_EQ(free.LabelFont(), untouched);
  EXPECT_NE(free.TextOf("LEdit16").find("clWindowText"), std::string::npos);

  free.SpeedButton17Click();
  ASSERT_EQ(dialogs.fontStarts.size(), 3u);
  EXPECT_EQ(dialogs.fontStarts[2].first, untouched);
  EXPECT_LE(dialogs.fontStarts[2].second, 0);  // the size in points now
}

TEST_F(DialogButtons, RotatedLabelsSwapWhileAButtonIsHeldAndComeBackExactly) {
  for (const char* pressed : {"PDJRotoLabel2", "PDJRotoLabel1"}) {
    SCOPED_TRACE(pressed);
    TFormDATA data;
    data.ShowModal();  // headless: saves the tops and ends as Cancel
    const forms::Control visual = *data.Find("PDJRotoLabel1");
    const forms::Control neo = *data.Find("PDJRotoLabel2");
    EXPECT_EQ(visual.top, 243);
    EXPECT_EQ(neo.top, 150);
    data.Fire(data.IndexOf(pressed), forms::FormEvent::MouseDown);
    EXPECT_EQ(data.Find("PDJRotoLabel1")->top, 243 - 96);
    EXPECT_EQ(data.Find("PDJRotoLabel2")->top, 150 + 130);
    EXPECT_EQ(data.Find("PDJRotoLabel1")->angle, 270);
    EXPECT_EQ(data.Find("PDJRotoLabel2")->angle, 270);
    data.Fire(data.IndexOf(pressed), forms::FormEvent::MouseUp);
    EXPECT_EQ(data.Find("PDJRotoLabel1")->top, visual.top);
    EXPECT_EQ(data.Find("PDJRotoLabel2")->top, neo.top);
    EXPECT_EQ(data.Find("PDJRotoLabel1")->angle, 90);
    EXPECT_EQ(data.Find("PDJRotoLabel2")->angle, 90);
  }
}

}  // namespace
}  // namespace orbidate
