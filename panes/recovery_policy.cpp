#include "panes/recovery_policy.h"

namespace zentavi {

std::optional<int> RecoveryPolicy::onDeath(std::int64_t nowMs) {
  while (!deaths_.empty() && nowMs - deaths_.front() >= kWindowMs) deaths_.pop_front();
  deaths_.push_back(nowMs);
  const auto count = static_cast<int>(deaths_.size());
  if (count > kTriesPerWindow) return std::nullopt;
  return kFirstDelayMs << (count - 1);
}

}  // namespace zentavi
