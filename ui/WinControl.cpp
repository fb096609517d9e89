#include "ui/WinControl.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "ui/Application.h"
#include "ui/Menus.h"
#include "ui/ScopedFlag.h"
#include "ui/TypInfo.h"

namespace {

// The name of the window property that holds a window's control, made from
// the module instance and the id of the thread that first asked for it, and
// registered as a global atom for the life of the program.
class TControlAtom {
 public:
  TControlAtom() {
    char name[64];
    std::snprintf(name, sizeof name, "ControlOfs%.8llX%.8lX",
                  static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(GetModuleHandleA(nullptr))),
                  static_cast<unsigned long>(GetCurrentThreadId()));
    FAtom = GlobalAddAtomA(name);
  }
  ~TControlAtom() {
    if (FAtom) GlobalDeleteAtom(FAtom);
  }
  TControlAtom(const TControlAtom&) = delete;
  TControlAtom& operator=(const TControlAtom&) = delete;
  LPCSTR Name() const { return MAKEINTATOM(FAtom); }

 private:
  ATOM FAtom;
};

LPCSTR ControlPropName() {
  static TControlAtom atom;
  return atom.Name();
}

// The control whose window is being created: its window's first message
// attaches the window to it. Creations may nest (a window created from a
// hook while another one is being created), so each restores the one before.
thread_local TWinControl* tCreationControl = nullptr;

class TCreationScope {
 public:
  explicit TCreationScope(TWinControl* control) : FOuter(tCreationControl) { tCreationControl = control; }
  ~TCreationScope() { tCreationControl = FOuter; }
  TCreationScope(const TCreationScope&) = delete;
  TCreationScope& operator=(const TCreationScope&) = delete;

 private:
  TWinControl* FOuter;
};

// The parent's message that is being handed to a child as a CN_ message
// now: only a CN_NOTIFY or CN_DRAWITEM that carries this message's pointer
// is a reflection. Reflections may nest, so each restores the one before.
thread_local const TMessage* tReflecting = nullptr;

class TReflectionScope {
 public:
  explicit TReflectionScope(const TMessage& message) : FOuter(tReflecting) { tReflecting = &message; }
  ~TReflectionScope() { tReflecting = FOuter; }
  TReflectionScope(const TReflectionScope&) = delete;
  TReflectionScope& operator=(const TReflectionScope&) = delete;

 private:
  const TMessage* FOuter;
};

bool IsReflectionOf(const TMessage& message, UINT original) {
  return message.Msg == CN_BASE + original && tReflecting && tReflecting->Msg == original &&
         tReflecting->LParam == message.LParam && message.LParam != 0;
}

// The device context of one WM_PAINT of a window, ended by the destructor.
class TPaintDC {
 public:
  explicit TPaintDC(HWND window) : FWindow(window), FDC(BeginPaint(window, &FPaint)) {}
  ~TPaintDC() { EndPaint(FWindow, &FPaint); }
  TPaintDC(const TPaintDC&) = delete;
  TPaintDC& operator=(const TPaintDC&) = delete;
  HDC Get() const { return FDC; }

 private:
  HWND FWindow;
  PAINTSTRUCT FPaint{};
  HDC FDC;
};

bool IsButtonDown(UINT msg) {
  return msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDOWN || msg == WM_RBUTTONDBLCLK ||
         msg == WM_MBUTTONDOWN || msg == WM_MBUTTONDBLCLK;
}

bool IsButtonUp(UINT msg) { return msg == WM_LBUTTONUP || msg == WM_RBUTTONUP || msg == WM_MBUTTONUP; }

[[noreturn]] void RaiseLastOSError(const std::string& what) {
  throw Exception(what + ": system error " + std::to_string(GetLastError()));
}

}  // namespace

const TPropInfo TWinControl::Published[] = {
    Prop<TTypeKind::Integer, &TWinControl::TabOrder, &TWinControl::SetTabOrder>("TabOrder"),
};
QV_CLASS_INFO(TWinControl, Published);

void InitControls() { ControlPropName(); }

TWinControl* FindControl(HWND window) {
  if (!window) return nullptr;
  return static_cast<TWinControl*>(GetPropA(window, ControlPropName()));
}

const NMHDR* ReflectedNotifyHeader(const TMessage& message) {
  return IsReflectionOf(message, WM_NOTIFY) ? reinterpret_cast<const NMHDR*>(message.LParam) : nullptr;
}

const DRAWITEMSTRUCT* ReflectedDrawItem(const TMessage& message) {
  return IsReflectionOf(message, WM_DRAWITEM) ? reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam) : nullptr;
}

