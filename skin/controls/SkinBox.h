#pragma once
// The wrappers that give a control or a bare window the skin's control
// colour (ButtonFace) and nothing more:
//   TSkinBox      panels, tool bars, forms inside forms: recoloured only; it
//                 takes none of the control's messages.
//   TSkinBoxH     bare dialog and tool-bar windows: the background, and the
//                 background of the dialog's static texts.
//   TSkinSizer    size grips: filled.
//   TSkinTabSheet the sheets of a page control: filled, with the sheet's
//                 windowless controls painted on top.
#include "skin/controls/SkinControl.h"

class TSkinBox : public TSkinControl {
  QV_CLASS(TSkinBox, TSkinControl)

  using TSkinControl::TSkinControl;

  // Registers and recolours; the control's WindowProc stays its own.
  void InitControl(TWinSkinForm* form, TSkinData* skinData, bool setColor, TCanvas* canvas) override;
};

class TSkinBoxH : public TSkinControl {
  QV_CLASS(TSkinBoxH, TSkinControl)

  using TSkinControl::TSkinControl;

  bool BeforeProc(TMessage& message) override;
};

class TSkinSizer : public TSkinControl {
  QV_CLASS(TSkinSizer, TSkinControl)

  using TSkinControl::TSkinControl;

  void DrawControl(HDC dc, const RECT& rect) override;
};

class TSkinTabSheet : public TSkinControl {
  QV_CLASS(TSkinTabSheet, TSkinControl)

  using TSkinControl::TSkinControl;

  bool BeforeProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;
};
