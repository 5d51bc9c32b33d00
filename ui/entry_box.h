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
  // The box's text changed and the box kept it. An edit that would make the text longer than
  // kMaxText is refused whole instead, and this is not emitted: one typed, pasted or pasted with
  // the middle button never sticks, so the text, the cursor, the selection and the undo history
  // stay as they were; a drop is refused, so a dragged text stays where it came from; a write
  // past the editing (setText, which a screen reader's write comes through) is undone, and the
  // box goes back to the text it had.
  void entryChanged();

 protected:
  void dropEvent(QDropEvent* event) override;

 private:
  void Keep(const QString& text);

  QString kept_;
};

}  // namespace ui

#endif  // UI_ENTRY_BOX_H_
