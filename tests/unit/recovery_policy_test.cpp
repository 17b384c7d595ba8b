#include "panes/recovery_policy.h"

#include <gtest/gtest.h>

namespace zentavi {
namespace {

TEST(RecoveryPolicy, BacksOffThenGivesUpWithinAMinuteAndForgetsOldDeaths) {
  RecoveryPolicy policy;
  EXPECT_EQ(policy.onDeath(0), 500);
  EXPECT_EQ(policy.onDeath(1'000), 1'000);
  EXPECT_EQ(policy.onDeath(3'000), 2'000);
  EXPECT_EQ(policy.onDeath(6'000), std::nullopt);
  EXPECT_EQ(policy.onDeath(7'000), std::nullopt);
  // A minute after the first deaths they no longer count.
  EXPECT_EQ(policy.onDeath(65'000), 2'000);  // 6 000 and 7 000 are still in the window
  EXPECT_EQ(policy.onDeath(200'000), 500);
}

}  // namespace
}  // namespace zentavi