LRESULT CALLBACK TWinControl::FrameworkWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = FindControl(window);
  if (!control) {
    control = tCreationControl;
    if (!control || control->FHandle) return DefWindowProcA(window, msg, wParam, lParam);
    tCreationControl = nullptr;
    control->AttachHandle(window);
  }
  TMessage message{msg, wParam, lParam, 0};
  try {
    control->WindowProc()(message);
  } catch (...) {
    Application().HandleException();
  }
  if (msg == WM_NCDESTROY && control->FHandle == window) control->DetachHandle();
  return message.Result;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  Destroying();
  DestroyHandle();
  while (!FControls.empty()) {
    TControl* child = FControls.back();
    RemoveControl(child);
    delete child;
  }
}

HWND TWinControl::Handle() {
  HandleNeeded();
  return FHandle;
}

void TWinControl::HandleNeeded() {
  if (FHandle) return;
  // The parent's window comes first; creating it creates this one too.
  if (Parent()) Parent()->HandleNeeded();
  if (!FHandle) CreateHandle();
}

void TWinControl::CreateHandle() {
  if (FHandle) return;
  CreateWnd();
  for (TControl* child : FControls) {
    if (auto* windowed = dynamic_cast<TWinControl*>(child)) windowed->CreateHandle();
  }
  Realign();
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.Caption = Text();
  params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (Visible()) params.Style |= WS_VISIBLE;
  if (!Enabled()) params.Style |= WS_DISABLED;
  if (UseRightToLeftReading()) params.ExStyle |= WS_EX_RTLREADING;
  if (BiDiMode() == TBiDiMode::bdRightToLeft) params.ExStyle |= WS_EX_RIGHT;
  if (BiDiMode() == TBiDiMode::bdRightToLeft || BiDiMode() == TBiDiMode::bdRightToLeftNoAlign) {
    params.ExStyle |= WS_EX_LEFTSCROLLBAR;
  }
  params.X = Left();
  params.Y = Top();
  params.Width = Width();
  params.Height = Height();
  params.WndParent = Parent() ? Parent()->FHandle : nullptr;
  params.WindowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  params.WindowClass.lpfnWndProc = DefWindowProcA;
  params.WindowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  params.WinClassName = std::string(ClassName());
}

void TWinControl::CreateSubClass(TCreateParams& params, const char* systemClassName) {
  WNDCLASSA systemClass{};
  if (!GetClassInfoA(nullptr, systemClassName, &systemClass)) {
    RaiseLastOSError(std::string("Window class ") + systemClassName + " not found");
  }
  params.WindowClass = systemClass;
  params.WindowClass.style &= ~CS_GLOBALCLASS;
}

void TWinControl::CreateWnd() {
  // The window class is named after the control's class.
  CheckClassDeclared();
  TCreateParams params;
  CreateParams(params);
  if ((params.Style & WS_CHILD) && !params.WndParent) {
    throw EInvalidOperation("Control '" + Name() + "' has no parent window");
  }
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA registered{};
  if (!GetClassInfoA(instance, params.WinClassName.c_str(), &registered)) {
    WNDCLASSA windowClass = params.WindowClass;
    windowClass.lpfnWndProc = FrameworkWndProc;
    windowClass.hInstance = instance;
    windowClass.lpszMenuName = nullptr;
    windowClass.lpszClassName = params.WinClassName.c_str();
    if (!RegisterClassA(&windowClass)) RaiseLastOSError("Cannot register window class " + params.WinClassName);
  }
  FDefWndProc = params.WindowClass.lpfnWndProc;
  HWND created = nullptr;
  {
    TCreationScope creating(this);
    created = CreateWindowExA(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(), params.Style,
                              params.X, params.Y, params.Width, params.Height, params.WndParent, params.Menu, instance,
                              nullptr);
  }
  if (!FHandle) {
    const DWORD error = GetLastError();
    if (created) DestroyWindow(created);
    SetLastError(error);
    RaiseLastOSError("Error creating window " + params.WinClassName);
  }
  SendMessageA(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), FALSE);
}

void TWinControl::DestroyHandle() {
  if (!FHandle) return;
  DestroyWindow(FHandle);
  if (FHandle) DetachHandle();
}

void TWinControl::RecreateWnd() {
  if (!FHandle) return;
  DestroyHandle();
  CreateHandle();
}

void TWinControl::AttachHandle(HWND window) {
  FHandle = window;
  SetPropA(window, ControlPropName(), this);
}

