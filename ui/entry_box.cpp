#include "ui/entry_box.h"

#include <QDropEvent>
#include <QMimeData>
#include <QSignalBlocker>
#include <QValidator>

namespace ui {
namespace {

// Qt asks a line edit's validator about every edit as it is made, typed, pasted or composed by
// an input method, and takes back one judged invalid before it sticks, undo history included.
// QLineEdit::setText, the program's own writes, passes it by.
class LengthValidator final : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& text, int& /*position*/) const override {
    return text.size() > EntryBox::kMaxText ? Invalid : Acceptable;
  }
};

}  // namespace

EntryBox::EntryBox(QWidget* parent) : QLineEdit(parent) {
  setValidator(new LengthValidator(this));
  // Qt cuts an insert at the cap without a word, which would change the number a text stands for
  // ("0000...05" becoming "0000...0"). With room for one character more, a cut text is always
  // longer than any kept one and is refused; and a mebibyte pasted costs no more than the cap.
  setMaxLength(kMaxText + 1);
  // Text dropped onto a box, or pasted with the middle button, goes in as a paste does.
  setAcceptDrops(true);
  connect(this, &QLineEdit::textChanged, this, &EntryBox::Keep);
}

// Qt accepts a drop, as the move or copy its source offered, before it inserts the text; a move
// whose text is then refused would leave the text nowhere. A drop that does not fit is refused
// first, so that the drag ends as no action and its source keeps the text. A drop goes in at the
// drop point, past any selection.
void EntryBox::dropEvent(QDropEvent* event) {
  if (text().size() + event->mimeData()->text().size() > kMaxText) {
    event->setDropAction(Qt::IgnoreAction);
    event->ignore();
    return;
  }
  QLineEdit::dropEvent(event);
}

// Only a write past the validator, QLineEdit::setText from outside the program, can bring a text
// longer than the cap.
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
