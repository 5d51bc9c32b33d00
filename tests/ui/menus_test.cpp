// File > Print, File > Exit, Help > About and the link label, through the stand-in desktop and,
// where a test can watch it, through the real one.
#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPicture>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <functional>
#include <vector>

#include "product.h"
#include "ui/maker.h"
#include "ui/printing.h"
#include "ui_test_support.h"

namespace {

using uitest::Box;
using uitest::Type;

const QString kAddress = QString::fromLatin1(ui::kWebAddress);

class MenusTest : public ::testing::Test {
 protected:
  QLabel* Link() { return form.findChild<QLabel*>("Label6"); }

  uitest::FakePlatform platform;
  Form1 form{platform};
};

constexpr char kDisclaimer[] =
    " is not responsible for the inaccuracy of this Converter and takes no liability for persons "
    "or property in its use! ";

TEST_F(MenusTest, AboutBoxHasTitleAndTwoLines) {
  form.mnuAbout_Click();
  ASSERT_EQ(1u, platform.messages.size());
  EXPECT_EQ("About", platform.messages[0].title);
  const QString text = platform.messages[0].text;
  const QStringList lines = text.split("\r\n");
  ASSERT_EQ(2, lines.size());
  EXPECT_FALSE(lines[0].contains('\n') || lines[0].contains('\r'));
  EXPECT_FALSE(lines[1].contains('\n') || lines[1].contains('\r'));
  const QString product = QStringLiteral("%1 %2").arg(product::kProductName, product::kVersion);
  EXPECT_TRUE(lines[0].contains(product)) << lines[0].toStdString();
  EXPECT_TRUE(lines[0].contains("@brelvan.example)")) << lines[0].toStdString();
  EXPECT_TRUE(lines[1].contains(QChar(0x00A9)));
  EXPECT_TRUE(lines[1].endsWith("(" + kAddress + ")" + kDisclaimer)) << lines[1].toStdString();
}

// The real message box: modal, titled "About", one OK button, no icon.
TEST(AboutBox, IsAModalBoxWithOneOkButtonAndNoIcon) {
  Form1 form;
  bool inspected = false;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(nullptr, box);
    inspected = true;
    EXPECT_EQ("About", box->windowTitle());
    EXPECT_EQ(ui::AboutText(), box->text());
    EXPECT_EQ(QMessageBox::NoIcon, box->icon());
    EXPECT_EQ(QMessageBox::Ok, box->standardButtons());
    EXPECT_EQ(1, box->buttons().size());
    box->button(QMessageBox::Ok)->click();
  });
  form.mnuAbout_Click();
  EXPECT_TRUE(inspected);
}

TEST_F(MenusTest, PrintWithoutPrinterSaysSo) {
  form.mnuPrint_Click();
  ASSERT_TRUE(uitest::WaitForPrint(form));
  ASSERT_EQ(1u, platform.messages.size());
  EXPECT_EQ("No printer is installed.", platform.messages[0].text);
}

TEST_F(MenusTest, CtrlPPrintsAsFilePrintDoesAlsoFromABox) {
  ASSERT_TRUE(uitest::ShowActive(form));
  QLineEdit* box = Box(form, "Length1", 4);
  box->setFocus();
  QTest::keyClick(box, Qt::Key_P, Qt::ControlModifier);
  ASSERT_TRUE(uitest::WaitForPrint(form));
  ASSERT_EQ(1u, platform.messages.size());
  EXPECT_EQ("No printer is installed.", platform.messages[0].text);
  EXPECT_EQ("0", box->text());
}

// The printout holds the window's client area as it showed when File > Print was chosen, drawn
// by the widgets themselves, with text as text rather than a screen bitmap. A printer that asks
// where to save (parameter true) asks in a dialog of the window, offering "Unit Converter.pdf" in
// the Documents folder, and the same picture goes into the file chosen; cancelled, the dialog
// leaves nothing printed and nothing said.
class PrintTest : public MenusTest, public ::testing::WithParamInterface<bool> {};
INSTANTIATE_TEST_SUITE_P(MenusTest, PrintTest, ::testing::Bool());

