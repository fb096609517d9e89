#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <vector>

#include "skin/window/SkinDraw.h"
#include "tests/skin/Pixels.h"

namespace {

constexpr TColor K = clFuchsia, R = 0x0000FF, Bl = 0xFF0000;

// The region's rectangles, for failure messages.
std::string Describe(HRGN region) {
  const DWORD size = GetRegionData(region, 0, nullptr);
  std::vector<std::uint8_t> data(size);
  GetRegionData(region, size, reinterpret_cast<RGNDATA*>(data.data()));
  const auto* header = reinterpret_cast<const RGNDATAHEADER*>(data.data());
  const auto* rects = reinterpret_cast<const RECT*>(data.data() + header->dwSize);
  std::ostringstream out;
  out << header->nCount << " rectangles:";
  for (DWORD i = 0; i < header->nCount && i < 8; ++i)
    out << " (" << rects[i].left << "," << rects[i].top << ")-(" << rects[i].right << "," << rects[i].bottom << ")";
  return out.str();
}

// The union of the rectangles, built one rectangle at a time.
TRegionHandle RegionOf(const std::vector<RECT>& rects) {
  TRegionHandle region(CreateRectRgn(0, 0, 0, 0));
  for (const RECT& r : rects) {
    const TRegionHandle piece(CreateRectRgnIndirect(&r));
    CombineRgn(region.Get(), region.Get(), piece.Get(), RGN_OR);
  }
  return region;
}

::testing::AssertionResult SameRegion(const TRegionHandle& actual, const std::vector<RECT>& expected) {
  if (!actual) return ::testing::AssertionFailure() << "no region";
  const TRegionHandle wanted = RegionOf(expected);
  if (EqualRgn(actual.Get(), wanted.Get())) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << Describe(actual.Get()) << "\ninstead of " << Describe(wanted.Get());
}

}  // namespace

TEST(SkinRegion, RegionCoversTheRunsOfNonKeyPixels) {
  struct TCase {
    const char* Name;
    int Width, Height;
    std::vector<TColor> Pixels;
    TPixelFormat Format;
    int X, Y;
    std::vector<RECT> Expected;
  };
  const std::vector<TColor> shape{K, R, R, K,   //
                                  R, K, Bl, R,  //
                                  K, K, K, K};
  const std::vector<RECT> shapeAt10x20{{11, 20, 13, 21}, {10, 21, 11, 22}, {12, 21, 14, 22}};
  const TCase cases[] = {
      {"all magenta: empty", 3, 2, std::vector<TColor>(6, K), TPixelFormat::pf24bit, 4, 4, {}},
      {"no magenta: the whole picture, offset", 3, 2, std::vector<TColor>(6, R), TPixelFormat::pf24bit, 5, 7,
       {{5, 7, 8, 9}}},
      {"runs of a shape", 4, 3, shape, TPixelFormat::pf24bit, 10, 20, shapeAt10x20},
      {"runs of a 32-bit shape", 4, 3, shape, TPixelFormat::pf32bit, 10, 20, shapeAt10x20},
      {"negative offset", 2, 1, {R, K}, TPixelFormat::pf24bit, -3, -1, {{-3, -1, -2, 0}}},
      {"a 16-bit picture", 3, 1, {R, K, R}, TPixelFormat::pf16bit, 0, 0, {{0, 0, 1, 1}, {2, 0, 3, 1}}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TBitmap picture;
    Paint(picture, c.Width, c.Height, c.Pixels, c.Format);
    if (c.Format == TPixelFormat::pf32bit) {
      // The fourth byte of a 32-bit pixel is no part of its colour.
      for (int y = 0; y < c.Height; ++y)
        for (int x = 0; x < c.Width; ++x) picture.ScanLine(y)[4 * x + 3] = static_cast<std::uint8_t>(0x5A + x);
    }
    EXPECT_TRUE(SameRegion(RegionFromBitmap(picture, c.X, c.Y, 1, 1, 1, K), c.Expected));
    // The picture is read, not converted.
    EXPECT_EQ(picture.PixelFormat(), c.Format);
  }
  TBitmap empty;
  EXPECT_TRUE(SameRegion(RegionFromBitmap(empty, 0, 0, 1, 1, 1, K), {}));
}

TEST(SkinRegion, KeyRangeRunsFromTheKeyUpByTheTolerance) {
  struct TCase {
    const char* Name;
    TColor Key;
    int Blue, Green, Red;  // tolerances
    TColor Pixel;
    bool IsKey;
  };
  const TCase cases[] = {
      {"magenta", K, 1, 1, 1, K, true},
      {"green within 1", K, 1, 1, 1, 0xFF01FF, true},
      {"green beyond 1", K, 1, 1, 1, 0xFF02FF, false},
      {"below the key's value", K, 1, 1, 1, 0xFF00FE, false},
      {"tolerance 0: exact", K, 0, 0, 0, 0xFF01FF, false},
      {"blue tolerance only", 0x000000, 5, 0, 0, 0x050000, true},
      {"blue tolerance does not widen red", 0x000000, 5, 0, 0, 0x000005, false},
      {"green tolerance", 0x000000, 0, 5, 0, 0x000500, true},
      {"red tolerance", 0x000000, 0, 0, 5, 0x000005, true},
      {"capped at 255", 0xF0F0F0, 40, 40, 40, 0xFFFFFF, true},
      {"negative tolerance: exact", K, -1, -1, -1, K, true},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TBitmap picture;
    Paint(picture, 1, 1, {c.Pixel});
    const TRegionHandle region = RegionFromBitmap(picture, 0, 0, c.Blue, c.Green, c.Red, c.Key);
    EXPECT_TRUE(SameRegion(region, c.IsKey ? std::vector<RECT>{} : std::vector<RECT>{{0, 0, 1, 1}}));
  }
}

TEST(SkinRegion, RowsOfThousandsOfRunsMakeOneRegion) {
  // Three rows of 4101 pixels, every other one magenta, each row shifted by
  // one: 2051, 2050 and 2051 runs, over 6000 rectangles in all, so batches
  // end inside rows.
  constexpr int kWidth = 4101, kHeight = 3, kX = 3, kY = 5;
  TBitmap picture(kWidth, kHeight, TPixelFormat::pf24bit);
  std::vector<RECT> runs;
  for (int y = 0; y < kHeight; ++y) {
    std::uint8_t* row = picture.ScanLine(y);
    for (int x = 0; x < kWidth; ++x) {
      const bool opaque = (x + y) % 2 == 0;
      row[3 * x] = opaque ? 0x10 : 0xFF;
      row[3 * x + 1] = opaque ? 0x20 : 0x00;
      row[3 * x + 2] = opaque ? 0x30 : 0xFF;
      if (opaque) runs.push_back(RECT{x + kX, y + kY, x + kX + 1, y + kY + 1});
    }
  }
  ASSERT_GT(runs.size(), 6000u);
  const TRegionHandle region = RegionFromBitmap(picture, kX, kY, 1, 1, 1, K);
  EXPECT_TRUE(SameRegion(region, runs));
  EXPECT_TRUE(PtInRegion(region.Get(), kX + 4100, kY));
  EXPECT_FALSE(PtInRegion(region.Get(), kX + 4100, kY + 1));
  RECT box{};
  EXPECT_EQ(GetRgnBox(region.Get(), &box), COMPLEXREGION);
  EXPECT_EQ(box.left, kX);
  EXPECT_EQ(box.right, kX + kWidth);
  EXPECT_EQ(box.bottom, kY + kHeight);
}
