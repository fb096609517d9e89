#pragma once
// Where matching and lookup take their records from: the database file, read
// afresh on every scan (what the window does on each drop), or records loaded
// once into memory (for a tool that examines many files in one run).
#include <functional>
#include <string>
#include <vector>

#include "filetype/ExtRecord.h"

class TExtRecordSource {
 public:
  // Called with each record in file order; returns false to stop the scan.
  using TVisitor = std::function<bool(const TExtRecord& record)>;

  virtual ~TExtRecordSource() = default;
  // Errors of reading the records reach the caller; a scan ends at the first.
  virtual void Scan(const TVisitor& visit) const = 0;
};

// The database file at a path, opened, scanned and closed by every Scan. A
// missing file is an empty database.
class TExtDatabaseFile : public TExtRecordSource {
 public:
  explicit TExtDatabaseFile(std::string path) : FPath(std::move(path)) {}
  void Scan(const TVisitor& visit) const override;

 private:
  std::string FPath;
};

// Records held in memory, in file order.
class TExtRecordList : public TExtRecordSource {
 public:
  TExtRecordList() = default;
  explicit TExtRecordList(std::vector<TExtRecord> records) : FRecords(std::move(records)) {}
  // Reads the whole database once. Unlike a TExtDatabaseFile this does not
  // treat a missing file as empty: it raises EInOutError 2, and the caller
  // decides.
  static TExtRecordList Load(const std::string& path);

  const std::vector<TExtRecord>& Records() const { return FRecords; }
  void Scan(const TVisitor& visit) const override;

 private:
  std::vector<TExtRecord> FRecords;
};
