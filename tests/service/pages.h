// The channel service's built-in pages.
#pragma once

#include <glib.h>

#include <string>

namespace zentavi::test {

struct Page {
  std::string contentType;
  std::string body;  // empty: no such page
};

// The page at `path` with the decoded `query` (may be null).
Page builtInPage(const char* path, GHashTable* query);

// Colours the tests look for on screen.
inline constexpr const char* kListColour = "#2e7d32";
inline constexpr const char* kChannelColour = "#c62828";

}  // namespace zentavi::test
