#pragma once
// Windowless controls: a control without a window of its own, painted by
// its parent through a canvas (the parent sends it WM_PAINT with its device
// context, the origin at the control's corner) and given the mouse messages
// over it by its parent. Invalidate invalidates its rectangle in the
// parent's window; a change of bounds, visibility, state or text repaints
// it.
#include "ui/Canvas.h"
#include "ui/Control.h"

class TGraphicControl : public TControl {
 public:
  QV_CLASS(TGraphicControl, TControl)

  explicit TGraphicControl(TComponent* owner);

  void SetBounds(int left, int top, int width, int height) override;
  // Bound to the parent's device context while the control paints.
  TCanvas& Canvas() { return FCanvas; }

 protected:
  // Draws the control on Canvas; nothing here.
  virtual void Paint();
  void WndProc(TMessage& message) override;

 private:
  void WMPaint(TMessage& message);
  void CMChanged(TMessage&);

  TCanvas FCanvas;
};
