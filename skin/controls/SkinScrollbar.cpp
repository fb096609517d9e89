#include "skin/controls/SkinScrollbar.h"

#include <commctrl.h>

#include <string>
#include <utility>

#include "skin/controls/WScrollbar.h"
#include "skin/controls/WrapperFactory.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/SkinMessages.h"
#include "skin/window/WinSkinForm.h"
#include "ui/Control.h"
#include "ui/Gdi.h"
#include "ui/StrUtils.h"
#include "ui/TypInfo.h"
#include "ui/WinControl.h"

QV_CLASS_INFO(TSkinScrollbar, {});
QV_CLASS_INFO(TSkinListView, {});
QV_CLASS_INFO(TSkinScrollbarH, {});

namespace {

void FreeBar(TWScrollbar*& bar) {
  delete bar;
  bar = nullptr;
}

// The owned bar is going: the wrapper, still hooked to its window, must not
// reach it any more.
void ForgetBar(TWScrollbar*& bar, const TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove && bar == component) bar = nullptr;
}

void UpdateBar(TWScrollbar* bar, HWND window) {
  if (bar) bar->UpdatePosition(window);
}

bool Shown(const TWScrollbar* bar) { return bar && bar->FShown; }

// A scroll notification the window sent itself: the part it scrolls is
// the bar's hot part (SB_ENDSCROLL lights none).
void ShowScrollRequest(TWScrollbar* bar, const TMessage& message) {
  if (bar) bar->SetHotPart(LOWORD(message.WParam));
}

// Repaints the bars that are shown and places those the window has gained;
// when both are shown, fills the square between them with the skin's
// control colour (the system's corner there is the window's own).
void PaintBars(const TSkinControl& wrapper, HDC dc, TWScrollbar* vert, TWScrollbar* horz) {
  const auto style = static_cast<DWORD>(GetWindowLongA(wrapper.FHandle, GWL_STYLE));
  for (const auto& [bar, bit] : {std::pair{vert, WS_VSCROLL}, std::pair{horz, WS_HSCROLL}}) {
    if (Shown(bar))
      bar->RepaintBar();
    else if (bar && (style & bit))
      bar->UpdatePosition(wrapper.FHandle);
  }
  if (!Shown(vert) || !Shown(horz)) return;
  // From the window's client coordinates to the window's own.
  POINT client{0, 0};
  ClientToScreen(wrapper.FHandle, &client);
  RECT window{};
  GetWindowRect(wrapper.FHandle, &window);
  RECT corner{vert->FBarRect.left, horz->FBarRect.top, vert->FBarRect.right, horz->FBarRect.bottom};
  OffsetRect(&corner, client.x - window.left, client.y - window.top);
  wrapper.FillSkinColor(dc, corner);
}

void RedrawFrame(HWND window) {
  if (IsWindow(window)) RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE);
}

}  // namespace

// TSkinScrollbar.

TSkinScrollbar::TSkinScrollbar(TComponent* owner) : TSkinControl(owner) {}

void TSkinScrollbar::InitControl(TWinSkinForm* form, TSkinData* skinData, bool, TCanvas* canvas) {
  if (auto* control = dynamic_cast<TWinControl*>(Owner())) InitScrollbar(*control, skinData, form, canvas);
}

void TSkinScrollbar::InitScrollbar(TWinControl& control, TSkinData* skinData, TWinSkinForm* form, TCanvas* canvas) {
  if (FInited || Owner() != &control) return;
  // Hooks the control and registers; the control keeps its colour.
  TSkinControl::InitControl(form, skinData, false, canvas);
  FDrawBorder = AsciiLowerCase(GetEnumPropByName(&control, "BorderStyle")) != "bsnone" &&
                control.ClassName() != "TImageScrollBox" && FKind != 1;
  const TPropInfo* fixed = GetPropInfo(control, "FixedColor");
  if (fixed && fixed->Kind == TTypeKind::Integer) {
    FOldColor = GetOrdPropByName(&control, "FixedColor");
    FSetColor = true;
    SetFixedColor();
  }
  FHorzBar = new TWScrollbar(this);
  FHorzBar->AttachControl(this, &control, wbHorizontal);
  FVertBar = new TWScrollbar(this);
  FVertBar->AttachControl(this, &control, wbVertical);
  OnEnabledChanged();
  if (!control.Visible()) {
    FHorzBar->HideBar();
    FVertBar->HideBar();
  }
  RedrawFrame(FHandle);
}

void TSkinScrollbar::SetFixedColor() {
  SetPropFromText(FControl, "FixedColor", std::to_string(SkinColor()));
}

void TSkinScrollbar::UpdateBars() {
  UpdateBar(FHorzBar, FHandle);
  UpdateBar(FVertBar, FHandle);
}

void TSkinScrollbar::Notification(TComponent* component, TOperation operation) {
  TSkinControl::Notification(component, operation);
  ForgetBar(FHorzBar, component, operation);
  ForgetBar(FVertBar, component, operation);
}

void TSkinScrollbar::FreeBars() {
  FreeBar(FHorzBar);
  FreeBar(FVertBar);
}

void TSkinScrollbar::Unskin() {
  if (FSetColor) SetPropFromText(FControl, "FixedColor", std::to_string(FOldColor));
  // The base would give Color what belongs to FixedColor.
  FSetColor = false;
  TSkinControl::Unskin();
  if (FState == kWrapperDestroyed) return;
  FreeBars();
  RedrawFrame(FHandle);
}

void TSkinScrollbar::SkinChange() {
  // FOldColor keeps the colour from before skinning.
  if (FSetColor) SetFixedColor();
  Repaint();
  RedrawFrame(FHandle);
}

