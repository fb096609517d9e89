#include "tools/qvid/PathList.h"

#include <cerrno>

#include "tools/common/Console.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

TPathList::TPathList(const TNativePath& name) {
  if (name == PathFromAscii("-")) {
    FFile = stdin;
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    return;
  }
#ifdef _WIN32
  FFile = _wfopen(name.c_str(), L"rb");
#else
  FFile = std::fopen(name.c_str(), "rb");
#endif
  FOwned = FFile != nullptr;
  if (!FFile) FError = errno == ENOENT ? FileErrorText(2) : errno == EACCES ? FileErrorText(5) : "cannot be read";
}

TPathList::~TPathList() {
  if (FOwned) std::fclose(FFile);
}

bool TPathList::Next(TNativePath& path) {
  // What was found so far is shown before qvid waits for more of a list
  // that another program is writing.
  if (FFile == stdin) std::fflush(stdout);
  std::string line;
  for (int c = std::getc(FFile);; c = std::getc(FFile)) {
    if (c == EOF && line.empty()) return false;
    if (c == EOF || c == '\n') {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (!line.empty()) break;
      if (c == EOF) return false;
      continue;
    }
    line += static_cast<char>(c);
  }
  // Editors that save UTF-8 often begin the file with a byte-order mark.
  if (FFirstLine && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
  FFirstLine = false;
  path = PathFromListLine(line);
  return true;
}
