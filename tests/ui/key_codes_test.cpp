#include "ui/key_codes.h"

#include <QKeyEvent>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

TEST(CharacterCode, GivesTheCodeOfTheTypedCharacterOrNothingForEditingKeys) {
  struct Case {
    int key;
    Qt::KeyboardModifiers modifiers;
    QString text;  // what the keyboard layout makes of the key
    std::optional<int> expected;
  };
  const std::vector<Case> cases = {
      {Qt::Key_5, Qt::NoModifier, "5", 53},
      {Qt::Key_5, Qt::KeypadModifier, "5", 53},
      {Qt::Key_Period, Qt::NoModifier, ".", 46},
      {Qt::Key_Minus, Qt::NoModifier, "-", 45},
      {Qt::Key_E, Qt::ShiftModifier, "E", 69},
      {Qt::Key_Space, Qt::NoModifier, " ", 32},
      {Qt::Key_Backspace, Qt::NoModifier, "\b", 8},
      {Qt::Key_Return, Qt::NoModifier, "\r", 13},
      {Qt::Key_Enter, Qt::KeypadModifier, "\r", 13},
      {Qt::Key_Escape, Qt::NoModifier, "\x1b", 27},
      // Ctrl with a letter types its control code, with or without the layout's text.
      {Qt::Key_C, Qt::ControlModifier, "\x03", 3},
      {Qt::Key_X, Qt::ControlModifier, "", 24},
      {Qt::Key_V, Qt::ControlModifier, "v", 22},
      {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "", 26},
      {Qt::Key_A, Qt::ControlModifier, "", 1},
      // Keys that type nothing pass to the box.
      {Qt::Key_Delete, Qt::NoModifier, "\x7f", std::nullopt},
      {Qt::Key_Delete, Qt::ShiftModifier, "", std::nullopt},
      {Qt::Key_Insert, Qt::ShiftModifier, "", std::nullopt},
      {Qt::Key_Insert, Qt::ControlModifier, "", std::nullopt},
      {Qt::Key_Left, Qt::NoModifier, "", std::nullopt},
      {Qt::Key_Home, Qt::NoModifier, "", std::nullopt},
      {Qt::Key_End, Qt::ShiftModifier, "", std::nullopt},
      {Qt::Key_Tab, Qt::NoModifier, "\t", std::nullopt},
      {Qt::Key_Backtab, Qt::ShiftModifier, "", std::nullopt},
      {Qt::Key_F5, Qt::NoModifier, "", std::nullopt},
      {Qt::Key_Shift, Qt::ShiftModifier, "", std::nullopt},
      {Qt::Key_F, Qt::AltModifier, "f", std::nullopt},  // a menu's access key
      {Qt::Key_5, Qt::ControlModifier, "5", std::nullopt},
      // Ctrl with a keypad key types the key's character all the same.
      {Qt::Key_Period, Qt::ControlModifier | Qt::KeypadModifier, ".", 46},
      {Qt::Key_2, Qt::ControlModifier | Qt::KeypadModifier, "2", 50},
      // The keypad's decimal key types the point under any layout; the main block's comma does
      // not, and with Num Lock off the key is Delete.
      {Qt::Key_Comma, Qt::KeypadModifier, ",", 46},  // a German layout on X11 or Wayland
      {Qt::Key_Period, Qt::KeypadModifier, ",", 46},
      {Qt::Key_Period, Qt::KeypadModifier, ".", 46},
      {Qt::Key_Comma, Qt::ControlModifier | Qt::KeypadModifier, ",", 46},
      {Qt::Key_Comma, Qt::AltModifier | Qt::KeypadModifier, ",", std::nullopt},
      {Qt::Key_Comma, Qt::NoModifier, ",", 44},
      {Qt::Key_Delete, Qt::KeypadModifier, "\x7f", std::nullopt},
  };
  for (const Case& c : cases) {
    const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers, c.text);
    EXPECT_EQ(c.expected, ui::CharacterCode(event))
        << "key " << c.key << " modifiers " << c.modifiers.toInt();
  }
}

TEST(IsAltCharacter, OnlyAltOrMetaWithText) {
  struct Case {
    int key;
    Qt::KeyboardModifiers modifiers;
    QString text;
    bool expected;
  };
  const std::vector<Case> cases = {
      {Qt::Key_F, Qt::AltModifier, "f", true},
      {Qt::Key_5, Qt::AltModifier | Qt::ShiftModifier, "%", true},
      {Qt::Key_F, Qt::MetaModifier, "f", true},
      {Qt::Key_F, Qt::NoModifier, "f", false},
      {Qt::Key_Alt, Qt::AltModifier, "", false},
      {Qt::Key_Left, Qt::AltModifier, "", false},
  };
  for (const Case& c : cases) {
    const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers, c.text);
    EXPECT_EQ(c.expected, ui::IsAltCharacter(event)) << "key " << c.key;
  }
}

}  // namespace
