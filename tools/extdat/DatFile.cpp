#include "tools/extdat/DatFile.h"

#include "filetype/ExtDatabase.h"
#include "ui/Stream.h"

TExtDatContents ReadExtDat(const std::string& path) {
  TExtDatabase database(path);
  TExtDatContents contents;
  contents.Records = database.ReadRest();
  TFileHandle file;
  if (const int error = file.Open(path, TFileAccess::Read, TFileShare::DenyNone)) throw EInOutError(error);
  const std::int64_t size = file.Size();
  if (size < 0) throw EInOutError(file.Error());
  contents.TrailingBytes = static_cast<std::size_t>(size % static_cast<std::int64_t>(kExtRecordSize));
  return contents;
}

void WriteExtDat(const std::string& path, const std::vector<TExtRecord>& records) {
  const std::string temporary = path + ".tmp";
  try {
    {
      TFileStream file(temporary);
      for (const TExtRecord& record : records) {
        const TExtRecordBytes bytes = EncodeExtRecord(record);
        file.WriteBuffer(bytes.data(), bytes.size());
      }
    }
    if (const int error = RenameFileReplacing(temporary, path)) {
      throw Exception("Cannot replace \"" + path + "\" (error " + std::to_string(error) + ")");
    }
  } catch (...) {
    RemoveFile(temporary);
    throw;
  }
}
