#pragma once
// Drawing primitives for skin elements. An element bitmap holds n equally
// sized frames side by side or stacked; these routines cut frame k (1-based)
// out of it, fit it to a target rectangle in the element's own way and put
// it on a device context, opaque or with a key colour left transparent.
// Margins are the fixed lengths at the left, top, right and bottom of a
// frame. Nothing is drawn for a target of negative width or height.
#include <windows.h>

#include <memory>

#include "ui/Bitmap.h"
#include "ui/Color.h"

// The transparent key colour of skin bitmaps.
constexpr TColor kSkinKeyColour = clFuchsia;

// The position of frame k of n in a bitmap; n below 1 counts as 1.
struct TFrame {
  int X = 0, Y = 0, Width = 0, Height = 0;
};
TFrame SelectFrame(const TBitmap& bitmap, bool stacked, int n, int k);

// The frame fitted to the target's size: fixed corners and edges, the centre
// stretched or (tile) tiled. Ends that do not fit together are dropped.
std::unique_ptr<TBitmap> RenderNineGrid(const RECT& target, TBitmap& bitmap, const RECT& margins, bool stacked,
                                        bool tile, int n, int k);
void DrawNineGrid(HDC dc, const RECT& target, TBitmap& bitmap, bool stacked, bool tile, bool transparent, int n,
                  int k, const RECT& margins);
// Frame k (side by side) unscaled, centred in the rectangle.
void DrawCentred(HDC dc, const RECT& rect, TBitmap& bitmap, bool transparent, int n, int k);
// Copies the bitmap's top-left part of the target's size to the target,
// leaving the destination where the bitmap has the key colour.
void DrawTransparent(HDC dc, const RECT& target, TBitmap& bitmap, TColor key);
// Fills the target by repeating the source piece from the target's top-left
// corner; the last row and column run over the target's edge.
void TileRect(TCanvas& canvas, const RECT& target, TBitmap& source, const RECT& sourceRect);

// PENDING: declared as the drawing-primitives branch declares them.
class TControl;
void DrawThreePart(TCanvas& canvas, const RECT& target, TBitmap& bitmap, bool stacked, bool transparent, int n, int k,
                   const RECT& margins);
void DrawStretchedEnds(HDC dc, const RECT& target, TBitmap& bitmap, bool stacked, int n, int k, const RECT& margins);
void DrawFrame(HDC dc, const RECT& target, TBitmap& bitmap, bool transparent, int n, int k);
TRegionHandle RegionFromBitmap(TBitmap& bitmap, int x, int y, int blueTolerance, int greenTolerance,
                               int redTolerance, TColor key);
void PaintParentBackground(TControl& control, HDC dc);
void StartSkinDrawing();
void EndSkinDrawing();
TBitmap* SkinDrawBuffer();
