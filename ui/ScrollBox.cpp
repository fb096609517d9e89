#include "ui/ScrollBox.h"

#include <algorithm>

#include "ui/ScopedFlag.h"
#include "ui/TypInfo.h"

namespace {

// Pixels an arrow of the scroll bar scrolls.
constexpr int kLineStep = 8;

}  // namespace

QV_CLASS_INFO(TScrollingWinControl, {});

const TPropInfo TScrollBox::Published[] = {
    Prop<TTypeKind::Enumeration, &TScrollBox::BorderStyle, &TScrollBox::SetBorderStyle>("BorderStyle",
                                                                                       kBorderStyleNames),
};
QV_CLASS_INFO(TScrollBox, Published);

TScrollingWinControl::TScrollingWinControl(TComponent* owner) : TWinControl(owner) {
  SetColor(SystemColor(COLOR_BTNFACE));
}

void TScrollingWinControl::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.Style |= WS_HSCROLL | WS_VSCROLL | WS_CLIPCHILDREN;
  params.ExStyle |= WS_EX_CONTROLPARENT;
}

SIZE TScrollingWinControl::ScrolledExtent() const {
  SIZE extent{0, 0};
  for (int i = 0; i < ControlCount(); ++i) {
    const TControl* control = Controls(i);
    if (!control->Visible() || control->Align() != TAlign::alNone) continue;
    extent.cx = std::max<LONG>(extent.cx, FScrollPosition.x + control->Left() + control->Width());
    extent.cy = std::max<LONG>(extent.cy, FScrollPosition.y + control->Top() + control->Height());
  }
  return extent;
}

void TScrollingWinControl::SetScrollPosition(POINT position) {
  const RECT client = ClientRect();
  const SIZE extent = ScrolledExtent();
  position.x = std::clamp<LONG>(position.x, 0, std::max<LONG>(0, extent.cx - client.right));
  position.y = std::clamp<LONG>(position.y, 0, std::max<LONG>(0, extent.cy - client.bottom));
  const int dx = position.x - FScrollPosition.x;
  const int dy = position.y - FScrollPosition.y;
  if (dx == 0 && dy == 0) return;
  {
    const TScopedFlag scrolling(FScrolling);
    FScrollPosition = position;
    for (int i = 0; i < ControlCount(); ++i) {
      TControl* control = Controls(i);
      if (control->Align() != TAlign::alNone) continue;
      control->SetBounds(control->Left() - dx, control->Top() - dy, control->Width(), control->Height());
    }
  }
  Invalidate();
  UpdateScrollBars();
}

void TScrollingWinControl::AlignControls() {
  TWinControl::AlignControls();
  if (!FScrolling) UpdateScrollBars();
}

void TScrollingWinControl::UpdateScrollBars() {
  if (!HandleAllocated()) return;
  // Showing or hiding one bar changes the client area and so the other.
  for (int pass = 0; pass < 2; ++pass) {
    const RECT client = ClientRect();
    const SIZE extent = ScrolledExtent();
    SCROLLINFO horizontal{sizeof horizontal, SIF_RANGE | SIF_PAGE | SIF_POS, 0, std::max<int>(extent.cx - 1, 0),
                          static_cast<UINT>(client.right), FScrollPosition.x, 0};
    SetScrollInfo(Handle(), SB_HORZ, &horizontal, TRUE);
    SCROLLINFO vertical{sizeof vertical, SIF_RANGE | SIF_PAGE | SIF_POS, 0, std::max<int>(extent.cy - 1, 0),
                        static_cast<UINT>(client.bottom), FScrollPosition.y, 0};
    SetScrollInfo(Handle(), SB_VERT, &vertical, TRUE);
  }
  // A larger client area may leave less to scroll.
  SetScrollPosition(FScrollPosition);
}

void TScrollingWinControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_HSCROLL:
    case WM_VSCROLL: return WMScroll(message);
    default: return TWinControl::WndProc(message);
  }
}

// The window's own bars (a scroll bar control inside tells its own).
void TScrollingWinControl::WMScroll(TMessage& message) {
  if (message.LParam) return TWinControl::WndProc(message);
  const bool vertical = message.Msg == WM_VSCROLL;
  const int bar = vertical ? SB_VERT : SB_HORZ;
  SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(Handle(), bar, &info);
  int position = info.nPos;
  switch (LOWORD(message.WParam)) {
    case SB_LINEUP: position -= kLineStep; break;
    case SB_LINEDOWN: position += kLineStep; break;
    case SB_PAGEUP: position -= static_cast<int>(info.nPage); break;
    case SB_PAGEDOWN: position += static_cast<int>(info.nPage); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = info.nTrackPos; break;
    case SB_TOP: position = info.nMin; break;
    case SB_BOTTOM: position = info.nMax; break;
    default: break;
  }
  SetScrollPosition(vertical ? POINT{FScrollPosition.x, position} : POINT{position, FScrollPosition.y});
  message.Result = 0;
}

TScrollBox::TScrollBox(TComponent* owner) : TScrollingWinControl(owner) { SetBounds(0, 0, 185, 41); }

void TScrollBox::SetBorderStyle(TBorderStyle borderStyle) {
  if (borderStyle == FBorderStyle) return;
  FBorderStyle = borderStyle;
  RecreateWnd();
}

void TScrollBox::CreateParams(TCreateParams& params) {
  TScrollingWinControl::CreateParams(params);
  if (FBorderStyle == TBorderStyle::bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}
