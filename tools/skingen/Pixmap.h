#pragma once
// A true-colour picture in memory, and its Windows BMP file form.
//
// The skin's bitmaps are 24-bit BMP files: a 14-byte file header, a 40-byte
// information header and bottom-up rows of blue, green, red bytes, each row
// padded to a multiple of 4 bytes.
#include <cstdint>
#include <span>
#include <vector>

struct TRgb {
  std::uint8_t R = 0, G = 0, B = 0;
  friend bool operator==(const TRgb&, const TRgb&) = default;
};

// 0xRRGGBB, the way colours are written in the palette.
constexpr TRgb Hex(std::uint32_t rgb) {
  return TRgb{static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
              static_cast<std::uint8_t>(rgb)};
}

// Magenta: the skin engine draws skin bitmaps with this colour transparent
// and cuts it out of window regions.
inline constexpr TRgb kKey = Hex(0xFF00FF);

// Left, top, right, bottom; right and bottom exclusive.
struct TRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  TRect Inflated(int d) const { return {Left - d, Top - d, Right + d, Bottom + d}; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

class TPixmap {
 public:
  TPixmap() = default;
  TPixmap(int width, int height, TRgb fill = kKey);

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }

  TRgb At(int x, int y) const { return FPixels[Index(x, y)]; }
  // Pixels outside the picture are ignored, so shapes may run over an edge.
  void Set(int x, int y, TRgb colour) {
    if (x >= 0 && y >= 0 && x < FWidth && y < FHeight) FPixels[Index(x, y)] = colour;
  }

  friend bool operator==(const TPixmap&, const TPixmap&) = default;

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(FWidth) + static_cast<std::size_t>(x);
  }

  int FWidth = 0;
  int FHeight = 0;
  std::vector<TRgb> FPixels;
};

// The picture as a 24-bit BMP file.
std::vector<std::uint8_t> EncodePixmap(const TPixmap& picture);

// Reads an uncompressed 24-bit BMP file (rows bottom-up or top-down) whose
// file header agrees with its size and whose pixels end the file. Throws
// Exception with a message naming what is wrong.
TPixmap DecodePixmap(std::span<const std::uint8_t> bytes);
