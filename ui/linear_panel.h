// One panel of a linear category (Length, Time, Mass, Area): nine boxes, one per unit, each with
// its unit label. Typing a number into one box fills the eight others with the same quantity.
#ifndef UI_LINEAR_PANEL_H_
#define UI_LINEAR_PANEL_H_

#include <QObject>

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>

#include "core/units.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace ui {

// State the four linear panels share with the window.
struct LinearState {
  std::int16_t active_index = 0;  // the box that last received a typed character, any panel
  double source_value = 0;        // the active box's number at the latest fill
  double converted_value = 0;     // the last value a fill wrote, after rounding
};

class LinearPanel : public QObject {
  Q_OBJECT

 public:
  // The window's handlers for this panel's boxes: the key filter gets the box index and the
  // character code, and sets the code to 0 to refuse the character.
  using KeyPressHandler = std::function<void(std::int16_t, std::int16_t&)>;
  using ChangeHandler = std::function<void(std::int16_t)>;

  // Builds the frame with its boxes and labels on `client`; `category` is the position of the
  // category in core::kLinearCategories.
  LinearPanel(std::size_t category, QWidget& client, LinearState& state, KeyPressHandler key_press,
              ChangeHandler change);

  QGroupBox& frame() const { return *frame_; }
  QLineEdit& box(int index) const { return *boxes_[static_cast<std::size_t>(index)]; }
  QLabel& label(int index) const { return *labels_[static_cast<std::size_t>(index)]; }
  bool filling() const { return filling_; }

  // The key filter: accepts digits, backspace and one "." and refuses everything else; either
  // way box `index` becomes the active box.
  void KeyPress(std::int16_t index, std::int16_t& key_ascii);
  // The change handling: unless box `index` is empty or holds a lone ".", converts the active
  // box's number into the eight other boxes. Writes nothing when the active box's text cannot
  // be read or any value overflows. Does nothing while a fill of this panel runs.
  void Change(std::int16_t index);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  const core::LinearCategory& category_;
  LinearState& state_;
  KeyPressHandler key_press_;
  core::FactorTable table_{};
  bool filling_ = false;
  QGroupBox* frame_;
  std::array<QLineEdit*, 9> boxes_{};
  std::array<QLabel*, 9> labels_{};
};

}  // namespace ui

#endif  // UI_LINEAR_PANEL_H_
