#pragma once
// The program-wide skin manager: the one object that decides which windows
// are skinned and with which skin data component.
//
// A computer-based-training hook on the user-interface thread shows it the
// windows of the program as they are created, activated and destroyed: a
// top-level window gets a TWinSkinForm at its activation (an MDI child at
// its creation), a popup menu window a TWinSkinPopMenu at its creation.
// The skin data components register here and send their commands (skin
// every form, unskin every form, refresh the windows of a component after
// its skin changed), which run on a timer 250 ms later once the first
// window has been activated.
//
// Lifetime: the manager owns every TWinSkinPopMenu and every TWinSkinForm
// of a plain window; a TWinSkinForm of a framework form is owned by the
// form. Whoever frees an entry, the entry leaves the manager's list in its
// destructor, so the lists never hold a freed object; a skin data
// component that goes detaches the windows skinned with it first.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/window/SkinDraw.h"
#include "ui/Handles.h"
#include "ui/Timer.h"

class TBitmap;
class TCustomForm;
class TSkinData;
class TWinControl;
class TWinSkinForm;
class TWinSkinPopMenu;

// Deferred commands.
enum : int { kSkinAll = 1, kUnskinAll = 2, kRefresh = 3 };
// Where the popup menus being opened come from.
enum : int { kPopupContext = 0, kPopupMenuBar = 1, kPopupSystem = 2 };

class TSkinManage {
 public:
  TSkinManage();
  // Shuts down: lets go of every window and popup menu, then of the hook.
  ~TSkinManage();
  TSkinManage(const TSkinManage&) = delete;
  TSkinManage& operator=(const TSkinManage&) = delete;

  // The window hook for this thread, once.
  void InstallHook();
  // Appends to the registered components; the first of scope sfMainform
  // becomes the main one.
  void RegisterSkinData(TSkinData* skinData);
  // Forgets the component, also as main component and command target, after
  // detaching the windows and popup menus skinned with it.
  void UnregisterSkinData(TSkinData* skinData);

  // Attaches a TWinSkinForm to the window when it passes every test; true
  // when it did.
  bool SkinTopWindow(HWND handle);
  // A visible top-level framework form is skinned.
  void SkinForm(TCustomForm* form);
  TWinSkinForm* FindSkinForm(HWND handle) const;
  // Forgets the entry (its destructor calls this); nothing while the
  // manager shuts down.
  void RemoveSkinForm(TWinSkinForm* skinForm);
  // Frees the entries whose window has been destroyed.
  void PurgeSkinForms();

  void SkinPopupMenu(HWND handle);
  // Lets go of the popup menu window; true when it was skinned. Once no
  // skinned popup is left the popup origin is reset.
  bool ReleasePopupMenu(HWND handle);
  bool IsPopupMenu(HWND handle) const;
  // Marks every skinned popup as a menu-bar popup.
  void MarkPopupMenus();
  // Gives the menu to the most recently skinned popup that has none yet,
  // unless a popup shows it already.
  void SetPopupMenuHandle(HMENU menu);
  // The background of the popup that shows the menu, or null; clientOffset
  // (when given) receives where the popup's client area starts in it.
  TBitmap* FindPopupMenuBitmap(HMENU menu, POINT* clientOffset = nullptr) const;

  // The component whose skin the window gets, or null.
  TSkinData* ChooseSkinData(HWND handle) const;
  // The main component's options and veto.
  bool AcceptWindowClass(HWND handle, const std::string& className) const;
  // A child window that is not an MDI child.
  static bool IsPlainChild(HWND handle);
  // The framework form whose window this is, else the framework control.
  static TWinControl* FindFormOfWindow(HWND handle);

  // Command to run after delay milliseconds. Before the first window was
  // activated (start counter 0) nothing is deferred: 1 only switches the
  // manager on, 2 only off.
  void Schedule(int command, int delay);
  // Every window skinned with the command target drops its title buttons,
  // to be rebuilt from the new skin by the next refresh.
  void ReloadSkinData();
  void SetMDIMaximized(bool value);

  // New windows may be skinned.
  bool FEnabled = false;
  // A skin-all pass runs.
  bool FSweeping = false;
  // Start counter: 0 until the first window activation, then 1; components
  // of other scopes add 1 each when loaded; 4 while the manager shuts down.
  int FState = 0;
  int FPopupOrigin = kPopupContext;
  bool FMenuBarTracking = false;
  bool FMDIMaximized = false;
  HWND FMDIClient = nullptr;
  TWinControl* FMDIClientControl = nullptr;
  // The pending command and the component it is for.
  int FCommand = 0;
  TSkinData* FCommandData = nullptr;
  // The first registered component of scope sfMainform.
  TSkinData* FMainSkinData = nullptr;
  // Every registered component, in registration order.
  std::vector<TSkinData*> FSkinDatas;
  std::vector<TWinSkinForm*> FForms;
  std::vector<std::unique_ptr<TWinSkinPopMenu>> FPopupMenus;
  TTimer FTimer;

 private:
  // The shared drawing buffer exists while the manager does; frames are
  // painted only then.
  TSkinDrawingScope FDrawing;

  static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);
  void WindowCreated(HWND handle, const CREATESTRUCTA& create);
  void RunCommand(TObject* sender);
  void RunOnOwnForm(TSkinData& data);
  void RunOnAllForms(TSkinData& data);
  // Lets go of the entry's window, repaints it and frees the entry.
  void UnskinEntry(TWinSkinForm* skinForm);

  THookHandle FHook;
};

// The program's manager, or null when none exists.
TSkinManage* SkinManager();
// The program's manager, created when none exists.
TSkinManage& CreateSkinManager();
// Ends the manager. The program calls it after freeing its forms; skin data
// components destroyed afterwards find no manager and skip unregistering.
void DestroySkinManager();
// The system's version word as recorded when the hook was installed (high
// bit set: the older 9x family).
DWORD SkinSystemVersion();
