// The names of the user's regional settings that the calendar starts with and
// that the short date format spells out. Index 0 is Monday (respectively
// January).
#pragma once

#include <array>
#include <string>

namespace orbidate {

struct LocaleNames {
  std::array<std::string, 7> abbreviatedDays;
  std::array<std::string, 7> days;
  std::array<std::string, 12> abbreviatedMonths;
  std::array<std::string, 12> months;
  std::string shortDatePicture;  // "dd.MM.yyyy", as the regional settings write it
};

// The user's settings, read from the system once, at the first use. The
// native stand-in answers English names and "dd.MM.yyyy".
const LocaleNames& UserLocaleNames();

}  // namespace orbidate
