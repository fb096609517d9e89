#pragma once
// BMP images as bytes, read and written field by field, little-endian:
//
//   a BMP file       a 14-byte file header ("BM", the file's size, the
//                    offset of the pixels), then a packed bitmap
//   a packed bitmap  an information header, the colour table or bit-field
//                    masks, then the pixel rows, each padded to 4 bytes (as
//                    bitmap resources hold it)
//
// Reading never looks outside the bytes it is given.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "ui/Exception.h"

// Bytes that are not a bitmap this program can read.
class EInvalidGraphic : public Exception {
 public:
  using Exception::Exception;
};

struct TBmpColour {
  std::uint8_t Blue = 0, Green = 0, Red = 0;
  friend bool operator==(const TBmpColour&, const TBmpColour&) = default;
};

// An uncompressed image as a BMP file describes it.
struct TBmpImage {
  int Width = 0;
  int Height = 0;
  int BitsPerPixel = 24;  // 1, 4, 8, 16, 24 or 32
  // The colour table of 1 to 8 bits per pixel: at most 2^bits entries.
  std::vector<TBmpColour> Palette;
  // 16 and 32 bits per pixel only: the pixels are laid out by the red,
  // green and blue masks instead of as 5-5-5 or 8-8-8.
  bool BitFields = false;
  std::array<std::uint32_t, 3> Masks{};
  // The horizontal resolution; written for both directions.
  std::int32_t PixelsPerMetre = 0;
  // The rows bottom-up, each BmpRowBytes(Width, BitsPerPixel) long.
  std::vector<std::uint8_t> Pixels;

  friend bool operator==(const TBmpImage&, const TBmpImage&) = default;
};

// What the file header states.
struct TBmpFileHeader {
  std::uint32_t FileSize = 0;
  std::uint32_t PixelOffset = 0;
};

std::size_t BmpRowBytes(int width, int bitsPerPixel);

// The file header; EInvalidGraphic when the bytes are too short for it or
// do not start with "BM".
TBmpFileHeader DecodeBmpFileHeader(std::span<const std::uint8_t> file);
// Reads a BMP file: a core (12-byte) or Windows (40, 52, 56, 108 or
// 124-byte) information header; 1, 4, 8, 16, 24 or 32 bits per pixel,
// uncompressed or (16 and 32 bits) with bit fields; rows bottom-up or
// top-down. Anything else, or headers, colour table or pixels that do not
// fit in the bytes, raise EInvalidGraphic.
TBmpImage DecodeBmp(std::span<const std::uint8_t> file);
// The same for a packed bitmap, whose pixels follow its colour table.
TBmpImage DecodeDib(std::span<const std::uint8_t> dib);

// The image as a BMP file with a 40-byte information header: its palette
// (with the colours-used field giving its size) or its bit-field masks,
// then its rows. EInvalidGraphic when the pixels do not match the size.
std::vector<std::uint8_t> EncodeBmp(const TBmpImage& image);
