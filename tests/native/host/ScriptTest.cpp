#include "host/Script.h"

#include <gtest/gtest.h>

namespace orbidate::host {
namespace {

TEST(HostScript, ReadsEachKindOfLine) {
  const Script script = ReadScript(
      "# the typical run\n"
      "rect Rect1 10 20 220 210\r\n"
      "OrbidateCreate \"Rect1\" \"Create\" \"Mo|Tu|We|Th|Fr|Sa|Su\"\n"
      "\n"
      "OrbidateGetDate Rect1 \"Day Chosen\" \"[Dates]\"\n"
      "click Rect1 0.5 0.75\n"
      "drag Rect1 0.1 0.5 0.9 0.5\n"
      "print \"He said \"\"[Dates]\"\"\"\n"
      ":Day Chosen\n"
      "return\n");
  ASSERT_TRUE(script.errors.empty()) << script.errors[0].line << ": " << script.errors[0].message;
  ASSERT_EQ(script.statements.size(), 8u);
  const Statement& rect = script.statements[0];
  EXPECT_EQ(rect.kind, StatementKind::Rect);
  EXPECT_EQ(rect.line, 2);
  EXPECT_EQ(rect.name, "Rect1");
  EXPECT_EQ(rect.numbers, (std::vector<double>{10, 20, 220, 210}));
  const Statement& create = script.statements[1];
  EXPECT_EQ(create.kind, StatementKind::Action);
  EXPECT_EQ(create.name, "OrbidateCreate");
  EXPECT_EQ(create.texts, (std::vector<std::string>{"Rect1", "Create", "Mo|Tu|We|Th|Fr|Sa|Su"}));
  EXPECT_EQ(script.statements[2].texts[1], "Day Chosen");
  EXPECT_EQ(script.statements[3].numbers, (std::vector<double>{0.5, 0.75}));
  EXPECT_EQ(script.statements[4].kind, StatementKind::Drag);
  EXPECT_EQ(script.statements[5].texts, (std::vector<std::string>{"He said \"[Dates]\""}));
}

TEST(HostScript, SubroutinesAreFoundByName) {
  // The name is the rest of the line after ":", blanks inside included.
  const Script script = ReadScript("print \"a\"\n  :Day Chosen \r\nprint \"b\"\nreturn\n");
  ASSERT_TRUE(script.errors.empty());
  ASSERT_EQ(script.subroutines.count("Day Chosen"), 1u);
  EXPECT_EQ(script.statements[script.subroutines.at("Day Chosen")].texts[0], "b");
}

TEST(HostScript, BadLinesSayWhereAndWhat) {
  struct Case {
    const char* line;
    const char* message;
  };
  const Case cases[] = {
      {"rect Rect1 10 20 220", "expected: rect NAME X Y WIDTH HEIGHT"},
      {"rect Rect1 10 20 wide 210", "expected a number instead of \"wide\""},
      {"click Rect1 0.5", "expected: click RECTANGLE FX FY"},
      {"print \"not closed", "a quoted parameter is not closed"},
      {"\"OrbidateCreate\" \"Rect1\"", "not a quoted text"},
      {":  ", "expected: :NAME"},
      {"message two", "expected a number"},
      {"screenshot", "expected: screenshot"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const Script script = ReadScript(std::string("print \"ok\"\n") + c.line + "\n");
    ASSERT_EQ(script.errors.size(), 1u);
    EXPECT_EQ(script.errors[0].line, 2);
    EXPECT_NE(script.errors[0].message.find(c.message), std::string::npos) << script.errors[0].message;
  }
  const Script twice = ReadScript(":A\nreturn\n:A\nreturn\n");
  ASSERT_EQ(twice.errors.size(), 1u);
  EXPECT_EQ(twice.errors[0].line, 3);
}

TEST(HostScript, VariablesAreSubstituted) {
  const std::map<std::string, std::string> variables = {{"Dates", "04.11.2019"}, {"Empty", ""}};
  EXPECT_EQ(SubstituteVariables("Chosen: [Dates].", variables), "Chosen: 04.11.2019.");
  EXPECT_EQ(SubstituteVariables("[Unknown][Empty]x", variables), "x");
  EXPECT_EQ(SubstituteVariables("[not closed", variables), "[not closed");
  EXPECT_EQ(SubstituteVariables("", variables), "");
  EXPECT_EQ(VariableName("[Dates]"), "Dates");
  EXPECT_EQ(VariableName("Dates"), "Dates");
  EXPECT_EQ(VariableName("[x"), "[x");
}

}  // namespace
}  // namespace orbidate::host
