#include "ui/entry_box.h"

#include <QSignalBlocker>

namespace ui {

EntryBox::EntryBox(QWidget* parent) : QLineEdit(parent) {
  // Qt cuts an insert at the cap without a word, which would change the number a text stands for
  // ("0000...05" becoming "0000...0"). With room for one character more, a cut text is always
  // longer than any kept one, and Keep refuses it.
  setMaxLength(kMaxText + 1);
  // Text dropped onto a box, or pasted with the middle button, goes in as a paste does.
  setAcceptDrops(true);
  connect(this, &QLineEdit::textChanged, this, &EntryBox::Keep);
}

void EntryBox::Keep(const QString& text) {
  if (text.size() > kMaxText) {
    const QSignalBlocker quiet(this);
    setText(kept_);
    return;
  }
  kept_ = text;
  emit entryChanged();
}

}  // namespace ui
