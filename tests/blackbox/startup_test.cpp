#include <glib.h>
#include <unistd.h>

#include <string>

#include "shell/texts.h"
#include "tests/blackbox/viewer_fixture.h"

namespace zentavi::test {
namespace {

using StartupTest = ViewerTest;

TEST_F(StartupTest, ShowsItsCaptionCentredAndLoadsOnlyTheChannelList) {
  start();
  EXPECT_EQ(x().title(window()), std::string(kWindowCaption));
  // The window manager puts its frame's corner where the viewer asked.
  const Rect frame = x().frameGeometry(window());
  EXPECT_EQ(frame.left, 133);
  EXPECT_EQ(frame.top, 199);
  EXPECT_EQ(client().width, 1013);
  EXPECT_EQ(client().height, 626);
  ASSERT_TRUE(service().waitForRequest("http://live.zentavi.example/index.asp?action=list"));
  ASSERT_TRUE(listReported("list-ready"));
  // The list answers focus once the viewer has processed a Tab: by then a
  // player that loaded anything would have asked the service for it.
  x().key("Tab");
  ASSERT_TRUE(listReported("list-focus"));
  for (const Request& r : service().requests())
    EXPECT_TRUE(r.uri.starts_with("http://live.zentavi.example/index.asp?action=list") ||
                r.uri.starts_with("http://live.zentavi.example/report?"))
        << r.uri;
}

struct Screen {
  int width, height;
  bool windowManager;
  int left, top;
};

class PlacementTest : public ViewerTest, public ::testing::WithParamInterface<Screen> {};

TEST_P(PlacementTest, WindowStartsCentredOnTheScreen) {
  const Screen s = GetParam();
  start({.width = s.width, .height = s.height, .windowManager = s.windowManager});
  const Rect where = s.windowManager ? x().frameGeometry(window()) : client();
  EXPECT_EQ(where.left, s.left);
  EXPECT_EQ(where.top, s.top);
}

// Without a window manager nothing pulls a window back onto a small screen.
INSTANTIATE_TEST_SUITE_P(Screens, PlacementTest,
                         ::testing::Values(Screen{1024, 768, true, 5, 71}, Screen{1280, 1024, true, 133, 199},
                                           Screen{800, 600, false, -106, -13}));

TEST_F(StartupTest, TheWindowClassIsTheOneTheDesktopEntryNames) {
  start();
  gchar* entry = nullptr;
  ASSERT_TRUE(g_file_get_contents(DESKTOP_FILE, &entry, nullptr, nullptr));
  const std::string text(entry);
  g_free(entry);
  const auto at = text.find("StartupWMClass=");
  ASSERT_NE(at, std::string::npos);
  const std::string wmClass = text.substr(at + 15, text.find('\n', at) - at - 15);
  EXPECT_EQ(x().wmClass(window()), wmClass + "." + wmClass);
}

// Run by the branding check, with a viewer built for other hosts.
TEST_F(StartupTest, DISABLED_BrandedViewerGoesToItsOwnHosts) {
  const char* branded = getenv("ZENTAVI_BRANDED_VIEWER");
  ASSERT_NE(branded, nullptr);
  start({}, {}, branded);
  EXPECT_EQ(x().title(window()), "Zentavi网络电视台 v1.01  \u2014  他方(www.other.example)版权所有");
  ASSERT_TRUE(service().waitForRequest("http://live.other.example/index.asp?action=list"));
  EXPECT_TRUE(service().requestsFor("zentavi.example").empty());
}

TEST_F(StartupTest, AFailedStartShowsAnErrorAndExitsWith255) {
  start({}, {}, FAILING_VIEWER_PATH);
  EXPECT_EQ(x().title(window()), std::string(kWindowCaption));
  EXPECT_LT(client().width, 600) << "the main window itself must not appear";
  x().key("Return");
  expectExitsWith(255);
}

TEST(NoDisplayTest, SaysSoOnStderrAndExitsWith255) {
  SandboxEnvironment sandbox;
  Environment env = sandbox.forChild(":9999", {});
  Process viewer({"/bin/sh", "-c", std::string("exec ") + VIEWER_PATH + " 2>&1"}, env, true);
  EXPECT_EQ(viewer.waitForExit(20s), 255);
  char buffer[512] = {};
  const auto n = read(viewer.stdoutFd(), buffer, sizeof buffer - 1);
  EXPECT_NE(std::string(buffer, n > 0 ? n : 0).find(kNoDisplayMessage), std::string::npos);
}

}  // namespace
}  // namespace zentavi::test
