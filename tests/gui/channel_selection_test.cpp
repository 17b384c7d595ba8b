// The viewer's own bindings: every new-window request sends the player to the
// list's status text and is refused.
#include "panes/channel_selection.h"

#include <gtest/gtest.h>

#include "shell/main_window.h"
#include "shell/window_description.h"
#include "tests/gui/gui.h"

namespace zentavi {
namespace {

using namespace test;

// A channel link at the top, and below it a button whose script opens a
// window while the pointer is on no link.
constexpr const char* kList =
    "<html><body style='margin:0'><a href='http://live.zentavi.example/play.asp?id=3' target='_blank' "
    "style='display:block;height:100px'>channel</a><button style='display:block;height:100px;width:200px' "
    "onclick=\"window.open('http://live.zentavi.example/play.asp?id=8')\">open</button></body></html>";

// A player page with a link that opens a pop-up.
constexpr const char* kPlayerPage =
    "<html><body style='margin:0'><a href='http://live.zentavi.example/popup.html' target='_blank' "
    "style='display:block;height:200px'>popup</a></body></html>";

class ChannelSelectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    main_ = MainWindow::build(kMainWindow);
    ASSERT_NE(main_, nullptr);
    main_->show();
    ASSERT_TRUE(waitPumping([&] { return gtk_window_is_active(main_->window()); }));
    load(ControlId::ListPane, kList);
  }
  void load(ControlId id, const char* html) {
    WebKitWebView* engine = main_->pane(id)->engine();
    webkit_web_view_load_html(engine, html, "http://live.zentavi.example/");
    ASSERT_TRUE(waitPumping([&] { return !webkit_web_view_is_loading(engine); }));
  }
  Rect pane(ControlId id) { return screenRect(main_->controlWidget(id)); }
  HtmlView& list() { return *main_->pane(ControlId::ListPane); }
  std::string playerUri() {
    const char* uri = webkit_web_view_get_uri(main_->pane(ControlId::Player)->engine());
    return uri ? uri : "";
  }
  // Clicks twice: the first click into a view may go to focusing it.
  void clickAt(int x, int y) {
    guiX().click(x, y);
    guiX().click(x, y);
  }
  static guint toplevels() {
    GList* all = gtk_window_list_toplevels();
    const guint n = g_list_length(all);
    g_list_free(all);
    return n;
  }
  std::unique_ptr<MainWindow> main_;
};

TEST_F(ChannelSelectionTest, ARequestWithNoStatusTextSendsThePlayerToTheEmptyText) {
  const guint before = toplevels();
  const Rect r = pane(ControlId::ListPane);
  clickAt(r.left + 50, r.top + 150);  // the button, before any link was under the pointer
  ASSERT_TRUE(waitPumping([&] { return playerUri() == "about:blank"; }));
  EXPECT_EQ(list().statusText(), std::nullopt);
  EXPECT_EQ(toplevels(), before);
  EXPECT_TRUE(guiService().requestsFor("play.asp?id=8").empty());
}

TEST_F(ChannelSelectionTest, AScriptWindowOpenedOffTheLinksUsesTheLastStatusText) {
  const Rect r = pane(ControlId::ListPane);
  ASSERT_TRUE(hoverUntil(r.left + 50, r.top + 50, [&] { return list().statusText().has_value(); }));
  ASSERT_TRUE(hoverUntil(r.left + 50, r.top + 150, [&] { return !list().statusText().has_value(); }));
  clickAt(r.left + 50, r.top + 150);
  ASSERT_TRUE(waitPumping([&] { return playerUri() == "about:blank"; }));
  EXPECT_TRUE(guiService().requestsFor("play.asp?id=8").empty());
}

TEST_F(ChannelSelectionTest, AChannelLinkSendsThePlayerToItsAddress) {
  const guint before = toplevels();
  const Rect r = pane(ControlId::ListPane);
  ASSERT_TRUE(hoverUntil(r.left + 50, r.top + 50, [&] { return list().statusText().has_value(); }));
  guiX().click(r.left + 50, r.top + 50);
  ASSERT_TRUE(waitPumping([&] { return playerUri() == "http://live.zentavi.example/play.asp?id=3"; }));
  EXPECT_EQ(toplevels(), before);
  EXPECT_EQ(list().statusText(), "http://live.zentavi.example/play.asp?id=3") << "the request changed it";
}

TEST_F(ChannelSelectionTest, APopUpOfThePlayerGoesToTheListsStatusTextNotItsOwn) {
  load(ControlId::Player, kPlayerPage);
  const guint before = toplevels();
  const Rect r = pane(ControlId::Player);
  clickAt(r.left + 50, r.top + 100);
  ASSERT_TRUE(waitPumping([&] { return playerUri() == "about:blank"; }));
  EXPECT_EQ(toplevels(), before);
  EXPECT_TRUE(guiService().requestsFor("popup.html").empty());
}

}  // namespace
}  // namespace zentavi
