// What the Windows spooler's own description of a printer tells the print thread, apart from
// the spooler's functions, so that the Windows builds of the tests can check it.
#ifndef UI_PRINT_SYSTEM_WINDOWS_H_
#define UI_PRINT_SYSTEM_WINDOWS_H_

#include <QString>

#include <optional>

#include "ui/platform.h"

namespace ui {

// Whether a Windows printer on `port` with `driver` asks for a file inside StartDoc, and which:
//   "PORTPROMPT:", "Microsoft Print To PDF"           -> .pdf, "PDF document"
//   "PORTPROMPT:", "Microsoft XPS Document Writer v4" -> .oxps, "OpenXPS document"
//   "FILE:", "HP LaserJet 4"                          -> .prn, "Printer file"
//   "C:\Out\window.pdf", "Microsoft Print To PDF"      -> nothing: the port names the file
std::optional<PrintFileType> FileTypeAskedOn(const QString& port, const QString& driver);

}  // namespace ui

#endif  // UI_PRINT_SYSTEM_WINDOWS_H_
