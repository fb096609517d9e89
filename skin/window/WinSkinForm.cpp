#include "skin/window/WinSkinForm.h"

#include <algorithm>

#include "skin/controls/SkinControl.h"
#include "skin/data/SkinUtil.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/SkinManage.h"
#include "skin/window/SkinMessages.h"
#include "skin/window/TitleBar.h"
#include "skin/window/WinSkinMenu.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Handles.h"
#include "ui/TypInfo.h"
#include "ui/WinControl.h"

namespace {

// An undocumented message with which the system draws captions.
constexpr UINT kSystemCaptionMessage = 0xAE;
// SetWindowPos flags: no size, no move, no z-order, no activation, frame
// changed.
constexpr UINT kFrameChanged = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;

int WidthOf(const RECT& r) { return r.right - r.left; }
int HeightOf(const RECT& r) { return r.bottom - r.top; }

bool Has(TSkinControlTypes set, TSkinControlType type) { return (set & SetBit(type)) != 0; }
bool Has(TSkinOptions set, TSkinOption option) { return (set & SetBit(option)) != 0; }

}  // namespace

std::string WindowClassName(HWND window) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

POINT PointOfLParam(LPARAM lParam) {
  return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

QV_CLASS_INFO(TWinSkinForm, {});

TWinSkinForm::TWinSkinForm(TComponent* owner) : TComponent(owner), FDoubleClickTime(GetDoubleClickTime()) {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
    FCaptionFont.Reset(CreateFontIndirectA(&metrics.lfCaptionFont));
  FTimer.SetInterval(250);
  FTimer.OnTimer = TNotifyEvent::Of<&TWinSkinForm::OnTimer>(this);
}

TWinSkinForm::~TWinSkinForm() {
  FTimer.SetEnabled(false);
  // A window that is still held (the manager shuts down, or the owner goes
  // while its window lives) is let go without touching its frame.
  if (FSkinState != kSkinReleased) ReleaseWindow();
  FHotElement = nullptr;
  FreeTitleButtons();
  if (TSkinManage* manager = SkinManager()) manager->RemoveSkinForm(this);
}

void TWinSkinForm::AttachForm(TSkinData* skinData, TWinControl* form) {
  FForm = form;
  if (skinData->OnBeforeSkinForm) skinData->OnBeforeSkinForm(form, FHandle, FClassName);
  // Forms that scroll would fight the owner-drawn menu items for the
  // client area.
  if (Has(skinData->SkinControls(), xcMenuItem)) {
    const TPropInfo* autoScroll = form->ClassType().FindProp("AutoScroll");
    if (autoScroll && autoScroll->Set) SetPropValue(*form, "AutoScroll", std::int64_t{0});
  }
  FSkinData = skinData;
  Attach();
  if (FSkinFrame) FFormHook.Install(*form, TWindowProcHook::THandler::Of<&TWinSkinForm::FormWndProc>(this));
  FOrgColor = form->Color();
  form->SetColor(skinData->FColours[scButtonFace]);
  if (Has(skinData->SkinControls(), xcMenuItem)) SetMainMenuOwnerDraw(true);
  if (Has(skinData->SkinControls(), xcPopupMenu)) SetPopupMenusOwnerDraw(true);
}

void TWinSkinForm::AttachWindow(TSkinData* skinData) {
  FSkinData = skinData;
  Attach();
}

void TWinSkinForm::Attach() {
  if (Subclassed()) return;
  TSkinManage* manager = SkinManager();
  if (manager) manager->FState = 1;
  FSkinFrame = Has(FSkinData->SkinControls(), xcMainMenu);
  FStyle = static_cast<DWORD>(GetWindowLongA(FHandle, GWL_STYLE));
  const DWORD exStyle = static_cast<DWORD>(GetWindowLongA(FHandle, GWL_EXSTYLE));
  FRightToLeft = (exStyle & WS_EX_LEFTSCROLLBAR) != 0;
  FIsChild = (FStyle & WS_CHILD) != 0;
  FClassName = WindowClassName(FHandle);
  const HWND owner = GetWindow(FHandle, GW_OWNER);

  FBorderIcons = 0;
  if ((FStyle & WS_SYSMENU) || FSysMenu) FBorderIcons |= biSystemMenu;
  if (FStyle & WS_MINIMIZEBOX) FBorderIcons |= biMinimize;
  if (FStyle & WS_MAXIMIZEBOX) FBorderIcons |= biMaximize;
  if (exStyle & WS_EX_CONTEXTHELP) FBorderIcons |= biHelp;

  ReadShowState();
  FMDIKind = mkPlain;
  for (HWND child = GetTopWindow(FHandle); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (lstrcmpiA(WindowClassName(child).c_str(), "MDIClient") != 0) continue;
    FMDIKind = mkFrame;
    FMDIClient = child;
    if (manager) {
      manager->FMDIClient = child;
      manager->FMDIClientControl = FForm;
    }
    break;
  }
  if (exStyle & WS_EX_MDICHILD) {
    FMDIKind = mkChild;
    if (Has(FSkinData->Options(), xoMDIChildBorder)) FSkinFrame = false;
  }

  if ((FStyle & WS_CAPTION) != WS_CAPTION)
    FFrameKind = fkNone;
  else if (FStyle & WS_THICKFRAME)
    FFrameKind = fkSizeable;
  else if (FStyle & DS_MODALFRAME)
    FFrameKind = fkDialog;
  else
    FFrameKind = fkSingle;
  if (exStyle & WS_EX_DLGMODALFRAME) FFrameKind = fkDialog;

  // Where the system shows a window's menu on its taskbar button, the
  // system menu style stays.
  const DWORD version = SkinSystemVersion();
  const bool nt = !(version & 0x80000000u);
  if (LOBYTE(LOWORD(version)) > 4 && HIBYTE(LOWORD(version)) == 0 &&
      ((nt && (exStyle & WS_EX_APPWINDOW)) || (!owner && FMDIKind != mkChild)))
    FBorderIcons |= biKeepSysMenu;

  FUnicode = IsWindowUnicode(FHandle) != FALSE;
  FSystemDialog = FClassName == "#32770" || FClassName == "TMessageForm";
  if (FSystemDialog) FFrameKind = fkDialog;

  if (FMDIKind == mkFrame) {
    FMenuRefresh = FSkinData->MenuUpdate();
    FMDIClientSubclass.Install(FMDIClient, TWindowSubclass::THandler::Of<&TWinSkinForm::MDIClientProc>(this));
  }
  FSubclass.Install(FHandle, TWindowSubclass::THandler::Of<&TWinSkinForm::WndProc>(this));

  if (FSkinFrame) {
    FWindowMenu = GetMenu(FHandle);
    if (FWindowMenu && FMDIKind != mkChild) {
      FMenuBar = std::make_unique<TWinSkinMenu>(*this);
      FMenuHeight = GetSystemMetrics(SM_CYMENU);
      FMenuBar->Build();
    }
    LoadFrameMetrics();
  } else {
    FSkinState = kSkinActive;
  }
  if (FMDIKind == mkChild) {
    const int systemTitle = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CXFRAME);
    if (FTitleHeight < systemTitle) FMenuHeight = systemTitle - FTitleHeight;
    if (FShowState == ssMaximized && manager) manager->FMDIMaximized = true;
  }
}

