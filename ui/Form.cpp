#include "ui/Form.h"

#include <vector>

#include "ui/Application.h"
#include "ui/Menus.h"
#include "ui/Screen.h"
#include "ui/TypInfo.h"

namespace {
constexpr std::string_view kBorderStyleNames[] = {"bsNone",   "bsSingle",     "bsSizeable",
                                                  "bsDialog", "bsToolWindow", "bsSizeToolWin"};
constexpr std::string_view kFormStyleNames[] = {"fsNormal", "fsStayOnTop"};
constexpr std::string_view kPositionNames[] = {"poDesigned", "poScreenCenter", "poDesktopCenter"};
}  // namespace

const TPropInfo TCustomForm::Published[] = {
    Prop<TTypeKind::String, &TControl::Caption, &TControl::SetCaption>("Caption"),
    Prop<TTypeKind::Enumeration, &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle>("BorderStyle",
                                                                                         kBorderStyleNames),
    Prop<TTypeKind::Enumeration, &TCustomForm::FormStyle, &TCustomForm::SetFormStyle>("FormStyle",
                                                                                     kFormStyleNames),
    Prop<TTypeKind::Enumeration, &TCustomForm::Position, &TCustomForm::SetPosition>("Position", kPositionNames),
    Prop<TTypeKind::Integer, &TControl::ClientWidth, &TControl::SetClientWidth>("ClientWidth"),
    Prop<TTypeKind::Integer, &TControl::ClientHeight, &TControl::SetClientHeight>("ClientHeight"),
    Prop<TTypeKind::Object, &TCustomForm::Menu, &TCustomForm::SetMenu>("Menu"),
    Prop<TTypeKind::Method, &TCustomForm::OnCreate, &TCustomForm::OnCreate>("OnCreate"),
};
QV_CLASS_INFO(TCustomForm, Published);
QV_CLASS_INFO(TForm, {});

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
  SetVisible(false);
  SetParentFont(false);
  SetColor(SystemColor(COLOR_BTNFACE));
  SetBounds(0, 0, 320, 240);
  Screen().AddForm(this);
}

TCustomForm::~TCustomForm() {
  SetMenu(nullptr);
  Screen().RemoveForm(this);
}

void TCustomForm::ReadForm() {
  TReader reader(*this);
  ReadState(reader);
  reader.EndRead();
  DoCreate();
}

void TCustomForm::ReadState(TReader&) {}

void TCustomForm::DoCreate() {
  if (!OnCreate) return;
  try {
    OnCreate(this);
  } catch (...) {
    Application().HandleException();
  }
}

void TCustomForm::SetMenu(TMainMenu* menu) {
  if (menu == FMenu) return;
  if (menu && menu->FForm) menu->FForm->SetMenu(nullptr);
  // Before its window exists the form keeps its client size (a stored
  // form's size is that of its client area) and grows by the menu bar; a
  // shown window keeps its size, as the system keeps it.
  const int clientHeight = ClientHeight();
  if (FMenu) FMenu->FForm = nullptr;
  FMenu = menu;
  if (FMenu) FMenu->FForm = this;
  if (HandleAllocated())
    SendMessageA(Handle(), CM_MENUCHANGED, 0, 0);
  else
    SetClientHeight(clientHeight);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle borderStyle) {
  if (borderStyle == FBorderStyle) return;
  FBorderStyle = borderStyle;
  RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle formStyle) {
  if (formStyle == FFormStyle) return;
  FFormStyle = formStyle;
  if (HandleAllocated() && !Parent()) {
    SetWindowPos(Handle(), formStyle == TFormStyle::fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void TCustomForm::WindowStyles(DWORD& style, DWORD& exStyle) const {
  // A form inside another control is a child window; otherwise a frameless
  // or dialog form is a popup window, the others overlapped windows.
  const DWORD popup = Parent() ? 0 : WS_POPUP;
  style = WS_CLIPCHILDREN | (Parent() ? WS_CHILD | WS_CLIPSIBLINGS : 0);
  exStyle = 0;
  switch (FBorderStyle) {
    case TFormBorderStyle::bsNone: style |= popup; break;
    case TFormBorderStyle::bsSingle: style |= WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX; break;
    case TFormBorderStyle::bsSizeable: style |= WS_OVERLAPPEDWINDOW; break;
    case TFormBorderStyle::bsDialog:
      style |= popup | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
      exStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      break;
    case TFormBorderStyle::bsToolWindow:
      style |= WS_CAPTION | WS_SYSMENU;
      exStyle |= WS_EX_TOOLWINDOW;
      break;
    case TFormBorderStyle::bsSizeToolWin:
      style |= WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
      exStyle |= WS_EX_TOOLWINDOW;
      break;
  }
  if (FFormStyle == TFormStyle::fsStayOnTop && !Parent()) exStyle |= WS_EX_TOPMOST;
}

void TCustomForm::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  WindowStyles(params.Style, params.ExStyle);
  if (Visible()) params.Style |= WS_VISIBLE;
  if (!Enabled()) params.Style |= WS_DISABLED;
  params.WindowClass.hIcon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
  // The window has its menu bar from the start (a skin looks for it when
  // the window is first activated, which may be while it is created).
  if (FMenu && !Parent()) params.Menu = FMenu->Handle();
}

RECT TCustomForm::ClientRect() const {
  if (HandleAllocated()) return TWinControl::ClientRect();
  // Without a window yet: what the frame of this border style and the
  // menu bar leave.
  DWORD style = 0;
  DWORD exStyle = 0;
  WindowStyles(style, exStyle);
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, style, FMenu && !Parent(), exStyle);
  return RECT{0, 0, Width() - (frame.right - frame.left), Height() - (frame.bottom - frame.top)};
}

void TCustomForm::Close() {
  if (FModal) {
    FModalResult = mrCancel;
    return;
  }
  if (Application().MainForm() == this) Application().Terminate();
  Hide();
}

TModalResult TCustomForm::ShowModal() {
  if (Visible() || FModal) throw EInvalidOperation("Cannot make a visible window modal");
  // The windows of the thread that take input now wait for the form.
  std::vector<HWND> disabled;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM list) -> BOOL {
        if (IsWindowVisible(window) && IsWindowEnabled(window))
          reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&disabled));
  for (HWND window : disabled) EnableWindow(window, FALSE);
  FModal = true;
  FModalResult = mrNone;
  Show();
  MSG msg;
  while (FModalResult == mrNone && Visible()) {
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got <= 0) {
      // The program ends: the quit message is left for the main loop.
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
      FModalResult = mrCancel;
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  const TModalResult result = FModalResult == mrNone ? mrCancel : FModalResult;
  for (HWND window : disabled)
    if (IsWindow(window)) EnableWindow(window, TRUE);
  FModal = false;
  Hide();
  return result;
}