TEST_P(PrintTest, PrintsTheClientAreaIntoAPdf) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString pdf_path = dir.filePath("window.pdf");
  const bool asks = GetParam();
  platform.SetPdfPath(asks ? dir.filePath("printer.pdf") : pdf_path);
  if (asks) platform.asked_suffix = ".pdf";
  platform.save_answer = pdf_path;
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  Type(Box(form, "Length1", 7), "5");
  const QImage shown = form.ClientArea().grab().toImage().convertToFormat(QImage::Format_RGB32);
  platform.Hang();
  form.mnuPrint_Click();
  Type(Box(form, "Length1", 7), "7");  // after the request: not on the printout
  const QImage later = form.ClientArea().grab().toImage().convertToFormat(QImage::Format_RGB32);
  platform.Release();
  ASSERT_TRUE(uitest::WaitForPrint(form));
  EXPECT_TRUE(platform.messages.empty());
  ASSERT_EQ(asks ? 1u : 0u, platform.save_offers.size());
  if (asks) {
    const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    EXPECT_EQ((std::pair<QWidget*, QString>(&form, documents.filePath("Unit Converter.pdf"))),
              platform.save_offers[0]);
    platform.save_answer.clear();
    form.mnuPrint_Click();
    ASSERT_TRUE(uitest::WaitForPrint(form));
    EXPECT_EQ(2u, platform.save_offers.size());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_FALSE(QFile::exists(dir.filePath("printer.pdf")));
  }

  QFile pdf(pdf_path);
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  const QByteArray bytes = pdf.readAll();
  EXPECT_TRUE(bytes.startsWith("%PDF-"));
  EXPECT_GT(bytes.size(), 10000);
  EXPECT_TRUE(bytes.contains("/Font")) << "text should be printed as text";

  const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
  if (pdftoppm.isEmpty()) GTEST_SKIP() << "pdftoppm is not installed; the image is not compared";
  const int dpi = 150;
  QProcess rasterise;
  rasterise.start(pdftoppm, {"-r", QString::number(dpi), "-png", "-singlefile", pdf_path,
                             dir.filePath("page")});
  ASSERT_TRUE(rasterise.waitForFinished(60000));
  QImage page(dir.filePath("page.png"));
  ASSERT_FALSE(page.isNull());

  // Where the window should lie on the page, in the raster's pixels.
  uitest::FakePlatform probe;
  probe.SetPdfPath(dir.filePath("probe.pdf"));
  const std::unique_ptr<QPrinter> printer = probe.DefaultPrinter();
  const QRectF printable = printer->pageLayout().paintRect(QPageLayout::Inch);
  const QRectF on_page = ui::FitToPage(QSizeF(form.ClientArea().size()),
                                       QRectF(printable.topLeft() * dpi, printable.size() * dpi));
  const QImage printed =
      page.copy(on_page.toRect())
          .scaled(form.ClientArea().size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
          .convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(shown.size(), printed.size());
  double difference = 0;
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      const QRgb a = shown.pixel(x, y), b = printed.pixel(x, y);
      difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                    std::abs(qBlue(a) - qBlue(b));
    }
  }
  const double mean = difference / (3.0 * shown.width() * shown.height());
  EXPECT_LT(mean, 12.0) << "the printout does not look like the window";

  // A blank page differs from the window by far more.
  QImage blank(shown.size(), QImage::Format_RGB32);
  blank.fill(Qt::white);
  double blank_difference = 0;
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      const QRgb a = shown.pixel(x, y);
      blank_difference += (255 - qRed(a)) + (255 - qGreen(a)) + (255 - qBlue(a));
    }
  }
  EXPECT_GT(blank_difference / (3.0 * shown.width() * shown.height()), 2 * mean);

  // Inside the nine boxes the printout shows these texts, not those of a window where the
  // panel was never filled.
  uitest::FakePlatform other_platform;
  Form1 unfilled(other_platform);
  unfilled.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&unfilled));
  const QImage unfilled_image =
      unfilled.ClientArea().grab().toImage().convertToFormat(QImage::Format_RGB32);
  double to_shown = 0, to_unfilled = 0, to_later = 0;
  for (int i = 0; i < 9; ++i) {
    QLineEdit* box = Box(form, "Length1", i);
    const QRect area(box->mapTo(&form.ClientArea(), QPoint(0, 0)), box->size());
    for (int y = area.top(); y <= area.bottom(); ++y) {
      for (int x = area.left(); x <= area.right(); ++x) {
        const QRgb p = printed.pixel(x, y), a = shown.pixel(x, y), b = unfilled_image.pixel(x, y);
        to_shown += std::abs(qGray(p) - qGray(a));
        to_unfilled += std::abs(qGray(p) - qGray(b));
        to_later += std::abs(qGray(p) - qGray(later.pixel(x, y)));
      }
    }
  }
  EXPECT_LT(to_shown, 0.6 * to_unfilled) << "the printed boxes do not hold the shown texts";
  EXPECT_LT(to_shown, 0.6 * to_later) << "the printout shows texts typed after the request";
}

