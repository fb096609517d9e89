#pragma once
// TSkinStatusBar: a status bar painted whole from the skin: each panel's
// background from "StatusBarEdges" (lowered, raised or flat; plain edges
// without it), the panel texts in that element's text colour, the size
// grip from frame 5 of "ExtraImages". The application's own panel drawing
// (OnDrawPanel) lands on top, for every panel.
#include "skin/controls/SkinControl.h"

class TSkinStatusBar : public TSkinControl {
  QV_CLASS(TSkinStatusBar, TSkinControl)

  using TSkinControl::TSkinControl;

  bool BeforeProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

 private:
  // The background of a panel over rect: frame 1 lowered, 2 raised, 3 flat.
  void DrawPanelBack(HDC dc, const RECT& rect, int frame) const;
  void DrawPanels(TCanvas& canvas, const RECT& bar) const;
  void DrawGrip(HDC dc, const RECT& bar) const;
  // The application's drawing of each panel, over the bar in dc.
  void CallDrawPanel(HDC dc) const;
};
