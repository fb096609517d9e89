#pragma once
// Parts of a file path, found double-byte aware: a delimiter byte that is the
// second byte of a double-byte character (GBK 0x5C trail bytes) does not
// count. Delimiters are the platform's: backslash and colon on Windows, the
// slash elsewhere. Also the running program's own path and name.
#include <string>
#include <string_view>

// The folder part, up to and including the last delimiter; empty when the
// path has none.
std::string ExtractFilePath(std::string_view path);
// The part after the last delimiter.
std::string ExtractFileName(std::string_view path);
// From the last dot after the last delimiter, dot included; empty when there
// is no such dot.
std::string ExtractFileExt(std::string_view path);

// The full path of the running program's executable, in the system code
// page; empty when the system cannot tell it.
std::string ExecutablePath();
// The executable's file name without its extension ("quorvex" for
// C:\Tools\quorvex.exe).
std::string ExecutableTitle();
