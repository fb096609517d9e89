#include "ui/Edit.h"

#include "ui/TypInfo.h"

QV_CLASS_INFO(TCustomEdit, {});

const TPropInfo TEdit::Published[] = {
    Prop<TTypeKind::String, &TControl::Text, &TControl::SetText>("Text"),
    Prop<TTypeKind::Enumeration, &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle>("BorderStyle",
                                                                                         kBorderStyleNames),
    Prop<TTypeKind::Boolean, &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly>("ReadOnly"),
    Prop<TTypeKind::Integer, &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength>("MaxLength"),
    Prop<TTypeKind::Method, &TCustomEdit::OnChange, &TCustomEdit::OnChange>("OnChange"),
};
QV_CLASS_INFO(TEdit, Published);

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  SetColor(SystemColor(COLOR_WINDOW));
  SetBounds(0, 0, 121, 21);
}

void TCustomEdit::SetBorderStyle(TBorderStyle borderStyle) {
  if (borderStyle == FBorderStyle) return;
  FBorderStyle = borderStyle;
  RecreateWnd();
}

void TCustomEdit::SetReadOnly(bool readOnly) {
  if (readOnly == FReadOnly) return;
  FReadOnly = readOnly;
  if (HandleAllocated()) SendMessageA(Handle(), EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

void TCustomEdit::SetMaxLength(int maxLength) {
  if (maxLength < 0) maxLength = 0;
  if (maxLength == FMaxLength) return;
  FMaxLength = maxLength;
  if (HandleAllocated()) SendMessageA(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(maxLength), 0);
}

void TCustomEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, "EDIT");
  params.Style |= WS_TABSTOP | ES_AUTOHSCROLL;
  if (FReadOnly) params.Style |= ES_READONLY;
  if (FBorderStyle == TBorderStyle::bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::CreateWnd() {
  TWinControl::CreateWnd();
  if (FMaxLength) SendMessageA(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(FMaxLength), 0);
}

void TCustomEdit::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND: return CNCommand(message);
    default: return TWinControl::WndProc(message);
  }
}

void TCustomEdit::CNCommand(TMessage& message) {
  if (HIWORD(message.WParam) == EN_CHANGE && OnChange) OnChange(this);
  message.Result = 0;
}
