#include "skin/controls/SkinComBox.h"

#include <windowsx.h>

#include <utility>

#include "skin/controls/ComboxScrollBar.h"
#include "skin/controls/OffscreenFace.h"
#include "skin/controls/SkinScrollbar.h"
#include "skin/data/SkinElements.h"
#include "skin/data/SkinUtil.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/SkinDraw.h"
#include "ui/Control.h"

QV_CLASS_INFO(TSkinComBox, {});

namespace {

enum : int { kHot = 1, kPressed = 2 };
enum : int { frNormal = 1, frPressed = 2, frDisabled = 3, frHot = 4 };

int WidthOf(const RECT& r) { return r.right - r.left; }
int HeightOf(const RECT& r) { return r.bottom - r.top; }

// Frame k of a strip that was mirrored left to right whole: the frames
// stand in the opposite order.
int MirroredFrame(int frameCount, int frame) { return frameCount > 0 ? frameCount + 1 - frame : frame; }

// A rectangle of the window's client area in window coordinates.
RECT ClientToWindow(HWND window, RECT rect) {
  RECT outer{};
  GetWindowRect(window, &outer);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  OffsetRect(&rect, -outer.left, -outer.top);
  return rect;
}

}  // namespace

TSkinComBox::TSkinComBox(TComponent* owner, bool extended) : TSkinControl(owner), FExtended(extended) {}

void TSkinComBox::InitControl(TWinSkinForm* form, TSkinData* skinData, bool setColor, TCanvas* canvas) {
  if (FInited) return;
  TSkinControl::InitControl(form, skinData, setColor, canvas);
  if (FInited) Attach(true);
}

void TSkinComBox::InitHandle(HWND window, TSkinData* skinData, TWinSkinForm* form, TCanvas* canvas) {
  if (FInited) return;
  TSkinControl::InitHandle(window, skinData, form, canvas);
  if (FInited) Attach(false);
}

void TSkinComBox::Attach(bool listBars) {
  FStyle = GetWindowLongFor(FHandle, GWL_STYLE);
  listBars = listBars && FControl;
  if ((FStyle & 3) != CBS_SIMPLE) {
    if ((FStyle & CBS_DROPDOWN) && ReadInfo()) {
      FListWnd = FInfo.hwndList;
      if (listBars && FListWnd) {
        FPopupScroll = new TComboxScrollBar(FControl);
        FPopupScroll->InitHandle(FListWnd, FSkinData, FForm, FCanvas);
      }
    }
    if (!FUnicode) {
      FEditWnd = GetTopWindow(FHandle);
      if (FEditWnd) FEditInstance.Install(FEditWnd, TWindowSubclass::THandler::Of<&TSkinComBox::EditProc>(this));
    }
    return;
  }
  if (!ReadInfo()) return;
  FListWnd = FInfo.hwndList;
  const LONG listStyle = FListWnd ? GetWindowLongA(FListWnd, GWL_STYLE) : 0;
  if (listBars && (listStyle & WS_CHILD) && !(listStyle & WS_POPUP)) {
    FListScroll = new TSkinScrollbarH(FControl);
    FListScroll->InitHandle(FListWnd, FSkinData, FForm, FCanvas);
  }
}

bool TSkinComBox::ReadInfo() { return SkinGetComboBoxInfo(FHandle, FInfo); }

void TSkinComBox::Unskin() {
  TSkinControl::Unskin();
  FEditInstance.Restore();
  FreeListWrappers();
}

void TSkinComBox::FreeListWrappers() {
  const auto free = [](TSkinControl* wrapper) {
    if (!wrapper) return;
    if (wrapper->FState != kWrapperDestroyed) wrapper->Unskin();
    delete wrapper;
  };
  free(std::exchange(FListScroll, nullptr));
  free(std::exchange(FPopupScroll, nullptr));
}

void TSkinComBox::Notification(TComponent* component, TOperation operation) {
  TSkinControl::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == FListScroll) FListScroll = nullptr;
  if (component == FPopupScroll) FPopupScroll = nullptr;
}

