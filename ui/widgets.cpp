#include "ui/widgets.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>

namespace ui {

void FillBackground(QWidget& widget, const QColor& colour) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Window, colour);
  widget.setPalette(palette);
  widget.setAutoFillBackground(true);
}

void SetTextColour(QWidget& widget, const QColor& colour) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::WindowText, colour);
  widget.setPalette(palette);
}

QGroupBox* MakeFrame(QWidget& client, const QString& name, const QString& caption) {
  auto* frame = new QGroupBox(caption, &client);
  frame->setObjectName(name);
  frame->setGeometry(ToPixels(kPanelRect));
  FillBackground(*frame, kPanelBackground);
  // The caption sits in the top border line, whose middle runs through the caption's text.
  const int half_caption = FontPixels(kDefaultFont.hundredths_of_point) / 2 + 1;
  frame->setStyleSheet(QStringLiteral("QGroupBox { background: white; border: 1px solid #a0a0a0;"
                                      " margin-top: %1px; }"
                                      "QGroupBox::title { subcontrol-origin: margin;"
                                      " left: 6px; padding: 0px 2px; }")
                           .arg(half_caption));
  return frame;
}

QLabel* MakeUnitLabel(QWidget& frame, const QString& name, int index, const QString& caption,
                      const TwipRect& place) {
  auto* label = new QLabel(caption, &frame);
  label->setObjectName(name);
  label->setProperty("index", index);
  label->setGeometry(ToPixels(place));
  label->setFont(MakeFont(kUnitLabelFont));
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setTextFormat(Qt::PlainText);
  FillBackground(*label, kPanelBackground);
  SetTextColour(*label, kLabelText);
  return label;
}

QLineEdit* MakeBox(QWidget& frame, const QString& name, int index, const QString& unit_in_words,
                   const TwipRect& place) {
  auto* box = new QLineEdit(&frame);
  box->setObjectName(name);
  if (index >= 0) box->setProperty("index", index);
  box->setGeometry(ToPixels(place));
  box->setAccessibleName(unit_in_words);
  box->setFont(MakeFont(kDefaultFont));  // set here, or the frame's style sheet would reset it
  // Qt's own cap, kept on purpose: laying out a mebibyte of pasted text takes a quarter of a
  // second, and no number text changes its value past the 32,767th character (it has long
  // overflowed, underflowed or run out of double precision by then).
  box->setMaxLength(kMaxBoxText);
  return box;
}

void WriteBox(QLineEdit& box, const QString& text) {
  box.setText(text);
  box.setCursorPosition(0);  // a long number shows from its first digit, not its end
}

}  // namespace ui
