#pragma once
// What the command-line tools share: their output is UTF-8, while
// command-line arguments and file names are in the system's 8-bit code page
// (GBK on the Windows systems the program targets; UTF-8 file names
// elsewhere), and ext.dat and the program's texts are GBK.
#include <string>
#include <string_view>

// Text of the system code page (an argument, a path) as UTF-8, and as GBK.
std::string SystemToUtf8(std::string_view text);
std::string SystemToGbk(std::string_view text);

// A file error code (Windows numbering, see ui/FileHandle.h) in words.
std::string FileErrorText(int code);

// While it lives, a Windows console shows the UTF-8 that the tool prints;
// the console's previous code page comes back afterwards. Elsewhere it does
// nothing.
class TUtf8Console {
 public:
  TUtf8Console();
  ~TUtf8Console();
  TUtf8Console(const TUtf8Console&) = delete;
  TUtf8Console& operator=(const TUtf8Console&) = delete;

 private:
  unsigned FPrevious = 0;
};