void TWinControl::DetachHandle() {
  RemovePropA(FHandle, ControlPropName());
  FHandle = nullptr;
}

TControl* TWinControl::Controls(int index) const {
  if (index < 0 || index >= ControlCount()) {
    throw Exception("List index out of bounds (" + std::to_string(index) + ")");
  }
  return FControls[static_cast<std::size_t>(index)];
}

void TWinControl::InsertControl(TControl* control) {
  FControls.push_back(control);
  control->FParent = this;
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (windowed) FTabList.push_back(windowed);
  control->Perform(CM_PARENTFONTCHANGED);
  if (windowed && FHandle) windowed->CreateHandle();
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), TRUE);
  control->RequestAlign();
}

void TWinControl::RemoveControl(TControl* control) {
  // A control being destroyed may no longer be a TWinControl to
  // dynamic_cast; its window is gone by then.
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (windowed) windowed->DestroyHandle();
  std::erase_if(FTabList, [control](TWinControl* item) { return static_cast<TControl*>(item) == control; });
  std::erase(FControls, control);
  if (FCaptureChild == control) FCaptureChild = nullptr;
  control->FParent = nullptr;
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), FALSE);
  Realign();
}

int TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  const auto& list = Parent()->FTabList;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int tabOrder) {
  if (!Parent()) return;
  auto& list = Parent()->FTabList;
  std::erase(list, this);
  const int position = std::clamp(tabOrder, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + position, this);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
  for (TWinControl* control : FTabList) {
    list.push_back(control);
    control->GetTabOrderList(list);
  }
}

void TWinControl::Realign() {
  if (FAligning || (ComponentState() & (csLoading | csDestroying))) return;
  const TScopedFlag aligning(FAligning);
  AlignControls();
}

void TWinControl::AdjustClientRect(RECT&) const {}

void TWinControl::AlignControls() {
  RECT rest = ClientRect();
  AdjustClientRect(rest);
  for (TAlign align : {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient}) {
    for (TControl* control : FControls) {
      if (control->Align() != align || !control->Visible()) continue;
      const int width = rest.right - rest.left;
      const int height = rest.bottom - rest.top;
      switch (align) {
        case TAlign::alTop:
          control->SetBounds(rest.left, rest.top, width, control->Height());
          rest.top += control->Height();
          break;
        case TAlign::alBottom:
          control->SetBounds(rest.left, rest.bottom - control->Height(), width, control->Height());
          rest.bottom -= control->Height();
          break;
        case TAlign::alLeft:
          control->SetBounds(rest.left, rest.top, control->Width(), height);
          rest.left += control->Width();
          break;
        case TAlign::alRight:
          control->SetBounds(rest.right - control->Width(), rest.top, control->Width(), height);
          rest.right -= control->Width();
          break;
        default:
          control->SetBounds(rest.left, rest.top, width, height);
          break;
      }
    }
  }
}

bool TWinControl::HasGraphicChildren() const {
  return std::any_of(FControls.begin(), FControls.end(), [](const TControl* control) {
    return control->Visible() && !dynamic_cast<const TWinControl*>(control);
  });
}

void TWinControl::PaintControls(HDC dc) {
  for (TControl* control : FControls) {
    if (!control->Visible() || dynamic_cast<TWinControl*>(control)) continue;
    const RECT bounds = control->BoundsRect();
    if (!RectVisible(dc, &bounds)) continue;
    const TSaveDC saved(dc);
    OffsetViewportOrgEx(dc, control->Left(), control->Top(), nullptr);
    IntersectClipRect(dc, 0, 0, control->Width(), control->Height());
    control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  }
}

void TWinControl::PaintHandler(TMessage& message) {
  if (message.WParam) {
    const auto dc = reinterpret_cast<HDC>(message.WParam);
    PaintWindow(dc);
    PaintControls(dc);
    return;
  }
  const TPaintDC paint(FHandle);
  PaintWindow(paint.Get());
  PaintControls(paint.Get());
}

void TWinControl::PaintWindow(HDC dc) {
  TMessage message{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
  DefaultHandler(message);
}

TControl* TWinControl::GraphicControlAt(POINT point) const {
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
    TControl* control = *it;
    if (!control->Visible() || !control->Enabled() || dynamic_cast<TWinControl*>(control)) continue;
    const RECT bounds = control->BoundsRect();
    if (PtInRect(&bounds, point)) return control;
  }
  return nullptr;
}

void TWinControl::CNNotify(const NMHDR&, TMessage& message) { message.Result = 0; }

void TWinControl::CNDrawItem(const DRAWITEMSTRUCT&, TMessage& message) { message.Result = 0; }

