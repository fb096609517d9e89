#include "filetype/Identify.h"

#include <algorithm>

#include "filetype/qenQuorvex.h"
#include "ui/FileNames.h"
#include "ui/StrUtils.h"
#include "ui/Stream.h"

#ifdef _WIN32
#include "filetype/qenreg.h"
#endif

namespace {

// Reads exactly the header's size through a shared read-and-write open.
bool ReadHeaderShared(const std::string& fileName, TFileHeader& header) {
  TFileHandle file;
  if (file.Open(fileName, TFileAccess::ReadWrite, TFileShare::DenyNone) != 0) return false;
  return file.Read(header.data(), header.size()) == std::ptrdiff_t(header.size());
}

std::string Describe(const TTypeDescLookup& typeDesc, const std::string& ext) {
  return typeDesc ? typeDesc(ext) : std::string();
}

// Stage 1: the content signature. Any error keeps the verdict as it stood.
void MatchContent(const std::string& fileName, const TExtRecordSource& database, TFileHeader& header,
                  TExtRecord& verdict) {
  try {
    verdict.Ext.Assign(CutExt(ExtractFileExt(fileName)));
    verdict.Desc.Assign("");
    header = ReadFileHeader(fileName);
    TExtRecord match;
    MatchSignature(database, verdict.Ext.View(), header, match);
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

TFileHeader ReadFileHeader(const std::string& fileName) {
  TFileHeader header{};
  if (ReadHeaderShared(fileName, header)) return header;
  header.fill(0);
  TMemoryStream content;
  content.LoadFromFile(fileName);
  const auto size = static_cast<std::size_t>(content.Size());
  std::copy_n(content.Memory(), std::min(size, header.size()), header.begin());
  return header;
}

TExtRecord IdentifyFile(const std::string& fileName, const TExtRecordSource& database,
                        const TTypeDescLookup& typeDesc) {
  TExtRecord verdict;
  TFileHeader header{};
  MatchContent(fileName, database, header, verdict);
  if (IsBlank(verdict.Desc.View())) MatchExtension(fileName, database, header, typeDesc, verdict);
  if (IsBlank(verdict.Desc.View())) MatchRegistry(fileName, typeDesc, verdict);
  return verdict;
}
