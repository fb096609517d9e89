#include "ui/ScrollBar.h"

#include <algorithm>

#include "ui/TypInfo.h"

namespace {
constexpr std::string_view kScrollBarKindNames[] = {"sbHorizontal", "sbVertical"};
}

const TPropInfo TScrollBar::Published[] = {
    Prop<TTypeKind::Enumeration, &TScrollBar::Kind, &TScrollBar::SetKind>("Kind", kScrollBarKindNames),
    Prop<TTypeKind::Integer, &TScrollBar::Min, &TScrollBar::SetMin>("Min"),
    Prop<TTypeKind::Integer, &TScrollBar::Max, &TScrollBar::SetMax>("Max"),
    Prop<TTypeKind::Integer, &TScrollBar::Position, &TScrollBar::SetPosition>("Position"),
    Prop<TTypeKind::Integer, &TScrollBar::PageSize, &TScrollBar::SetPageSize>("PageSize"),
    Prop<TTypeKind::Integer, &TScrollBar::SmallChange, &TScrollBar::SetSmallChange>("SmallChange"),
    Prop<TTypeKind::Integer, &TScrollBar::LargeChange, &TScrollBar::SetLargeChange>("LargeChange"),
    Prop<TTypeKind::Method, &TScrollBar::OnChange, &TScrollBar::OnChange>("OnChange"),
};
QV_CLASS_INFO(TScrollBar, Published);

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {
  SetColor(SystemColor(COLOR_BTNFACE));
  SetBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
}

void TScrollBar::SetKind(TScrollBarKind kind) {
  if (kind == FKind) return;
  FKind = kind;
  // A bar turned across keeps its size, lying the other way.
  SetBounds(Left(), Top(), Height(), Width());
  RecreateWnd();
}

void TScrollBar::SetPageSize(int pageSize) {
  FPageSize = std::clamp(pageSize, 0, FMax - FMin + 1);
  SetParams(FPosition, FMin, FMax);
}

int TScrollBar::LastPosition() const { return FMax - std::max(FPageSize - 1, 0); }

void TScrollBar::SetParams(int position, int min, int max) {
  if (max <= min) max = min + 1;
  FMin = min;
  FMax = max;
  FPageSize = std::min(FPageSize, FMax - FMin + 1);
  position = std::clamp(position, FMin, LastPosition());
  const bool moved = position != FPosition;
  FPosition = position;
  UpdateScrollInfo();
  if (moved && OnChange) OnChange(this);
}

void TScrollBar::UpdateScrollInfo() {
  if (!HandleAllocated()) return;
  SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, FMin, FMax, static_cast<UINT>(FPageSize),
                  FPosition, 0};
  SetScrollInfo(Handle(), SB_CTL, &info, TRUE);
}

void TScrollBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, "SCROLLBAR");
  params.Style |= WS_TABSTOP | (FKind == TScrollBarKind::sbHorizontal ? SBS_HORZ : SBS_VERT);
}

void TScrollBar::CreateWnd() {
  TWinControl::CreateWnd();
  UpdateScrollInfo();
}

void TScrollBar::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_HSCROLL:
    case CN_VSCROLL: return CNScroll(message);
    default: return TWinControl::WndProc(message);
  }
}

void TScrollBar::CNScroll(TMessage& message) {
  int position = FPosition;
  switch (LOWORD(message.WParam)) {
    case SB_LINEUP: position -= FSmallChange; break;
    case SB_LINEDOWN: position += FSmallChange; break;
    case SB_PAGEUP: position -= FLargeChange; break;
    case SB_PAGEDOWN: position += FLargeChange; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      // The 32-bit position; the message's word holds only 16 bits.
      SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
      GetScrollInfo(Handle(), SB_CTL, &info);
      position = info.nTrackPos;
      break;
    }
    case SB_TOP: position = FMin; break;
    case SB_BOTTOM: position = FMax; break;
    default: break;
  }
  SetPosition(position);
  message.Result = 0;
}
