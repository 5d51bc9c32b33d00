// The few services the window asks of the desktop. The window reaches them only through this
// interface, so that tests can stand in for the desktop.
#ifndef UI_PLATFORM_H_
#define UI_PLATFORM_H_

#include <memory>

class QPrinter;
class QString;
class QUrl;
class QWidget;

namespace ui {

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
};

// The desktop itself: Qt's desktop services, message boxes and printers.
Platform& SystemPlatform();

}  // namespace ui

#endif  // UI_PLATFORM_H_
