// The few services the window asks of the desktop. The window reaches them only through this
// interface, so that tests can stand in for the desktop.
#ifndef UI_PLATFORM_H_
#define UI_PLATFORM_H_

#include <QString>

#include <memory>
#include <optional>

class QPrinter;
class QUrl;
class QWidget;

namespace ui {

// What a printer that asks where to save writes instead of paper.
struct PrintFileType {
  const char* suffix;  // with its dot: ".pdf"
  const char* name;    // as the save dialog lists it: "PDF document"
};

// How a save dialog ended.
struct SaveChoice {
  enum class Ending {
    Chosen,     // `file` holds the whole path chosen
    Cancelled,  // the user closed it without a file
    Failed,     // no dialog could be opened
  };
  Ending ending;
  QString file;
};

class Platform {
 public:
  virtual ~Platform() = default;

  // Asks the desktop to open the address in the default web browser; returns at once and
  // reports nothing.
  virtual void OpenUrl(const QUrl& url) = 0;
  // A modal message box with a title, the text, one OK button and no icon.
  virtual void ShowMessage(QWidget* owner, const QString& title, const QString& text) = 0;
  // The system's default printer, or nothing when none is installed. Called on a print thread,
  // never the window's: it may block for as long as the print service takes to answer.
  virtual std::unique_ptr<QPrinter> DefaultPrinter() = 0;
  // The installed printer of that name, or nothing when there is none of that name any more.
  // Called on a print thread, as DefaultPrinter is.
  virtual std::unique_ptr<QPrinter> InstalledPrinter(const QString& name) = 0;
  // The file `printer`, from DefaultPrinter, would ask for when its job starts, or nothing when
  // it prints without asking. Called on the same print thread.
  virtual std::optional<PrintFileType> AskedFileType(const QPrinter& printer) = 0;
  // A modal save dialog owned by `owner`, offering the file `proposed` (a whole path) of `type`
  // and asking before it replaces a file.
  virtual SaveChoice AskWhereToSave(QWidget* owner, const QString& proposed,
                                    const PrintFileType& type) = 0;
};

// The desktop itself: Qt's desktop services, message boxes and printers.
Platform& SystemPlatform();

}  // namespace ui

#endif  // UI_PLATFORM_H_
