// The split between the panes: the list keeps 210 pixels along the right edge
// of the client area, the player takes the rest, both take its full height.
#pragma once

#include "shell/description.h"

namespace zentavi {

inline constexpr double kListPaneWidth = 210.0;

// The player's width and the list's left edge for a client width; negative
// when the client is narrower than the list.
int splitPosition(int clientWidth);

// Bound to the main window's size-changed event. Each step reads the client
// size afresh and its write takes effect before the next.
Answer onResize(MainWindow& main);

}  // namespace zentavi
