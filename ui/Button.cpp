#include "ui/Button.h"

#include "ui/TypInfo.h"

namespace {

constexpr std::string_view kCheckBoxStateNames[] = {"cbUnchecked", "cbChecked", "cbGrayed"};
// A check box or radio button puts its caption left or right of the mark.
constexpr std::string_view kLeftRightNames[] = {"taLeftJustify", "taRightJustify"};

TAlignment LeftOrRight(TAlignment alignment) {
  return alignment == TAlignment::taLeftJustify ? alignment : TAlignment::taRightJustify;
}

}  // namespace

QV_CLASS_INFO(TButtonControl, {});

const TPropInfo TButton::Published[] = {
    Prop<TTypeKind::String, &TControl::Caption, &TControl::SetCaption>("Caption"),
    Prop<TTypeKind::Boolean, &TButton::Default, &TButton::SetDefault>("Default"),
    Prop<TTypeKind::Method, &TControl::OnClick, &TControl::OnClick>("OnClick"),
};
QV_CLASS_INFO(TButton, Published);

QV_CLASS_INFO(TCustomCheckBox, {});

const TPropInfo TCheckBox::Published[] = {
    Prop<TTypeKind::String, &TControl::Caption, &TControl::SetCaption>("Caption"),
    Prop<TTypeKind::Enumeration, &TCustomCheckBox::State, &TCustomCheckBox::SetState>("State",
                                                                                     kCheckBoxStateNames),
    Prop<TTypeKind::Boolean, &TCustomCheckBox::Checked, &TCustomCheckBox::SetChecked>("Checked"),
    Prop<TTypeKind::Boolean, &TCustomCheckBox::AllowGrayed, &TCustomCheckBox::SetAllowGrayed>("AllowGrayed"),
    Prop<TTypeKind::Enumeration, &TCustomCheckBox::Alignment, &TCustomCheckBox::SetAlignment>("Alignment",
                                                                                             kLeftRightNames),
    Prop<TTypeKind::Method, &TControl::OnClick, &TControl::OnClick>("OnClick"),
};
QV_CLASS_INFO(TCheckBox, Published);

const TPropInfo TRadioButton::Published[] = {
    Prop<TTypeKind::String, &TControl::Caption, &TControl::SetCaption>("Caption"),
    Prop<TTypeKind::Boolean, &TRadioButton::Checked, &TRadioButton::SetChecked>("Checked"),
    Prop<TTypeKind::Enumeration, &TRadioButton::Alignment, &TRadioButton::SetAlignment>("Alignment",
                                                                                       kLeftRightNames),
    Prop<TTypeKind::Method, &TControl::OnClick, &TControl::OnClick>("OnClick"),
};
QV_CLASS_INFO(TRadioButton, Published);

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {
  SetColor(SystemColor(COLOR_BTNFACE));
}

void TButtonControl::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, "BUTTON");
  params.Style |= WS_TABSTOP;
}

void TButtonControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND: return CNCommand(message);
    default: return TWinControl::WndProc(message);
  }
}

void TButtonControl::Clicked() { Click(); }

void TButtonControl::CNCommand(TMessage& message) {
  if (HIWORD(message.WParam) == BN_CLICKED) Clicked();
  message.Result = 0;
}

TButton::TButton(TComponent* owner) : TButtonControl(owner) { SetBounds(0, 0, 75, 25); }

void TButton::SetDefault(bool isDefault) {
  if (isDefault == FDefault) return;
  FDefault = isDefault;
  if (!HandleAllocated()) return;
  // A button that draws itself draws the border itself.
  const auto type = static_cast<DWORD>(GetWindowLongA(Handle(), GWL_STYLE)) & BS_TYPEMASK;
  if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) {
    SendMessageA(Handle(), BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
  } else {
    Invalidate();
  }
}

void TButton::CreateParams(TCreateParams& params) {
  TButtonControl::CreateParams(params);
  params.Style |= FDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

TCustomCheckBox::TCustomCheckBox(TComponent* owner) : TButtonControl(owner) { SetBounds(0, 0, 97, 17); }

void TCustomCheckBox::SetState(TCheckBoxState state) {
  if (state == FState) return;
  FState = state;
  if (HandleAllocated()) SendMessageA(Handle(), BM_SETCHECK, static_cast<WPARAM>(state), 0);
  Click();
}

void TCustomCheckBox::SetAllowGrayed(bool allowGrayed) {
  if (allowGrayed == FAllowGrayed) return;
  FAllowGrayed = allowGrayed;
  RecreateWnd();
}

void TCustomCheckBox::SetAlignment(TAlignment alignment) {
  alignment = LeftOrRight(alignment);
  if (alignment == FAlignment) return;
  FAlignment = alignment;
  RecreateWnd();
}

void TCustomCheckBox::CreateParams(TCreateParams& params) {
  TButtonControl::CreateParams(params);
  params.Style |= FAllowGrayed ? BS_3STATE : BS_CHECKBOX;
  if (FAlignment == TAlignment::taLeftJustify) params.Style |= BS_LEFTTEXT;
}

void TCustomCheckBox::CreateWnd() {
  TButtonControl::CreateWnd();
  SendMessageA(Handle(), BM_SETCHECK, static_cast<WPARAM>(FState), 0);
}

void TCustomCheckBox::Clicked() {
  switch (FState) {
    case TCheckBoxState::cbUnchecked: return SetState(TCheckBoxState::cbChecked);
    case TCheckBoxState::cbChecked:
      return SetState(FAllowGrayed ? TCheckBoxState::cbGrayed : TCheckBoxState::cbUnchecked);
    case TCheckBoxState::cbGrayed: return SetState(TCheckBoxState::cbUnchecked);
  }
}

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) { SetBounds(0, 0, 113, 17); }

void TRadioButton::SetChecked(bool checked) {
  if (checked == FChecked) return;
  FChecked = checked;
  if (HandleAllocated()) SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  if (!checked) return;
  // One radio button of a parent is checked at a time.
  if (TWinControl* parent = Parent()) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
      auto* sibling = dynamic_cast<TRadioButton*>(parent->Controls(i));
      if (sibling && sibling != this) sibling->SetChecked(false);
    }
  }
  Click();
}

void TRadioButton::SetAlignment(TAlignment alignment) {
  alignment = LeftOrRight(alignment);
  if (alignment == FAlignment) return;
  FAlignment = alignment;
  RecreateWnd();
}

void TRadioButton::CreateParams(TCreateParams& params) {
  TButtonControl::CreateParams(params);
  params.Style |= BS_RADIOBUTTON;
  if (FAlignment == TAlignment::taLeftJustify) params.Style |= BS_LEFTTEXT;
}

void TRadioButton::CreateWnd() {
  TButtonControl::CreateWnd();
  SendMessageA(Handle(), BM_SETCHECK, FChecked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::Clicked() { SetChecked(true); }
