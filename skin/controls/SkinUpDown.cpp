#include "skin/controls/SkinUpDown.h"

#include <commctrl.h>

#include "skin/data/SkinUtil.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/SkinDraw.h"
#include "ui/Gdi.h"

QV_CLASS_INFO(TSkinUpDown, {});

namespace {

enum : int { kHot = 1, kPressed = 2 };
// The state of a button, as the frame it takes: frame state + 4 for the
// second button.
enum : int { stNormal = 1, stPressed = 2, stDisabled = 3, stHot = 4 };
enum TDirection : int { dUp, dDown, dLeft, dRight };

using TPenHandle = TGdiObject<HPEN>;

// Up and down arrows sit this much above the middle of their button.
constexpr int kArrowLift = 2;

}  // namespace

bool TSkinUpDown::BeforeProc(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      PaintByDraw(message);
      message.Result = 0;
      return false;
    case WM_ERASEBKGND:
      if (!FControl) {
        RECT client{};
        GetClientRect(FHandle, &client);
        FillColor(reinterpret_cast<HDC>(message.WParam), client, clWhite);
      }
      message.Result = 1;
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      CallDefault(message);
      FButtonState |= kPressed;
      PaintControl(nullptr);
      return false;
    case WM_LBUTTONUP:
      FButtonState &= ~kPressed;
      CallDefault(message);
      PaintControl(nullptr);
      return false;
    default: return TSkinControl::BeforeProc(message);
  }
}

void TSkinUpDown::AfterProc(TMessage& message) {
  switch (message.Msg) {
    case WM_MOUSEMOVE: return OnMouseMove();
    case WM_MOUSELEAVE:
      FButtonState &= ~kHot;
      return Repaint();
    default: return TSkinControl::AfterProc(message);
  }
}

// The hot button follows the mouse: a repaint when the mouse comes in and
// when it crosses from one button to the other.
void TSkinUpDown::OnMouseMove() {
  const bool second = CursorInSecondHalf();
  const bool entered = !(FButtonState & kHot);
  if (!entered && second == FCursorSecond) return;
  FCursorSecond = second;
  if (entered) {
    FButtonState |= kHot;
    SkinTrackMouseLeave(FHandle);
  }
  Repaint();
}

bool TSkinUpDown::Horizontal() const {
  return FHorizontal == 1 || (GetWindowLongFor(FHandle, GWL_STYLE) & UDS_HORZ) != 0;
}

bool TSkinUpDown::CursorInSecondHalf() const {
  POINT cursor{};
  GetCursorPos(&cursor);
  ScreenToClient(FHandle, &cursor);
  RECT client{};
  GetClientRect(FHandle, &client);
  return Horizontal() ? cursor.x >= client.right / 2 : cursor.y >= client.bottom / 2;
}

