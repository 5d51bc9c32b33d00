// An entry box of a panel: a line edit that takes a text whole or not at all.
#ifndef UI_ENTRY_BOX_H_
#define UI_ENTRY_BOX_H_

#include <QLineEdit>

namespace ui {

class EntryBox : public QLineEdit {
  Q_OBJECT

 public:
  // The longest text a box keeps. Laying out a line edit's text costs about a quarter of a second
  // a mebibyte, and it grows with every later key press, so a box holds no more than this.
  static constexpr int kMaxText = 32767;

  explicit EntryBox(QWidget* parent);

 signals:
  // The box's text changed and the box kept it. A text longer than kMaxText, however it came
  // (typed, pasted, dropped, pasted with the middle button or written by a screen reader), is
  // refused whole instead: the box goes back to the text it had, and this is not emitted.
  void entryChanged();

 private:
  void Keep(const QString& text);

  QString kept_;
};

}  // namespace ui

#endif  // UI_ENTRY_BOX_H_
