// Printing a picture of the window without ever making the window wait for the print system.
//
// The picture is taken on the event loop, at once, so the printout shows what the window showed
// at that moment. Finding the default printer and handing the job to the print service happen on
// a print thread of their own: a print service that accepts connections and never answers keeps
// its caller waiting for two minutes. The window gives such a service kAnswerTime to answer.
#ifndef UI_PRINTING_H_
#define UI_PRINTING_H_

#include <QObject>
#include <QPicture>
#include <QTimer>

#include <chrono>
#include <cstdint>
#include <memory>

namespace ui {

class Platform;

class PrintJobs : public QObject {
  Q_OBJECT

 public:
  enum class Outcome {
    Printed,    // the print service has the job
    NoPrinter,  // no default printer
    Failed,     // the printer could not be drawn on, or the print service refused the job
    NoAnswer,   // the print service did not answer within kAnswerTime
    Busy,       // the previous job is still with the print service; nothing was started
  };
  static constexpr std::chrono::seconds kAnswerTime{30};

  // Prints through `platform`, which must outlive every print thread, and waits `answer_time` for
  // the print service to take a job.
  explicit PrintJobs(Platform& platform, QObject* parent = nullptr,
                     std::chrono::milliseconds answer_time = kAnswerTime);
  ~PrintJobs() override;

  // Prints `page`, a picture `size` pixels large, on the default printer. Returns at once;
  // `finished` tells the outcome, on the event loop. Busy, at once, while an earlier job is
  // still at work, even one the window has stopped waiting for.
  void Print(const QPicture& page, QSize size, const QString& document_name);
  // True from Print until `finished`.
  bool waiting() const { return waiting_; }

 signals:
  void finished(ui::PrintJobs::Outcome outcome);

 private:
  struct Reply;
  void Answer(std::uint64_t job, Outcome outcome);

  Platform& platform_;
  std::shared_ptr<Reply> reply_;
  std::chrono::milliseconds answer_time_;
  QTimer deadline_;
  std::uint64_t job_ = 0;  // the job the window waits for, or waited for last
  bool waiting_ = false;
};

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
