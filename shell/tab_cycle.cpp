#include "shell/tab_cycle.h"

#include <algorithm>

namespace zentavi {

std::vector<ControlId> tabCycle(std::span<const ControlEntry> controls) {
  std::vector<const ControlEntry*> stops;
  // Walking the table backwards and sorting stably makes later rows win ties.
  for (auto it = controls.rbegin(); it != controls.rend(); ++it)
    if (it->flags.visible && !it->flags.disabled && it->flags.tabStop) stops.push_back(&*it);
  std::stable_sort(stops.begin(), stops.end(),
                   [](const ControlEntry* a, const ControlEntry* b) { return a->tabOrder < b->tabOrder; });
  std::vector<ControlId> cycle;
  for (const ControlEntry* e : stops) cycle.push_back(e->id);
  return cycle;
}

std::optional<ControlId> tabStep(const std::vector<ControlId>& cycle, std::optional<ControlId> current,
                                 TabDirection direction) {
  if (!current) return std::nullopt;
  auto it = std::find(cycle.begin(), cycle.end(), *current);
  if (it == cycle.end()) return std::nullopt;
  const auto n = static_cast<std::ptrdiff_t>(cycle.size());
  auto i = it - cycle.begin();
  i = direction == TabDirection::Forward ? (i + 1) % n : (i + n - 1) % n;
  return cycle[static_cast<std::size_t>(i)];
}

}  // namespace zentavi
