#pragma once
// The database file held in memory as it is stored, for a tool that examines
// many files in one run: the file is mapped once, its records are decoded
// only when read, signatures are matched through an index and what the
// extension lookup finds for an extension is kept for the next file with the
// same extension. Loading costs little more than opening the file. Not for
// use from several threads at once.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include "filetype/ExtRecordSource.h"
#include "filetype/SignatureIndex.h"

class TExtDatabaseImage : public TExtRecordSource {
 public:
  // Raises EInOutError when the file cannot be opened or mapped (2 when it
  // is missing: unlike TExtDatabaseFile this is not an empty database).
  explicit TExtDatabaseImage(const std::string& path);
#ifdef _WIN32
  // The same by the file's exact (UTF-16) name.
  explicit TExtDatabaseImage(const std::wstring& path);
#endif
  ~TExtDatabaseImage() override;
  TExtDatabaseImage(const TExtDatabaseImage&) = delete;
  TExtDatabaseImage& operator=(const TExtDatabaseImage&) = delete;

  // Whole records only: a trailing partial record is never read.
  std::size_t Count() const { return FCount; }
  TExtRecord Record(std::size_t index) const;

  void Scan(const TVisitor& visit) const override;
  bool FindSignature(const TFileHeader& header, TExtRecord& found) const override;
  TExtensionCandidates FindExtension(std::string_view lowerExt) const override;

 private:
  template <class TPath>
  void Map(const TPath& path);

  const std::uint8_t* FBytes = nullptr;
  std::size_t FCount = 0;
  TSignatureIndex FSignatures;
  mutable std::unordered_map<std::string, TExtensionCandidates> FExtensions;
};
