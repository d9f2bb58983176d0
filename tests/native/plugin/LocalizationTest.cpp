#include "plugin/Localization.h"

#include <gtest/gtest.h>

#include "plugin/NameComparison.h"
#include "support/TempFile.h"

namespace orbidate {
namespace {

using testing::TempFile;

std::string Header(std::string_view lineEnd = "\r\n") {
  std::string text;
  for (std::string_view line : kLocalizationHeader) {
    text += line;
    text += lineEnd;
  }
  return text;
}

std::string Lookup(std::string_view content, std::string_view code) {
  TempFile file("lookup.loc", content);
  return LocalizationFile(file.Path()).Lookup(code, "default");
}

TEST(Localization, LookupFollowsTheLineRule) {
  const std::string long300 = "061*" + std::string(296, 'x');
  struct Case {
    const char* what;
    std::string content;
    std::string code;
    std::string text;
  };
  const Case cases[] = {
      {"translation", Header() + "061*Caption font\r\n", "061*", "Caption font"},
      {"first match wins", Header() + "061*first\r\n061*second\r\n", "061*", "first"},
      {"blank after the code belongs to the text", Header() + "061* spaced \r\n", "061*", " spaced "},
      {"code alone gives empty text", Header() + "061*\r\n", "061*", ""},
      {"lone LF ends a line", Header("\n") + "061*lf\n062*next\n", "062*", "next"},
      {"CR before LF is the line end", Header() + "061*a\r\n", "061*", "a"},
      {"lone CR stays in the text", Header() + "061*a\rb\r\n", "061*", "a\rb"},
      {"last line without a line end", Header() + "061*end", "061*", "end"},
      {"300 characters give characters 5 to 259", Header() + long300 + "\r\n", "061*", std::string(255, 'x')},
      {"NUL bytes stay in the text", Header() + std::string("061*a\0b\r\n", 9), "061*", std::string("a\0b", 3)},
      {"missing code gives the default", Header() + "062*other\r\n", "061*", "default"},
      {"code must start the line", Header() + " 061*x\r\n", "061*", "default"},
      {"short line never matches", Header() + "06\r\n", "061*", "default"},
      {"header lines never match a code", Header(), "000*", "default"},
      {"empty file", "", "061*", "default"},
      {"no line ends at all", "061*whole file", "061*", "whole file"},
      {"translations apply with a broken header", "garbage\r\n061*still\r\n", "061*", "still"},
      {"byte-order mark", "\xEF\xBB\xBF" + Header() + "061*bom\r\n", "061*", "bom"},
      {"a code of other length never matches", Header() + "061*x\r\n", "061", "default"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Lookup(c.content, c.code), c.text);
  }
}

TEST(Localization, CodesCompareByTheNameRule) {
  // Codes are digits and "*"; a code written with letters compares with
  // only a-z folded.
  EXPECT_EQ(Lookup("abc*lower\r\n", "ABC*"), "lower");
  EXPECT_EQ(Lookup("\xE0\x62\x63*cyr\r\n", "\xC0\x42\x43*"), "default");
}

TEST(Localization, AVeryLongLineCostsNothingAndIsCut) {
  std::string content = Header() + "061*" + std::string(3 * 1024 * 1024, 'y') + "\r\n062*after\r\n";
  EXPECT_EQ(Lookup(content, "062*"), "after");
  EXPECT_EQ(Lookup(content, "061*"), std::string(255, 'y'));
}

TEST(Localization, MissingOrUnreadableFileGivesTheDefault) {
  EXPECT_EQ(LocalizationFile("no-such-file.loc").Lookup("061*", "default"), "default");
  EXPECT_EQ(LocalizationFile(".").Lookup("061*", "default"), "default");  // a folder
  EXPECT_EQ(LocalizationFile(".").CheckHeader(), HeaderCheck::NoFile);
}

TEST(Localization, FileIsReadAfreshAtEveryLookup) {
  TempFile file("afresh.loc", Header() + "061*one\r\n");
  const LocalizationFile loc(file.Path());
  EXPECT_EQ(loc.Lookup("061*", "default"), "one");
  file.Write(Header() + "061*two\r\n");
  EXPECT_EQ(loc.Lookup("061*", "default"), "two");
  file.Remove();
  EXPECT_EQ(loc.Lookup("061*", "default"), "default");
}

TEST(Localization, HeaderCheck) {
  std::string capitals = Header();
  for (char& c : capitals) c = FoldLatinLetter(c);
  std::string extraBlank = Header();
  extraBlank.insert(extraBlank.find("Russia"), " ");
  std::string sixthLineChanged = Header();
  sixthLineChanged.replace(sixthLineChanged.rfind("**  "), 4, "** ");
  struct Case {
    const char* what;
    std::string content;
    HeaderCheck result;
  };
  const Case cases[] = {
      {"exact header", Header() + "061*x\r\n", HeaderCheck::Matches},
      {"header alone, LF line ends", Header("\n"), HeaderCheck::Matches},
      {"header in capitals", capitals, HeaderCheck::Matches},
      {"one extra blank", extraBlank, HeaderCheck::Differs},
      {"sixth line changed", sixthLineChanged, HeaderCheck::Differs},
      {"byte-order mark", "\xEF\xBB\xBF" + Header(), HeaderCheck::Differs},
      {"five lines only", Header().substr(0, Header().rfind("**  ")), HeaderCheck::Differs},
      {"empty file", "", HeaderCheck::Differs},
      {"binary", std::string("\0\x01\xFF\xFE", 4), HeaderCheck::Differs},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempFile file("header.loc", c.content);
    EXPECT_EQ(LocalizationFile(file.Path()).CheckHeader(), c.result);
  }
  EXPECT_EQ(LocalizationFile("no-such-file.loc").CheckHeader(), HeaderCheck::NoFile);
}

}  // namespace
}  // namespace orbidate
