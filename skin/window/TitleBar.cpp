#include "skin/window/TitleBar.h"

#include <algorithm>
#include <utility>

#include "skin/data/WinSkinData.h"
#include "skin/window/SkinDraw.h"
#include "skin/window/SkinManage.h"
#include "skin/window/SkinMessages.h"
#include "skin/window/WinSkinForm.h"
#include "skin/window/WinSkinMenu.h"
#include "ui/Gdi.h"

namespace {

// The system commands of the system menu's images (restore, maximize,
// minimize, close in the skin's menu glyphs).
int SystemImage(UINT command) {
  switch (command) {
    case SC_RESTORE: return 0;
    case SC_MAXIMIZE: return 1;
    case SC_MINIMIZE: return 2;
    case SC_CLOSE: return 3;
    default: return -1;
  }
}

bool IsMaximizeAction(int action) { return action == 1 || action == 22; }
bool IsMinimizeAction(int action) { return action == 2 || action == 23; }

}  // namespace

void TNCObject::MouseDown() {
  if (FForm.FHotElement && FForm.FHotElement != this) FForm.FHotElement->MouseLeave();
  if (!FVisible) return;
  FForm.FHotElement = this;
  FState = kElementPressed;
  Paint();
}

void TNCObject::MouseUp() {
  if (!FVisible) return;
  FState = kElementHot;
  Paint();
}

void TNCObject::MouseEnter() {
  if (FForm.FHotElement == this) return;
  if (FForm.FHotElement) FForm.FHotElement->MouseLeave();
  if (!FVisible) return;
  FForm.FHotElement = this;
  FState = kElementHot;
  Paint();
}

void TNCObject::MouseLeave() {
  if (!FVisible) return;
  FForm.FHotElement = nullptr;
  FState = kElementNormal;
  FForm.FSkinData->FHintHoverTime = 0;
  FForm.FSkinData->HideCaptionHint();
  Paint();
}

bool VisibilityHolds(const TWinSkinForm& form, int code, bool second, int action) {
  const bool maximized = form.FShowState == ssMaximized;
  const bool maxBox = form.FBorderIcons & biMaximize, minBox = form.FBorderIcons & biMinimize;
  const bool sysMenu = form.FBorderIcons & biSystemMenu, help = form.FBorderIcons & biHelp;
  switch (code) {
    case 0: return true;
    case 1: return maximized;
    case 2: return !maximized;
    case 3: return form.FActive;
    case 4: return !form.FActive;
    case 6:
    case 8: return (maxBox || minBox) && (second || sysMenu);
    case 7: return !maxBox;
    case 9: return !minBox;
    case 10: return help && (second || (!minBox && !maxBox));
    // The MDI child buttons stand in the menu bar of a frame whose active
    // child is maximized.
    case 100: {
      const TSkinManage* manager = SkinManager();
      return form.FMDIKind == mkFrame && manager && manager->FMDIMaximized && form.FMenuBar;
    }
    default: break;
  }
  // -1 gives no condition: the button is hidden. Visibility1 codes of 200
  // and above hide the button, as skins written for them expect.
  if (code == -1 || (second && code >= 200 && code <= 2000)) return false;
  if (code == 200) return form.FFrameKind == fkDialog && !form.FSystemDialog;
  if (code > 200 && code < 1000) return true;
  if (code >= 1000 && code <= 2000)
    return SendMessageA(form.FHandle, SKM_BUTTONVISIBLE, static_cast<WPARAM>(code), action) > 0;
  return false;
}

bool TWinSysButton::IsIcon() const { return FData.FAction == 3 || FData.FAction == 11; }

void TWinSysButton::UpdateVisibility() {
  const int action = FData.FAction;
  bool visible = VisibilityHolds(FForm, FData.FVisibility, false, action) &&
                 VisibilityHolds(FForm, FData.FVisibility1, true, action);
  const std::uint8_t icons = FForm.FBorderIcons;
  const bool sysMenu = icons & biSystemMenu;
  if (action == 0 && !sysMenu) visible = false;
  if (IsMaximizeAction(action)) FEnabled = (icons & biMaximize) && sysMenu;
  if (IsMinimizeAction(action)) FEnabled = (icons & biMinimize) && sysMenu;
  if ((IsIcon() || action == 12) && FForm.FFrameKind == fkDialog) visible = false;
  FVisible = visible;
}

