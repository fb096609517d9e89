#pragma once
// The signature database ext.dat: fixed 284-byte records (ExtRecord.h) in the
// executable's folder. The program only reads it, so it is opened for reading
// alone, sharing reading and writing with others: a database installed where
// the user may not write still opens. Failures are EInOutError with the
// system's code (2 missing, 5 access denied, 100 a short read, ...).
#include <cstdint>
#include <string>
#include <vector>

#include "filetype/ExtRecord.h"
#include "ui/FileHandle.h"

// The running executable's folder, with its trailing delimiter, followed by
// "ext.dat". Built anew on every call.
std::string ExtDatabasePath();

// Whether the database file is there (a folder of that name is not).
bool ExtDatabaseExists(const std::string& path);

// Reads the records one after the other from the first. The destructor
// closes the file, also when a scan stops early or fails.
class TExtDatabase {
 public:
  // Opens an existing file; EInOutError when it cannot be opened.
  explicit TExtDatabase(const std::string& path);

  // File size div 284: a trailing partial record is neither counted nor read.
  std::int64_t Count() const { return FCount; }
  bool Eof() const { return FRead >= FCount; }
  // The next record: exactly 284 bytes, else EInOutError 100.
  TExtRecord ReadNext();
  // All records not read yet, in one read (for loading the whole database
  // at once); EInOutError as ReadNext.
  std::vector<TExtRecord> ReadRest();

 private:
  TFileHandle FFile;
  std::int64_t FCount = 0;
  std::int64_t FRead = 0;
};

// Opens the database without testing that it exists, counts its records and
// closes it: a missing database raises EInOutError 2.
std::int64_t CountExtRecords(const std::string& path);
