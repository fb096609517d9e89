#pragma once
// Where matching and lookup take their records from: the database file, read
// afresh on every scan (what the window does on each drop), records held in
// memory, or the database file mapped once with its signatures indexed (for
// a tool that examines many files in one run: ExtDatabaseImage.h).
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "filetype/ExtRecord.h"

// The records that the extension lookup settles on for an extension
// (lower-cased), reading in file order: Exact is the first record keyed by it
// that has a signature (reading stops there), else the last record keyed by
// it; Listed is the last record read whose description mentions it (the one
// where reading stopped aside). Each counts as found only when its key is
// not empty.
struct TExtensionCandidates {
  TExtRecord Exact;
  TExtRecord Listed;
};

class TExtRecordSource {
 public:
  // Called with each record in file order; returns false to stop the scan.
  using TVisitor = std::function<bool(const TExtRecord& record)>;

  virtual ~TExtRecordSource() = default;
  // Errors of reading the records reach the caller; a scan ends at the first.
  virtual void Scan(const TVisitor& visit) const = 0;

  // Copies the first record whose signature lies at its place in the header
  // into found and returns true; returns false, found untouched, when none
  // does. This and FindExtension scan the records; a source may answer
  // faster, with the same result.
  virtual bool FindSignature(const TFileHeader& header, TExtRecord& found) const;
  virtual TExtensionCandidates FindExtension(std::string_view lowerExt) const;
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
