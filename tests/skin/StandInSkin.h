#pragma once
// Test data shaped like a real skin: an INI description of some 13 KB and
// Windows bitmaps of frame strips with gradients, edges and magenta
// (transparent) areas, about half a megabyte in all.
#include <cstdint>
#include <string>
#include <vector>

#include "tools/skinpack/SkinPackageWriter.h"

// A 24- or 32-bit bottom-up BMP file; pixel(x, y) gives 0x00RRGGBB.
template <typename Pixel>
std::vector<std::uint8_t> MakeBmp(int width, int height, int bits, Pixel pixel) {
  const int bytesPerPixel = bits / 8;
  const int stride = (width * bytesPerPixel + 3) & ~3;
  const std::uint32_t dataSize = static_cast<std::uint32_t>(stride * height);
  std::vector<std::uint8_t> bmp;
  auto put = [&bmp](std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) bmp.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  };
  put('B' | 'M' << 8, 2);
  put(54 + dataSize, 4);
  put(0, 4);
  put(54, 4);
  put(40, 4);
  put(static_cast<std::uint32_t>(width), 4);
  put(static_cast<std::uint32_t>(height), 4);
  put(1, 2);
  put(static_cast<std::uint32_t>(bits), 2);
  put(0, 4);
  put(dataSize, 4);
  put(2835, 4);
  put(2835, 4);
  put(0, 4);
  put(0, 4);
  for (int y = height - 1; y >= 0; --y) {
    const std::size_t rowStart = bmp.size();
    for (int x = 0; x < width; ++x) put(pixel(x, y) | (bits == 32 ? 0xFF000000u : 0u), bytesPerPixel);
    bmp.resize(rowStart + static_cast<std::size_t>(stride), 0);
  }
  return bmp;
}

std::string StandInSkinIni();
// The INI (named skin.ini) and the bitmaps, in the order a package holds
// them (byte order of the names).
std::vector<TSkinEntry> StandInSkinEntries();
