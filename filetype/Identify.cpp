#include "filetype/Identify.h"

#include "filetype/qenQuorvex.h"
#include "ui/Exception.h"
#include "ui/FileHandle.h"
#include "ui/FileNames.h"
#include "ui/StrUtils.h"

#ifdef _WIN32
#include "filetype/qenreg.h"
#endif

namespace {

// First way: exactly the header's size through a shared read-and-write open.
template <class TPath>
bool ReadHeaderShared(const TPath& fileName, TFileHeader& header) {
  TFileHandle file;
  if (file.Open(fileName, TFileAccess::ReadWrite, TFileShare::DenyNone) != 0) return false;
  return file.Read(header.data(), header.size()) == std::ptrdiff_t(header.size());
}

// Second way: at most the header's size through an open for reading that
// denies others write access; EInOutError when the file cannot be read.
template <class TPath>
void ReadHeaderDenyingWriters(const TPath& fileName, TFileHeader& header) {
  TFileHandle file;
  if (const int error = file.Open(fileName, TFileAccess::Read, TFileShare::DenyWrite)) throw EInOutError(error);
  for (std::size_t done = 0; done < header.size();) {
    const std::ptrdiff_t n = file.Read(header.data() + done, header.size() - done);
    if (n < 0) throw EInOutError(file.Error());
    if (n == 0) return;
    done += static_cast<std::size_t>(n);
  }
}

template <class TPath>
TFileHeader ReadHeader(const TPath& fileName) {
  TFileHeader header{};
  if (ReadHeaderShared(fileName, header)) return header;
  header.fill(0);
  ReadHeaderDenyingWriters(fileName, header);
  return header;
}

// The header, or none when the file cannot be read.
template <class TPath>
std::optional<TFileHeader> TryReadHeader(const TPath& fileName) {
  try {
    return ReadHeader(fileName);
  } catch (...) {
    return std::nullopt;
  }
}

std::string Describe(const TTypeDescLookup& typeDesc, const std::string& ext) {
  return typeDesc ? typeDesc(ext) : std::string();
}

// Stage 1: the content signature. Any error keeps the verdict as it stood.
void MatchContent(const std::string& fileName, const TExtRecordSource& database,
                  const std::optional<TFileHeader>& header, TExtRecord& verdict) {
  verdict.Ext.Assign(CutExt(ExtractFileExt(fileName)));
  verdict.Desc.Assign("");
  if (!header) return;
  try {
    TExtRecord match;
    MatchSignature(database, verdict.Ext.View(), *header, match);
    verdict = match;
  } catch (...) {
  }
}

// Stage 2: the database's record for the extension, or the text test.
void MatchExtension(const std::string& fileName, const TExtRecordSource& database, const TFileHeader& header,
                    const TTypeDescLookup& typeDesc, TExtRecord& verdict) {
  const std::string ext = ExtractFileExt(fileName);
  LookupExtension(database, ext, verdict);
  if (IsTextHeader(header)) {
    if (IsBlank(verdict.Desc.View())) {
      verdict.Ext.Assign(CutExt(ext));
      verdict.Desc.Assign(Describe(typeDesc, verdict.Ext.Str()));
    }
    verdict.Desc.Assign(std::string(kTextFilePrefix) + verdict.Desc.Str());
  } else if (!IsBlank(verdict.Desc.View())) {
    verdict.Desc.Assign(std::string(kByExtensionPrefix) + verdict.Desc.Str());
  }
}

// Stage 3: the system's description of the extension.
void MatchRegistry(const std::string& fileName, const TTypeDescLookup& typeDesc, TExtRecord& verdict) {
  verdict.Ext.Assign(CutExt(ExtractFileExt(fileName)));
  verdict.Desc.Assign(Describe(typeDesc, verdict.Ext.Str()));
  if (IsBlank(verdict.Desc.View())) {
    verdict.Desc.Assign(kUnknownType);
  } else {
    verdict.Desc.Assign(std::string(kByRegistryPrefix) + verdict.Desc.Str());
  }
}

}  // namespace

TTypeDescLookup SystemTypeDescLookup() {
#ifdef _WIN32
  return GetRegTypeDesc;
#else
  return {};
#endif
}

TFileHeader ReadFileHeader(const std::string& fileName) { return ReadHeader(fileName); }

TExtRecord IdentifyHeader(const std::string& fileName, const std::optional<TFileHeader>& header,
                          const TExtRecordSource& database, const TTypeDescLookup& typeDesc) {
  TExtRecord verdict;
  MatchContent(fileName, database, header, verdict);
  // A file that could not be read has a zero header: not text.
  const TFileHeader examined = header.value_or(TFileHeader{});
  if (IsBlank(verdict.Desc.View())) MatchExtension(fileName, database, examined, typeDesc, verdict);
  if (IsBlank(verdict.Desc.View())) MatchRegistry(fileName, typeDesc, verdict);
  return verdict;
}

TExtRecord IdentifyFile(const std::string& fileName, const TExtRecordSource& database,
                        const TTypeDescLookup& typeDesc) {
  return IdentifyHeader(fileName, TryReadHeader(fileName), database, typeDesc);
}

#ifdef _WIN32
TFileHeader ReadFileHeader(const std::wstring& fileName) { return ReadHeader(fileName); }

TExtRecord IdentifyFile(const std::string& fileName, const std::wstring& exactName,
                        const TExtRecordSource& database, const TTypeDescLookup& typeDesc) {
  return IdentifyHeader(fileName, TryReadHeader(exactName), database, typeDesc);
}
#endif
