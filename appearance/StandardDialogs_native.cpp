// Native builds have no dialogs to show: their user cancels every one.
#include "appearance/StandardDialogs.h"

namespace orbidate {
namespace {

class CancellingDialogs final : public StandardDialogs {
 public:
  std::optional<ColorValue> PickColor(ColorValue) override { return std::nullopt; }
  std::optional<FontValue> PickFont(const FontValue&, int) override { return std::nullopt; }
};

}  // namespace

StandardDialogs& SystemStandardDialogs() {
  static CancellingDialogs dialogs;
  return dialogs;
}

}  // namespace orbidate
