// A pane whose web process dies or hangs gets its page back by itself, and
// the other pane is not disturbed.
#include <dirent.h>
#include <signal.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "tests/blackbox/viewer_fixture.h"

namespace zentavi::test {
namespace {

class RecoveryTest : public ViewerTest {
 protected:
  // The viewer's web processes, oldest first.
  std::vector<pid_t> webProcesses() {
    std::vector<std::pair<unsigned long long, pid_t>> found;
    DIR* proc = opendir("/proc");
    while (dirent* e = readdir(proc)) {
      const pid_t pid = atoi(e->d_name);
      if (pid <= 0) continue;
      std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
      std::string line;
      if (!std::getline(stat, line) || line.find("(WebKitWebProces") == std::string::npos) continue;
      std::istringstream rest(line.substr(line.rfind(')') + 2));
      std::string field;
      std::vector<std::string> fields;
      while (rest >> field) fields.push_back(field);
      if (fields.size() > 19 && std::stoi(fields[1]) == viewer().pid())
        found.emplace_back(std::stoull(fields[19]), pid);  // start time, pid
    }
    closedir(proc);
    std::sort(found.begin(), found.end());
    std::vector<pid_t> pids;
    for (const auto& f : found) pids.push_back(f.second);
    return pids;
  }
};

TEST_F(RecoveryTest, AKilledPaneComesBackAndTheOtherIsLeftAlone) {
  start();
  ASSERT_TRUE(listReported("list-ready"));
  ASSERT_TRUE(waitUntil([&] { return webProcesses().size() == 1; }));
  const pid_t list = webProcesses()[0];  // the player has loaded nothing yet
  pickChannel(1);
  ASSERT_TRUE(listReported("channel-ready&id=1"));
  ASSERT_TRUE(waitUntil([&] { return webProcesses().size() == 2; }));
  const pid_t player = webProcesses()[1];

  kill(list, SIGKILL);
  ASSERT_TRUE(listReported("list-ready", 2)) << "the list did not come back";
  EXPECT_EQ(service().requestsFor("play.asp?id=1").size(), 1u) << "the player was disturbed";

  kill(player, SIGKILL);
  ASSERT_TRUE(service().waitForRequest("play.asp?id=1", 2)) << "the player did not come back";
  ASSERT_TRUE(listReported("channel-ready&id=1", 2));
  EXPECT_EQ(service().requestsFor("index.asp?action=list").size(), 2u) << "the list was disturbed";
  // Both answer the pointer again.
  pickChannel(2);
  ASSERT_TRUE(service().waitForRequest("play.asp?id=2"));
}

TEST_F(RecoveryTest, AHungListIsEndedAndLoadedAgain) {
  start({}, std::string(LIST_FIXTURES) + "/busy");
  ASSERT_TRUE(listReported("list-ready"));
  pickChannel(1);
  EXPECT_TRUE(waitUntil([&] { return listReports("list-ready") >= 2; }, 40s)) << reportLog();
}

TEST_F(RecoveryTest, APaneThatKeepsDyingIsLeftAloneAfterAFewTries) {
  start();
  ASSERT_TRUE(listReported("list-ready"));
  for (std::size_t load = 2; load <= 4; ++load) {
    ASSERT_TRUE(waitUntil([&] { return webProcesses().size() == 1; }));
    kill(webProcesses()[0], SIGKILL);
    ASSERT_TRUE(listReported("list-ready", load)) << "try " << load - 1;
  }
  ASSERT_TRUE(waitUntil([&] { return webProcesses().size() == 1; }));
  kill(webProcesses()[0], SIGKILL);
  // A fourth try would come within 4 s; twice that passes without one.
  EXPECT_FALSE(waitUntil([&] { return listReports("list-ready") > 4; }, 8s)) << reportLog();
  EXPECT_TRUE(viewer().running());
}

}  // namespace
}  // namespace zentavi::test
