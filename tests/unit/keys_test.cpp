#include "shell/keys.h"

#include <gdk/gdkkeysyms.h>
#include <gtest/gtest.h>

namespace zentavi {
namespace {

TEST(Keys, MatchOnlyWithExactlyTheirModifiers) {
  struct Case {
    unsigned keyval;
    unsigned modifiers;
    KeyAction action;
  };
  const Case cases[] = {
      {GDK_KEY_Escape, kNoModifier, KeyAction::Close},
      {GDK_KEY_Escape, kControl, KeyAction::None},
      {GDK_KEY_Escape, kShift, KeyAction::None},
      {GDK_KEY_Escape, kAlt, KeyAction::None},
      {GDK_KEY_Tab, kNoModifier, KeyAction::FocusNext},
      {GDK_KEY_ISO_Left_Tab, kShift, KeyAction::FocusPrevious},
      {GDK_KEY_Tab, kShift, KeyAction::FocusPrevious},
      {GDK_KEY_Tab, kControl, KeyAction::None},
      {GDK_KEY_ISO_Left_Tab, kShift | kControl, KeyAction::None},
      {GDK_KEY_Tab, kAlt, KeyAction::None},
      {GDK_KEY_Return, kNoModifier, KeyAction::None},
      {GDK_KEY_F1, kNoModifier, KeyAction::None},
  };
  for (const Case& c : cases)
    EXPECT_EQ(keyActionFor(c.keyval, c.modifiers, true), c.action) << c.keyval << " " << c.modifiers;
}

TEST(Keys, EscLeavesTheWindowOpenWhenTheWindowSaysSo) {
  EXPECT_EQ(keyActionFor(GDK_KEY_Escape, kNoModifier, false), KeyAction::None);
  EXPECT_EQ(keyActionFor(GDK_KEY_Tab, kNoModifier, false), KeyAction::FocusNext);
}

}  // namespace
}  // namespace zentavi
