#include "ui/Actions.h"

#include <algorithm>

#include "ui/TypInfo.h"

const TPropInfo TAction::Published[] = {
    Prop<TTypeKind::String, &TAction::Caption, &TAction::SetCaption>("Caption"),
    Prop<TTypeKind::Integer, &TAction::ShortCut, &TAction::SetShortCut>("ShortCut"),
    Prop<TTypeKind::Boolean, &TAction::Enabled, &TAction::SetEnabled>("Enabled"),
    Prop<TTypeKind::Boolean, &TAction::Checked, &TAction::SetChecked>("Checked"),
    Prop<TTypeKind::Boolean, &TAction::Visible, &TAction::SetVisible>("Visible"),
    Prop<TTypeKind::Integer, &TAction::ImageIndex, &TAction::SetImageIndex>("ImageIndex"),
    Prop<TTypeKind::Method, &TAction::OnExecute, &TAction::OnExecute>("OnExecute"),
    Prop<TTypeKind::Method, &TAction::OnUpdate, &TAction::OnUpdate>("OnUpdate"),
};
QV_CLASS_INFO(TAction, Published);

TAction::~TAction() {
  // Each client keeps the values it shows.
  while (!FClients.empty()) FClients.back()->SetAction(nullptr);
}

void TAction::SetCaption(const std::string& caption) {
  if (caption == FCaption) return;
  FCaption = caption;
  Changed();
}

void TAction::SetShortCut(TShortCut shortCut) {
  if (shortCut == FShortCut) return;
  FShortCut = shortCut;
  Changed();
}

void TAction::SetEnabled(bool enabled) {
  if (enabled == FEnabled) return;
  FEnabled = enabled;
  Changed();
}

void TAction::SetChecked(bool checked) {
  if (checked == FChecked) return;
  FChecked = checked;
  Changed();
}

void TAction::SetVisible(bool visible) {
  if (visible == FVisible) return;
  FVisible = visible;
  Changed();
}

void TAction::SetImageIndex(int index) {
  if (index == FImageIndex) return;
  FImageIndex = index;
  Changed();
}

bool TAction::Execute() {
  if (!OnExecute) return false;
  OnExecute(this);
  return true;
}

bool TAction::Update() {
  if (!OnUpdate) return false;
  OnUpdate(this);
  return true;
}

void TAction::Changed() {
  // A client may leave while it takes the values (its handler frees it).
  const std::vector<TMenuItem*> clients = FClients;
  for (TMenuItem* client : clients)
    if (std::find(FClients.begin(), FClients.end(), client) != FClients.end()) client->TakeActionValues();
}