// A print service that never answers: the event loop runs on, the job is given up after its
// time, a second job is refused while the first is still blocked, and the late answer of the
// first is not taken for anything.
TEST(PrintJobs, HungServiceNeverHoldsTheEventLoop) {
  uitest::FakePlatform platform;
  ui::PrintJobs jobs(platform, nullptr, std::chrono::milliseconds(300));
  std::vector<ui::PrintJobs::Outcome> outcomes;
  QObject::connect(&jobs, &ui::PrintJobs::finished,
                   [&](ui::PrintJobs::Outcome outcome) { outcomes.push_back(outcome); });
  bool timer_ran = false;
  QTimer::singleShot(50, [&] { timer_ran = true; });

  platform.Hang();
  jobs.Print(QPicture(), QSize(10, 10), "hung");
  EXPECT_TRUE(jobs.waiting());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !outcomes.empty(); }, 5000));
  EXPECT_TRUE(timer_ran);
  EXPECT_EQ(std::vector{ui::PrintJobs::Outcome::NoAnswer}, outcomes);

  jobs.Print(QPicture(), QSize(10, 10), "second");
  EXPECT_EQ(ui::PrintJobs::Outcome::Busy, outcomes.back());
  EXPECT_FALSE(jobs.waiting());

  platform.Release();
  ASSERT_TRUE(QTest::qWaitFor([] { return ui::FinishPrinting(); }, 5000));
  QTest::qWait(50);  // time for a late answer to arrive, were it passed on
  EXPECT_EQ(2u, outcomes.size());
  jobs.Print(QPicture(), QSize(10, 10), "third");
  ASSERT_TRUE(QTest::qWaitFor([&] { return !jobs.waiting(); }, 5000));
  EXPECT_EQ(ui::PrintJobs::Outcome::NoPrinter, outcomes.back());

  // A printer that asks where to save: its time stops while the dialog is open, however long,
  // and runs afresh from the choice of a file; the job is given up once, after that time.
  platform.SetPdfPath("/nonexistent/folder/printer.pdf");
  platform.asked_suffix = ".prn";
  platform.save_answer = "/nonexistent/folder/chosen.prn";
  platform.while_open = [&] {
    QTest::qWait(1000);
    platform.Hang();
  };
  outcomes.clear();
  jobs.Print(QPicture(), QSize(10, 10), "asks");
  ASSERT_TRUE(QTest::qWaitFor([&] { return !jobs.waiting(); }, 5000));
  EXPECT_EQ(std::vector{ui::PrintJobs::Outcome::NoAnswer}, outcomes);
}

