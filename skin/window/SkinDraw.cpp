#include "skin/window/SkinDraw.h"

#include <algorithm>

#include "ui/Gdi.h"

namespace {

int WidthOf(const RECT& r) { return r.right - r.left; }
int HeightOf(const RECT& r) { return r.bottom - r.top; }
bool NegativeSize(const RECT& r) { return WidthOf(r) < 0 || HeightOf(r) < 0; }

// Stretches a source piece onto a destination piece, both given by their
// corners; pieces without area are skipped.
void StretchPiece(HDC dest, const RECT& d, HDC source, const RECT& s) {
  if (d.right <= d.left || d.bottom <= d.top || s.right <= s.left || s.bottom <= s.top) return;
  StretchBlt(dest, d.left, d.top, WidthOf(d), HeightOf(d), source, s.left, s.top, WidthOf(s), HeightOf(s),
             SRCCOPY);
}

// Puts a composed bitmap at the target, opaque or with magenta transparent.
void PutBitmap(HDC dc, const RECT& target, TBitmap& bitmap, bool transparent) {
  if (transparent)
    DrawTransparent(dc, target, bitmap, kSkinKeyColour);
  else
    BitBlt(dc, target.left, target.top, WidthOf(target), HeightOf(target), bitmap.Canvas().Handle(), 0, 0,
           SRCCOPY);
}

}  // namespace

TFrame SelectFrame(const TBitmap& bitmap, bool stacked, int n, int k) {
  n = std::max(n, 1);
  TFrame frame;
  if (stacked) {
    frame.Width = bitmap.Width();
    frame.Height = bitmap.Height() / n;
    frame.Y = (k - 1) * frame.Height;
  } else {
    frame.Width = bitmap.Width() / n;
    frame.Height = bitmap.Height();
    frame.X = (k - 1) * frame.Width;
  }
  return frame;
}

std::unique_ptr<TBitmap> RenderNineGrid(const RECT& target, TBitmap& bitmap, const RECT& margins, bool stacked,
                                        bool tile, int n, int k) {
  auto result = std::make_unique<TBitmap>();
  const int w = WidthOf(target), h = HeightOf(target);
  if (w <= 0 || h <= 0) return result;
  result->SetSize(w, h);
  const HDC dest = result->Canvas().Handle();
  SetStretchBltMode(dest, HALFTONE);
  SetBrushOrgEx(dest, 0, 0, nullptr);

  int l = margins.left, t = margins.top, r = margins.right, b = margins.bottom;
  if (w < l + r) l = r = 0;
  if (h < t + b) t = b = 0;
  const TFrame f = SelectFrame(bitmap, stacked, n, k);
  const HDC source = bitmap.Canvas().Handle();
  // Destination corners, and source corners measured from the frame.
  const auto piece = [&](RECT d, RECT s) {
    OffsetRect(&s, f.X, f.Y);
    StretchPiece(dest, d, source, s);
  };
  const int fw = f.Width, fh = f.Height;
  piece({0, 0, l, t}, {0, 0, l, t});
  piece({0, h - b, l, h}, {0, fh - b, l, fh});
  piece({w - r, 0, w, t}, {fw - r, 0, fw, t});
  piece({0, t, l, h - b}, {0, t, l, fh - b});
  piece({l, 0, w - r, t}, {l, 0, fw - r, t});
  if (tile)
    TileRect(result->Canvas(), {l, t, w - r, h - b}, bitmap, {f.X + l, f.Y + t, f.X + fw - r, f.Y + fh - b});
  else
    piece({l, t, w - r, h - b}, {l, t, fw - r, fh - b});
  // Drawn after the centre, so they cover tiles running past it.
  piece({w - r, h - b, w, h}, {fw - r, fh - b, fw, fh});
  piece({w - r, t, w, h - b}, {fw - r, t, fw, fh - b});
  piece({l, h - b, w - r, h}, {l, fh - b, fw - r, fh});
  return result;
}

void DrawNineGrid(HDC dc, const RECT& target, TBitmap& bitmap, bool stacked, bool tile, bool transparent, int n,
                  int k, const RECT& margins) {
  if (NegativeSize(target)) return;
  const std::unique_ptr<TBitmap> image = RenderNineGrid(target, bitmap, margins, stacked, tile, n, k);
  if (!image->Empty()) PutBitmap(dc, target, *image, transparent);
}

void DrawCentred(HDC dc, const RECT& rect, TBitmap& bitmap, bool transparent, int n, int k) {
  if (NegativeSize(rect)) return;
  const TFrame f = SelectFrame(bitmap, false, n, k);
  if (f.Width <= 0 || f.Height <= 0) return;
  TBitmap frame(f.Width, f.Height);
  BitBlt(frame.Canvas().Handle(), 0, 0, f.Width, f.Height, bitmap.Canvas().Handle(), f.X, f.Y, SRCCOPY);
  const int x = rect.left + (WidthOf(rect) - f.Width) / 2;
  const int y = rect.top + (HeightOf(rect) - f.Height) / 2;
  PutBitmap(dc, {x, y, x + f.Width, y + f.Height}, frame, transparent);
}

void DrawTransparent(HDC dc, const RECT& target, TBitmap& bitmap, TColor key) {
  const int w = std::min(WidthOf(target), bitmap.Width());
  const int h = std::min(HeightOf(target), bitmap.Height());
  if (w <= 0 || h <= 0) return;
  const HDC source = bitmap.Canvas().Handle();
  // Monochrome mask: colour-to-monochrome makes the pixels of the source
  // context's background colour 1, the rest 0.
  TBitmapHandle mask(CreateBitmap(w, h, 1, 1, nullptr));
  {
    TMemoryDC maskDC;
    TSelectObject select(maskDC.Get(), mask.Get());
    const COLORREF oldBack = SetBkColor(source, static_cast<COLORREF>(ColorToRGB(key)));
    BitBlt(maskDC.Get(), 0, 0, w, h, source, 0, 0, SRCCOPY);
    SetBkColor(source, oldBack);
  }
  // Where the mask is 1 the destination stays (0xAA0029), elsewhere the
  // bitmap is copied.
  MaskBlt(dc, target.left, target.top, w, h, source, 0, 0, mask.Get(), 0, 0, MAKEROP4(0x00AA0029, SRCCOPY));
}

void TileRect(TCanvas& canvas, const RECT& target, TBitmap& source, const RECT& sourceRect) {
  const int w = WidthOf(sourceRect), h = HeightOf(sourceRect);
  if (w <= 0 || h <= 0) return;
  TBitmap piece(w, h);
  BitBlt(piece.Canvas().Handle(), 0, 0, w, h, source.Canvas().Handle(), sourceRect.left, sourceRect.top, SRCCOPY);
  for (int y = target.top; y < target.bottom; y += h)
    for (int x = target.left; x < target.right; x += w) canvas.Draw(x, y, piece);
}
