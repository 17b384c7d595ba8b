// The main window's own keys: looked at before any control sees a key press.
#pragma once

#include <cstdint>

namespace zentavi {

enum class KeyAction { None, Close, FocusNext, FocusPrevious };

enum Modifier : std::uint8_t { kNoModifier = 0, kShift = 1, kControl = 2, kAlt = 4 };

// `keyval` is a GDK key value; `modifiers` the Modifier bits held. A key
// matches only with exactly its modifiers.
KeyAction keyActionFor(unsigned keyval, unsigned modifiers, bool escCloses);

}  // namespace zentavi
