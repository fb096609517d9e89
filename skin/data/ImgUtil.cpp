#include "skin/data/ImgUtil.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <utility>

#include "ui/Bytes.h"
#include "ui/Exception.h"
#include "ui/Gdi.h"

namespace {

// The row routines address pixels as blue, green, red (and alpha for 32
// bits); other formats are converted to 24 bits first. Returns the bytes
// per pixel.
int PrepareRowPixels(TBitmap& bitmap) {
  if (bitmap.PixelFormat() == TPixelFormat::pf32bit) return 4;
  bitmap.SetPixelFormat(TPixelFormat::pf24bit);
  return 3;
}

// The bitmap's pixels as 32-bit values laid out as in a 32-bit row (blue in
// the low byte, then green, red, alpha), row by row from the top.
std::vector<std::uint32_t> ReadPixels32(const TBitmap& bitmap) {
  TBitmap copy;
  copy.Assign(bitmap);
  copy.SetPixelFormat(TPixelFormat::pf32bit);
  std::vector<std::uint32_t> pixels;
  pixels.reserve(static_cast<std::size_t>(copy.Width()) * copy.Height());
  for (int y = 0; y < copy.Height(); ++y) {
    const std::uint8_t* row = copy.ScanLine(y);
    for (int x = 0; x < copy.Width(); ++x) {
      const std::uint8_t* p = row + 4 * x;
      pixels.push_back(GetLE32(p));
    }
  }
  return pixels;
}

void WritePixel(std::uint8_t* p, std::uint32_t pixel, int bytes) {
  for (int i = 0; i < bytes; ++i) p[i] = static_cast<std::uint8_t>(pixel >> (8 * i));
}

// Turns the bitmap a quarter; place maps an old (x, y) to its new position.
template <class Place>
void Rotate(TBitmap& bitmap, Place place) {
  if (bitmap.Empty()) return;
  const std::vector<std::uint32_t> pixels = ReadPixels32(bitmap);
  const int width = bitmap.Width(), height = bitmap.Height();
  const int bytes = PrepareRowPixels(bitmap);
  bitmap.SetSize(height, width);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const auto [nx, ny] = place(x, y, width, height);
      WritePixel(bitmap.ScanLine(ny) + bytes * nx, pixels[static_cast<std::size_t>(y) * width + x], bytes);
    }
  }
}

int Channel(TColor colour, int shift) { return (colour >> shift) & 0xFF; }

struct TGradientCache {
  std::array<std::vector<TColor>, kGradientSlots> Slots;
  int Next = 0;
};

TGradientCache& Cache() {
  static TGradientCache cache;
  return cache;
}

void CheckCount(int count) {
  if (count <= 0) throw EAssertionFailed("", "ImgUtil");
}

}  // namespace

void CopyBitmapRect(TBitmap& target, TBitmap& source, const RECT& part) {
  const int width = part.right - part.left, height = part.bottom - part.top;
  target.Clear();
  target.SetPixelFormat(TPixelFormat::pf24bit);
  target.SetSize(width, height);
  if (target.Empty()) return;
  BitBlt(target.Canvas().Handle(), 0, 0, width, height, source.Canvas().Handle(), part.left, part.top, SRCCOPY);
}

void ReplaceMagenta(TBitmap& bitmap, TColor colour) {
  bitmap.SetPixelFormat(TPixelFormat::pf24bit);
  const TColor rgb = ColorToRGB(colour);
  for (int y = 0; y < bitmap.Height(); ++y) {
    std::uint8_t* p = bitmap.ScanLine(y);
    for (int x = 0; x < bitmap.Width(); ++x, p += 3) {
      if (p[0] == 255 && p[1] == 0 && p[2] == 255) {
        p[0] = static_cast<std::uint8_t>(Channel(rgb, 16));
        p[1] = static_cast<std::uint8_t>(Channel(rgb, 8));
        p[2] = static_cast<std::uint8_t>(Channel(rgb, 0));
      }
    }
  }
}

void MirrorBitmap(TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  const int bytes = PrepareRowPixels(bitmap);
  const int width = bitmap.Width();
  for (int y = 0; y < bitmap.Height(); ++y) {
    std::uint8_t* row = bitmap.ScanLine(y);
    for (int x = 0; x < width / 2; ++x)
      std::swap_ranges(row + bytes * x, row + bytes * (x + 1), row + bytes * (width - 1 - x));
  }
}

