#pragma once
// TWinSkinPopMenu: the skin's hold on one popup menu window ("#32768")
// from its creation to its destruction. It subclasses the window and paints
// the popup's frame and background from the skin's MenuBackground element,
// rendered at the window's size into FBackground; the items, drawn by the
// window object that owns the menu (MenuItems.cpp), take their background
// from there. The manager finds the popup by the menu it shows
// (FShownMenu) and marks it as a menu-bar popup.
//
// Where the system paints a popup's frame in its client area (Wine does),
// the popup's client is painted as it is printed: the skin's background,
// then the system's items clipped to the window less the frame, composed
// off-screen and put on the window in one transfer.
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
  // Where the popup's client area starts in the window: the width of the
  // border the system gives the window (0 where it draws the frame in the
  // client area).
  POINT ClientOffset() const;

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
  void OnEraseBkgnd(TMessage& message);
  void OnNCPaint(TMessage& message);
  void OnPrint(TMessage& message);
  void OnPaint(TMessage& message);
  // A skin is loaded and its MenuBackground has a picture.
  bool SkinDraws() const;
  // FBackground at the window's size.
  void RenderBackground();
  // The background and, over it, what the system prints with the message
  // (flags in lParam), clipped to the window less its frame, into dc
  // (window coordinates).
  void PrintFace(HDC dc, UINT msg, LPARAM flags);

  TWindowSubclass FSubclass;
};
