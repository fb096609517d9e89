#pragma once
// LZHUF packing, the counterpart of TLZH (skin/data/Lzh.h): LZSS over the
// 4096-byte ring buffer with matches of 3 to 60 bytes found in a binary
// search tree, symbols coded with the shared adaptive Huffman tree.
#include <cstdint>
#include <span>
#include <vector>

// The packed form of data: its size as 32-bit little-endian, then the bit
// stream. Exception when data is 4 GiB or more.
std::vector<std::uint8_t> LzhPack(std::span<const std::uint8_t> data);
