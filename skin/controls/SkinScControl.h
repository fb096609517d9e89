#pragma once
// TSkinScControl: a scroll-bar control covered whole by one skinned bar
// (TWScrollbar of kind wbControl), which reads position, range and page
// from the control and hands presses to it, so that the control scrolls
// as it always does.
#include "skin/controls/SkinControl.h"

class TWScrollbar;
class TWinControl;

class TSkinScControl : public TSkinControl {
 public:
  QV_CLASS(TSkinScControl, TSkinControl)

  explicit TSkinScControl(TComponent* owner);

  // Attaches through AttachScrollBar (the colour is never changed: the bar
  // covers the whole control).
  void InitControl(TWinSkinForm* form, TSkinData* skinData, bool setColor, TCanvas* canvas) override;
  // Hooks the control and covers it with the bar, hidden while the control
  // is.
  void AttachScrollBar(TWinControl& control, TSkinData* skinData, TWinSkinForm* form, TCanvas* canvas);
  void Unskin() override;
  void AfterProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;
  // The bar, freed before the wrapper lets go of its control, is forgotten
  // at once.
  void Notification(TComponent* component, TOperation operation) override;

  // Owned by this wrapper; null once unskinned.
  TWScrollbar* FBar = nullptr;

 private:
  void UpdateBar();
  void OnVisibleChanged(const TMessage& message);
};
