#include "skin/controls/SkinProgress.h"

#include <commctrl.h>

#include "skin/data/ImgUtil.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/SkinDraw.h"

QV_CLASS_INFO(TSkinProgress, {});

namespace {

int WidthOf(const RECT& r) { return r.right - r.left; }

// A bitmap of the key colour, so that what is not drawn on it stays
// transparent.
std::unique_ptr<TBitmap> KeyBitmap(int width, int height) {
  auto bitmap = std::make_unique<TBitmap>(width, height);
  const TBrushHandle key(CreateSolidBrush(static_cast<COLORREF>(kSkinKeyColour)));
  const RECT all{0, 0, width, height};
  FillRect(bitmap->Canvas().Handle(), &all, key.Get());
  return bitmap;
}

}  // namespace

bool TSkinProgress::BeforeProc(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      if (!CanDraw()) return true;
      PaintByDraw(message);
      message.Result = 0;
      return false;
    case WM_ERASEBKGND: message.Result = 1; return false;
    default: return TSkinControl::BeforeProc(message);
  }
}

// A bar of chunks without the chunk image is left to the control: painted
// by neither, it would show whatever was on the screen before.
bool TSkinProgress::CanDraw() const {
  const TDataSkinBorder* bar = FSkinData->FProgress.get();
  if (!bar || bar->FBitmap.Empty()) return false;
  if (bar->FStyle != 1) return true;
  const TDataSkinObject* chunk = FSkinData->FProgressChunk.get();
  return chunk && !chunk->FBitmap.Empty();
}

void TSkinProgress::DrawControl(HDC dc, const RECT& rect) {
  if (!CanDraw()) return;
  TDataSkinBorder& element = *FSkinData->FProgress;
  const bool vertical = (GetWindowLongFor(FHandle, GWL_STYLE) & PBS_VERTICAL) != 0;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  // Composed lying down.
  const RECT bar = vertical ? RECT{0, 0, height, width} : RECT{0, 0, width, height};
  TBitmap buffer(bar.right, bar.bottom);
  FillColor(buffer.Canvas().Handle(), bar, FSkinData->FColours[scButtonFace]);
  if (element.FStyle == 1)
    DrawChunks(buffer, bar, element);
  else
    DrawFrames(buffer, bar, element);
  if (vertical) RotateLeft(buffer);
  BitBlt(dc, rect.left, rect.top, width, height, buffer.Canvas().Handle(), 0, 0, SRCCOPY);
}

// The empty bar, and over it the filled part from the low to the position.
void TSkinProgress::DrawFrames(TBitmap& buffer, const RECT& bar, TDataSkinBorder& element) const {
  const HDC dc = buffer.Canvas().Handle();
  const bool tile = element.FTile != 0;
  const auto empty = RenderNineGrid(bar, element.FBitmap, element.FMargins, false, tile, 2, 1);
  DrawTransparent(dc, bar, *empty, kSkinKeyColour);
  const int position = static_cast<int>(SendMessageW(FHandle, PBM_GETPOS, 0, 0));
  const int high = static_cast<int>(SendMessageW(FHandle, PBM_GETRANGE, FALSE, 0));
  const int low = static_cast<int>(SendMessageW(FHandle, PBM_GETRANGE, TRUE, 0));
  if (high <= 0 || position <= 0) return;
  RECT filled = bar;
  filled.right = bar.left + MulDiv(WidthOf(bar), position - low, high - low);
  if (filled.left >= filled.right) return;
  const auto full = RenderNineGrid(filled, element.FBitmap, element.FMargins, false, tile, 2, 2);
  DrawTransparent(dc, filled, *full, kSkinKeyColour);
}

// The whole image as the bar, and chunks from 0 to the position (the low
// limit does not count): side by side at their own size when the chunk
// element tiles, else one chunk stretched between its fixed ends, 2 pixels
// in from the bar's edges.
void TSkinProgress::DrawChunks(TBitmap& buffer, const RECT& bar, TDataSkinBorder& element) const {
  TDataSkinObject& chunk = *FSkinData->FProgressChunk;
  const HDC dc = buffer.Canvas().Handle();
  const auto back = RenderNineGrid(bar, element.FBitmap, element.FMargins, false, false, 1, 1);
  DrawTransparent(dc, bar, *back, kSkinKeyColour);
  const int position = static_cast<int>(SendMessageW(FHandle, PBM_GETPOS, 0, 0));
  const int high = static_cast<int>(SendMessageW(FHandle, PBM_GETRANGE, FALSE, 0));
  if (high <= 0 || position <= 0) return;
  RECT filled = bar;
  filled.right = bar.left + MulDiv(WidthOf(bar), position, high);
  const int cw = chunk.FBitmap.Width(), ch = chunk.FBitmap.Height();
  if (WidthOf(filled) <= 0) return;
  if (chunk.FTile == 1) {
    const int y = (filled.bottom - ch) / 2;
    const auto row = KeyBitmap(WidthOf(filled), ch);
    for (int i = 0; i <= WidthOf(filled) / cw; ++i)
      BitBlt(row->Canvas().Handle(), i * cw, 0, cw, ch, chunk.FBitmap.Canvas().Handle(), 0, 0, SRCCOPY);
    const int x = chunk.FMargins.left + 2;
    DrawTransparent(dc, RECT{x, bar.top + y, x + row->Width(), bar.top + y + ch}, *row, kSkinKeyColour);
  } else {
    // The chunk is fitted to the inset it is shown in, its ends whole.
    const int insetHeight = filled.bottom - 4;
    if (insetHeight <= 0) return;
    const auto inset = KeyBitmap(filled.right, insetHeight);
    DrawStretchedEnds(inset->Canvas().Handle(), RECT{0, 0, filled.right, insetHeight}, chunk.FBitmap, false, 1, 1,
                      chunk.FMargins);
    DrawTransparent(dc, RECT{2, 2, 2 + filled.right, 2 + insetHeight}, *inset, kSkinKeyColour);
  }
}
