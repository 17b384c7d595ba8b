// The loopback channel service, run for one test, and what it was asked for.
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/process.h"

namespace zentavi::test {

struct Request {
  long long microseconds;  // monotonic clock, as the service saw it
  std::string method;
  std::string uri;  // absolute, as a proxy receives it
};

class ChannelService {
 public:
  // `root`: a folder whose files replace the built-in pages; empty for none.
  explicit ChannelService(const std::string& root = {});
  ~ChannelService();

  int port() const { return port_; }
  std::string proxy() const { return "http://127.0.0.1:" + std::to_string(port_); }

  std::vector<Request> requests() const;
  // Requests whose URI contains `part`.
  std::vector<Request> requestsFor(const std::string& part) const;
  bool waitForRequest(const std::string& part, std::size_t count = 1) const;

 private:
  void readLog();

  std::unique_ptr<Process> process_;
  int port_ = 0;
  mutable std::mutex mutex_;
  std::vector<Request> requests_;
  std::thread reader_;
};

}  // namespace zentavi::test
