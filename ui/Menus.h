#pragma once
// Menus: a menu component holds a tree of menu items; a main menu is shown
// as a form's menu bar (TCustomForm::SetMenu), a popup menu at a point on
// the screen (Popup) or by right-clicking a control that has it as its
// PopupMenu.
//
// Every item has a command identifier of its own, unique in the program,
// and an item with sub-items a drop-down menu handle; the system menus are
// built from the visible items and kept up to date as items change, so the
// handles stay valid for whoever shows them. Choosing an item runs its
// OnClick (or its action); an item whose drop-down is about to open is
// "clicked" too, after the actions of its sub-items were brought up to
// date. Items of an owner-drawn menu are measured and drawn by their own
// OnMeasureItem and OnDrawItem handlers or, where they have none, in the
// framework's plain look (the system's menu colours and font, the item's
// image or check mark, its caption and its shortcut; "-" is a separator).
//
// Items may be owned by any component (a form reads them from its stored
// description that way) or by nobody; an item's parent frees its sub-items,
// and an item that goes leaves its parent.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ui/Canvas.h"
#include "ui/Component.h"

class TAction;
class TControl;
class TCustomForm;
class TImageList;
class TMenu;

// A key with Shift, Ctrl and Alt: the virtual key in the low byte.
using TShortCut = std::uint16_t;
enum : TShortCut { scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000 };
constexpr TShortCut ShortCut(WORD key, TShortCut modifiers) {
  return static_cast<TShortCut>((key & 0xFF) | modifiers);
}
// "Ctrl+O", "Shift+Ctrl+S", "F5", "Del"; empty for 0.
std::string ShortCutToText(TShortCut shortCut);
// The shortcut of a key pressed now: the key with the Shift, Ctrl and Alt
// keys held down.
TShortCut ShortCutOfKey(WORD key);

class TMenuItem;
using TMenuMeasureItemEvent = TMethod<void(TObject* Sender, TCanvas& ACanvas, int& Width, int& Height)>;
using TMenuDrawItemEvent = TMethod<void(TObject* Sender, TCanvas& ACanvas, RECT ARect, bool Selected)>;

class TMenuItem : public TComponent {
  QV_CLASS(TMenuItem, TComponent)

  explicit TMenuItem(TComponent* owner);
  // Frees the sub-items, leaves the parent and the action.
  ~TMenuItem() override;

  // "&" marks the accelerator; a tab starts a shortcut text of the
  // caption's own; "-" makes a separator.
  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& caption);
  bool IsLine() const { return FCaption == "-"; }
  TShortCut ShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut shortCut);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool enabled);
  bool Checked() const { return FChecked; }
  void SetChecked(bool checked);
  // An invisible item is left out of the system menu.
  bool Visible() const { return FVisible; }
  void SetVisible(bool visible);
  // The default item of its drop-down, shown bold.
  bool Default() const { return FDefault; }
  void SetDefault(bool value);
  // Index into the menu's Images; -1 for none.
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int index);
  // The item shows the action's values from now on and runs it when
  // chosen (unless it has an OnClick).
  TAction* Action() const { return FAction; }
  void SetAction(TAction* action);

  // The caption before a tab, and the shortcut's text (of ShortCut, else
  // the caption's text after a tab).
  std::string DisplayCaption() const;
  std::string ShortCutText() const;

  // Sub-items.
  int Count() const { return static_cast<int>(FItems.size()); }
  TMenuItem* Items(int index) const;
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  // Takes the item out (it is not freed).
  void Remove(TMenuItem* item);
  // Frees every sub-item.
  void Clear();
  TMenuItem* Parent() const { return FParent; }
  int MenuIndex() const;
  // The menu whose tree holds the item, or null.
  TMenu* GetParentMenu() const;

  UINT Command() const { return FCommand; }
  // The drop-down of the sub-items (of a menu's root item: the menu),
  // made when first asked for.
  HMENU Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }

  // Chosen, or its drop-down opens: OnClick, else the action; nothing
  // while disabled.
  virtual void Click();
  // The action updates the item.
  void InitiateAction();
  // The actions of the sub-items, and of theirs, update them.
  void InitiateActions();

  // Owner drawing: the plain size, then OnMeasureItem; OnDrawItem, else
  // the plain look.
  void MeasureItem(TCanvas& canvas, int& width, int& height);
  void DrawItem(TCanvas& canvas, const RECT& rect, bool selected);

  TNotifyEvent OnClick;
  TMenuMeasureItemEvent OnMeasureItem;
  TMenuDrawItemEvent OnDrawItem;

 private:
  friend class TAction;
  friend class TMenu;
  static const TPropInfo Published[];

  // The item's entry in its parent's drop-down is made again.
  void Changed();
  // The drop-down made again from the visible sub-items; a menu's root
  // then tells its menu.
  void RebuildHandle();
  // The drop-downs of this item and every item below it.
  void RebuildHandles();
  void TakeActionValues();

  std::string FCaption;
  TShortCut FShortCut = 0;
  bool FEnabled = true;
  bool FChecked = false;
  bool FVisible = true;
  bool FDefault = false;
  int FImageIndex = -1;
  TAction* FAction = nullptr;
  std::vector<TMenuItem*> FItems;
  TMenuItem* FParent = nullptr;
  // Set on a menu's root item only.
  TMenu* FMenu = nullptr;
  UINT FCommand;
  HMENU FHandle = nullptr;
};

