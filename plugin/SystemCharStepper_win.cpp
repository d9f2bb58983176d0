#include <windows.h>

#include "plugin/CharStepper.h"

namespace orbidate {
namespace {

class Win32CharStepper final : public CharStepper {
 public:
  constexpr Win32CharStepper() = default;
  std::size_t CharLength(std::string_view text, std::size_t pos) const override {
    // CharNextA stops at a terminator, and a view need not end with one: the
    // last byte and an embedded terminator are stepped over by hand, so that
    // CharNextA never looks past the end of the view.
    const char* p = text.data() + pos;
    if (*p == '\0' || pos + 1 == text.size()) return 1;
    const std::size_t step = static_cast<std::size_t>(CharNextA(p) - p);
    if (step == 0) return 1;
    return step > text.size() - pos ? text.size() - pos : step;
  }
};

constexpr Win32CharStepper kSystemStepper;

}  // namespace

const CharStepper& SystemCharStepper() { return kSystemStepper; }

}  // namespace orbidate
