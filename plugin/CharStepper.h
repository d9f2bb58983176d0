// Steps over one character of an 8-bit text in the system's ANSI code page.
//
// In a double-byte code page a lead byte and its trail byte form one
// character, so a trail byte that happens to equal a separator must not be
// taken for one. The Win32 build steps with CharNextA; native builds use the
// code-page tables of CodePageCharStepper.
#pragma once

#include <cstddef>
#include <string_view>

namespace orbidate {

class CharStepper {
 public:
  // Length in bytes (at least 1) of the character that starts at |pos|;
  // pos < text.size(). Never steps past the end of |text|.
  virtual std::size_t CharLength(std::string_view text, std::size_t pos) const = 0;

 protected:
  // Steppers are constant objects, never deleted through this interface.
  ~CharStepper() = default;
};

// The stepper of the system the plug-in runs on.
const CharStepper& SystemCharStepper();

}  // namespace orbidate
