// What is on screen through maximise, restore and a resize by the window
// manager: the list page's colour in the 210 pixels at the right, the
// channel's colour everywhere to their left.
#include "tests/blackbox/viewer_fixture.h"
#include "tests/service/pages.h"

namespace zentavi::test {
namespace {

class LayoutTest : public ViewerTest {
 protected:
  // Waits until the screen shows the split for the current client size: the
  // last columns of the player and the first of the list, near the bottom.
  void expectSplitOnScreen() {
    const Colour list = colourFromHex(kListColour), channel = colourFromHex(kChannelColour);
    Rect c;
    const bool shown = waitUntil([&] {
      c = client();
      const int y = c.top + c.height - 20;
      const int split = c.left + c.width - 210;
      return x().pixel(split - 1, y).near(channel) && x().pixel(split, y).near(list) &&
             x().pixel(c.left + 5, y).near(channel) && x().pixel(c.left + c.width - 2, y).near(list) &&
             x().pixel(split, c.top + 30).near(list);
    });
    EXPECT_TRUE(shown) << "client " << c.width << "x" << c.height;
  }
};

TEST_F(LayoutTest, MaximiseRestoreAndResizeKeepTheListAtTheRight) {
  start();
  ASSERT_TRUE(listReported("list-ready"));
  pickChannel(1);
  ASSERT_TRUE(listReported("channel-ready&id=1"));
  expectSplitOnScreen();

  x().setMaximized(window(), true);
  ASSERT_TRUE(waitUntil([&] { return client().width > 1200; })) << "not maximised";
  expectSplitOnScreen();

  x().setMaximized(window(), false);
  ASSERT_TRUE(waitUntil([&] { return client().width == 1013 && client().height == 626; })) << "not restored";
  expectSplitOnScreen();

  // X11 keeps a minimised window's size: nothing to lay out, and restoring
  // shows the same split.
  x().minimise(window());
  ASSERT_TRUE(waitUntil([&] { return !x().viewable(window()); })) << "not minimised";
  x().activate(window());
  ASSERT_TRUE(waitUntil([&] { return x().viewable(window()); })) << "not brought back";
  expectSplitOnScreen();

  x().requestSize(window(), 700, 400);
  ASSERT_TRUE(waitUntil([&] { return client().width == 700 && client().height == 400; })) << "not resized";
  expectSplitOnScreen();
}

}  // namespace
}  // namespace zentavi::test
