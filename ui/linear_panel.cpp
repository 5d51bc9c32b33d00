#include "ui/linear_panel.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>

#include <string>
#include <vector>

#include "core/linear_fill.h"
#include "ui/entry_box.h"
#include "ui/key_codes.h"
#include "ui/layout.h"

namespace ui {
namespace {

// The handlers are public; an index from outside the array is ignored.
bool IsBoxIndex(std::int16_t index) {
  return index >= 0 && index < 9;
}

}  // namespace

LinearPanel::LinearPanel(const core::LinearCategory& category, LinearState& shared, QWidget* parent)
    : CategoryPanel(category.category, parent), category_(category), shared_(shared) {
  std::vector<UnitRow> rows;
  const QString array = QLatin1String(LookOf(category.category).boxes);
  for (const core::Unit& unit : category.units) {
    rows.push_back({array, QString::fromUtf8(unit.name), QString::fromUtf8(unit.caption)});
  }
  const std::vector<EntryBox*> boxes = AddUnits(rows, true);
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    EntryBox* box = boxes[i];
    box->setText(QStringLiteral("0"));
    // Text from an input method would reach the box without a key press, past the filter.
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    box->installEventFilter(this);
    const auto index = static_cast<std::int16_t>(i);
    connect(box, &EntryBox::entryChanged, this, [this, index] { Change(index); });
    boxes_[i] = box;
  }
}

void LinearPanel::KeyPress(std::int16_t index, std::int16_t& keyAscii) {
  if (!IsBoxIndex(index)) return;
  const bool digit = keyAscii >= '0' && keyAscii <= '9';
  if (digit || keyAscii == 8) {
    // accepted
  } else if (keyAscii == '.') {
    const QLineEdit& edit = box(index);
    const bool all_selected = edit.selectedText().size() == edit.text().size();
    if (!all_selected && edit.text().contains(QLatin1Char('.'))) keyAscii = 0;
  } else {
    keyAscii = 0;
  }
  shared_.active_index = index;
}

void LinearPanel::Change(std::int16_t index) {
  if (filling_ || !IsBoxIndex(index)) return;
  const QString changed = box(index).text();
  if (changed.isEmpty() || changed == QLatin1String(".")) return;

  const QScopedValueRollback<bool> filling(filling_, true);
  const std::int16_t active = shared_.active_index;
  const std::string source = box(active).text().toStdString();
  const core::Result<core::LinearFill> fill = core::FillFrom(category_, active, source);
  if (!fill) return;  // unreadable or overflowing: every box keeps its text

  shared_.source_value = fill->source_value;
  for (int i = 0; i < 9; ++i) {
    if (i == active) continue;
    WriteBox(box(i), QString::fromStdString(fill->texts[static_cast<std::size_t>(i)]));
  }
  shared_.converted_value = fill->converted_value;
}

bool LinearPanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto& key = *static_cast<QKeyEvent*>(event);
  if (IsAltCharacter(key)) return true;                 // a menu's access key that no menu took
  if (RetypeKeypadDecimal(*watched, key)) return true;  // judged as the point it now carries
  const std::optional<int> code = CharacterCode(key);
  if (!code) return false;  // an editing key: the box handles it
  const auto index = static_cast<std::int16_t>(watched->property("index").toInt());
  // A key that types several characters at once (a composed sequence) goes in only when the
  // filter accepts each of them and the text it makes holds at most one ".".
  const QString text = key.text();
  const bool several = text.size() > 1 && *code == text.front().unicode();
  bool refused = false;
  for (qsizetype i = 0; i < (several ? text.size() : 1); ++i) {
    auto keyAscii = static_cast<std::int16_t>(several ? text[i].unicode() : *code);
    KeyPress(index, keyAscii);
    refused = refused || keyAscii == 0 || (several && keyAscii == 8);
  }
  if (several && !refused) {
    const auto& edit = *static_cast<QLineEdit*>(watched);
    QString made = edit.text();
    if (edit.hasSelectedText()) {
      made.replace(edit.selectionStart(), edit.selectedText().size(), text);
    } else {
      made.insert(edit.cursorPosition(), text);
    }
    refused = made.count(QLatin1Char('.')) > 1;
  }
  return refused;  // a refused character never reaches the box
}

}  // namespace ui
