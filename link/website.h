// The website button: opens the maker's site in the user's default browser,
// outside the viewer.
#pragma once

#include <string_view>

#include "shell/description.h"

namespace zentavi {

// Bound to the website button's click: one request to open the site.
Answer onWebsiteClick(MainWindow& main);

// Hands `url`, unchanged, to the desktop's handler for its scheme and returns
// at once. A failure (no browser set, none that starts) is the desktop's to
// show; the viewer says nothing.
void openUrl(std::string_view url);

}  // namespace zentavi