void TSkinComBox::AfterProc(TMessage& message) {
  switch (message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS: return;
    case WM_MOUSEMOVE: return OnMouseMove(message);
    case WM_DRAWITEM: return Repaint();
    // Painted at once, the box would be erased again by the redraw that
    // asked for the frame: it is painted when that redraw reaches it.
    case WM_NCPAINT:
      InvalidateRect(FHandle, nullptr, TRUE);
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return SetButtonState(kPressed, true);
    case WM_LBUTTONUP: return SetButtonState(kPressed, false);
    // A bare combo box hears of the mouse leaving only from the system.
    case WM_MOUSELEAVE:
    case CM_MOUSELEAVE:
      if (FButtonState & kHot) SetButtonState(kHot, false);
      return;
    case CN_COMMAND:
      if (HIWORD(message.WParam) == CBN_DROPDOWN) FDroppedDown = true;
      if (HIWORD(message.WParam) == CBN_CLOSEUP) FDroppedDown = false;
      return;
    default: return TSkinControl::AfterProc(message);
  }
}

void TSkinComBox::SetButtonState(int bit, bool on) {
  FButtonState = on ? FButtonState | bit : FButtonState & ~bit;
  Repaint();
}

void TSkinComBox::OnMouseMove(TMessage& message) {
  const POINT at{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  const bool enabled = (GetWindowLongFor(FHandle, GWL_STYLE) & WS_DISABLED) == 0;
  const bool over = enabled && PtInRect(&FButtonRect, at);
  const bool hot = (FButtonState & kHot) != 0;
  if (over == hot) return;
  if (over) SkinTrackMouseLeave(FHandle);
  SetButtonState(kHot, over);
}

// After the edit's own processing: the frame again over what it painted,
// and a press in the edit shows the button pressed.
void TSkinComBox::EditProc(TMessage& message) {
  FEditInstance.CallDefault(message);
  if (!FActive) return;
  switch (message.Msg) {
    case WM_PAINT: return PaintControl(nullptr);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return SetButtonState(kPressed, true);
    case WM_LBUTTONUP: return SetButtonState(kPressed, false);
    default: return;
  }
}

int TSkinComBox::StateFrame() const {
  if (FStyle & WS_DISABLED) return frDisabled;
  if (FButtonState & kPressed) return frPressed;
  if (FFocused || (FButtonState & kHot)) return frHot;
  return frNormal;
}

void TSkinComBox::DrawControl(HDC dc, const RECT& rect) {
  TDataSkinBorder* button = FSkinData ? FSkinData->FComboButton.get() : nullptr;
  if (!button || button->FBitmap.Empty()) return;
  FStyle = GetWindowLongFor(FHandle, GWL_STYLE);
  FExStyle = GetWindowLongFor(FHandle, GWL_EXSTYLE);
  // A simple combo box has no button to draw.
  if ((FStyle & 3) == CBS_SIMPLE) return;
  const bool info = ReadInfo();
  if (info) {
    if (FInfo.stateButton & STATE_SYSTEM_INVISIBLE) return;
    FButtonRect = FInfo.rcButton;
  }
  // The edit child has the focus of a drop-down combo box.
  const HWND focus = GetFocus();
  FFocused = focus && (focus == FHandle || focus == FEditWnd);
  const int frame = StateFrame();
  const RECT r{0, 0, WidthOf(rect), HeightOf(rect)};
  if (button->FStyle == 1) return DrawThin(dc, r, *button);
  if (FExtended) {
    if (!info) {
      RECT client{};
      GetClientRect(FHandle, &client);
      FButtonRect = RECT{client.right - GetSystemMetrics(SM_CXHSCROLL), 0, client.right, client.bottom};
    }
    return DrawExtended(dc, r, frame);
  }
  if (button->FStyle == 2) {
    // The skin's composed strips: the combo button's, or its mirror image
    // in "SunkEdge" for a button on the left.
    const bool left = (FExStyle & WS_EX_LEFTSCROLLBAR) != 0;
    TDataSkinObject* element = left ? FSkinData->FSunkEdge.get() : button;
    if (!element || element->FBitmap.Empty()) return;
    const int n = element->FFrameCount;
    DrawNineGrid(dc, r, element->FBitmap, false, element->FTile != 0, true, n, left ? MirroredFrame(n, frame) : frame,
                 element->FMargins);
    return;
  }
  DrawButtonStyle(dc, r, *button, frame);
}

// The border from "SunkEdge", the button image stretched over the button's
// place and the "ExtraImages" arrow centred in it; the edit area is left
// as the combo box painted it.
void TSkinComBox::DrawButtonStyle(HDC dc, const RECT& r, TDataSkinBorder& button, int frame) {
  const int a = GetSystemMetrics(SM_CXHSCROLL);
  const int n = button.FFrameCount;
  const bool left = (FExStyle & WS_EX_LEFTSCROLLBAR) != 0;
  RECT edit{r.left + 2, r.top + 2, r.right - a - 4, r.bottom - 2};
  RECT place{r.right - a - 2, r.top, r.right, r.bottom};
  RECT glyph{place.left, r.top, r.right - 2, r.bottom};
  if (left) {
    edit = RECT{r.left + a + 4, r.top + 2, r.right - 2, r.bottom - 2};
    place = RECT{r.left, r.top, r.left + a + 2, r.bottom};
    glyph = RECT{2, r.top, a + 2, r.bottom};
  }
  TBitmap& image = left ? button.FBitmap2 : button.FBitmap;
  if (image.Empty()) return;

  TOffscreenFace face(dc, r);
  face.CopyFrom(dc);
  if (TDataSkinObject* edge = FSkinData->FSunkEdge.get()) DrawSkinElement(face.DC(), r, edge->FFrameCount, frame, *edge);
  DrawFrame(face.DC(), place, image, true, n, left ? MirroredFrame(n, frame) : frame);
  FButtonRect = place;
  TDataSkinObject* extra = FSkinData->FExtraImages.get();
  if (extra && !extra->FBitmap.Empty()) DrawCentred(face.DC(), glyph, extra->FBitmap, true, extra->FFrameCount, frame);
  face.CopyTo(dc, edit);
}

// The thin style: two rings, a strip for the button in the brush the
// context has, the button's frame in it.
void TSkinComBox::DrawThin(HDC dc, const RECT& r, TDataSkinBorder& button) {
  const int frame = StateFrame();
  const int t = GetSystemMetrics(SM_CYVTHUMB);
  const bool left = (FExStyle & WS_EX_LEFTSCROLLBAR) != 0;
  const auto brush = static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH));
  TOffscreenFace face(dc, r);
  RECT ring = r;
  InflateRect(&ring, -1, -1);
  FrameRect(face.DC(), &ring, brush);
  RECT inner = ring;
  InflateRect(&inner, -1, -1);
  const RECT strip = left ? RECT{inner.left, inner.top, inner.left + t, inner.bottom}
                          : RECT{inner.right - t, inner.top, inner.right, inner.bottom};
  FillRect(face.DC(), &strip, brush);
  const int n = button.FFrameCount > 0 ? button.FFrameCount : 1;
  const int frameWidth = button.FBitmap.Width() / n, frameHeight = button.FBitmap.Height();
  RECT glyph = left ? RECT{inner.left, inner.top, inner.left + frameWidth, inner.bottom}
                    : RECT{inner.right - frameWidth, inner.top, inner.right, inner.bottom};
  if (frameHeight < t) glyph.bottom = glyph.top + frameHeight;
  const TBrushHandle shadow(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(FSkinData->FColours[scButtonShadow]))));
  FrameRect(face.DC(), &r, shadow.Get());
  FButtonRect = glyph;
  DrawFrame(face.DC(), glyph, button.FBitmap, true, n, frame);
  const RECT text = left ? RECT{strip.right, inner.top, inner.right, inner.bottom}
                         : RECT{inner.left, inner.top, strip.left, inner.bottom};
  face.CopyTo(dc, text);
}

// An extended combo box: a plain two-colour frame where the window has a
// border, and the "ComboxArrow" image on the button face at the button's
// place.
void TSkinComBox::DrawExtended(HDC dc, const RECT& r, int frame) {
  RECT client{};
  GetClientRect(FHandle, &client);
  if (WidthOf(client) != WidthOf(r) || HeightOf(client) != HeightOf(r)) {
    const TBrushHandle shadow(
        CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(FSkinData->FColours[scButtonShadow]))));
    PutRings(dc, r, {shadow.Get(), WhiteBrush()});
  }
  const RECT place = ClientToWindow(FHandle, FButtonRect);
  if (IsRectEmpty(&place)) return;
  TOffscreenFace face(dc, place);
  FillColor(face.DC(), place, FSkinData->FColours[scButtonFace]);
  TDataSkinObject* arrow = FSkinData->FComboxArrow.get();
  if (arrow && !arrow->FBitmap.Empty()) DrawFrame(face.DC(), place, arrow->FBitmap, true, arrow->FFrameCount, frame);
  face.CopyTo(dc);
}
