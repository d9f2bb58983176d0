#include "plugin/EntryPoints.h"

#include <gtest/gtest.h>

#include <cstring>

#include "support/RecordingHost.h"

namespace orbidate {
namespace {

using testing::RecordingHost;

TEST(EntryPoints, InitFillsTitlePublisherAndHint) {
  HostSlot title = nullptr, publisher = nullptr, hint = nullptr;
  nbInitPlugIn(0x7777, &title, &publisher, &hint);
  EXPECT_STREQ(title, "Orbidate");
  EXPECT_STREQ(publisher, kPluginPublisher);
  EXPECT_STREQ(hint, "Create a calendar with a choice of a period of dates.");
  // Called again with filled slots: refilled (the old blocks go back to the
  // allocator; the sanitizer build catches a leak or a double free).
  nbInitPlugIn(0, &title, &publisher, &hint);
  EXPECT_STREQ(title, "Orbidate");
  ReleaseHostString(&title);
  ReleaseHostString(&publisher);
  ReleaseHostString(&hint);
}

TEST(EntryPoints, IdsOutsideTheCatalogueAreFalseAndTouchNoSlot) {
  char text[] = "untouched";
  HostSlot params[4] = {text, nullptr, text, text};
  for (std::int32_t id : {0, 21, -1, 1000}) {
    SCOPED_TRACE(id);
    EXPECT_EQ(nbExecAction(id, params), 0);
    EXPECT_EQ(nbEditAction(id, params), 0);
    EXPECT_EQ(params[0], text);
    EXPECT_EQ(params[1], nullptr);
    EXPECT_STREQ(params[0], "untouched");
  }
  // Nothing reads the slots for such ids, not even a null array.
  EXPECT_EQ(nbExecAction(0, nullptr), 0);
}

TEST(EntryPoints, MessagesOtherThanTwoAndTheAboutSeamDoNothing) {
  RecordingHost::Current().Reset();
  RecordingHost::Current().Register();
  for (std::int32_t code : {1, 3, 0, -2, 2, 2}) nbMessage(code);
  nbAbout();
  EXPECT_TRUE(RecordingHost::Current().setVars.empty());
  EXPECT_TRUE(RecordingHost::Current().scripts.empty());
}

TEST(EntryPoints, LaterRegistrationsReplaceTheCallbacks) {
  RecordingHost::Current().Reset();
  RecordingHost::Current().Register();
  const HostCallbacks first = ModuleHostCallbacks();
  EXPECT_NE(first.setVar, nullptr);
  EXPECT_NE(first.runScript, nullptr);
  EXPECT_NE(first.interfaceAccess, nullptr);
  nbRegisterScriptProcessor(nullptr);
  EXPECT_EQ(ModuleHostCallbacks().runScript, nullptr);
  EXPECT_EQ(ModuleHostCallbacks().setVar, first.setVar);
  RecordingHost::Current().Register();
}

}  // namespace
}  // namespace orbidate
