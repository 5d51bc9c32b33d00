// Shared by the window tests: a stand-in for the desktop and ways to reach the window's controls.
#ifndef TESTS_UI_UI_TEST_SUPPORT_H_
#define TESTS_UI_UI_TEST_SUPPORT_H_

#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QString>
#include <QUrl>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <ostream>
#include <utility>
#include <vector>

#include "ui/form1.h"
#include "ui/platform.h"

// Test failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace uitest {

// Records what the window asks of the desktop. Prints into the PDF file set by SetPdfPath, or
// reports no printer while there is none; a print service that never answers, while `Hang` holds;
// a printer that asks where to save, while `asked_suffix` is set.
class FakePlatform : public ui::Platform {
 public:
  struct Message {
    QString title;
    QString text;
  };

  // Lets a hung print thread go and waits until it is done.
  ~FakePlatform() override;

  void OpenUrl(const QUrl& url) override { opened.push_back(url); }
  // Lets queued events in while "open", as a modal box does, and notes how many were open at once.
  void ShowMessage(QWidget* owner, const QString& title, const QString& text) override;
  std::unique_ptr<QPrinter> DefaultPrinter() override;
  std::unique_ptr<QPrinter> InstalledPrinter(const QString& name) override;
  std::optional<ui::PrintFileType> AskedFileType(const QPrinter& /*printer*/) override {
    if (const char* suffix = asked_suffix) return ui::PrintFileType{suffix, "File"};
    return std::nullopt;
  }
  // "Open" as ShowMessage's box is; answers `save_answer`, or opens not at all.
  ui::SaveChoice AskWhereToSave(QWidget* owner, const QString& proposed,
                                const ui::PrintFileType& type) override;

  // From now on, finding a printer blocks until Release.
  void Hang();
  void Release();
  // The default printer, `name`, prints into this file; none when it is empty. Printers that
  // were the default before stay installed.
  void SetPdfPath(const QString& path, const QString& name = QStringLiteral("PDF"));
  void Uninstall(const QString& name);
  // The names of the printers handed to the print threads, in turn.
  std::vector<QString> PrintersHandedOut();

  std::vector<QUrl> opened;
  std::vector<Message> messages;
  int most_boxes_open = 0;
  std::function<void()> while_open;  // runs while the next box or save dialog is "open"
  std::atomic<const char*> asked_suffix = nullptr;
  std::vector<std::pair<QWidget*, QString>> save_offers;  // the owner and the proposed file
  QString save_answer;  // the file chosen in the save dialog; empty: cancelled
  bool save_dialog_fails = false;

 private:
  int boxes_open_ = 0;
  std::mutex mutex_;
  std::condition_variable released_;
  bool hung_ = false;
  std::map<QString, QString> pdf_paths_;  // of each printer installed
  QString default_printer_;
  std::vector<QString> handed_out_;
  // The printer of that name, once the print service answers; nothing when there is none.
  std::unique_ptr<QPrinter> FindPrinter(const std::function<QString()>& name);
};

// Waits until the window's print job has come back (or it has stopped waiting for it); false
// when it has not within `seconds`.
bool WaitForPrint(const Form1& form, int seconds = 10);

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
