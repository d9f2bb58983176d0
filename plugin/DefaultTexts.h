// The built-in Russian texts (Windows-1251 bytes) of every localization code
// "000*" to "078*": hints of the actions and labels of the editors.
#pragma once

#include <span>
#include <string_view>

namespace orbidate {

struct LocalizedText {
  std::string_view code;
  std::string_view fallback;
};

inline constexpr std::size_t kLocalizationCodeCount = 79;

std::span<const LocalizedText> DefaultTexts();

// The default of |code|; empty for an unknown code.
std::string_view DefaultText(std::string_view code);

// The second default of code "048*", used by the OrbiInActiveDay editor.
std::string_view InActiveDayWeekdayLabel();

}  // namespace orbidate
