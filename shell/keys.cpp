#include "shell/keys.h"

#include <gdk/gdkkeysyms.h>

#include <array>

namespace zentavi {
namespace {

struct KeyRow {
  unsigned keyval;
  unsigned modifiers;
  KeyAction action;
};

// X reports Shift+Tab as ISO_Left_Tab with Shift held.
constexpr std::array kKeys{
    KeyRow{GDK_KEY_Escape, kNoModifier, KeyAction::Close},
    KeyRow{GDK_KEY_Tab, kNoModifier, KeyAction::FocusNext},
    KeyRow{GDK_KEY_KP_Tab, kNoModifier, KeyAction::FocusNext},
    KeyRow{GDK_KEY_Tab, kShift, KeyAction::FocusPrevious},
    KeyRow{GDK_KEY_KP_Tab, kShift, KeyAction::FocusPrevious},
    KeyRow{GDK_KEY_ISO_Left_Tab, kShift, KeyAction::FocusPrevious},
};

}  // namespace

KeyAction keyActionFor(unsigned keyval, unsigned modifiers, bool escCloses) {
  for (const KeyRow& row : kKeys) {
    if (row.keyval != keyval || row.modifiers != modifiers) continue;
    if (row.action == KeyAction::Close && !escCloses) return KeyAction::None;
    return row.action;
  }
  return KeyAction::None;
}

}  // namespace zentavi
