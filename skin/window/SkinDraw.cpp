#include "skin/window/SkinDraw.h"

#include <algorithm>

#include "ui/WinControl.h"

namespace {

int WidthOf(const RECT& r) { return r.right - r.left; }
int HeightOf(const RECT& r) { return r.bottom - r.top; }
bool NegativeSize(const RECT& r) { return WidthOf(r) < 0 || HeightOf(r) < 0; }

// Stretching that averages the source pixels a target pixel covers.
void SetHalftone(HDC dc) {
  SetStretchBltMode(dc, HALFTONE);
  // The brush origin is undefined after choosing HALFTONE until it is set.
  SetBrushOrgEx(dc, 0, 0, nullptr);
}

// Stretches a source piece onto a destination piece, both given by their
// corners; pieces without area are skipped.
void StretchPiece(HDC dest, const RECT& d, HDC source, const RECT& s) {
  if (d.right <= d.left || d.bottom <= d.top || s.right <= s.left || s.bottom <= s.top) return;
  // A piece of the same size is copied: the same pixels, without the cost
  // of averaging.
  if (WidthOf(d) == WidthOf(s) && HeightOf(d) == HeightOf(s)) {
    BitBlt(dest, d.left, d.top, WidthOf(d), HeightOf(d), source, s.left, s.top, SRCCOPY);
    return;
  }
  StretchBlt(dest, d.left, d.top, WidthOf(d), HeightOf(d), source, s.left, s.top, WidthOf(s), HeightOf(s),
             SRCCOPY);
}

// The same with the source piece measured from the frame's top-left corner.
void StretchFramePiece(HDC dest, const RECT& d, TBitmap& bitmap, const TFrame& frame, RECT s) {
  OffsetRect(&s, frame.X, frame.Y);
  StretchPiece(dest, d, bitmap.Canvas().Handle(), s);
}

// Puts a composed bitmap at the target, opaque or with magenta transparent.
void PutBitmap(HDC dc, const RECT& target, TBitmap& bitmap, bool transparent) {
  if (transparent)
    DrawTransparent(dc, target, bitmap, kSkinKeyColour);
  else
    BitBlt(dc, target.left, target.top, WidthOf(target), HeightOf(target), bitmap.Canvas().Handle(), 0, 0,
           SRCCOPY);
}

// Ends that meet or overlap leave no middle to repeat or stretch.
bool HasMiddle(const TFrame& frame, const RECT& margins) {
  return frame.Width - margins.left - margins.right > 0;
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
  SetHalftone(dest);

  int l = margins.left, t = margins.top, r = margins.right, b = margins.bottom;
  if (w < l + r) l = r = 0;
  if (h < t + b) t = b = 0;
  const TFrame f = SelectFrame(bitmap, stacked, n, k);
  // Destination corners, and source corners measured from the frame.
  const auto piece = [&](const RECT& d, const RECT& s) { StretchFramePiece(dest, d, bitmap, f, s); };
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

void DrawThreePart(TCanvas& canvas, const RECT& target, TBitmap& bitmap, bool stacked, bool transparent, int n,
                   int k, const RECT& margins) {
  const int w = WidthOf(target), h = HeightOf(target);
  const TFrame f = SelectFrame(bitmap, stacked, n, k);
  if (w <= 0 || h <= 0 || f.Width <= 0 || f.Height <= 0) return;
  TBitmap image(w, h);
  const HDC dest = image.Canvas().Handle();
  SetHalftone(dest);
  const auto piece = [&](const RECT& d, const RECT& s) { StretchFramePiece(dest, d, bitmap, f, s); };
  const int l = margins.left, r = margins.right, fw = f.Width, fh = f.Height;
  if (!HasMiddle(f, margins)) {
    piece({0, 0, w, h}, {0, 0, fw, fh});
  } else {
    const int m = fw - l - r;
    piece({0, 0, l, h}, {0, 0, l, fh});
    // The last copy may run past the middle; the right end covers it.
    for (int x = l; x < w - r; x += m) piece({x, 0, x + m, h}, {l, 0, l + m, fh});
    piece({w - r, 0, w, h}, {fw - r, 0, fw, fh});
  }
  PutBitmap(canvas.Handle(), target, image, transparent);
}

void DrawStretchedEnds(HDC dc, const RECT& target, TBitmap& bitmap, bool stacked, int n, int k,
                       const RECT& margins) {
  if (NegativeSize(target)) return;
  const TFrame f = SelectFrame(bitmap, stacked, n, k);
  const auto piece = [&](const RECT& d, const RECT& s) { StretchFramePiece(dc, d, bitmap, f, s); };
  const int l = margins.left, r = margins.right, fw = f.Width, fh = f.Height;
  if (WidthOf(target) < fw || !HasMiddle(f, margins)) {
    piece(target, {0, 0, fw, fh});
    return;
  }
  const int x = target.left, y = target.top, right = target.right, bottom = target.bottom;
  piece({x, y, x + l, bottom}, {0, 0, l, fh});
  piece({x + l, y, right - r, bottom}, {l, 0, fw - r, fh});
  piece({right - r, y, right, bottom}, {fw - r, 0, fw, fh});
}

void DrawFrame(HDC dc, const RECT& target, TBitmap& bitmap, bool transparent, int n, int k) {
  const int w = WidthOf(target), h = HeightOf(target);
  const TFrame f = SelectFrame(bitmap, false, n, k);
  if (w <= 0 || h <= 0 || f.Width <= 0 || f.Height <= 0) return;
  TBitmap image(w, h);
  const HDC dest = image.Canvas().Handle();
  // Averaged colours would blur the key colour into its neighbours.
  SetStretchBltMode(dest, COLORONCOLOR);
  StretchFramePiece(dest, {0, 0, w, h}, bitmap, f, {0, 0, f.Width, f.Height});
  PutBitmap(dc, target, image, transparent);
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
  // A bitmap with a colour table would have the key matched to the table's
  // nearest colour, making pixels of that colour transparent too: its mask
  // comes from a true-colour copy.
  TBitmap trueColour;
  HDC maskSource = source;
  if (BitsPerPixel(bitmap.PixelFormat()) <= 8) {
    trueColour.SetSize(w, h);
    maskSource = trueColour.Canvas().Handle();
    BitBlt(maskSource, 0, 0, w, h, source, 0, 0, SRCCOPY);
  }
  // Monochrome mask: colour-to-monochrome makes the pixels of the source
  // context's background colour 1, the rest 0.
  TBitmapHandle mask(CreateBitmap(w, h, 1, 1, nullptr));
  {
    TMemoryDC maskDC;
    TSelectObject select(maskDC.Get(), mask.Get());
    const COLORREF oldBack = SetBkColor(maskSource, static_cast<COLORREF>(ColorToRGB(key)));
    BitBlt(maskDC.Get(), 0, 0, w, h, maskSource, 0, 0, SRCCOPY);
    SetBkColor(maskSource, oldBack);
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

void PaintParentBackground(TControl& control, HDC dc) {
  TWinControl* parent = control.Parent();
  if (!parent) return;
  RECT rect = control.ClientRect();
  const TSaveDC saved(dc);
  OffsetViewportOrgEx(dc, -control.Left(), -control.Top(), nullptr);
  // The control's place in the parent's coordinates.
  OffsetRect(&rect, control.Left(), control.Top());
  IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
  parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  parent->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
}

namespace {

int gSkinDrawingStarts = 0;
std::unique_ptr<TBitmap> gSkinDrawBuffer;

}  // namespace

void StartSkinDrawing() {
  if (gSkinDrawingStarts == 0) {
    auto buffer = std::make_unique<TBitmap>();
    SetHalftone(buffer->Canvas().Handle());
    gSkinDrawBuffer = std::move(buffer);
  }
  ++gSkinDrawingStarts;
}

void EndSkinDrawing() {
  if (gSkinDrawingStarts == 0) return;
  if (--gSkinDrawingStarts == 0) gSkinDrawBuffer.reset();
}

TBitmap* SkinDrawBuffer() { return gSkinDrawBuffer.get(); }
