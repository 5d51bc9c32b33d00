#include "ui/platform.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QUrl>
#include <QWidget>
#include <QtGlobal>

#if defined(Q_OS_LINUX)
#include <dlfcn.h>
#endif

namespace ui {

namespace {

// A print service may ask for a password. Qt's printing asks it with a dialog, set up for the
// thread that first looks for a printer, and a dialog belongs on the window's thread only; on a
// print thread nobody can answer. So a print thread gives no password, and such a job fails
// instead of opening a window off the window's thread. The CUPS library is the one Qt's printing
// has loaded, if it has; the program does not load it itself, which would slow every start.
void AnswerNoPasswords() {
#if defined(Q_OS_LINUX)
  using PasswordCallback = const char* (*)(const char* prompt, void* http, const char* method,
                                           const char* resource, void* data);
  using SetPasswordCallback = void (*)(PasswordCallback callback, void* data);
  void* cups = dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
  if (cups == nullptr) return;
  if (auto set = reinterpret_cast<SetPasswordCallback>(dlsym(cups, "cupsSetPasswordCB2"))) {
    set([](const char*, void*, const char*, const char*, void*) -> const char* { return nullptr; },
        nullptr);
  }
  dlclose(cups);
#endif
}

class DesktopPlatform final : public Platform {
 public:
  void OpenUrl(const QUrl& url) override { QDesktopServices::openUrl(url); }

  void ShowMessage(QWidget* owner, const QString& title, const QString& text) override {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, owner);
    box.exec();
  }

  std::unique_ptr<QPrinter> DefaultPrinter() override {
    AnswerNoPasswords();
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    AnswerNoPasswords();  // Qt set up its dialog here if this was its first look
    if (info.isNull()) return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
  }
};

}  // namespace

Platform& SystemPlatform() {
  static DesktopPlatform platform;
  return platform;
}

}  // namespace ui
