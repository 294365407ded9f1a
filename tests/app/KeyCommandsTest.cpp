// Keyboard shortcuts of the main window.
#include "app/KeyCommands.h"

#include <gdk/gdk.h>

#include <gtest/gtest.h>

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
  EXPECT_EQ(keyCommand(GDK_KEY_plus, GDK_CONTROL_MASK), KeyCommand::None);
  EXPECT_EQ(keyCommand(GDK_KEY_1, 0), KeyCommand::None);
}

}  // namespace
