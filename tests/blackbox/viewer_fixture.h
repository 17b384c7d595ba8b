// The real viewer binary on a display of its own, with a window manager, the
// loopback channel service behind http_proxy and a private desktop.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "tests/support/channel_service.h"
#include "tests/support/process.h"
#include "tests/support/sandbox_env.h"
#include "tests/support/virtual_display.h"
#include "tests/support/wait.h"
#include "tests/support/x_client.h"

namespace zentavi::test {

class ViewerTest : public ::testing::Test {
 protected:
  // Starts the display, the service and `program`, and waits for its window.
  void start(DisplayOptions options = {}, const std::string& serviceRoot = {},
             const std::string& program = VIEWER_PATH);
  void TearDown() override;

  // A point of the main window's client area, on the screen.
  int screenX(int clientX) const { return client_.left + clientX; }
  int screenY(int clientY) const { return client_.top + clientY; }
  Rect client() { return x().rootGeometry(window_); }

  // Waits for the list page to report `event` (focus, blur, click) `count` times.
  bool listReported(const std::string& event, std::size_t count = 1);
  std::size_t listReports(const std::string& event) const;
  // Rests the pointer on the list's link `channel<n>` until the page says so
  // (so the engine has reported it as the status text), then clicks it.
  void pickChannel(int n);
  // Moves the pointer to a screen point until the list reports the pointer
  // over `link` (an element id, or "none" off the links).
  bool hoverList(int screenXAt, int screenYAt, const std::string& link);
  // Where the list pane's n-th link is on screen.
  int listLinkX() { return screenX(client().width - 100); }
  int listLinkY(int n) const { return screenY(30 + (n - 1) * 60 + 30); }
  // The number of the viewer's windows that are on screen.
  std::size_t viewerWindows() { return x().countWindowsOf(viewer().pid()); }

  // Waits until the screen shows the split for the current client size, with
  // a channel in the player: the last columns of the player and the first of
  // the list, near the bottom.
  void expectSplitOnScreen();

  // The list's reports so far, for failure messages.
  std::string reportLog() const;
  void expectExitsWith(int status);

  XClient& x() { return *x_; }
  Process& viewer() { return *viewer_; }
  ChannelService& service() { return *service_; }
  Window window() const { return window_; }
  SandboxEnvironment& sandbox() { return *sandbox_; }

 private:
  std::unique_ptr<VirtualDisplay> display_;
  std::unique_ptr<ChannelService> service_;
  std::unique_ptr<SandboxEnvironment> sandbox_;
  std::unique_ptr<Process> viewer_;
  std::unique_ptr<XClient> x_;
  Window window_ = 0;
  Rect client_;
};

}  // namespace zentavi::test