class TMenu : public TComponent {
  QV_CLASS(TMenu, TComponent)

  explicit TMenu(TComponent* owner);
  ~TMenu() override;

  // The root item: the menu's items are its sub-items.
  TMenuItem* Items() const { return FItems.get(); }
  // The system menu of the items.
  HMENU Handle() { return FItems->Handle(); }

  // The items' images; the list must outlive the menu or be unset first.
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* images);
  // Items are drawn by their handlers or in the plain look, not by the
  // system.
  bool OwnerDraw() const { return FOwnerDraw; }
  void SetOwnerDraw(bool ownerDraw);

  TMenuItem* FindItemByCommand(UINT command) const;
  TMenuItem* FindItemByHandle(HMENU handle) const;
  // The item of the command was chosen (or, for an item with sub-items,
  // its drop-down opens); false when no item has it.
  bool DispatchCommand(UINT command);
  // The drop-down is about to open; false when no item shows it.
  bool DispatchPopup(HMENU handle);
  // Runs the visible, enabled item with that shortcut; false for none.
  bool IsShortCut(TShortCut shortCut);

  // WM_MEASUREITEM and WM_DRAWITEM of a window that shows the menu: the
  // item of the command measured or drawn (menu font, owner drawing);
  // false when the message is not about an item of this menu.
  bool MeasureItem(MEASUREITEMSTRUCT& measure);
  bool DrawItem(const DRAWITEMSTRUCT& draw);

  // The plain look of an owner-drawn item.
  void MeasurePlainItem(const TMenuItem& item, TCanvas& canvas, int& width, int& height) const;
  void DrawPlainItem(const TMenuItem& item, TCanvas& canvas, const RECT& rect, bool selected) const;

 protected:
  // A new empty system menu of the menu's kind.
  virtual HMENU CreateMenuHandle() const = 0;
  // The root's system menu was made again.
  virtual void MenuChanged() {}

 private:
  friend class TMenuItem;
  static const TPropInfo Published[];

  std::unique_ptr<TMenuItem> FItems;
  TImageList* FImages = nullptr;
  bool FOwnerDraw = false;
};

// The menu bar of a form.
class TMainMenu : public TMenu {
  QV_CLASS(TMainMenu, TMenu)

  using TMenu::TMenu;
  // Leaves the form that shows it.
  ~TMainMenu() override;

  // The form whose menu bar it is, or null.
  TCustomForm* Form() const { return FForm; }

 protected:
  HMENU CreateMenuHandle() const override;
  // Tells the form's window (CM_MENUCHANGED), which shows the new menu.
  void MenuChanged() override;

 private:
  friend class TCustomForm;
  TCustomForm* FForm = nullptr;
};

class TPopupMenu : public TMenu {
  QV_CLASS(TPopupMenu, TMenu)

  explicit TPopupMenu(TComponent* owner);
  // The controls that show it forget it.
  ~TPopupMenu() override;

  // Brings the items' actions up to date, shows the menu with its top-left
  // corner at the screen point and tracks it until it closes; then runs
  // the chosen item.
  void Popup(int x, int y);

 protected:
  HMENU CreateMenuHandle() const override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  HWND Window();

  friend class TControl;

  // Receives the menu's messages while it is shown.
  HWND FWindow = nullptr;
  // The controls whose PopupMenu it is.
  std::vector<TControl*> FControls;
};

// The font the system draws menus with, made once.
HFONT MenuFont();

// A key pressed in the control: the item of that shortcut in the popup menu
// of the control or of a control around it, else in the main menu of its
// form, runs; false when none has it.
bool IsMenuKey(TControl& control, WORD key);