void TSkinUpDown::DrawControl(HDC dc, const RECT& rect) {
  RECT face = rect;
  if (FInEdit) {
    // Clear of the edit's frame: at least 3 pixels from its top, bottom
    // and right edges.
    RECT client{}, own{}, edit{};
    GetClientRect(FHandle, &client);
    FillColor(dc, client, clWhite);
    GetWindowRect(FHandle, &own);
    GetWindowRect(GetParent(FHandle), &edit);
    if (own.top - edit.top < 3) face.top += 3 - (own.top - edit.top);
    if (edit.bottom - own.bottom < 3) face.bottom += (edit.bottom - own.bottom) - 3;
    if (edit.right - own.right < 3) face.right += (edit.right - own.right) - 3;
  }
  const int width = face.right - face.left, height = face.bottom - face.top;
  if (width <= 0 || height <= 0) return;
  TBitmap buffer(width, height);
  const HDC canvas = buffer.Canvas().Handle();
  FillColor(canvas, RECT{0, 0, width, height}, FSkinData->FColours[scButtonFace]);

  POINT cursor{};
  GetCursorPos(&cursor);
  ScreenToClient(FHandle, &cursor);
  const bool enabled = (GetWindowLongFor(FHandle, GWL_STYLE) & WS_DISABLED) == 0;
  const auto state = [&](bool otherHalf) {
    if (!enabled) return stDisabled;
    if (otherHalf) return stNormal;
    if (FButtonState & kPressed) return stPressed;
    if (FButtonState & kHot) return stHot;
    return stNormal;
  };
  if (Horizontal()) {
    const int h = width / 2;
    TDataSkinBorder* element = FSkinData->FUpDownHorz.get();
    DrawPart(canvas, RECT{0, 0, h, height}, state(cursor.x >= h), dLeft, element);
    DrawPart(canvas, RECT{h, 0, width, height}, state(cursor.x < h), dRight, element);
  } else {
    const int h = height / 2;
    TDataSkinBorder* element = FSkinData->FUpDownVert.get();
    DrawPart(canvas, RECT{0, 0, width, h}, state(cursor.y >= h), dUp, element);
    DrawPart(canvas, RECT{0, h, width, height}, state(cursor.y < h), dDown, element);
  }
  BitBlt(dc, face.left, face.top, width, height, canvas, 0, 0, SRCCOPY);
}

void TSkinUpDown::DrawPart(HDC dc, const RECT& part, int state, int direction, TDataSkinBorder* element) const {
  if (!element || element->FBitmap.Empty()) return DrawPlainPart(dc, part, state, direction);
  const int frame = state + (direction == dDown || direction == dRight ? 4 : 0);
  const int frames = element->FFrameCount;
  DrawFrame(dc, part, element->FBitmap, true, frames, frame);
  TBitmap& glyph = element->FBitmap2;
  if (glyph.Empty()) return;
  const int gw = glyph.Width() / (frames < 1 ? 1 : frames), gh = glyph.Height();
  const int x = part.left + (part.right - part.left - gw) / 2, y = part.top + (part.bottom - part.top - gh) / 2;
  DrawFrame(dc, RECT{x, y, x + gw, y + gh}, glyph, true, frames, frame);
}

// Without the element: a flat button with a small arrow, about 9 pixels
// wide, in the dark shadow colour.
void TSkinUpDown::DrawPlainPart(HDC dc, const RECT& part, int state, int direction) const {
  const auto& colours = FSkinData->FColours;
  const TColor fill = state == stPressed || state == stHot ? colours[scButtonShadow] : colours[scButtonFace];
  const TBrushHandle brush(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(fill))));
  const TPenHandle pen(CreatePen(PS_SOLID, 1, static_cast<COLORREF>(ColorToRGB(colours[scButtonDkShadow]))));
  const TSelectObject brushIn(dc, brush.Get()), penIn(dc, pen.Get());
  Rectangle(dc, part.left, part.top, part.right, part.bottom);
  const int cx = (part.left + part.right) / 2, cy = (part.top + part.bottom) / 2;
  // Five lines, from the point of the arrow to its 9-pixel base.
  for (int i = 0; i < 5; ++i) {
    switch (direction) {
      case dUp:
        MoveToEx(dc, cx - i, cy - kArrowLift - 2 + i, nullptr);
        LineTo(dc, cx + i + 1, cy - kArrowLift - 2 + i);
        break;
      case dDown:
        MoveToEx(dc, cx - i, cy - kArrowLift + 2 - i, nullptr);
        LineTo(dc, cx + i + 1, cy - kArrowLift + 2 - i);
        break;
      case dLeft:
        MoveToEx(dc, cx - 2 + i, cy - i, nullptr);
        LineTo(dc, cx - 2 + i, cy + i + 1);
        break;
      default:
        MoveToEx(dc, cx + 2 - i, cy - i, nullptr);
        LineTo(dc, cx + 2 - i, cy + i + 1);
        break;
    }
  }
}
