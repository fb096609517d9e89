#include "skin/data/ImgUtil.h"

#include <gtest/gtest.h>

#include <set>

#include "tests/skin/Pixels.h"
#include "ui/Exception.h"

namespace {

constexpr TColor A = 0x0000AA, B = 0x00BB00, C = 0xCC0000, D = 0x00DDDD, E = 0xEE00EE, F = 0x0F0F0F;

}  // namespace

TEST(ImgUtil, MixColorsWeighsByPercentOrPerMille) {
  struct Case {
    TColor c1, c2;
    int weight;
    TColor expected;
  };
  const Case cases[] = {
      {0xFFFFFF, 0x000000, 50, 0x808080},   // (255 * 50 + 0 + 50) / 100 = 128
      {0x808080, 0x000000, 150, 0x131313},  // (128 * 150 + 500) / 1000 = 19
      {0x0000FF, 0xFF0000, 0, 0xFF0000},    // the weight belongs to colour 1
      {0x0000FF, 0xFF0000, 99, 0x0300FC},
      {0x0000FF, 0xFF0000, 1000, 0x0000FF},
  };
  for (const Case& c : cases) EXPECT_EQ(MixColors(c.c1, c.c2, c.weight), c.expected) << c.weight;
  // System colours are resolved before mixing.
  const TColor face = static_cast<TColor>(GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(MixColors(SystemColor(COLOR_BTNFACE), clWhite, 50), MixColors(face, clWhite, 50));
}

TEST(ImgUtil, ColorSaturation) {
  struct Case {
    TColor colour;
    int expected;
  };
  const Case cases[] = {
      {0x00FF00, 255},
      {0x7F7F7F, 200},  // no channel reaches 160
      {0xC0C0C0, 0},
      {0x5050A0, 128},  // (160 - 80) / 160 * 255 = 127.5, halves to even
      {0x000000, 200},
  };
  for (const Case& c : cases) EXPECT_EQ(ColorSaturation(c.colour), c.expected) << std::hex << c.colour;
}

TEST(ImgUtil, MakeGradientSpreadsTheChannels) {
  EXPECT_EQ(GradientColors(MakeGradient(3, 0x000000, 0x0000FF)), (std::vector<TColor>{0x00, 0x80, 0xFF}));
  EXPECT_EQ(GradientColors(MakeGradient(1, 10, 20)), std::vector<TColor>{15});
  EXPECT_EQ(GradientColors(MakeGradient(2, 0x102030, 0x302010)), (std::vector<TColor>{0x102030, 0x302010}));
  // Falling channels truncate toward zero, so such a table ends one short of
  // its last colour and is never found again: a new slot is made instead.
  const int falling = MakeGradient(3, 0x0000FF, 0x000000);
  EXPECT_EQ(GradientColors(falling), (std::vector<TColor>{0xFF, 0x80, 0x01}));
  EXPECT_EQ(FindGradient(3, 0x0000FF, 0x000000), -1);
  EXPECT_NE(GetGradient(3, 0x0000FF, 0x000000), falling);

  EXPECT_THROW(MakeGradient(0, 0, 1), EAssertionFailed);
  EXPECT_THROW(FindGradient(-1, 0, 1), EAssertionFailed);
}

TEST(ImgUtil, GradientCacheKeepsTheSixteenNewestTables) {
  std::vector<int> slots;
  for (int i = 0; i < kGradientSlots; ++i) slots.push_back(MakeGradient(5 + i, 0x000000, 0x0000FF));
  EXPECT_EQ(std::set<int>(slots.begin(), slots.end()).size(), static_cast<std::size_t>(kGradientSlots));
  // Known tables are found, not made again.
  EXPECT_EQ(GetGradient(7, 0x000000, 0x0000FF), slots[2]);
  // The seventeenth replaces the oldest.
  EXPECT_EQ(MakeGradient(100, 0x000000, 0x0000FF), slots[0]);
  EXPECT_EQ(FindGradient(5, 0x000000, 0x0000FF), -1);
  EXPECT_EQ(FindGradient(6, 0x000000, 0x0000FF), slots[1]);
}

TEST(ImgUtil, FillGradientPaintsStripsInsideTheClip) {
  TBitmap b;
  Paint(b, 3, 10, std::vector<TColor>(30, F));
  const HDC dc = b.Canvas().Handle();
  FillGradient(dc, RECT{0, 0, 3, 10}, 0x000000, 0x0000FF, true);
  // Ten strips: red (255 * i + 4) / 9.
  for (int y = 0; y < 10; ++y) EXPECT_EQ(b.Canvas().Pixel(1, y), (255 * y + 4) / 9) << y;

  Paint(b, 4, 2, std::vector<TColor>(8, F));
  FillGradient(dc, RECT{0, 0, 4, 2}, SystemColor(COLOR_WINDOWTEXT), clWhite, false);
  EXPECT_EQ(b.Canvas().Pixel(0, 1), static_cast<TColor>(GetSysColor(COLOR_WINDOWTEXT)));
  EXPECT_EQ(b.Canvas().Pixel(3, 0), clWhite);

  // Only the strips inside the clipping box are painted.
  Paint(b, 1, 10, std::vector<TColor>(10, F));
  const HRGN clip = CreateRectRgn(0, 3, 1, 5);
  SelectClipRgn(dc, clip);
  DeleteObject(clip);
  FillGradient(dc, RECT{0, 0, 1, 10}, 0x000000, 0x0000FF, true);
  SelectClipRgn(dc, nullptr);
  EXPECT_EQ(PixelsOf(b), (std::vector<TColor>{F, F, F, 85, 113, F, F, F, F, F}));
}

TEST(ImgUtil, ReplaceMagentaRecoloursOnlyPureMagenta) {
  TBitmap b;
  Paint(b, 3, 1, {0xFF00FF, 0xFE00FF, 0xFF01FF}, TPixelFormat::pf32bit);
  ReplaceMagenta(b, SystemColor(COLOR_BTNFACE));
  EXPECT_EQ(b.PixelFormat(), TPixelFormat::pf24bit);
  EXPECT_EQ(PixelsOf(b), (std::vector<TColor>{static_cast<TColor>(GetSysColor(COLOR_BTNFACE)), 0xFE00FF, 0xFF01FF}));
}

TEST(ImgUtil, MirrorFlipAndRotate) {
  struct Case {
    const char* name;
    void (*op)(TBitmap&);
    int width, height;
    std::vector<TColor> expected;
  };
  // The picture:  A B C
  //               D E F
  const Case cases[] = {
      {"mirror", MirrorBitmap, 3, 2, {C, B, A, F, E, D}},
      {"flip", FlipBitmap, 3, 2, {D, E, F, A, B, C}},
      {"rotate left", RotateLeft, 2, 3, {C, F, B, E, A, D}},
      {"rotate right", RotateRight, 2, 3, {D, A, E, B, F, C}},
  };
  for (TPixelFormat format : {TPixelFormat::pf24bit, TPixelFormat::pf32bit}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.name);
      TBitmap b;
      Paint(b, 3, 2, {A, B, C, D, E, F}, format);
      c.op(b);
      EXPECT_EQ(b.Width(), c.width);
      EXPECT_EQ(b.Height(), c.height);
      EXPECT_EQ(b.PixelFormat(), format);
      EXPECT_EQ(PixelsOf(b), c.expected);
    }
  }
  // A 2 x 1 picture A, B: left turn puts B above A, right turn A above B.
  TBitmap b;
  Paint(b, 2, 1, {A, B});
  RotateLeft(b);
  EXPECT_EQ(PixelsOf(b), (std::vector<TColor>{B, A}));
  Paint(b, 2, 1, {A, B});
  RotateRight(b);
  EXPECT_EQ(PixelsOf(b), (std::vector<TColor>{A, B}));
}
