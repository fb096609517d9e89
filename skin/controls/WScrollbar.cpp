#include "skin/controls/WScrollbar.h"

#include <windowsx.h>

#include <string>

#include "skin/controls/SkinControl.h"
#include "skin/data/SkinUtil.h"
#include "skin/data/WinSkinData.h"
#include "ui/StrUtils.h"
#include "ui/WinControl.h"

QV_CLASS_INFO(TWScrollbar, {});

TWScrollbar::TWScrollbar(TSkinControl* wrapper)
    : TCustomPanel(wrapper), FArrowSize(GetSystemMetrics(SM_CXHSCROLL)), FWrapper(wrapper) {
  // Shown once it is placed over a bar.
  SetVisible(false);
}

void TWScrollbar::CreateParams(TCreateParams& params) {
  TCustomPanel::CreateParams(params);
  params.ExStyle = WS_EX_TOOLWINDOW;
  params.Style &= ~(WS_VISIBLE | WS_TABSTOP);
  params.WndParent = FParentWindow;
}

void TWScrollbar::AttachControl(TSkinControl* wrapper, TWinControl* control, int kind) {
  SetColor(wrapper->ParentColor());
  Attach(wrapper, control->Handle(), control, kind);
}

void TWScrollbar::AttachWindow(TSkinControl* wrapper, HWND window, int kind) { Attach(wrapper, window, nullptr, kind); }

void TWScrollbar::Attach(TSkinControl* wrapper, HWND window, TWinControl* control, int kind) {
  FWrapper = wrapper;
  FTarget = window;
  FTargetControl = control;
  FKind = kind;
  FOrientation = kind;
  if (kind == wbControl) {
    const bool horizontal =
        control ? AsciiLowerCase(TSkinControl::GetEnumPropByName(control, "Kind")) == "sbhorizontal"
                : (GetWindowLongA(window, GWL_STYLE) & SBS_VERT) == 0;
    FOrientation = horizontal ? 0 : 1;
  }
  FParentWindow = GetParent(window);
  if (!FParentWindow) return;
  HandleNeeded();
  UpdatePosition(window);
}

bool TWScrollbar::ReadGeometry(TGeometry& geometry) const {
  if (FKind != wbControl) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    if (!SkinGetScrollBarInfo(FTarget, FKind == wbVertical ? OBJID_VSCROLL : OBJID_HSCROLL, info)) return false;
    geometry.Bar = info.rcScrollBar;
    geometry.Thumb = {info.xyThumbTop, info.xyThumbBottom};
    geometry.State = info.rgstate[0];
    return true;
  }
  if (!GetWindowRect(FTarget, &geometry.Bar)) return false;
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  if (!GetScrollInfo(FTarget, SB_CTL, &info)) return false;
  const RECT& bar = geometry.Bar;
  const int length = Vertical() ? bar.bottom - bar.top : bar.right - bar.left;
  geometry.Thumb = ControlThumb(length, FArrowSize, info.nMin, info.nMax, info.nPage, info.nPos);
  geometry.State = IsWindowEnabled(FTarget) ? 0 : STATE_SYSTEM_UNAVAILABLE;
  return true;
}

void TWScrollbar::UpdatePosition(HWND window) {
  FTarget = window;
  TGeometry geometry;
  FShown = HandleAllocated() && ReadGeometry(geometry);
  if (!FShown) return;
  if (!(GetWindowLongA(FTarget, GWL_STYLE) & WS_VISIBLE) || (geometry.State & STATE_SYSTEM_INVISIBLE))
    return HideBar();
  const RECT& bar = geometry.Bar;
  FBarRect = bar;
  MapWindowPoints(nullptr, FTarget, reinterpret_cast<POINT*>(&FBarRect), 2);
  const int width = bar.right - bar.left;
  const int height = bar.bottom - bar.top;
  FLength = Vertical() ? height : width;
  FBarOrigin = {bar.left, bar.top};
  POINT position = FBarOrigin;
  ScreenToClient(FParentWindow, &position);

  SetVisible(true);
  FShown = true;
  // Directly above the covered window.
  const HWND above = GetWindow(FTarget, GW_HWNDPREV);
  const HWND self = Handle();
  UINT flags = SWP_NOACTIVATE | SWP_SHOWWINDOW;
  if (above == self) flags |= SWP_NOZORDER;
  SetWindowPos(self, above ? above : HWND_TOP, position.x, position.y, width, height, flags);
  MoveWindow(self, position.x, position.y, width, height, TRUE);
}

void TWScrollbar::HideBar() {
  SetVisible(false);
  if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
  FShown = false;
}

