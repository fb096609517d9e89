#pragma once
// TSkinDateTime: a date and time picker with the skin's two-colour frame
// (ButtonShadow outside, white within; none for a picker without a border)
// and a skinned drop-down button laid over the picker's own: TArrowButton,
// a small control that shows the "ComboxArrow" image (frame 4 with the
// mouse over it, else frame 1) and hands a click on to the picker, which
// opens its calendar.
#include "skin/controls/SkinControl.h"
#include "ui/CustomControl.h"

class TSkinDateTime;

class TArrowButton : public TCustomControl {
 public:
  QV_CLASS(TArrowButton, TCustomControl)

  // owner: the wrapper; the button goes on the picker's window.
  TArrowButton(TSkinDateTime* wrapper, TWinControl& picker);

  // Places the button over the picker's own, for a picker pickerWidth
  // wide (window size).
  void Place(int pickerWidth);

  // SM_CXHSCROLL.
  int FArrowWidth = 0;
  TWinControl* FPicker = nullptr;
  HWND FPickerWnd = nullptr;
  TSkinDateTime* FWrapper = nullptr;
  bool FHot = false;

 protected:
  void Paint() override;
  void WndProc(TMessage& message) override;

 private:
  void SetHot(bool hot);
  void OnLButtonDown(TMessage& message);
  void OnLButtonUp(TMessage& message);
};

class TSkinDateTime : public TSkinControl {
 public:
  QV_CLASS(TSkinDateTime, TSkinControl)

  using TSkinControl::TSkinControl;

  // Also lays the arrow button over the picker (once).
  void InitControl(TWinSkinForm* form, TSkinData* skinData, bool setColor, TCanvas* canvas) override;
  void AfterProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;
  // The arrow button too shows the new skin.
  void SkinChange() override;
  void Notification(TComponent* component, TOperation operation) override;

  // Owned by this wrapper; null until attached.
  TArrowButton* FArrowButton = nullptr;
};
