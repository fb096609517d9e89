#include "ui/ProgressBar.h"

#include <algorithm>

#include "ui/CommonControls.h"
#include "ui/TypInfo.h"

namespace {
constexpr std::string_view kOrientationNames[] = {"pbHorizontal", "pbVertical"};
}

const TPropInfo TProgressBar::Published[] = {
    Prop<TTypeKind::Integer, &TProgressBar::Min, &TProgressBar::SetMin>("Min"),
    Prop<TTypeKind::Integer, &TProgressBar::Max, &TProgressBar::SetMax>("Max"),
    Prop<TTypeKind::Integer, &TProgressBar::Position, &TProgressBar::SetPosition>("Position"),
    Prop<TTypeKind::Integer, &TProgressBar::Step, &TProgressBar::SetStep>("Step"),
    Prop<TTypeKind::Enumeration, &TProgressBar::Orientation, &TProgressBar::SetOrientation>("Orientation",
                                                                                           kOrientationNames),
    Prop<TTypeKind::Boolean, &TProgressBar::Smooth, &TProgressBar::SetSmooth>("Smooth"),
};
QV_CLASS_INFO(TProgressBar, Published);

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner) {
  SetColor(SystemColor(COLOR_BTNFACE));
  SetBounds(0, 0, 150, 16);
}

void TProgressBar::SetMin(int min) {
  FMin = min;
  FMax = std::max(FMax, FMin);
  FPosition = std::clamp(FPosition, FMin, FMax);
  UpdateWindow();
}

void TProgressBar::SetMax(int max) {
  FMax = max;
  FMin = std::min(FMin, FMax);
  FPosition = std::clamp(FPosition, FMin, FMax);
  UpdateWindow();
}

void TProgressBar::SetPosition(int position) {
  FPosition = std::clamp(position, FMin, FMax);
  if (HandleAllocated()) SendMessageA(Handle(), PBM_SETPOS, static_cast<WPARAM>(FPosition), 0);
}

void TProgressBar::SetOrientation(TProgressBarOrientation orientation) {
  if (orientation == FOrientation) return;
  FOrientation = orientation;
  SetBounds(Left(), Top(), Height(), Width());
  RecreateWnd();
}

void TProgressBar::SetSmooth(bool smooth) {
  if (smooth == FSmooth) return;
  FSmooth = smooth;
  RecreateWnd();
}

void TProgressBar::CreateParams(TCreateParams& params) {
  InitCommonControl(ICC_PROGRESS_CLASS);
  TWinControl::CreateParams(params);
  CreateSubClass(params, PROGRESS_CLASSA);
  if (FOrientation == TProgressBarOrientation::pbVertical) params.Style |= PBS_VERTICAL;
  if (FSmooth) params.Style |= PBS_SMOOTH;
}

void TProgressBar::CreateWnd() {
  TWinControl::CreateWnd();
  UpdateWindow();
}

void TProgressBar::UpdateWindow() {
  if (!HandleAllocated()) return;
  SendMessageA(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(FMin), FMax);
  SendMessageA(Handle(), PBM_SETPOS, static_cast<WPARAM>(FPosition), 0);
}
