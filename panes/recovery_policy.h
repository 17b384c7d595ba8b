// When a pane whose web process died gets its page back: soon at first, then
// later each time, and not at all once it has died too often in a minute.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>

namespace zentavi {

class RecoveryPolicy {
 public:
  static constexpr int kFirstDelayMs = 500;
  static constexpr int kTriesPerWindow = 3;
  static constexpr std::int64_t kWindowMs = 60'000;

  // Called on every death with the monotonic time; the delay before the
  // page is loaded again, or nothing when the pane is left alone.
  std::optional<int> onDeath(std::int64_t nowMs);

 private:
  std::deque<std::int64_t> deaths_;  // within the last window
};

}  // namespace zentavi
