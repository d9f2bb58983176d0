// The plug-in frame through its real entry points: slots, ids, messages, the
// host's floating-point words, unloading and loading again.
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "support/ImportPatch.h"
#include "support/LoadedPlugin.h"
#include "support/TestHarness.h"
#include "support/TestHost.h"

using namespace orbidate;
using namespace orbidate::wintest;

namespace {

struct MemoryEvent {
  char op;  // 'A' or 'F'
  void* block;
  SIZE_T bytes;
};
std::vector<MemoryEvent> gMemory;
ImportPatch* gAllocPatch = nullptr;
ImportPatch* gFreePatch = nullptr;

HGLOBAL WINAPI RecordingGlobalAlloc(UINT flags, SIZE_T bytes) {
  HGLOBAL block = reinterpret_cast<decltype(&GlobalAlloc)>(gAllocPatch->Original())(flags, bytes);
  gMemory.push_back({'A', block, bytes});
  CHECK_EQ(flags, 0u);
  return block;
}

HGLOBAL WINAPI RecordingGlobalFree(HGLOBAL block) {
  gMemory.push_back({'F', block, 0});
  return reinterpret_cast<decltype(&GlobalFree)>(gFreePatch->Original())(block);
}

std::uint16_t ReadX87() {
  std::uint16_t word;
  __asm__ volatile("fnstcw %0" : "=m"(word));
  return word;
}
std::uint32_t ReadMxcsr() {
  std::uint32_t word;
  __asm__ volatile("stmxcsr %0" : "=m"(word));
  return word;
}
void LoadWords(std::uint16_t x87, std::uint32_t mxcsr) {
  __asm__ volatile("fnclex\n\tfldcw %0" : : "m"(x87));
  __asm__ volatile("ldmxcsr %0" : : "m"(mxcsr));
}

void CheckTitleSlots(const EntryPoints& entry) {
  HostSlot title = nullptr, publisher = nullptr, hint = nullptr;
  entry.initPlugIn(0x7E57, &title, &publisher, &hint);
  REQUIRE(title != nullptr && publisher != nullptr && hint != nullptr);
  CHECK_EQ(std::string(title), "Orbidate");
  CHECK_EQ(GlobalSize(title), 9u);
  CHECK(std::strlen(publisher) > 0);
  CHECK_EQ(GlobalSize(publisher), std::strlen(publisher) + 1);
  CHECK_EQ(std::string(hint), "Create a calendar with a choice of a period of dates.");
  HostRelease(&title);
  HostRelease(&publisher);
  HostRelease(&hint);
}

}  // namespace

TEST_CASE(ExportsTheEightEntryPointsAndFillsTitlePublisherHint) {
  LoadedPlugin plugin;
  REQUIRE(plugin.Loaded());
  CheckTitleSlots(plugin.Entry());
}

TEST_CASE(InitReleasesEachOldBlockBeforeStoringTheNewOne) {
  LoadedPlugin plugin;
  REQUIRE(plugin.Loaded());
  ImportPatch alloc(plugin.Module(), "KERNEL32.dll", "GlobalAlloc", reinterpret_cast<void*>(&RecordingGlobalAlloc));
  ImportPatch release(plugin.Module(), "KERNEL32.dll", "GlobalFree", reinterpret_cast<void*>(&RecordingGlobalFree));
  REQUIRE(alloc.Active() && release.Active());
  gAllocPatch = &alloc;
  gFreePatch = &release;
  gMemory.clear();
  HostSlot slots[3] = {nullptr, nullptr, nullptr};
  for (HostSlot& slot : slots) HostAssign(&slot, "old text");
  void* const old[3] = {slots[0], slots[1], slots[2]};
  plugin.Entry().initPlugIn(0, &slots[0], &slots[1], &slots[2]);
  REQUIRE_EQ(gMemory.size(), 6u);
  for (int i = 0; i < 3; ++i) {
    SCOPE("slot", i);
    CHECK_EQ(gMemory[2 * i].op, 'F');
    CHECK(gMemory[2 * i].block == old[i]);
    CHECK_EQ(gMemory[2 * i + 1].op, 'A');
    CHECK(gMemory[2 * i + 1].block == slots[i]);
    CHECK_EQ(gMemory[2 * i + 1].bytes, std::strlen(slots[i]) + 1);
  }
  for (HostSlot& slot : slots) HostRelease(&slot);
}

