// Drives the window's File > Print against the desktop's real print system; cups_print_test.sh
// starts the CUPS server around it and checks what comes out of the printer.
//
//   print_check no-printer        With no printer installed: File > Print shows the message box
//                                 "No printer is installed." (one OK button, no icon) within a
//                                 few seconds, and the window carries on.
//   print_check rejected          The same, "The window could not be printed.", for a refused job.
//   print_check no-answer         With a print service that never answers: Ctrl+P returns at
//                                 once, typing converts at once while the job waits, a second
//                                 Ctrl+P says a print is under way, and after the answer time
//                                 one box says the printer did not answer.
//   print_check print OUTPUT_DIR  Types into the Length panel, saves the client area's own image
//                                 (window.ppm), the same without the box texts (no-texts.ppm) and
//                                 where the logo, the link, the visible panel and its
//                                 boxes lie (regions.txt), then prints through File > Print, which
//                                 must show no message box.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "ui/form1.h"
#include "ui/printing.h"

namespace {

// Writes `image` as a binary PPM, which compare_print.py reads, without Qt's PPM writer: the Qt
// of the Windows program is built without it.
bool SavePpm(const QImage& image, const QString& path) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(QStringLiteral("P6\n%1 %2\n255\n").arg(rgb.width()).arg(rgb.height()).toLatin1());
  for (int y = 0; y < rgb.height(); ++y) {
    file.write(reinterpret_cast<const char*>(rgb.constScanLine(y)), qint64{rgb.width()} * 3);
  }
  return file.error() == QFileDevice::NoError;
}

int failures = 0;

void Fail(const QString& what) {
  std::fprintf(stderr, "FAIL: %s\n", qPrintable(what));
  ++failures;
}

// A message box as the user would have seen it.
struct SeenBox {
  QString title;
  QString text;
  int buttons = 0;
  bool ok_button = false;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Watches for modal message boxes while the window works, notes each one and presses OK, as
// the user would.
class BoxWatcher {
 public:
  BoxWatcher() {
    timer_.setInterval(20);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr || !box->isVisible()) return;
      SeenBox seen{box->windowTitle(), box->text(), static_cast<int>(box->buttons().size()),
                   box->button(QMessageBox::Ok) != nullptr, box->icon()};
      seen_.push_back(seen);
      if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
        ok->click();
      } else {
        box->reject();
      }
    });
    timer_.start();
  }
  const std::vector<SeenBox>& seen() const { return seen_; }

 private:
  QTimer timer_;
  std::vector<SeenBox> seen_;
};

QLineEdit* Box(const Form1& form, const char* name, int index) {
  for (QLineEdit* box : form.findChildren<QLineEdit*>(QString::fromLatin1(name))) {
    if (box->property("index") == QVariant(index)) return box;
  }
  return nullptr;
}

QGroupBox* VisiblePanel(const Form1& form) {
  for (QGroupBox* frame : form.findChildren<QGroupBox*>()) {
    if (frame->isVisible()) return frame;
  }
  return nullptr;
}

bool ShowWindow(Form1& form) {
  form.show();
  // Under Wine, beside a build on a loaded machine, the first show may take more than Qt's 5 s.
  if (!QTest::qWaitForWindowExposed(&form, 30000)) {
    Fail(QStringLiteral("the window was not shown"));
    return false;
  }
  return true;
}

// Waits for the window's print job to come back, and the boxes it brings to be answered.
bool WaitForPrint(const Form1& form, const BoxWatcher& watcher, std::size_t boxes, int seconds) {
  const auto* jobs = form.findChild<ui::PrintJobs*>();
  return QTest::qWaitFor([&] { return !jobs->waiting() && watcher.seen().size() >= boxes; },
                         seconds * 1000);
}

