// PENDING: a stand-in for the drawing-primitives branch, dropped at its merge.
#include <algorithm>
#include <memory>
#include <vector>

#include "skin/window/SkinDraw.h"

namespace {
int WidthOf(const RECT& r) { return r.right - r.left; }
int HeightOf(const RECT& r) { return r.bottom - r.top; }
int Started = 0;
std::unique_ptr<TBitmap> Buffer;
}  // namespace

void DrawThreePart(TCanvas& canvas, const RECT& target, TBitmap& bitmap, bool stacked, bool transparent, int n, int k,
                   const RECT& margins) {
  const int w = WidthOf(target), h = HeightOf(target);
  if (w <= 0 || h <= 0) return;
  const TFrame f = SelectFrame(bitmap, stacked, n, k);
  TBitmap image(w, h);
  const HDC d = image.Canvas().Handle(), s = bitmap.Canvas().Handle();
  SetStretchBltMode(d, HALFTONE);
  const int l = margins.left, r = margins.right, m = f.Width - l - r;
  if (l > 0) StretchBlt(d, 0, 0, l, h, s, f.X, f.Y, l, f.Height, SRCCOPY);
  if (m > 0)
    for (int x = l; x < w - r; x += m) StretchBlt(d, x, 0, m, h, s, f.X + l, f.Y, m, f.Height, SRCCOPY);
  if (r > 0) StretchBlt(d, w - r, 0, r, h, s, f.X + f.Width - r, f.Y, r, f.Height, SRCCOPY);
  if (transparent)
    DrawTransparent(canvas.Handle(), target, image, kSkinKeyColour);
  else
    BitBlt(canvas.Handle(), target.left, target.top, w, h, d, 0, 0, SRCCOPY);
}

void DrawFrame(HDC dc, const RECT& target, TBitmap& bitmap, bool transparent, int n, int k) {
  const int w = WidthOf(target), h = HeightOf(target);
  if (w <= 0 || h <= 0) return;
  const TFrame f = SelectFrame(bitmap, false, n, k);
  TBitmap image(w, h);
  StretchBlt(image.Canvas().Handle(), 0, 0, w, h, bitmap.Canvas().Handle(), f.X, f.Y, f.Width, f.Height, SRCCOPY);
  if (transparent)
    DrawTransparent(dc, target, image, kSkinKeyColour);
  else
    BitBlt(dc, target.left, target.top, w, h, image.Canvas().Handle(), 0, 0, SRCCOPY);
}

TRegionHandle RegionFromBitmap(TBitmap& bitmap, int x, int y, int bt, int gt, int rt, TColor key) {
  TBitmap copy;
  copy.Assign(bitmap);
  copy.SetPixelFormat(TPixelFormat::pf32bit);
  const int kr = key & 0xFF, kg = (key >> 8) & 0xFF, kb = (key >> 16) & 0xFF;
  const auto in = [](int v, int k, int t) { return v >= k && v <= std::min(k + t, 255); };
  TRegionHandle result(CreateRectRgn(0, 0, 0, 0));
  for (int row = 0; row < copy.Height(); ++row) {
    const std::uint8_t* line = copy.ScanLine(row);
    int start = -1;
    for (int col = 0; col <= copy.Width(); ++col) {
      bool keyed = true;
      if (col < copy.Width()) {
        const std::uint8_t* p = line + col * 4;
        keyed = in(p[2], kr, rt) && in(p[1], kg, gt) && in(p[0], kb, bt);
      }
      if (!keyed && start < 0) start = col;
      if (keyed && start >= 0) {
        TRegionHandle piece(CreateRectRgn(start + x, row + y, col + x, row + y + 1));
        CombineRgn(result.Get(), result.Get(), piece.Get(), RGN_OR);
        start = -1;
      }
    }
  }
  return result;
}

void StartSkinDrawing() {
  if (Started++ == 0) Buffer = std::make_unique<TBitmap>(1, 1);
}
void EndSkinDrawing() {
  if (Started > 0 && --Started == 0) Buffer.reset();
}
TBitmap* SkinDrawBuffer() { return Buffer.get(); }
