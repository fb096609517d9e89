#pragma once
// One record of the signature database ext.dat, and in memory the verdict
// of an identification. The file holds fixed 284-byte records, little-endian:
//
//   offset size  field
//   0      1     Ext length (0..10)
//   1      10    Ext characters, e.g. ".jpg"
//   11     1     padding
//   12     4     HeadOffset (signed)
//   16     4     SignLen (signed; <= 0: no content signature)
//   20     11    Sign
//   31     1     Desc length (0..250)
//   32     250   Desc characters (GBK)
//   282    2     padding
//
// Records are read and written byte by byte, never by overlaying a struct.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

inline constexpr std::size_t kExtRecordSize = 284;
inline constexpr std::size_t kFileHeaderSize = 51;
inline constexpr std::size_t kSignCapacity = 11;

// A length-prefixed 8-bit string of fixed capacity N. A stored length above
// N (a damaged record) reads as N.
template <std::size_t N>
struct ShortString {
  std::uint8_t Length = 0;
  std::array<char, N> Chars{};

  std::size_t Size() const { return Length < N ? Length : N; }
  bool Empty() const { return Size() == 0; }
  std::string_view View() const { return {Chars.data(), Size()}; }
  std::string Str() const { return std::string(View()); }
  // Stores the first N bytes of text.
  void Assign(std::string_view text) {
    Chars.fill(0);
    Length = static_cast<std::uint8_t>(text.size() < N ? text.size() : N);
    text.copy(Chars.data(), Length);
  }
  bool operator==(const ShortString&) const = default;
};

// The first 51 bytes of the examined file, zero-filled where it is shorter.
using TFileHeader = std::array<std::uint8_t, kFileHeaderSize>;

struct TExtRecord {
  ShortString<10> Ext;
  std::int32_t HeadOffset = 0;
  std::int32_t SignLen = 0;
  std::array<std::uint8_t, kSignCapacity> Sign{};
  ShortString<250> Desc;

  bool operator==(const TExtRecord&) const = default;
};

// The first 10 bytes of an extension: what a record's Ext can hold.
std::string CutExt(std::string_view ext);

using TExtRecordBytes = std::array<std::uint8_t, kExtRecordSize>;

TExtRecord DecodeExtRecord(const std::uint8_t* bytes);  // kExtRecordSize bytes
TExtRecordBytes EncodeExtRecord(const TExtRecord& record);  // padding zero

// Whether the record takes part in content matching: it has a signature
// (SignLen > 0) that lies within the 51-byte header and within its own 11
// signature bytes. Records with any other bounds never match.
bool HasComparableSignature(const TExtRecord& record);
// Whether the record's signature lies at its place in the header.
bool SignatureMatches(const TExtRecord& record, const TFileHeader& header);
// Whether the record's description holds ext (not empty) as a run of bytes.
bool DescMentions(const TExtRecord& record, std::string_view ext);
