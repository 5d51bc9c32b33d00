// The panel of a linear category (Length, Time, Mass, Area): nine boxes, one per unit, each with
// its unit label. Typing a number into one box fills the eight others with the same quantity.
#ifndef UI_LINEAR_PANEL_H_
#define UI_LINEAR_PANEL_H_

#include <array>
#include <cstdint>

#include "core/units.h"
#include "ui/category_panel.h"

namespace ui {

// What the four linear panels share: the window owns it and hands it to each of them.
struct LinearState {
  std::int16_t active_index = 0;  // the box that last received a typed character, any panel
  double source_value = 0;        // the active box's number at the latest fill
  double converted_value = 0;     // the last value a fill wrote, after rounding
};

class LinearPanel : public CategoryPanel {
  Q_OBJECT

 public:
  LinearPanel(const core::LinearCategory& category, LinearState& shared, QWidget* parent);

  QLineEdit& box(int index) const { return *boxes_[static_cast<std::size_t>(index)]; }
  // True while a fill writes this panel's boxes.
  bool filling() const { return filling_; }

  // The key filter: accepts digits, backspace and one "." and refuses everything else by setting
  // keyAscii to 0; either way box `index` becomes the active box of every linear panel.
  void KeyPress(std::int16_t index, std::int16_t& keyAscii);
  // The change handling: unless box `index` is empty or holds a lone ".", converts the active
  // box's number into the eight other boxes. Writes nothing when the active box's text cannot
  // be read or any value overflows. Does nothing while a fill of this panel runs.
  void Change(std::int16_t index);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  const core::LinearCategory& category_;
  LinearState& shared_;
  bool filling_ = false;
  std::array<QLineEdit*, 9> boxes_{};
};

}  // namespace ui

#endif  // UI_LINEAR_PANEL_H_