int TWinSysButton::StateFrame() const {
  const int frames = std::max(FData.FFrameCount, 1);
  if (!FEnabled) return frames > 3 ? 4 : 1;
  if (FState == kElementHot && FData.FVisibility == 100) return 4;
  return std::min(FState, frames);
}

void TWinSysButton::Paint() {
  if (FData.FBitmap.Empty()) return;
  const TNonClientDC dc(FForm.FHandle);
  if (IsIcon()) return FForm.PaintIconButton(dc.Get(), *this);
  DrawFrame(dc.Get(), FBounds, FData.FBitmap, true, std::max(FData.FFrameCount, 1), StateFrame());
}

const char* TWinSysButton::Hint() const {
  switch (FData.FAction) {
    case 0:
    case 9:
    case 62: return "Close";
    case 1:
    case 22: return "Maximize";
    case 2:
    case 7:
    case 23:
    case 60: return "Minimize";
    case 8:
    case 61: return "Restore";
    default: return nullptr;
  }
}

void TWinSysButton::Click(POINT screen) {
  const int action = FData.FAction;
  const auto toActiveChild = [this](UINT command) {
    if (FForm.FMDIKind != mkFrame) return;
    const auto child = reinterpret_cast<HWND>(SendMessageA(FForm.FMDIClient, WM_MDIGETACTIVE, 0, 0));
    if (child) SendMessageA(child, WM_SYSCOMMAND, command, 0);
  };
  switch (action) {
    case 0:
      if (GetMenuState(FForm.FSysMenu, SC_CLOSE, MF_BYCOMMAND) != static_cast<UINT>(-1)) FForm.PostClose(SC_CLOSE);
      return;
    case 1:
    case 22:
      if (FEnabled) FForm.ToggleMaximize();
      return;
    case 2:
    case 23:
      if (FEnabled) FForm.ToggleMinimize();
      return;
    case 3:
    case 11:
    case 12: return FForm.ShowSystemMenu(POINT{screen.x + 1, screen.y + 1});
    case 4: PostMessageA(FForm.FHandle, WM_SYSCOMMAND, SC_CONTEXTHELP, 0); return;
    case 7:
    case 60: return toActiveChild(SC_MINIMIZE);
    case 8:
    case 61: return toActiveChild(SC_RESTORE);
    case 9:
    case 62: return toActiveChild(SC_CLOSE);
    default: PostMessageA(FForm.FHandle, SKM_TITLEBUTTON, static_cast<WPARAM>(action), 0); return;
  }
}

TNCObject* TWinSkinForm::HitTitleElement(POINT point) {
  for (const auto& button : FTitleButtons) {
    if (button->FVisible && button->FData.FAction >= 0 && PtInRect(&button->FBounds, point)) return button.get();
  }
  return FMenuBar ? FMenuBar->ButtonAt(point) : nullptr;
}

POINT TWinSkinForm::ToWindowPoint(int screenX, int screenY) const {
  POINT point{screenX, screenY};
  ScreenToClient(FHandle, &point);
  if (FMDIKind == mkChild && FShowState == ssMinimized) return point;
  return POINT{point.x + FLeftWidth, point.y + FTitleHeight + FMenuHeight};
}

void TWinSkinForm::LayoutTitleButtons() {
  const int width = FPaintWidth;
  for (const auto& button : FTitleButtons) {
    button->UpdateVisibility();
    const TDataSkinSysButton& data = button->FData;
    if (!button->FVisible || data.FBitmap.Empty()) continue;
    const int w = data.FBitmap.Width() / std::max(data.FFrameCount, 1), h = data.FBitmap.Height();
    int x = 0, y = data.FYcoord;
    switch (data.FAlign) {
      case 0: x = data.FXcoord; break;
      case 1: x = width - data.FXcoord; break;
      case 2:
      case 8: x = FCaptionBackRect.left - w - data.FXcoord; break;
      case 3:
      case 9: x = FCaptionBackRect.right + data.FXcoord; break;
      case 100: {
        const int tileLeft = FSkinData->FMenuBar ? FSkinData->FMenuBar->FMargins.left : 0;
        x = width - data.FXcoord - FRightWidth - tileLeft;
        y = FTitleHeight + (FMenuHeight - h) / 2;
        break;
      }
      default: y = 0; break;
    }
    button->FBounds = RECT{x, y, x + w, y + h};
  }
}

