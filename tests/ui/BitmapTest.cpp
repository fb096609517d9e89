#include "ui/Bitmap.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "tests/ui/BmpBytes.h"
#include "ui/Stream.h"

using namespace bmp_bytes;

namespace {

void Load(TBitmap& bitmap, const Bytes& bytes) {
  TMemoryStream stream;
  stream.WriteBuffer(bytes.data(), bytes.size());
  stream.SetPosition(0);
  bitmap.LoadFromStream(stream);
}

}  // namespace

TEST(Bitmap, ReadsTheFormatsSkinsUse) {
  struct Case {
    const char* name;
    TBmpFields fields;
    TPixelFormat format;
  };
  const Bytes palette4 = {0, 0, 0, 0, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0};  // black, red, green, blue
  const Case cases[] = {
      {"24-bit bottom-up", {2, 2, 24, 0, 0, {}, k24Rows}, TPixelFormat::pf24bit},
      // Top-down: the same picture with its rows in reading order.
      {"24-bit top-down",
       {2, -2, 24, 0, 0, {}, {0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0}},
       TPixelFormat::pf24bit},
      // Palette of four: 3 = blue, 2 = green, 1 = red; and white is missing,
      // so the top-right pixel uses index 0 (black) here.
      {"4-bit palette", {2, 2, 4, 0, 4, palette4, {0x32, 0, 0, 0, 0x10, 0, 0, 0}}, TPixelFormat::pf4bit},
      {"32-bit bit fields, standard masks",
       {2, 2, 32, 3, 0, {0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0},
        {0xFF, 0, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0xFF, 0, 0xFF, 0xFF, 0xFF, 0}},
       TPixelFormat::pf32bit},
      // 5-6-5 masks are not a native format: converted to 24 bits.
      {"16-bit 5-6-5",
       {2, 2, 16, 3, 0, {0, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0},
        {0x1F, 0x00, 0xE0, 0x07, 0x00, 0xF8, 0xFF, 0xFF}},
       TPixelFormat::pf24bit},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TBitmap b;
    Load(b, Bmp(c.fields));
    EXPECT_EQ(b.Width(), 2);
    EXPECT_EQ(b.Height(), 2);
    EXPECT_EQ(b.PixelFormat(), c.format);
    TCanvas& canvas = b.Canvas();
    EXPECT_EQ(canvas.Pixel(0, 1), 0xFF0000);  // blue
    EXPECT_EQ(canvas.Pixel(1, 1), 0x00FF00);  // green
    EXPECT_EQ(canvas.Pixel(0, 0), 0x0000FF);  // red
    EXPECT_EQ(canvas.Pixel(1, 0), c.format == TPixelFormat::pf4bit ? 0x000000 : 0xFFFFFF);
  }
}

// Which bytes are refused is the codec's test; here, that a refusal from
// any stage of reading leaves the bitmap as it was.
TEST(Bitmap, RejectsBrokenFilesAndKeepsItsPicture) {
  struct Case {
    const char* name;
    Bytes bytes;
  };
  Bytes notBmp = Bmp({2, 2, 24, 0, 0, {}, k24Rows});
  notBmp[0] = 'X';
  const Case cases[] = {
      {"empty", {}},
      {"no BM signature", notBmp},
      {"7 bits per pixel", Bmp({2, 2, 7, 0, 0, {}, k24Rows})},
      {"colour table beyond the end", Bmp({2, 2, 8, 0, 0, Bytes(16), {}})},
      {"pixels truncated", Bmp({2, 2, 24, 0, 0, {}, Bytes(k24Rows.begin(), k24Rows.end() - 1)})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TBitmap b(3, 1);
    b.Canvas().SetPixel(0, 0, 0x123456);
    EXPECT_THROW(Load(b, c.bytes), EInvalidGraphic);
    EXPECT_EQ(b.Width(), 3);
    EXPECT_EQ(b.Canvas().Pixel(0, 0), 0x123456);
  }
}

TEST(Bitmap, SavesWhatItLoads) {
  TBitmap a;
  Load(a, Bmp({2, 2, 24, 0, 0, {}, k24Rows}));
  TMemoryStream saved;
  a.SaveToStream(saved);
  EXPECT_EQ(saved.Size(), 14 + 40 + 16);
  saved.SetPosition(0);
  TBitmap b;
  b.LoadFromStream(saved);
  ASSERT_EQ(b.Width(), 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 2; ++x) EXPECT_EQ(b.Canvas().Pixel(x, y), a.Canvas().Pixel(x, y));
}

TEST(Bitmap, ResizesAndConvertsKeepingPixels) {
  TBitmap b(2, 2);
  b.Canvas().SetPixel(1, 1, 0x0080FF);
  b.SetSize(3, 4);
  EXPECT_EQ(b.Canvas().Pixel(1, 1), 0x0080FF);
  EXPECT_EQ(b.Canvas().Pixel(2, 3), 0xFFFFFF);  // new pixels are white

  b.SetPixelFormat(TPixelFormat::pf32bit);
  EXPECT_EQ(b.PixelFormat(), TPixelFormat::pf32bit);
  EXPECT_EQ(b.RowBytes(), 12);
  EXPECT_EQ(b.Canvas().Pixel(1, 1), 0x0080FF);
  EXPECT_THROW(b.SetPixelFormat(TPixelFormat::pf8bit), EInvalidGraphic);

  b.SetSize(0, 5);
  EXPECT_TRUE(b.Empty());
  EXPECT_EQ(b.Height(), 0);
}

TEST(Bitmap, ScanLineCountsFromTheTop) {
  TBitmap b(1, 2);
  b.Canvas().SetPixel(0, 0, 0x030201);
  const std::uint8_t* top = b.ScanLine(0);
  EXPECT_EQ(top[0], 3);  // blue, green, red
  EXPECT_EQ(top[1], 2);
  EXPECT_EQ(top[2], 1);
  b.ScanLine(1)[2] = 0x7F;
  EXPECT_EQ(b.Canvas().Pixel(0, 1), 0xFFFF7F);
}

TEST(Bitmap, AssignCopiesIndependently) {
  TBitmap a(2, 1);
  a.Canvas().SetPixel(0, 0, 0x112233);
  TBitmap b;
  b.Assign(a);
  a.Canvas().SetPixel(0, 0, 0);
  EXPECT_EQ(b.Width(), 2);
  EXPECT_EQ(b.Canvas().Pixel(0, 0), 0x112233);
  b.Assign(TBitmap());
  EXPECT_TRUE(b.Empty());
}
