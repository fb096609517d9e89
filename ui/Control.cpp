#include "ui/Control.h"

#include "ui/Menus.h"
#include <windowsx.h>

#include "ui/ScopedFlag.h"
#include "ui/TypInfo.h"
#include "ui/WinControl.h"

namespace {

constexpr std::string_view kAlignNames[] = {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"};

TControl* gMouseControl = nullptr;

}  // namespace

TShiftState KeysToShiftState(WPARAM keys) {
  TShiftState shift = 0;
  if (keys & MK_SHIFT) shift |= ssShift;
  if (keys & MK_CONTROL) shift |= ssCtrl;
  if (keys & MK_LBUTTON) shift |= ssLeft;
  if (keys & MK_RBUTTON) shift |= ssRight;
  if (keys & MK_MBUTTON) shift |= ssMiddle;
  if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  return shift;
}

const TPropInfo TControl::Published[] = {
    Prop<TTypeKind::Integer, &TControl::Left, &TControl::SetLeft>("Left"),
    Prop<TTypeKind::Integer, &TControl::Top, &TControl::SetTop>("Top"),
    Prop<TTypeKind::Integer, &TControl::Width, &TControl::SetWidth>("Width"),
    Prop<TTypeKind::Integer, &TControl::Height, &TControl::SetHeight>("Height"),
    Prop<TTypeKind::Enumeration, &TControl::Align, &TControl::SetAlign>("Align", kAlignNames),
    Prop<TTypeKind::Integer, &TControl::Color, &TControl::SetColor>("Color"),
    Prop<TTypeKind::Object, &TControl::Font, &TControl::SetFont>("Font"),
    Prop<TTypeKind::Boolean, &TControl::ParentFont, &TControl::SetParentFont>("ParentFont"),
    Prop<TTypeKind::Boolean, &TControl::Visible, &TControl::SetVisible>("Visible"),
    Prop<TTypeKind::Boolean, &TControl::Enabled, &TControl::SetEnabled>("Enabled"),
    Prop<TTypeKind::Object, &TControl::PopupMenu, &TControl::SetPopupMenu>("PopupMenu"),
    Prop<TTypeKind::Enumeration, &TControl::BiDiMode, &TControl::SetBiDiMode>("BiDiMode", kBiDiModeNames),
    Prop<TTypeKind::String, &TControl::Hint, &TControl::SetHint>("Hint"),
    Prop<TTypeKind::Boolean, &TControl::ShowHint, &TControl::SetShowHint>("ShowHint"),
    Prop<TTypeKind::Method, &TControl::OnMouseDown, &TControl::OnMouseDown>("OnMouseDown"),
};
QV_CLASS_INFO(TControl, Published);

TControl::TControl(TComponent* owner)
    : TComponent(owner),
      FFont(std::make_unique<TFont>()),
      FWindowProc(TWndMethod::Of<&TControl::WndProc>(this)) {
  FFont->OnChange = TNotifyEvent::Of<&TControl::FontChanged>(this);
}

TControl::~TControl() {
  SetPopupMenu(nullptr);
  if (gMouseControl == this) gMouseControl = nullptr;
  if (FParent) FParent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == FParent) return;
  if (parent == this) throw EInvalidOperation("A control cannot have itself as its parent");
  if (FParent) FParent->RemoveControl(this);
  if (parent) parent->InsertControl(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == FLeft && top == FTop && width == FWidth && height == FHeight) return;
  StoreBounds(left, top, width, height);
  RequestAlign();
}

void TControl::StoreBounds(int left, int top, int width, int height) {
  FLeft = left;
  FTop = top;
  FWidth = width;
  FHeight = height;
}

void TControl::RequestAlign() {
  if (FParent) FParent->Realign();
}

RECT TControl::ClientRect() const { return RECT{0, 0, FWidth, FHeight}; }

int TControl::ClientWidth() const {
  const RECT client = ClientRect();
  return client.right - client.left;
}

int TControl::ClientHeight() const {
  const RECT client = ClientRect();
  return client.bottom - client.top;
}

void TControl::SetClientWidth(int width) { SetWidth(FWidth - ClientWidth() + width); }

void TControl::SetClientHeight(int height) { SetHeight(FHeight - ClientHeight() + height); }

void TControl::SetAlign(TAlign align) {
  if (align == FAlign) return;
  FAlign = align;
  RequestAlign();
}

void TControl::SetColor(TColor color) {
  if (color == FColor) return;
  FColor = color;
  Perform(CM_COLORCHANGED);
}

void TControl::SetFont(const TFont* font) {
  if (font) FFont->Assign(*font);
}