void TWinSkinForm::FinishAttach() {
  if (FFinished) return;
  FFinished = true;
  FSysMenu = GetSystemMenu(FHandle, FALSE);
  UpdateIcon();
  GetClientRect(FHandle, &FOrgClientRect);
  RECT window{};
  GetWindowRect(FHandle, &window);
  FOrgFrame = SIZE{WidthOf(window) - FOrgClientRect.right, HeightOf(window) - FOrgClientRect.bottom};

  if (FForm)
    SkinFormControls(*FForm);
  else
    SkinChildWindows(FHandle);

  if (FSkinState == kSkinAttached) {
    TSkinManage* manager = SkinManager();
    if (FMDIKind == mkChild) {
      if (FShowState == ssMaximized) {
        if (manager && manager->FMDIClient)
          PostMessageA(manager->FMDIClient, SKM_MDIREDRAW, reinterpret_cast<WPARAM>(FHandle), 0);
      } else if (FShowState == ssNormal) {
        FSkinState = kSkinAdjusting;
        AdjustWindowSize(false);
        FSkinState = kSkinActive;
        UpdateRegion();
      }
    } else if (!FIsChild && FFrameKind != fkNone && FShowState != ssMinimized) {
      FSkinState = kSkinAdjusting;
      AdjustWindowSize(false);
      FSkinState = kSkinActive;
      if (FShowState == ssNormal)
        UpdateRegion();
      else
        SetWindowPos(FHandle, nullptr, 0, 0, 0, 0, kFrameChanged);
    }
  }
  SendMessageA(FHandle, SKM_SKINREADY, 0, SKIN_MAGIC);
  if (FSkinData->OnAfterSkinForm) FSkinData->OnAfterSkinForm(FForm, FHandle, FClassName);
  FSkinState = kSkinActive;
  FTimer.SetEnabled(true);
}

