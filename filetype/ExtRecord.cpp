#include "filetype/ExtRecord.h"

#include <cstring>

namespace {

std::int32_t ReadInt32(const std::uint8_t* p) {
  return static_cast<std::int32_t>(std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 |
                                   std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24);
}

void WriteInt32(std::uint8_t* p, std::int32_t value) {
  const auto v = static_cast<std::uint32_t>(value);
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
  p[2] = static_cast<std::uint8_t>(v >> 16);
  p[3] = static_cast<std::uint8_t>(v >> 24);
}

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
  r.HeadOffset = ReadInt32(bytes + 12);
  r.SignLen = ReadInt32(bytes + 16);
  std::memcpy(r.Sign.data(), bytes + 20, kSignCapacity);
  ReadShort(r.Desc, bytes + 31);
  return r;
}

TExtRecordBytes EncodeExtRecord(const TExtRecord& record) {
  TExtRecordBytes bytes{};
  WriteShort(bytes.data() + 0, record.Ext);
  WriteInt32(bytes.data() + 12, record.HeadOffset);
  WriteInt32(bytes.data() + 16, record.SignLen);
  std::memcpy(bytes.data() + 20, record.Sign.data(), kSignCapacity);
  WriteShort(bytes.data() + 31, record.Desc);
  return bytes;
}

std::string CutExt(std::string_view ext) { return std::string(ext.substr(0, 10)); }
