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
// prints again into the file chosen.
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
    Printed,    // the print service has the job
    NoPrinter,  // no default printer
    Failed,     // the printer could not be drawn on, or the print service refused the job
    NoAnswer,   // the print service did not answer within kAnswerTime
    Busy,       // the previous job is still with the print service; nothing was started
    Cancelled,  // the printer asked where to save and the user cancelled; nothing was printed
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
  // save gets a save dialog owned by the parent widget first, and the answer time runs only
  // once a file is chosen.
  void Print(const QPicture& page, QSize size, const QString& document_name);
  // True from Print until `finished`, the save dialog included.
  bool waiting() const { return waiting_; }

 signals:
  void finished(ui::PrintJobs::Outcome outcome);

 private:
  struct Reply;
  // What a print thread brings back: how the job ended, or the file its printer asks for.
  using ThreadAnswer = std::variant<Outcome, PrintFileType>;
  // Hands the picture to a print thread, for the printer's own output or into `output_file`.
  void Start(const QString& output_file);
  void Answer(std::uint64_t job, const ThreadAnswer& answer);
  void AskWhereToSave(const PrintFileType& type);
  void Finish(Outcome outcome);

  Platform& platform_;
  std::shared_ptr<Reply> reply_;
  std::chrono::milliseconds answer_time_;
  QTimer deadline_;
  std::uint64_t job_ = 0;  // the job the window waits for, or waited for last
  bool waiting_ = false;
  // The picture being printed, kept for a second job into the file the user chooses.
  QPicture page_;
  QSize size_;
  QString document_name_;
};

// The name the save dialog offers for a printout, before the printer's suffix.
inline constexpr char kPrintFileName[] = "Unit Converter";

// Whether a Windows printer on `port` with `driver` asks for a file inside StartDoc, and which:
//   "PORTPROMPT:", "Microsoft Print To PDF"           -> .pdf, "PDF document"
//   "PORTPROMPT:", "Microsoft XPS Document Writer v4" -> .oxps, "OpenXPS document"
//   "FILE:", "HP LaserJet 4"                          -> .prn, "Printer file"
//   "C:\Out\window.pdf", "Microsoft Print To PDF"      -> nothing: the port names the file
std::optional<PrintFileType> FileTypeAskedOn(const QString& port, const QString& driver);

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
