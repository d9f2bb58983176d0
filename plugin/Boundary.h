// Everything that the host (or the system, for a window procedure) calls runs
// through AtBoundary: the host's floating-point words are saved and masked,
// and nothing thrown inside gets out. Failures inside the plug-in are values;
// the catch-all is for whatever the standard library might still throw
// (std::bad_alloc), since an exception cannot unwind through the host's
// frames.
#pragma once

#include <utility>

#include "plugin/FloatingPointGuard.h"

namespace orbidate {

template <class Result, class Body>
Result AtBoundary(Result onFailure, Body&& body) noexcept {
  FloatingPointGuard guard;
  try {
    return std::forward<Body>(body)();
  } catch (...) {
    return onFailure;
  }
}

template <class Body>
void AtBoundary(Body&& body) noexcept {
  FloatingPointGuard guard;
  try {
    std::forward<Body>(body)();
  } catch (...) {
  }
}

}  // namespace orbidate
