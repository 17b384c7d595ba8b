#include "shell/main_window.h"

#include <gtest/gtest.h>

#include "shell/window_description.h"
#include "tests/gui/gui.h"

namespace zentavi {
namespace {

using namespace test;

// The viewer's own controls, but no handlers: what building alone does.
constexpr Description kUnbound{kMainWindow.window, kControls, {}};

int gStartupCalls = 0;
bool gPanesExisted = false;
Answer countStartup(MainWindow& main) {
  ++gStartupCalls;
  gPanesExisted = main.pane(ControlId::ListPane) && main.pane(ControlId::Player);
  return std::nullopt;
}

TEST(MainWindow, BuildsEachControlAtItsDesignRectangle) {
  auto main = MainWindow::build(kUnbound);
  ASSERT_NE(main, nullptr);
  for (const ControlEntry& e : kControls) {
    EXPECT_EQ(main->geometry(e.id), e.rect) << e.name;
    EXPECT_TRUE(gtk_widget_get_visible(main->controlWidget(e.id))) << e.name;
  }
  EXPECT_FALSE(gtk_widget_get_visible(GTK_WIDGET(main->window()))) << "shown before it was asked to be";
  main->show();
  ASSERT_TRUE(waitPumping([&] { return gtk_widget_get_mapped(main->controlWidget(ControlId::Player)); }));
  ASSERT_TRUE(
      waitPumping([&] { return screenRect(main->controlWidget(ControlId::WebsiteButton)).width == 211; }));
  Rect client;
  gdk_window_get_origin(gtk_widget_get_window(GTK_WIDGET(main->window())), &client.left, &client.top);
  for (const ControlEntry& e : kControls) {
    const Rect onScreen = screenRect(main->controlWidget(e.id));
    EXPECT_EQ(onScreen,
              (Rect{client.left + e.rect.left, client.top + e.rect.top, e.rect.width, e.rect.height}))
        << e.name;
  }
}

TEST(MainWindow, StartupEventsReachHandlersOnlyOnceBuildingIsDone) {
  static constexpr Binding kCounting[] = {
      {kMainWindowSource, Event::CreationComplete, countStartup},
      {kMainWindowSource, Event::Moved, countStartup},
      {kMainWindowSource, Event::SizeChanged, countStartup},
  };
  static constexpr Description kCountingWindow{kMainWindow.window, kControls, kCounting};
  gStartupCalls = 0;
  auto main = MainWindow::build(kCountingWindow);
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(gStartupCalls, 3);
  EXPECT_TRUE(gPanesExisted);
  EXPECT_FALSE(main->events().suspended());
}

TEST(MainWindow, FocusStartsInThePlayerAndTabCyclesTheControls) {
  auto main = MainWindow::build(kUnbound);
  main->show();
  ASSERT_TRUE(waitPumping([&] { return gtk_window_is_active(main->window()); }));
  EXPECT_EQ(gtk_window_get_focus(main->window()), GTK_WIDGET(main->pane(ControlId::Player)->engine()));
  EXPECT_EQ(main->focusedControl(), ControlId::Player);
  struct Step {
    std::vector<std::string> modifiers;
    ControlId after;
  };
  const Step steps[] = {{{}, ControlId::ListPane},        {{}, ControlId::WebsiteButton},
                        {{}, ControlId::Player},          {{"shift"}, ControlId::WebsiteButton},
                        {{"shift"}, ControlId::ListPane}, {{"shift"}, ControlId::Player}};
  for (const Step& s : steps) {
    guiX().key("Tab", s.modifiers);
    EXPECT_TRUE(waitPumping([&] { return main->focusedControl() == s.after; }))
        << "expected " << static_cast<int>(s.after);
  }
  EXPECT_TRUE(gtk_widget_is_focus(main->controlWidget(ControlId::Player)) ||
              gtk_widget_has_focus(GTK_WIDGET(main->pane(ControlId::Player)->engine())));
}

TEST(MainWindow, FocusComesBackAfterTheWindowIsActivatedAgain) {
  auto main = MainWindow::build(kUnbound);
  main->show();
  ASSERT_TRUE(waitPumping([&] { return gtk_window_is_active(main->window()); }));
  main->focusControl(ControlId::WebsiteButton);
  GtkWidget* other = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  gtk_widget_show(other);
  gtk_window_present(GTK_WINDOW(other));
  ASSERT_TRUE(waitPumping([&] { return gtk_window_is_active(GTK_WINDOW(other)); }));
  gtk_widget_destroy(other);
  gtk_window_present(main->window());
  ASSERT_TRUE(waitPumping([&] { return gtk_window_is_active(main->window()); }));
  EXPECT_EQ(main->focusedControl(), ControlId::WebsiteButton);
}

TEST(MainWindow, AControlThatCannotBeCreatedFailsTheBuild) {
  auto broken = kControls;
  broken[1].kind = static_cast<ControlKind>(99);
  const Description description{kMainWindow.window, broken, {}};
  GList* before = gtk_window_list_toplevels();
  const guint toplevels = g_list_length(before);
  g_list_free(before);
  EXPECT_EQ(MainWindow::build(description), nullptr);
  GList* after = gtk_window_list_toplevels();
  EXPECT_EQ(g_list_length(after), toplevels) << "the half-built window was left behind";
  g_list_free(after);
}

}  // namespace
}  // namespace zentavi