void TControl::SetParentFont(bool parentFont) {
  if (parentFont == FParentFont) return;
  FParentFont = parentFont;
  if (FParentFont) Perform(CM_PARENTFONTCHANGED);
}

void TControl::SetText(const std::string& text) {
  if (text == Text()) return;
  FText = text;
  Perform(CM_TEXTCHANGED);
}

void TControl::SetVisible(bool visible) {
  if (visible == FVisible) return;
  FVisible = visible;
  Perform(CM_VISIBLECHANGED, visible);
  RequestAlign();
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == FEnabled) return;
  FEnabled = enabled;
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetBiDiMode(TBiDiMode mode) {
  if (mode == FBiDiMode) return;
  FBiDiMode = mode;
  Perform(CM_BIDIMODECHANGED);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState, int, int) {}

void TControl::MouseUp(TMouseButton, TShiftState, int, int) {}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::MouseEntered(TControl* control) {
  if (control == gMouseControl) return;
  TControl* left = gMouseControl;
  gMouseControl = control;
  if (left) left->Perform(CM_MOUSELEAVE);
  // The leaving control's handler may have freed the one entered.
  if (control && gMouseControl == control) control->Perform(CM_MOUSEENTER);
}

void TControl::MouseLeftWindow(const TWinControl* control) {
  if (!gMouseControl) return;
  const bool windowlessChild =
      gMouseControl->FParent == control && !dynamic_cast<const TWinControl*>(gMouseControl);
  if (gMouseControl == control || windowlessChild) MouseEntered(nullptr);
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  FWindowProc(message);
  return message.Result;
}

void TControl::Invalidate() {
  if (!FParent || !FParent->HandleAllocated()) return;
  const RECT bounds = BoundsRect();
  InvalidateRect(FParent->Handle(), &bounds, TRUE);
}

void TControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_PARENTFONTCHANGED: return CMParentFontChanged(message);
    case WM_CONTEXTMENU: return WMContextMenu(message);
    case WM_MOUSEMOVE: return WMMouseMove(message);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return WMButtonDown(message, TMouseButton::mbLeft);
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK: return WMButtonDown(message, TMouseButton::mbRight);
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: return WMButtonDown(message, TMouseButton::mbMiddle);
    case WM_LBUTTONUP: return WMButtonUp(message, TMouseButton::mbLeft);
    case WM_RBUTTONUP: return WMButtonUp(message, TMouseButton::mbRight);
    case WM_MBUTTONUP: return WMButtonUp(message, TMouseButton::mbMiddle);
    default: return DefaultHandler(message);
  }
}

void TControl::SetPopupMenu(TPopupMenu* menu) {
  if (menu == FPopupMenu) return;
  if (FPopupMenu) std::erase(FPopupMenu->FControls, this);
  FPopupMenu = menu;
  if (FPopupMenu) FPopupMenu->FControls.push_back(this);
}

void TControl::WMContextMenu(TMessage& message) {
  if (!FPopupMenu) return DefaultHandler(message);
  POINT point{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
  // From the keyboard (-1, -1): at the control's middle.
  if (message.LParam == -1) {
    point = POINT{FLeft + FWidth / 2, FTop + FHeight / 2};
    if (FParent) MapWindowPoints(FParent->Handle(), nullptr, &point, 1);
  }
  FPopupMenu->Popup(point.x, point.y);
  message.Result = 1;
}

void TControl::DefaultHandler(TMessage& message) { message.Result = 0; }

void TControl::FontChanged(TObject*) {
  // A font taken from the parent keeps the control following its parent;
  // any other change gives the control a font of its own.
  if (!FTakingParentFont) FParentFont = false;
  Perform(CM_FONTCHANGED);
}

void TControl::CMParentFontChanged(TMessage&) {
  if (!FParentFont || !FParent) return;
  const TScopedFlag taking(FTakingParentFont);
  FFont->Assign(*FParent->Font());
}

// Mouse messages go to the window's own handling first (a button presses
// itself, an edit places its caret), then to the control's handlers.
void TControl::WMMouseMove(TMessage& message) {
  DefaultHandler(message);
  MouseMove(KeysToShiftState(message.WParam), GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam));
}

void TControl::WMButtonDown(TMessage& message, TMouseButton button) {
  DefaultHandler(message);
  TShiftState shift = KeysToShiftState(message.WParam);
  if (message.Msg == WM_LBUTTONDBLCLK || message.Msg == WM_RBUTTONDBLCLK || message.Msg == WM_MBUTTONDBLCLK) {
    shift |= ssDouble;
  }
  MouseDown(button, shift, GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam));
}

void TControl::WMButtonUp(TMessage& message, TMouseButton button) {
  DefaultHandler(message);
  MouseUp(button, KeysToShiftState(message.WParam), GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam));
}