int NoPrinter(const QString& expected = QStringLiteral("No printer is installed.")) {
  Form1 form;
  if (!ShowWindow(form)) return 1;
  BoxWatcher watcher;
  QElapsedTimer clock;
  clock.start();
  form.mnuPrint_Click();
  if (!WaitForPrint(form, watcher, 1, 5)) Fail(QStringLiteral("no answer within 5 s"));
  std::printf("answered after %.2f s\n", static_cast<double>(clock.elapsed()) / 1000);
  if (watcher.seen().size() != 1) {
    Fail(
        QStringLiteral("File > Print showed %1 message boxes, not one").arg(watcher.seen().size()));
    return 1;
  }
  const SeenBox& box = watcher.seen().front();
  std::printf("message box: \"%s\" / \"%s\"\n", qPrintable(box.title), qPrintable(box.text));
  if (box.text != expected) Fail("the message reads: " + box.text);
  if (box.buttons != 1 || !box.ok_button)
    Fail(QStringLiteral("the box has not just one OK button"));
  if (box.icon != QMessageBox::NoIcon) Fail(QStringLiteral("the box shows an icon"));
  if (box.title.isEmpty()) Fail(QStringLiteral("the box has no title"));

  // The window carries on: it still converts, and printing again asks again.
  QLineEdit* metres = Box(form, "Length1", 1);
  QLineEdit* centimetres = Box(form, "Length1", 2);
  if (metres == nullptr || centimetres == nullptr) {
    Fail(QStringLiteral("the Length boxes are missing"));
    return 1;
  }
  metres->selectAll();
  QTest::keyClicks(metres, QStringLiteral("12.5"));
  if (centimetres->text() != QStringLiteral("1250")) {
    Fail("12.5 m now shows as " + centimetres->text() + " cm");
  }
  form.mnuPrint_Click();
  WaitForPrint(form, watcher, 2, 5);
  if (watcher.seen().size() != 2) Fail(QStringLiteral("a second File > Print showed no message"));
  if (!form.isVisible()) Fail(QStringLiteral("the window is gone"));
  return failures == 0 ? 0 : 1;
}

int NoAnswer() {
  Form1 form;
  if (!ShowWindow(form)) return 1;
  form.activateWindow();  // Ctrl+P reaches the menu of the active window only
  if (!QTest::qWaitForWindowActive(&form)) Fail(QStringLiteral("the window is not active"));
  BoxWatcher watcher;
  QElapsedTimer clock;
  clock.start();
  QTest::keyClick(&form, Qt::Key_P, Qt::ControlModifier);
  std::printf("Ctrl+P returned after %lld ms\n", static_cast<long long>(clock.elapsed()));
  if (clock.elapsed() > 1000)
    Fail(QStringLiteral("Ctrl+P held the window %1 ms").arg(clock.elapsed()));

  // The window converts while the job waits for the print service.
  QLineEdit* metres = Box(form, "Length1", 1);
  QLineEdit* centimetres = Box(form, "Length1", 2);
  metres->selectAll();
  clock.restart();
  QTest::keyClicks(metres, QStringLiteral("12.5"));
  const bool converted =
      QTest::qWaitFor([&] { return centimetres->text() == QStringLiteral("1250"); }, 1000);
  std::printf("typing converted after %lld ms\n", static_cast<long long>(clock.elapsed()));
  if (!converted) Fail("12.5 m shows as " + centimetres->text() + " cm after a second");

  QTest::keyClick(&form, Qt::Key_P, Qt::ControlModifier);
  if (!QTest::qWaitFor([&] { return !watcher.seen().empty(); }, 2000) ||
      !watcher.seen().front().text.contains(QStringLiteral("still being printed"))) {
    Fail(QStringLiteral("a second Ctrl+P while the first waits said nothing of it"));
  }
  clock.restart();
  const auto* jobs = form.findChild<ui::PrintJobs*>();
  if (!QTest::qWaitFor([&] { return !jobs->waiting() && watcher.seen().size() >= 2; }, 45000)) {
    Fail(QStringLiteral("no message within 45 s"));
    return 1;
  }
  std::printf("message after %.1f s more: \"%s\"\n", static_cast<double>(clock.elapsed()) / 1000,
              qPrintable(watcher.seen().back().text));
  if (!watcher.seen().back().text.contains(QStringLiteral("did not answer"))) {
    Fail("the message reads: " + watcher.seen().back().text);
  }
  QTest::qWait(500);
  if (watcher.seen().size() != 2) Fail(QStringLiteral("more than one message for the job"));
  return failures == 0 ? 0 : 1;
}

