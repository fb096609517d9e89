#include "ui/ShowMessage.h"

#ifdef _WIN32
#include <windows.h>

#include "ui/FileNames.h"

void ShowMessage(const std::string& text) {
  MessageBoxA(GetActiveWindow(), text.c_str(), ExecutableTitle().c_str(), MB_OK);
}
#else
#include <cstdio>

void ShowMessage(const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); }
#endif
