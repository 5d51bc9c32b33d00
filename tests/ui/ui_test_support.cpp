#include "ui_test_support.h"

#include <QApplication>
#include <QPrintEngine>
#include <QTest>
#include <QVariant>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "ui/linear_panel.h"
#include "ui/printing.h"
#include "ui/temperature_panel.h"

namespace uitest {

FakePlatform::~FakePlatform() {
  Release();
  const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (!ui::FinishPrinting()) {
    if (std::chrono::steady_clock::now() > give_up) {
      std::fprintf(stderr, "a print thread did not end within 30 s of its release\n");
      std::abort();
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

void FakePlatform::ShowMessage(QWidget* /*owner*/, const QString& title, const QString& text) {
  messages.push_back({title, text});
  most_boxes_open = std::max(most_boxes_open, ++boxes_open_);
  QCoreApplication::processEvents();
  if (while_open) while_open();
  --boxes_open_;
}

ui::SaveChoice FakePlatform::AskWhereToSave(QWidget* owner, const QString& proposed,
                                            const ui::PrintFileType& /*type*/) {
  save_offers.push_back({owner, proposed});
  if (save_dialog_fails) return {ui::SaveChoice::Ending::Failed, QString()};
  QCoreApplication::processEvents();
  if (while_open) while_open();
  if (save_answer.isEmpty()) return {ui::SaveChoice::Ending::Cancelled, QString()};
  return {ui::SaveChoice::Ending::Chosen, save_answer};
}

void FakePlatform::Hang() {
  const std::lock_guard lock(mutex_);
  hung_ = true;
}

void FakePlatform::Release() {
  {
    const std::lock_guard lock(mutex_);
    hung_ = false;
  }
  released_.notify_all();
}

void FakePlatform::SetPdfPath(const QString& path, const QString& name) {
  const std::lock_guard lock(mutex_);
  default_printer_ = path.isEmpty() ? QString() : name;
  if (!path.isEmpty()) pdf_paths_[name] = path;
}

void FakePlatform::Uninstall(const QString& name) {
  const std::lock_guard lock(mutex_);
  pdf_paths_.erase(name);
  if (default_printer_ == name) default_printer_.clear();
}

std::vector<QString> FakePlatform::PrintersHandedOut() {
  const std::lock_guard lock(mutex_);
  return handed_out_;
}

std::unique_ptr<QPrinter> FakePlatform::DefaultPrinter() {
  return FindPrinter([this] { return default_printer_; });
}

std::unique_ptr<QPrinter> FakePlatform::InstalledPrinter(const QString& name) {
  return FindPrinter([&name] { return name; });
}

std::unique_ptr<QPrinter> FakePlatform::FindPrinter(const std::function<QString()>& name) {
  std::unique_lock lock(mutex_);
  released_.wait(lock, [this] { return !hung_; });
  const auto installed = pdf_paths_.find(name());
  if (installed == pdf_paths_.end()) return nullptr;
  handed_out_.push_back(installed->first);
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(installed->second);
  // QPrinter::setPrinterName keeps no name for a PDF writer; its engine does.
  printer->printEngine()->setProperty(QPrintEngine::PPK_PrinterName, installed->first);
  return printer;
}

namespace {
template <class T>
T* Find(const Form1& form, const char* name, int index) {
  T* found = nullptr;
  int matches = 0;
  for (T* widget : form.findChildren<T*>(QString::fromLatin1(name))) {
    const QVariant property = widget->property("index");
    if (index < 0 ? property.isValid() : property != QVariant(index)) continue;
    found = widget;
    ++matches;
  }
  return matches == 1 ? found : nullptr;
}
}  // namespace

QLineEdit* Box(const Form1& form, const char* name, int index) {
  return Find<QLineEdit>(form, name, index);
}
QLabel* Label(const Form1& form, const char* name, int index) {
  return Find<QLabel>(form, name, index);
}
QWidget* Control(const Form1& form, const char* name, int index) {
  return Find<QWidget>(form, name, index);
}

bool WaitForPrint(const Form1& form, int seconds) {
  const auto* jobs = form.findChild<ui::PrintJobs*>();
  return QTest::qWaitFor([jobs] { return !jobs->waiting(); }, seconds * 1000);
}

bool LinearFillInProgress(const Form1& form) {
  const QList<ui::LinearPanel*> panels = form.findChildren<ui::LinearPanel*>();
  return std::any_of(panels.begin(), panels.end(), [](auto* panel) { return panel->filling(); });
}

bool Updating(const Form1& form) {
  return form.findChild<ui::TemperaturePanel*>()->Updating();
}

std::vector<QString> Texts(const Form1& form, const char* boxes) {
  std::vector<QString> texts;
  for (int i = 0; i < 9; ++i) {
    QLineEdit* box = Box(form, boxes, i);
    texts.push_back(box ? box->text() : QStringLiteral("<missing>"));
  }
  return texts;
}

void Type(QLineEdit* box, const QString& text) {
  QTest::keyClicks(box, text);
}

void ClearByTyping(QLineEdit* box) {
  box->selectAll();
  QTest::keyClick(box, Qt::Key_Backspace);
}

bool ShowActive(Form1& form) {
  form.show();
  form.activateWindow();
  // Under Wine, on a loaded machine, a window may take more than Qt's 5 s to become active.
  return QTest::qWaitForWindowActive(&form, 30000);
}

}  // namespace uitest

// The widget tests need an application object. Without a display they run on the offscreen
// platform, also when the test runner lists the tests at build time.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
