#pragma once
// A drawing surface over a device context: brush, pen and font colours, and
// the few drawing operations the skin engine composes its pictures with.
// The canvas owns the brush and pen it creates; the font is the caller's.
#include <windows.h>

#include <string_view>

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

  TColor BrushColor() const { return FBrushColor; }
  void SetBrushColor(TColor color);
  TColor PenColor() const { return FPenColor; }
  void SetPenColor(TColor color);
  TColor FontColor() const { return FFontColor; }
  void SetFontColor(TColor color) { FFontColor = color; }
  // The font for text; none means the context's current font.
  void SetFont(HFONT font) { FFont = font; }

  // Fills with the brush colour.
  void FillRect(const RECT& rect);
  void MoveTo(int x, int y);
  // Draws with the pen colour, one pixel wide, ending before (x, y).
  void LineTo(int x, int y);
  void Draw(int x, int y, TBitmap& bitmap);
  void StretchDraw(const RECT& rect, TBitmap& bitmap);
  void CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect);
  // Text in the font colour on a transparent background.
  void WriteText(int x, int y, std::string_view text);
  SIZE TextExtent(std::string_view text);
  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor color);

 private:
  HDC FDC = nullptr;
  TColor FBrushColor = clWhite;
  TColor FPenColor = clBlack;
  TColor FFontColor = clBlack;
  HFONT FFont = nullptr;
  TBrushHandle FBrush;
  TPenHandle FPen;
};
