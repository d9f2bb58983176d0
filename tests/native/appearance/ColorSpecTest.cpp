#include "appearance/ColorSpec.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace orbidate {
namespace {

TEST(FormatColorSpec, WritesRedGreenBlueInDecimal) {
  EXPECT_EQ(FormatColorSpec(ColorValue::FromRgb(255, 128, 0)), "255,128,0");
  EXPECT_EQ(FormatColorSpec(ColorValue::FromRgb(0, 0, 255)), "0,0,255");
  EXPECT_EQ(FormatColorSpec(kClBlack), "0,0,0");
  EXPECT_EQ(FormatColorSpec(kClWhite), "255,255,255");
  EXPECT_EQ(FormatColorSpec(ColorValue::FromRgb(1, 2, 3)), "1,2,3");
}

struct CutCase {
  std::string text;
  std::vector<std::string> items;
};
void PrintTo(const CutCase& c, std::ostream* out) { *out << '"' << c.text << '"'; }

class CutColorSpecItemsTest : public ::testing::TestWithParam<CutCase> {};

TEST_P(CutColorSpecItemsTest, CutsAsTheRuleSays) { EXPECT_EQ(CutColorSpecItems(GetParam().text), GetParam().items); }

INSTANTIATE_TEST_SUITE_P(
    Items, CutColorSpecItemsTest,
    ::testing::Values(CutCase{"", {}}, CutCase{"   ", {}}, CutCase{"255,128,0", {"255", "128", "0"}},
                      CutCase{" 255 , 128 , 0 ", {"255", "128", "0"}}, CutCase{"255 128 0", {"255", "128", "0"}},
                      CutCase{"255\t128\r\n0", {"255", "128", "0"}},
                      // The trailing comma adds an empty item only when it is the last character.
                      CutCase{"255,128,", {"255", "128", ""}}, CutCase{"255,128, ", {"255", "128"}},
                      CutCase{",", {"", ""}}, CutCase{",,", {"", "", ""}}, CutCase{" , ", {""}},
                      CutCase{",1", {"", "1"}},
                      // Quoted items: doubled quotes, separators inside, text glued behind.
                      CutCase{"\"1 2\",3", {"1 2", "3"}}, CutCase{"\"a\"\"b\"", {"a\"b"}},
                      CutCase{"\"\",\"\",\"\"", {"", "", ""}}, CutCase{"\"12\"3,4", {"12", "3", "4"}},
                      CutCase{"\"unterminated", {"unterminated"}}, CutCase{"\"", {""}},
                      // Bytes above 127 are ordinary characters, not blanks.
                      CutCase{"\xA0,\xFF", {"\xA0", "\xFF"}}));

struct ParseCase {
  std::string text;
  std::optional<ColorValue> color;
};
void PrintTo(const ParseCase& c, std::ostream* out) { *out << '"' << c.text << '"'; }

class ParseColorSpecTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseColorSpecTest, GivesTheColourOrNothing) { EXPECT_EQ(ParseColorSpec(GetParam().text), GetParam().color); }

constexpr ColorValue kOrange = ColorValue::FromRgb(255, 128, 0);

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseColorSpecTest,
    ::testing::Values(ParseCase{"255,128,0", kOrange}, ParseCase{" 255 , 128 , 0 ", kOrange},
                      ParseCase{"255 128 0", kOrange}, ParseCase{"$FF,$80,0", kOrange},
                      ParseCase{"0xff,x80,+0", kOrange}, ParseCase{"\" 255\",\"128\",0", kOrange},
                      ParseCase{"255,128,", kOrange}, ParseCase{"255,128, ", std::nullopt},
                      ParseCase{"", std::nullopt}, ParseCase{"255,128", std::nullopt},
                      ParseCase{"255,128,0,1", std::nullopt}, ParseCase{"a,b,c", kClBlack},
                      ParseCase{",,", kClBlack}, ParseCase{",,,", std::nullopt},
                      // Each component keeps its low 8 bits.
                      ParseCase{"300,-1,256", ColorValue::FromRgb(44, 255, 0)},
                      ParseCase{"$FFFFFFFF,2147483647,-2147483648", ColorValue::FromRgb(255, 255, 0)},
                      // Not an integer text: 0, the other items still count.
                      ParseCase{"\"255 \",99999999999,12", ColorValue::FromRgb(0, 0, 12)}));

}  // namespace
}  // namespace orbidate
