// Starts the converter: one window, centred on the screen, until it is closed.
#include <QApplication>
#include <QScreen>
#include <QStyle>

#include <cstdio>
#include <cstdlib>

#include "product.h"
#include "ui/form1.h"
#include "ui/printing.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(product::kProductName));
  QApplication::setApplicationVersion(QString::fromUtf8(product::kVersion));
  QGuiApplication::setDesktopFileName(QString::fromUtf8(product::kDesktopFileName));

  int status = 0;
  {
    Form1 form;
    const auto show_on = [&form](const QScreen* screen) {
      form.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, form.size(),
                                           screen->availableGeometry()));
      form.show();
    };
    // A display may have no screen for a while (its only monitor unplugged): the window then
    // opens on the first screen that comes.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      show_on(screen);
    } else {
      QObject::connect(qApp, &QGuiApplication::screenAdded, &form, show_on,
                       Qt::SingleShotConnection);
    }
    status = QApplication::exec();
  }
  // A print thread still blocked in the print system would wake up to a torn-down Qt: leave
  // without tearing anything down.
  if (!ui::FinishPrinting()) {
    std::fflush(nullptr);
    std::_Exit(status);
  }
  return status;
}
