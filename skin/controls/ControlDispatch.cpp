// The form skinner's control dispatch: every control of a skinned framework
// form, and every child window of a skinned plain window, gets the wrapper
// that the dispatch tables (DispatchPlan.h) choose for it; the wrappers are
// kept in FControls.
#include <algorithm>

#include "skin/controls/DispatchPlan.h"
#include "skin/controls/SkinScrollbar.h"
#include "skin/controls/SkinControl.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/SkinMessages.h"
#include "skin/window/WinSkinForm.h"
#include "ui/StrUtils.h"
#include "ui/WinControl.h"

namespace {

bool AnswersSkinned(HWND window) { return SendMessageA(window, SKM_QUERYSKINNED, 0, 0) == 1; }

// Skin3rd and the class table name controls of other libraries, which may
// not create their window.
bool EnsureHandle(TControl& control) {
  auto* windowed = dynamic_cast<TWinControl*>(&control);
  if (!windowed) return true;
  try {
    windowed->HandleNeeded();
  } catch (...) {
    return false;
  }
  return true;
}

}  // namespace

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
  if (windowed && windowed->HandleAllocated() ? AnswersSkinned(windowed->Handle())
                                              : control.Perform(SKM_QUERYSKINNED) == 1)
    return true;
  return std::any_of(FControls.begin(), FControls.end(),
                     [&control](const TSkinControl* wrapper) { return wrapper->FControl == &control; });
}

void TWinSkinForm::FreeControls(bool unskin) {
  // One at a time from the list as it is now: a wrapper that frees the
  // wrappers it made (a combo box's list bars) takes them off the list.
  while (!FControls.empty()) {
    TSkinControl* wrapper = FControls.front();
    FControls.erase(FControls.begin());
    if (unskin && wrapper->FState != kWrapperDestroyed) wrapper->Unskin();
    delete wrapper;
  }
}

void TWinSkinForm::SkinFormControls(TWinControl& form) {
  // Wrappers whose window is gone make way for new ones.
  for (TSkinControl* wrapper : std::vector(FControls))
    if (wrapper->FState == kWrapperDestroyed) delete wrapper;
  SkinComponents(form);
  std::vector<TWinControl*> tabOrder;
  form.GetTabOrderList(tabOrder);
  for (TWinControl* control : tabOrder) {
    if (!control->HandleAllocated() || control->Tag() == FSkinData->DisableTag() || AnswersSkinned(control->Handle()))
      continue;
    SkinControl(*control, &form);
  }
}

void TWinSkinForm::SkinComponents(TComponent& owner) {
  for (int i = 0; i < owner.ComponentCount(); ++i)
    if (auto* control = dynamic_cast<TControl*>(owner.Components(i))) SkinControl(*control, &owner);
}

void TWinSkinForm::SkinChildren(TWinControl& parent) {
  for (int i = 0; i < parent.ControlCount(); ++i) SkinControl(*parent.Controls(i), &parent);
}

void TWinSkinForm::SkinControl(TControl& control, TComponent* container) {
  const int disableTag = FSkinData->DisableTag();
  if (control.Tag() == disableTag) {
    // The buttons of a group left alone are left alone too.
    auto* group = dynamic_cast<TWinControl*>(&control);
    const std::string name = AsciiLowerCase(control.ClassName());
    if (group && (name.find("radiogroup") != std::string::npos || name.find("checkgroup") != std::string::npos))
      for (int i = 0; i < group->ControlCount(); ++i) group->Controls(i)->SetTag(disableTag);
    return;
  }
  if (!control.Parent() || IsSkinned(control)) return;
  const std::string className = AsciiUpperCase(control.ClassName());
  if (!EnsureHandle(control)) return;

  // The program may wrap the control itself.
  TObject* skinned = nullptr;
  if (FSkinData->OnSkinControl) FSkinData->OnSkinControl(this, FSkinData, container, &control, className, skinned);
  if (skinned) {
    auto* wrapper = dynamic_cast<TSkinControl*>(skinned);
    if (wrapper && !RegisterControl(wrapper)) {
      wrapper->InitControl(this, FSkinData, wrapper->FSetColor, &FCanvas);
      auto* panel = dynamic_cast<TWinControl*>(&control);
      if (panel && IsA(control, "TCustomPanel")) SkinChildren(*panel);
    }
    return;
  }
  if (SkinByKind(className, control)) return;
  if (className == "TDBCOMBOBOXEH" || className == "TFRDESIGNERPAGE" || className == "TFRPBOX") return;
  RunPlan(PlanByClass(className, control, DispatchContext()), control);
}

bool TWinSkinForm::SkinByKind(const std::string& className, TControl& control) {
  const TControlPlan plan = PlanByKind(className, control, DispatchContext());
  if (!plan.Listed) return false;
  RunPlan(plan, control);
  return true;
}

