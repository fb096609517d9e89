#include "ui/GraphicControl.h"

QV_CLASS_INFO(TGraphicControl, {});

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

void TGraphicControl::SetBounds(int left, int top, int width, int height) {
  if (left == Left() && top == Top() && width == Width() && height == Height()) return;
  // Both where it was and where it goes.
  Invalidate();
  TControl::SetBounds(left, top, width, height);
  Invalidate();
}

void TGraphicControl::Paint() {}

void TGraphicControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT: return WMPaint(message);
    case CM_VISIBLECHANGED:
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
    case CM_COLORCHANGED: return CMChanged(message);
    default: return TControl::WndProc(message);
  }
}

void TGraphicControl::WMPaint(TMessage& message) {
  const auto dc = reinterpret_cast<HDC>(message.WParam);
  if (!dc) return;
  const TCanvasBinding binding(FCanvas, dc);
  Paint();
}

// Shown or hidden, the parent repaints the control's rectangle all the same.
void TGraphicControl::CMChanged(TMessage&) { Invalidate(); }
