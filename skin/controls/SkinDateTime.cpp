#include "skin/controls/SkinDateTime.h"

#include <windowsx.h>

#include "skin/controls/OffscreenFace.h"
#include "skin/data/SkinElements.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/SkinDraw.h"
#include "ui/Gdi.h"
#include "ui/WinControl.h"

QV_CLASS_INFO(TArrowButton, {});
QV_CLASS_INFO(TSkinDateTime, {});

// TArrowButton.

TArrowButton::TArrowButton(TSkinDateTime* wrapper, TWinControl& picker)
    : TCustomControl(wrapper),
      FArrowWidth(GetSystemMetrics(SM_CXHSCROLL)),
      FPicker(&picker),
      FPickerWnd(picker.Handle()),
      FWrapper(wrapper) {
  SetParent(&picker);
  Place(picker.Width());
}

void TArrowButton::Place(int pickerWidth) {
  const bool left = (GetWindowLongA(FPickerWnd, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
  SetBounds(left ? 2 : pickerWidth - FArrowWidth - 4, 0, FArrowWidth, FPicker->Height() - 4);
}

void TArrowButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_MOUSEENTER:
      TCustomControl::WndProc(message);
      return SetHot(true);
    case CM_MOUSELEAVE:
      TCustomControl::WndProc(message);
      return SetHot(false);
    case WM_LBUTTONDOWN: return OnLButtonDown(message);
    case WM_LBUTTONUP: return OnLButtonUp(message);
    default: return TCustomControl::WndProc(message);
  }
}

void TArrowButton::SetHot(bool hot) {
  if (!FPicker->Enabled()) return;
  FHot = hot;
  Invalidate();
}

// The press goes on to the picker at the same place of its window, where
// its own button lies under this one: the picker opens its calendar.
void TArrowButton::OnLButtonDown(TMessage& message) {
  TCustomControl::WndProc(message);
  const LPARAM at = MAKELPARAM(GET_X_LPARAM(message.LParam) + Left(), GET_Y_LPARAM(message.LParam) + Top());
  PostMessageA(FPickerWnd, WM_LBUTTONDOWN, message.WParam, at);
  PostMessageA(FPickerWnd, WM_LBUTTONUP, message.WParam, at);
  Invalidate();
}

void TArrowButton::OnLButtonUp(TMessage& message) {
  TCustomControl::WndProc(message);
  SetFocus(FPickerWnd);
}

void TArrowButton::Paint() {
  const HDC dc = Canvas().Handle();
  const RECT place{0, 0, Width(), FPicker->Height() - 4};
  if (place.right <= 0 || place.bottom <= 0) return;
  TSkinData* skin = FWrapper->FSkinData;
  TOffscreenFace face(dc, place);
  const TBrushHandle brush(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(
      skin ? skin->FColours[scButtonFace] : SystemColor(COLOR_BTNFACE)))));
  FillRect(face.DC(), &place, brush.Get());
  TDataSkinObject* arrow = skin ? skin->FComboxArrow.get() : nullptr;
  if (arrow && !arrow->FBitmap.Empty())
    DrawFrame(face.DC(), place, arrow->FBitmap, false, arrow->FFrameCount, FHot ? 4 : 1);
  face.CopyTo(dc);
}

// TSkinDateTime.

void TSkinDateTime::InitControl(TWinSkinForm* form, TSkinData* skinData, bool setColor, TCanvas* canvas) {
  if (FInited) return;
  TSkinControl::InitControl(form, skinData, setColor, canvas);
  auto* picker = dynamic_cast<TWinControl*>(FControl);
  if (!FInited || !picker) return;
  FArrowButton = new TArrowButton(this, *picker);
  SetWindowLongA(FHandle, GWL_STYLE, GetWindowLongA(FHandle, GWL_STYLE) | WS_CLIPCHILDREN);
}

void TSkinDateTime::AfterProc(TMessage& message) {
  switch (message.Msg) {
    case WM_SIZE:
      if (FArrowButton) FArrowButton->Invalidate();
      return;
    default: return TSkinControl::AfterProc(message);
  }
}

void TSkinDateTime::DrawControl(HDC dc, const RECT& rect) {
  if (FArrowButton) FArrowButton->Place(rect.right - rect.left);
  RECT client{};
  GetClientRect(FHandle, &client);
  // No border: nothing to frame.
  if (client.right == rect.right - rect.left && client.bottom == rect.bottom - rect.top) return;
  const TBrushHandle shadow(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(
      FSkinData ? FSkinData->FColours[scButtonShadow] : SystemColor(COLOR_BTNSHADOW)))));
  PutRings(dc, rect, {shadow.Get(), WhiteBrush()});
}

void TSkinDateTime::SkinChange() {
  TSkinControl::SkinChange();
  if (FArrowButton) FArrowButton->Invalidate();
}

void TSkinDateTime::Notification(TComponent* component, TOperation operation) {
  TSkinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FArrowButton) FArrowButton = nullptr;
}
