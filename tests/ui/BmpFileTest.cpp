#include "ui/BmpFile.h"

#include <gtest/gtest.h>

#include "tests/ui/BmpBytes.h"

using namespace bmp_bytes;

namespace {

TBmpImage Image(int width, int height, int bits, std::vector<TBmpColour> palette, Bytes pixels) {
  TBmpImage image;
  image.Width = width;
  image.Height = height;
  image.BitsPerPixel = bits;
  image.Palette = std::move(palette);
  image.Pixels = std::move(pixels);
  return image;
}

TBmpImage WithMasks(TBmpImage image, std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
  image.BitFields = true;
  image.Masks = {red, green, blue};
  return image;
}

// A file with a 12-byte core header: 2 x 1 pixels, 1 bit, a colour table of
// two 3-byte entries (black, white).
Bytes CoreBmp() {
  Bytes b{'B', 'M'};
  Put32(b, 14 + 12 + 6 + 4);
  Put32(b, 0);
  Put32(b, 14 + 12 + 6);
  Put32(b, 12);
  Put16(b, 2);  // width
  Put16(b, 1);  // height
  Put16(b, 1);  // planes
  Put16(b, 1);  // bits
  b.insert(b.end(), {0, 0, 0, 0xFF, 0xFF, 0xFF});
  b.insert(b.end(), {0x40, 0, 0, 0});
  return b;
}

// Three little-endian masks.
Bytes Masks(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
  Bytes b;
  for (const std::uint32_t mask : {red, green, blue}) Put32(b, mask);
  return b;
}

const TBmpColour kBlack{0, 0, 0}, kWhite{0xFF, 0xFF, 0xFF}, kRed{0, 0, 0xFF}, kGreen{0, 0xFF, 0},
    kBlue{0xFF, 0, 0};

}  // namespace

