// Picking channels in the list: they play in the player, and no window opens.
#include "tests/blackbox/viewer_fixture.h"

namespace zentavi::test {
namespace {

using ChannelSelectionTest = ViewerTest;

std::string listFixture(const std::string& name) { return std::string(LIST_FIXTURES) + "/" + name; }

TEST_F(ChannelSelectionTest, APickedChannelPlaysInThePlayerAndNoWindowOpens) {
  start();
  ASSERT_TRUE(listReported("list-ready"));
  pickChannel(1);
  ASSERT_TRUE(service().waitForRequest("/play.asp?id=1")) << reportLog();
  ASSERT_TRUE(listReported("playing&id=1")) << "the channel's video never played\n" << reportLog();
  EXPECT_EQ(viewerWindows(), 1u);

  pickChannel(1);  // the same channel again is loaded again
  ASSERT_TRUE(service().waitForRequest("/play.asp?id=1", 2));
  pickChannel(2);
  ASSERT_TRUE(service().waitForRequest("/play.asp?id=2"));
  ASSERT_TRUE(listReported("playing&id=2"));
  EXPECT_EQ(viewerWindows(), 1u);
  EXPECT_EQ(service().requestsFor("index.asp?action=list").size(), 1u) << "the list pane left its list";
}

struct OtherMeans {
  const char* list;
  const char* channel;
};

class NewWindowMeansTest : public ViewerTest, public ::testing::WithParamInterface<OtherMeans> {};

TEST_P(NewWindowMeansTest, LinksThatOpenAWindowByOtherMeansPlayInThePlayer) {
  start({}, listFixture(GetParam().list));
  ASSERT_TRUE(listReported("list-ready"));
  pickChannel(1);
  ASSERT_TRUE(service().waitForRequest(GetParam().channel)) << reportLog();
  ASSERT_TRUE(listReported("channel-ready"));
  EXPECT_EQ(viewerWindows(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Lists, NewWindowMeansTest,
                         ::testing::Values(OtherMeans{"form", "/play.asp?id=4"},
                                           OtherMeans{"window-open", "/play.asp?id=5"},
                                           OtherMeans{"base-target", "/play.asp?id=6"}),
                         [](const auto& p) {
                           std::string name = p.param.list;
                           std::erase(name, '-');
                           return name;
                         });

TEST_F(ChannelSelectionTest, ALinkThatStaysInTheListLeavesThePlayerAlone) {
  start({}, listFixture("same-window"));
  ASSERT_TRUE(listReported("list-ready"));
  pickChannel(2);
  ASSERT_TRUE(service().waitForRequest("/more.html"));
  ASSERT_TRUE(listReported("list-ready", 2));
  EXPECT_TRUE(service().requestsFor("/play.asp").empty());
}

TEST_F(ChannelSelectionTest, APopUpOfThePlayersPageIsRefused) {
  start();
  ASSERT_TRUE(listReported("list-ready"));
  pickChannel(1);
  ASSERT_TRUE(listReported("channel-ready&id=1"));
  // The player's link and button that open a window, below its video.
  for (int y : {240 + 4 + 30, 240 + 64 + 8 + 30}) {
    x().click(screenX(150), screenY(y));
    x().click(screenX(150), screenY(y));  // the first click may only focus the pane
  }
  // Picking a channel afterwards proves the clicks were handled.
  pickChannel(2);
  ASSERT_TRUE(service().waitForRequest("/play.asp?id=2"));
  EXPECT_TRUE(service().requestsFor("/popup.html").empty());
  EXPECT_EQ(viewerWindows(), 1u);
}

TEST_F(ChannelSelectionTest, ScriptAndFileLinksNeitherRunInNorReplaceThePlayersPage) {
  start({}, listFixture("script-links"));
  ASSERT_TRUE(listReported("list-ready"));
  pickChannel(1);
  ASSERT_TRUE(listReported("channel-ready&id=1"));
  pickChannel(2);  // javascript: in a new window
  pickChannel(3);  // file: in a new window
  pickChannel(4);  // proves the two before were handled
  ASSERT_TRUE(service().waitForRequest("/play.asp?id=2"));
  EXPECT_TRUE(service().requestsFor("event=leak").empty()) << "the player's page gave its secrets away";
  EXPECT_EQ(service().requestsFor("/play.asp?id=1").size(), 1u);
  EXPECT_EQ(viewerWindows(), 1u);
  EXPECT_TRUE(viewer().running());
}

}  // namespace
}  // namespace zentavi::test
