#pragma once
// A face composed off the screen and put on a device context in one
// transfer. The drawing uses the target rectangle's own coordinates.
#include <windows.h>

#include <initializer_list>

#include "ui/Gdi.h"

class TOffscreenFace {
 public:
  // Compatible with dc, where the face goes.
  TOffscreenFace(HDC dc, const RECT& rect)
      : FRect(rect),
        FBitmap(CreateCompatibleBitmap(dc, Width(), Height())),
        FDC(dc),
        FSelect(FDC.Get(), FBitmap.Get()) {
    SetViewportOrgEx(DC(), -rect.left, -rect.top, nullptr);
  }
  TOffscreenFace(const TOffscreenFace&) = delete;
  TOffscreenFace& operator=(const TOffscreenFace&) = delete;

  HDC DC() const { return FDC.Get(); }
  // Starts from what dc shows in the rectangle.
  void CopyFrom(HDC dc) { BitBlt(DC(), FRect.left, FRect.top, Width(), Height(), dc, FRect.left, FRect.top, SRCCOPY); }
  // Puts the face on dc; a non-empty hole (inside the rectangle) is left
  // as dc has it.
  void CopyTo(HDC dc, const RECT& hole = RECT{}) {
    const TSaveDC saved(dc);
    if (!IsRectEmpty(&hole)) ExcludeClipRect(dc, hole.left, hole.top, hole.right, hole.bottom);
    BitBlt(dc, FRect.left, FRect.top, Width(), Height(), DC(), FRect.left, FRect.top, SRCCOPY);
  }

 private:
  int Width() const { return FRect.right - FRect.left; }
  int Height() const { return FRect.bottom - FRect.top; }

  RECT FRect;
  TBitmapHandle FBitmap;
  TMemoryDC FDC;
  TSelectObject FSelect;
};

// One-pixel rings with the brushes given, from the rectangle's edge
// inwards, composed off the screen and put on dc around what lies inside
// them.
inline void PutRings(HDC dc, const RECT& rect, std::initializer_list<HBRUSH> brushes) {
  if (rect.right <= rect.left || rect.bottom <= rect.top) return;
  TOffscreenFace face(dc, rect);
  RECT ring = rect;
  for (const HBRUSH brush : brushes) {
    FrameRect(face.DC(), &ring, brush);
    InflateRect(&ring, -1, -1);
  }
  face.CopyTo(dc, ring);
}

inline HBRUSH WhiteBrush() { return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)); }
