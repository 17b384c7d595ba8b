#include <gtest/gtest.h>

#include "panes/html_view.h"
#include "shell/window_description.h"

namespace zentavi {
namespace {

Answer someHandler(MainWindow&) { return false; }

TEST(Description, AnEventHasAtMostOneHandler) {
  const Binding one[] = {{sourceOf(ControlId::ListPane), Event::NewWindow, someHandler},
                         {sourceOf(ControlId::Player), Event::NewWindow, someHandler},
                         {kMainWindowSource, Event::SizeChanged, someHandler}};
  EXPECT_TRUE(atMostOneHandlerPerEvent(one));
  const Binding twice[] = {{sourceOf(ControlId::ListPane), Event::NewWindow, someHandler},
                           {sourceOf(ControlId::ListPane), Event::NewWindow, someHandler}};
  EXPECT_FALSE(atMostOneHandlerPerEvent(twice));
  EXPECT_EQ(handlerFor(one, sourceOf(ControlId::Player), Event::NewWindow), someHandler);
  EXPECT_EQ(handlerFor(one, sourceOf(ControlId::WebsiteButton), Event::Click), nullptr);
}

TEST(Description, ControlsByName) {
  ASSERT_EQ(kMainWindow.controls.size(), 3u);
  EXPECT_EQ(findEntry(kMainWindow, ControlId::WebsiteButton)->name, "按钮1");
  EXPECT_EQ(findEntry(kMainWindow, ControlId::ListPane)->name, "表单");
  EXPECT_EQ(findEntry(kMainWindow, ControlId::Player)->name, "播放器");
  EXPECT_EQ(findEntry(kMainWindow, ControlId::ListPane)->view.address, kChannelListUrl);
  EXPECT_TRUE(findEntry(kMainWindow, ControlId::Player)->view.address.empty());
}

TEST(Description, GeometryIsClampedToTheToolkitsRange) {
  EXPECT_EQ(clampRect({-40000, 40000, -5, 99999}), (Rect{-32627, 32627, 0, 32627}));
  EXPECT_EQ(clampRect({-60, 0, 210, 0}), (Rect{-60, 0, 210, 0}));
}

TEST(HtmlViewSettings, TextSizesAndNetworkAddresses) {
  EXPECT_DOUBLE_EQ(textZoomFactor(2), 1.0);
  EXPECT_LT(textZoomFactor(0), textZoomFactor(1));
  EXPECT_LT(textZoomFactor(3), textZoomFactor(4));
  EXPECT_DOUBLE_EQ(textZoomFactor(9), textZoomFactor(4));
  for (const char* uri : {"http://a/", "HTTPS://a/", "ws://a", "ftp://a"})
    EXPECT_TRUE(isNetworkUri(uri)) << uri;
  for (const char* uri : {"about:blank", "data:text/html,x", "", "play.asp?id=3"})
    EXPECT_FALSE(isNetworkUri(uri)) << uri;
}

}  // namespace
}  // namespace zentavi
