#include "plugin/NameComparison.h"

#include <gtest/gtest.h>

namespace orbidate {
namespace {

TEST(NameComparison, FoldsOnlyLatinLetters) {
  struct Case {
    std::string_view a, b;
    bool equal;
  };
  const Case cases[] = {
      {"Rect1", "RECT1", true},
      {"rect1", "Rect1", true},
      {"", "", true},
      {"Rect1", "Rect1 ", false},
      {"Rect1", "Rect2", false},
      {"a", "A", true},
      {"z", "Z", true},
      {"[", "{", false},  // neighbours of the letter ranges are not folded
      {"@", "`", false},
      {"\xC0", "\xE0", false},  // Cyrillic A and a in Windows-1251
      {"\xE0", "\xE0", true},
      {"**  russia", "**  RUSSIA", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.a) + " vs " + std::string(c.b));
    EXPECT_EQ(NamesEqual(c.a, c.b), c.equal);
    EXPECT_EQ(NamesEqual(c.b, c.a), c.equal);
  }
}

}  // namespace
}  // namespace orbidate
