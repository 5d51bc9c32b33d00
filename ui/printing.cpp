#include "ui/printing.h"

#include <QDir>
#include <QPainter>
#include <QPointer>
#include <QPrintEngine>
#include <QPrinter>
#include <QStandardPaths>
#include <QThread>
#include <QWidget>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <utility>

#include "ui/platform.h"
#include "ui/print_system.h"

namespace ui {
namespace {

// A print job's thread: one of Qt's own, not a plain thread. Qt keeps fonts and more for every
// thread that draws. A thread it started tears them down itself as it ends, before wait()
// returns; for a plain thread, Windows leaves that to a watcher thread of Qt's, later, which can
// still be at it while the window draws or the program ends, and crash it.
class PrintWorker final : public QThread {
 public:
  explicit PrintWorker(std::function<void()> work) : work_(std::move(work)) {}
  // Whether run() began; false after start() returned with the thread not running means that
  // no thread could be had.
  bool ran() const { return ran_; }

 private:
  void run() override {
    ran_ = true;
    work_();
  }

  std::function<void()> work_;
  std::atomic<bool> ran_ = false;
};

// The one print thread at work, if any. Qt finds printers through a plugin that is not made for
// two threads at once, so a job starts only when the previous one has come back. Never destroyed:
// a print thread may still be blocked in the print system when main ends.
struct PrintThread {
  std::mutex mutex;
  std::condition_variable idle;
  std::unique_ptr<PrintWorker> worker;  // the last one started; waited for once it no longer runs
  bool running = false;
  bool handing_over = false;  // it has a printer and is drawing or submitting the job
  std::chrono::steady_clock::time_point deadline;
};

PrintThread& TheThread() {
  static auto* thread = new PrintThread;
  return *thread;
}

}  // namespace

PrintJobs::ThreadAnswer PrintJobs::PrintPicture(Platform& platform, const QPicture& page,
                                                QSize size, const QString& document_name,
                                                const std::optional<FileJob>& into_file) {
  // Into a file, the job goes to the printer that asked for it, whichever is the default now.
  const std::unique_ptr<QPrinter> printer =
      into_file ? platform.InstalledPrinter(into_file->printer) : platform.DefaultPrinter();
  if (!printer) return into_file ? Outcome::PrinterGone : Outcome::NoPrinter;
  if (!into_file) {
    if (const std::optional<PrintFileType> asked = platform.AskedFileType(*printer)) {
      return FileAsked{*asked, printer->printerName()};
    }
  } else {
    // Straight to the print engine: QPrinter::setOutputFileName would hand a name ending in .pdf
    // to Qt's own PDF writer. The printer's driver is to write the file; on Windows, Qt's print
    // engine gives the name to StartDoc, and the driver asks nothing more.
    printer->printEngine()->setProperty(QPrintEngine::PPK_OutputFileName, into_file->file);
  }
  {
    const std::lock_guard lock(TheThread().mutex);
    TheThread().handing_over = true;
  }
  printer->setDocName(document_name);
  QPainter painter;
  if (!painter.begin(printer.get())) return Outcome::Failed;
  // The painter's origin is the top-left corner of the printable area.
  const QRectF target = FitToPage(QSizeF(size), QRectF(0, 0, printer->width(), printer->height()));
  painter.translate(target.topLeft());
  // A picture plays back at the device's resolution; scale it back to its own first.
  painter.scale(target.width() / size.width() * page.logicalDpiX() / printer->logicalDpiX(),
                target.height() / size.height() * page.logicalDpiY() / printer->logicalDpiY());
  painter.drawPicture(0, 0, page);
  if (!painter.end()) return Outcome::Failed;
  // A printer of the print service hands the job over in end(), also when its driver writes the
  // file the user chose (only Windows printers ask for one); Qt's own PDF writer does not.
  const bool to_service = printer->outputFormat() == QPrinter::NativeFormat;
  return !to_service || PrintServiceTookJob() ? Outcome::Printed : Outcome::Failed;
}

// How a print thread reaches its PrintJobs: cleared when the PrintJobs goes, so that a thread
// that answers late reaches nothing.
struct PrintJobs::Reply {
  std::mutex mutex;
  PrintJobs* jobs = nullptr;
};

PrintJobs::PrintJobs(Platform& platform, QObject* parent, std::chrono::milliseconds answer_time)
    : QObject(parent),
      platform_(platform),
      reply_(std::make_shared<Reply>()),
      answer_time_(answer_time) {
  reply_->jobs = this;
  deadline_.setSingleShot(true);
  deadline_.setTimerType(Qt::PreciseTimer);  // a coarse timer may fire a few per cent early
  connect(&deadline_, &QTimer::timeout, this, [this] { Answer(job_, Outcome::NoAnswer); });
}

PrintJobs::~PrintJobs() {
  const std::lock_guard lock(reply_->mutex);
  reply_->jobs = nullptr;
}

void PrintJobs::Print(const QPicture& page, QSize size, const QString& document_name) {
  if (waiting_) {
    emit finished(Outcome::Busy);
    return;
  }
  page_ = page;
  size_ = size;
  document_name_ = document_name;
  Start(std::nullopt);
}

void PrintJobs::Start(const std::optional<FileJob>& into_file) {
  PrintThread& thread = TheThread();
  std::unique_ptr<PrintWorker> previous;  // the previous print thread, past its work
  bool busy = false;
  {
    const std::lock_guard lock(thread.mutex);
    busy = thread.running;
    if (!busy) {
      previous = std::move(thread.worker);
      thread.running = true;
      thread.handing_over = false;
      thread.deadline = std::chrono::steady_clock::now() + answer_time_;
    }
  }
  // Told outside the lock: the message box runs an event loop, and the print thread needs the
  // lock to come back.
  if (busy) {
    Finish(Outcome::Busy);
    return;
  }
  if (previous) previous->wait();

  const std::uint64_t job = ++job_;
  auto work = [&platform = platform_, reply = reply_, job, page = page_, size = size_,
               document_name = document_name_, into_file] {
    const ThreadAnswer answer = PrintPicture(platform, page, size, document_name, into_file);
    {
      const std::lock_guard lock(TheThread().mutex);
      TheThread().running = false;
      TheThread().handing_over = false;
    }
    TheThread().idle.notify_all();
    const std::lock_guard lock(reply->mutex);
    if (PrintJobs* jobs = reply->jobs) {
      QMetaObject::invokeMethod(
          jobs, [jobs, job, answer] { jobs->Answer(job, answer); }, Qt::QueuedConnection);
    }
  };
  auto worker = std::make_unique<PrintWorker>(std::move(work));
  worker->start();
  if (!worker->isRunning() && !worker->ran()) {  // no thread to be had
    {
      const std::lock_guard lock(thread.mutex);
      thread.running = false;
    }
    Finish(Outcome::Failed);
    return;
  }
  {
    const std::lock_guard lock(thread.mutex);
    thread.worker = std::move(worker);
  }
  waiting_ = true;
  deadline_.start(answer_time_);
}

void PrintJobs::Answer(std::uint64_t job, const ThreadAnswer& answer) {
  if (!waiting_ || job != job_) return;  // the window stopped waiting for this job
  if (const auto* asked = std::get_if<FileAsked>(&answer)) {
    AskWhereToSave(*asked);
  } else {
    Finish(std::get<Outcome>(answer));
  }
}

// The person may take their time to choose: no answer time runs while the dialog is open, and
// the window stays waiting, so that File > Print meanwhile says a job is under way.
void PrintJobs::AskWhereToSave(const FileAsked& asked) {
  deadline_.stop();
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString proposed =
      QDir(documents).filePath(QLatin1String(kPrintFileName) + QLatin1String(asked.type.suffix));
  const QPointer<PrintJobs> alive(this);
  const SaveChoice choice =
      platform_.AskWhereToSave(qobject_cast<QWidget*>(parent()), proposed, asked.type);
  if (alive.isNull()) return;  // the window went while the dialog was open
  switch (choice.ending) {
    case SaveChoice::Ending::Chosen:
      Start(FileJob{asked.printer, choice.file});
      return;
    case SaveChoice::Ending::Cancelled:
      Finish(Outcome::Cancelled);
      return;
    case SaveChoice::Ending::Failed:
      Finish(Outcome::Failed);
      return;
  }
}

void PrintJobs::Finish(Outcome outcome) {
  waiting_ = false;
  deadline_.stop();
  page_ = QPicture();
  emit finished(outcome);
}

QPicture TakePicture(QWidget& widget) {
  QPicture picture;
  QPainter painter(&picture);
  widget.render(&painter, QPoint(), QRegion(),
                QWidget::DrawWindowBackground | QWidget::DrawChildren);
  painter.end();
  return picture;
}

QRectF FitToPage(const QSizeF& size, const QRectF& printable) {
  if (size.isEmpty() || printable.isEmpty()) return QRectF(printable.topLeft(), QSizeF());
  const double scale =
      std::min(printable.width() / size.width(), printable.height() / size.height());
  return QRectF(printable.topLeft(), size * scale);
}

bool FinishPrinting() {
  PrintThread& thread = TheThread();
  std::unique_ptr<PrintWorker> finished;
  {
    std::unique_lock lock(thread.mutex);
    if (thread.running && thread.handing_over) {
      thread.idle.wait_until(lock, thread.deadline, [&] { return !thread.running; });
    }
    if (thread.running) return false;
    finished = std::move(thread.worker);
  }
  // Past its work, it lets go of Qt's resources for its thread; then of its copy of the picture,
  // as it is destroyed.
  if (finished) finished->wait();
  return true;
}

}  // namespace ui
