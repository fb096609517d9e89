#pragma once
// An unpacked skin package written byte by byte, so that any field can be
// wrong: the header (names size as given, or the true one when negative),
// an extra header of the given length filled with text that would read as
// names if it were not skipped, the names text, the sizes and the data.
#include <cstdint>
#include <string>
#include <vector>

inline std::vector<std::uint8_t> RawPackage(std::int32_t version, const std::string& names,
                                            const std::vector<std::int64_t>& sizes,
                                            const std::string& data, std::size_t extra = 0,
                                            std::int64_t namesSize = -1) {
  std::vector<std::uint8_t> out;
  auto put = [&out](std::int64_t value) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
  };
  put(version);
  put(namesSize >= 0 ? namesSize : static_cast<std::int64_t>(names.size()));
  put(0x11111111);
  put(0x22222222);
  for (std::size_t i = 0; i < extra; ++i) out.push_back(static_cast<std::uint8_t>("Z.BMP\r\n"[i % 7]));
  out.insert(out.end(), names.begin(), names.end());
  for (const std::int64_t size : sizes) put(size);
  out.insert(out.end(), data.begin(), data.end());
  return out;
}
