#pragma once
// The maintainers' table: ext.dat records as UTF-8 text, one record a line,
// four fields separated by tabs:
//
//   key <TAB> offset <TAB> signature in hex <TAB> description
//
// e.g. ".png\t0\t89504e47\tPNG 图像". Offset and signature are both empty for
// a record without a content signature. Blank lines and lines starting with
// '#' are ignored. `extdat dump` prints records in this form.
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "filetype/ExtRecord.h"

class ETableError : public std::runtime_error {
 public:
  ETableError(int line, const std::string& what)
      : std::runtime_error("line " + std::to_string(line) + ": " + what) {}
};

struct TTableRow {
  TExtRecord Record;  // key and description in GBK
  int Line = 0;
};

// Parses a table; ETableError for the first malformed line. Keys must be
// lower case, at most 10 bytes; descriptions 1 to 250 bytes in GBK;
// signatures 1 to 11 bytes inside the 51-byte header.
std::vector<TTableRow> ParseTable(std::string_view utf8);

// One record as a table line (UTF-8, no line end). Tabs and line breaks in
// its texts become spaces so that the line stays one line.
std::string FormatTableRow(const TExtRecord& record);