void TWinSkinForm::LoadFrameMetrics() {
  if (FSkinData->FNoSkin) return;
  for (auto& image : FBorderImages) image.reset();
  ForgetTitles();
  if (FFrameKind == fkNone) {
    FLeftWidth = FTitleHeight = FRightWidth = FBottomHeight = FMenuHeight = 0;
  } else {
    const auto size = [this](TSkinBorder border, bool stacked) {
      const TDataSkinBorder& element = *FSkinData->FBorders[border];
      const int frames = std::max(element.FFrameCount, 1);
      return stacked ? element.FBitmap.Height() / frames : element.FBitmap.Width() / frames;
    };
    FTitleHeight = size(sbTop, true);
    FLeftWidth = size(sbLeft, false);
    FRightWidth = size(sbRight, false);
    FBottomHeight = size(sbBottom, true);
  }
  if (FTitleButtons.empty()) {
    for (const auto& data : FSkinData->FSysButtons) FTitleButtons.push_back(std::make_unique<TWinSysButton>(*this, *data));
  }
  UpdateIcon();
}

void TWinSkinForm::FreeTitleButtons() {
  FHotElement = nullptr;
  ForgetTitles();
  FTitleButtons.clear();
}

void TWinSkinForm::UpdateIcon() {
  ForgetTitles();
  FIconSize = GetSystemMetrics(SM_CXSMICON);
  const int height = GetSystemMetrics(SM_CYSMICON);
  FIconBitmap.SetSize(FIconSize, height);
  FIconBitmap.Canvas().SetBrushColor(clFuchsia);
  FIconBitmap.Canvas().FillRect(RECT{0, 0, FIconSize, height});
  auto icon = reinterpret_cast<HICON>(SendMessageA(FHandle, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageA(FHandle, WM_GETICON, ICON_BIG, 0));
  if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrA(FHandle, GCLP_HICONSM));
  if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrA(FHandle, GCLP_HICON));
  if (!icon) return;
  const TIconHandle small(static_cast<HICON>(CopyImage(icon, IMAGE_ICON, FIconSize, height, LR_COPYFROMRESOURCE)));
  if (!small) return;
  DrawIconEx(FIconBitmap.Canvas().Handle(), 0, 0, small.Get(), FIconSize, height, 0, nullptr, DI_NORMAL);
  if (!FSkinData || FSkinData->FNoSkin) return;
  // Icon buttons and the skin's application icon show the window's icon
  // when the skin gives them no picture.
  for (const auto& data : FSkinData->FSysButtons) {
    if ((data->FAction != 3 && data->FAction != 11) || !data->FBitmap.Empty()) continue;
    data->FBitmap.Assign(FIconBitmap);
    data->FFrameCount = 1;
  }
  if (FSkinData->FAppIcon.Empty()) FSkinData->FAppIcon.Assign(FIconBitmap);
}

void TWinSkinForm::SetSysMenuStyle(bool strip) {
  if (FBorderIcons & biKeepSysMenu) return;
  FStyle = static_cast<DWORD>(GetWindowLongA(FHandle, GWL_STYLE));
  DWORD style = FStyle;
  if (strip)
    style &= ~WS_SYSMENU;
  else if (FBorderIcons & biSystemMenu)
    style |= WS_SYSMENU;
  if (style != FStyle) SetWindowLongA(FHandle, GWL_STYLE, static_cast<LONG>(style));
}

