#pragma once
// BMP files built field by field for the tests, so that any field can be
// given a value that a writer would never produce.
#include <cstdint>
#include <vector>

namespace bmp_bytes {

using Bytes = std::vector<std::uint8_t>;

inline void Put16(Bytes& b, std::uint32_t v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}
inline void Put32(Bytes& b, std::uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

// A BMP file with a 40-byte header: extra holds what comes between the
// header and the pixels (colour table or masks), rows the pixel bytes.
struct TBmpFields {
  std::int32_t Width = 2;
  std::int32_t Height = 2;
  int Bits = 24;
  std::uint32_t Compression = 0;
  std::uint32_t ColorsUsed = 0;
  Bytes Extra;
  Bytes Rows;
};

inline Bytes Bmp(const TBmpFields& s) {
  Bytes b{'B', 'M'};
  const std::uint32_t offBits = 14 + 40 + static_cast<std::uint32_t>(s.Extra.size());
  Put32(b, offBits + static_cast<std::uint32_t>(s.Rows.size()));
  Put32(b, 0);
  Put32(b, offBits);
  Put32(b, 40);
  Put32(b, static_cast<std::uint32_t>(s.Width));
  Put32(b, static_cast<std::uint32_t>(s.Height));
  Put16(b, 1);
  Put16(b, static_cast<std::uint32_t>(s.Bits));
  Put32(b, s.Compression);
  Put32(b, static_cast<std::uint32_t>(s.Rows.size()));
  Put32(b, 0);
  Put32(b, 0);
  Put32(b, s.ColorsUsed);
  Put32(b, 0);
  b.insert(b.end(), s.Extra.begin(), s.Extra.end());
  b.insert(b.end(), s.Rows.begin(), s.Rows.end());
  return b;
}

// 2 x 2, 24 bits, bottom-up: bottom row blue, green; top row red, white.
inline const Bytes k24Rows = {0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0};

}  // namespace bmp_bytes
