// The website button hands the maker's site to the default browser: here a
// stand-in that records what it was given.
#include "shell/texts.h"
#include "tests/blackbox/viewer_fixture.h"

namespace zentavi::test {
namespace {

class WebsiteTest : public ViewerTest {
 protected:
  void clickButton() { x().click(screenX(900), screenY(12)); }
  bool opened(std::size_t times) {
    return waitUntil([&] { return sandbox().openedUrls().size() >= times; });
  }
  std::vector<std::string> site(std::size_t times) {
    return std::vector<std::string>(times, std::string(kWebsiteUrl));
  }
};

TEST_F(WebsiteTest, AClickOpensTheSiteOnceAndLeavesThePanesAlone) {
  start();
  sandbox().registerBrowser();
  ASSERT_TRUE(listReported("list-ready"));
  clickButton();
  ASSERT_TRUE(opened(1));
  EXPECT_EQ(sandbox().openedUrls(), site(1));
  // A list page reload or a player page would have asked the service.
  x().key("Tab", {"shift"});  // button -> list
  ASSERT_TRUE(listReported("list-focus")) << reportLog();
  EXPECT_EQ(service().requestsFor("index.asp").size(), 1u);
  EXPECT_TRUE(service().requestsFor("play.asp").empty());
  EXPECT_EQ(client().width, 1013);
  EXPECT_EQ(client().height, 626);
}

TEST_F(WebsiteTest, TwoQuickClicksMakeTwoRequests) {
  start();
  sandbox().registerBrowser();
  clickButton();
  clickButton();
  ASSERT_TRUE(opened(2));
  EXPECT_EQ(sandbox().openedUrls(), site(2));
}

TEST_F(WebsiteTest, SpaceAndEnterOnTheFocusedButtonOpenTheSite) {
  start();
  sandbox().registerBrowser();
  ASSERT_TRUE(listReported("list-ready"));
  x().key("Tab", {"shift"});  // player -> button
  x().key("space");
  ASSERT_TRUE(opened(1));
  x().key("Return");
  ASSERT_TRUE(opened(2));
  EXPECT_EQ(sandbox().openedUrls(), site(2));
}

TEST_F(WebsiteTest, WithoutABrowserNothingHappensAndALaterClickWorks) {
  start();
  ASSERT_TRUE(listReported("list-ready"));
  const std::size_t shown = x().countShownTopLevels();
  clickButton();
  // The click has been handled once the list answers the next one.
  x().click(listLinkX(), screenY(500));
  ASSERT_TRUE(listReported("list-click")) << reportLog();
  EXPECT_TRUE(viewer().running());
  EXPECT_EQ(x().countShownTopLevels(), shown) << "something appeared";
  // The desktop's list of applications is watched, not read on every
  // click: the new browser is taken up a moment after it appears.
  sandbox().registerBrowser();
  bool any = false;
  for (int i = 0; i < 20 && !any; ++i) {
    clickButton();
    any = waitUntil([&] { return !sandbox().openedUrls().empty(); }, 1s);
  }
  ASSERT_TRUE(any);
  for (const std::string& url : sandbox().openedUrls()) EXPECT_EQ(url, kWebsiteUrl);
}

}  // namespace
}  // namespace zentavi::test
