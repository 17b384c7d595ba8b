// What the user sees when the main window cannot be built.
#pragma once

namespace zentavi {

// A modal error box without owner; returns when the user has closed it.
void showFailedStart();

}  // namespace zentavi
