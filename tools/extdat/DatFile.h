#pragma once
// ext.dat as a whole, for the database tool: all records of a file at once,
// and a complete new file written safely.
#include <cstddef>
#include <string>
#include <vector>

#include "filetype/ExtRecord.h"

struct TExtDatContents {
  std::vector<TExtRecord> Records;
  std::size_t TrailingBytes = 0;  // a partial record at the end, never read
};

// Reads every record; EInOutError when the file cannot be read.
TExtDatContents ReadExtDat(const std::string& path);

// Writes the records to a temporary file beside path and renames it over
// path, so that path holds either its old content or the complete new one.
// Throws when writing fails; the temporary file is then removed.
void WriteExtDat(const std::string& path, const std::vector<TExtRecord>& records);
