#include "skin/window/SkinDraw.h"

#include <gtest/gtest.h>

#include "tests/skin/Pixels.h"

namespace {

constexpr TColor K = clFuchsia, G = 0x404040, R = 0x0000FF, Bl = 0xFF0000, Gr = 0x00FF00, Y = 0x00FFFF;

// A 4 x 4 frame: 1-pixel corners R, edges Gr, centre 2 x 2 of Bl and Y.
void NineGridFrame(TBitmap& b) {
  Paint(b, 4, 4, {R, Gr, Gr, R,   //
                  Gr, Bl, Y, Gr,  //
                  Gr, Bl, Y, Gr,  //
                  R, Gr, Gr, R});
}

std::vector<TColor> Row(TBitmap& b, int y) {
  std::vector<TColor> row;
  for (int x = 0; x < b.Width(); ++x) row.push_back(b.Canvas().Pixel(x, y));
  return row;
}

}  // namespace

TEST(SkinDraw, SelectFrame) {
  TBitmap b(40, 12);
  const TFrame third = SelectFrame(b, false, 4, 3);
  EXPECT_EQ(third.X, 20);
  EXPECT_EQ(third.Y, 0);
  EXPECT_EQ(third.Width, 10);
  EXPECT_EQ(third.Height, 12);
  const TFrame stacked = SelectFrame(b, true, 3, 2);
  EXPECT_EQ(stacked.Y, 4);
  EXPECT_EQ(stacked.Height, 4);
  EXPECT_EQ(stacked.Width, 40);
  // A frame count of 0 from a skin counts as one frame.
  EXPECT_EQ(SelectFrame(b, false, 0, 1).Width, 40);
}

TEST(SkinDraw, NineGridKeepsCornersAndFitsTheMiddle) {
  TBitmap frame;
  NineGridFrame(frame);
  const RECT margins{1, 1, 1, 1};
  // Tiled centre: B Y repeated; stretched: B then Y halves.
  const std::unique_ptr<TBitmap> tiled = RenderNineGrid(RECT{0, 0, 7, 3}, frame, margins, false, true, 1, 1);
  EXPECT_EQ(Row(*tiled, 0), (std::vector<TColor>{R, Gr, Gr, Gr, Gr, Gr, R}));
  EXPECT_EQ(Row(*tiled, 1), (std::vector<TColor>{Gr, Bl, Y, Bl, Y, Bl, Gr}));
  EXPECT_EQ(Row(*tiled, 2), (std::vector<TColor>{R, Gr, Gr, Gr, Gr, Gr, R}));
  const std::unique_ptr<TBitmap> stretched = RenderNineGrid(RECT{5, 5, 11, 8}, frame, margins, false, false, 1, 1);
  // Stretching is half-toned: only the ends of the doubled centre are pure.
  const std::vector<TColor> middle = Row(*stretched, 1);
  EXPECT_EQ(middle[0], Gr);
  EXPECT_EQ(middle[1], Bl);
  EXPECT_EQ(middle[4], Y);
  EXPECT_EQ(middle[5], Gr);
  // Narrower than both ends: no ends, the whole frame is the centre.
  const std::unique_ptr<TBitmap> narrow = RenderNineGrid(RECT{0, 0, 1, 4}, frame, RECT{1, 0, 1, 0}, false, true,
                                                         1, 1);
  EXPECT_EQ(PixelsOf(*narrow), (std::vector<TColor>{R, Gr, Gr, R}));
}

TEST(SkinDraw, NineGridCutsTheRequestedFrame) {
  // Three stacked 2 x 1 frames: R, Gr, Bl.
  TBitmap strip;
  Paint(strip, 2, 3, {R, R, Gr, Gr, Bl, Bl});
  const std::unique_ptr<TBitmap> second = RenderNineGrid(RECT{0, 0, 3, 2}, strip, RECT{}, true, false, 3, 2);
  EXPECT_EQ(PixelsOf(*second), std::vector<TColor>(6, Gr));
}

TEST(SkinDraw, TransparentDrawingKeepsTheDestinationUnderMagenta) {
  TBitmap target;
  Paint(target, 4, 1, std::vector<TColor>(4, G));
  TBitmap picture;
  Paint(picture, 3, 1, {R, K, Bl});
  DrawTransparent(target.Canvas().Handle(), RECT{1, 0, 5, 1}, picture, K);
  EXPECT_EQ(PixelsOf(target), (std::vector<TColor>{G, R, G, Bl}));

  Paint(target, 4, 1, std::vector<TColor>(4, G));
  TBitmap frame;
  Paint(frame, 3, 1, {K, Y, Bl});
  DrawNineGrid(target.Canvas().Handle(), RECT{0, 0, 4, 1}, frame, false, false, true, 1, 1, RECT{1, 0, 1, 0});
  EXPECT_EQ(PixelsOf(target), (std::vector<TColor>{G, Y, Y, Bl}));
  // Negative sizes draw nothing.
  DrawNineGrid(target.Canvas().Handle(), RECT{3, 0, 0, 1}, frame, false, false, false, 1, 1, RECT{});
  EXPECT_EQ(PixelsOf(target), (std::vector<TColor>{G, Y, Y, Bl}));
}

TEST(SkinDraw, DrawCentredPutsTheFrameInTheMiddle) {
  // Two side-by-side 2 x 1 frames; the second is K Y.
  TBitmap strip;
  Paint(strip, 4, 1, {R, R, K, Y});
  TBitmap target;
  Paint(target, 5, 3, std::vector<TColor>(15, G));
  // (5 - 2) / 2 = 1 across, (3 - 1) / 2 = 1 down.
  DrawCentred(target.Canvas().Handle(), RECT{0, 0, 5, 3}, strip, true, 2, 2);
  EXPECT_EQ(PixelsOf(target), (std::vector<TColor>{G, G, G, G, G,  //
                                                   G, G, Y, G, G,  //
                                                   G, G, G, G, G}));
  DrawCentred(target.Canvas().Handle(), RECT{0, 0, 4, 1}, strip, false, 2, 1);
  EXPECT_EQ(Row(target, 0), (std::vector<TColor>{G, R, R, G, G}));
}
