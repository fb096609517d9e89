#include "filetype/ExtDatabase.h"

#include <vector>

#include "ui/Exception.h"
#include "ui/FileNames.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace {

constexpr int kReadBeyondEnd = 100;

}  // namespace

std::string ExtDatabasePath() { return ExtractFilePath(ExecutablePath()) + "ext.dat"; }

bool ExtDatabaseExists(const std::string& path) {
#ifdef _WIN32
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
#else
  struct stat st;
  return stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
#endif
}

TExtDatabase::TExtDatabase(const std::string& path) {
  if (const int error = FFile.Open(path, TFileAccess::Read, TFileShare::DenyNone)) throw EInOutError(error);
  const std::int64_t size = FFile.Size();
  if (size < 0) throw EInOutError(FFile.Error());
  FCount = size / static_cast<std::int64_t>(kExtRecordSize);
}

TExtRecord TExtDatabase::ReadNext() {
  TExtRecordBytes bytes;
  const std::ptrdiff_t n = FFile.Read(bytes.data(), bytes.size());
  if (n < 0) throw EInOutError(FFile.Error());
  if (static_cast<std::size_t>(n) != bytes.size()) throw EInOutError(kReadBeyondEnd);
  ++FRead;
  return DecodeExtRecord(bytes.data());
}

std::vector<TExtRecord> TExtDatabase::ReadRest() {
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(FCount - FRead) * kExtRecordSize);
  for (std::size_t done = 0; done < bytes.size();) {
    const std::ptrdiff_t n = FFile.Read(bytes.data() + done, bytes.size() - done);
    if (n < 0) throw EInOutError(FFile.Error());
    if (n == 0) throw EInOutError(kReadBeyondEnd);
    done += static_cast<std::size_t>(n);
  }
  std::vector<TExtRecord> records;
  records.reserve(bytes.size() / kExtRecordSize);
  for (std::size_t at = 0; at < bytes.size(); at += kExtRecordSize) records.push_back(DecodeExtRecord(bytes.data() + at));
  FRead = FCount;
  return records;
}

std::int64_t CountExtRecords(const std::string& path) { return TExtDatabase(path).Count(); }
