#include "tools/extdat/DatFile.h"

#include "ui/Stream.h"

TExtDatContents ReadExtDat(const std::string& path) {
  TMemoryStream file;
  file.LoadFromFile(path);
  const auto size = static_cast<std::size_t>(file.Size());
  TExtDatContents contents;
  contents.TrailingBytes = size % kExtRecordSize;
  for (std::size_t at = 0; at + kExtRecordSize <= size; at += kExtRecordSize) {
    contents.Records.push_back(DecodeExtRecord(file.Memory() + at));
  }
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
