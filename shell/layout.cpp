#include "shell/layout.h"

#include <cstdint>

#include "shell/main_window.h"

namespace zentavi {

// Through a double and a truncating conversion, keeping the low 32 bits: for
// whole-pixel widths this is exactly clientWidth - 210.
int splitPosition(int clientWidth) {
  const double split = static_cast<double>(clientWidth) - kListPaneWidth;
  const auto wide = static_cast<std::int64_t>(split);
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(wide)));
}

Answer onResize(MainWindow& main) {
  main.setWidth(ControlId::Player, splitPosition(main.clientWidth()));
  main.setHeight(ControlId::Player, main.clientHeight());
  main.setHeight(ControlId::ListPane, main.clientHeight());
  main.setLeft(ControlId::ListPane, splitPosition(main.clientWidth()));
  return std::nullopt;
}

}  // namespace zentavi
