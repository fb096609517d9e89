#pragma once
// Panels: a windowed control with bevels, a face of its colour and a centred
// caption. With the standard raised outer bevel of width 1, a child aligned
// to fill a 390 x 276 panel sits at (1, 1) with the size 388 x 274.
#include "ui/CustomControl.h"

enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

class TCustomPanel : public TCustomControl {
 public:
  QV_CLASS(TCustomPanel, TCustomControl)

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
  void Paint() override;
  void WndProc(TMessage& message) override;

 private:
  void BevelsChanged();
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
