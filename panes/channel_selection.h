// A channel picked in the list plays in the player: whichever pane asks for a
// new window, the player goes to the list's status text (the address of the
// link under the pointer) and the window is refused.
#pragma once

#include "shell/description.h"

namespace zentavi {

Answer onListPaneNewWindow(MainWindow& main);
Answer onPlayerNewWindow(MainWindow& main);

}  // namespace zentavi
