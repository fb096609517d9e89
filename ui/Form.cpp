#include "ui/Form.h"

#include "ui/Application.h"
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

TCustomForm::~TCustomForm() { Screen().RemoveForm(this); }

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
}

RECT TCustomForm::ClientRect() const {
  if (HandleAllocated()) return TWinControl::ClientRect();
  // Without a window yet: what the frame of this border style leaves.
  DWORD style = 0;
  DWORD exStyle = 0;
  WindowStyles(style, exStyle);
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  return RECT{0, 0, Width() - (frame.right - frame.left), Height() - (frame.bottom - frame.top)};
}

void TCustomForm::Close() {
  if (Application().MainForm() == this) Application().Terminate();
  Hide();
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
    case CM_VISIBLECHANGED: return CMVisibleChanged(message);
    default: return TWinControl::WndProc(message);
  }
}

void TCustomForm::WMClose(TMessage&) { Close(); }

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
