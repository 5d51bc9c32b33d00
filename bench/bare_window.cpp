// The yardstick for start-up: a bare Qt window of the converter's size, with nothing in it.
// bench/startup.py times both.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Bare Qt window"));
  window.resize(391, 293);
  window.show();
  return QApplication::exec();
}
