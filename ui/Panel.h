#pragma once
// Panels: a windowed control with bevels, a face of its colour and a centred
// caption. With the standard raised outer bevel of width 1, a child aligned
// to fill a 390 x 276 panel sits at (1, 1) with the size 388 x 274.
#include "ui/WinControl.h"

enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

class TCustomPanel : public TWinControl {
 public:
  QV_CLASS(TCustomPanel, TWinControl)

  explicit TCustomPanel(TComponent* owner);

  TBevelCut BevelInner() const { return FBevelInner; }
  void SetBevelInner(TBevelCut bevel);
  TBevelCut BevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut bevel);
  int BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(int width);

 protected:
  void CreateParams(TCreateParams& params) override;
  void AdjustClientRect(RECT& rect) const override;
  void WndProc(TMessage& message) override;

 private:
  void BevelsChanged();
  void WMPaint(TMessage& message);
  void PaintTo(HDC dc);
  void CMTextChanged(TMessage& message);

  TBevelCut FBevelInner = TBevelCut::bvNone;
  TBevelCut FBevelOuter = TBevelCut::bvRaised;
  int FBevelWidth = 1;
};

class TPanel : public TCustomPanel {
 public:
  QV_CLASS(TPanel, TCustomPanel)

  using TCustomPanel::TCustomPanel;

 private:
  static const TPropInfo Published[];
};
