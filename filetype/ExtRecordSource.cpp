#include "filetype/ExtRecordSource.h"

#include "filetype/ExtDatabase.h"

bool TExtRecordSource::FindSignature(const TFileHeader& header, TExtRecord& found) const {
  bool matched = false;
  Scan([&](const TExtRecord& record) {
    if (!SignatureMatches(record, header)) return true;
    found = record;
    matched = true;
    return false;
  });
  return matched;
}

TExtensionCandidates TExtRecordSource::FindExtension(std::string_view lowerExt) const {
  TExtensionCandidates found;
  Scan([&](const TExtRecord& record) {
    if (record.Ext.View() == lowerExt) {
      found.Exact = record;
      if (record.SignLen > 0) return false;
    }
    // A keyed record without a signature may be the listed one as well.
    if (DescMentions(record, lowerExt)) found.Listed = record;
    return true;
  });
  return found;
}

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
