// Waiting on a condition with a deadline: the only way tests wait.
#pragma once

#include <chrono>
#include <functional>
#include <thread>

namespace zentavi::test {

using namespace std::chrono_literals;

// Polls `condition` until it holds or `timeout` passes; tells which. `pump`
// runs between polls (an in-process test spins its main loop there).
inline bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 20s,
                      const std::function<void()>& pump = {}) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    if (pump)
      pump();
    else
      std::this_thread::sleep_for(5ms);
  }
  return true;
}

}  // namespace zentavi::test
