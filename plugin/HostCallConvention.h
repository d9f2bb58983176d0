// The host's calling convention (Delphi "register"): the first three 32-bit
// arguments in EAX, EDX and ECX, further ones pushed in declaration order so
// that the last is pushed last, and the callee pops its stack arguments.
//
// GCC's regparm(3) + stdcall gives the registers and the callee pop, but takes
// stack arguments in C order (first one at the lowest address). So a function
// with more than one stack argument declares its stack arguments in reverse.
// Booleans come back in AL; a host boolean is read by its low byte only.
//
// On other processors (the 64-bit Wine test build, native tests) the macro is
// empty and the platform's own convention applies.
#pragma once

#include <cstdint>

#if defined(__i386__)
#define ORBIDATE_HOSTCALL __attribute__((regparm(3), stdcall))
#else
#define ORBIDATE_HOSTCALL
#endif

namespace orbidate {

// A boolean as it crosses the boundary: 1 or 0 going out; any nonzero low
// byte is true coming in.
using HostBool = std::uint8_t;

constexpr bool HostTrue(HostBool value) { return value != 0; }

}  // namespace orbidate
