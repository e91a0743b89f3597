#include <windows.h>

#include <cstdlib>

#include "tests/support/wine_lpt1_windows.h"

std::optional<std::string> WineLpt1File() {
  const char* unix_path = std::getenv("RECEIPT_WINE_LPT1");
  if (unix_path == nullptr) return std::nullopt;
  if (*unix_path == '\0') return std::string();
  // Wine's own conversion from a path of the machine Wine runs on.
  using ToDos = wchar_t*(CDECL*)(const char*);
  const auto to_dos = reinterpret_cast<ToDos>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("kernel32"), "wine_get_dos_file_name")));
  if (to_dos == nullptr) return std::nullopt;
  // Handed back to HeapFree, which takes it as it is.
  // cppcheck-suppress constVariablePointer
  wchar_t* dos_path = to_dos(unix_path);
  if (dos_path == nullptr) return std::nullopt;
  const int size = WideCharToMultiByte(CP_ACP, 0, dos_path, -1, nullptr, 0, nullptr, nullptr);
  std::string path(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, dos_path, -1, path.data(), size, nullptr, nullptr);
  HeapFree(GetProcessHeap(), 0, dos_path);
  path.pop_back();  // the terminating zero
  return path;
}
