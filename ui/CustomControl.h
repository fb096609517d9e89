#pragma once
// Windowed controls that paint their own face through a canvas (Paint), on a
// window of no system class; the windowless children are painted after the
// face.
#include "ui/Canvas.h"
#include "ui/WinControl.h"

class TCustomControl : public TWinControl {
 public:
  QV_CLASS(TCustomControl, TWinControl)

  explicit TCustomControl(TComponent* owner);

  // Bound to the window's device context while the control paints.
  TCanvas& Canvas() { return FCanvas; }

 protected:
  // Draws the face on Canvas; nothing here.
  virtual void Paint();
  void PaintWindow(HDC dc) override;
  void WndProc(TMessage& message) override;

 private:
  TCanvas FCanvas;
};
