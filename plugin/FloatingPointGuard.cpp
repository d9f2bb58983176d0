#include "plugin/FloatingPointGuard.h"

namespace orbidate {
namespace {

// All exceptions masked, 64-bit precision, round to nearest: what the C
// runtime starts a program with.
constexpr std::uint16_t kMaskedX87Control = 0x037F;
constexpr std::uint32_t kMaskedMxcsr = 0x1F80;

// The innermost and the outermost guard on the stack; the plug-in has one
// thread. The outermost guard's caller is the host: a guard nested inside one
// of our modal loops (an editor's window procedure, run by its dialog loop
// inside nbEditAction) was entered under our own masked words, so calls into
// the host give it the outermost caller's words.
FloatingPointGuard* gInnermost = nullptr;
FloatingPointGuard* gOutermost = nullptr;

void LoadMasked() {
#if defined(__i386__) || defined(__x86_64__)
  std::uint16_t control = kMaskedX87Control;
  std::uint32_t mxcsr = kMaskedMxcsr;
  __asm__ volatile("fnclex\n\tfldcw %0" : : "m"(control));
  __asm__ volatile("ldmxcsr %0" : : "m"(mxcsr));
#endif
}

}  // namespace

FloatingPointState SaveFloatingPointState() {
  FloatingPointState state;
#if defined(__i386__) || defined(__x86_64__)
  __asm__ volatile("fnstcw %0" : "=m"(state.x87Control));
  __asm__ volatile("stmxcsr %0" : "=m"(state.mxcsr));
#endif
  return state;
}

void RestoreFloatingPointState(const FloatingPointState& state) {
#if defined(__i386__) || defined(__x86_64__)
  // Clear what our code raised first: an exception flag left pending under an
  // unmasked control word would fire at the host's next x87 instruction.
  __asm__ volatile("fnclex\n\tfldcw %0" : : "m"(state.x87Control));
  __asm__ volatile("ldmxcsr %0" : : "m"(state.mxcsr));
#else
  (void)state;
#endif
}

FloatingPointGuard::FloatingPointGuard() : caller_(SaveFloatingPointState()), outer_(gInnermost) {
  gInnermost = this;
  if (outer_ == nullptr) gOutermost = this;
  LoadMasked();
}

FloatingPointGuard::~FloatingPointGuard() {
  gInnermost = outer_;
  if (outer_ == nullptr) gOutermost = nullptr;
  RestoreFloatingPointState(caller_);
}

HostFloatingPoint::HostFloatingPoint() : ours_(SaveFloatingPointState()), active_(gOutermost != nullptr) {
  if (active_) RestoreFloatingPointState(gOutermost->Caller());
}

HostFloatingPoint::~HostFloatingPoint() {
  if (active_) RestoreFloatingPointState(ours_);
}

}  // namespace orbidate