TDispatchContext TWinSkinForm::DispatchContext() const {
  TDispatchContext context;
  context.Controls = FSkinData->SkinControls();
  context.Skin3rd = FSkinData->Skin3rd();
  context.TabElement = FSkinData->FTabs != nullptr;
  context.DrawsMenuBar = FSkinFrame && FWindowMenu && FMDIKind != mkChild;
  return context;
}

void TWinSkinForm::RunPlan(const TControlPlan& plan, TControl& control) {
  RunChildStep(plan.Before, plan, control);
  if (plan.Wrapper.Kind != TWrapperKind::None) Wrap(plan.Wrapper, control, plan.TrueProps);
  RunChildStep(plan.After, plan, control);
}

void TWinSkinForm::RunChildStep(TChildStep step, const TControlPlan& plan, TControl& control) {
  auto* parent = dynamic_cast<TWinControl*>(&control);
  if (step == TChildStep::None || !parent) return;
  if (step == TChildStep::SkinChildren) return SkinChildren(*parent);
  if (step == TChildStep::SkinComponents) return SkinComponents(control);
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl& child = *parent->Controls(i);
    if (step == TChildStep::SkinEachChild) {
      SkinControl(child, nullptr);
      continue;
    }
    // The children are wrapped here directly: the rules that keep a
    // control from being skinned apply all the same.
    if (child.Tag() == FSkinData->DisableTag() || IsSkinned(child)) continue;
    if (step == TChildStep::WrapEachChild)
      Wrap(plan.ChildWrapper, child);
    else if (IsA(child, "TScrollBar"))
      Wrap(TWrapperChoice{TWrapperKind::ScControl}, child);
    else if (HasScrollBars(child))
      Wrap(TWrapperChoice{TWrapperKind::Scrollbar}, child);
  }
}

TSkinControl* TWinSkinForm::Wrap(const TWrapperChoice& choice, TControl& control,
                                 std::span<const std::string_view> trueProps) {
  if (!EnsureHandle(control)) return nullptr;
  TSkinControl* wrapper = FCreateWrapper(choice, &control);
  if (!wrapper) return nullptr;
  wrapper->FKind = choice.FKind;
  for (std::string_view name : trueProps) TSkinControl::SetPropFromText(&control, name, "True");
  auto* windowed = dynamic_cast<TWinControl*>(&control);
  if (choice.AsWindow && windowed)
    wrapper->InitHandle(windowed->Handle(), FSkinData, this, &FCanvas);
  else
    wrapper->InitControl(this, FSkinData, choice.SetColor, &FCanvas);
  return wrapper;
}

void TWinSkinForm::SkinChildWindows(HWND window) {
  for (HWND child = GetTopWindow(window); child; child = GetWindow(child, GW_HWNDNEXT))
    if (GetWindowLongA(child, GWL_STYLE) & WS_CHILD) SkinWindow(child);
}

void TWinSkinForm::SkinWindow(HWND window) {
  if (!window) return;
  if (std::any_of(FControls.begin(), FControls.end(),
                  [window](const TSkinControl* wrapper) { return wrapper->FHandle == window; }))
    return;
  char name[101] = {};
  GetClassNameA(window, name, sizeof name);
  const auto style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
  const TWindowPlan plan = PlanWindow(AsciiLowerCase(name), style, FSkinData->SkinControls());
  if (plan.ChildWindows) SkinChildWindows(window);
  if (plan.ColourControl)
    if (TWinControl* control = FindControl(window)) control->SetColor(FSkinData->FColours[scButtonFace]);
  if (plan.Wrapper.Kind == TWrapperKind::None) return;
  const HWND target = plan.OnFirstChild ? GetWindow(window, GW_CHILD) : window;
  // Nothing is wrapped twice.
  if (!target || AnswersSkinned(target)) return;
  if (TSkinControl* wrapper = FCreateWrapper(plan.Wrapper, this)) wrapper->InitHandle(target, FSkinData, this, &FCanvas);
}

void TWinSkinForm::ReskinScrollbar(HWND window) {
  TWinControl* control = FindControl(window);
  if (!control) return;
  for (TSkinControl* wrapper : std::vector(FControls)) {
    auto* old = dynamic_cast<TSkinScrollbar*>(wrapper);
    if (!old || old->FControl != control) continue;
    const TWrapperChoice choice{dynamic_cast<TSkinListView*>(old) ? TWrapperKind::ListView : TWrapperKind::Scrollbar,
                            old->FKind};
    if (old->FState != kWrapperDestroyed) old->Unskin();
    delete old;
    Wrap(choice, *control);
    return;
  }
}
