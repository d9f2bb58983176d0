// The translation files we ship must pass the header check and translate
// every code, or authors get a warning and Russian texts mixed in.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>

#include "plugin/DefaultTexts.h"
#include "plugin/Localization.h"

namespace orbidate {
namespace {

TEST(ShippedTranslations, PassTheHeaderCheckAndTranslateEveryCodeOnce) {
  for (const char* language : {"en", "de"}) {
    SCOPED_TRACE(language);
    const std::string path = std::string(ORBIDATE_SOURCE_DIR) + "/loc/" + language + "/Orbidate.loc";
    const LocalizationFile file(path);
    EXPECT_EQ(file.CheckHeader(), HeaderCheck::Matches);
    std::set<std::string> codes;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
      if (number <= 6) continue;
      ASSERT_GE(line.size(), 5u) << "line " << number;
      EXPECT_EQ(line.back(), '\r') << "line " << number << " must end with CR LF";
      EXPECT_TRUE(codes.insert(line.substr(0, 4)).second) << "code " << line.substr(0, 4) << " twice";
    }
    for (const LocalizedText& text : DefaultTexts()) {
      EXPECT_TRUE(codes.count(std::string(text.code))) << text.code << " missing";
      EXPECT_NE(file.Lookup(text.code, "\x01"), "\x01") << text.code;
    }
    EXPECT_EQ(codes.size(), kLocalizationCodeCount);
  }
}

}  // namespace
}  // namespace orbidate
