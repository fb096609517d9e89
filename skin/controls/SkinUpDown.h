#pragma once
// TSkinUpDown: an up-down (spin) control painted from the skin's
// "UpDown.Vert" or "UpDown.Horz" element, two buttons side by side or one
// above the other, each in its normal, pressed, disabled or hot frame.
//
// Besides the dispatch, other wrappers make one for an up-down window they
// find inside their control and attach it as a bare window:
//
//   auto* spin = new TSkinUpDown(ownerControl);
//   spin->InitHandle(upDownWindow, skinData, form, canvas);
//   spin->FInEdit = true;        // a spin button inside an edit
//   spin->FHorizontal = 1;       // a scroller that is horizontal whatever its style says
//
// The wrapper then belongs to ownerControl and dies with it (or with the
// form skinner's list, whichever frees it first).
#include "skin/controls/SkinControl.h"

class TDataSkinBorder;

class TSkinUpDown : public TSkinControl {
  QV_CLASS(TSkinUpDown, TSkinControl)

  using TSkinControl::TSkinControl;

  bool BeforeProc(TMessage& message) override;
  void AfterProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

  // The up-down sits inside an edit: its buttons keep clear of the edit's
  // sunken frame, the rest of it is white.
  bool FInEdit = false;
  // 1: split left and right whatever the window style says.
  int FHorizontal = 0;
  // Hot (1) and pressed (2).
  int FButtonState = 0;

 private:
  bool Horizontal() const;
  // Whether the cursor is over the second button (down or right).
  bool CursorInSecondHalf() const;
  void OnMouseMove();
  void DrawPart(HDC dc, const RECT& part, int state, int direction, TDataSkinBorder* element) const;
  void DrawPlainPart(HDC dc, const RECT& part, int state, int direction) const;

  // The half the cursor was last seen over, for hot tracking.
  bool FCursorSecond = false;
};
