#include "tools/skingallery/MenuButton.h"

#include "ui/Menus.h"

QV_CLASS_INFO(TMenuButton, {});

void TMenuButton::Click() {
  TButton::Click();
  if (!FDropdownMenu || !HandleAllocated()) return;
  RECT bounds{};
  GetWindowRect(Handle(), &bounds);
  FDropdownMenu->Popup(bounds.left, bounds.bottom);
}
