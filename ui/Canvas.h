#pragma once
// A drawing surface over a device context: a brush colour and the few
// drawing operations the skin engine composes its pictures with. The canvas
// owns the brush it creates.
#include <windows.h>

#include "ui/Color.h"
#include "ui/Gdi.h"

class TBitmap;

class TCanvas {
 public:
  TCanvas() = default;
  explicit TCanvas(HDC dc) : FDC(dc) {}
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  HDC Handle() const { return FDC; }
  void SetHandle(HDC dc) { FDC = dc; }

  void SetBrushColor(TColor color);

  // Fills with the brush colour.
  void FillRect(const RECT& rect);
  void Draw(int x, int y, TBitmap& bitmap);
  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor color);

 private:
  HDC FDC = nullptr;
  TColor FBrushColor = clWhite;
  TBrushHandle FBrush;
};

// Binds a canvas to a device context for the lifetime of this object.
class TCanvasBinding {
 public:
  TCanvasBinding(TCanvas& canvas, HDC dc) : FCanvas(canvas), FOuter(canvas.Handle()) { canvas.SetHandle(dc); }
  ~TCanvasBinding() { FCanvas.SetHandle(FOuter); }
  TCanvasBinding(const TCanvasBinding&) = delete;
  TCanvasBinding& operator=(const TCanvasBinding&) = delete;

 private:
  TCanvas& FCanvas;
  HDC FOuter;
};
