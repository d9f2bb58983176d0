#include "plugin/SplitText.h"

namespace orbidate {

void SplitText(std::string_view text, std::vector<std::string>& list, char separator,
               const CharStepper& stepper) {
  list.clear();
  std::size_t pieceStart = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    if (text[pos] == separator) {
      list.emplace_back(text.substr(pieceStart, pos - pieceStart));
      ++pos;
      pieceStart = pos;
      continue;
    }
    pos += stepper.CharLength(text, pos);
  }
  if (pieceStart < text.size()) list.emplace_back(text.substr(pieceStart));
}

std::string JoinText(const std::vector<std::string>& pieces, char separator) {
  std::string joined;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    if (i > 0) joined += separator;
    joined += pieces[i];
  }
  return joined;
}

}  // namespace orbidate
