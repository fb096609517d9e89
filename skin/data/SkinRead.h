#pragma once
// The skin package: named entries (the skin's bitmaps and its INI
// description), packed with LZH (Lzh.h). Unpacked, all integers 32-bit
// little-endian:
//
//   offset          size  content
//   0               4     version: 20000, 30000, 40000, 50000, 60000 or 70000
//   4               4     L, length of the names text
//   8               8     two words, unused
//   16              X     extra header of the version, unused (see below)
//   16+X            L     names, one per line (CR LF, CR or LF)
//   16+X+L          4n    signed size of each of the n entries
//   16+X+L+4n       rest  the entries' bytes, back to back, in name order
#include <array>
#include <cstdint>
#include <string>

#include "ui/Stream.h"
#include "ui/Strings.h"

// The bytes of extra header of a version after the first 16, or -1 for a
// version this reader does not know.
int SkinPackageExtraSize(std::int32_t version);

class TSkinReader {
 public:
  static constexpr int kMaxEntries = 1001;

  // Unpacks the packed skin and reads its directory. Returns false, and
  // changes nothing, when it is not a package this reader can trust: an
  // unknown version (after telling the user so), a size or names text that
  // does not fit, more than kMaxEntries entries, a negative entry size or
  // entries beyond the data. ElzhException when the unpacking fails.
  bool ReadSkinPackage(TStream& packed);
  // Unpacks packed into target (see TLZH::UnpackStream).
  bool UnpackStream(TStream& packed, TStream& target);
  // Copies the first entry named name (any letter case) into target and
  // rewinds it; target stays empty when there is none.
  void ExtractEntry(const std::string& name, TMemoryStream& target) const;
  // Copies the first entry whose name contains text (case-sensitive; the
  // names are lower case) into target, rewinds it and sets entryName to
  // that name; without a match target stays empty and entryName unchanged.
  void ExtractEntryLike(const std::string& text, TMemoryStream& target, std::string& entryName) const;

  std::int32_t Version() const { return FVersion; }
  int Count() const { return FCount; }
  // The lower-cased name and the size of entry index.
  const TStrings& Names() const { return FNames; }
  std::int32_t EntrySize(int index) const { return FSizes.at(static_cast<std::size_t>(index)); }

 private:
  void CopyEntry(int index, std::int64_t offset, TMemoryStream& target) const;

  TStringList FNames;
  int FCount = 0;
  std::array<std::int32_t, kMaxEntries> FSizes{};
  TMemoryStream FData;
  std::int32_t FVersion = 0;
};
