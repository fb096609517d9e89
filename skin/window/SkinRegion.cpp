// The colour-key region of a bitmap: every row's runs of pixels outside the
// key colour, read from the raw 24- or 32-bit scan lines, become
// one-pixel-high rectangles, gathered as region data and
// turned into regions a batch at a time.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "skin/window/SkinDraw.h"
#include "ui/Bytes.h"

namespace {

// Region data as ExtCreateRegion reads it, little-endian 32-bit fields:
//   header  size of the header (32), type (1: rectangles), rectangle count,
//           size of the rectangles in bytes, bounding rectangle
//   then    each rectangle: left, top, right, bottom
constexpr std::size_t kHeaderBytes = 32;
constexpr std::size_t kRectBytes = 16;
constexpr std::uint32_t kRectanglesType = 1;  // RDH_RECTANGLES
// Rectangles per ExtCreateRegion call.
constexpr int kBatchRects = 2000;

class TRectBatch {
 public:
  TRectBatch() {
    FBytes.reserve(kHeaderBytes + kBatchRects * kRectBytes);
    FBytes.resize(kHeaderBytes);
  }

  bool Full() const { return FCount == kBatchRects; }

  void Add(int left, int top, int right, int bottom) {
    for (const int v : {left, top, right, bottom}) AppendLE32(FBytes, static_cast<std::uint32_t>(v));
    if (FCount == 0) {
      FBound = RECT{left, top, right, bottom};
    } else {
      FBound.left = std::min<LONG>(FBound.left, left);
      FBound.top = std::min<LONG>(FBound.top, top);
      FBound.right = std::max<LONG>(FBound.right, right);
      FBound.bottom = std::max<LONG>(FBound.bottom, bottom);
    }
    ++FCount;
  }

  // Adds the gathered rectangles to the region (or makes them the region
  // while it has none) and starts gathering anew.
  void MergeInto(TRegionHandle& region) {
    if (FCount == 0) return;
    std::uint8_t* h = FBytes.data();
    PutLE32(h, kHeaderBytes);
    PutLE32(h + 4, kRectanglesType);
    PutLE32(h + 8, static_cast<std::uint32_t>(FCount));
    PutLE32(h + 12, static_cast<std::uint32_t>(FCount * kRectBytes));
    PutLE32(h + 16, static_cast<std::uint32_t>(FBound.left));
    PutLE32(h + 20, static_cast<std::uint32_t>(FBound.top));
    PutLE32(h + 24, static_cast<std::uint32_t>(FBound.right));
    PutLE32(h + 28, static_cast<std::uint32_t>(FBound.bottom));
    TRegionHandle batch(ExtCreateRegion(nullptr, static_cast<DWORD>(FBytes.size()),
                                        reinterpret_cast<const RGNDATA*>(FBytes.data())));
    if (!batch) throw EInvalidGraphic("Cannot create a region of " + std::to_string(FCount) + " rectangles");
    if (!region)
      region = std::move(batch);
    else
      CombineRgn(region.Get(), region.Get(), batch.Get(), RGN_OR);
    FBytes.resize(kHeaderBytes);
    FCount = 0;
  }

 private:
  std::vector<std::uint8_t> FBytes;
  int FCount = 0;
  RECT FBound{};
};

// The channel values from the key's up to its value plus the tolerance.
struct TChannelRange {
  std::uint8_t Low, High;
  TChannelRange(int key, int tolerance)
      : Low(static_cast<std::uint8_t>(key)), High(static_cast<std::uint8_t>(std::min(255, key + std::max(0, tolerance)))) {}
  bool Holds(std::uint8_t v) const { return v >= Low && v <= High; }
};

}  // namespace

TRegionHandle RegionFromBitmap(TBitmap& bitmap, int x, int y, int blueTolerance, int greenTolerance,
                               int redTolerance, TColor key) {
  // Rows of blue, green and red bytes (and an unused one at 32 bits): the
  // bitmap's own rows when it has such, else those of a 32-bit copy.
  TBitmap copy;
  TBitmap* source = &bitmap;
  if (bitmap.PixelFormat() != TPixelFormat::pf24bit && bitmap.PixelFormat() != TPixelFormat::pf32bit) {
    copy.Assign(bitmap);
    copy.SetPixelFormat(TPixelFormat::pf32bit);
    source = &copy;
  }
  const int step = BitsPerPixel(source->PixelFormat()) / 8;
  const auto rgb = static_cast<std::uint32_t>(ColorToRGB(key));
  const TChannelRange red(rgb & 0xFF, redTolerance), green(rgb >> 8 & 0xFF, greenTolerance),
      blue(rgb >> 16 & 0xFF, blueTolerance);
  const auto isKey = [&](const std::uint8_t* p) { return blue.Holds(p[0]) && green.Holds(p[1]) && red.Holds(p[2]); };

  TRegionHandle region;
  TRectBatch batch;
  const int width = source->Width();
  for (int row = 0; row < source->Height(); ++row) {
    const std::uint8_t* pixels = source->ScanLine(row);
    int col = 0;
    while (col < width) {
      while (col < width && isKey(pixels + step * col)) ++col;
      if (col == width) break;
      const int start = col;
      while (col < width && !isKey(pixels + step * col)) ++col;
      batch.Add(start + x, row + y, col + x, row + y + 1);
      if (batch.Full()) batch.MergeInto(region);
    }
  }
  batch.MergeInto(region);
  if (!region) region.Reset(CreateRectRgn(0, 0, 0, 0));
  return region;
}
