// Colour and font dialogs whose user answers from a queue: nothing (Cancel)
// when the queue is empty. Records what each dialog was opened on.
#pragma once

#include <deque>
#include <optional>
#include <utility>
#include <vector>

#include "appearance/StandardDialogs.h"

namespace orbidate::testing {

class FakeDialogs final : public StandardDialogs {
 public:
  std::deque<std::optional<ColorValue>> colorAnswers;
  std::deque<std::optional<FontValue>> fontAnswers;
  std::vector<ColorValue> colorStarts;
  std::vector<std::pair<FontValue, int>> fontStarts;
  bool failing = false;

  std::optional<ColorValue> PickColor(ColorValue start) override {
    colorStarts.push_back(start);
    if (colorAnswers.empty()) return std::nullopt;
    auto answer = colorAnswers.front();
    colorAnswers.pop_front();
    return answer;
  }
  std::optional<FontValue> PickFont(const FontValue& start, int startPixelHeight) override {
    fontStarts.emplace_back(start, startPixelHeight);
    if (fontAnswers.empty()) return std::nullopt;
    auto answer = fontAnswers.front();
    fontAnswers.pop_front();
    return answer;
  }
  bool LastPickFailed() const override { return failing; }
};

}  // namespace orbidate::testing
