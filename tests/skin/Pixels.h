#pragma once
// Tiny pictures for the image tests: pixels given and read row by row from
// the top, as 0x00BBGGRR colours.
#include <vector>

#include "ui/Bitmap.h"

inline void Paint(TBitmap& bitmap, int width, int height, const std::vector<TColor>& pixels,
                  TPixelFormat format = TPixelFormat::pf24bit) {
  bitmap.SetPixelFormat(format);
  bitmap.SetSize(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap.Canvas().SetPixel(x, y, pixels[static_cast<std::size_t>(y * width + x)]);
}

inline std::vector<TColor> PixelsOf(TBitmap& bitmap) {
  std::vector<TColor> pixels;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) pixels.push_back(bitmap.Canvas().Pixel(x, y));
  return pixels;
}
