#include "ui/category_panel.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>

#include "ui/entry_box.h"
#include "ui/fonts.h"
#include "ui/key_codes.h"
#include "ui/layout.h"

namespace ui {

CategoryPanel::CategoryPanel(core::Category category, QWidget* parent)
    : QGroupBox(parent), category_(category) {
  const CategoryLook& look = LookOf(category);
  setObjectName(QLatin1String(look.frame));
  setTitle(QLatin1String(look.frame_caption));
  setGeometry(ToPixels(kPanelRect));
  // White paper, whatever the desktop's colours, so its caption is black ink. The caption sits in
  // the top border line, whose middle runs through the caption's text.
  const int half_caption = FontPixels(kDefaultFont.hundredths_of_point) / 2 + 1;
  setStyleSheet(QStringLiteral("QGroupBox { background: %1; color: %2;"
                               " border: 1px solid #a0a0a0; margin-top: %3px; }"
                               "QGroupBox::title { subcontrol-origin: margin;"
                               " left: 6px; padding: 0px 2px; }")
                    .arg(kPaper.name(), kInk.name())
                    .arg(half_caption));
}

QList<QLineEdit*> CategoryPanel::boxes() const {
  return findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly);
}

std::vector<EntryBox*> CategoryPanel::AddUnits(const std::vector<UnitRow>& rows, bool array) {
  std::vector<QLabel*> labels;
  for (const UnitRow& row : rows) {
    const int index = static_cast<int>(labels.size());
    auto* label = new QLabel(row.caption, this);
    label->setObjectName(QLatin1String(LookOf(category_).labels));
    label->setProperty("index", index);
    label->setGeometry(ToPixels(LabelRect(category_, index)));
    label->setFont(MakeFont(kUnitLabelFont));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    // A screen reader names a box after its label, so the label says the unit in words: "M i
    // equals" or a bare "in" would tell a listener nothing.
    label->setAccessibleName(row.in_words);
    FillBackground(*label, kPaper);
    SetTextColour(*label, kInk);
    labels.push_back(label);
  }
  std::vector<EntryBox*> boxes;
  for (const UnitRow& row : rows) {
    const int index = static_cast<int>(boxes.size());
    auto* box = new EntryBox(this);
    labels[static_cast<std::size_t>(index)]->setBuddy(box);
    box->setObjectName(row.box);
    if (array) box->setProperty("index", index);
    box->setGeometry(ToPixels(BoxRect(index)));
    box->setAccessibleName(row.in_words);
    box->setFont(MakeFont(kDefaultFont));  // set here, or the frame's style sheet would reset it
    // A white box on the white panel, as a desktop's light colours draw it, so its text is black.
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, kPaper);
    palette.setColor(QPalette::Text, kInk);
    box->setPalette(palette);
    boxes.push_back(box);
  }
  return boxes;
}

void WriteBox(QLineEdit& box, const QString& text) {
  box.setText(text);
  box.setCursorPosition(0);  // a long number shows from its first digit, not its end
}

bool RetypeKeypadDecimal(QObject& box, const QKeyEvent& key) {
  const QString point = QStringLiteral(".");
  // A QKeyEvent's text is fixed, so the point comes as a new event; it carries "." and so
  // passes here unchanged.
  if (!IsKeypadDecimal(key) || key.text() == point) return false;
  QKeyEvent typed(key.type(), Qt::Key_Period, key.modifiers(), key.nativeScanCode(),
                  key.nativeVirtualKey(), key.nativeModifiers(), point, key.isAutoRepeat(),
                  static_cast<quint16>(key.count()), key.device());
  QCoreApplication::sendEvent(&box, &typed);
  return true;
}

}  // namespace ui
