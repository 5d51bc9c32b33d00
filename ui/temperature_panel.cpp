#include "ui/temperature_panel.h"

#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <string>

#include "core/number_text.h"
#include "core/temperature.h"
#include "ui/flag_guard.h"
#include "ui/key_codes.h"
#include "ui/layout.h"
#include "ui/widgets.h"

namespace ui {

namespace {

using Formula = core::Result<float> (*)(float);

struct Conversion {
  TemperaturePanel::Scale first;
  Formula to_first;
  TemperaturePanel::Scale second;
  Formula to_second;
};

// Per source scale: its two targets in the order they are written.
constexpr std::array<Conversion, 3> kConversions = {{
    {TemperaturePanel::kFahrenheit, core::CelsiusToFahrenheit, TemperaturePanel::kKelvin,
     core::CelsiusToKelvin},
    {TemperaturePanel::kCelsius, core::FahrenheitToCelsius, TemperaturePanel::kKelvin,
     core::FahrenheitToKelvin},
    {TemperaturePanel::kCelsius, core::KelvinToCelsius, TemperaturePanel::kFahrenheit,
     core::KelvinToFahrenheit},
}};

struct BoxSpec {
  const char* name;
  const char* unit_in_words;
  const char* caption;  // UTF-8
};

constexpr std::array<BoxSpec, 3> kBoxes = {{
    {"Text1", "degrees Celsius", "\u00B0C="},
    {"Text2", "degrees Fahrenheit", "\u00B0F="},
    {"Text3", "kelvins", "\u00B0K"},
}};

}  // namespace

TemperaturePanel::TemperaturePanel(QWidget& client, bool& updating)
    : QObject(&client), updating_(updating) {
  frame_ = MakeFrame(client, QStringLiteral("Temp"), QStringLiteral("Temperature"));
  for (int i = 0; i < 3; ++i) {
    labels_[static_cast<std::size_t>(i)] = MakeUnitLabel(
        *frame_, QStringLiteral("Label9"), i,
        QString::fromUtf8(kBoxes[static_cast<std::size_t>(i)].caption), TemperatureLabelRect(i));
  }
  for (int i = 0; i < 3; ++i) {
    const BoxSpec& scale_box = kBoxes[static_cast<std::size_t>(i)];
    boxes_[static_cast<std::size_t>(i)] =
        MakeBox(*frame_, QLatin1String(scale_box.name), -1, QLatin1String(scale_box.unit_in_words),
                TemperatureBoxRect(i));
    boxes_[static_cast<std::size_t>(i)]->installEventFilter(this);
  }
}

// Every key reaches the boxes, except a menu's access key that no menu took.
bool TemperaturePanel::eventFilter(QObject* /*watched*/, QEvent* event) {
  return event->type() == QEvent::KeyPress && IsAltCharacter(*static_cast<const QKeyEvent*>(event));
}

void TemperaturePanel::Change(Scale source) {
  if (updating_) return;
  const std::string text = box(source).text().toStdString();
  if (text.empty() || !core::IsValidEntry(text)) return;

  FlagGuard updating(updating_);
  const Conversion& conversion = kConversions[static_cast<std::size_t>(source)];
  const core::Result<float> value = core::ReadSingle(text);
  if (!value) return;
  const core::Result<float> first = conversion.to_first(*value);
  const core::Result<float> second = conversion.to_second(*value);
  if (!first || !second) return;
  WriteBox(box(conversion.first), QString::fromStdString(core::SingleText(*first)));
  WriteBox(box(conversion.second), QString::fromStdString(core::SingleText(*second)));
}

void TemperaturePanel::SetStartValues() {
  FlagGuard updating(updating_);
  for (QLineEdit* box : boxes_) box->setText(QStringLiteral("0"));
}

}  // namespace ui
