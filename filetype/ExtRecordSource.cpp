#include "filetype/ExtRecordSource.h"

#include "filetype/ExtDatabase.h"

void TExtDatabaseFile::Scan(const TVisitor& visit) const {
  if (!ExtDatabaseExists(FPath)) return;
  TExtDatabase database(FPath);
  while (!database.Eof() && visit(database.ReadNext())) {
  }
}

TExtRecordList TExtRecordList::Load(const std::string& path) {
  return TExtRecordList(TExtDatabase(path).ReadRest());
}

void TExtRecordList::Scan(const TVisitor& visit) const {
  for (const TExtRecord& record : FRecords) {
    if (!visit(record)) return;
  }
}
