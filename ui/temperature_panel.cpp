#include "ui/temperature_panel.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>

#include <string>
#include <vector>

#include "core/number_text.h"
#include "core/temperature.h"
#include "ui/entry_box.h"
#include "ui/key_codes.h"

namespace ui {

namespace {

using Formula = core::Result<float> (*)(float);

// One scale: its box, its label, and the two other scales it converts into, in writing order.
struct ScaleBox {
  const char* name;
  const char* unit_in_words;
  const char* caption;  // UTF-8
  TemperaturePanel::Scale first;
  Formula to_first;
  TemperaturePanel::Scale second;
  Formula to_second;
};

constexpr std::array<ScaleBox, 3> kScales = {{
    {"Text1", "degrees Celsius", "\u00B0C=", TemperaturePanel::kFahrenheit,
     core::CelsiusToFahrenheit, TemperaturePanel::kKelvin, core::CelsiusToKelvin},
    {"Text2", "degrees Fahrenheit", "\u00B0F=", TemperaturePanel::kCelsius,
     core::FahrenheitToCelsius, TemperaturePanel::kKelvin, core::FahrenheitToKelvin},
    {"Text3", "kelvins", "\u00B0K", TemperaturePanel::kCelsius, core::KelvinToCelsius,
     TemperaturePanel::kFahrenheit, core::KelvinToFahrenheit},
}};

}  // namespace

TemperaturePanel::TemperaturePanel(QWidget* parent)
    : CategoryPanel(core::Category::Temperature, parent) {
  std::vector<UnitRow> rows;
  for (const ScaleBox& scale : kScales) {
    rows.push_back({QLatin1String(scale.name), QLatin1String(scale.unit_in_words),
                    QString::fromUtf8(scale.caption)});
  }
  const std::vector<EntryBox*> boxes = AddUnits(rows, false);
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    boxes[i]->installEventFilter(this);
    const auto scale = static_cast<Scale>(i);
    connect(boxes[i], &EntryBox::entryChanged, this, [this, scale] { Change(scale); });
    boxes_[i] = boxes[i];
  }
}

// Every key reaches the boxes, except a menu's access key that no menu took; the keypad's
// decimal key reaches them as the point.
bool TemperaturePanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto& key = *static_cast<const QKeyEvent*>(event);
  return IsAltCharacter(key) || RetypeKeypadDecimal(*watched, key);
}

void TemperaturePanel::Change(Scale source) {
  if (updating_) return;
  const std::string text = box(source).text().toStdString();
  if (text.empty() || !core::IsValidEntry(text)) return;

  const QScopedValueRollback<bool> updating(updating_, true);
  const ScaleBox& scale = kScales[static_cast<std::size_t>(source)];
  const core::Result<float> value = core::ReadSingle(text);
  if (!value) return;
  const core::Result<float> first = scale.to_first(*value);
  const core::Result<float> second = scale.to_second(*value);
  if (!first || !second) return;
  WriteBox(box(scale.first), QString::fromStdString(core::SingleText(*first)));
  WriteBox(box(scale.second), QString::fromStdString(core::SingleText(*second)));
}

void TemperaturePanel::SetStartValues() {
  const QScopedValueRollback<bool> updating(updating_, true);
  for (QLineEdit* box : boxes_) box->setText(QStringLiteral("0"));
}

}  // namespace ui
