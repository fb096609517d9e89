#include "filetype/ExtRecord.h"

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
