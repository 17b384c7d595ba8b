#include "shell/tab_cycle.h"

#include <gtest/gtest.h>

#include "shell/window_description.h"

namespace zentavi {
namespace {

using enum ControlId;

TEST(TabCycle, EqualTabOrdersPutTheLaterRowFirst) {
  EXPECT_EQ(tabCycle(kControls), (std::vector{Player, ListPane, WebsiteButton}));
}

TEST(TabCycle, TabOrderThenTableOrderAndOnlyUsableTabStops) {
  auto controls = kControls;  // button, list, player
  controls[0].tabOrder = 1;
  controls[1].tabOrder = 0;
  controls[2].tabOrder = 2;
  EXPECT_EQ(tabCycle(controls), (std::vector{ListPane, WebsiteButton, Player}));
  struct Case {
    ControlFlags flags;
    bool inCycle;
  };
  for (const Case& c : {Case{{true, false, true}, true}, Case{{false, false, true}, false},
                        Case{{true, true, true}, false}, Case{{true, false, false}, false}}) {
    auto variant = kControls;
    variant[0].flags = c.flags;
    const auto cycle = tabCycle(variant);
    EXPECT_EQ(std::find(cycle.begin(), cycle.end(), WebsiteButton) != cycle.end(), c.inCycle);
  }
}

TEST(TabCycle, StepsWrapBothWaysAndStayPutOutsideTheCycle) {
  const auto cycle = tabCycle(kControls);
  struct Case {
    std::optional<ControlId> from;
    TabDirection direction;
    std::optional<ControlId> to;
  };
  const Case cases[] = {
      {Player, TabDirection::Forward, ListPane},       {ListPane, TabDirection::Forward, WebsiteButton},
      {WebsiteButton, TabDirection::Forward, Player},  {WebsiteButton, TabDirection::Backward, ListPane},
      {Player, TabDirection::Backward, WebsiteButton}, {std::nullopt, TabDirection::Forward, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(tabStep(cycle, c.from, c.direction), c.to);
  EXPECT_EQ(tabStep({ListPane}, Player, TabDirection::Forward), std::nullopt);
}

}  // namespace
}  // namespace zentavi
