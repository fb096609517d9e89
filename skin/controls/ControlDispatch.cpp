// The hand-over of a skinned window's controls to control skinning, and
// the form skinner's list of control wrappers. No wrapper class is built
// yet, so the dispatch chooses no wrapper for any control: every control
// keeps the system's drawing.
#include <algorithm>

#include "skin/controls/SkinControl.h"
#include "skin/window/SkinMessages.h"
#include "skin/window/WinSkinForm.h"
#include "ui/WinControl.h"

bool TWinSkinForm::RegisterControl(TSkinControl* wrapper) {
  if (std::find(FControls.begin(), FControls.end(), wrapper) != FControls.end()) return true;
  FControls.push_back(wrapper);
  return false;
}

void TWinSkinForm::UnregisterControl(TSkinControl* wrapper) {
  const auto found = std::find(FControls.rbegin(), FControls.rend(), wrapper);
  if (found != FControls.rend()) FControls.erase(std::next(found).base());
}

bool TWinSkinForm::IsSkinned(TControl& control) const {
  auto* windowed = dynamic_cast<TWinControl*>(&control);
  if (windowed && windowed->HandleAllocated() ? SendMessageA(windowed->Handle(), SKM_QUERYSKINNED, 0, 0) == 1
                                              : control.Perform(SKM_QUERYSKINNED) == 1)
    return true;
  return std::any_of(FControls.begin(), FControls.end(),
                     [&control](const TSkinControl* wrapper) { return wrapper->FControl == &control; });
}

void TWinSkinForm::FreeControls(bool unskin) {
  // Each wrapper leaves the list as it goes.
  const std::vector<TSkinControl*> wrappers = std::exchange(FControls, {});
  for (TSkinControl* wrapper : wrappers) {
    if (unskin && wrapper->FState != kWrapperDestroyed) wrapper->Unskin();
    delete wrapper;
  }
}

void TWinSkinForm::SkinFormControls(TWinControl&) {}

void TWinSkinForm::SkinChildWindows(HWND) {}

void TWinSkinForm::SkinWindow(HWND) {}
