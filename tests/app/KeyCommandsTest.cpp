// Keyboard shortcuts of the main window.
#include "app/KeyCommands.h"

#include <gdk/gdk.h>

#include <gtest/gtest.h>

#include <iterator>
#include <utility>

namespace {

TEST(KeyCommands, ControlLettersOpenSaveAndQuitInEitherCase) {
  EXPECT_EQ(keyCommand(GDK_KEY_o, GDK_CONTROL_MASK), KeyCommand::Open);
  EXPECT_EQ(keyCommand(GDK_KEY_O, GDK_CONTROL_MASK | GDK_SHIFT_MASK), KeyCommand::Open);
  EXPECT_EQ(keyCommand(GDK_KEY_s, GDK_CONTROL_MASK), KeyCommand::SaveAs);
  EXPECT_EQ(keyCommand(GDK_KEY_q, GDK_CONTROL_MASK), KeyCommand::Quit);
}

TEST(KeyCommands, LettersWithoutControlDoNothing) {
  EXPECT_EQ(keyCommand(GDK_KEY_o, 0), KeyCommand::None);
  EXPECT_EQ(keyCommand(GDK_KEY_q, GDK_MOD1_MASK | GDK_CONTROL_MASK), KeyCommand::None);
}

TEST(KeyCommands, PlusMinusZeroAndHomeZoomOnBothKeyboardParts) {
  EXPECT_EQ(keyCommand(GDK_KEY_plus, GDK_SHIFT_MASK), KeyCommand::ZoomIn);
  EXPECT_EQ(keyCommand(GDK_KEY_KP_Add, 0), KeyCommand::ZoomIn);
  EXPECT_EQ(keyCommand(GDK_KEY_minus, 0), KeyCommand::ZoomOut);
  EXPECT_EQ(keyCommand(GDK_KEY_KP_Subtract, 0), KeyCommand::ZoomOut);
  EXPECT_EQ(keyCommand(GDK_KEY_0, 0), KeyCommand::ZoomBack);
  EXPECT_EQ(keyCommand(GDK_KEY_KP_0, 0), KeyCommand::ZoomBack);
  EXPECT_EQ(keyCommand(GDK_KEY_Home, 0), KeyCommand::ZoomBack);
  EXPECT_EQ(keyCommand(GDK_KEY_1, 0), KeyCommand::None);
}

struct KeyCase {
  unsigned key;
  unsigned state;
  KeyCommand command;
};

TEST(KeyCommands, DesktopKeysPrintHelpZoomScrollAndCancel) {
  const KeyCase cases[] = {
      {GDK_KEY_p, GDK_CONTROL_MASK, KeyCommand::Print},
      {GDK_KEY_P, GDK_CONTROL_MASK | GDK_SHIFT_MASK, KeyCommand::Print},
      {GDK_KEY_p, 0, KeyCommand::None},
      {GDK_KEY_F1, 0, KeyCommand::Help},
      {GDK_KEY_plus, GDK_CONTROL_MASK | GDK_SHIFT_MASK, KeyCommand::ZoomIn},
      {GDK_KEY_equal, GDK_CONTROL_MASK, KeyCommand::ZoomIn},
      {GDK_KEY_KP_Add, GDK_CONTROL_MASK, KeyCommand::ZoomIn},
      {GDK_KEY_minus, GDK_CONTROL_MASK, KeyCommand::ZoomOut},
      {GDK_KEY_equal, 0, KeyCommand::None},
      {GDK_KEY_Left, 0, KeyCommand::ScrollLeft},
      {GDK_KEY_KP_Right, 0, KeyCommand::ScrollRight},
      {GDK_KEY_Up, 0, KeyCommand::ScrollUp},
      {GDK_KEY_Down, 0, KeyCommand::ScrollDown},
      {GDK_KEY_Left, GDK_CONTROL_MASK, KeyCommand::None},
      {GDK_KEY_Escape, 0, KeyCommand::Cancel},
      {GDK_KEY_F1, GDK_MOD1_MASK, KeyCommand::None},
  };
  for (const KeyCase& c : cases) {
    EXPECT_EQ(keyCommand(c.key, c.state), c.command) << gdk_keyval_name(c.key) << " " << c.state;
  }
}

// Every accelerator a menu entry shows runs the command of that entry.
TEST(KeyCommands, MenuAcceleratorsAreKeysTheWindowRuns) {
  const std::pair<const char*, KeyCommand> entries[] = {
      {"MI_open", KeyCommand::Open},      {"MI_saveas", KeyCommand::SaveAs},
      {"MI_print", KeyCommand::Print},    {"MI_quit", KeyCommand::Quit},
      {"MI_zoomp", KeyCommand::ZoomIn},   {"MI_zoomm", KeyCommand::ZoomOut},
      {"MI_zoomb", KeyCommand::ZoomBack}, {"MI_hilfe", KeyCommand::Help}};
  ASSERT_EQ(kMenuAcceleratorCount, static_cast<int>(std::size(entries)));
  for (int i = 0; i < kMenuAcceleratorCount; ++i) {
    const MenuAccelerator& accelerator = kMenuAccelerators[i];
    EXPECT_STREQ(accelerator.item, entries[i].first);
    EXPECT_EQ(keyCommand(accelerator.key, accelerator.modifiers), entries[i].second)
        << accelerator.item;
  }
}

}  // namespace