void TWinSkinForm::ReadShowState() {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (!GetWindowPlacement(FHandle, &placement)) return;
  switch (placement.showCmd) {
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE: FShowState = ssMinimized; break;
    case SW_SHOWMAXIMIZED: FShowState = ssMaximized; break;
    default: FShowState = ssNormal; break;
  }
}

void TWinSkinForm::AdjustWindowSize(bool keepClient) {
  if (FShowState == ssMaximized) {
    SetWindowPos(FHandle, nullptr, 0, 0, 0, 0, kFrameChanged);
    return;
  }
  if (FSystemDialog || FSkinState == kSkinReskin || keepClient) GetClientRect(FHandle, &FOrgClientRect);
  int width = FOrgClientRect.right + FLeftWidth + FRightWidth;
  int clientHeight = FOrgClientRect.bottom;
  if (FForm && !keepClient) {
    width = FForm->ClientWidth() + FLeftWidth + FRightWidth;
    clientHeight = FForm->ClientHeight() - (FMDIKind == mkChild ? 0 : FMenuHeight);
  }
  const int height = clientHeight + FTitleHeight + FBottomHeight + FMenuHeight;
  if (FSystemDialog && !keepClient) {
    // A dialog wide enough for its caption: its controls move to the middle.
    const int length = GetWindowTextLengthW(FHandle);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(FHandle, text.data(), length + 1)));
    TWindowDC screen;
    const TSelectObject font(screen.Get(), FCaptionFont.Get());
    RECT measured{0, 0, 0, 0};
    DrawTextW(screen.Get(), text.c_str(), static_cast<int>(text.size()), &measured, DT_CALCRECT | DT_SINGLELINE);
    const int needed = FSkinData->FTitle.FMargins.left + WidthOf(measured) + FSkinData->FTitle.FMargins.right;
    if (needed > width) {
      const int shift = (needed - width) / 2;
      for (HWND child = GetTopWindow(FHandle); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT bounds{};
        GetWindowRect(child, &bounds);
        MapWindowPoints(nullptr, FHandle, reinterpret_cast<POINT*>(&bounds), 2);
        SetWindowPos(child, nullptr, bounds.left + shift, bounds.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSENDCHANGING);
      }
      width = needed;
    }
  }
  SetWindowPos(FHandle, nullptr, 0, 0, width, height, SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE);
}

void TWinSkinForm::Unhook(bool restore) {
  FSysPopup.reset();
  FTimer.SetEnabled(false);
  FFormHook.Restore();
  FSubclass.Restore();
  ReleaseMenus();
  const bool formGoes = Destroying() || (FForm && (FForm->ComponentState() & csDestroying));
  FreeControls(restore && !formGoes);
  if (restore && FForm && !formGoes) FForm->SetColor(FOrgColor);
  FMDIClientSubclass.Restore();
}

void TWinSkinForm::ReleaseMenus() {
  FHotElement = nullptr;
  if (FForm && !(FForm->ComponentState() & csDestroying)) {
    SetMainMenuOwnerDraw(false);
    SetPopupMenusOwnerDraw(false);
  }
  if (!FMenuBar) return;
  FMenuBar->GiveBackOwnerDraw();
  if (Destroying())
    FMenuBar->LeaveMenuToWindow();
  else
    FMenuBar->GiveBackMenu();
  FMenuBar.reset();
}

void TWinSkinForm::AddMenuBar() {
  FMenuBar = std::make_unique<TWinSkinMenu>(*this);
  FMenuHeight = GetSystemMetrics(SM_CYMENU);
  FMenuBar->Build();
}

void TWinSkinForm::DropMenuBar() {
  FHotElement = nullptr;
  FMenuBar.reset();
  FMenuHeight = 0;
  SetWindowPos(FHandle, nullptr, 0, 0, 0, 0, kFrameChanged);
}

