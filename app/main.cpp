// Starts the converter: one window, centred on the screen, until it is closed.
#include <QApplication>
#include <QScreen>
#include <QStyle>

#include "product.h"
#include "ui/form1.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(product::kProductName));
  QApplication::setApplicationVersion(QString::fromUtf8(product::kVersion));
  QGuiApplication::setDesktopFileName(QString::fromUtf8(product::kDesktopFileName));

  Form1 form;
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  form.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, form.size(), screen));
  form.show();
  return QApplication::exec();
}