HBRUSH TWinControl::Brush() const {
  if (!FBrush) FBrush.Reset(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(Color()))));
  return FBrush.Get();
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  if (!FHandle) {
    TControl::SetBounds(left, top, width, height);
    Realign();
    return;
  }
  if (left == Left() && top == Top() && width == Width() && height == Height()) return;
  // The window reports its new bounds and size back (WM_WINDOWPOSCHANGED,
  // WM_SIZE), which stores them and lays out the children.
  SetWindowPos(FHandle, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  RequestAlign();
}

void TWinControl::UpdateBounds() {
  RECT bounds{};
  GetWindowRect(FHandle, &bounds);
  if (GetWindowLongA(FHandle, GWL_STYLE) & WS_CHILD) {
    MapWindowPoints(nullptr, GetParent(FHandle), reinterpret_cast<POINT*>(&bounds), 2);
  }
  StoreBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
}

RECT TWinControl::ClientRect() const {
  if (!FHandle) return TControl::ClientRect();
  RECT client{};
  GetClientRect(FHandle, &client);
  return client;
}

std::string TWinControl::Text() const {
  if (!FHandle) return TControl::Text();
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(FHandle)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(FHandle, text.data(), static_cast<int>(text.size()))));
  return text;
}

void TWinControl::SetText(const std::string& text) {
  if (text == Text()) return;
  if (FHandle) {
    SetWindowTextA(FHandle, text.c_str());
  } else {
    StoreText(text);
  }
  Perform(CM_TEXTCHANGED);
}

void TWinControl::Invalidate() {
  if (FHandle) InvalidateRect(FHandle, nullptr, TRUE);
}

void TWinControl::Loaded() {
  TControl::Loaded();
  Realign();
}

void TWinControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_WINDOWPOSCHANGED: return WMWindowPosChanged(message);
    case WM_SIZE: return WMSize(message);
    case WM_ERASEBKGND: return WMEraseBkgnd(message);
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: return WMCtlColor(message);
    case CN_CTLCOLORMSGBOX:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORDLG:
    case CN_CTLCOLORSCROLLBAR:
    case CN_CTLCOLORSTATIC: return CNCtlColor(message);
    case WM_COMMAND: return WMReflect(message, reinterpret_cast<HWND>(message.LParam));
    case WM_HSCROLL:
    case WM_VSCROLL: return WMReflect(message, reinterpret_cast<HWND>(message.LParam));
    case WM_NOTIFY: return WMNotify(message);
    case WM_DRAWITEM: return WMDrawItem(message);
    case CN_NOTIFY: return CNNotifyChecked(message);
    case CN_DRAWITEM: return CNDrawItemChecked(message);
    case WM_PAINT: return WMPaint(message);
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_MBUTTONUP: return WMMouse(message);
    case WM_MOUSELEAVE: return WMMouseLeave(message);
    case WM_CAPTURECHANGED: return WMCaptureChanged(message);
    case WM_DESTROY: return WMDestroy(message);
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: return WMKeyDown(message);
    case WM_SYSCHAR: return WMSysChar(message);
    case CM_ENABLEDCHANGED: return CMEnabledChanged(message);
    case CM_VISIBLECHANGED: return CMVisibleChanged(message);
    case CM_COLORCHANGED: return CMColorChanged(message);
    case CM_FONTCHANGED: return CMFontChanged(message);
    case CM_BIDIMODECHANGED: return CMBiDiModeChanged(message);
    default: return TControl::WndProc(message);
  }
}

void TWinControl::DefaultHandler(TMessage& message) {
  if (!FHandle || !FDefWndProc) {
    message.Result = 0;
    return;
  }
  message.Result = CallWindowProcA(FDefWndProc, FHandle, message.Msg, message.WParam, message.LParam);
}

void TWinControl::WMWindowPosChanged(TMessage& message) {
  UpdateBounds();
  DefaultHandler(message);
}

void TWinControl::WMSize(TMessage& message) {
  DefaultHandler(message);
  Realign();
}

void TWinControl::WMEraseBkgnd(TMessage& message) {
  RECT client{};
  GetClientRect(FHandle, &client);
  FillRect(reinterpret_cast<HDC>(message.WParam), &client, Brush());
  message.Result = 1;
}

void TWinControl::WMCtlColor(TMessage& message) {
  // A child control chooses its own colours.
  TWinControl* child = FindControl(reinterpret_cast<HWND>(message.LParam));
  if (child && child != this) {
    message.Result = child->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
  } else {
    DefaultHandler(message);
  }
}

