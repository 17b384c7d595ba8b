// In-process tests of the real main window: one Xvfb and one channel service
// for the test program, GTK initialised on that display.
#pragma once

#include <gtk/gtk.h>

#include <string>

#include "tests/support/channel_service.h"
#include "tests/support/wait.h"
#include "tests/support/x_client.h"

namespace zentavi::test {

ChannelService& guiService();
XClient& guiX();

// Runs the GTK main loop a little; the `pump` for waitUntil.
void pumpEvents();
inline bool waitPumping(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 20s) {
  return waitUntil(condition, timeout, pumpEvents);
}

// Rests the pointer at x, y until `condition` holds. The engine may miss a
// move that comes before its page is ready, so the pointer nudges by a pixel.
bool hoverUntil(int x, int y, const std::function<bool()>& condition);

// A widget's rectangle on the screen.
Rect screenRect(GtkWidget* widget);

}  // namespace zentavi::test
