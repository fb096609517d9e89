#include "tools/common/Console.h"

#include "ui/CodePage.h"

#ifdef _WIN32
#include <windows.h>
#endif

#ifdef _WIN32

std::string SystemToUtf8(std::string_view text) { return GbkToUtf8(text).Text; }
std::string SystemToGbk(std::string_view text) { return std::string(text); }

TUtf8Console::TUtf8Console() : FPrevious(GetConsoleOutputCP()) {
  if (FPrevious != 0) SetConsoleOutputCP(CP_UTF8);
}

TUtf8Console::~TUtf8Console() {
  if (FPrevious != 0) SetConsoleOutputCP(FPrevious);
}

#else

std::string SystemToUtf8(std::string_view text) { return std::string(text); }
std::string SystemToGbk(std::string_view text) { return Utf8ToGbk(text).Text; }

TUtf8Console::TUtf8Console() = default;
TUtf8Console::~TUtf8Console() = default;

#endif

std::string FileErrorText(int code) {
  switch (code) {
    case 2: return "file not found";
    case 3: return "path not found";
    case 5: return "access denied";
    case 32: return "file in use by another process";
    case 100: return "file ends too soon";
    case 112: return "disk full";
    default: return "error " + std::to_string(code);
  }
}
