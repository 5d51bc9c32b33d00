#include "ui/platform.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QUrl>
#include <QWidget>

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
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
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