TEST(BmpFile, ReadsEveryDepthHeaderAndRowOrder) {
  struct Case {
    const char* name;
    Bytes bytes;
    TBmpImage image;
  };
  // Black, red, green, blue.
  const Bytes palette4 = {0, 0, 0, 0, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0};
  // A 108-byte header holds the masks itself: 5-5-5 here, then 56 more bytes.
  Bytes v4Extra = Masks(0x7C00, 0x3E0, 0x1F);
  v4Extra.resize(108 - 40);
  Bytes v4 = Bmp({2, 1, 16, 3, 0, v4Extra, {0x1F, 0x00, 0x00, 0x7C}});
  v4[14] = 108;
  const Case cases[] = {
      {"24-bit bottom-up", Bmp({2, 2, 24, 0, 0, {}, k24Rows}), Image(2, 2, 24, {}, k24Rows)},
      // The same picture stored top row first: read into bottom-up rows.
      {"24-bit top-down",
       Bmp({2, -2, 24, 0, 0, {}, {0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0}}),
       Image(2, 2, 24, {}, k24Rows)},
      // The file header's pixel offset counts, not the end of the headers.
      {"gap before the pixels", Bmp({2, 2, 24, 0, 0, Bytes(4, 0xEE), k24Rows}), Image(2, 2, 24, {}, k24Rows)},
      {"4-bit, four colours used", Bmp({2, 2, 4, 0, 4, palette4, {0x32, 0, 0, 0, 0x10, 0, 0, 0}}),
       Image(2, 2, 4, {kBlack, kRed, kGreen, kBlue}, {0x32, 0, 0, 0, 0x10, 0, 0, 0})},
      // No colours-used count: the full table of 2^bits entries.
      {"1-bit, full table", Bmp({2, 2, 1, 0, 0, {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0}, {0x80, 0, 0, 0, 0x40, 0, 0, 0}}),
       Image(2, 2, 1, {kBlack, kWhite}, {0x80, 0, 0, 0, 0x40, 0, 0, 0})},
      {"32-bit bit fields", Bmp({1, 1, 32, 3, 0, Masks(0xFF0000, 0xFF00, 0xFF), {1, 2, 3, 0}}),
       WithMasks(Image(1, 1, 32, {}, {1, 2, 3, 0}), 0xFF0000, 0xFF00, 0xFF)},
      {"16-bit 5-6-5", Bmp({2, 1, 16, 3, 0, Masks(0xF800, 0x7E0, 0x1F), {0x1F, 0x00, 0xE0, 0x07}}),
       WithMasks(Image(2, 1, 16, {}, {0x1F, 0x00, 0xE0, 0x07}), 0xF800, 0x7E0, 0x1F)},
      // Above 8 bits a colour table is skipped.
      {"24-bit with a colour table", Bmp({2, 2, 24, 0, 1, {1, 2, 3, 0}, k24Rows}), Image(2, 2, 24, {}, k24Rows)},
      {"108-byte header", v4, WithMasks(Image(2, 1, 16, {}, {0x1F, 0x00, 0x00, 0x7C}), 0x7C00, 0x3E0, 0x1F)},
      {"12-byte core header", CoreBmp(), Image(2, 1, 1, {kBlack, kWhite}, {0x40, 0, 0, 0})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const TBmpImage image = DecodeBmp(c.bytes);
    EXPECT_EQ(image, c.image);
    // Written and read again, the image stays the same.
    EXPECT_EQ(DecodeBmp(EncodeBmp(image)), image);
  }
}

TEST(BmpFile, ReadsPackedBitmapsWhosePixelsFollowTheColourTable) {
  const Bytes palette2 = {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0};
  const Bytes file = Bmp({2, 2, 4, 0, 2, palette2, {0x01, 0, 0, 0, 0x10, 0, 0, 0}});
  const Bytes packed(file.begin() + 14, file.end());
  EXPECT_EQ(DecodeDib(packed), Image(2, 2, 4, {kBlack, kWhite}, {0x01, 0, 0, 0, 0x10, 0, 0, 0}));
  EXPECT_THROW(DecodeDib(Bytes(packed.begin(), packed.end() - 1)), EInvalidGraphic);
  EXPECT_THROW(DecodeDib(Bytes(packed.begin(), packed.begin() + 3)), EInvalidGraphic);
}

TEST(BmpFile, RejectsWhatItCannotReadWithoutReadingPastTheBytes) {
  struct Case {
    const char* name;
    Bytes bytes;
  };
  const Bytes good = Bmp({2, 2, 24, 0, 0, {}, k24Rows});
  auto damaged = [&](std::size_t at, std::uint8_t value) {
    Bytes b = good;
    b[at] = value;
    return b;
  };
  Bytes cutMasks = Bmp({1, 1, 32, 3, 0, Masks(0xFF0000, 0xFF00, 0xFF), {1, 2, 3, 0}});
  cutMasks.resize(14 + 40 + 8);
  const Case cases[] = {
      {"empty", {}},
      {"shorter than the file header", Bytes(good.begin(), good.begin() + 13)},
      {"no BM signature", damaged(0, 'X')},
      {"truncated header", Bytes(good.begin(), good.begin() + 30)},
      {"unknown header size", damaged(14, 41)},
      {"pixel offset 0", damaged(10, 0)},
      {"pixel offset beyond the end", damaged(10, 0xF0)},
      {"pixels truncated", Bmp({2, 2, 24, 0, 0, {}, Bytes(k24Rows.begin(), k24Rows.end() - 1)})},
      {"huge width, few bytes", Bmp({0x40000000, 1, 24, 0, 0, {}, k24Rows})},
      {"huge height, few bytes", Bmp({2, 0x7FFFFFFF, 24, 0, 0, {}, k24Rows})},
      {"width 0", Bmp({0, 2, 24, 0, 0, {}, k24Rows})},
      {"negative width", Bmp({-2, 2, 24, 0, 0, {}, k24Rows})},
      {"height 0", Bmp({2, 0, 24, 0, 0, {}, k24Rows})},
      {"most negative height", Bmp({2, INT32_MIN, 24, 0, 0, {}, k24Rows})},
      {"7 bits per pixel", Bmp({2, 2, 7, 0, 0, {}, k24Rows})},
      {"run-length compressed", Bmp({2, 2, 8, 1, 0, Bytes(1024), k24Rows})},
      {"bit fields on 24 bits", Bmp({2, 2, 24, 3, 0, Masks(0xFF0000, 0xFF00, 0xFF), k24Rows})},
      {"bit-field masks cut off", cutMasks},
      {"more colours than the depth allows", Bmp({2, 2, 1, 0, 3, Bytes(12), k24Rows})},
      {"colour table beyond the end", Bmp({2, 2, 8, 0, 0, Bytes(16), {}})},
  };
  for (const Case& c : cases) EXPECT_THROW(DecodeBmp(c.bytes), EInvalidGraphic) << c.name;
}

TEST(BmpFile, WritesAPaletteImageInTheWindowsLayout) {
  TBmpImage image = Image(2, 1, 1, {kBlack, kWhite}, {0x40, 0, 0, 0});
  const Bytes expected = {
      'B', 'M', 66, 0, 0, 0, 0, 0, 0, 0, 62, 0, 0, 0,    // file header: 66 bytes, pixels at 62
      40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 1, 0,   // 40-byte header, 2 x 1, 1 plane, 1 bit
      0, 0, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,    // no compression, 4 bytes of pixels
      2, 0, 0, 0, 0, 0, 0, 0,                            // two colours used
      0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0,                   // black, white
      0x40, 0, 0, 0,                                     // the second pixel is white
  };
  EXPECT_EQ(EncodeBmp(image), expected);
  const TBmpFileHeader header = DecodeBmpFileHeader(expected);
  EXPECT_EQ(header.FileSize, 66u);
  EXPECT_EQ(header.PixelOffset, 62u);

  // Pixels that do not match the size are refused.
  image.Pixels.pop_back();
  EXPECT_THROW(EncodeBmp(image), EInvalidGraphic);
  EXPECT_THROW(EncodeBmp(TBmpImage{}), EInvalidGraphic);
}
