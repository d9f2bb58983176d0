#include "monthcal/ShortDateFormat.h"

#include "monthcal/CalendarDate.h"

namespace orbidate {
namespace {

void AppendNumber(std::string& out, long long value, int minDigits) {
  if (value < 0) {
    out += '-';
    value = -value;
  }
  char digits[24];
  int count = 0;
  do {
    digits[count++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value > 0);
  for (int i = count; i < minDigits; ++i) out += '0';
  while (count > 0) out += digits[--count];
}

}  // namespace

ShortDateFormat::ShortDateFormat(std::string_view picture, const LocaleNames& names) : names_(names) {
  auto literal = [this](std::string_view text) {
    if (pieces_.empty() || pieces_.back().field != Field::Literal) pieces_.push_back({Field::Literal, {}});
    pieces_.back().literal += text;
  };
  std::size_t i = 0;
  while (i < picture.size()) {
    const char c = picture[i];
    if (c == '\'' && i + 1 < picture.size() && picture[i + 1] == '\'') {
      literal("'");
      i += 2;
      continue;
    }
    if (c == '\'') {
      ++i;
      // Up to the closing quote; two quotes in a row stand for one.
      while (i < picture.size()) {
        if (picture[i] == '\'') {
          if (i + 1 < picture.size() && picture[i + 1] == '\'') {
            literal("'");
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        literal(picture.substr(i, 1));
        ++i;
      }
      continue;
    }
    if (c != 'd' && c != 'M' && c != 'y') {
      literal(picture.substr(i, 1));
      ++i;
      continue;
    }
    std::size_t run = 1;
    while (i + run < picture.size() && picture[i + run] == c) ++run;
    i += run;
    Field field{};
    if (c == 'd') {
      field = run == 1 ? Field::Day : run == 2 ? Field::Day2 : run == 3 ? Field::DayAbbr : Field::DayName;
    } else if (c == 'M') {
      field = run == 1 ? Field::Month : run == 2 ? Field::Month2 : run == 3 ? Field::MonthAbbr : Field::MonthName;
    } else {
      field = run == 1 ? Field::Year1 : run == 2 ? Field::Year2 : Field::Year4;
    }
    pieces_.push_back({field, {}});
  }
}

void ShortDateFormat::AppendTo(std::string& out, std::chrono::year_month_day date) const {
  const unsigned day = static_cast<unsigned>(date.day());
  const unsigned month = static_cast<unsigned>(date.month());
  const int year = static_cast<int>(date.year());
  const unsigned monthIndex = (month >= 1 && month <= 12) ? month - 1 : 0;
  for (const Piece& piece : pieces_) {
    switch (piece.field) {
      case Field::Literal: out += piece.literal; break;
      case Field::Day: AppendNumber(out, day, 1); break;
      case Field::Day2: AppendNumber(out, day, 2); break;
      case Field::DayAbbr: out += names_.abbreviatedDays[IsoWeekday(ToDayNumber(date)) - 1]; break;
      case Field::DayName: out += names_.days[IsoWeekday(ToDayNumber(date)) - 1]; break;
      case Field::Month: AppendNumber(out, month, 1); break;
      case Field::Month2: AppendNumber(out, month, 2); break;
      case Field::MonthAbbr: out += names_.abbreviatedMonths[monthIndex]; break;
      case Field::MonthName: out += names_.months[monthIndex]; break;
      case Field::Year1: AppendNumber(out, (year % 100 + 100) % 100, 1); break;
      case Field::Year2: AppendNumber(out, (year % 100 + 100) % 100, 2); break;
      case Field::Year4: AppendNumber(out, year, 4); break;
    }
  }
}

std::string ShortDateFormat::Format(std::chrono::year_month_day date) const {
  std::string out;
  AppendTo(out, date);
  return out;
}

const ShortDateFormat& UserShortDateFormat() {
  static const ShortDateFormat format(UserLocaleNames().shortDatePicture, UserLocaleNames());
  return format;
}

}  // namespace orbidate
