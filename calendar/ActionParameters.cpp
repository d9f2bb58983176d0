#include "calendar/ActionParameters.h"

#include <vector>

#include "plugin/IntegerText.h"
#include "plugin/SplitText.h"

namespace orbidate {
namespace {

constexpr std::array<std::string_view, 7> kWeekdayNames = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                                           "Friday", "Saturday", "Sunday"};
constexpr std::array<std::string_view, 12> kMonthNumbers = {"1", "2", "3",  "4",  "5",  "6",
                                                            "7", "8", "9", "10", "11", "12"};
constexpr int kFirstYear = 1800;
constexpr int kLastYear = 3000;
constexpr int kSunday = 7;

template <std::size_t N>
std::optional<int> IndexOf(const std::array<std::string_view, N>& words, std::string_view text) {
  for (std::size_t i = 0; i < N; ++i) {
    if (words[i] == text) return static_cast<int>(i) + 1;
  }
  return std::nullopt;
}

template <std::size_t N>
std::optional<std::array<std::string, N>> ReadExactlyN(std::string_view text) {
  std::vector<std::string> pieces;
  SplitText(text, pieces, '|');
  if (pieces.size() != N) return std::nullopt;
  std::array<std::string, N> names;
  for (std::size_t i = 0; i < N; ++i) names[i] = std::move(pieces[i]);
  return names;
}

}  // namespace

std::optional<bool> ReadTrueFalse(std::string_view text) {
  if (text == "True") return true;
  if (text == "False") return false;
  return std::nullopt;
}

std::optional<int> ReadMonthNumber(std::string_view text) { return IndexOf(kMonthNumbers, text); }

std::optional<int> ReadYear(std::string_view text) {
  const auto year = ParseIntegerText(text);
  if (!year || *year < kFirstYear || *year > kLastYear) return std::nullopt;
  return *year;
}

int ReadStartDay(std::string_view text) {
  const auto day = ParseIntegerText(text);
  if (!day) return kSunday;
  if (*day < 1) return 1;
  if (*day > kSunday) return kSunday;
  return *day;
}

std::optional<int> ReadWeekdayName(std::string_view text) { return IndexOf(kWeekdayNames, text); }

std::optional<GradientDirection> ReadGradientDirection(std::string_view text) {
  if (text == "Vertical") return GradientDirection::Vertical;
  if (text == "Horizontal") return GradientDirection::Horizontal;
  return std::nullopt;
}

std::optional<DayNames> ReadCreateDayNames(std::string_view text) {
  if (text.empty()) return std::nullopt;
  if (auto names = ReadExactlyN<7>(text)) return names;
  return DayNames{};
}

std::optional<MonthNames> ReadMonthNames(std::string_view text) {
  if (text.empty()) return std::nullopt;
  return ReadExactlyN<12>(text);
}

}  // namespace orbidate