bool TSkinScrollbar::BeforeProc(TMessage& message) {
  switch (message.Msg) {
    case WM_NCPAINT:
      if (!FDrawBorder) return true;
      OnNCPaint(message);
      return false;
    default: return TSkinControl::BeforeProc(message);
  }
}

void TSkinScrollbar::OnNCPaint(TMessage& message) {
  CallDefault(message);
  const TNonClientDC dc(FHandle);
  if (dc.Get()) DrawBorder(dc.Get());
}

void TSkinScrollbar::DrawBorder(HDC dc) {
  RECT rect{};
  if (!FSkinData || !GetWindowRect(FHandle, &rect)) return;
  OffsetRect(&rect, -rect.left, -rect.top);
  for (const int colour : {scButtonShadow, scButtonFace}) {
    const TBrushHandle brush(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(FSkinData->FColours[colour]))));
    FrameRect(dc, &rect, brush.Get());
    InflateRect(&rect, -1, -1);
  }
}

void TSkinScrollbar::AfterProc(TMessage& message) {
  switch (message.Msg) {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED: return UpdateBars();
    case WM_HSCROLL: return ShowScrollRequest(FHorzBar, message);
    case WM_VSCROLL: return ShowScrollRequest(FVertBar, message);
    case WM_MOUSEWHEEL:
      for (TWScrollbar* bar : {FHorzBar, FVertBar})
        if (Shown(bar)) bar->RepaintBar();
      return;
    case CM_VISIBLECHANGED: return OnVisibleChanged(message);
    case CM_ENABLEDCHANGED:
      OnEnabledChanged();
      return TSkinControl::AfterProc(message);
    case CM_RECREATEWND:
      // The new window needs a new wrapper: the form skinner makes it.
      if (auto* windowed = dynamic_cast<TWinControl*>(FControl); windowed && FForm && FForm->FHandle)
        PostMessageA(FForm->FHandle, SKM_RESKINSCROLL, reinterpret_cast<WPARAM>(windowed->WindowHandle()), 0);
      return;
    case SKM_PAINTFRAMETO: return OnPaintFrameTo(message);
    default: return TSkinControl::AfterProc(message);
  }
}

void TSkinScrollbar::OnVisibleChanged(TMessage& message) {
  if (message.WParam) return UpdateBars();
  for (TWScrollbar* bar : {FHorzBar, FVertBar})
    if (bar) bar->HideBar();
}

void TSkinScrollbar::OnEnabledChanged() {
  for (TWScrollbar* bar : {FHorzBar, FVertBar})
    if (bar) bar->SetEnabled(FControl->Enabled());
}

void TSkinScrollbar::OnPaintFrameTo(TMessage& message) {
  if (message.LParam != SKIN_MAGIC) return;
  if (message.WParam) DrawBorder(reinterpret_cast<HDC>(message.WParam));
  message.Result = SKIN_MAGIC;
}

void TSkinScrollbar::DrawControl(HDC dc, const RECT&) { PaintBars(*this, dc, FVertBar, FHorzBar); }

// TSkinListView.

void TSkinListView::InitScrollbar(TWinControl& control, TSkinData* skinData, TWinSkinForm* form, TCanvas* canvas) {
  if (FInited) return;
  TSkinScrollbar::InitScrollbar(control, skinData, form, canvas);
  const auto header = reinterpret_cast<HWND>(SendMessageA(FHandle, LVM_GETHEADER, 0, 0));
  if (!header) return;
  const TWrapperFactory create = form ? form->FCreateWrapper : &CreateWrapper;
  FHeader = create(TWrapperChoice{TWrapperKind::Header}, &control);
  if (FHeader) FHeader->InitHandle(header, skinData, form, canvas);
}

// TSkinScrollbarH.

TSkinScrollbarH::TSkinScrollbarH(TComponent* owner) : TSkinControl(owner) {}

void TSkinScrollbarH::InitHandle(HWND window, TSkinData* skinData, TWinSkinForm* form, TCanvas* canvas) {
  if (FInited) return;
  TSkinControl::InitHandle(window, skinData, form, canvas);
  if (!FInited) return;
  FHorzBar = new TWScrollbar(this);
  FHorzBar->AttachWindow(this, window, wbHorizontal);
  FVertBar = new TWScrollbar(this);
  FVertBar->AttachWindow(this, window, wbVertical);
}

void TSkinScrollbarH::Notification(TComponent* component, TOperation operation) {
  TSkinControl::Notification(component, operation);
  ForgetBar(FHorzBar, component, operation);
  ForgetBar(FVertBar, component, operation);
}

void TSkinScrollbarH::FreeBars() {
  FreeBar(FHorzBar);
  FreeBar(FVertBar);
}

void TSkinScrollbarH::Unskin() {
  TSkinControl::Unskin();
  if (FState != kWrapperDestroyed) FreeBars();
}

void TSkinScrollbarH::AfterProc(TMessage& message) {
  if (FVertBar && !IsWindowVisible(FHandle)) FVertBar->HideBar();
  switch (message.Msg) {
    case WM_SIZE:
    case WM_NCPAINT:
      UpdateBar(FHorzBar, FHandle);
      UpdateBar(FVertBar, FHandle);
      return Repaint();
    case WM_HSCROLL: return ShowScrollRequest(FHorzBar, message);
    case WM_VSCROLL: return ShowScrollRequest(FVertBar, message);
    default: return TSkinControl::AfterProc(message);
  }
}

void TSkinScrollbarH::DrawControl(HDC dc, const RECT&) { PaintBars(*this, dc, FVertBar, FHorzBar); }
