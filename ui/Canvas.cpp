#include "ui/Canvas.h"

#include "ui/Bitmap.h"

void TCanvas::SetBrushColor(TColor color) {
  if (color != FBrushColor) FBrush.Reset();
  FBrushColor = color;
}

void TCanvas::FillRect(const RECT& rect) {
  if (!FBrush) FBrush.Reset(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(FBrushColor))));
  ::FillRect(FDC, &rect, FBrush.Get());
}

void TCanvas::Draw(int x, int y, TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  BitBlt(FDC, x, y, bitmap.Width(), bitmap.Height(), bitmap.Canvas().Handle(), 0, 0, SRCCOPY);
}

TColor TCanvas::Pixel(int x, int y) const { return static_cast<TColor>(GetPixel(FDC, x, y)); }

void TCanvas::SetPixel(int x, int y, TColor color) {
  ::SetPixelV(FDC, x, y, static_cast<COLORREF>(ColorToRGB(color)));
}
