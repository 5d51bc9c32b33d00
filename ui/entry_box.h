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

  // What the box draws in place of a text wider than its line, whenever it is not being edited:
  // the text's number in as many significant digits as fit, after "\u2248" when digits are hidden
  // (core::FitNumberText), or a text that is no number cut short with "\u2026". A part of a
  // number, the part a scrolled line edit shows, would read as another number. Empty when the
  // whole text fits, and the box draws as a line edit does. The text itself stays whole: it is
  // what is copied, read by the panels and given to a screen reader, and the tooltip shows it.
  QString FittedText() const;

 signals:
  // The box's text changed and the box kept it. An edit that would make the text longer than
  // kMaxText is refused whole instead, and this is not emitted: one typed, pasted or pasted with
  // the middle button never sticks, so the text, the cursor, the selection and the undo history
  // stay as they were; a drop is refused, so a dragged text stays where it came from; a write
  // past the editing (setText, which a screen reader's write comes through) is undone, and the
  // box goes back to the text it had.
  void entryChanged();

 protected:
  void dropEvent(QDropEvent* event) override;
  bool event(QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void Keep(const QString& text);
  // Where QLineEdit draws its text: inside the frame and the text margins.
  QRect TextContents() const;

  QString kept_;
  // FittedText for a text and a line width: worked out when a box is drawn, not as it is typed.
  struct Fitted {
    QString text;
    int width = -1;
    QString shown;
  };
  mutable Fitted fitted_;
};

}  // namespace ui

#endif  // UI_ENTRY_BOX_H_
