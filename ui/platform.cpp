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
    return PrinterOf([] { return QPrinterInfo::defaultPrinter(); });
  }

  std::unique_ptr<QPrinter> InstalledPrinter(const QString& name) override {
    return PrinterOf([&name] { return QPrinterInfo::printerInfo(name); });
  }

  std::optional<PrintFileType> AskedFileType(const QPrinter& printer) override {
    return FileTypeAskedBy(printer.printerName());
  }

  SaveChoice AskWhereToSave(QWidget* owner, const QString& proposed,
                            const PrintFileType& type) override {
    return SaveDialog(owner, proposed, type);
  }

 private:
  // The printer that `look_up` finds, or nothing; a null QPrinterInfo would make a PDF writer.
  template <typename LookUp>
  static std::unique_ptr<QPrinter> PrinterOf(const LookUp& look_up) {
    PreparePrintThread();
    const QPrinterInfo info = look_up();
    PreparePrintThread();  // Qt set up its dialog here if this was its first look
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
