// skinregion PACKAGE [SECONDS]: how long building a window region from the
// magenta pixels of a border bitmap takes with RegionFromBitmap (runs of
// each row gathered, 2,000 rectangles per ExtCreateRegion) against a plain
// baseline in the same run: the same runs, each made a region with
// CreateRectRgn and merged with CombineRgn. Prints both and the ratio.
//
// Pictures: the skin's left border rendered at the main window's height, its
// top border rendered across a 4K screen, and a dotted picture of thousands
// of runs. SECONDS (default 0.3) is the least time measured per figure.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "skin/data/WinSkinData.h"
#include "skin/window/SkinDraw.h"

namespace {

using TClock = std::chrono::steady_clock;

// The main window's height with the default skin.
constexpr int kWindowHeight = 316;

// Milliseconds per round, repeating the work for at least `seconds`.
template <class Work>
double MillisecondsPerRound(double seconds, Work work) {
  int rounds = 0;
  const TClock::time_point start = TClock::now();
  double elapsed = 0;
  do {
    work();
    ++rounds;
    elapsed = std::chrono::duration<double>(TClock::now() - start).count();
  } while (elapsed < seconds || rounds < 3);
  return elapsed * 1000 / rounds;
}

bool IsMagenta(const std::uint8_t* p) { return p[0] == 0xFF && p[1] <= 1 && p[2] == 0xFF; }

// The baseline: the same runs (magenta with tolerance 1 cut out) read from
// the same 24-bit rows, a region each, merged one by one.
TRegionHandle RunByRunRegion(TBitmap& bitmap, int* runCount) {
  TRegionHandle region(CreateRectRgn(0, 0, 0, 0));
  int runs = 0;
  for (int y = 0; y < bitmap.Height(); ++y) {
    const std::uint8_t* row = bitmap.ScanLine(y);
    for (int x = 0; x < bitmap.Width();) {
      if (IsMagenta(row + 3 * x)) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < bitmap.Width() && !IsMagenta(row + 3 * x)) ++x;
      const TRegionHandle run(CreateRectRgn(start, y, x, y + 1));
      CombineRgn(region.Get(), region.Get(), run.Get(), RGN_OR);
      ++runs;
    }
  }
  if (runCount) *runCount = runs;
  return region;
}

std::unique_ptr<TBitmap> RenderBorder(TDataSkinBorder& border, bool stacked, int width, int height) {
  return RenderNineGrid(RECT{0, 0, width, height}, border.FBitmap, border.FMargins, stacked, border.FTile != 1,
                        border.FFrameCount, 1);
}

// Every other pixel magenta, rows shifted by one.
std::unique_ptr<TBitmap> Dotted(int width, int height) {
  auto bitmap = std::make_unique<TBitmap>(width, height, TPixelFormat::pf24bit);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = bitmap->ScanLine(y);
    for (int x = 0; x < width; ++x) {
      const bool key = (x + y) % 2 != 0;
      row[3 * x] = key ? 0xFF : 0x40;
      row[3 * x + 1] = key ? 0x00 : 0x80;
      row[3 * x + 2] = key ? 0xFF : 0x40;
    }
  }
  return bitmap;
}

bool Measure(const char* name, TBitmap& bitmap, double seconds) {
  if (bitmap.PixelFormat() != TPixelFormat::pf24bit) {
    std::fprintf(stderr, "skinregion: %s: not a 24-bit picture\n", name);
    return false;
  }
  int runs = 0;
  const TRegionHandle expected = RunByRunRegion(bitmap, &runs);
  const TRegionHandle built = RegionFromBitmap(bitmap, 0, 0, 1, 1, 1, kSkinKeyColour);
  if (!EqualRgn(expected.Get(), built.Get())) {
    std::fprintf(stderr, "skinregion: %s: the two regions differ\n", name);
    return false;
  }
  const double fast = MillisecondsPerRound(seconds, [&] { RegionFromBitmap(bitmap, 0, 0, 1, 1, 1, kSkinKeyColour); });
  const double plain = MillisecondsPerRound(seconds, [&] { RunByRunRegion(bitmap, nullptr); });
  char size[32];
  std::snprintf(size, sizeof size, "%d x %d", bitmap.Width(), bitmap.Height());
  std::printf("%-12s %-11s %7d %14.4f %14.4f %9.2f\n", name, size, runs, fast, plain, plain / fast);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: skinregion PACKAGE [SECONDS]\n");
    return 2;
  }
  const double seconds = argc == 3 ? std::max(0.01, std::atof(argv[2])) : 0.3;
  try {
    TSkinData data(nullptr);
    data.FSkinStream.LoadFromFile(argv[1]);
    if (!data.LoadSkin()) {
      std::fprintf(stderr, "skinregion: %s is not a skin package\n", argv[1]);
      return 1;
    }
    TDataSkinBorder* left = data.FBorders[sbLeft].get();
    TDataSkinBorder* top = data.FBorders[sbTop].get();
    if (!left || !top || left->FBitmap.Empty() || top->FBitmap.Empty()) {
      std::fprintf(stderr, "skinregion: the skin has no left or top border\n");
      return 1;
    }
    const int leftWidth = SelectFrame(left->FBitmap, false, left->FFrameCount, 1).Width;
    const int topHeight = SelectFrame(top->FBitmap, true, top->FFrameCount, 1).Height;
    std::printf("ms per region; baseline: one CreateRectRgn + CombineRgn per run\n");
    std::printf("%-12s %-11s %7s %14s %14s %9s\n", "picture", "size", "runs", "RegionFrom", "baseline",
                "baseline/");
    std::printf("%-12s %-11s %7s %14s %14s %9s\n", "", "", "", "Bitmap", "", "ours");
    bool ok = Measure("left border", *RenderBorder(*left, false, leftWidth, kWindowHeight), seconds);
    ok = Measure("top border", *RenderBorder(*top, true, 3840, topHeight), seconds) && ok;
    ok = Measure("dotted", *Dotted(256, 64), seconds) && ok;
    return ok ? 0 : 1;
  } catch (const Exception& e) {
    std::fprintf(stderr, "skinregion: %s: %s\n", argv[1], e.Message().c_str());
    return 1;
  }
}