void TCustomForm::MoveToPosition() {
  int left = Left();
  int top = Top();
  switch (FPosition) {
    case TPosition::poDesigned: return;
    case TPosition::poScreenCenter:
      left = (GetSystemMetrics(SM_CXSCREEN) - Width()) / 2;
      top = (GetSystemMetrics(SM_CYSCREEN) - Height()) / 2;
      break;
    case TPosition::poDesktopCenter:
      left = GetSystemMetrics(SM_XVIRTUALSCREEN) + (GetSystemMetrics(SM_CXVIRTUALSCREEN) - Width()) / 2;
      top = GetSystemMetrics(SM_YVIRTUALSCREEN) + (GetSystemMetrics(SM_CYVIRTUALSCREEN) - Height()) / 2;
      break;
  }
  SetBounds(left, top, Width(), Height());
}

void TCustomForm::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_CLOSE: return WMClose(message);
    case WM_DESTROY: return WMDestroy(message);
    case WM_COMMAND: return WMCommand(message);
    case WM_INITMENUPOPUP: return WMInitMenuPopup(message);
    case WM_MEASUREITEM: return WMMeasureItem(message);
    case WM_DRAWITEM: return WMDrawItem(message);
    case CM_MENUCHANGED: return CMMenuChanged(message);
    case CM_VISIBLECHANGED: return CMVisibleChanged(message);
    default: return TWinControl::WndProc(message);
  }
}

void TCustomForm::WMClose(TMessage&) { Close(); }

void TCustomForm::WMDestroy(TMessage& message) {
  // The system would destroy the menu with the window; its items own it.
  if (FMenu) ::SetMenu(Handle(), nullptr);
  TWinControl::WndProc(message);
}

void TCustomForm::WMCommand(TMessage& message) {
  // A menu command (0) or an accelerator (1); controls notify with their
  // window in LParam.
  if (FMenu && message.LParam == 0 && HIWORD(message.WParam) <= 1 && FMenu->DispatchCommand(LOWORD(message.WParam)))
    return;
  TWinControl::WndProc(message);
}

void TCustomForm::WMInitMenuPopup(TMessage& message) {
  if (FMenu) FMenu->DispatchPopup(reinterpret_cast<HMENU>(message.WParam));
  TWinControl::WndProc(message);
}

void TCustomForm::WMMeasureItem(TMessage& message) {
  if (FMenu && FMenu->MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam))) {
    message.Result = TRUE;
    return;
  }
  TWinControl::WndProc(message);
}

void TCustomForm::WMDrawItem(TMessage& message) {
  if (FMenu && FMenu->DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam))) {
    message.Result = TRUE;
    return;
  }
  TWinControl::WndProc(message);
}

void TCustomForm::CMMenuChanged(TMessage&) {
  const HWND window = Handle();
  ::SetMenu(window, FMenu ? FMenu->Handle() : nullptr);
  DrawMenuBar(window);
}

void TCustomForm::CMVisibleChanged(TMessage&) {
  if (!Visible()) {
    if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
    return;
  }
  HandleNeeded();
  if (!FPositioned && !Parent()) {
    MoveToPosition();
    FPositioned = true;
  }
  ShowWindow(Handle(), SW_SHOW);
}
