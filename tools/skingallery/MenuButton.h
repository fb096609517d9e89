#pragma once
// A push button that opens a drop-down menu under itself when clicked. Its
// window class is its framework name, so that a skin data's Skin3rd line
// "TMenuButton=menubtn" gives it the drop-down button's face.
#include "ui/Button.h"

class TPopupMenu;

class TMenuButton : public TButton {
 public:
  QV_CLASS(TMenuButton, TButton)

  using TButton::TButton;

  TPopupMenu* DropdownMenu() const { return FDropdownMenu; }
  void SetDropdownMenu(TPopupMenu* menu) { FDropdownMenu = menu; }

  void Click() override;

 private:
  TPopupMenu* FDropdownMenu = nullptr;
};
