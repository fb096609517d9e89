#include "ui/TrackBar.h"

#include <algorithm>

#include "ui/CommonControls.h"
#include "ui/TypInfo.h"

namespace {
constexpr std::string_view kOrientationNames[] = {"trHorizontal", "trVertical"};
}

const TPropInfo TTrackBar::Published[] = {
    Prop<TTypeKind::Integer, &TTrackBar::Min, &TTrackBar::SetMin>("Min"),
    Prop<TTypeKind::Integer, &TTrackBar::Max, &TTrackBar::SetMax>("Max"),
    Prop<TTypeKind::Integer, &TTrackBar::Position, &TTrackBar::SetPosition>("Position"),
    Prop<TTypeKind::Integer, &TTrackBar::Frequency, &TTrackBar::SetFrequency>("Frequency"),
    Prop<TTypeKind::Integer, &TTrackBar::LineSize, &TTrackBar::SetLineSize>("LineSize"),
    Prop<TTypeKind::Integer, &TTrackBar::PageSize, &TTrackBar::SetPageSize>("PageSize"),
    Prop<TTypeKind::Enumeration, &TTrackBar::Orientation, &TTrackBar::SetOrientation>("Orientation",
                                                                                     kOrientationNames),
    Prop<TTypeKind::Method, &TTrackBar::OnChange, &TTrackBar::OnChange>("OnChange"),
};
QV_CLASS_INFO(TTrackBar, Published);

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner) {
  SetColor(SystemColor(COLOR_BTNFACE));
  SetBounds(0, 0, 150, 45);
}

void TTrackBar::SetMin(int min) {
  FMin = min;
  FMax = std::max(FMax, FMin);
  SetPosition(FPosition);
  UpdateWindow();
}

void TTrackBar::SetMax(int max) {
  FMax = max;
  FMin = std::min(FMin, FMax);
  SetPosition(FPosition);
  UpdateWindow();
}

void TTrackBar::SetPosition(int position) {
  position = std::clamp(position, FMin, FMax);
  if (position == FPosition) return;
  FPosition = position;
  if (HandleAllocated()) SendMessageA(Handle(), TBM_SETPOS, TRUE, position);
  if (OnChange) OnChange(this);
}

void TTrackBar::SetFrequency(int frequency) {
  FFrequency = std::max(frequency, 1);
  UpdateWindow();
}

void TTrackBar::SetLineSize(int size) {
  FLineSize = size;
  UpdateWindow();
}

void TTrackBar::SetPageSize(int size) {
  FPageSize = size;
  UpdateWindow();
}

void TTrackBar::SetOrientation(TTrackBarOrientation orientation) {
  if (orientation == FOrientation) return;
  FOrientation = orientation;
  // Turned across, the bar keeps its size lying the other way.
  SetBounds(Left(), Top(), Height(), Width());
  RecreateWnd();
}

void TTrackBar::CreateParams(TCreateParams& params) {
  InitCommonControl(ICC_BAR_CLASSES);
  TWinControl::CreateParams(params);
  CreateSubClass(params, TRACKBAR_CLASSA);
  params.Style |= WS_TABSTOP | TBS_AUTOTICKS |
                  (FOrientation == TTrackBarOrientation::trHorizontal ? TBS_HORZ : TBS_VERT);
}

void TTrackBar::CreateWnd() {
  TWinControl::CreateWnd();
  UpdateWindow();
}

void TTrackBar::UpdateWindow() {
  if (!HandleAllocated()) return;
  const HWND window = Handle();
  SendMessageA(window, TBM_SETRANGEMIN, FALSE, FMin);
  SendMessageA(window, TBM_SETRANGEMAX, FALSE, FMax);
  SendMessageA(window, TBM_SETTICFREQ, static_cast<WPARAM>(FFrequency), 0);
  SendMessageA(window, TBM_SETLINESIZE, 0, FLineSize);
  SendMessageA(window, TBM_SETPAGESIZE, 0, FPageSize);
  SendMessageA(window, TBM_SETPOS, TRUE, FPosition);
}

void TTrackBar::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_HSCROLL:
    case CN_VSCROLL: return CNScroll(message);
    default: return TWinControl::WndProc(message);
  }
}

// The user moved the thumb: the window holds the new position.
void TTrackBar::CNScroll(TMessage& message) {
  SetPosition(static_cast<int>(SendMessageA(Handle(), TBM_GETPOS, 0, 0)));
  message.Result = 0;
}
