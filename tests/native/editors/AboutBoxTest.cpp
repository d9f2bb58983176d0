// The about box through nbAbout with the headless toolkit.
#include "appearance/AboutBox.h"

#include <gtest/gtest.h>

#include "forms/HeadlessDriver.h"
#include "plugin/EntryPoints.h"

namespace orbidate {
namespace {

TEST(AboutBox, EachRequestShowsAFreshBoxThatOnlyItsButtonAndCloseBoxClose) {
  std::vector<forms::Form*> seen;
  forms::ScopedHeadlessDriver driver([&](forms::Form& box) {
    seen.push_back(&box);
    EXPECT_EQ(box.Caption(), "About");
    EXPECT_EQ(box.Desc().clientWidth, 301);
    EXPECT_EQ(box.Desc().clientHeight, 257);
    // The pictures and labels react to nothing.
    for (const char* inert : {"Image2", "Image1", "Label4", "Label7"}) {
      EXPECT_TRUE(box.UserPress(inert)) << inert;
      EXPECT_TRUE(box.IsModal());
    }
    if (seen.size() == 1) {
      EXPECT_TRUE(box.UserPress("Button1"));
    } else {
      box.UserCloseBox();
    }
  });
  const int before = forms::HeadlessFormsShown();
  nbAbout();
  nbAbout();
  EXPECT_EQ(forms::HeadlessFormsShown() - before, 2);
  EXPECT_EQ(seen.size(), 2u);
}

}  // namespace
}  // namespace orbidate
