#include <windows.h>

#include "monthcal/LocaleNames.h"

namespace orbidate {
namespace {

std::string LocaleText(LCTYPE type, const char* fallback) {
  char buffer[128];
  const int length = GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, static_cast<int>(sizeof buffer));
  if (length <= 1) return fallback;
  return std::string(buffer, static_cast<std::size_t>(length - 1));
}

LocaleNames ReadUserLocale() {
  static constexpr LCTYPE kAbbreviatedDays[7] = {LOCALE_SABBREVDAYNAME1, LOCALE_SABBREVDAYNAME2,
                                                 LOCALE_SABBREVDAYNAME3, LOCALE_SABBREVDAYNAME4,
                                                 LOCALE_SABBREVDAYNAME5, LOCALE_SABBREVDAYNAME6,
                                                 LOCALE_SABBREVDAYNAME7};
  static constexpr LCTYPE kDays[7] = {LOCALE_SDAYNAME1, LOCALE_SDAYNAME2, LOCALE_SDAYNAME3, LOCALE_SDAYNAME4,
                                      LOCALE_SDAYNAME5, LOCALE_SDAYNAME6, LOCALE_SDAYNAME7};
  static constexpr LCTYPE kAbbreviatedMonths[12] = {
      LOCALE_SABBREVMONTHNAME1, LOCALE_SABBREVMONTHNAME2,  LOCALE_SABBREVMONTHNAME3,  LOCALE_SABBREVMONTHNAME4,
      LOCALE_SABBREVMONTHNAME5, LOCALE_SABBREVMONTHNAME6,  LOCALE_SABBREVMONTHNAME7,  LOCALE_SABBREVMONTHNAME8,
      LOCALE_SABBREVMONTHNAME9, LOCALE_SABBREVMONTHNAME10, LOCALE_SABBREVMONTHNAME11, LOCALE_SABBREVMONTHNAME12};
  static constexpr LCTYPE kMonths[12] = {LOCALE_SMONTHNAME1,  LOCALE_SMONTHNAME2,  LOCALE_SMONTHNAME3,
                                         LOCALE_SMONTHNAME4,  LOCALE_SMONTHNAME5,  LOCALE_SMONTHNAME6,
                                         LOCALE_SMONTHNAME7,  LOCALE_SMONTHNAME8,  LOCALE_SMONTHNAME9,
                                         LOCALE_SMONTHNAME10, LOCALE_SMONTHNAME11, LOCALE_SMONTHNAME12};
  LocaleNames names;
  for (int i = 0; i < 7; ++i) {
    names.abbreviatedDays[i] = LocaleText(kAbbreviatedDays[i], "");
    names.days[i] = LocaleText(kDays[i], "");
  }
  for (int i = 0; i < 12; ++i) {
    names.abbreviatedMonths[i] = LocaleText(kAbbreviatedMonths[i], "");
    names.months[i] = LocaleText(kMonths[i], "");
  }
  names.shortDatePicture = LocaleText(LOCALE_SSHORTDATE, "dd.MM.yyyy");
  return names;
}

}  // namespace

const LocaleNames& UserLocaleNames() {
  static const LocaleNames names = ReadUserLocale();
  return names;
}

}  // namespace orbidate
