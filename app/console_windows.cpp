// A Windows program of the GUI subsystem has no console of its own. Its answers go where its
// standard output or error was sent (a file or a pipe), else to the console it was started from,
// else, when it was started from Explorer or a shortcut, into a message box.
#include <windows.h>

#include "app/console.h"
#include "product.h"

namespace console {

namespace {

// The console the program was started from, or none: attached and opened once, on the first
// answer, and shared with whatever else reads or writes that console.
HANDLE ParentConsole() {
  static const HANDLE console = []() -> HANDLE {
    // ERROR_ACCESS_DENIED: attached already.
    if (!AttachConsole(ATTACH_PARENT_PROCESS) && GetLastError() != ERROR_ACCESS_DENIED) {
      return nullptr;
    }
    const HANDLE handle =
        CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, 0, nullptr);
    return handle == INVALID_HANDLE_VALUE ? nullptr : handle;
  }();
  return console;
}

// The handle the stream was given at start, or the parent's console, or none.
HANDLE StreamHandle(Stream stream) {
  const DWORD which = stream == Stream::kOutput ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE;
  const HANDLE handle = GetStdHandle(which);
  if (handle != nullptr && handle != INVALID_HANDLE_VALUE) return handle;
  return ParentConsole();
}

}  // namespace

void Say(Stream stream, const QString& text) {
  if (HANDLE handle = StreamHandle(stream)) {
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(handle, &mode)) {  // a console shows UTF-16, and wants CR LF
      const QString lines = QString(text).replace(QLatin1Char('\n'), QLatin1String("\r\n"));
      WriteConsoleW(handle, lines.utf16(), static_cast<DWORD>(lines.size()), &written, nullptr);
    } else {  // a file or a pipe gets UTF-8, as a program reading it on Linux or Windows expects
      const QByteArray bytes = text.toUtf8();
      WriteFile(handle, bytes.constData(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    }
    return;
  }
  const QString title = QString::fromUtf8(product::kProductName);
  MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(text.trimmed().utf16()),
              reinterpret_cast<const wchar_t*>(title.utf16()),
              MB_OK | (stream == Stream::kOutput ? MB_ICONINFORMATION : MB_ICONWARNING));
}

}  // namespace console
