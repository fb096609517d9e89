#include "filetype/ExtRecordSource.h"

#include "filetype/ExtDatabase.h"

void TExtDatabaseFile::Scan(const TVisitor& visit) const {
  if (!ExtDatabaseExists(FPath)) return;
  TExtDatabase database(FPath);
  while (!database.Eof() && visit(database.ReadNext())) {
  }
}

TExtRecordList TExtRecordList::Load(const std::string& path) {
  TExtDatabase database(path);
  std::vector<TExtRecord> records;
  records.reserve(static_cast<std::size_t>(database.Count()));
  while (!database.Eof()) records.push_back(database.ReadNext());
  return TExtRecordList(std::move(records));
}

void TExtRecordList::Scan(const TVisitor& visit) const {
  for (const TExtRecord& record : FRecords) {
    if (!visit(record)) return;
  }
}
