#pragma once
// TWinSkinPopMenu: the skin's hold on one popup menu window ("#32768")
// from its creation to its destruction. It subclasses the window, answers
// SKM_QUERYSKINNED and lets go when the window is destroyed; the manager
// finds it by the menu it shows (FShownMenu) and marks it as a menu-bar
// popup. Painting the popup's frame and background from the skin comes
// with the skinned menus: until then FBackground stays empty and the
// system paints the window.
#include <windows.h>

#include "ui/Bitmap.h"
#include "ui/Subclass.h"

class TSkinData;

class TWinSkinPopMenu {
 public:
  TWinSkinPopMenu() = default;
  TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
  TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;

  // Subclasses the popup window; level is the depth of the menu (0 for the
  // first one opened).
  void Attach(HWND window, TSkinData* skinData, int level);
  // Lets go of the window.
  void Release();

  HWND FHandle = nullptr;
  TSkinData* FSkinData = nullptr;
  // The menu background as last rendered at the window's size.
  TBitmap FBackground;
  // The menu shown in the window, once the manager learned it.
  HMENU FShownMenu = nullptr;
  bool FMenuBarPopup = false;
  int FLevel = 0;

 private:
  void WndProc(TMessage& message);

  TWindowSubclass FSubclass;
};
