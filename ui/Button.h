#pragma once
// Button controls over the system's "BUTTON" class, each under its own
// class name: push buttons (TButton), check boxes and radio buttons. A click
// (by mouse or keyboard) reaches the control as the reflected BN_CLICKED:
// a push button calls Click, a check box moves to its next state, a radio
// button checks itself and clears the other radio buttons of its parent.
// Changing a check box's state or checking a radio button, by the user or
// by code, calls Click (OnClick).
#include "ui/ControlTypes.h"
#include "ui/WinControl.h"

class TButtonControl : public TWinControl {
 public:
  QV_CLASS(TButtonControl, TWinControl)

  explicit TButtonControl(TComponent* owner);

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
  // The user clicked the button (BN_CLICKED): Click by default.
  virtual void Clicked();

 private:
  void CNCommand(TMessage& message);
};

class TButton : public TButtonControl {
 public:
  QV_CLASS(TButton, TButtonControl)

  explicit TButton(TComponent* owner);

  // The button the dialog's Enter key would press: drawn with a heavier
  // border.
  bool Default() const { return FDefault; }
  void SetDefault(bool isDefault);

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  static const TPropInfo Published[];
  bool FDefault = false;
};

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCustomCheckBox : public TButtonControl {
 public:
  QV_CLASS(TCustomCheckBox, TButtonControl)

  explicit TCustomCheckBox(TComponent* owner);

  TCheckBoxState State() const { return FState; }
  void SetState(TCheckBoxState state);
  bool Checked() const { return FState == TCheckBoxState::cbChecked; }
  void SetChecked(bool checked) { SetState(checked ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked); }
  // Clicking also visits the grayed (undecided) state.
  bool AllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool allowGrayed);
  // taLeftJustify puts the caption left of the box, taRightJustify right of
  // it.
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment alignment);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void Clicked() override;

 private:
  TCheckBoxState FState = TCheckBoxState::cbUnchecked;
  bool FAllowGrayed = false;
  TAlignment FAlignment = TAlignment::taRightJustify;
};

class TCheckBox : public TCustomCheckBox {
 public:
  QV_CLASS(TCheckBox, TCustomCheckBox)

  using TCustomCheckBox::TCustomCheckBox;

 private:
  static const TPropInfo Published[];
};

class TRadioButton : public TButtonControl {
 public:
  QV_CLASS(TRadioButton, TButtonControl)

  explicit TRadioButton(TComponent* owner);

  bool Checked() const { return FChecked; }
  void SetChecked(bool checked);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment alignment);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void Clicked() override;

 private:
  static const TPropInfo Published[];
  bool FChecked = false;
  TAlignment FAlignment = TAlignment::taRightJustify;
};
