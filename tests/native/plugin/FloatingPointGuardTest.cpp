#include "plugin/FloatingPointGuard.h"

#include <gtest/gtest.h>

#include "plugin/Boundary.h"
#include "plugin/EntryPoints.h"
#include "plugin/Host.h"
#include "support/RecordingHost.h"

namespace orbidate {
namespace {

using testing::RecordingHost;

#if defined(__i386__) || defined(__x86_64__)

// A Delphi host's words: $1332 unmasks invalid operation, zero divide and
// overflow; $033F is the newer, all-masked word with 53-bit precision. The
// MXCSR values carry odd bits so that an inexact restore shows. The processor
// keeps bit 6 of the x87 word set whatever is loaded, so the word to give back
// is the one read after loading.
struct HostWords {
  std::uint16_t x87;
  std::uint32_t mxcsr;
};
constexpr HostWords kHostWords[] = {{0x1332, 0x1900}, {0x033F, 0x1F80 | 0x6000}, {0x037F, 0x1FBF}};

class WithHostWords {
 public:
  explicit WithHostWords(HostWords words) : saved_(SaveFloatingPointState()) {
    RestoreFloatingPointState({words.x87, words.mxcsr});
  }
  ~WithHostWords() { RestoreFloatingPointState(saved_); }

 private:
  FloatingPointState saved_;
};

TEST(FloatingPointGuard, EveryEntryPointGivesBackTheHostsWordsExactly) {
  RecordingHost::Current().Reset();
  for (const HostWords words : kHostWords) {
    SCOPED_TRACE(words.x87);
    FloatingPointState before, after;
    HostSlot a = nullptr, b = nullptr, c = nullptr;
    {
      WithHostWords host(words);
      before = SaveFloatingPointState();
      nbInitPlugIn(0, &a, &b, &c);
      RecordingHost::Current().Register();
      HostSlot params[4] = {};
      nbExecAction(1, params);
      nbExecAction(9, params);
      nbExecAction(0, nullptr);
      nbEditAction(0, nullptr);
      nbMessage(2);
      nbAbout();
      after = SaveFloatingPointState();
    }
    EXPECT_EQ(after.x87Control, before.x87Control);
    EXPECT_EQ(after.mxcsr, before.mxcsr);
    EXPECT_EQ(before.x87Control & ~0x40, words.x87 & ~0x40);
    ReleaseHostString(&a);
    ReleaseHostString(&b);
    ReleaseHostString(&c);
  }
}

TEST(FloatingPointGuard, MasksInsideAndGivesTheHostItsWordsDuringCallbacks) {
  WithHostWords host(kHostWords[0]);
  const FloatingPointState before = SaveFloatingPointState();
  FloatingPointState inside, inCallback, afterCallback;
  AtBoundary([&] {
    inside = SaveFloatingPointState();
    volatile double zero = 0.0;
    volatile double result = 1.0 / zero;  // masked: no trap, only a flag
    (void)result;
    {
      HostFloatingPoint hostWords;
      inCallback = SaveFloatingPointState();
    }
    afterCallback = SaveFloatingPointState();
  });
  EXPECT_EQ(inside.x87Control & 0x3F, 0x3F);
  EXPECT_EQ(inside.mxcsr & 0x1F80u, 0x1F80u);
  EXPECT_EQ(inCallback.x87Control, before.x87Control);
  EXPECT_EQ(inCallback.mxcsr, before.mxcsr);
  EXPECT_EQ(afterCallback.x87Control & 0x3F, 0x3F);
  const FloatingPointState outside = SaveFloatingPointState();
  EXPECT_EQ(outside.x87Control, before.x87Control);
  EXPECT_EQ(outside.mxcsr, before.mxcsr);
}

TEST(FloatingPointGuard, CallbacksFromInsideOurOwnModalLoopsGetTheHostsWords) {
  // nbEditAction -> the editor's dialog loop -> a button's window procedure
  // -> HostInterfaceAccess: the inner guard was entered under our words.
  WithHostWords host(kHostWords[0]);
  const FloatingPointState before = SaveFloatingPointState();
  FloatingPointState inCallback;
  AtBoundary([&] {
    AtBoundary([&] {
      HostFloatingPoint hostWords;
      inCallback = SaveFloatingPointState();
    });
  });
  EXPECT_EQ(inCallback.x87Control, before.x87Control);
  EXPECT_EQ(inCallback.mxcsr, before.mxcsr);
}

#endif

TEST(Boundary, NothingThrownGetsOut) {
  EXPECT_EQ(AtBoundary(-1, []() -> int { throw std::bad_alloc(); }), -1);
  EXPECT_EQ(AtBoundary(-1, [] { return 5; }), 5);
  AtBoundary([] { throw 42; });
}

}  // namespace
}  // namespace orbidate
