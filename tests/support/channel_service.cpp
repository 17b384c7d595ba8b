#include "tests/support/channel_service.h"

#include <unistd.h>

#include <sstream>
#include <stdexcept>

#include "tests/support/wait.h"

namespace zentavi::test {
namespace {

std::string readLine(int fd) {
  std::string line;
  char c;
  while (read(fd, &c, 1) == 1) {
    if (c == '\n') return line;
    line += c;
  }
  return line.empty() ? std::string("\x04") : line;  // end of the stream
}

}  // namespace

ChannelService::ChannelService(const std::string& root) {
  std::vector<std::string> argv{CHANNEL_SERVICE_PATH};
  if (!root.empty()) argv.insert(argv.end(), {"--root", root});
  process_ = std::make_unique<Process>(argv, currentEnvironment(), true);
  const std::string first = readLine(process_->stdoutFd());
  if (first.rfind("PORT ", 0) != 0) throw std::runtime_error("channel service did not start");
  port_ = std::stoi(first.substr(5));
  reader_ = std::thread([this] { readLog(); });
}

ChannelService::~ChannelService() {
  process_->stop();
  reader_.join();
}

void ChannelService::readLog() {
  for (std::string line = readLine(process_->stdoutFd()); line != "\x04";
       line = readLine(process_->stdoutFd())) {
    std::istringstream fields(line);
    std::string tag;
    Request r;
    if (!(fields >> tag >> r.microseconds >> r.method >> r.uri) || tag != "REQUEST") continue;
    std::lock_guard lock(mutex_);
    requests_.push_back(r);
  }
}

std::vector<Request> ChannelService::requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

std::vector<Request> ChannelService::requestsFor(const std::string& part) const {
  std::vector<Request> found;
  for (const Request& r : requests())
    if (r.uri.find(part) != std::string::npos) found.push_back(r);
  return found;
}

bool ChannelService::waitForRequest(const std::string& part, std::size_t count) const {
  return waitUntil([&] { return requestsFor(part).size() >= count; });
}

}  // namespace zentavi::test
