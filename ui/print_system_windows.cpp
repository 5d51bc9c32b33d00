// The Windows print spooler, reached through Qt's printing.
#include <QString>
#include <QtGlobal>

#include <atomic>
#include <mutex>
#include <utility>

#include "ui/print_system.h"

namespace ui {

namespace {

// Qt's printing hands the job to the spooler inside QPainter::end(), with EndPage and EndDoc. When
// the spooler refuses either, Qt's Windows print engine says so only in a warning and returns
// true all the same. A print thread therefore listens to Qt's messages for that warning, which
// comes on the thread that called end().
thread_local bool spooler_refused = false;
std::atomic<QtMessageHandler> passed_on{nullptr};

void Listen(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  // "QWin32PrintEngine::end: EndDoc failed (...)", and the same for EndPage.
  if (message.startsWith(QLatin1String("QWin32PrintEngine::end:"))) spooler_refused = true;
  if (const QtMessageHandler next = passed_on.load()) next(type, context, message);
}

}  // namespace

// Qt's printing on Windows sets up no password dialog of its own: the spooler asks for a network
// printer's credentials itself. The thread starts to listen, with nothing heard yet.
void PreparePrintThread() {
  static std::once_flag listening;
  std::call_once(listening, [] { passed_on = qInstallMessageHandler(Listen); });
  spooler_refused = false;
}

bool PrintServiceTookJob() {
  return !std::exchange(spooler_refused, false);
}

}  // namespace ui
