// The yardstick for start-up: a bare Qt window of the converter's size with one line of text,
// which, as in any window that shows text, makes Qt read the desktop's fonts. bench/startup.py
// times both.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Bare Qt window"));
  window.setCentralWidget(new QLabel(QStringLiteral("A bare Qt window"), &window));
  window.resize(391, 293);
  window.show();
  return QApplication::exec();
}
