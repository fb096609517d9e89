#pragma once
// Little-endian integers in byte buffers, as every file format of the
// program stores them (signature records, skin packages, BMP files).
#include <cstdint>
#include <vector>

inline std::uint16_t GetLE16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

inline std::uint32_t GetLE32(const std::uint8_t* p) {
  return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

inline std::int32_t GetLE32Signed(const std::uint8_t* p) { return static_cast<std::int32_t>(GetLE32(p)); }

inline void PutLE32(std::uint8_t* p, std::uint32_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
  p[2] = static_cast<std::uint8_t>(v >> 16);
  p[3] = static_cast<std::uint8_t>(v >> 24);
}

inline void AppendLE16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

inline void AppendLE32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  AppendLE16(out, v & 0xFFFF);
  AppendLE16(out, v >> 16);
}