void TWinSkinForm::ToggleMaximize() {
  if (FShowState == ssMaximized) return RestoreWindow();
  if (FMDIKind == mkChild)
    if (TSkinManage* manager = SkinManager()) manager->FMDIMaximized = true;
  FShowState = ssMaximized;
  PostMessageA(FHandle, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  FHotElement = nullptr;
}

void TWinSkinForm::ToggleMinimize() {
  if (FShowState == ssMinimized) return RestoreWindow();
  FShowState = ssMinimized;
  SetSysMenuStyle(false);
  PostMessageA(FHandle, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void TWinSkinForm::RestoreWindow() {
  FShowState = ssNormal;
  PostMessageA(FHandle, WM_SYSCOMMAND, SC_RESTORE, 0);
}

void TWinSkinForm::PostClose(UINT command) {
  FTimer.SetEnabled(false);
  if (command == WM_CLOSE)
    PostMessageA(FHandle, WM_CLOSE, 0, 0);
  else
    PostMessageA(FHandle, WM_SYSCOMMAND, command, 0);
}

void TWinSkinForm::ShowSystemMenu(POINT screen) {
  const DWORD now = GetTickCount();
  if (static_cast<int>(FDoubleClickTime) >= 0 && now - FLastSysMenuTick <= FDoubleClickTime) {
    // A second click on the icon within the double-click time closes.
    if (FHotElement) PostClose(WM_CLOSE);
    return;
  }
  if (!(FBorderIcons & biSystemMenu) || !FSysMenu) return;
  if (TSkinManage* manager = SkinManager()) manager->FPopupOrigin = kPopupSystem;
  FLastSysMenuTick = now;

  // The system menu's items, as the system would show them now.
  FSysPopup = std::make_unique<TPopupMenu>(nullptr);
  FSysPopup->SetTag(33333);
  FSysPopup->SetOwnerDraw(true);
  FSysPopup->SetImages(&FSkinData->FMenuGlyphs);
  const int count = GetMenuItemCount(FSysMenu);
  for (int position = 0; position < count; ++position) {
    char text[80] = {};
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_FTYPE | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof text - 1;
    if (!GetMenuItemInfoA(FSysMenu, static_cast<UINT>(position), TRUE, &info)) continue;
    auto* item = new TMenuItem(nullptr);
    FSysPopup->Items()->Add(item);
    item->SetCaption(text[0] ? text : "-");
    const UINT command = info.wID;
    item->SetTag(static_cast<std::intptr_t>(command));
    item->SetImageIndex(SystemImage(command));
    bool enabled = true;
    switch (command) {
      case SC_SIZE:
      case SC_MOVE: enabled = FShowState != ssMaximized; break;
      case SC_MINIMIZE: enabled = FShowState != ssMinimized && (FBorderIcons & biMinimize); break;
      case SC_MAXIMIZE: enabled = FShowState != ssMaximized && (FBorderIcons & biMaximize); break;
      case SC_RESTORE: enabled = FShowState != ssNormal; break;
      default: break;
    }
    if (info.fState & MFS_GRAYED) enabled = false;
    item->SetEnabled(enabled);
    item->SetChecked((info.fState & MFS_CHECKED) != 0);
    item->OnClick = TNotifyEvent::Of<&TWinSkinForm::SystemMenuClick>(this);
    item->OnDrawItem = TMenuDrawItemEvent::Of<&TWinSkinForm::DrawSkinItem>(this);
    item->OnMeasureItem = TMenuMeasureItemEvent::Of<&TWinSkinForm::MeasurePopupItem>(this);
  }
  FSysPopup->Popup(screen.x, screen.y);
}

void TWinSkinForm::SystemMenuClick(TObject* sender) {
  const auto* item = static_cast<const TMenuItem*>(sender);
  PostMessageA(FHandle, WM_SYSCOMMAND, static_cast<WPARAM>(item->Tag()), 0);
}

void TWinSkinForm::OnSysCommand(TMessage& message) {
  const UINT command = message.WParam & 0xFFF0;
  if (command == SC_KEYMENU && !FMenuTracking) {
    const auto key = static_cast<int>(message.LParam);
    // Alt alone opens the first drop-down of the menu bar (the system's
    // menu never opens), Alt with a bar button's accelerator its drop-down.
    if (key != ' ' && key != '-' && !GetCapture()) {
      TMenuBtn* button = nullptr;
      if (FMenuBar) button = key == 0 ? FMenuBar->Neighbour(-1, 1) : FMenuBar->ButtonOfAccelerator(static_cast<wchar_t>(key));
      if (key == 0 || button) {
        OpenElementMenu(button);
        message.Result = 1;
        return;
      }
    }
    if (key == ' ' && (FBorderIcons & biSystemMenu)) {
      POINT origin{0, 0};
      ClientToScreen(FHandle, &origin);
      ShowSystemMenu(origin);
      return;
    }
  }
  switch (command) {
    case SC_MINIMIZE: FShowState = ssMinimized; break;
    case SC_MAXIMIZE: FShowState = ssMaximized; break;
    case SC_RESTORE:
      FShowState = ssNormal;
      if (FMDIKind == mkChild)
        if (TSkinManage* manager = SkinManager()) manager->FMDIMaximized = false;
      break;
    default: break;
  }
  Default(message);
}

void TWinSkinForm::OnNCMouseMove(TMessage& message) {
  if (!FActive) return Default(message);
  const POINT screen = PointOfLParam(message.LParam);
  if (TNCObject* element = HitTitleElement(ToWindowPoint(screen.x, screen.y))) {
    element->MouseEnter();
    message.Result = 0;
    return;
  }
  if (TNCObject* hot = std::exchange(FHotElement, nullptr)) hot->MouseLeave();
  Default(message);
}

void TWinSkinForm::OnNCLButtonDown(TMessage& message) {
  FSkinData->HideCaptionHint();
  const POINT screen = PointOfLParam(message.LParam);
  if (TNCObject* element = HitTitleElement(ToWindowPoint(screen.x, screen.y))) {
    if (!FActive) SetForegroundWindow(FHandle);
    element->MouseDown();
    message.Result = 0;
    if (auto* button = dynamic_cast<TMenuBtn*>(element)) OpenElementMenu(button);
    return;
  }
  // A maximized window is not dragged by its caption.
  if (FShowState == ssMaximized && FActive && message.WParam == HTCAPTION) message.WParam = HTMENU;
  Default(message);
}

void TWinSkinForm::OnNCLButtonUp(TMessage& message) {
  FSkinData->HideCaptionHint();
  const POINT screen = PointOfLParam(message.LParam);
  TNCObject* element = HitTitleElement(ToWindowPoint(screen.x, screen.y));
  if (!element) return Default(message);
  // A menu-bar button opened its drop-down when pressed.
  auto* button = dynamic_cast<TWinSysButton*>(element);
  if (button && element == FHotElement) {
    button->MouseUp();
    button->Click(screen);
  }
  message.Result = 0;
}

void TWinSkinForm::OnNCRButtonDown(TMessage& message) {
  FSkinData->HideCaptionHint();
  if (message.WParam != HTCAPTION || FMDIKind == mkChild) return Default(message);
  ShowSystemMenu(PointOfLParam(message.LParam));
  message.Result = 0;
}

void TWinSkinForm::OnNCLButtonDblClk(TMessage& message) {
  const POINT screen = PointOfLParam(message.LParam);
  if (auto* button = dynamic_cast<TWinSysButton*>(HitTitleElement(ToWindowPoint(screen.x, screen.y)))) {
    if (button->IsIcon()) PostClose(SC_CLOSE);
    message.Result = 0;
    return;
  }
  if (FShowState != ssNormal) {
    RestoreWindow();
  } else if (FBorderIcons & biMaximize) {
    ToggleMaximize();
  } else {
    return Default(message);
  }
  message.Result = 0;
}
