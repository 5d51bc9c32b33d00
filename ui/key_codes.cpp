#include "ui/key_codes.h"

#include <QKeyEvent>

namespace ui {

std::optional<int> CharacterCode(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  if (modifiers & (Qt::AltModifier | Qt::MetaModifier)) return std::nullopt;
  if (IsKeypadDecimal(event)) return '.';
  // Ctrl with a keypad key still types the keypad's character into a box, as Qt inserts it.
  const bool control = (modifiers & Qt::ControlModifier) && !(modifiers & Qt::KeypadModifier);
  const int key = event.key();

  switch (key) {
    case Qt::Key_Backspace:
      return control ? 127 : 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return control ? 10 : 13;
    case Qt::Key_Escape:
      return 27;
    case Qt::Key_Delete:
    case Qt::Key_Insert:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return std::nullopt;
    default:
      break;
  }
  if (control) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return key - Qt::Key_A + 1;
    if (key == Qt::Key_BracketLeft) return 27;
    if (key == Qt::Key_Backslash) return 28;
    if (key == Qt::Key_BracketRight) return 29;
    return std::nullopt;
  }
  const QString text = event.text();
  if (text.isEmpty()) return std::nullopt;  // arrows, Home, End, function keys, lone modifiers
  const char16_t first = text.front().unicode();
  if (first == 127) return std::nullopt;  // some keyboards send DEL as text for Delete
  return first;
}

bool IsKeypadDecimal(const QKeyEvent& event) {
  const int key = event.key();
  return (event.modifiers() & Qt::KeypadModifier) &&
         (key == Qt::Key_Period || key == Qt::Key_Comma);
}

bool IsAltCharacter(const QKeyEvent& event) {
  return (event.modifiers() & (Qt::AltModifier | Qt::MetaModifier)) && !event.text().isEmpty();
}

}  // namespace ui
