#include "ui/linear_panel.h"

#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <string>
#include <utility>

#include "core/linear_fill.h"
#include "ui/flag_guard.h"
#include "ui/key_codes.h"
#include "ui/layout.h"
#include "ui/widgets.h"

namespace ui {
namespace {

// The handlers are public; an index from outside the array is ignored.
bool IsBoxIndex(std::int16_t index) {
  return index >= 0 && index < 9;
}

}  // namespace

LinearPanel::LinearPanel(std::size_t category, QWidget& client, LinearState& state,
                         KeyPressHandler key_press, ChangeHandler change)
    : QObject(&client),
      category_(core::kLinearCategories[category]),
      state_(state),
      key_press_(std::move(key_press)) {
  const QString name = QString::fromUtf8(category_.name);
  frame_ = MakeFrame(client, name, name);
  for (int i = 0; i < 9; ++i) {
    const core::Unit& unit = category_.units[static_cast<std::size_t>(i)];
    labels_[static_cast<std::size_t>(i)] =
        MakeUnitLabel(*frame_, QString::fromUtf8(category_.labels), i,
                      QString::fromUtf8(unit.caption), LinearLabelRect(category, i));
  }
  // Boxes come after the labels, so a box is drawn over a label it overlaps.
  for (int i = 0; i < 9; ++i) {
    QLineEdit* box = MakeBox(*frame_, QString::fromUtf8(category_.boxes), i,
                             QString::fromUtf8(category_.units[static_cast<std::size_t>(i)].name),
                             LinearBoxRect(i));
    box->setText(QStringLiteral("0"));
    // Text from an input method would reach the box without a key press, past the filter.
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    box->installEventFilter(this);
    const auto index = static_cast<std::int16_t>(i);
    connect(box, &QLineEdit::textChanged, this, [change, index] { change(index); });
    boxes_[static_cast<std::size_t>(i)] = box;
  }
}

void LinearPanel::KeyPress(std::int16_t index, std::int16_t& key_ascii) {
  if (!IsBoxIndex(index)) return;
  const bool digit = key_ascii >= '0' && key_ascii <= '9';
  if (digit || key_ascii == 8) {
    // accepted
  } else if (key_ascii == '.') {
    const QLineEdit& edit = box(index);
    const bool all_selected = edit.selectedText().size() == edit.text().size();
    if (!all_selected && edit.text().contains(QLatin1Char('.'))) key_ascii = 0;
  } else {
    key_ascii = 0;
  }
  state_.active_index = index;
}

void LinearPanel::Change(std::int16_t index) {
  if (filling_ || !IsBoxIndex(index)) return;
  const QString changed = box(index).text();
  if (changed.isEmpty() || changed == QLatin1String(".")) return;

  FlagGuard filling(filling_);
  const std::int16_t active = state_.active_index;
  const std::string source = box(active).text().toStdString();
  const core::Result<core::LinearFill> fill = core::FillFrom(category_, table_, active, source);
  if (!fill) return;  // unreadable or overflowing: every box keeps its text

  state_.source_value = fill->source_value;
  for (int i = 0; i < 9; ++i) {
    if (i == active) continue;
    WriteBox(box(i), QString::fromStdString(fill->texts[static_cast<std::size_t>(i)]));
  }
  state_.converted_value = fill->converted_value;
}

bool LinearPanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto& key = *static_cast<QKeyEvent*>(event);
  if (IsAltCharacter(key)) return true;  // a menu's access key that no menu took
  const std::optional<int> code = CharacterCode(key);
  if (!code) return false;  // an editing key: the box handles it
  const auto index = static_cast<std::int16_t>(watched->property("index").toInt());
  // A key that types several characters at once (a composed sequence) goes in only when the
  // filter accepts each of them.
  const QString text = key.text();
  const bool several = text.size() > 1 && *code == text.front().unicode();
  bool refused = false;
  for (qsizetype i = 0; i < (several ? text.size() : 1); ++i) {
    auto key_ascii = static_cast<std::int16_t>(several ? text[i].unicode() : *code);
    key_press_(index, key_ascii);
    refused = refused || key_ascii == 0;
  }
  return refused;  // a refused character never reaches the box
}

}  // namespace ui
