#include "skin/controls/ComboxScrollBar.h"

#include <windowsx.h>

#include <algorithm>

#include "skin/data/SkinUtil.h"
#include "skin/data/WinSkinData.h"

QV_CLASS_INFO(TComboxScrollBar, {});

namespace {

bool VerticalBarOf(HWND list, SCROLLBARINFO& info) {
  info = SCROLLBARINFO{};
  info.cbSize = sizeof info;
  return SkinGetScrollBarInfo(list, OBJID_VSCROLL, info) && !(info.rgstate[0] & STATE_SYSTEM_INVISIBLE);
}

}  // namespace

TComboxScrollBar::TComboxScrollBar(TComponent* owner)
    : TSkinControl(owner), FArrowSize(GetSystemMetrics(SM_CXHSCROLL)) {}

bool TComboxScrollBar::BeforeProc(TMessage& message) {
  switch (message.Msg) {
    case WM_NCPAINT: return true;
    // The system would light its own bar up under the mouse.
    case WM_NCMOUSEMOVE: return message.WParam != HTHSCROLL && message.WParam != HTVSCROLL;
    case WM_NCLBUTTONDOWN:
      return message.WParam != HTVSCROLL || !TrackThumb({GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)});
    default: return TSkinControl::BeforeProc(message);
  }
}

void TComboxScrollBar::AfterProc(TMessage& message) {
  switch (message.Msg) {
    case WM_VSCROLL:
      FHotPart = LOWORD(message.WParam);
      return PaintControl(nullptr);
    case WM_NCPAINT:
    case WM_HSCROLL:
    case kListRepaint: return PaintControl(nullptr);
    default: return TSkinControl::AfterProc(message);
  }
}

void TComboxScrollBar::DrawControl(HDC dc, const RECT&) {
  SCROLLBARINFO info;
  RECT window{};
  if (!FSkinData || !VerticalBarOf(FHandle, info) || !GetWindowRect(FHandle, &window)) return;
  RECT bar = info.rcScrollBar;
  OffsetRect(&bar, -window.left, -window.top);

  TScrollBarFace face;
  face.Vertical = true;
  face.Width = bar.right - bar.left;
  face.Height = bar.bottom - bar.top;
  face.ArrowSize = FArrowSize;
  face.Thumb = {info.xyThumbTop, info.xyThumbBottom};
  if (FPressed) {
    POINT cursor{};
    GetCursorPos(&cursor);
    face.Thumb = DraggedThumb(FPressThumbTop, cursor.y - FPressPoint.y, FArrowSize, face.Height,
                              info.xyThumbBottom - info.xyThumbTop);
  }
  face.HotPart = FPressed ? sbpThumb : FHotPart;
  face.Pressed = FPressed;
  face.Enabled = !(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
  FThumb = face.Thumb;
  PaintScrollBar(dc, face, *FSkinData, &bar);
}

int TComboxScrollBar::TrackPosition(const SCROLLINFO& info, int barLength, int y) const {
  const int offset = std::max(FPressThumbTop - FArrowSize + y - static_cast<int>(FPressPoint.y), 0);
  const int track = barLength - 2 * FArrowSize;
  const int thumbLength = FThumb.End - FThumb.Start;
  int position = 0;
  if (info.nPage != 0) {
    const int page = static_cast<int>(info.nPage);
    position = MulDiv(std::min(offset, track - thumbLength + 1), info.nMax - info.nMin - page, track - thumbLength) +
               info.nMin;
    if (position >= info.nMax - page) position = info.nMax - page + 1;
  } else {
    position = std::min(MulDiv(std::min(offset, track - thumbLength), info.nMax - info.nMin, track) + info.nMin,
                        info.nMax);
  }
  return std::max(position, info.nMin);
}

bool TComboxScrollBar::TrackThumb(POINT press) {
  SCROLLBARINFO bar;
  if (!VerticalBarOf(FHandle, bar)) return false;
  const int length = bar.rcScrollBar.bottom - bar.rcScrollBar.top;
  const int along = press.y - bar.rcScrollBar.top;
  if (ScrollBarHitTest(along, FArrowSize, bar.xyThumbTop, bar.xyThumbBottom, length) != sbpThumb) return false;
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  if (!GetScrollInfo(FHandle, SB_VERT, &info)) return false;

  FPressPoint = press;
  FPressThumbTop = bar.xyThumbTop;
  FThumb = {bar.xyThumbTop, bar.xyThumbBottom};
  FPressed = true;
  SetCapture(FHandle);
  int position = info.nPos;
  for (;;) {
    MSG msg{};
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (GetCapture() != FHandle) break;
      WaitMessage();
      continue;
    }
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (msg.message == WM_NCLBUTTONUP || msg.message == WM_LBUTTONUP) {
      SendMessageA(FHandle, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, position), 0);
      PostMessageA(FHandle, WM_VSCROLL, SB_ENDSCROLL, 0);
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    if (msg.message == WM_NCMOUSEMOVE || msg.message == WM_MOUSEMOVE) {
      const int moved = TrackPosition(info, length, msg.pt.y);
      if (moved != position) {
        position = moved;
        SendMessageA(FHandle, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, position), 0);
      }
    }
    if (!IsWindow(FHandle)) break;
  }
  if (GetCapture() == FHandle) ReleaseCapture();
  FPressed = false;
  if (IsWindow(FHandle)) PaintControl(nullptr);
  return true;
}
