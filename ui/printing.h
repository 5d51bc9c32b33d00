// Printing a picture of the window without ever making the window wait for the print system.
//
// The picture is taken on the event loop, at once, so the printout shows what the window showed
// at that moment. Finding the default printer and handing the job to the print service happen on
// a print thread of their own: a print service that accepts connections and never answers keeps
// its caller waiting for two minutes. The window gives such a service kAnswerTime to answer.
//
// A printer that writes a file rather than paper (Windows' "Microsoft Print to PDF", or any
// printer on the port FILE:) would ask for the file's name inside the print thread, in a dialog
// of no window, while the answer time runs. The print thread therefore starts no job on such a
// printer: the window asks where to save in a dialog of its own, with no time limit, and then
// prints again, on that same printer, into the file chosen.
#ifndef UI_PRINTING_H_
#define UI_PRINTING_H_

#include <QObject>
#include <QPicture>
#include <QString>
#include <QTimer>

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <variant>

#include "ui/platform.h"

namespace ui {

class PrintJobs : public QObject {
  Q_OBJECT

 public:
  enum class Outcome {
    Printed,      // the print service has the job
    NoPrinter,    // no default printer
    Failed,       // the printer could not be drawn on, or the print service refused the job
    NoAnswer,     // the print service did not answer within kAnswerTime
    Busy,         // the previous job is still with the print service; nothing was started
    Cancelled,    // the printer asked where to save and the user cancelled; nothing was printed
    PrinterGone,  // the printer that asked where to save was removed before it could print
  };
  static constexpr std::chrono::seconds kAnswerTime{30};

  // Prints through `platform`, which must outlive every print thread, and waits `answer_time` for
  // the print service to take a job.
  explicit PrintJobs(Platform& platform, QObject* parent = nullptr,
                     std::chrono::milliseconds answer_time = kAnswerTime);
  ~PrintJobs() override;

  // Prints `page`, a picture `size` pixels large, on the default printer. Returns at once;
  // `finished` tells the outcome, on the event loop. Busy, at once, while an earlier job is
  // still at work, even one the window has stopped waiting for. A printer that asks where to
  // save gets a save dialog owned by the parent widget, then prints into the file chosen. The
  // answer time runs while the printer is looked up, stops while the dialog is open, and runs
  // afresh for the job into the file.
  void Print(const QPicture& page, QSize size, const QString& document_name);
  // True from Print until `finished`, the save dialog included.
  bool waiting() const { return waiting_; }

 signals:
  void finished(ui::PrintJobs::Outcome outcome);

 private:
  struct Reply;
  // The file a printer asks for, and that printer's name, for the job into the file.
  struct FileAsked {
    PrintFileType type;
    QString printer;
  };
  // A job into the file chosen, on the printer that asked for it.
  struct FileJob {
    QString printer;
    QString file;
  };
  // What a print thread brings back: how the job ended, or the file its printer asks for.
  using ThreadAnswer = std::variant<Outcome, FileAsked>;

  // Prints on the default printer, or for `into_file` on its printer. On the default printer, a
  // printer that asks where to save starts no job and brings back what it asks for.
  static ThreadAnswer PrintPicture(Platform& platform, const QPicture& page, QSize size,
                                   const QString& document_name,
                                   const std::optional<FileJob>& into_file);
  // Hands the picture to a print thread, for the default printer or `into_file`.
  void Start(const std::optional<FileJob>& into_file);
  void Answer(std::uint64_t job, const ThreadAnswer& answer);
  void AskWhereToSave(const FileAsked& asked);
  void Finish(Outcome outcome);

  Platform& platform_;
  std::shared_ptr<Reply> reply_;
  std::chrono::milliseconds answer_time_;
  QTimer deadline_;
  std::uint64_t job_ = 0;  // the job the window waits for, or waited for last
  bool waiting_ = false;
  // The picture being printed, from Print until `finished`: a printer that asks where to save
  // prints it in a second job, once the file is chosen. Each print thread holds a copy of its
  // own until the next job starts or the program ends.
  QPicture page_;
  QSize size_;
  QString document_name_;
};

// The name the save dialog offers for a printout, before the printer's suffix.
inline constexpr char kPrintFileName[] = "Unit Converter";

// The picture of a widget and its visible children as they show now, for PrintJobs::Print.
QPicture TakePicture(QWidget& widget);

// The rectangle, in the device's pixels, that a picture of `size` pixels fills on a page whose
// printable area is `printable`: as large as fits, keeping its proportions, at the printable
// area's top-left corner.
QRectF FitToPage(const QSizeF& size, const QRectF& printable);

// For the end of the program: waits while a print thread hands a job over to the print service,
// until that job's time is up, so that the job is not lost. A thread still looking for the
// printer is not waited for. True when no print thread is at work any more; the program must
// then not return from main while one is, since it would tear down what that thread uses.
bool FinishPrinting();

}  // namespace ui

#endif  // UI_PRINTING_H_
