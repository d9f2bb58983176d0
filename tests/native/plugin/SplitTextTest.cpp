#include "plugin/SplitText.h"

#include <gtest/gtest.h>

#include "plugin/CodePageCharStepper.h"

namespace orbidate {
namespace {

using Pieces = std::vector<std::string>;

struct Case {
  std::string text;
  Pieces pieces;
};

TEST(SplitText, CutsAtEverySeparator) {
  const Case cases[] = {
      {"", {}},
      {"|", {""}},
      {"||", {"", ""}},
      {"a", {"a"}},
      {"a|", {"a"}},
      {"|a", {"", "a"}},
      {"a||b", {"a", "", "b"}},
      {"Mo|Tu|We|Th|Fr|Sa|Su", {"Mo", "Tu", "We", "Th", "Fr", "Sa", "Su"}},
      {"Mo|Tu|We|Th|Fr|Sa|Su|", {"Mo", "Tu", "We", "Th", "Fr", "Sa", "Su"}},
      {"Mo|Tu|We|Th|Fr|Sa|", {"Mo", "Tu", "We", "Th", "Fr", "Sa"}},
      {"||||||", {"", "", "", "", "", ""}},
      {" a | b ", {" a ", " b "}},
  };
  Pieces list = {"left over"};
  for (const Case& c : cases) {
    SCOPED_TRACE("text \"" + c.text + "\"");
    SplitText(c.text, list, '|');
    EXPECT_EQ(list, c.pieces);
  }
}

TEST(SplitText, SteppsOverDoubleByteCharacters) {
  // 0x95 0x7C is one Shift-JIS character whose trail byte is "|".
  const std::string text = "\x95|a|b";
  Pieces list;
  SplitText(text, list, '|', CodePageCharStepper(932));
  EXPECT_EQ(list, (Pieces{"\x95|a", "b"}));
  // The same bytes in a single-byte code page are cut at both bars.
  SplitText(text, list, '|', CodePageCharStepper(1251));
  EXPECT_EQ(list, (Pieces{"\x95", "a", "b"}));
  // A lead byte at the very end stands alone.
  SplitText("a|\x95", list, '|', CodePageCharStepper(936));
  EXPECT_EQ(list, (Pieces{"a", "\x95"}));
}

TEST(SplitText, LeadByteRangesOfTheDoubleByteCodePages) {
  struct Range {
    unsigned codePage;
    unsigned char lead;
    bool isLead;
  };
  const Range ranges[] = {{932, 0x81, true}, {932, 0x9F, true}, {932, 0xA0, false}, {932, 0xE0, true},
                          {932, 0xFC, true}, {932, 0xFD, false}, {936, 0x80, false}, {936, 0x81, true},
                          {949, 0xFE, true}, {950, 0xFF, false}, {1252, 0x81, false}};
  for (const Range& r : ranges) {
    SCOPED_TRACE(r.codePage);
    SCOPED_TRACE(static_cast<int>(r.lead));
    EXPECT_EQ(CodePageCharStepper(r.codePage).IsLeadByte(r.lead), r.isLead);
  }
}

TEST(SplitText, JoinIsTheInverseForListsWithoutAnEmptyLastPiece) {
  const Pieces pieces = {"", "Tu", "", "Th"};
  Pieces list;
  SplitText(JoinText(pieces, '|'), list, '|');
  EXPECT_EQ(list, pieces);
  EXPECT_EQ(JoinText(Pieces(7), '|'), "||||||");
}

}  // namespace
}  // namespace orbidate
