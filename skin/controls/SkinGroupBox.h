#pragma once
// TSkinGroupBox: a group box drawn with the skin's colours: a rounded
// one-pixel frame in ButtonShadow, the caption on ButtonFace cutting the
// frame's top line, 8 pixels from the left (or, for right-aligned text,
// from the right).
//
// FKind 1 (a framework control): the wrapper paints the whole group box
// itself, windowless child controls included. FKind 0 (a bare window): the
// system paints first and the wrapper draws over its frame.
#include "skin/controls/SkinControl.h"

class TSkinGroupBox : public TSkinControl {
  QV_CLASS(TSkinGroupBox, TSkinControl)

  using TSkinControl::TSkinControl;

  void InitControl(TWinSkinForm* form, TSkinData* skinData, bool setColor, TCanvas* canvas) override;
  bool BeforeProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;
};
