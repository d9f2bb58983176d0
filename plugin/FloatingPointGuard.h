// Keeps the host's floating-point environment out of the plug-in and ours out
// of the host.
//
// A Delphi host may run with floating-point exceptions unmasked (control word
// $1332, newer ones $033F); the C++ runtime and Windows itself expect them
// masked. Every entry point and window procedure runs under a
// FloatingPointGuard: it saves the caller's x87 control word and MXCSR, masks
// everything, and on the way out clears what our code raised and restores the
// caller's words exactly. (_control87 cannot do this: it maps the words
// through its own flags and does not give back the host's word bit for bit.)
// Calls back into the host run under HostFloatingPoint, which puts the host's
// words back for the length of the call.
#pragma once

#include <cstdint>

namespace orbidate {

struct FloatingPointState {
  std::uint16_t x87Control = 0;
  std::uint32_t mxcsr = 0;
};

FloatingPointState SaveFloatingPointState();
void RestoreFloatingPointState(const FloatingPointState& state);

class FloatingPointGuard {
 public:
  FloatingPointGuard();
  ~FloatingPointGuard();
  FloatingPointGuard(const FloatingPointGuard&) = delete;
  FloatingPointGuard& operator=(const FloatingPointGuard&) = delete;

  const FloatingPointState& Caller() const { return caller_; }

 private:
  FloatingPointState caller_;
  FloatingPointGuard* outer_;
};

// Around a call into the host: the host's own words while it runs, ours again
// afterwards.
class HostFloatingPoint {
 public:
  HostFloatingPoint();
  ~HostFloatingPoint();
  HostFloatingPoint(const HostFloatingPoint&) = delete;
  HostFloatingPoint& operator=(const HostFloatingPoint&) = delete;

 private:
  FloatingPointState ours_;
  bool active_;
};

}  // namespace orbidate
