// This file is compiled with the Windows-1251 execution character set, like
// the plug-in's own texts, so the Russian literals below are the bytes the
// host receives.
#include "plugin/ActionCatalogue.h"

#include <gtest/gtest.h>

#include <set>

#include "plugin/DefaultTexts.h"
#include "plugin/Localization.h"
#include "plugin/NativeRecorders.h"
#include "support/RecordingHost.h"
#include "support/TempFile.h"

namespace orbidate {
namespace {

using testing::RecordingHost;
using testing::TempFile;

std::string ValidHeader() {
  std::string text;
  for (std::string_view line : kLocalizationHeader) text += std::string(line) + "\r\n";
  return text;
}

class Registration : public ::testing::Test {
 protected:
  void SetUp() override {
    RecordingHost::Current().Reset();
    ShownMessages().clear();
  }
  RecordingHost& host = RecordingHost::Current();
};

TEST_F(Registration, WithoutAFileMakesTheTwentyTwoCallsWithTheDefaultHints) {
  host.Register();
  const auto& calls = host.addActions;
  ASSERT_EQ(calls.size(), 22u);
  const auto catalogue = ActionCatalogue();
  for (std::size_t i = 0; i < calls.size(); ++i) {
    SCOPED_TRACE(calls[i].name);
    EXPECT_EQ(calls[i].id, catalogue[i].id);
    EXPECT_EQ(calls[i].name, catalogue[i].name);
    EXPECT_EQ(calls[i].count, catalogue[i].count);
    EXPECT_EQ(calls[i].lastKindIndex, catalogue[i].count - 1);
    EXPECT_EQ(calls[i].kinds.size(), catalogue[i].count);
  }
  // Spot checks against the table as the host sees it.
  EXPECT_EQ(calls[0].name, "Orbidate");
  EXPECT_EQ(calls[0].hint, "");
  EXPECT_EQ(calls[0].lastKindIndex, -1);
  EXPECT_EQ(calls[19].name, "Dialogs");
  EXPECT_EQ(calls[19].count, 0);
  EXPECT_EQ(calls[1].name, "OrbidateCreate");
  EXPECT_EQ(calls[1].hint,
            "Создать или удалить Orbidate, обозначить короткими названиями дни недели календаря.");
  EXPECT_EQ(calls[10].name, "OrbidateGetDate");
  EXPECT_EQ(calls[10].kinds, (std::vector<std::uint8_t>{1, 6, 6}));
  EXPECT_EQ(calls[14].kinds, (std::vector<std::uint8_t>{1, 3}));
  EXPECT_EQ(calls[21].name, "OrbiFontBox");
  EXPECT_EQ(calls[21].id, 20);
  EXPECT_EQ(calls[21].kinds, (std::vector<std::uint8_t>{6}));
  EXPECT_EQ(calls[4].hint, "Установить шрифт дней календаря.");
  // Windows-1251 bytes, not UTF-8: "С" is 0xD1.
  EXPECT_EQ(static_cast<unsigned char>(calls[1].hint[0]), 0xD1);
  EXPECT_TRUE(ShownMessages().empty());
}

TEST_F(Registration, AFileChangesOnlyTheHintsItNames) {
  TempFile file(kLocalizationFileName, ValidHeader() + "061*Set the caption font.\r\n");
  host.Register();
  ASSERT_EQ(host.addActions.size(), 22u);
  for (const auto& call : host.addActions) {
    SCOPED_TRACE(call.name);
    const CatalogueEntry* entry = call.id == 0 ? nullptr : FindAction(call.id);
    if (call.name == "OrbidateFont") {
      EXPECT_EQ(call.hint, "Set the caption font.");
    } else if (entry != nullptr) {
      EXPECT_EQ(call.hint, DefaultText(entry->hintCode));
    }
  }
  EXPECT_TRUE(ShownMessages().empty());
}

TEST_F(Registration, ABrokenHeaderWarnsOncePerRegistrationAndTranslationsStillApply) {
  TempFile file(kLocalizationFileName, "** wrong\r\n061*\r\n");
  host.Register();
  ASSERT_EQ(ShownMessages().size(), 1u);
  EXPECT_EQ(ShownMessages()[0], "The Orbidate.loc file is invalidly modified.");
  EXPECT_EQ(host.addActions[3].name, "OrbidateFont");
  EXPECT_EQ(host.addActions[3].hint, "");
  host.Register();
  EXPECT_EQ(ShownMessages().size(), 2u);
}

TEST(Catalogue, IdsAndHintCodesAreEachUsedOnce) {
  std::set<std::int32_t> ids;
  std::set<std::string_view> codes;
  for (const CatalogueEntry& entry : ActionCatalogue()) {
    if (entry.IsGroup()) continue;
    EXPECT_TRUE(ids.insert(entry.id).second) << entry.name;
    EXPECT_TRUE(codes.insert(entry.hintCode).second) << entry.name;
    EXPECT_FALSE(DefaultText(entry.hintCode).empty()) << entry.name;
    EXPECT_EQ(FindAction(entry.id), &entry);
  }
  EXPECT_EQ(ids.size(), 20u);
  EXPECT_EQ(FindAction(0), nullptr);
  EXPECT_EQ(FindAction(21), nullptr);
  EXPECT_EQ(FindAction(-1), nullptr);
}

TEST(DefaultTexts, EveryCodeFrom000To078Once) {
  const auto texts = DefaultTexts();
  ASSERT_EQ(texts.size(), kLocalizationCodeCount);
  for (std::size_t i = 0; i < texts.size(); ++i) {
    char code[24];
    std::snprintf(code, sizeof code, "%03zu*", i);
    EXPECT_EQ(texts[i].code, code);
  }
  EXPECT_EQ(DefaultText("000*"), "True\\False:");
  EXPECT_EQ(DefaultText("048*"), std::string_view("День недели:"));
  EXPECT_EQ(InActiveDayWeekdayLabel(), std::string_view("День недели"));
  EXPECT_EQ(DefaultText("079*"), "");
}

}  // namespace
}  // namespace orbidate
