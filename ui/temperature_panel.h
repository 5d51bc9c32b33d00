// The temperature panel: boxes for Celsius, Fahrenheit and Kelvin. A usable entry in one box is
// converted into the two others.
#ifndef UI_TEMPERATURE_PANEL_H_
#define UI_TEMPERATURE_PANEL_H_

#include <array>
#include <cstddef>

#include "ui/category_panel.h"

namespace ui {

class TemperaturePanel : public CategoryPanel {
  Q_OBJECT

 public:
  enum Scale { kCelsius = 0, kFahrenheit = 1, kKelvin = 2 };

  // Builds the panel with its three boxes empty.
  explicit TemperaturePanel(QWidget* parent);

  QLineEdit& box(int scale) const { return *boxes_[static_cast<std::size_t>(scale)]; }
  // Raised while the panel writes its own boxes; they convert nothing meanwhile.
  bool Updating() const { return updating_; }

  // The change handling of the box of `source`: converts a usable entry into the two other
  // scales. Unless both conversions succeed, neither target changes.
  void Change(Scale source);
  // Writes the start value "0" into the three boxes without converting.
  void SetStartValues();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool updating_ = false;
  std::array<QLineEdit*, 3> boxes_{};
};

}  // namespace ui

#endif  // UI_TEMPERATURE_PANEL_H_
