// What is on screen through maximise, restore and a resize by the window
// manager: the list page's colour in the 210 pixels at the right, the
// channel's colour everywhere to their left.
#include "tests/blackbox/viewer_fixture.h"

namespace zentavi::test {
namespace {

using LayoutTest = ViewerTest;

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
