// Dates written with a Windows date picture: d, dd (day), ddd, dddd (weekday
// name), M, MM (month number), MMM, MMMM (month name), y, yy (year of the
// century), yyy and more (the whole year), text in single quotes ('' is one
// quote), every other character as it stands. The picture is parsed once.
#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "monthcal/LocaleNames.h"

namespace orbidate {

class ShortDateFormat {
 public:
  ShortDateFormat(std::string_view picture, const LocaleNames& names);

  void AppendTo(std::string& out, std::chrono::year_month_day date) const;
  std::string Format(std::chrono::year_month_day date) const;

 private:
  enum class Field { Literal, Day, Day2, DayAbbr, DayName, Month, Month2, MonthAbbr, MonthName, Year1, Year2, Year4 };
  struct Piece {
    Field field;
    std::string literal;
  };
  std::vector<Piece> pieces_;
  LocaleNames names_;
};

// The format of the user's regional settings, built once.
const ShortDateFormat& UserShortDateFormat();

}  // namespace orbidate