// A printer that asks where to save, and what happens while its dialog is open: the file chosen
// is printed on the printer that asked, whichever printer is the default by then.
TEST(PrintJobs, AskingPrinterKeepsTheJobAcrossTheDialog) {
  struct Case {
    const char* what;
    bool dialog_fails;
    std::function<void(uitest::FakePlatform&)> while_open;
    const char* message;  // "": none
    bool printed;
  };
  const auto nothing = [](uitest::FakePlatform&) {};
  const std::vector<Case> cases = {
      {"the dialog cannot open", true, nothing, "The window could not be printed.", false},
      {"the default becomes a paper printer", false,
       [](uitest::FakePlatform& desktop) {
         desktop.asked_suffix = nullptr;
         desktop.SetPdfPath(QStringLiteral("/nonexistent/folder/paper.pdf"), "Paper");
       },
       "", true},
      {"the printer is removed", false,
       [](uitest::FakePlatform& desktop) { desktop.Uninstall("Asking"); },
       "The printer is no longer installed.", false},
      {"the printer is removed, another is the default", false,
       [](uitest::FakePlatform& desktop) {
         desktop.Uninstall("Asking");
         desktop.SetPdfPath(QStringLiteral("/nonexistent/folder/paper.pdf"), "Paper");
       },
       "The printer is no longer installed.", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    uitest::FakePlatform desktop;
    Form1 window(desktop);
    desktop.SetPdfPath(dir.filePath("asking.pdf"), "Asking");
    desktop.asked_suffix = ".pdf";
    desktop.save_dialog_fails = c.dialog_fails;
    desktop.save_answer = dir.filePath("chosen.pdf");
    desktop.while_open = [&] { c.while_open(desktop); };
    window.mnuPrint_Click();
    ASSERT_TRUE(uitest::WaitForPrint(window));
    EXPECT_EQ(1u, desktop.save_offers.size());
    QStringList told;
    for (const auto& message : desktop.messages) told.push_back(message.text);
    EXPECT_EQ(QString(c.message), told.join('|'));
    EXPECT_EQ(c.printed, QFile::exists(dir.filePath("chosen.pdf")));
    EXPECT_FALSE(QFile::exists(dir.filePath("asking.pdf")));
    // The default printer first, then, for the job into the file, the printer that asked.
    const std::vector<QString> handed_out = desktop.PrintersHandedOut();
    EXPECT_EQ(QString(c.printed ? "Asking Asking" : "Asking"),
              QStringList(handed_out.begin(), handed_out.end()).join(' '));
  }
}

// A second print while the first waits says so in a box; the first job's answer, which comes
// while that box is open, waits for it to close.
TEST_F(MenusTest, OneMessageBoxAtATime) {
  platform.Hang();
  form.mnuPrint_Click();
  platform.while_open = [&] {
    platform.while_open = nullptr;
    platform.Release();
    EXPECT_TRUE(uitest::WaitForPrint(form));
  };
  form.mnuPrint_Click();
  ASSERT_EQ(2u, platform.messages.size());
  EXPECT_TRUE(platform.messages[0].text.contains("still being printed"));
  EXPECT_EQ("No printer is installed.", platform.messages[1].text);
  EXPECT_EQ(1, platform.most_boxes_open);
}

TEST(FitToPage, LargestUniformScaleAtTheTopLeft) {
  struct Case {
    QSizeF widget;
    QRectF printable;
    QRectF expected;
  };
  const std::vector<Case> cases = {
      {{391, 293}, {10, 20, 782, 1000}, {10, 20, 782, 586}},  // width decides
      {{391, 293}, {0, 0, 4000, 586}, {0, 0, 782, 586}},      // height decides
      {{100, 50}, {5, 5, 50, 50}, {5, 5, 50, 25}},            // shrinks
  };
  for (const Case& c : cases) EXPECT_EQ(c.expected, ui::FitToPage(c.widget, c.printable));
}

TEST_F(MenusTest, ExitClosesTheWindowWithoutAQuestion) {
  form.show();
  Type(Box(form, "Length1", 0), "5");
  form.findChild<QAction*>("mnuExit")->trigger();
  EXPECT_FALSE(form.isVisible());
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(MenusTest, EachClickOpensTheAddressOnce) {
  ASSERT_TRUE(uitest::ShowActive(form));
  QTest::mouseClick(Link(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 5));
  ASSERT_EQ(1u, platform.opened.size());
  EXPECT_EQ(QUrl(kAddress), platform.opened[0]);
  EXPECT_FALSE(platform.opened[0].toString().endsWith(' '));
  EXPECT_TRUE(Link()->text().endsWith(' '));

  QTest::mouseClick(Link(), Qt::RightButton, Qt::NoModifier, QPoint(10, 5));
  EXPECT_EQ(1u, platform.opened.size());

  // A double-click is one click: press, release, press with double-click, release.
  const QPointF at(10, 5);
  const QPointF global = Link()->mapToGlobal(at);
  for (QEvent::Type type :
       {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonPress,
        QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
    QMouseEvent event(type, at, global, Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(Link(), &event);
  }
  EXPECT_EQ(2u, platform.opened.size());

  // A right double-click opens nothing and takes nothing from the next left click.
  QTest::mouseDClick(Link(), Qt::RightButton, Qt::NoModifier, QPoint(10, 5));
  EXPECT_EQ(2u, platform.opened.size());
  QTest::mouseClick(Link(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 5));
  EXPECT_EQ(3u, platform.opened.size());
}

// The real desktop layer hands the address to Qt's desktop services.
class UrlCatcher : public QObject {
  Q_OBJECT
 public:
  std::vector<QUrl> urls;
 public slots:
  void Open(const QUrl& url) { urls.push_back(url); }
};

TEST(DesktopLayer, ClickOpensTheAddressThroughDesktopServices) {
  UrlCatcher catcher;
  QDesktopServices::setUrlHandler("http", &catcher, "Open");
  {
    Form1 form;
    ASSERT_TRUE(uitest::ShowActive(form));
    auto* link = form.findChild<QLabel*>("Label6");
    QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, QPoint(10, 5));
    EXPECT_EQ(Qt::PointingHandCursor, link->cursor().shape());
  }
  QDesktopServices::unsetUrlHandler("http");
  ASSERT_EQ(1u, catcher.urls.size());
  EXPECT_EQ(kAddress, catcher.urls[0].toString());
}

}  // namespace

#include "menus_test.moc"
