// What a print thread needs of the system's print service beyond what Qt's printing gives. Each
// system has its own file: print_system_cups.cpp for CUPS, print_system_windows.cpp for the
// Windows spooler.
#ifndef UI_PRINT_SYSTEM_H_
#define UI_PRINT_SYSTEM_H_

#include <QString>

#include <optional>

#include "ui/platform.h"

namespace ui {

// Called on a print thread before and after it looks for a printer: readies the thread for its
// job. With CUPS, the print service's requests for a password fail instead of opening a dialog
// off the window's thread; on Windows, the thread hears of a job that the spooler refused.
void PreparePrintThread();

// Called on a print thread right after QPainter::end() succeeded on a printer of the print
// service, which hands the job over inside end() without telling how the service answered:
// whether the print service took the job.
bool PrintServiceTookJob();

// Called on a print thread with the name of the printer it found: the file that printer asks
// for when a job starts, or nothing when it prints without asking.
std::optional<PrintFileType> FileTypeAskedBy(const QString& printer_name);

}  // namespace ui

#endif  // UI_PRINT_SYSTEM_H_