void TWinSkinForm::Detach() {
  // A window that has been destroyed has nothing left to give back.
  if (FSkinState == kSkinReleased) return;
  const bool subclassed = Subclassed();
  if (FSkinFrame && subclassed) SetSysMenuStyle(false);
  Unhook(true);
  if (FSkinFrame && subclassed && !Destroying() && (FMDIKind == mkChild || !FIsChild)) {
    RECT window{};
    GetWindowRect(FHandle, &window);
    if (FMDIKind == mkChild) MapWindowPoints(nullptr, GetParent(FHandle), reinterpret_cast<POINT*>(&window), 2);
    SetWindowPos(FHandle, nullptr, window.left, window.top,
                 WidthOf(window) + FOrgFrame.cx - FLeftWidth - FRightWidth,
                 HeightOf(window) + FOrgFrame.cy - FTitleHeight - FBottomHeight,
                 SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER);
  }
  if (FHasRegion) {
    // The system frees the region it held.
    SetWindowRgn(FHandle, nullptr, TRUE);
    FHasRegion = false;
  }
  if (!FSkinFrame && FForm && !Destroying()) {
    for (int i = 0; i < FForm->ComponentCount(); ++i)
      if (auto* control = dynamic_cast<TControl*>(FForm->Components(i))) control->Invalidate();
  }
  FSkinState = kSkinReleased;
}

void TWinSkinForm::ReleaseWindow() {
  Unhook(false);
  FSkinState = kSkinReleased;
}

void TWinSkinForm::Reskin() {
  if (FForm) {
    FForm->SetColor(FSkinData->FColours[scButtonFace]);
    for (int i = 0; i < FForm->ComponentCount(); ++i)
      if (auto* form = dynamic_cast<TCustomForm*>(FForm->Components(i))) form->SetColor(FSkinData->FColours[scButtonFace]);
  }
  for (TSkinControl* wrapper : std::vector(FControls)) wrapper->SkinChange();
  FSkinState = kSkinReskin;
  if (FSkinFrame && FForm) {
    if (Has(FSkinData->SkinControls(), xcPopupMenu)) SetPopupMenusOwnerDraw(true);
    AdjustWindowSize(true);
    FForm->SetHeight(FForm->Height() + 1);
    FForm->SetHeight(FForm->Height() - 1);
  }
  UpdateRegion();
  SendMessageA(FHandle, SKM_SKINREADY, 0, SKIN_MAGIC);
  if (FSkinData->OnAfterSkinForm) FSkinData->OnAfterSkinForm(FForm, FHandle, FClassName);
  FSkinState = kSkinActive;
  PaintFrame(nullptr);
}

// The window's procedure: what must happen in every state first, then,
// for a skinned frame, what keeps the window's state, then the non-client
// area once the attach has finished.
void TWinSkinForm::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_NCPAINT:
      if (FSkinState == kSkinAttached) return;  // nothing is drawn before the attach finished
      break;
    case WM_ERASEBKGND: return OnEraseBkgnd(message);
    case WM_NCDESTROY: return OnNCDestroy(message);
    case kSystemCaptionMessage: return;
    case WM_INITMENUPOPUP:
      if (TSkinManage* manager = SkinManager())
        manager->FPopupOrigin = reinterpret_cast<HMENU>(message.WParam) == FSysMenu ? kPopupSystem : kPopupMenuBar;
      return Default(message);
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC: return OnCtlColor(message);
    case SKM_ATTACH: return FinishAttach();
    case SKM_QUERYSKINNED: return OnQuerySkinned(message);
    case WM_NCACTIVATE:
      if (FSkinState == kSkinAttached && FMDIKind != mkChild) return;
      break;
    default: break;
  }
  if (!FSkinFrame || (FIsChild && FMDIKind != mkChild)) return Default(message);

  switch (message.Msg) {
    case WM_SIZE: return OnSize(message);
    case WM_ACTIVATE:
    case WM_NCACTIVATE: FActive = LOBYTE(message.WParam) != 0; break;
    case WM_GETMINMAXINFO:
      Default(message);
      return ReadShowState();
    case WM_WINDOWPOSCHANGED:
      ReadShowState();
      return Default(message);
    case WM_SETICON:
      Default(message);
      UpdateIcon();
      // The system may have drawn its own caption with the new icon.
      if (FSkinState == kSkinActive) PaintFrame(nullptr);
      return;
    case WM_COMMAND: return OnCommand(message);
    case WM_SYSCOMMAND: return OnSysCommand(message);
    case SKM_MENUBARCLICK: return OnMenuBarClick(message);
    case CM_MENUCHANGED: return OnMenuChanged(message);
    default: break;
  }

  if (FSkinState == kSkinAttached || MaximizedMDIChild()) return Default(message);
  switch (message.Msg) {
    case WM_NCACTIVATE: return OnNCActivate(message);
    case WM_MEASUREITEM: return OnMeasureItem(message);
    case WM_DRAWITEM: return OnDrawItem(message);
    case WM_NCCALCSIZE: return OnNCCalcSize(message);
    case WM_NCHITTEST: return OnNCHitTest(message);
    case WM_NCPAINT: return OnNCPaint(message);
    case WM_NCMOUSEMOVE: return OnNCMouseMove(message);
    case WM_NCLBUTTONDOWN: return OnNCLButtonDown(message);
    case WM_NCLBUTTONUP: return OnNCLButtonUp(message);
    case WM_NCRBUTTONDOWN: return OnNCRButtonDown(message);
    case WM_NCLBUTTONDBLCLK: return OnNCLButtonDblClk(message);
    case SKM_REPAINTFRAME: return PaintFrame(nullptr);
    default: return Default(message);
  }
}

