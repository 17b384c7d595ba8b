#include "tests/blackbox/viewer_fixture.h"

#include "tests/service/pages.h"

namespace zentavi::test {

void ViewerTest::start(DisplayOptions options, const std::string& serviceRoot, const std::string& program) {
  display_ = std::make_unique<VirtualDisplay>(options);
  service_ = std::make_unique<ChannelService>(serviceRoot);
  sandbox_ = std::make_unique<SandboxEnvironment>();
  x_ = std::make_unique<XClient>(display_->name());
  viewer_ = std::make_unique<Process>(std::vector<std::string>{program},
                                      sandbox_->forChild(display_->name(), service_->proxy()));
  ASSERT_TRUE(waitUntil([this] { return x_->windowOf(viewer_->pid()).has_value() || !viewer_->running(); }))
      << "no window appeared";
  ASSERT_TRUE(viewer_->running()) << "exited with " << *viewer_->exitStatus();
  window_ = *x_->windowOf(viewer_->pid());
  client_ = x_->rootGeometry(window_);
  // Keys go to the window that has the focus: wait until it is ours.
  if (options.windowManager) {
    ASSERT_TRUE(waitUntil([this] { return x_->activeWindow() == window_; })) << "never became active";
  }
}

void ViewerTest::TearDown() {
  viewer_.reset();
  x_.reset();
  service_.reset();
  display_.reset();
  sandbox_.reset();
}

std::size_t ViewerTest::listReports(const std::string& event) const {
  return service_->requestsFor("/report?event=" + event + "&").size();
}

bool ViewerTest::listReported(const std::string& event, std::size_t count) {
  return waitUntil([&] { return listReports(event) >= count; });
}

// The engine folds quick pointer moves together, so each move waits for the
// page to see it: first off the links, then onto the channel.
bool ViewerTest::hoverList(int screenXAt, int screenYAt, const std::string& link) {
  const std::string hovered = "list-hover&link=" + link;
  const std::size_t before = listReports(hovered);
  for (int i = 0; i < 200; ++i) {
    x().movePointer(screenXAt + i % 2, screenYAt);
    if (waitUntil([&] { return listReports(hovered) > before; }, 100ms)) return true;
  }
  return false;
}

void ViewerTest::pickChannel(int n) {
  ASSERT_TRUE(hoverList(listLinkX(), screenY(560), "none")) << reportLog();
  ASSERT_TRUE(hoverList(listLinkX(), listLinkY(n), "channel" + std::to_string(n)))
      << "the list never saw the pointer on channel" << n << "\n"
      << reportLog();
  x().click(listLinkX(), listLinkY(n));
}

void ViewerTest::expectSplitOnScreen() {
  const Colour list = colourFromHex(kListColour), channel = colourFromHex(kChannelColour);
  Rect c;
  const bool shown = waitUntil([&] {
    c = client();
    const int y = c.top + c.height - 20;
    const int split = c.left + c.width - 210;
    return x().pixel(split - 1, y).near(channel) && x().pixel(split, y).near(list) &&
           x().pixel(split - 100, y).near(channel) && x().pixel(c.left + c.width - 2, y).near(list) &&
           x().pixel(split, c.top + 30).near(list);
  });
  EXPECT_TRUE(shown) << "client " << c.width << "x" << c.height;
}

std::string ViewerTest::reportLog() const {
  std::string log;
  for (const Request& r : service_->requestsFor("/report?event="))
    log += r.uri.substr(r.uri.find("event=") + 6) + " @" + std::to_string(r.microseconds / 1000) + "ms\n";
  return log;
}

void ViewerTest::expectExitsWith(int status) {
  const auto exit = viewer_->waitForExit(20s);
  ASSERT_TRUE(exit.has_value()) << "still running";
  EXPECT_EQ(*exit, status);
}

}  // namespace zentavi::test
