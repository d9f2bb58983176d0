#include "appearance/PickerActions.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "plugin/EntryPoints.h"
#include "support/FakeDialogs.h"
#include "support/RecordingHost.h"

namespace orbidate {
namespace {

using testing::FakeDialogs;
using testing::RecordingHost;

class PickerActionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RecordingHost::Current().Reset();
    RecordingHost::Current().Register();
  }
  const std::vector<std::pair<std::string, std::string>>& SetVars() { return RecordingHost::Current().setVars; }

  FakeDialogs dialogs;
  const std::vector<std::string> args{"Chosen"};
};

const FontValue kPickerStart{"MS Sans Serif", kClWindowText, 8, 0, 1};

TEST_F(PickerActionsTest, ColorBoxWritesTheConfirmedColourAndNothingAfterCancel) {
  dialogs.colorAnswers = {ColorValue::FromRgb(255, 128, 0), std::nullopt, kClWhite, kClBlack};
  EXPECT_TRUE(RunColorBox(args, dialogs, CallbackHost()));
  EXPECT_TRUE(RunColorBox(args, dialogs, CallbackHost()));
  EXPECT_TRUE(RunColorBox(args, dialogs, CallbackHost()));
  EXPECT_TRUE(RunColorBox(std::vector<std::string>{""}, dialogs, CallbackHost()));
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"Chosen", "255,128,0"}, {"Chosen", "255,255,255"}, {"", "0,0,0"}};
  EXPECT_EQ(SetVars(), expected);
  // Every call opens on black, whatever was chosen before.
  EXPECT_EQ(dialogs.colorStarts, std::vector<ColorValue>(4, kClBlack));
}

TEST_F(PickerActionsTest, FontBoxWritesTheConfirmedFontAndNothingAfterCancel) {
  const FontValue arial{"Arial", ColorValue::FromRgb(255, 0, 0), 14, kFontBold | kFontUnderline, 0};
  dialogs.fontAnswers = {arial, std::nullopt, kPickerStart};
  EXPECT_TRUE(RunFontBox(args, dialogs, CallbackHost()));
  EXPECT_TRUE(RunFontBox(args, dialogs, CallbackHost()));
  EXPECT_TRUE(RunFontBox(args, dialogs, CallbackHost()));
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"Chosen", "Arial|clRed|14|fsBold fsUnderline |0"}, {"Chosen", "MS Sans Serif|clWindowText|8||1"}};
  EXPECT_EQ(SetVars(), expected);
  // Every call opens on 11-pixel MS Sans Serif in clWindowText, character set 1.
  ASSERT_EQ(dialogs.fontStarts.size(), 3u);
  for (const auto& [font, pixelHeight] : dialogs.fontStarts) {
    EXPECT_EQ(font, kPickerStart);
    EXPECT_EQ(pixelHeight, 11);
  }
  EXPECT_TRUE(dialogs.colorStarts.empty());
}

TEST_F(PickerActionsTest, ADialogThatCannotBeShownAnswersFalseAndWritesNothing) {
  dialogs.failing = true;
  EXPECT_FALSE(RunColorBox(args, dialogs, CallbackHost()));
  EXPECT_FALSE(RunFontBox(args, dialogs, CallbackHost()));
  EXPECT_TRUE(SetVars().empty());
}

TEST_F(PickerActionsTest, ExecAction19And20ReachThePickers) {
  // The native stand-in's user cancels: true, nothing written.
  HostSlot slot = nullptr;
  EXPECT_TRUE(nbExecAction(19, &slot));
  EXPECT_TRUE(nbExecAction(20, &slot));
  EXPECT_TRUE(SetVars().empty());
}

}  // namespace
}  // namespace orbidate