void TWinSkinForm::OnEraseBkgnd(TMessage& message) {
  Default(message);
  if (FForm) return;
  RECT client{};
  GetClientRect(FHandle, &client);
  FillRect(reinterpret_cast<HDC>(message.WParam), &client, FSkinData->FFaceBrush.Get());
  message.Result = 1;
}

void TWinSkinForm::OnNCDestroy(TMessage& message) {
  FSkinState = kSkinDestroying;
  Default(message);
  ReleaseWindow();
}

void TWinSkinForm::OnCtlColor(TMessage& message) {
  Default(message);
  if (FForm) return;
  SetBkMode(reinterpret_cast<HDC>(message.WParam), TRANSPARENT);
  if (message.Msg == WM_CTLCOLORSTATIC) message.Result = reinterpret_cast<LRESULT>(FSkinData->FFaceBrush.Get());
}

void TWinSkinForm::OnQuerySkinned(TMessage& message) {
  message.Result = 1;
  PostMessageA(FHandle, SKM_SKINREADY, 0, SKIN_MAGIC);
}

void TWinSkinForm::OnSize(TMessage& message) {
  Default(message);
  switch (message.WParam) {
    case SIZE_RESTORED: FShowState = ssNormal; break;
    case SIZE_MINIMIZED: FShowState = ssMinimized; break;
    case SIZE_MAXIMIZED: FShowState = ssMaximized; break;
    default: break;
  }
  if (FMDIKind == mkChild && message.WParam != SIZE_MINIMIZED) {
    // Maximized children share the frame's title: they keep no region.
    if (TSkinManage* manager = SkinManager()) manager->SetMDIMaximized(message.WParam == SIZE_MAXIMIZED);
  }
  if (FShowState == ssMinimized) return;
  if (FMDIKind == mkChild) {
    const TSkinManage* manager = SkinManager();
    if (FShowState != ssNormal || (manager && manager->FMDIMaximized)) return;
  }
  if (FSkinState == kSkinActive || FSkinState == kSkinReskin) UpdateRegion();
}

void TWinSkinForm::OnNCActivate(TMessage& message) {
  FActive = message.WParam != 0;
  FTimer.SetEnabled(FActive);
  if (FMDIKind == mkFrame) SendMessageA(FMDIClient, WM_NCACTIVATE, message.WParam, 0);
  if (FMDIKind == mkChild) Default(message);
  if (!MaximizedMDIChild()) PaintFrame(nullptr);
  // The system never paints its own active or inactive caption.
  message.Result = 1;
}

void TWinSkinForm::OnCommand(TMessage& message) {
  switch (LOWORD(message.WParam)) {
    case SC_SIZE:
    case SC_MOVE:
    case SC_MINIMIZE:
    case SC_MAXIMIZE:
    case SC_NEXTWINDOW:
    case SC_PREVWINDOW:
    case SC_CLOSE:
    case SC_RESTORE:
      // A command chosen in the skinned system menu.
      PostMessageA(FHandle, WM_SYSCOMMAND, LOWORD(message.WParam), 0);
      return;
    default: return Default(message);
  }
}

