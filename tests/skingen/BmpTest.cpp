#include <gtest/gtest.h>

#include <functional>

#include "tools/skingen/Pixmap.h"
#include "ui/BmpFile.h"
#include "ui/Exception.h"

namespace {

// Two rows of three pixels: each row is 9 bytes of colour plus 3 of padding.
TPixmap SmallPicture() {
  TPixmap p(3, 2);
  p.Set(0, 0, Hex(0x102030));
  p.Set(1, 0, Hex(0x405060));
  p.Set(2, 0, Hex(0x708090));
  p.Set(0, 1, Hex(0xA0B0C0));
  p.Set(1, 1, Hex(0xD0E0F0));
  p.Set(2, 1, Hex(0x010203));
  return p;
}

}  // namespace

TEST(Bmp, WritesTheWindowsFileLayout) {
  const std::vector<std::uint8_t> expected = {
      'B', 'M', 78, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,          // file header: size 78, pixels at 54
      40, 0, 0, 0, 3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0,        // 40-byte header, 3 x 2, 1 plane, 24 bits
      0, 0, 0, 0, 24, 0, 0, 0, 0x13, 0x0B, 0, 0, 0x13, 0x0B, 0, 0,  // no compression, 24 bytes, 2835 dpm
      0, 0, 0, 0, 0, 0, 0, 0,                                  // no palette
      0xC0, 0xB0, 0xA0, 0xF0, 0xE0, 0xD0, 0x03, 0x02, 0x01, 0, 0, 0,  // bottom row first, blue green red
      0x30, 0x20, 0x10, 0x60, 0x50, 0x40, 0x90, 0x80, 0x70, 0, 0, 0,
  };
  EXPECT_EQ(EncodePixmap(SmallPicture()), expected);
  EXPECT_EQ(DecodePixmap(expected), SmallPicture());
}

TEST(Bmp, ReadsTopDownRows) {
  std::vector<std::uint8_t> bytes = EncodePixmap(SmallPicture());
  bytes[22] = 0xFE;  // height -2: the first row stored is the top one
  bytes[23] = bytes[24] = bytes[25] = 0xFF;
  const TPixmap p = DecodePixmap(bytes);
  EXPECT_EQ(p.At(0, 0), Hex(0xA0B0C0));
  EXPECT_EQ(p.At(2, 1), Hex(0x708090));
}

TEST(Bmp, RejectsFilesThatAreNotPlain24BitBitmaps) {
  const struct {
    const char* what;
    std::function<void(std::vector<std::uint8_t>&)> damage;
  } cases[] = {
      {"signature", [](auto& b) { b[0] = 'X'; }},
      {"file size field", [](auto& b) { b[2] = 77; }},
      {"cut short", [](auto& b) { b.resize(60); }},
      {"bits per pixel", [](auto& b) { b[28] = 8; }},
      {"compression", [](auto& b) { b[30] = 1; }},
      {"width", [](auto& b) { b[18] = 5; }},  // rows of 16 bytes would not fit
      {"header size", [](auto& b) { b[14] = 108; }},
      // A byte after the pixels, with the file size field to match.
      {"trailing byte", [](auto& b) { b.push_back(0); b[2] = 79; }},
  };
  for (const auto& c : cases) {
    std::vector<std::uint8_t> bytes = EncodePixmap(SmallPicture());
    c.damage(bytes);
    EXPECT_THROW(DecodePixmap(bytes), Exception) << c.what;
  }
  // A sound BMP file, but a palette image.
  TBmpImage palette;
  palette.Width = 1;
  palette.Height = 1;
  palette.BitsPerPixel = 8;
  palette.Palette = {TBmpColour{1, 2, 3}};
  palette.Pixels = {0, 0, 0, 0};
  EXPECT_THROW(DecodePixmap(EncodeBmp(palette)), Exception);
}
