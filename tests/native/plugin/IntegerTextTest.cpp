#include "plugin/IntegerText.h"

#include <gtest/gtest.h>

namespace orbidate {
namespace {

struct Case {
  const char* text;
  std::optional<std::int32_t> value;
};

TEST(IntegerText, ReadsByTheOneRule) {
  const Case cases[] = {
      {"0", 0},
      {"12", 12},
      {"  12", 12},
      {"+12", 12},
      {"-12", -12},
      {"   -7", -7},
      {"007", 7},
      {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},
      {"-0000000000002147483648", INT32_MIN},
      {"$FF", 255},
      {"$ff", 255},
      {"xFF", 255},
      {"XfF", 255},
      {"0x80FF", 33023},
      {"0X10", 16},
      {"$FFFFFFFF", -1},
      {"$80000000", INT32_MIN},
      {"$0000000000FF", 255},  // leading zeros are not significant
      {"-$1", -1},
      {"-$FFFFFFFF", 1},
      {"+x10", 16},
      {"  $7fffffff", 2147483647},
      // Not integer texts.
      {"", std::nullopt},
      {" ", std::nullopt},
      {"-", std::nullopt},
      {"+", std::nullopt},
      {"$", std::nullopt},
      {"0x", std::nullopt},
      {"x", std::nullopt},
      {"12 ", std::nullopt},
      {"1 2", std::nullopt},
      {"\t12", std::nullopt},
      {"12a", std::nullopt},
      {"a12", std::nullopt},
      {"+-1", std::nullopt},
      {"- 1", std::nullopt},
      {"2147483648", std::nullopt},
      {"-2147483649", std::nullopt},
      {"99999999999999999999", std::nullopt},
      {"$100000000", std::nullopt},  // nine significant digits
      {"$FG", std::nullopt},
      {"0x$1", std::nullopt},
      {"1.5", std::nullopt},
      {"1e3", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("text \"") + c.text + "\"");
    EXPECT_EQ(ParseIntegerText(c.text), c.value);
  }
}

TEST(IntegerText, StopsAtTheViewEnd) {
  // A view into a longer buffer must not read the digits behind it.
  const char buffer[] = "12345";
  EXPECT_EQ(ParseIntegerText(std::string_view(buffer, 2)), 12);
  EXPECT_EQ(ParseIntegerText(std::string_view("-9\0" "1", 4)), std::nullopt);
}

}  // namespace
}  // namespace orbidate
