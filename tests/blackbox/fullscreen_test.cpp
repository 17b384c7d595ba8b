// A channel's video going fullscreen covers the screen; Esc brings the two
// panes back, and a second Esc closes the viewer.
#include "tests/blackbox/viewer_fixture.h"

namespace zentavi::test {
namespace {

using FullscreenTest = ViewerTest;

// The channel page's fullscreen button, below its video and pop-up controls.
constexpr int kFullscreenButtonY = 402;

TEST_F(FullscreenTest, TheVideoCoversTheScreenAndEscEndsItThenClosesTheWindow) {
  start();
  ASSERT_TRUE(listReported("list-ready"));
  pickChannel(1);
  ASSERT_TRUE(listReported("playing&id=1"));
  x().click(screenX(150), screenY(560));  // into the player's page
  x().click(screenX(150), screenY(kFullscreenButtonY));
  ASSERT_TRUE(waitUntil([&] { return client().width == 1280 && client().height == 1024; }))
      << "not fullscreen";
  // Where the list and the website button were, the video's black surround.
  const Colour black{0, 0, 0};
  EXPECT_TRUE(waitUntil([&] {
    return x().pixel(1280 - 60, 600).near(black) && x().pixel(1100, 10).near(black);
  })) << "the list or the button still shows";

  x().key("Escape");
  ASSERT_TRUE(waitUntil([&] { return client().width == 1013 && client().height == 626; }))
      << "still fullscreen";
  expectSplitOnScreen();
  EXPECT_TRUE(viewer().running());

  x().key("Escape");
  expectExitsWith(0);
}

TEST_F(FullscreenTest, TheListMayNotGoFullscreen) {
  start({}, std::string(LIST_FIXTURES) + "/fullscreen");
  ASSERT_TRUE(listReported("list-ready"));
  pickChannel(1);
  ASSERT_TRUE(listReported("fullscreen-refused")) << reportLog();
  EXPECT_EQ(listReports("fullscreen-granted"), 0u);
  EXPECT_EQ(client().width, 1013);
}

}  // namespace
}  // namespace zentavi::test
