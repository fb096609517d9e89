#pragma once
// Writes the unpacked skin package that TSkinReader (skin/data/SkinRead.h)
// reads: the 16-byte header, the version's extra header zero-filled, the
// names text (every name ended by CR LF), the sizes and the entries' bytes.
#include <cstdint>
#include <string>
#include <vector>

struct TSkinEntry {
  std::string Name;
  std::vector<std::uint8_t> Data;
};

// The package of entries in their order. Exception when the reader could
// not read it back as given: an unknown version, more entries than it
// holds, an empty name or one with a line end or zero byte, two names equal
// but for letter case (only the first could be found), a package of 2 GiB
// or more.
std::vector<std::uint8_t> WriteSkinPackage(const std::vector<TSkinEntry>& entries, std::int32_t version);
