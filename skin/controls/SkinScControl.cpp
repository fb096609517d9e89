#include "skin/controls/SkinScControl.h"

#include "skin/controls/WScrollbar.h"
#include "ui/Control.h"
#include "ui/WinControl.h"

QV_CLASS_INFO(TSkinScControl, {});

TSkinScControl::TSkinScControl(TComponent* owner) : TSkinControl(owner) {}

void TSkinScControl::InitControl(TWinSkinForm* form, TSkinData* skinData, bool, TCanvas* canvas) {
  if (auto* control = dynamic_cast<TWinControl*>(Owner())) AttachScrollBar(*control, skinData, form, canvas);
}

void TSkinScControl::AttachScrollBar(TWinControl& control, TSkinData* skinData, TWinSkinForm* form,
                                     TCanvas* canvas) {
  if (FInited || Owner() != &control) return;
  // Hooks the control and registers; the control keeps its colour.
  TSkinControl::InitControl(form, skinData, false, canvas);
  FBar = new TWScrollbar(this);
  FBar->SetShowHint(control.ShowHint());
  FBar->SetHint(control.Hint());
  FBar->AttachControl(this, &control, wbControl);
  if (!control.Visible()) FBar->HideBar();
}

void TSkinScControl::Notification(TComponent* component, TOperation operation) {
  TSkinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FBar) FBar = nullptr;
}

void TSkinScControl::Unskin() {
  TSkinControl::Unskin();
  if (FState == kWrapperDestroyed) return;
  delete FBar;
  FBar = nullptr;
}

void TSkinScControl::UpdateBar() {
  if (FBar) FBar->UpdatePosition(FHandle);
}

void TSkinScControl::AfterProc(TMessage& message) {
  switch (message.Msg) {
    case WM_WINDOWPOSCHANGED: return UpdateBar();
    case WM_NCPAINT:
      // The control's window may have been made anew.
      if (auto* control = dynamic_cast<TWinControl*>(FControl); control && control->HandleAllocated())
        FHandle = control->WindowHandle();
      return UpdateBar();
    case SBM_SETSCROLLINFO:
    case CN_HSCROLL:
    case CN_VSCROLL:
      if (FBar) FBar->RepaintBar();
      return;
    case CM_VISIBLECHANGED: return OnVisibleChanged(message);
    default: return TSkinControl::AfterProc(message);
  }
}

void TSkinScControl::OnVisibleChanged(const TMessage& message) {
  if (message.WParam) return UpdateBar();
  if (FBar) FBar->HideBar();
}

void TSkinScControl::DrawControl(HDC, const RECT&) {
  if (FBar) FBar->RepaintBar();
}