void TWinControl::CNCtlColor(TMessage& message) {
  const HDC dc = reinterpret_cast<HDC>(message.WParam);
  SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(Font()->Color())));
  SetBkColor(dc, static_cast<COLORREF>(ColorToRGB(Color())));
  message.Result = reinterpret_cast<LRESULT>(Brush());
}

// A notification of a child control goes to that child; one of a window
// that is no child control of the framework (or of no window: a menu
// command) is this window's own.
void TWinControl::WMReflect(TMessage& message, HWND child) {
  TWinControl* control = FindControl(child);
  if (!control || control == this) return DefaultHandler(message);
  const TReflectionScope reflecting(message);
  message.Result = control->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
}

void TWinControl::WMNotify(TMessage& message) {
  const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
  WMReflect(message, header ? header->hwndFrom : nullptr);
}

void TWinControl::WMDrawItem(TMessage& message) {
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
  WMReflect(message, item && item->CtlType != ODT_MENU ? item->hwndItem : nullptr);
}

void TWinControl::CNNotifyChecked(TMessage& message) {
  const NMHDR* header = ReflectedNotifyHeader(message);
  if (!header) return DefaultHandler(message);
  CNNotify(*header, message);
}

void TWinControl::CNDrawItemChecked(TMessage& message) {
  const DRAWITEMSTRUCT* item = ReflectedDrawItem(message);
  if (!item) return DefaultHandler(message);
  CNDrawItem(*item, message);
}

// A window without windowless children is painted by its window class
// alone.
void TWinControl::WMPaint(TMessage& message) {
  if (!message.WParam && !HasGraphicChildren()) return DefaultHandler(message);
  PaintHandler(message);
}

// The mouse over a windowless child goes to that child, in its own client
// coordinates; the window holds the mouse while a button pressed on the
// child is down.
void TWinControl::WMMouse(TMessage& message) {
  const POINT point{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  TControl* under = GraphicControlAt(point);
  if (message.Msg == WM_MOUSEMOVE) {
    MouseEntered(under ? under : this);
    if (!FTrackingMouse) {
      TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, FHandle, 0};
      FTrackingMouse = TrackMouseEvent(&track) != FALSE;
    }
  }
  TControl* target = FCaptureChild ? FCaptureChild : under;
  if (!target) return TControl::WndProc(message);
  if (IsButtonDown(message.Msg)) {
    FCaptureChild = target;
    SetCapture(FHandle);
  }
  const LPARAM childPoint = MAKELPARAM(point.x - target->Left(), point.y - target->Top());
  message.Result = target->Perform(message.Msg, message.WParam, childPoint);
  if (IsButtonUp(message.Msg) && FCaptureChild) {
    FCaptureChild = nullptr;
    if (GetCapture() == FHandle) ReleaseCapture();
  }
}

void TWinControl::WMMouseLeave(TMessage& message) {
  FTrackingMouse = false;
  MouseLeftWindow(this);
  DefaultHandler(message);
}

void TWinControl::WMCaptureChanged(TMessage& message) {
  FCaptureChild = nullptr;
  DefaultHandler(message);
}

void TWinControl::WMDestroy(TMessage& message) {
  // The text outlives the window, for a window created anew.
  StoreText(Text());
  DefaultHandler(message);
}

void TWinControl::WMKeyDown(TMessage& message) {
  // A menu's shortcut runs its item instead of reaching the control.
  if (IsMenuKey(*this, static_cast<WORD>(message.WParam))) return;
  DefaultHandler(message);
}

void TWinControl::WMSysChar(TMessage& message) {
  // Alt with a character: the form may take it (an accelerator of its own);
  // otherwise the system looks for it in the window's menu.
  TControl* form = this;
  while (form->Parent()) form = form->Parent();
  if (form->Perform(CM_DIALOGCHAR, message.WParam, message.LParam) != 0) return;
  DefaultHandler(message);
}

void TWinControl::CMEnabledChanged(TMessage&) {
  if (FHandle) EnableWindow(FHandle, Enabled());
}

void TWinControl::CMVisibleChanged(TMessage&) {
  if (!FHandle) return;
  SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                   (Visible() ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void TWinControl::CMColorChanged(TMessage&) {
  FBrush.Reset();
  Invalidate();
}

void TWinControl::CMBiDiModeChanged(TMessage&) { RecreateWnd(); }

void TWinControl::CMFontChanged(TMessage&) {
  if (FHandle) SendMessageA(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), TRUE);
  for (TControl* child : FControls) child->Perform(CM_PARENTFONTCHANGED);
}
