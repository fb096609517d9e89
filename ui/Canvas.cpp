#include "ui/Canvas.h"

#include "ui/Bitmap.h"

void TCanvas::SetBrushColor(TColor color) {
  if (color != FBrushColor) FBrush.Reset();
  FBrushColor = color;
}

void TCanvas::SetPenColor(TColor color) {
  if (color != FPenColor) FPen.Reset();
  FPenColor = color;
}

void TCanvas::FillRect(const RECT& rect) {
  if (!FBrush) FBrush.Reset(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(FBrushColor))));
  ::FillRect(FDC, &rect, FBrush.Get());
}

void TCanvas::MoveTo(int x, int y) { MoveToEx(FDC, x, y, nullptr); }

void TCanvas::LineTo(int x, int y) {
  if (!FPen) FPen.Reset(CreatePen(PS_SOLID, 1, static_cast<COLORREF>(ColorToRGB(FPenColor))));
  TSelectObject pen(FDC, FPen.Get());
  ::LineTo(FDC, x, y);
}

void TCanvas::Draw(int x, int y, TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  BitBlt(FDC, x, y, bitmap.Width(), bitmap.Height(), bitmap.Canvas().Handle(), 0, 0, SRCCOPY);
}

void TCanvas::StretchDraw(const RECT& rect, TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  StretchBlt(FDC, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
             bitmap.Canvas().Handle(), 0, 0, bitmap.Width(), bitmap.Height(), SRCCOPY);
}

void TCanvas::CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect) {
  StretchBlt(FDC, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top,
             source.Handle(), sourceRect.left, sourceRect.top, sourceRect.right - sourceRect.left,
             sourceRect.bottom - sourceRect.top, SRCCOPY);
}

void TCanvas::WriteText(int x, int y, std::string_view text) {
  TSelectObject font(FDC, FFont ? static_cast<HGDIOBJ>(FFont) : GetCurrentObject(FDC, OBJ_FONT));
  const int oldMode = SetBkMode(FDC, TRANSPARENT);
  const COLORREF oldColour = SetTextColor(FDC, static_cast<COLORREF>(ColorToRGB(FFontColor)));
  ::TextOutA(FDC, x, y, text.data(), static_cast<int>(text.size()));
  SetTextColor(FDC, oldColour);
  SetBkMode(FDC, oldMode);
}

SIZE TCanvas::TextExtent(std::string_view text) {
  TSelectObject font(FDC, FFont ? static_cast<HGDIOBJ>(FFont) : GetCurrentObject(FDC, OBJ_FONT));
  SIZE size{};
  GetTextExtentPoint32A(FDC, text.data(), static_cast<int>(text.size()), &size);
  return size;
}

TColor TCanvas::Pixel(int x, int y) const { return static_cast<TColor>(GetPixel(FDC, x, y)); }

void TCanvas::SetPixel(int x, int y, TColor color) {
  ::SetPixelV(FDC, x, y, static_cast<COLORREF>(ColorToRGB(color)));
}