int TWScrollbar::HitTest(POINT point) const {
  return ScrollBarHitTest(Vertical() ? point.y : point.x, FArrowSize, FThumbStart, FThumbEnd, FLength);
}

void TWScrollbar::RepaintBar() {
  if (!HandleAllocated()) return;
  InvalidateRect(Handle(), nullptr, FALSE);
  UpdateWindow(Handle());
}

void TWScrollbar::SetHotPart(int part) {
  FHotPart = part;
  RepaintBar();
}

void TWScrollbar::PaintWindow(HDC dc) {
  TSkinData* skin = FWrapper ? FWrapper->FSkinData : nullptr;
  TGeometry geometry;
  if (!skin || !ReadGeometry(geometry) || (geometry.State & STATE_SYSTEM_INVISIBLE)) return;
  const RECT& bar = geometry.Bar;
  const RECT area{0, 0, bar.right - bar.left, bar.bottom - bar.top};
  const RECT client = ClientRect();
  if (area.right < 0 || area.bottom < 0 || area.right > client.right || area.bottom > client.bottom) return;
  FLength = Vertical() ? area.bottom : area.right;

  TThumbExtent thumb = geometry.Thumb;
  if (FPressed && FHotPart == sbpThumb && FKind != wbControl) {
    // The system moves its thumb only now and then: this one follows the
    // cursor.
    POINT cursor{};
    GetCursorPos(&cursor);
    const int delta = Vertical() ? cursor.y - FPressPoint.y : cursor.x - FPressPoint.x;
    thumb = DraggedThumb(FPressThumbTop, delta, FArrowSize, FLength, thumb.End - thumb.Start);
  }
  FThumbStart = thumb.Start;
  FThumbEnd = thumb.End;

  TScrollBarFace face;
  face.Vertical = Vertical();
  face.Width = area.right;
  face.Height = area.bottom;
  face.ArrowSize = FArrowSize;
  face.Thumb = thumb;
  face.HotPart = FHotPart;
  face.Pressed = FPressed;
  face.Enabled = !(geometry.State & STATE_SYSTEM_UNAVAILABLE);
  PaintScrollBar(dc, face, *skin, FKind == wbControl ? &area : nullptr);
}

void TWScrollbar::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND: message.Result = 1; return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return OnLButtonDown(message);
    case WM_LBUTTONUP: return OnLButtonUp(message);
    case WM_MOUSEMOVE: return OnMouseMove(message);
    case WM_MOUSELEAVE: return OnMouseLeave(message);
    default: return TCustomPanel::WndProc(message);
  }
}

void TWScrollbar::OnMouseMove(TMessage& message) {
  const POINT point{LOWORD(message.LParam), HIWORD(message.LParam)};
  const int part = HitTest(point);
  if (part != FHotPart) SetHotPart(part);
  SkinTrackMouseLeave(Handle());
  TCustomPanel::WndProc(message);
}

void TWScrollbar::OnMouseLeave(TMessage& message) {
  if (!FPressed) SetHotPart(sbpNone);
  TCustomPanel::WndProc(message);
}

void TWScrollbar::OnLButtonDown(TMessage& message) {
  GetCursorPos(&FPressPoint);
  TGeometry geometry;
  const bool known = ReadGeometry(geometry);
  if (known) FPressThumbTop = geometry.Thumb.Start;
  const POINT point{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  FHotPart = HitTest(point);
  POINT sent = point;
  if (FKind != wbControl) {
    if (known) FBarOrigin = {geometry.Bar.left, geometry.Bar.top};
    sent.x += FBarOrigin.x;
    sent.y += FBarOrigin.y;
  }
  FPressed = true;
  RepaintBar();
  ReleaseCapture();
  // Returns when the system's tracking ends; meanwhile the window's scroll
  // notifications repaint this panel.
  if (FKind == wbControl)
    SendMessageA(FTarget, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(sent.x, sent.y));
  else
    SendMessageA(FTarget, WM_NCLBUTTONDOWN, FKind == wbVertical ? HTVSCROLL : HTHSCROLL, MAKELPARAM(sent.x, sent.y));
  FPressed = false;
  ReleaseCapture();
  RepaintBar();
}

void TWScrollbar::OnLButtonUp(TMessage& message) {
  POINT point{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  FPressed = false;
  ReleaseCapture();
  if (FKind == wbControl) {
    PostMessageA(FTarget, WM_LBUTTONUP, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    return RepaintBar();
  }
  point.x += FBarOrigin.x;
  point.y += FBarOrigin.y;
  PostMessageA(FTarget, WM_NCLBUTTONUP, FKind == wbVertical ? HTVSCROLL : HTHSCROLL, MAKELPARAM(point.x, point.y));
}
