#include "panes/address_guard.h"

#include <glib.h>

#include <string>

namespace zentavi {

namespace {

// What the engine's URL parser makes of a text before it looks for a scheme:
// leading and trailing controls and blanks go, tabs and line breaks anywhere
// go. " java\tscript:" is a script address to the engine.
std::string asTheEngineReadsIt(std::string_view text) {
  auto ignorable = [](unsigned char c) { return c <= 0x20; };
  while (!text.empty() && ignorable(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
  while (!text.empty() && ignorable(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
  std::string read;
  for (char c : text)
    if (c != '\t' && c != '\n' && c != '\r') read += c;
  return read;
}

}  // namespace

bool mayOpenInPlayer(std::string_view text) {
  const std::string read = asTheEngineReadsIt(text);
  // GLib lower-cases the scheme, and finds none in the empty text, a plain
  // word or a relative path.
  const char* scheme = g_uri_peek_scheme(read.c_str());
  if (scheme == nullptr) return true;
  const std::string_view s(scheme);
  return s == "http" || s == "https";
}

}  // namespace zentavi
