// A portable character stepper that knows the lead-byte ranges of the
// double-byte ANSI code pages (932, 936, 949, 950); every other code page is
// single-byte.
#pragma once

#include "plugin/CharStepper.h"

namespace orbidate {

class CodePageCharStepper final : public CharStepper {
 public:
  constexpr explicit CodePageCharStepper(unsigned codePage) : codePage_(codePage) {}
  std::size_t CharLength(std::string_view text, std::size_t pos) const override;
  bool IsLeadByte(unsigned char byte) const;

 private:
  unsigned codePage_;
};

}  // namespace orbidate
