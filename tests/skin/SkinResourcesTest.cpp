#include <gtest/gtest.h>

#include "ui/Bitmap.h"

namespace {

void LoadResource(TBitmap& b, const char* name) { b.LoadFromResourceName(GetModuleHandleA(nullptr), name); }

}  // namespace

TEST(SkinResources, TrackImagesHaveAGreyEdgeAndAWhiteBody) {
  TBitmap track;
  LoadResource(track, "TRACK");
  EXPECT_EQ(track.Width(), 16);
  EXPECT_EQ(track.Height(), 4);
  EXPECT_EQ(track.PixelFormat(), TPixelFormat::pf4bit);
  TBitmap vert;
  LoadResource(vert, "TRACKVERT");
  EXPECT_EQ(vert.Width(), 4);
  EXPECT_EQ(vert.Height(), 16);
  EXPECT_EQ(vert.PixelFormat(), TPixelFormat::pf4bit);
  // The vertical image is the horizontal one with x and y exchanged.
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 16; ++x) {
      const TColor expected = y == 0 ? clGray : x == 0 ? clSilver : clWhite;
      EXPECT_EQ(track.Canvas().Pixel(x, y), expected) << x << "," << y;
      EXPECT_EQ(vert.Canvas().Pixel(y, x), expected) << y << "," << x;
    }
  }
}

TEST(SkinResources, MenuGlyphsAreFourBlackOnWhiteSquares) {
  TBitmap glyphs;
  LoadResource(glyphs, "QUILLANMENU");
  ASSERT_EQ(glyphs.Width(), 64);
  ASSERT_EQ(glyphs.Height(), 16);
  EXPECT_EQ(glyphs.PixelFormat(), TPixelFormat::pf1bit);
  for (int glyph = 0; glyph < 4; ++glyph) {
    int black = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) {
        const TColor pixel = glyphs.Canvas().Pixel(16 * glyph + x, y);
        EXPECT_TRUE(pixel == clBlack || pixel == clWhite);
        black += pixel == clBlack;
      }
    EXPECT_GT(black, 8) << glyph;
    EXPECT_EQ(glyphs.Canvas().Pixel(16 * glyph, 0), clWhite);
  }
  EXPECT_THROW(LoadResource(glyphs, "NOSUCHBITMAP"), EInvalidGraphic);
}
