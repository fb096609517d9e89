// Opening a drop-down of the skinned menu bar, and the message-filter hook
// that runs while one is open.
//
// The system tracks a drop-down in a modal loop of its own; the hook sees
// the input of that loop. To move to another bar button it ends the loop
// and posts the window a non-client click on that button, which opens the
// button's drop-down once the loop has returned. Left leaves the drop-down
// only from an item of the drop-down itself (from a sub-menu it goes back
// up), Right only from an item without sub-items (else it opens them): the
// current item is read from the open menus when the key comes, as the
// window's WM_MENUSELECT, which is sent and never passes the hook, does
// not follow a sub-menu that closes.
#include <algorithm>
#include <vector>

#include "skin/data/WinSkinData.h"
#include "skin/window/SkinManage.h"
#include "skin/window/SkinMessages.h"
#include "skin/window/WinSkinForm.h"
#include "skin/window/WinSkinMenu.h"
#include "ui/Handles.h"

namespace {

// The one tracking the hook serves.
struct THookState {
  THookHandle Hook;
  TWinSkinForm* Form = nullptr;
  // Menu position of the open button; -1 when none.
  int OpenIndex = -1;
  // The open drop-down.
  HMENU Menu = nullptr;
  POINT LastMouse{-1, -1};
  // No message of this tracking seen yet.
  bool First = false;
};

THookState State;

// The menus that the thread's popup windows show now.
std::vector<HMENU> ShownMenus() {
  std::vector<HMENU> menus;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM found) -> BOOL {
        char name[16] = {};
        GetClassNameA(window, name, sizeof name);
        if (lstrcmpA(name, "#32768") == 0 && IsWindowVisible(window))
          reinterpret_cast<std::vector<HMENU>*>(found)->push_back(
              reinterpret_cast<HMENU>(SendMessageA(window, MN_GETHMENU, 0, 0)));
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&menus));
  return menus;
}

// The current item: the highlighted item of the deepest open menu below
// the drop-down. menu gets its menu (null when no item is current), and
// the result tells whether it has sub-items.
bool CurrentItem(HMENU& menu) {
  const std::vector<HMENU> shown = ShownMenus();
  HMENU level = State.Menu;
  menu = nullptr;
  while (level) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE | MIIM_SUBMENU;
    int position = GetMenuItemCount(level);
    while (position-- > 0)
      if (GetMenuItemInfoA(level, static_cast<UINT>(position), TRUE, &info) && (info.fState & MFS_HILITE)) break;
    if (position < 0) return false;
    menu = level;
    const bool open = info.hSubMenu && std::find(shown.begin(), shown.end(), info.hSubMenu) != shown.end();
    if (!open) return info.hSubMenu != nullptr;
    level = info.hSubMenu;
  }
  return false;
}

// Closes the open drop-down and opens the button's.
void SwitchTo(TWinSkinForm& form, const TMenuBtn& button) {
  const POINT screen{form.FWindowRect.left + button.FBounds.left + 1, form.FWindowRect.top + button.FBounds.top + 1};
  PostMessageA(form.FHandle, WM_NCLBUTTONDOWN, HTCLIENT, MAKELPARAM(screen.x, screen.y));
  // Where the system's loop would not end on a posted non-client click by
  // itself, it is ended here; the click waits in the queue until it has.
  EndMenu();
}

}  // namespace

TMenuTracking::TMenuTracking(TWinSkinForm& form, const TMenuBtn& button) {
  if (State.Hook) return;
  State.Hook.Reset(SetWindowsHookExA(WH_MSGFILTER, HookProc, nullptr, GetCurrentThreadId()));
  if (!State.Hook) return;
  FInstalled = true;
  State.Form = &form;
  State.OpenIndex = button.FIndex;
  State.Menu = button.FSubMenu;
  State.LastMouse = POINT{-1, -1};
  State.First = true;
}

TMenuTracking::~TMenuTracking() {
  if (!FInstalled) return;
  // The Down key posted for the first item, when the drop-down closed
  // before taking it, does not reach the window.
  MSG pending;
  if (PeekMessageA(&pending, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE) && pending.wParam == VK_DOWN &&
      pending.lParam == 0)
    PeekMessageA(&pending, pending.hwnd, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE);
  State.Hook.Reset();
  State.Form = nullptr;
  State.OpenIndex = -1;
  State.Menu = nullptr;
}

