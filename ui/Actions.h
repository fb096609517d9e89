#pragma once
// Actions: one command that several clients (menu items) show and run. An
// action holds what its clients show (caption, shortcut, enabled, checked,
// visible, image) and passes every change on to them; Execute runs it.
// Before a client is shown the program may bring the action up to date in
// OnUpdate (enable or check it for the current state), through Update.
#include <string>
#include <vector>

#include "ui/Component.h"
#include "ui/Menus.h"

class TAction : public TComponent {
  QV_CLASS(TAction, TComponent)

  using TComponent::TComponent;
  // Its clients forget it.
  ~TAction() override;

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& caption);
  TShortCut ShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut shortCut);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool enabled);
  bool Checked() const { return FChecked; }
  void SetChecked(bool checked);
  bool Visible() const { return FVisible; }
  void SetVisible(bool visible);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int index);

  // Runs OnExecute; false when it has none.
  bool Execute();
  // Runs OnUpdate; false when it has none.
  bool Update();

  TNotifyEvent OnExecute;
  TNotifyEvent OnUpdate;

 private:
  friend class TMenuItem;
  static const TPropInfo Published[];

  void Changed();

  std::string FCaption;
  TShortCut FShortCut = 0;
  bool FEnabled = true;
  bool FChecked = false;
  bool FVisible = true;
  int FImageIndex = -1;
  // The menu items that show the action; each leaves when it goes.
  std::vector<TMenuItem*> FClients;
};
