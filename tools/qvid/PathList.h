#pragma once
// A list of paths that qvid -f reads: one path per line, from a file or from
// standard input ("-"). Lines end with LF or CR LF; empty lines are skipped,
// and so is a UTF-8 byte-order mark at the start.
// Lines are read as they come, and the verdicts printed so far are flushed
// before each line of standard input is read, so that qvid reports each path
// while the program writing the list is still at work.
#include <cstdio>
#include <string>

#include "tools/qvid/NativePath.h"

class TPathList {
 public:
  // Opens the list; IsOpen() tells whether that worked and Error() why not.
  explicit TPathList(const TNativePath& name);
  ~TPathList();
  TPathList(const TPathList&) = delete;
  TPathList& operator=(const TPathList&) = delete;

  bool IsOpen() const { return FFile != nullptr; }
  const std::string& Error() const { return FError; }
  // The next path; false at the end of the list.
  bool Next(TNativePath& path);

 private:
  std::FILE* FFile = nullptr;
  bool FOwned = false;
  bool FFirstLine = true;
  std::string FError;
};
