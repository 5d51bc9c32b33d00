#include "ui/platform.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QUrl>
#include <QWidget>

#include "ui/print_system.h"
#include "ui/save_dialog.h"

namespace ui {

namespace {

class DesktopPlatform final : public Platform {
 public:
  void OpenUrl(const QUrl& url) override { QDesktopServices::openUrl(url); }

  void ShowMessage(QWidget* owner, const QString& title, const QString& text) override {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, owner);
    box.exec();
  }

  std::unique_ptr<QPrinter> DefaultPrinter() override {
    PreparePrintThread();
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    PreparePrintThread();  // Qt set up its dialog here if this was its first look
    if (info.isNull()) return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
  }

  std::optional<PrintFileType> AskedFileType(const QPrinter& printer) override {
    return FileTypeAskedBy(printer.printerName());
  }

  QString AskWhereToSave(QWidget* owner, const QString& proposed,
                         const PrintFileType& type) override {
    return SaveDialog(owner, proposed, type);
  }
};

}  // namespace

Platform& SystemPlatform() {
  static DesktopPlatform platform;
  return platform;
}

}  // namespace ui
