#include <gtest/gtest.h>
#include <stdlib.h>

#include <memory>
#include <thread>

#include "tests/gui/gui.h"
#include "tests/support/sandbox_env.h"
#include "tests/support/virtual_display.h"

namespace zentavi::test {
namespace {
ChannelService* gService = nullptr;
XClient* gX = nullptr;
}  // namespace

ChannelService& guiService() { return *gService; }
XClient& guiX() { return *gX; }

void pumpEvents() {
  if (!g_main_context_iteration(nullptr, FALSE)) std::this_thread::sleep_for(2ms);
}

bool hoverUntil(int x, int y, const std::function<bool()>& condition) {
  for (int i = 0; i < 100; ++i) {
    guiX().movePointer(x + i % 2, y);
    if (waitPumping(condition, 200ms)) return true;
  }
  return false;
}

Rect screenRect(GtkWidget* widget) {
  GdkWindow* window = gtk_widget_get_window(widget);
  GtkAllocation a;
  gtk_widget_get_allocation(widget, &a);
  int x = 0, y = 0;
  gdk_window_get_origin(window, &x, &y);
  if (!gtk_widget_get_has_window(widget)) {
    x += a.x;
    y += a.y;
  }
  return {x, y, a.width, a.height};
}

}  // namespace zentavi::test

int main(int argc, char** argv) {
  using namespace zentavi::test;
  ::testing::InitGoogleTest(&argc, argv);
  if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
  auto display = std::make_unique<VirtualDisplay>(DisplayOptions{.windowManager = false});
  auto service = std::make_unique<ChannelService>();
  SandboxEnvironment sandbox;
  for (const auto& [k, v] : sandbox.forChild(display->name(), service->proxy()))
    setenv(k.c_str(), v.c_str(), 1);
  auto x = std::make_unique<XClient>(display->name());
  gService = service.get();
  gX = x.get();
  gtk_init(nullptr, nullptr);
  const int result = RUN_ALL_TESTS();
  x.reset();
  service.reset();
  display.reset();
  return result;
}
