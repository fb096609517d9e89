#pragma once
// TSkinEdit: an edit drawn with the skin's frame. After the edit has painted
// itself, its border is covered by three one-pixel rings: the skin's
// ButtonShadow outside, white within. An edit without a border is left
// alone. An up-down window inside the edit (a spin button) gets a wrapper of
// its own, once.
#include "skin/controls/SkinControl.h"

class TSkinEdit : public TSkinControl {
  QV_CLASS(TSkinEdit, TSkinControl)

  using TSkinControl::TSkinControl;

  // WM_PRINT: the edit prints itself, then PrintFrame.
  bool BeforeProc(TMessage& message) override;
  void AfterProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;
  // WM_PRINT: the frame over the printed edit, into dc (the window's own
  // DC when null).
  void PrintFrame(HDC dc);

  // The wrapper of the spin button inside the edit, owned by the edit's
  // control (or the form skinner for a bare edit); null until one is found.
  TSkinControl* FUpDown = nullptr;

  // Forgets the spin button's wrapper when it goes.
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void SkinSpinButton();
  void PrintFrameInto(HDC dc, const RECT& rect);
  TColor ShadowColor() const;
};
