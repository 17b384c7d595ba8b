#include "shell/layout.h"

#include <gtest/gtest.h>

#include <climits>

#include "shell/geometry.h"

namespace zentavi {
namespace {

TEST(Layout, TheListKeeps210PixelsAtTheRightWhateverTheWidth) {
  struct Case {
    int clientWidth;
    int split;
    int playerWidth;  // after the write is clamped
  };
  const Case cases[] = {
      {1013, 803, 803},
      {1000, 790, 790},
      {211, 1, 1},
      {210, 0, 0},
      {150, -60, 0},
      {0, -210, 0},
      {INT_MAX, INT_MAX - 210, kCoordinateLimit},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(splitPosition(c.clientWidth), c.split) << c.clientWidth;
    const Rect player = clampRect({0, 0, splitPosition(c.clientWidth), 580});
    const Rect list = clampRect({splitPosition(c.clientWidth), 0, 210, 580});
    EXPECT_EQ(player.width, c.playerWidth) << c.clientWidth;
    EXPECT_EQ(list.left, std::clamp(c.split, -kCoordinateLimit, kCoordinateLimit)) << c.clientWidth;
  }
}

TEST(Layout, TheWorkedExample) {
  const int split = splitPosition(1000);
  EXPECT_EQ(clampRect({0, 0, split, 580}), (Rect{0, 0, 790, 580}));
  EXPECT_EQ(clampRect({split, 0, 210, 580}), (Rect{790, 0, 210, 580}));
}

}  // namespace
}  // namespace zentavi
