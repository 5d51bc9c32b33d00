// The converter's one window: a banner, the five category buttons and the five category panels,
// one of them visible, with the menus File (Print, Exit) and Help (About).
//
// The window frames the panels; each panel handles its own keys and changes. The handlers here
// carry the names of the controls and events they serve, and tests may call them directly.
#ifndef UI_FORM1_H_
#define UI_FORM1_H_

#include <QMainWindow>

#include <array>
#include <cstdint>
#include <deque>

#include "core/units.h"
#include "ui/linear_panel.h"
#include "ui/printing.h"

namespace ui {
class CategoryPanel;
class Platform;
}  // namespace ui

class Form1 : public QMainWindow {
  Q_OBJECT

 public:
  // A window that prints, opens the web address and shows message boxes through the desktop.
  Form1();
  // A window that reaches the desktop only through `platform`, which must outlive it.
  explicit Form1(ui::Platform& platform);
  ~Form1() override;

  // Category buttons: each shows its own panel and hides the four others.
  void CmdLength_Click() { ShowCategory(core::Category::Length); }
  void CmdTime_Click() { ShowCategory(core::Category::Time); }
  void CmdMass_Click() { ShowCategory(core::Category::Mass); }
  void CmdTemp_Click() { ShowCategory(core::Category::Temperature); }
  void CmdArea_Click() { ShowCategory(core::Category::Area); }
  void ShowCategory(core::Category category);

  // Runs once, at the end of construction: the temperature boxes start at "0".
  void Form_Load();

  // Prints a picture of the client area as it shows now; the print system's answer comes later.
  void mnuPrint_Click();
  void mnuExit_Click();
  void mnuAbout_Click();
  // Opens the maker's web address in the browser.
  void Label6_Click();

  // What the four linear panels share, for inspection.
  std::int16_t ActiveIndex() const { return linear_.active_index; }
  double SourceValue() const { return linear_.source_value; }
  double ConvertedValue() const { return linear_.converted_value; }

  // The area below the menu bar that holds every control, and is what File > Print prints.
  QWidget& ClientArea() const { return *client_; }

 private:
  void BuildMenus();
  void BuildBanner();
  void TellPrintOutcome(ui::PrintJobs::Outcome outcome);
  // Shows a message box, or, while one is open, the next one when it closes.
  void Tell(const QString& title, const QString& text);

  ui::Platform& platform_;
  ui::LinearState linear_;
  QWidget* client_ = nullptr;
  std::array<ui::CategoryPanel*, core::kCategoryCount> panels_{};
  ui::PrintJobs* print_jobs_ = nullptr;
  struct Message {
    QString title;
    QString text;
  };
  std::deque<Message> messages_;
  bool telling_ = false;
};

#endif  // UI_FORM1_H_
