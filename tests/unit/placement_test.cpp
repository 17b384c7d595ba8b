#include "shell/placement.h"

#include <gtest/gtest.h>

namespace zentavi {
namespace {

TEST(Placement, CentredAndTruncatedTowardZeroEvenOffScreen) {
  struct Case {
    int screenWidth, screenHeight;
    Point at;
  };
  for (const Case& c : {Case{1024, 768, {5, 71}}, Case{1280, 1024, {133, 199}}, Case{800, 600, {-106, -13}},
                        Case{1014, 627, {0, 0}}, Case{1012, 625, {0, 0}}})
    EXPECT_EQ(centredPosition(c.screenWidth, c.screenHeight, 1013, 626), c.at) << c.screenWidth;
}

}  // namespace
}  // namespace zentavi