void TWinSkinForm::OnNCCalcSize(TMessage& message) {
  Default(message);
  if (!message.WParam) {
    message.Result = 0;
    return;
  }
  auto& params = *reinterpret_cast<NCCALCSIZE_PARAMS*>(message.LParam);
  if ((FMDIKind == mkChild && FShowState != ssNormal) || FFrameKind == fkNone) {
    params.rgrc[1] = params.rgrc[0];
    message.Result = WVR_VALIDRECTS;
    return;
  }
  const WINDOWPOS& position = *params.lppos;
  const RECT client{position.x + FLeftWidth, position.y + FTitleHeight + FMenuHeight,
                    position.x + position.cx - FRightWidth, position.y + position.cy - FBottomHeight};
  params.rgrc[0] = client;
  params.rgrc[1] = client;
  message.Result = WVR_VALIDRECTS;
}

void TWinSkinForm::OnNCHitTest(TMessage& message) {
  Default(message);
  if (message.Result != HTNOWHERE && message.Result != HTCAPTION) return;
  const POINT screen = PointOfLParam(message.LParam);
  const POINT point = ToWindowPoint(screen.x, screen.y);
  if (point.y > 3) message.Result = HTCAPTION;
  if (point.y > FTitleHeight && FMenuHeight > 0) message.Result = HTMENU;
}

void TWinSkinForm::OnNCPaint(TMessage& message) {
  SetSysMenuStyle(true);
  if (!FSkinData->FPaintFrames) {
    message.Result = 0;
    return;
  }
  if (MaximizedMDIChild() || FFrameKind == fkNone) return Default(message);
  PaintFrame(nullptr);
  message.Result = 0;
}

void TWinSkinForm::OnMenuChanged(TMessage& message) {
  // The framework gives the window its menu: the system would draw it.
  FSkinData->FPaintFrames = false;
  Default(message);
  FSkinData->FPaintFrames = true;
  if (!GetMenu(FHandle)) {
    // The form's menu is gone: so is the bar that showed it.
    const auto* form = dynamic_cast<const TCustomForm*>(FForm);
    if (FMenuBar && form && !form->Menu()) DropMenuBar();
    return;
  }
  if (FMenuBar) {
    if (FSkinData->MenuUpdate()) FMenuBar->Build();
  } else if (FMDIKind != mkChild && FFrameKind != fkNone) {
    AddMenuBar();
  }
  SetMenu(FHandle, nullptr);
}

void TWinSkinForm::OnTimer(TObject*) {
  if (FMenuTracking || !FHotElement) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  const POINT point = ToWindowPoint(cursor.x, cursor.y);
  if (!PtInRect(&FHotElement->FBounds, point)) {
    TNCObject* element = std::exchange(FHotElement, nullptr);
    element->MouseLeave();
    FSkinData->FHintHoverTime = 0;
    FSkinData->HideCaptionHint();
    return;
  }
  const auto* button = dynamic_cast<const TWinSysButton*>(FHotElement);
  if (!button) return;
  FSkinData->FHintHoverTime += FTimer.Interval();
  const int shown = 2 * Application().HintPause();
  const int hidden = shown + Application().HintHidePause();
  if (FSkinData->FHintHoverTime >= hidden) {
    FSkinData->HideCaptionHint();
  } else if (FSkinData->FHintHoverTime >= shown && button->Hint()) {
    RECT window{};
    GetWindowRect(FHandle, &window);
    const int left = window.left + button->FBounds.left, top = cursor.y + 24;
    FSkinData->ShowCaptionHint(RECT{left, top, left, top}, button->Hint());
  }
}

void TWinSkinForm::FormWndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_SETTEXT: return OnSetText(message);
    case SKM_RESKIN: return Reskin();
    case SKM_PAINTFRAMETO:
      if (message.LParam != SKIN_MAGIC) break;
      if (message.WParam) PaintFrame(reinterpret_cast<HDC>(message.WParam));
      message.Result = SKIN_MAGIC;
      return;
    case SKM_QUERYFORM: message.Result = message.LParam == SKIN_MAGIC ? SKIN_MAGIC : 1; return;
    case CM_DIALOGCHAR: return OnDialogChar(message);
    default: break;
  }
  FFormHook.CallDefault(message);
}

