#include "ui/entry_box.h"

#include <QDropEvent>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QMimeData>
#include <QPaintEngine>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextDocument>
#include <QToolTip>
#include <QValidator>

#include <algorithm>
#include <array>
#include <string>

#include "core/number_text.h"

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

// The space QLineEdit leaves between its contents' edges and its line of text.
constexpr int kLineMargin = 2;

// Paper cannot be edited: a picture of the window (the printout) or a printer shows every box
// as it reads when it is not being edited, the focused one too.
bool OnPaper(const QPainter& painter) {
  switch (painter.paintEngine()->type()) {
    case QPaintEngine::Picture:
    case QPaintEngine::Pdf:
    case QPaintEngine::Windows:
    case QPaintEngine::MacPrinter:
      return true;
    default:
      return false;
  }
}

// Whether a text fits a line `width` wide, as QLineEdit decides it: otherwise it would scroll.
bool Fits(qreal advance, int width) {
  return qRound(advance) + 1 <= width;
}

// Whether the forms of a number fit: first by the sum of their characters' advances, which for
// digits, signs, "E" and "\u2248" comes to the laid-out width at a fraction of the cost of laying
// out, then, for a form that passes, laid out as the line edit would.
class FormFits {
 public:
  FormFits(const QFontMetricsF& metrics, int width) : metrics_(metrics), width_(width) {
    advances_.fill(-1);
  }
  bool operator()(const QString& form) {
    qreal sum = 0;
    for (const QChar c : form) sum += Advance(c);
    return Fits(sum, width_) && Fits(metrics_.horizontalAdvance(form), width_);
  }

 private:
  qreal Advance(QChar c) {
    const std::size_t slot = std::min<std::size_t>(c.unicode(), advances_.size() - 1);
    if (slot == advances_.size() - 1) return metrics_.horizontalAdvance(c);  // past ASCII
    if (advances_[slot] < 0) advances_[slot] = metrics_.horizontalAdvance(c);
    return advances_[slot];
  }

  const QFontMetricsF& metrics_;
  int width_;
  std::array<qreal, 129> advances_;  // ASCII characters' advances, once asked for
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
  if (!hasFocus()) update();  // a fitted form may come or go
  emit entryChanged();
}

QRect EntryBox::TextContents() const {
  QStyleOptionFrame panel;
  initStyleOption(&panel);
  return style()
      ->subElementRect(QStyle::SE_LineEditContents, &panel, this)
      .marginsRemoved(textMargins());
}

QString EntryBox::FittedText() const {
  const int width = TextContents().width() - 2 * kLineMargin;
  const QString whole = text();
  if (fitted_.width == width && fitted_.text == whole) return fitted_.shown;
  const QFontMetricsF metrics(font());
  QString shown;
  if (!Fits(metrics.horizontalAdvance(whole), width)) {
    FormFits fits(metrics, width);
    const std::optional<std::string> number =
        core::FitNumberText(whole.toStdString(), [&](std::string_view form) {
          return fits(QString::fromUtf8(form.data(), std::ssize(form)));
        });
    shown = number ? QString::fromStdString(*number)
                   : metrics.elidedText(whole, Qt::ElideRight, width - 1);
  }
  fitted_ = {whole, width, shown};
  return shown;
}

bool EntryBox::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QLineEdit::event(event);
  // The whole text, wherever the box shows less of it.
  if (hasFocus() || FittedText().isEmpty()) {
    QToolTip::hideText();
    event->ignore();
    return true;
  }
  const QString whole = text();
  QToolTip::showText(
      static_cast<QHelpEvent*>(event)->globalPos(),
      Qt::mightBeRichText(whole) ? Qt::convertFromPlainText(whole, Qt::WhiteSpaceNoWrap) : whole,
      this);
  return true;
}

void EntryBox::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
    fitted_ = Fitted();
  }
  QLineEdit::changeEvent(event);
}

// A line edit losing the focus to another window redraws only its cursor; the fitted form
// takes the whole box.
void EntryBox::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  update();
}

void EntryBox::paintEvent(QPaintEvent* event) {
  // The focused box is being edited, and works out no fitted form as it is typed into.
  const bool edited = hasFocus() && !OnPaper(QPainter(this));
  const QString shown = edited ? QString() : FittedText();
  if (shown.isEmpty()) {
    QLineEdit::paintEvent(event);
    return;
  }
  QPainter painter(this);
  // Drawn where and as QLineEdit draws its text: the frame, then the line in the contents,
  // centred as the whole text's line is, and in the text's own direction (a number's is left to
  // right, so "\u2248" leads it also in a right-to-left window).
  QStyleOptionFrame panel;
  initStyleOption(&panel);
  style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
  const QRect contents = TextContents();
  painter.setClipRect(contents);
  const QFontMetrics metrics = fontMetrics();
  const int height = std::max(metrics.boundingRect(text()).height(), metrics.height());
  const int top = contents.y() + (contents.height() - height + 1) / 2;
  const Qt::LayoutDirection direction = text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
  int left = contents.x() + kLineMargin;
  if (QStyle::visualAlignment(direction, alignment()) & Qt::AlignRight) {
    // where QLineEdit puts a right-aligned text that fits
    left = contents.x() + contents.width() - 2 * kLineMargin -
           qRound(QFontMetricsF(font()).horizontalAdvance(shown));
  }
  painter.setLayoutDirection(direction);
  painter.setPen(palette().color(QPalette::Text));
  painter.drawText(QPoint(left, top + metrics.ascent()), shown);
}

}  // namespace ui