QString RectLine(const char* name, const QWidget& widget, const QWidget& client) {
  const QRect r(widget.mapTo(&client, QPoint(0, 0)), widget.size());
  return QStringLiteral("%1 %2 %3 %4 %5\n")
      .arg(QLatin1String(name))
      .arg(r.x())
      .arg(r.y())
      .arg(r.width())
      .arg(r.height());
}

int Print(const QString& output_dir) {
  const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
  if (printer.isNull()) {
    Fail(QStringLiteral("there is no default printer"));
    return 1;
  }
  std::printf("default printer: %s\n", qPrintable(printer.printerName()));

  Form1 form;
  if (!ShowWindow(form)) return 1;
  QLineEdit* metres = Box(form, "Length1", 1);
  if (metres == nullptr) {
    Fail(QStringLiteral("no Length box 1"));
    return 1;
  }
  metres->selectAll();
  QTest::keyClicks(metres, QStringLiteral("12.5"));
  QApplication::processEvents();

  QWidget& client = form.ClientArea();
  QGroupBox* panel = VisiblePanel(form);
  QWidget* logo = form.findChild<QWidget*>(QStringLiteral("Picture1"));
  QWidget* link = form.findChild<QWidget*>(QStringLiteral("Label6"));
  if (panel == nullptr || logo == nullptr || link == nullptr) {
    Fail(QStringLiteral("the panel, Picture1 or Label6 is missing"));
    return 1;
  }
  const QDir dir(output_dir);
  if (!SavePpm(client.grab().toImage(), dir.filePath(QStringLiteral("window.ppm")))) {
    Fail(QStringLiteral("cannot save the window's image"));
    return 1;
  }
  // The same picture with the panel's boxes empty; their texts come back unchanged and no
  // handler sees the round trip.
  const QList<QLineEdit*> boxes = panel->findChildren<QLineEdit*>();
  std::vector<QString> texts;
  for (QLineEdit* box : boxes) {
    const QSignalBlocker blocker(box);
    texts.push_back(box->text());
    box->setText(QString());
  }
  SavePpm(client.grab().toImage(), dir.filePath(QStringLiteral("no-texts.ppm")));
  for (qsizetype i = 0; i < boxes.size(); ++i) {
    const QSignalBlocker blocker(boxes[i]);
    boxes[i]->setText(texts[static_cast<std::size_t>(i)]);
  }

  QFile regions(dir.filePath(QStringLiteral("regions.txt")));
  if (!regions.open(QIODevice::WriteOnly | QIODevice::Text)) {
    Fail(QStringLiteral("cannot write regions.txt"));
    return 1;
  }
  QTextStream out(&regions);
  out << QStringLiteral("client 0 0 %1 %2\n").arg(client.width()).arg(client.height())
      << RectLine("logo", *logo, client) << RectLine("link", *link, client)
      << RectLine("panel", *panel, client);
  for (QLineEdit* box : boxes) out << RectLine("box", *box, client);
  regions.close();

  BoxWatcher watcher;
  form.mnuPrint_Click();
  if (!WaitForPrint(form, watcher, 0, 60)) Fail(QStringLiteral("the job did not come back"));
  for (const SeenBox& box : watcher.seen()) {
    Fail(QStringLiteral("File > Print showed the message \"%1\"").arg(box.text));
  }
  return failures == 0 ? 0 : 1;
}

int Run(const QStringList& args) {
  if (args.size() == 2 && args[1] == QStringLiteral("no-printer")) return NoPrinter();
  if (args.size() == 2 && args[1] == QStringLiteral("rejected"))
    return NoPrinter(QStringLiteral("The window could not be printed."));
  if (args.size() == 2 && args[1] == QStringLiteral("no-answer")) return NoAnswer();
  if (args.size() == 3 && args[1] == QStringLiteral("print")) return Print(args[2]);
  std::fprintf(stderr, "usage: print_check no-printer | rejected | no-answer | print OUTPUT_DIR\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  int status = 0;
  {
    QApplication app(argc, argv);
    status = Run(QApplication::arguments());
  }
  // Like the converter itself: a print thread still blocked in the print system is not waited for.
  if (!ui::FinishPrinting()) {
    std::fflush(nullptr);
    std::_Exit(status);
  }
  return status;
}