bool TMenuTracking::Active() { return static_cast<bool>(State.Hook); }

HMENU TMenuTracking::Menu() { return State.Menu; }

LRESULT CALLBACK TMenuTracking::HookProc(int code, WPARAM wParam, LPARAM lParam) {
  auto* msg = reinterpret_cast<MSG*>(lParam);
  TWinSkinForm* form = State.Form;
  const bool key = msg && (msg->message == WM_KEYDOWN || msg->message == WM_KEYUP);
  if (code >= 0 && form && form->FRightToLeft && key) {
    if (msg->wParam == VK_LEFT)
      msg->wParam = VK_RIGHT;
    else if (msg->wParam == VK_RIGHT)
      msg->wParam = VK_LEFT;
  }
  const LRESULT next = CallNextHookEx(State.Hook.Get(), code, wParam, lParam);
  if (next || code != MSGF_MENU || !form || !msg || !form->FMenuBar) return next;
  if (State.First) {
    // The first item is selected, as when a menu is opened from the keyboard.
    State.First = false;
    PostMessageA(msg->hwnd, WM_KEYDOWN, VK_DOWN, 0);
  }
  const TWinSkinMenu& bar = *form->FMenuBar;
  TMenuBtn* chosen = nullptr;
  switch (msg->message) {
    case WM_KEYDOWN:
      if (msg->wParam == VK_LEFT || msg->wParam == VK_RIGHT) {
        HMENU current = nullptr;
        const bool subItems = CurrentItem(current);
        if (msg->wParam == VK_LEFT && (!current || current == State.Menu))
          chosen = bar.Neighbour(State.OpenIndex, -1);
        if (msg->wParam == VK_RIGHT && (!current || !subItems)) chosen = bar.Neighbour(State.OpenIndex, 1);
      }
      break;
    case WM_SYSKEYDOWN:
      if (msg->wParam == VK_MENU) form->FMenuTracking = false;
      break;
    case WM_MOUSEMOVE:
      if (msg->pt.x != State.LastMouse.x || msg->pt.y != State.LastMouse.y) {
        chosen = bar.ButtonAt(POINT{msg->pt.x - form->FWindowRect.left, msg->pt.y - form->FWindowRect.top});
        State.LastMouse = msg->pt;
      }
      break;
    default: break;
  }
  if (chosen && chosen->FIndex != State.OpenIndex) SwitchTo(*form, *chosen);
  return next;
}

void TWinSkinForm::OpenElementMenu(TMenuBtn* button) {
  if (!button) return;
  // The framework brings the item (and its sub-items) up to date before
  // its drop-down opens; a plain window hears that its drop-down opens, as
  // from the system's own menu bar. A bar item without a drop-down is run.
  if (FForm || !button->FSubMenu)
    PostMessageA(FHandle, WM_COMMAND, button->FCommand, 0);
  else
    SendMessageA(FHandle, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(button->FSubMenu), button->FIndex);
  if (!button->FSubMenu || !FMenuBar) return;
  GetWindowRect(FHandle, &FWindowRect);
  FMenuBar->SwitchToOwnerDraw(button->FSubMenu);
  FMenuTracking = true;
  const POINT at{FWindowRect.left + (FRightToLeft ? button->FBounds.right : button->FBounds.left),
                 FWindowRect.top + button->FBounds.bottom};
  if (TSkinManage* manager = SkinManager()) {
    manager->FPopupOrigin = kPopupMenuBar;
    manager->FMenuBarTracking = true;
  }
  {
    const TMenuTracking tracking(*this, *button);
    if (button->FItemEnabled)
      TrackPopupMenu(button->FSubMenu, TPM_NONOTIFY | TPM_RIGHTBUTTON | (FRightToLeft ? TPM_RIGHTALIGN : 0), at.x,
                     at.y, 0, FHandle, nullptr);
  }
  FMenuTracking = false;
  // Still under the mouse, the button shows as hot again.
  if (FHotElement == button && button->FState == kElementPressed) button->MouseUp();
}

void TWinSkinForm::OnMenuBarClick(TMessage& message) {
  const POINT screen = PointOfLParam(message.LParam);
  OpenElementMenu(dynamic_cast<TMenuBtn*>(HitTitleElement(ToWindowPoint(screen.x, screen.y))));
  message.Result = 0;
}
