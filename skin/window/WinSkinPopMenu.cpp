#include "skin/window/WinSkinPopMenu.h"

#include "skin/window/SkinManage.h"
#include "skin/window/SkinMessages.h"

void TWinSkinPopMenu::Attach(HWND window, TSkinData* skinData, int level) {
  FHandle = window;
  FSkinData = skinData;
  FLevel = level;
  FSubclass.Install(window, TWindowSubclass::THandler::Of<&TWinSkinPopMenu::WndProc>(this));
}

void TWinSkinPopMenu::Release() {
  FSubclass.Restore();
  FBackground.Clear();
}

void TWinSkinPopMenu::WndProc(TMessage& message) {
  // While skinning is switched off the window is left to itself.
  const TSkinManage* manager = SkinManager();
  if (message.Msg == SKM_QUERYSKINNED && manager && manager->FEnabled) {
    message.Result = 1;
    return;
  }
  FSubclass.CallDefault(message);
  // The window is going: nothing of it is kept.
  if (message.Msg == WM_DESTROY) Release();
}
