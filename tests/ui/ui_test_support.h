// Shared by the window tests: a stand-in for the desktop and ways to reach the window's controls.
#ifndef TESTS_UI_UI_TEST_SUPPORT_H_
#define TESTS_UI_UI_TEST_SUPPORT_H_

#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QString>
#include <QUrl>

#include <memory>
#include <ostream>
#include <vector>

#include "ui/form1.h"
#include "ui/platform.h"

// Test failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace uitest {

// Records what the window asks of the desktop. Prints into `pdf_path`, or reports no printer
// while it is empty.
class FakePlatform : public ui::Platform {
 public:
  struct Message {
    QString title;
    QString text;
  };

  void OpenUrl(const QUrl& url) override { opened.push_back(url); }
  void ShowMessage(QWidget* /*owner*/, const QString& title, const QString& text) override {
    messages.push_back({title, text});
  }
  std::unique_ptr<QPrinter> DefaultPrinter() override;

  std::vector<QUrl> opened;
  std::vector<Message> messages;
  QString pdf_path;
};

// Member `index` of a control array, or the single control `name` when index is -1.
QLineEdit* Box(const Form1& form, const char* name, int index = -1);
QLabel* Label(const Form1& form, const char* name, int index = -1);
QWidget* Control(const Form1& form, const char* name, int index = -1);

// True while a fill of any linear panel writes its boxes.
bool LinearFillInProgress(const Form1& form);
// The temperature panel's busy flag.
bool Updating(const Form1& form);

// The texts of the nine boxes of a box array.
std::vector<QString> Texts(const Form1& form, const char* boxes);

// Types `text` into the box key by key, as a user would.
void Type(QLineEdit* box, const QString& text);
// Selects the box's whole text and types Backspace, which leaves it empty.
void ClearByTyping(QLineEdit* box);

// Shows the window and waits until it is the active window.
bool ShowActive(Form1& form);

}  // namespace uitest

#endif  // TESTS_UI_UI_TEST_SUPPORT_H_
