#pragma once
// Parts of a file path, found double-byte aware: a delimiter byte that is the
// second byte of a double-byte character (GBK 0x5C trail bytes) does not
// count. Delimiters are the platform's: backslash and colon on Windows, the
// slash elsewhere.
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
// The first 10 bytes of an extension: what a database key can hold.
std::string CutExt(std::string_view ext);
