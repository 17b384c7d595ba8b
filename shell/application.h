// Start-up, the message loop and shutdown of a viewer built from a description.
#pragma once

#include "shell/description.h"

namespace zentavi {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailedStart = 255;  // -1 as an exit status

// Opens the display, builds and shows the main window, runs until it is
// closed. Returns the process's exit status.
int runApplication(const Description& description);

}  // namespace zentavi
