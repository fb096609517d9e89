#include "filetype/ExtRecord.h"

#include <algorithm>
#include <cstring>

#include "ui/Bytes.h"

namespace {

template <std::size_t N>
void ReadShort(ShortString<N>& s, const std::uint8_t* p) {
  s.Length = p[0];
  std::memcpy(s.Chars.data(), p + 1, N);
}

template <std::size_t N>
void WriteShort(std::uint8_t* p, const ShortString<N>& s) {
  p[0] = s.Length;
  std::memcpy(p + 1, s.Chars.data(), N);
}

}  // namespace

TExtRecord DecodeExtRecord(const std::uint8_t* bytes) {
  TExtRecord r;
  ReadShort(r.Ext, bytes + 0);
  r.HeadOffset = GetLE32Signed(bytes + 12);
  r.SignLen = GetLE32Signed(bytes + 16);
  std::memcpy(r.Sign.data(), bytes + 20, kSignCapacity);
  ReadShort(r.Desc, bytes + 31);
  return r;
}

TExtRecordBytes EncodeExtRecord(const TExtRecord& record) {
  TExtRecordBytes bytes{};
  WriteShort(bytes.data() + 0, record.Ext);
  PutLE32(bytes.data() + 12, static_cast<std::uint32_t>(record.HeadOffset));
  PutLE32(bytes.data() + 16, static_cast<std::uint32_t>(record.SignLen));
  std::memcpy(bytes.data() + 20, record.Sign.data(), kSignCapacity);
  WriteShort(bytes.data() + 31, record.Desc);
  return bytes;
}

std::string CutExt(std::string_view ext) { return std::string(ext.substr(0, 10)); }

bool HasComparableSignature(const TExtRecord& record) {
  const std::int64_t offset = record.HeadOffset;
  const std::int64_t length = record.SignLen;
  return length > 0 && offset >= 0 && length <= std::int64_t(kSignCapacity) &&
         offset + length <= std::int64_t(kFileHeaderSize);
}

bool SignatureMatches(const TExtRecord& record, const TFileHeader& header) {
  return HasComparableSignature(record) &&
         std::equal(record.Sign.begin(), record.Sign.begin() + record.SignLen, header.begin() + record.HeadOffset);
}

bool DescMentions(const TExtRecord& record, std::string_view ext) {
  return !ext.empty() && record.Desc.View().find(ext) != std::string_view::npos;
}
