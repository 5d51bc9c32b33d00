// The CUPS print service, reached through the CUPS library that Qt's printing has loaded, if it
// has. The program does not load it itself, which would slow every start.
#include <dlfcn.h>

#include "ui/print_system.h"

namespace ui {

namespace {

// A function of the CUPS library Qt's printing has loaded, or nothing when it has loaded none.
// Qt keeps the library loaded, so the function stays valid after this lets go of its handle.
template <typename Function>
Function CupsFunction(const char* name) {
  void* cups = dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
  if (cups == nullptr) return nullptr;
  const auto function = reinterpret_cast<Function>(dlsym(cups, name));
  dlclose(cups);
  return function;
}

}  // namespace

// A print service may ask for a password. Qt's printing asks it with a dialog, set up for the
// thread that first looks for a printer, and a dialog belongs on the window's thread only; on a
// print thread nobody can answer. So a print thread gives no password, and such a job fails
// instead of opening a window off the window's thread.
void PreparePrintThread() {
  using PasswordCallback = const char* (*)(const char* prompt, void* http, const char* method,
                                           const char* resource, void* data);
  using SetPasswordCallback = void (*)(PasswordCallback callback, void* data);
  if (auto set = CupsFunction<SetPasswordCallback>("cupsSetPasswordCB2")) {
    set([](const char*, void*, const char*, const char*, void*) -> const char* { return nullptr; },
        nullptr);
  }
}

// Qt's CUPS printing submits the job inside QPainter::end(), on the calling thread, and drops
// libcups' answer. libcups keeps the status of each thread's last request, and every way through
// that submission sets it: the server's answer to the job, or the failure to reach the server or
// the printer. Asked right after end(), on the same thread, it tells of this job, never of the
// earlier printer lookup. IPP's successful statuses are 0x0000 to 0x00ff.
bool PrintServiceTookJob() {
  const auto last_error = CupsFunction<int (*)()>("cupsLastError");
  if (last_error == nullptr) return true;  // no CUPS in this process: end() told all there was
  const int status = last_error();
  return status >= 0 && status < 0x100;
}

// A CUPS queue never asks where to save: one that writes files, such as cups-pdf, writes them
// where its backend is set up to, on the print server.
std::optional<PrintFileType> FileTypeAskedBy(const QString& /*printer_name*/) {
  return std::nullopt;
}

}  // namespace ui