void FlipBitmap(TBitmap& bitmap) {
  const int height = bitmap.Height();
  const int rowBytes = bitmap.RowBytes();
  for (int y = 0; y < height / 2; ++y) {
    std::uint8_t* top = bitmap.ScanLine(y);
    std::swap_ranges(top, top + rowBytes, bitmap.ScanLine(height - 1 - y));
  }
}

void RotateLeft(TBitmap& bitmap) {
  Rotate(bitmap, [](int x, int y, int width, int) { return std::pair{y, width - 1 - x}; });
}

void RotateRight(TBitmap& bitmap) {
  Rotate(bitmap, [](int x, int y, int, int height) { return std::pair{height - 1 - y, x}; });
}

TColor MixColors(TColor colour1, TColor colour2, int weight) {
  const TColor c1 = ColorToRGB(colour1), c2 = ColorToRGB(colour2);
  const std::int64_t scale = weight < 100 ? 100 : 1000;
  TColor result = 0;
  for (int shift : {0, 8, 16}) {
    const std::int64_t mixed = (Channel(c1, shift) * std::int64_t{weight} +
                                Channel(c2, shift) * (scale - weight) + scale / 2) / scale;
    result |= static_cast<TColor>(mixed & 0xFF) << shift;
  }
  return result;
}

int ColorSaturation(TColor colour) {
  const TColor rgb = ColorToRGB(colour);
  const int r = Channel(rgb, 0), g = Channel(rgb, 8), b = Channel(rgb, 16);
  const int high = std::max({r, g, b}), low = std::min({r, g, b});
  if (high < 160) return 200;
  const double saturation = static_cast<double>(high - low) / high;
  return static_cast<int>(std::nearbyint(saturation * 255));
}

int FindGradient(int count, TColor colour1, TColor colour2) {
  CheckCount(count);
  const TGradientCache& cache = Cache();
  for (int slot = kGradientSlots - 1; slot >= 0; --slot) {
    const std::vector<TColor>& table = cache.Slots[slot];
    if (table.size() == static_cast<std::size_t>(count) && table.front() == colour1 && table.back() == colour2)
      return slot;
  }
  return -1;
}

int MakeGradient(int count, TColor colour1, TColor colour2) {
  CheckCount(count);
  TGradientCache& cache = Cache();
  const int slot = cache.Next;
  cache.Next = (cache.Next + 1) % kGradientSlots;
  std::vector<TColor>& table = cache.Slots[slot];
  table.assign(static_cast<std::size_t>(count), 0);
  const int c = count - 1;
  for (int i = 0; i < count; ++i) {
    TColor entry = 0;
    for (int shift : {0, 8, 16}) {
      const int start = Channel(colour1, shift);
      const int d = Channel(colour2, shift) - start;
      const int value = c == 0 ? start + d / 2 : start + (d * i + c / 2) / c;
      entry += value << shift;
    }
    table[static_cast<std::size_t>(i)] = entry;
  }
  return slot;
}

int GetGradient(int count, TColor colour1, TColor colour2) {
  const int slot = FindGradient(count, colour1, colour2);
  return slot >= 0 ? slot : MakeGradient(count, colour1, colour2);
}

const std::vector<TColor>& GradientColors(int slot) { return Cache().Slots.at(static_cast<std::size_t>(slot)); }

void FillGradient(HDC dc, const RECT& rect, TColor startColour, TColor endColour, bool vertical) {
  if (!RectVisible(dc, &rect)) return;
  const TColor start = ColorToRGB(startColour), end = ColorToRGB(endColour);
  RECT clip{};
  GetClipBox(dc, &clip);
  const int origin = vertical ? rect.top : rect.left;
  const int limit = vertical ? rect.bottom : rect.right;
  const int n = limit - origin;
  if (n <= 0) return;
  const int clipStart = vertical ? clip.top : clip.left;
  const int clipEnd = vertical ? clip.bottom : clip.right;
  const int first = clipStart > origin && clipStart < limit ? clipStart - origin : 0;
  const int last = clipEnd > origin && clipEnd < limit ? clipEnd - origin - 1 : n - 1;
  if (last < first) return;
  const std::vector<TColor>& table = GradientColors(GetGradient(n, start, end));
  for (int i = first; i <= last; ++i) {
    TBrushHandle brush(CreateSolidBrush(static_cast<COLORREF>(table[static_cast<std::size_t>(i)])));
    const RECT strip = vertical ? RECT{rect.left, origin + i, rect.right, origin + i + 1}
                                : RECT{origin + i, rect.top, origin + i + 1, rect.bottom};
    ::FillRect(dc, &strip, brush.Get());
  }
}
