// A child process of a test, stopped by its own PID when the test ends.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace zentavi::test {

using Environment = std::map<std::string, std::string>;

class Process {
 public:
  // Starts `argv` with exactly `env`; its stdout comes back through a pipe when
  // `captureStdout`, otherwise both outputs go to the test's stderr.
  Process(const std::vector<std::string>& argv, const Environment& env, bool captureStdout = false);
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  ~Process();  // SIGTERM, then SIGKILL if it lingers

  pid_t pid() const { return pid_; }
  int stdoutFd() const { return stdoutFd_; }

  // The exit status once it has exited (128 + signal when killed).
  std::optional<int> exitStatus();
  std::optional<int> waitForExit(std::chrono::milliseconds timeout);
  bool running() { return !exitStatus(); }
  void stop();

 private:
  pid_t pid_ = -1;
  int stdoutFd_ = -1;
  std::optional<int> status_;
};

// The test's own environment, for building a child's.
Environment currentEnvironment();

}  // namespace zentavi::test
