#pragma once
// Reads what the identification needs of a path, never blocking: a special
// file (a named pipe, a socket, a device) is recognised by its type before it
// is opened and is never read; a regular file is opened once for reading,
// without waiting, and read once for its first 51 bytes. Links are followed.
#include <string>

#include "filetype/ExtRecord.h"
#include "tools/qvid/NativePath.h"

enum class TPathKind { Unknown, File, Folder, NamedPipe, Socket, CharDevice, BlockDevice };

struct TProbe {
  TPathKind Kind = TPathKind::Unknown;
  // A file's first 51 bytes, zero-filled where it is shorter.
  TFileHeader Header{};
  // Why the path could not be examined; empty for a file that was read.
  std::string Error;
};

// Examines path. kind is what the caller knows of it already (from a folder
// listing), or Unknown. A file is read; any other kind gets its Error ("is a
// named pipe", "is a folder", ...).
TProbe ProbePath(const TNativePath& path, TPathKind kind = TPathKind::Unknown);

// "is a named pipe", "is a folder", ...: what a path that is not a file is;
// empty for a file.
std::string KindError(TPathKind kind);
