// A library planted beside the program under the name of one it loads, as a web page may leave
// "version.dll" in Downloads. Loaded, it records its loading in a file beside itself, named after
// it with ".loaded" added.
#include <windows.h>

#include <string>

extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID /*reserved*/) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  std::wstring path(MAX_PATH, L'\0');
  const DWORD length = GetModuleFileNameW(self, path.data(), MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return TRUE;
  path.resize(length);
  path += L".loaded";
  const HANDLE mark = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (mark != INVALID_HANDLE_VALUE) CloseHandle(mark);
  return TRUE;
}
