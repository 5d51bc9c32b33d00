// The converter's one window: a banner, the five category buttons and the five category panels,
// one of them visible, with the menus File (Print, Exit) and Help (About).
//
// The handlers carry the names of the controls and events they serve; Qt's signals and events
// are routed to them, and tests may call them directly.
#ifndef UI_FORM1_H_
#define UI_FORM1_H_

#include <QMainWindow>

#include <array>
#include <cstdint>

#include "ui/linear_panel.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace ui {
class Platform;
class TemperaturePanel;
}  // namespace ui

class Form1 : public QMainWindow {
  Q_OBJECT

 public:
  // A window that prints, opens the web address and shows message boxes through the desktop.
  Form1();
  // A window that reaches the desktop only through `platform`, which must outlive it.
  explicit Form1(ui::Platform& platform);
  ~Form1() override;

  // Key filters of the linear panels: refuse a character by setting keyAscii to 0.
  void Length1_KeyPress(std::int16_t index, std::int16_t& keyAscii);
  void Time1_KeyPress(std::int16_t index, std::int16_t& keyAscii);
  void Mass1_KeyPress(std::int16_t index, std::int16_t& keyAscii);
  void Area1_KeyPress(std::int16_t index, std::int16_t& keyAscii);
  // Change handling of the linear panels.
  void Length1_Change(std::int16_t index);
  void Time1_Change(std::int16_t index);
  void Mass1_Change(std::int16_t index);
  void Area1_Change(std::int16_t index);
  // Change handling of the temperature boxes: Celsius, Fahrenheit, Kelvin.
  void Text1_Change();
  void Text2_Change();
  void Text3_Change();

  // Category buttons: each shows its own panel and hides the four others.
  void CmdLength_Click();
  void CmdTime_Click();
  void CmdMass_Click();
  void CmdTemp_Click();
  void CmdArea_Click();

  // Runs once, at the end of construction: the temperature boxes start at "0".
  void Form_Load();

  void mnuPrint_Click();
  void mnuExit_Click();
  void mnuAbout_Click();

  // The link label. X and Y are in twips from the label's top-left corner.
  void Label6_MouseMove(std::int16_t button, std::int16_t shift, float x, float y);
  void Label6_Click();

  // Window state, for inspection.
  std::int16_t ActiveIndex() const { return linear_.active_index; }
  double SourceValue() const { return linear_.source_value; }
  double ConvertedValue() const { return linear_.converted_value; }
  bool Updating() const { return updating_; }
  // True while a fill of any linear panel writes its boxes.
  bool LinearFillInProgress() const;

  // The area below the menu bar that holds every control, and is what File > Print prints.
  QWidget& ClientArea() const { return *client_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildBanner();
  void BuildButtons();
  void BuildMenus();
  void SetTabOrder();
  void ShowPanel(std::size_t position);
  ui::LinearPanel& Linear(std::size_t category) const { return *linear_panels_[category]; }

  ui::Platform& platform_;
  ui::LinearState linear_;
  bool updating_ = false;
  bool label6_double_clicked_ = false;

  QWidget* client_ = nullptr;
  QLabel* label6_ = nullptr;
  std::array<QPushButton*, 5> buttons_{};
  // Length, Time, Mass, Area: the order of core::kLinearCategories.
  std::array<ui::LinearPanel*, 4> linear_panels_{};
  ui::TemperaturePanel* temperature_ = nullptr;
  // Length, Time, Mass, Temp, Area: the order of the buttons.
  std::array<QGroupBox*, 5> frames_{};
};

#endif  // UI_FORM1_H_