TEST_CASE(IdsOutsideOneToTwentyAreFalseAndLeaveTheSlots) {
  LoadedPlugin plugin;
  REQUIRE(plugin.Loaded());
  TestHost host;
  host.RegisterWith(plugin.Entry());
  HostSlot params[4] = {nullptr, nullptr, nullptr, nullptr};
  HostAssign(&params[0], "Rect1");
  HostAssign(&params[2], "x");
  void* const before[4] = {params[0], params[1], params[2], params[3]};
  for (std::int32_t id : {0, 21, -1, 255, 65536}) {
    SCOPE("id", id);
    CHECK_EQ(plugin.Entry().execAction(id, params) & 0xFF, 0);
    CHECK_EQ(plugin.Entry().editAction(id, params) & 0xFF, 0);
    for (int i = 0; i < 4; ++i) CHECK(params[i] == before[i]);
    CHECK_EQ(std::string(params[0]), "Rect1");
  }
  CHECK(host.calls.empty());
  HostRelease(&params[0]);
  HostRelease(&params[2]);
}

TEST_CASE(MessagesOtherThanTwoAreIgnoredAndTwoIsHarmlessWithoutCalendars) {
  LoadedPlugin plugin;
  REQUIRE(plugin.Loaded());
  TestHost host;
  host.RegisterWith(plugin.Entry());
  for (std::int32_t code : {1, 3, 0, -1, 2, 2}) plugin.Entry().message(code);
  CHECK(host.calls.empty());
}

TEST_CASE(EveryEntryPointGivesTheHostItsFloatingPointWordsBack) {
  LoadedPlugin plugin;
  REQUIRE(plugin.Loaded());
  const std::uint16_t savedX87 = ReadX87();
  const std::uint32_t savedMxcsr = ReadMxcsr();
  struct Words {
    std::uint16_t x87;
    std::uint32_t mxcsr;
  };
  for (const Words words : {Words{0x1332, 0x1900}, Words{0x033F, 0x1F80}, Words{0x027F, 0x9FC0}}) {
    SCOPE("x87 word", words.x87);
    TestHost host;
    LoadWords(words.x87, words.mxcsr);
    const std::uint16_t x87 = ReadX87();
    const std::uint32_t mxcsr = ReadMxcsr();
    HostSlot a = nullptr, b = nullptr, c = nullptr;
    HostSlot params[4] = {};
    auto same = [&](const char* what) {
      SCOPE(what);
      const std::uint16_t nowX87 = ReadX87();
      const std::uint32_t nowMxcsr = ReadMxcsr();
      LoadWords(savedX87, savedMxcsr);
      CHECK_EQ(nowX87, x87);
      CHECK_EQ(nowMxcsr, mxcsr);
      LoadWords(x87, mxcsr);
    };
    plugin.Entry().initPlugIn(0, &a, &b, &c);
    same("nbInitPlugIn");
    plugin.Entry().registerPlugIn(TestHost::AddActionCallback(), 0, 0, TestHost::SetVarCallback());
    same("nbRegisterPlugIn");
    plugin.Entry().registerScriptProcessor(TestHost::RunScriptCallback());
    same("nbRegisterScriptProcessor");
    plugin.Entry().registerInterfaceAccess(TestHost::InterfaceAccessCallback());
    same("nbRegisterInterfaceAccess");
    plugin.Entry().execAction(0, params);
    same("nbExecAction");
    plugin.Entry().editAction(21, params);
    same("nbEditAction");
    plugin.Entry().message(2);
    same("nbMessage");
    LoadWords(savedX87, savedMxcsr);
    HostRelease(&a);
    HostRelease(&b);
    HostRelease(&c);
  }
  LoadWords(savedX87, savedMxcsr);
}

TEST_CASE(UnloadAndLoadAgainWorks) {
  for (int round = 0; round < 3; ++round) {
    SCOPE("round", round);
    LoadedPlugin plugin;
    REQUIRE(plugin.Loaded());
    CheckTitleSlots(plugin.Entry());
    TestHost host;
    host.RegisterWith(plugin.Entry());
    plugin.Entry().message(2);
  }
}

int main(int argc, char** argv) {
  // With ORBIDATE_PRELOAD set, another module of the process has loaded that
  // DLL (libgcc_s_dw2-1.dll, as other plug-ins do) before the plug-in.
  char preload[MAX_PATH];
  const DWORD n = GetEnvironmentVariableA("ORBIDATE_PRELOAD", preload, MAX_PATH);
  if (n > 0 && n < MAX_PATH) {
    if (LoadLibraryA(preload) == nullptr) {
      std::printf("cannot preload %s\n", preload);
      return 1;
    }
    std::printf("preloaded %s\n", preload);
  }
  return RunAll(argc, argv);
}
