#pragma once
// Media players: a row of buttons (play, pause, stop, next, previous,
// step, back, record, eject) in one window. The wrapper paints the whole
// control: each button the skin's button face (normal, hot under the
// mouse, pressed while the left button is held on it, disabled with the
// control), with its symbol drawn in the skin's button text colour. The
// buttons shown are the control's VisibleButtons (a set of the nine, in
// that order) when it publishes them, else all nine. The control keeps its
// own mouse handling.
#include <windows.h>

#include "skin/controls/SkinControl.h"
#include "ui/Bitmap.h"

class TSkinMP : public TSkinControl {
  QV_CLASS(TSkinMP, TSkinControl)

  using TSkinControl::TSkinControl;

  bool BeforeProc(TMessage& message) override;
  void AfterProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

  // The button under the mouse and the one held down; -1 for none (places
  // in the row, counting the buttons shown).
  int FHotButton = -1;
  int FPressedButton = -1;

 private:
  // The buttons shown, bit n for button n of the nine.
  unsigned VisibleButtons() const;
  // The place in the row of client x; -1 outside.
  int ButtonAt(int x) const;
  void Track(int hot, int pressed);

  TBitmap FBuffer;
};
