// Turns a key press into the character code a box's key filter judges.
#ifndef UI_KEY_CODES_H_
#define UI_KEY_CODES_H_

#include <optional>

class QKeyEvent;

namespace ui {

// The character the key press types: its code for a printable character, 8 for Backspace, 13
// for Enter, 27 for Escape, the control code for Ctrl with a letter (Ctrl+C gives 3), and 46 for
// the keypad's decimal key, whatever character the layout gives it.
// Nothing for keys that type no character (Delete, arrows, Home, End, Tab, Insert, function
// keys, Shift+Insert, Ctrl+Insert, Shift+Delete, Alt combinations): those reach the box as
// editing keys and the filter never sees them.
std::optional<int> CharacterCode(const QKeyEvent& event);

// True for the numeric keypad's decimal key, which types the decimal point here although many
// layouts give it "," (German, French, Polish, Russian...). Qt reports it with the keypad flag as
// the period or the comma key, on X11, Wayland and Windows alike; with Num Lock off the same key
// is Delete. The comma of the main block has no keypad flag.
bool IsKeypadDecimal(const QKeyEvent& event);

// True for Alt (or Meta) with a key that has text, such as Alt+F when no menu took it: such a
// key types nothing into a box.
bool IsAltCharacter(const QKeyEvent& event);

}  // namespace ui

#endif  // UI_KEY_CODES_H_
