// The Windows print spooler, reached through Qt's printing and, for what Qt does not tell, its own
// functions.
#include <windows.h>
#include <winspool.h>

#include "ui/print_system_windows.h"

#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <array>
#include <atomic>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

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

// Ports whose printers ask for a file inside StartDoc: FILE: is the spooler's port for printing
// to a file, PORTPROMPT: the port of Windows' own PDF and XPS printers.
constexpr std::array kAskingPorts = {"FILE:", "PORTPROMPT:"};

struct DriverFile {
  const char* driver;
  PrintFileType type;
};
// What the drivers that write documents write. The XPS Document Writer of Windows 8 and later
// writes OpenXPS, which Windows opens as .oxps; Windows 7's driver, still found on some PCs,
// wrote XPS.
constexpr std::array<DriverFile, 3> kDriverFiles = {{
    {"Microsoft Print To PDF", {".pdf", "PDF document"}},
    {"Microsoft XPS Document Writer v4", {".oxps", "OpenXPS document"}},
    {"Microsoft XPS Document Writer", {".xps", "XPS document"}},
}};
// Any other driver's file holds what it would have sent to the printer.
constexpr PrintFileType kPrinterFile = {".prn", "Printer file"};

}  // namespace

std::optional<PrintFileType> FileTypeAskedOn(const QString& port, const QString& driver) {
  const auto is = [](const QString& text, const char* name) {
    return text.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
  };
  if (std::none_of(kAskingPorts.begin(), kAskingPorts.end(),
                   [&](const char* asking) { return is(port, asking); })) {
    return std::nullopt;
  }
  const auto known = std::find_if(kDriverFiles.begin(), kDriverFiles.end(),
                                  [&](const DriverFile& file) { return is(driver, file.driver); });
  return known != kDriverFiles.end() ? known->type : kPrinterFile;
}

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

// The spooler knows a printer's port and driver (PRINTER_INFO_2), which decide whether its
// driver asks for a file inside StartDoc. A printer the spooler will not describe prints as any
// other.
std::optional<PrintFileType> FileTypeAskedBy(const QString& printer_name) {
  std::wstring name = printer_name.toStdWString();
  HANDLE printer = nullptr;
  if (!OpenPrinterW(name.data(), &printer, nullptr)) return std::nullopt;
  DWORD size = 0;
  GetPrinterW(printer, 2, nullptr, 0, &size);
  // The description with the texts it points to; the allocator aligns it for any structure.
  std::vector<BYTE> buffer(size);
  const bool described =
      size >= sizeof(PRINTER_INFO_2W) && GetPrinterW(printer, 2, buffer.data(), size, &size) != 0;
  ClosePrinter(printer);
  if (!described) return std::nullopt;
  const auto* info = reinterpret_cast<const PRINTER_INFO_2W*>(buffer.data());
  const auto text = [](const wchar_t* characters) {
    return characters != nullptr ? QString::fromWCharArray(characters) : QString();
  };
  return FileTypeAskedOn(text(info->pPortName), text(info->pDriverName));
}

}  // namespace ui
