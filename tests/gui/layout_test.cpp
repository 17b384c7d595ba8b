// The layout rule on the real window: before it is first shown, and after
// every size change.
#include "shell/layout.h"

#include <gtest/gtest.h>

#include "shell/main_window.h"
#include "shell/window_description.h"
#include "tests/gui/gui.h"

namespace zentavi {
namespace {

using namespace test;

constexpr Rect kButton{796, 0, 211, 24};

int gGtkWarnings = 0;
void countWarning(const gchar*, GLogLevelFlags, const gchar* message, gpointer) {
  ++gGtkWarnings;
  ADD_FAILURE() << "GTK: " << message;
}

class LayoutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    handler_ =
        g_log_set_handler("Gtk", static_cast<GLogLevelFlags>(G_LOG_LEVEL_WARNING | G_LOG_LEVEL_CRITICAL),
                          countWarning, nullptr);
    main_ = MainWindow::build(kMainWindow);
    ASSERT_NE(main_, nullptr);
  }
  void TearDown() override {
    main_.reset();
    g_log_remove_handler("Gtk", handler_);
  }
  void expectLayout(int width, int height) {
    EXPECT_EQ(main_->geometry(ControlId::Player), (Rect{0, 0, std::max(width - 210, 0), height}));
    EXPECT_EQ(main_->geometry(ControlId::ListPane), (Rect{width - 210, 0, 210, height}));
    EXPECT_EQ(main_->geometry(ControlId::WebsiteButton), kButton);
  }
  // Where a control really is, relative to the client area.
  Rect allocated(ControlId id) {
    GtkWidget* w = main_->controlWidget(id);
    Rect r = screenRect(w);
    int x = 0, y = 0;
    gdk_window_get_origin(gtk_widget_get_window(GTK_WIDGET(main_->window())), &x, &y);
    return {r.left - x, r.top - y, r.width, r.height};
  }
  std::unique_ptr<MainWindow> main_;
  guint handler_ = 0;
};

TEST_F(LayoutTest, TheFirstPictureAlreadyHasTheLayout) {
  EXPECT_FALSE(gtk_widget_get_visible(GTK_WIDGET(main_->window())));
  expectLayout(1013, 626);
  main_->show();
  ASSERT_TRUE(waitPumping([&] { return allocated(ControlId::ListPane).left == 803; }));
  EXPECT_EQ(allocated(ControlId::Player), (Rect{0, 0, 803, 626}));
  EXPECT_EQ(allocated(ControlId::ListPane), (Rect{803, 0, 210, 626}));
}

TEST_F(LayoutTest, EverySizeChangeKeepsTheSplit) {
  main_->show();
  ASSERT_TRUE(waitPumping([&] { return gtk_widget_get_mapped(GTK_WIDGET(main_->window())); }));
  struct Size {
    int width, height;
  };
  for (const Size s :
       {Size{1000, 580}, Size{210, 300}, Size{150, 200}, Size{1500, 900}, Size{400, 100}, Size{1013, 626}}) {
    gtk_window_resize(main_->window(), s.width, s.height);
    // The rule runs when the desktop reports the new size.
    ASSERT_TRUE(waitPumping([&] {
      return main_->geometry(ControlId::ListPane) == Rect{s.width - 210, 0, 210, s.height};
    })) << s.width
        << "x" << s.height << " never laid out";
    EXPECT_EQ(main_->clientWidth(), s.width);
    EXPECT_EQ(main_->clientHeight(), s.height);
    expectLayout(s.width, s.height);
    const Rect list = main_->geometry(ControlId::ListPane);
    ASSERT_TRUE(waitPumping([&] { return allocated(ControlId::ListPane).height == s.height; }));
    EXPECT_EQ(allocated(ControlId::ListPane), list) << s.width;
    if (s.width > 210) {
      EXPECT_EQ(allocated(ControlId::Player), main_->geometry(ControlId::Player)) << s.width;
    }
    EXPECT_EQ(allocated(ControlId::WebsiteButton), kButton) << s.width;
  }
  EXPECT_EQ(gGtkWarnings, 0);
}

TEST_F(LayoutTest, TheWindowCanShrinkBelowItsControls) {
  GtkRequisition minimum;
  gtk_widget_get_preferred_size(GTK_WIDGET(main_->window()), &minimum, nullptr);
  EXPECT_LE(minimum.width, 1);
  EXPECT_LE(minimum.height, 1);
}

}  // namespace
}  // namespace zentavi
