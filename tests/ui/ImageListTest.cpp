#include "ui/ImageList.h"

#include <gtest/gtest.h>

TEST(ImageList, AddsAStripAndDrawsWithTheMaskColourTransparent) {
  // Two 2 x 1 images: [white, black] and [black, white].
  TBitmap strip(4, 1);
  const TColor pixels[] = {clWhite, clBlack, clBlack, clWhite};
  for (int x = 0; x < 4; ++x) strip.Canvas().SetPixel(x, 0, pixels[x]);
  TImageList images(2, 1);
  EXPECT_EQ(images.AddMasked(strip, clWhite), 0);
  EXPECT_EQ(images.Count(), 2);

  TBitmap target(2, 1);
  target.Canvas().SetBrushColor(clGray);
  target.Canvas().FillRect(RECT{0, 0, 2, 1});
  images.Draw(target.Canvas().Handle(), 0, 0, 1);
  EXPECT_EQ(target.Canvas().Pixel(0, 0), clBlack);
  EXPECT_EQ(target.Canvas().Pixel(1, 0), clGray);

  // The strip is still usable by its owner afterwards.
  EXPECT_EQ(strip.Canvas().Pixel(1, 0), clBlack);
  images.Clear();
  EXPECT_EQ(images.Count(), 0);
  EXPECT_EQ(images.AddMasked(TBitmap(), clWhite), -1);
}
