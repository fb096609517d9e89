#pragma once
// The skinned menu bar of a window. The window's menu is taken from the
// system (so that the system neither draws nor reserves a menu bar) and
// drawn under the title by TWinSkinMenu, one TMenuBtn per top-level item;
// a click on a button, its accelerator with Alt, or the keyboard opens the
// item's drop-down under it (TWinSkinForm::OpenElementMenu, in
// MenuTracking.cpp, which also holds the message-filter hook that moves
// between the drop-downs while one is open). The drop-downs' items are
// drawn by the window object (MenuItems.cpp), the popup windows by
// TWinSkinPopMenu.
#include <windows.h>

#include <string>
#include <utility>
#include <vector>
#include <memory>

#include "skin/window/TitleBar.h"
#include "ui/Bitmap.h"

class TMainMenu;
class TSkinData;

// A button of the menu bar: one top-level item of the window's menu.
class TMenuBtn : public TNCObject {
 public:
  TMenuBtn(TWinSkinForm& form, TSkinData& skinData) : TNCObject(form), FSkinData(skinData) {}

  // Puts the bar's background back under the button, frames it while hot
  // or pressed and draws its caption, in one transfer to the window.
  void Paint() override;
  // The caption's accelerator ("&" before it) is the character, in any
  // letter case.
  bool HasAccelerator(wchar_t key) const;

  TSkinData& FSkinData;
  // Position in the menu.
  int FIndex = 0;
  std::wstring FCaption;
  bool FItemEnabled = true;
  // The item's drop-down, or null.
  HMENU FSubMenu = nullptr;
  UINT FCommand = 0;
};

class TWinSkinMenu {
 public:
  explicit TWinSkinMenu(TWinSkinForm& form);
  TWinSkinMenu(const TWinSkinMenu&) = delete;
  TWinSkinMenu& operator=(const TWinSkinMenu&) = delete;

  // Reads the window's menu into buttons and takes it from the window.
  void Build();
  // The same after the menu of an MDI frame changed (framework captions
  // only where the menu has no text), then Layout.
  void Rebuild();
  // The buttons' rectangles, without painting.
  void Layout();
  // Draws the bar into that rectangle (window coordinates) of the window's
  // device context.
  void Paint(HDC dc, const RECT& bar);
  // The button with a caption at the window point, or null.
  TMenuBtn* ButtonAt(POINT point) const;
  // The first visible, enabled button whose caption has that accelerator.
  TMenuBtn* ButtonOfAccelerator(wchar_t key) const;
  // The button before (step -1) or after (step 1) the one of that menu
  // position that can be opened, wrapping around; null when there is none.
  TMenuBtn* Neighbour(int index, int step) const;
  // The caption of a button in its colour, centred in rect.
  void DrawCaption(HDC dc, const TMenuBtn& button, RECT rect) const;

  // Owner drawing for every item of the drop-down and the drop-downs under
  // it, noted so that GiveBackOwnerDraw can switch off exactly that.
  void SwitchToOwnerDraw(HMENU menu);
  void GiveBackOwnerDraw();
  // The menu goes back to the window (when Build took it).
  void GiveBackMenu();
  // A menu that Build took from a window that dies with it: the window
  // gets it back so that the system frees it with the window; a framework
  // menu, which frees its own, is left alone.
  void LeaveMenuToWindow();

  std::vector<std::unique_ptr<TMenuBtn>> FButtons;
  // The form's main menu, null for a plain window.
  TMainMenu* FMenu = nullptr;
  // Where the bar was last painted, window coordinates.
  RECT FBarRect{};
  TSkinData* FSkinData;
  TWinSkinForm& FForm;
  // The bar as last painted, without captions.
  TBitmap FBackground;
  bool FPainting = false;
  // The window's menu, taken from it while skinned.
  HMENU FMenuHandle = nullptr;

 private:
  void Read(bool rebuild);
  // Lays the buttons out in the bar; rightLimit: right-to-left buttons
  // stay left of it.
  void LayoutIn(HDC dc, const RECT& bar, int rightLimit);

  // The window does not have its menu while the bar shows it.
  bool FMenuTaken = false;
  // Items switched to owner drawing: menu and position.
  std::vector<std::pair<HMENU, UINT>> FOwnerDrawn;
};

// One tracking of a menu-bar drop-down (MenuTracking.cpp): a thread-local
// message-filter hook, installed by the first tracking while none is,
// follows the keyboard and the mouse in the open drop-down. Left and Right
// (exchanged for a right-to-left menu) and the mouse over another bar
// button close the drop-down and open that button's instead, wrapping
// around at the ends; Alt ends the tracking.
class TMenuTracking {
 public:
  TMenuTracking(TWinSkinForm& form, const TMenuBtn& button);
  // Removes the hook when this tracking installed it.
  ~TMenuTracking();
  TMenuTracking(const TMenuTracking&) = delete;
  TMenuTracking& operator=(const TMenuTracking&) = delete;

  // A hook is installed.
  static bool Active();
  // The open drop-down, or null.
  static HMENU Menu();

 private:
  static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);
  bool FInstalled = false;
};

// Where a button's caption has its accelerator: the character after a
// single "&", or 0.
wchar_t AcceleratorOf(const std::wstring& caption);
