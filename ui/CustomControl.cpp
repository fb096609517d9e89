#include "ui/CustomControl.h"

QV_CLASS_INFO(TCustomControl, {});

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {}

void TCustomControl::Paint() {}

void TCustomControl::PaintWindow(HDC dc) {
  const TCanvasBinding binding(FCanvas, dc);
  Paint();
}

void TCustomControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT: return PaintHandler(message);
    default: return TWinControl::WndProc(message);
  }
}
