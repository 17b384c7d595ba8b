// Keys and closing, as a person at the keyboard and pointer does them.
#include "tests/blackbox/viewer_fixture.h"

namespace zentavi::test {
namespace {

using KeysTest = ViewerTest;

// Below the channel links of the list page, away from the website button.
constexpr int kListX = 900, kListY = 500;

TEST_F(KeysTest, TabAndShiftTabCycleThroughPlayerListAndButton) {
  start();
  ASSERT_TRUE(listReported("list-ready"));
  x().key("Tab");
  ASSERT_TRUE(listReported("list-focus", 1)) << reportLog() << "player -> list";
  x().key("Tab");
  ASSERT_TRUE(listReported("list-blur", 1)) << reportLog() << "list -> button";
  x().key("Tab", {"shift"});
  ASSERT_TRUE(listReported("list-focus", 2)) << reportLog() << "button -> list";
  x().key("Tab", {"shift"});
  ASSERT_TRUE(listReported("list-blur", 2)) << reportLog() << "list -> player";
  x().key("Tab", {"shift"});  // player -> button
  x().key("Tab");             // button -> player
  x().key("Tab");             // player -> list
  ASSERT_TRUE(listReported("list-focus", 3)) << reportLog() << "player -> button -> player -> list";
  EXPECT_EQ(listReports("list-focus"), 3u) << "the list had the focus where it should not";
}

TEST_F(KeysTest, EscInsideAPageClosesTheWindowWithStatus0) {
  start();
  ASSERT_TRUE(listReported("list-ready"));
  x().click(screenX(kListX), screenY(kListY));
  ASSERT_TRUE(listReported("list-focus"));
  x().key("Escape");
  expectExitsWith(0);
}

TEST_F(KeysTest, EscWithAModifierDoesNotClose) {
  start();
  ASSERT_TRUE(listReported("list-ready"));
  std::size_t rounds = 0;
  for (const char* modifier : {"ctrl", "shift", "alt"}) {
    x().key("Escape", {modifier});
    // Into the list and back out: once the list has reported both, the
    // modified Esc before them has been handled. The engine folds a focus
    // change that is undone at once, so each report is awaited.
    ++rounds;
    x().key("Tab");
    ASSERT_TRUE(listReported("list-focus", rounds)) << reportLog() << modifier;
    x().key("Tab", {"shift"});
    ASSERT_TRUE(listReported("list-blur", rounds)) << reportLog() << modifier;
    ASSERT_TRUE(viewer().running()) << modifier;
  }
  x().key("Escape");
  expectExitsWith(0);
}

TEST_F(KeysTest, AltF4ClosesWithStatus0) {
  start();
  x().key("F4", {"alt"});
  expectExitsWith(0);
}

TEST_F(KeysTest, TheCloseButtonClosesWithStatus0) {
  start();
  const Rect frame = x().frameGeometry(window());
  // The rightmost button of the title bar.
  x().click(frame.left + frame.width - 12, frame.top + (client().top - frame.top) / 2);
  expectExitsWith(0);
}

TEST_F(KeysTest, TheWindowMenusCloseClosesWithStatus0) {
  start();
  const std::size_t shown = x().countShownTopLevels();
  x().key("space", {"alt"});
  ASSERT_TRUE(waitUntil([&] { return x().countShownTopLevels() > shown; })) << "no window menu";
  x().key("Up");  // from the top round to the last item, Close
  x().key("Return");
  expectExitsWith(0);
}

TEST_F(KeysTest, TheWebsiteButtonLiesAboveTheListWhereTheyOverlap) {
  start();
  ASSERT_TRUE(listReported("list-ready"));
  x().click(screenX(900), screenY(12));  // button over list
  x().click(screenX(kListX), screenY(kListY));
  ASSERT_TRUE(listReported("list-click", 1));
  EXPECT_EQ(listReports("list-click"), 1u) << "the click at the overlap reached the page";
}

}  // namespace
}  // namespace zentavi::test
