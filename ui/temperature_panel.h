// The temperature panel: boxes for Celsius, Fahrenheit and Kelvin. A usable entry in one box is
// converted into the two others.
#ifndef UI_TEMPERATURE_PANEL_H_
#define UI_TEMPERATURE_PANEL_H_

#include <QObject>

#include <array>
#include <cstddef>

class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace ui {

class TemperaturePanel : public QObject {
  Q_OBJECT

 public:
  enum Scale { kCelsius = 0, kFahrenheit = 1, kKelvin = 2 };

  // Builds the frame, hidden, with its three empty boxes and labels on `client`. `updating` is
  // the window's busy flag: while it is raised the boxes convert nothing.
  TemperaturePanel(QWidget& client, bool& updating);

  QGroupBox& frame() const { return *frame_; }
  QLineEdit& box(int scale) const { return *boxes_[static_cast<std::size_t>(scale)]; }
  QLabel& label(int scale) const { return *labels_[static_cast<std::size_t>(scale)]; }

  // The change handling of the box of `source`: converts a usable entry into the two other
  // scales. Unless both conversions succeed, neither target changes.
  void Change(Scale source);
  // Writes the start value "0" into the three boxes with the busy flag raised.
  void SetStartValues();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool& updating_;
  QGroupBox* frame_;
  std::array<QLineEdit*, 3> boxes_{};
  std::array<QLabel*, 3> labels_{};
};

}  // namespace ui

#endif  // UI_TEMPERATURE_PANEL_H_