void TWinSkinForm::OnDialogChar(TMessage& message) {
  FFormHook.CallDefault(message);
  if (message.Result) return;
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  const bool altOnly = (keys[VK_MENU] & 0x80) && !(keys[VK_SHIFT] & 0x80) && !(keys[VK_CONTROL] & 0x80);
  const wchar_t key = AnsiToWide(std::string(1, static_cast<char>(message.WParam))).c_str()[0];
  if (altOnly && FMenuBar) {
    if (const TMenuBtn* button = FMenuBar->ButtonOfAccelerator(key)) {
      RECT window{};
      GetWindowRect(FHandle, &window);
      PostMessageA(FHandle, WM_NCLBUTTONDOWN, HTCLIENT,
                   MAKELPARAM(window.left + button->FBounds.left + 1, window.top + button->FBounds.top + 1));
      message.Result = 1;
      return;
    }
  }
  // The key may be the MDI frame's, or the main form's.
  const TSkinManage* manager = SkinManager();
  TWinControl* frame = manager ? manager->FMDIClientControl : nullptr;
  if (frame && frame != FForm) {
    if (frame->Perform(message.Msg, message.WParam, message.LParam) && FMDIKind == mkChild) return;
  } else if (TCustomForm* main = Application().MainForm(); main && main != FForm) {
    const auto* form = dynamic_cast<const TCustomForm*>(FForm);
    if (!form || !form->Modal()) main->Perform(message.Msg, message.WParam, message.LParam);
  }
  message.Result = 0;
}

void TWinSkinForm::OnSetText(TMessage& message) {
  FFormHook.CallDefault(message);
  if (!IsWindowVisible(FHandle)) return;
  // The system has drawn its own caption with the new text.
  const TSkinManage* manager = SkinManager();
  if (FShowState == ssMaximized && manager && manager->FMDIClient)
    PostMessageA(manager->FMDIClient, SKM_MDIREDRAW, reinterpret_cast<WPARAM>(FHandle), 0);
  if (FShowState == ssMinimized)
    PaintFrame(nullptr);
  else
    SetWindowPos(FHandle, nullptr, 0, 0, 0, 0, kFrameChanged);
}

void TWinSkinForm::MDIClientProc(TMessage& message) {
  if (!FSkinFrame) return FMDIClientSubclass.CallDefault(message);
  TSkinManage* manager = SkinManager();
  switch (message.Msg) {
    case WM_NCCALCSIZE:
      if (!Has(FSkinData->Options(), xoMDIScrollbar)) {
        const LONG style = GetWindowLongA(FMDIClient, GWL_STYLE);
        if (style & (WS_HSCROLL | WS_VSCROLL)) SetWindowLongA(FMDIClient, GWL_STYLE, style & ~(WS_HSCROLL | WS_VSCROLL));
      }
      break;
    case WM_MDIDESTROY: {
      FMDIClientSubclass.CallDefault(message);
      BOOL maximized = FALSE;
      const auto active =
          reinterpret_cast<HWND>(SendMessageA(FMDIClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)));
      if (manager) manager->FMDIMaximized = active && maximized;
      if (!active && FMenuBar) {
        // The frame's own menu is back.
        FSkinData->SetMenuUpdate(FMenuRefresh);
        FMenuBar->Rebuild();
        PaintFrame(nullptr);
      }
      return;
    }
    case WM_MDITILE:
    case WM_MDICASCADE:
      if (manager) manager->FMDIMaximized = false;
      break;
    case WM_MDISETMENU:
      FMDIClientSubclass.CallDefault(message);
      if (message.WParam && FMenuBar) {
        FMenuBar->Rebuild();
        SetMenu(FHandle, nullptr);
      }
      return;
    case WM_MDICREATE:
      // Merging the children's menus changes the frame's menu: the bar
      // keeps its buttons until the last child goes.
      FSkinData->SetMenuUpdate(false);
      break;
    case SKM_MDIREDRAW:
      RedrawWindow(FHandle, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
      return;
    default: break;
  }
  FMDIClientSubclass.CallDefault(message);
}
