// Creates the kinds of control the window is made of, each at its fixed place, with its name,
// font and colours.
#ifndef UI_WIDGETS_H_
#define UI_WIDGETS_H_

#include <QString>

#include "ui/layout.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace ui {

// A panel frame at the shared panel rectangle, white, with its caption in the top border.
QGroupBox* MakeFrame(QWidget& client, const QString& name, const QString& caption);
// A unit label of a panel: opaque white, black, bold, member `index` of the array `name`.
QLabel* MakeUnitLabel(QWidget& frame, const QString& name, int index, const QString& caption,
                      const TwipRect& place);
// The most characters a box holds; a longer paste is cut there.
inline constexpr int kMaxBoxText = 32767;
// An entry box of a panel with an accessible name that says its unit in words. A negative index
// means the box is not a member of an array.
QLineEdit* MakeBox(QWidget& frame, const QString& name, int index, const QString& unit_in_words,
                   const TwipRect& place);
// Writes a box's text, as the program does, and shows it from its first character.
void WriteBox(QLineEdit& box, const QString& text);
// Sets the widget's background, drawn by the widget itself.
void FillBackground(QWidget& widget, const QColor& colour);
// Sets the colour a label's text is drawn in.
void SetTextColour(QWidget& widget, const QColor& colour);

}  // namespace ui

#endif  // UI_WIDGETS_H_
