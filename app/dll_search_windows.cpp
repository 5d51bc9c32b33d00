// The program's first instruction: from here on Windows looks for the libraries the program
// loads in System32 alone, never in the program's own folder, where a downloaded file may lie
// ("version.dll" in Downloads). Only kernel32 and the C runtime are loaded before this runs; the
// program imports every other library late (cmake/WindowsImports.cmake), so the C runtime's
// start, Qt's static initialisers and everything after them load them, and what they import,
// from System32.
#include <windows.h>

extern "C" int WinMainCRTStartup();  // MinGW-w64's entry point of a GUI program

extern "C" int BvnStart() {
  // Windows 8 and later have it, and so does every Windows the program's manifest names.
  SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  return WinMainCRTStartup();
}
