#include "ui/UpDown.h"

#include <algorithm>

#include "ui/CommonControls.h"
#include "ui/TypInfo.h"

namespace {
constexpr std::string_view kOrientationNames[] = {"udHorizontal", "udVertical"};
}

const TPropInfo TUpDown::Published[] = {
    Prop<TTypeKind::Integer, &TUpDown::Min, &TUpDown::SetMin>("Min"),
    Prop<TTypeKind::Integer, &TUpDown::Max, &TUpDown::SetMax>("Max"),
    Prop<TTypeKind::Integer, &TUpDown::Position, &TUpDown::SetPosition>("Position"),
    Prop<TTypeKind::Integer, &TUpDown::Increment, &TUpDown::SetIncrement>("Increment"),
    Prop<TTypeKind::Enumeration, &TUpDown::Orientation, &TUpDown::SetOrientation>("Orientation",
                                                                                 kOrientationNames),
    Prop<TTypeKind::Boolean, &TUpDown::Wrap, &TUpDown::SetWrap>("Wrap"),
    Prop<TTypeKind::Object, &TUpDown::Associate, &TUpDown::SetAssociate>("Associate"),
    Prop<TTypeKind::Method, &TUpDown::OnClick, &TUpDown::OnClick>("OnClick"),
};
QV_CLASS_INFO(TUpDown, Published);

TUpDown::TUpDown(TComponent* owner) : TWinControl(owner) {
  SetColor(SystemColor(COLOR_BTNFACE));
  SetBounds(0, 0, 17, 25);
}

void TUpDown::SetMin(int min) {
  FMin = min;
  FMax = std::max(FMax, FMin);
  FPosition = std::clamp(FPosition, FMin, FMax);
  UpdateWindow();
}

void TUpDown::SetMax(int max) {
  FMax = max;
  FMin = std::min(FMin, FMax);
  FPosition = std::clamp(FPosition, FMin, FMax);
  UpdateWindow();
}

int TUpDown::Position() const {
  if (!HandleAllocated()) return FPosition;
  return static_cast<int>(SendMessageA(WindowHandle(), UDM_GETPOS32, 0, 0));
}

void TUpDown::SetPosition(int position) {
  FPosition = std::clamp(position, FMin, FMax);
  if (HandleAllocated()) SendMessageA(Handle(), UDM_SETPOS32, 0, FPosition);
}

void TUpDown::SetIncrement(int increment) {
  FIncrement = std::max(increment, 1);
  UpdateWindow();
}

void TUpDown::SetOrientation(TUDOrientation orientation) {
  if (orientation == FOrientation) return;
  FOrientation = orientation;
  SetBounds(Left(), Top(), Height(), Width());
  RecreateWnd();
}

void TUpDown::SetWrap(bool wrap) {
  if (wrap == FWrap) return;
  FWrap = wrap;
  RecreateWnd();
}

void TUpDown::SetAssociate(TWinControl* associate) {
  if (associate == this) associate = nullptr;
  FAssociate = associate;
  // The buddy is chosen and placed when the window is made.
  RecreateWnd();
}

void TUpDown::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FAssociate) {
    FAssociate = nullptr;
    if (HandleAllocated()) SendMessageA(Handle(), UDM_SETBUDDY, 0, 0);
  }
}

void TUpDown::CreateParams(TCreateParams& params) {
  InitCommonControl(ICC_UPDOWN_CLASS);
  TWinControl::CreateParams(params);
  CreateSubClass(params, UPDOWN_CLASSA);
  params.Style |= UDS_ARROWKEYS;
  if (FOrientation == TUDOrientation::udHorizontal) params.Style |= UDS_HORZ;
  if (FWrap) params.Style |= UDS_WRAP;
  if (FAssociate) params.Style |= UDS_ALIGNRIGHT | UDS_SETBUDDYINT;
}

void TUpDown::CreateWnd() {
  TWinControl::CreateWnd();
  if (FAssociate) SendMessageA(Handle(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(FAssociate->Handle()), 0);
  UpdateWindow();
}

void TUpDown::UpdateWindow() {
  if (!HandleAllocated()) return;
  UDACCEL step{0, static_cast<UINT>(FIncrement)};
  SendMessageA(Handle(), UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&step));
  SendMessageA(Handle(), UDM_SETRANGE32, static_cast<WPARAM>(FMin), FMax);
  SendMessageA(Handle(), UDM_SETPOS32, 0, FPosition);
}

void TUpDown::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_HSCROLL:
    case CN_VSCROLL: return CNScroll(message);
    default: return TWinControl::WndProc(message);
  }
}

// An arrow was clicked: the window holds the new position. Up and right
// are the next arrow, also when the position wrapped round.
void TUpDown::CNScroll(TMessage& message) {
  message.Result = 0;
  if (LOWORD(message.WParam) != SB_THUMBPOSITION) return;
  const int position = Position();
  if (position == FPosition) return;
  const bool wrapped = FWrap && ((position == FMin && FPosition == FMax) || (position == FMax && FPosition == FMin));
  const bool next = wrapped ? position == FMin : position > FPosition;
  FPosition = position;
  if (OnClick) OnClick(this, next ? TUDBtnType::btNext : TUDBtnType::btPrev);
}
