#include "filetype/ExtDatabaseImage.h"

#include "ui/Exception.h"
#include "ui/FileHandle.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/mman.h>
#endif

template <class TPath>
void TExtDatabaseImage::Map(const TPath& path) {
  TFileHandle file;
  if (const int error = file.Open(path, TFileAccess::Read, TFileShare::DenyNone)) throw EInOutError(error);
  const std::int64_t size = file.Size();
  if (size < 0) throw EInOutError(file.Error());
  FCount = static_cast<std::size_t>(size) / kExtRecordSize;
  if (FCount == 0) return;  // nothing to map
  const std::size_t length = FCount * kExtRecordSize;
#ifdef _WIN32
  const HANDLE mapping = CreateFileMappingW(file.Native(), nullptr, PAGE_READONLY, 0, 0, nullptr);
  if (!mapping) throw EInOutError(static_cast<int>(GetLastError()));
  FBytes = static_cast<const std::uint8_t*>(MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, length));
  const DWORD error = GetLastError();
  CloseHandle(mapping);  // the view keeps what it maps
  if (!FBytes) throw EInOutError(static_cast<int>(error));
#else
  // Populated at once: one call instead of a page fault per page.
  void* view = mmap(nullptr, length, PROT_READ, MAP_PRIVATE | MAP_POPULATE, file.Native(), 0);
  if (view == MAP_FAILED) throw EInOutError(5);
  FBytes = static_cast<const std::uint8_t*>(view);
#endif
}

TExtDatabaseImage::TExtDatabaseImage(const std::string& path) {
  Map(path);
  FSignatures = TSignatureIndex(*this);
}

#ifdef _WIN32
TExtDatabaseImage::TExtDatabaseImage(const std::wstring& path) {
  Map(path);
  FSignatures = TSignatureIndex(*this);
}
#endif

TExtDatabaseImage::~TExtDatabaseImage() {
  if (!FBytes) return;
#ifdef _WIN32
  UnmapViewOfFile(FBytes);
#else
  munmap(const_cast<std::uint8_t*>(FBytes), FCount * kExtRecordSize);
#endif
}

TExtRecord TExtDatabaseImage::Record(std::size_t index) const {
  return DecodeExtRecord(FBytes + index * kExtRecordSize);
}

void TExtDatabaseImage::Scan(const TVisitor& visit) const {
  for (std::size_t i = 0; i < FCount; ++i) {
    if (!visit(Record(i))) return;
  }
}

bool TExtDatabaseImage::FindSignature(const TFileHeader& header, TExtRecord& found) const {
  const std::ptrdiff_t at = FSignatures.FirstMatch(header);
  if (at < 0) return false;
  found = Record(static_cast<std::size_t>(at));
  return true;
}

TExtensionCandidates TExtDatabaseImage::FindExtension(std::string_view lowerExt) const {
  const std::string key(lowerExt);
  const auto known = FExtensions.find(key);
  if (known != FExtensions.end()) return known->second;
  return FExtensions.emplace(key, TExtRecordSource::FindExtension(lowerExt)).first->second;
}
