#include "tests/support/process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>

#include "tests/support/wait.h"

extern char** environ;

namespace zentavi::test {

Environment currentEnvironment() {
  Environment env;
  for (char** e = environ; *e != nullptr; ++e) {
    const std::string entry(*e);
    if (auto eq = entry.find('='); eq != std::string::npos) env[entry.substr(0, eq)] = entry.substr(eq + 1);
  }
  return env;
}

Process::Process(const std::vector<std::string>& argv, const Environment& env, bool captureStdout) {
  std::vector<std::string> envStrings;
  for (const auto& [k, v] : env) envStrings.push_back(k + "=" + v);
  std::vector<char*> cargv, cenv;
  for (const auto& a : argv) cargv.push_back(const_cast<char*>(a.c_str()));
  for (const auto& e : envStrings) cenv.push_back(const_cast<char*>(e.c_str()));
  cargv.push_back(nullptr);
  cenv.push_back(nullptr);
  int pipeFds[2] = {-1, -1};
  if (captureStdout && pipe2(pipeFds, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  pid_ = fork();
  if (pid_ < 0) throw std::runtime_error("fork failed");
  if (pid_ == 0) {
    setpgid(0, 0);  // its own group, so stop() reaches what it starts
    // A test killed by its timeout takes its display and service with it.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (captureStdout)
      dup2(pipeFds[1], STDOUT_FILENO);
    else
      dup2(STDERR_FILENO, STDOUT_FILENO);
    const int devnull = open("/dev/null", O_RDONLY);
    dup2(devnull, STDIN_FILENO);
    execve(cargv[0], cargv.data(), cenv.data());
    _exit(127);
  }
  setpgid(pid_, pid_);
  if (captureStdout) {
    close(pipeFds[1]);
    stdoutFd_ = pipeFds[0];
  }
}

Process::~Process() {
  stop();
  if (stdoutFd_ >= 0) close(stdoutFd_);
}

std::optional<int> Process::exitStatus() {
  if (status_ || pid_ <= 0) return status_;
  int raw = 0;
  if (waitpid(pid_, &raw, WNOHANG) == pid_) status_ = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
  return status_;
}

std::optional<int> Process::waitForExit(std::chrono::milliseconds timeout) {
  waitUntil([this] { return exitStatus().has_value(); }, timeout);
  return exitStatus();
}

void Process::stop() {
  if (pid_ <= 0 || exitStatus()) return;
  kill(-pid_, SIGTERM);
  if (!waitForExit(5s)) {
    kill(-pid_, SIGKILL);
    waitForExit(5s);
  }
  // Whatever else the group still holds (a viewer's web processes).
  kill(-pid_, SIGKILL);
}

}  // namespace zentavi::test
