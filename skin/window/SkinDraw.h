#pragma once
// Drawing primitives for skin elements. An element bitmap holds n equally
// sized frames side by side or stacked; these routines cut frame k (1-based)
// out of it, fit it to a target rectangle in the element's own way and put
// it on a device context, opaque or with a key colour left transparent.
// Margins are the fixed lengths at the left, top, right and bottom of a
// frame. Nothing is drawn for a target of negative width or height.
//
// Also here: the colour-key region of a bitmap, the parent background under
// a control, and the drawing buffer that all skinned painting shares.
#include <windows.h>

#include <memory>

#include "ui/Bitmap.h"
#include "ui/Color.h"
#include "ui/Gdi.h"

class TControl;

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
// A horizontal three-part frame: the left and right ends (margins left and
// right) stretched to the target's height, the middle repeated across and
// stretched to the height only; composed off-screen, put on the canvas
// opaque or with magenta transparent. A frame whose ends leave no middle
// (frame width <= left + right) is stretched whole across the target.
void DrawThreePart(TCanvas& canvas, const RECT& target, TBitmap& bitmap, bool stacked, bool transparent, int n,
                   int k, const RECT& margins);
// A three-part frame straight onto the context: the ends (margins left and
// right) keep their width, the middle is stretched across. A target
// narrower than the frame, or a frame without a middle, gets the whole
// frame stretched.
void DrawStretchedEnds(HDC dc, const RECT& target, TBitmap& bitmap, bool stacked, int n, int k,
                       const RECT& margins);
// Frame k (side by side) stretched to the target, each target pixel taking
// the colour of one frame pixel, so that the key colour stays exact.
void DrawFrame(HDC dc, const RECT& target, TBitmap& bitmap, bool transparent, int n, int k);
// Frame k (side by side) unscaled, centred in the rectangle.
void DrawCentred(HDC dc, const RECT& rect, TBitmap& bitmap, bool transparent, int n, int k);
// Copies the bitmap's top-left part of the target's size to the target,
// leaving the destination where the bitmap has the key colour.
void DrawTransparent(HDC dc, const RECT& target, TBitmap& bitmap, TColor key);
// Fills the target by repeating the source piece from the target's top-left
// corner; the last row and column run over the target's edge.
void TileRect(TCanvas& canvas, const RECT& target, TBitmap& source, const RECT& sourceRect);

// A region of every pixel that is not key-coloured (within the tolerances), offset by (x, y).
// A channel is key-coloured from the key's value up to that value plus its
// tolerance (at most 255). The bitmap itself is left as it is.
TRegionHandle RegionFromBitmap(TBitmap& bitmap, int x, int y, int blueTolerance, int greenTolerance,
                               int redTolerance, TColor key);

// Paints the control's parent, as it looks under the control, into dc.
// The parent is sent WM_ERASEBKGND and WM_PAINT with dc as wParam, moved
// and clipped to the control's place; dc's state is restored afterwards.
void PaintParentBackground(TControl& control, HDC dc);

// The shared drawing buffer: StartSkinDrawing/EndSkinDrawing are counted (the first start creates the
// buffer, stretch mode HALFTONE, the last end frees it); SkinDrawBuffer() is null while not started.
// Painting code uses it as a scratch surface whose content does not
// survive another paint. Prefer TSkinDrawingScope to pairing the calls.
void StartSkinDrawing();
void EndSkinDrawing();
TBitmap* SkinDrawBuffer();

// One start of skin drawing, ended by the destructor.
class TSkinDrawingScope {
 public:
  TSkinDrawingScope() { StartSkinDrawing(); }
  ~TSkinDrawingScope() { EndSkinDrawing(); }
  TSkinDrawingScope(const TSkinDrawingScope&) = delete;
  TSkinDrawingScope& operator=(const TSkinDrawingScope&) = delete;
};
