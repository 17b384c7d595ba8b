// The order in which Tab visits the controls, and the step from one to the next.
#pragma once

#include <optional>
#include <vector>

#include "shell/description.h"

namespace zentavi {

// Visible, enabled tab stops by ascending tab order; among equal tab orders the
// control later in the table comes first.
std::vector<ControlId> tabCycle(std::span<const ControlEntry> controls);

enum class TabDirection { Forward, Backward };

// Where the focus goes from `current`; nothing moves when the focus is in no
// control of the cycle.
std::optional<ControlId> tabStep(const std::vector<ControlId>& cycle, std::optional<ControlId> current,
                                 TabDirection direction);

}  // namespace zentavi
