#pragma once
// TSkinTrackBar: a track bar whose channel and thumb are drawn from the
// skin through the control's own custom-draw notifications, so they follow
// every change of the control at once; the control draws its tick marks.
// The channel comes from "Track" or "TRACKVERT" (the program's built-in
// images when the skin has none), the thumb from "Trackbar.ThumbHorz" or
// "Trackbar.ThumbVert" (a white box without them).
#include <windows.h>
#include <commctrl.h>

#include "skin/controls/SkinControl.h"

class TSkinTrackBar : public TSkinControl {
  QV_CLASS(TSkinTrackBar, TSkinControl)

  using TSkinControl::TSkinControl;

  bool BeforeProc(TMessage& message) override;
  // Has the control repaint itself, by giving it the focus for a moment.
  void SkinChange() override;

 private:
  // The answer to a custom-draw notification of this track bar.
  LRESULT CustomDraw(const NMCUSTOMDRAW& draw);
  void DrawThumb(const NMCUSTOMDRAW& draw);
  void DrawChannel(const NMCUSTOMDRAW& draw) const;
  bool Vertical() const;
};
