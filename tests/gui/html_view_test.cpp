#include "panes/html_view.h"

#include <gtest/gtest.h>

#include "shell/main_window.h"
#include "shell/window_description.h"
#include "tests/gui/gui.h"

namespace zentavi {
namespace {

using namespace test;

constexpr Description kUnbound{kMainWindow.window, kControls, {}};

// One link filling the top of the page, opening in a new window.
constexpr const char* kLinkPage =
    "<html><body style='margin:0'><a id='l' href='http://live.zentavi.example/play.asp?id=9' target='_blank' "
    "style='display:block;height:200px;background:#00f'>channel</a><div "
    "style='height:600px'></div></body></html>";

class HtmlViewTest : public ::testing::Test {
 protected:
  void SetUp() override { build(kUnbound); }
  void build(const Description& d) {
    main_ = MainWindow::build(d);
    ASSERT_NE(main_, nullptr);
    main_->show();
    ASSERT_TRUE(waitPumping([&] { return gtk_window_is_active(main_->window()); }));
  }
  // Shows kLinkPage in `id` and waits until it is laid out.
  void showLinkPage(ControlId id) {
    WebKitWebView* engine = main_->pane(id)->engine();
    webkit_web_view_load_html(engine, kLinkPage, "http://live.zentavi.example/");
    ASSERT_TRUE(waitPumping(
        [&] { return !webkit_web_view_is_loading(engine) && webkit_web_view_get_uri(engine) != nullptr; }));
  }
  Rect paneOnScreen(ControlId id) { return screenRect(main_->controlWidget(id)); }
  // Hovers the link, waiting for the engine to say so, then clicks it.
  void clickLink(ControlId id) {
    const Rect r = paneOnScreen(id);
    HtmlView* list = main_->pane(ControlId::ListPane);
    if (id == ControlId::ListPane) {
      ASSERT_TRUE(hoverUntil(r.left + 60, r.top + 100, [&] { return list->statusText().has_value(); }));
    }
    guiX().click(r.left + 60, r.top + 100);
  }
  static guint toplevels() {
    GList* all = gtk_window_list_toplevels();
    guint visible = 0;
    for (GList* l = all; l; l = l->next) visible += gtk_widget_get_visible(GTK_WIDGET(l->data)) ? 1 : 0;
    g_list_free(all);
    return visible;
  }
  std::unique_ptr<MainWindow> main_;
};

TEST_F(HtmlViewTest, TheListLoadsItsPageAndThePlayerStartsEmpty) {
  WebKitWebView* player = main_->pane(ControlId::Player)->engine();
  WebKitWebView* list = main_->pane(ControlId::ListPane)->engine();
  EXPECT_EQ(webkit_web_view_get_uri(player), nullptr);
  EXPECT_STREQ(webkit_web_view_get_uri(list), std::string(kChannelListUrl).c_str());
  EXPECT_DOUBLE_EQ(webkit_web_view_get_zoom_level(player), 1.0);
  EXPECT_TRUE(webkit_settings_get_zoom_text_only(webkit_web_view_get_settings(player)));
  EXPECT_FALSE(
      webkit_settings_get_javascript_can_open_windows_automatically(webkit_web_view_get_settings(list)));
  ASSERT_TRUE(waitPumping([&] { return !guiService().requestsFor("index.asp?action=list").empty(); }));
}

TEST_F(HtmlViewTest, StatusTextIsTheLinkUnderThePointerAndOnlyTheEngineChangesIt) {
  HtmlView* list = main_->pane(ControlId::ListPane);
  showLinkPage(ControlId::ListPane);
  EXPECT_EQ(list->statusText(), std::nullopt);
  const Rect r = paneOnScreen(ControlId::ListPane);
  ASSERT_TRUE(hoverUntil(r.left + 60, r.top + 100, [&] { return list->statusText().has_value(); }));
  EXPECT_EQ(list->statusText(), "http://live.zentavi.example/play.asp?id=9");
  list->navigate("http://live.zentavi.example/play.asp?id=1");  // navigating keeps it
  EXPECT_EQ(list->statusText(), "http://live.zentavi.example/play.asp?id=9");
  ASSERT_TRUE(hoverUntil(r.left + 60, r.top + 400, [&] { return !list->statusText().has_value(); }));
}

TEST_F(HtmlViewTest, NavigatePassesTheAddressUnchanged) {
  HtmlView* player = main_->pane(ControlId::Player);
  player->navigate("http://live.zentavi.example/play.asp?id=7&x=%20a");
  ASSERT_TRUE(waitPumping([&] { return !guiService().requestsFor("play.asp?id=7&x=%20a").empty(); }));
  player->navigate("");
  ASSERT_TRUE(waitPumping([&] {
    const char* uri = webkit_web_view_get_uri(player->engine());
    return uri && std::string(uri) == "about:blank";
  }));
}

int gNewWindowCalls = 0;
Answer answerFalse(MainWindow&) {
  ++gNewWindowCalls;
  return false;
}
Answer answerTrue(MainWindow&) {
  ++gNewWindowCalls;
  return true;
}
Answer answerNothing(MainWindow&) {
  ++gNewWindowCalls;
  return std::nullopt;
}

struct NewWindowCase {
  const char* name;
  Handler handler;
  bool opens;
};

class NewWindowTest : public HtmlViewTest, public ::testing::WithParamInterface<NewWindowCase> {
 protected:
  void SetUp() override {}
};

TEST_P(NewWindowTest, OnlyTheAnswerFalseKeepsTheWindowFromOpening) {
  const Binding bindings[] = {{sourceOf(ControlId::ListPane), Event::NewWindow, GetParam().handler}};
  const Description d{kMainWindow.window, kControls,
                      GetParam().handler ? std::span<const Binding>(bindings) : std::span<const Binding>()};
  build(d);
  gNewWindowCalls = 0;
  const guint before = toplevels();
  showLinkPage(ControlId::ListPane);
  clickLink(ControlId::ListPane);
  if (GetParam().opens) {
    EXPECT_TRUE(waitPumping([&] { return toplevels() == before + 1; }));
  } else {
    // The engine decides inside the request: once the handler has answered,
    // a window that was not refused would already exist.
    ASSERT_TRUE(waitPumping([] { return gNewWindowCalls == 1; }));
    pumpEvents();
    EXPECT_EQ(toplevels(), before);
  }
}

INSTANTIATE_TEST_SUITE_P(Outcomes, NewWindowTest,
                         ::testing::Values(NewWindowCase{"False", answerFalse, false},
                                           NewWindowCase{"True", answerTrue, true},
                                           NewWindowCase{"NoAnswer", answerNothing, true},
                                           NewWindowCase{"NoHandler", nullptr, true}),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace zentavi
