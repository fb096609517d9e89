#include "ui/ShowMessage.h"

#ifdef _WIN32
#include <windows.h>

namespace {

// The executable's file name without its extension. The path is in the
// system code page, whose double-byte characters may end in a byte that
// looks like a backslash: those are stepped over whole.
std::string ApplicationTitle() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  DWORD start = 0, dot = length;
  for (DWORD i = 0; i < length; ++i) {
    if (IsDBCSLeadByte(static_cast<BYTE>(path[i]))) {
      ++i;
    } else if (path[i] == '\\' || path[i] == '/' || path[i] == ':') {
      start = i + 1;
      dot = length;
    } else if (path[i] == '.') {
      dot = i;
    }
  }
  return std::string(path + start, (dot > start ? dot : length) - start);
}

}  // namespace

void ShowMessage(const std::string& text) {
  MessageBoxA(GetActiveWindow(), text.c_str(), ApplicationTitle().c_str(), MB_OK);
}
#else
#include <cstdio>

void ShowMessage(const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); }
#endif
