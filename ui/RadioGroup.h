#pragma once
// Radio groups: a group box holding one radio button (TRadioButton, owned
// by the group) per string of Items, laid out in Columns. Checking a button
// makes its index the group's ItemIndex and calls the group's Click
// (OnClick); setting ItemIndex checks the button.
#include <memory>
#include <vector>

#include "ui/Button.h"
#include "ui/GroupBox.h"
#include "ui/ItemStrings.h"

class TCustomRadioGroup : public TCustomGroupBox {
 public:
  QV_CLASS(TCustomRadioGroup, TCustomGroupBox)

  explicit TCustomRadioGroup(TComponent* owner);

  TStrings* Items() const { return FItems.get(); }
  void SetItems(const TStrings* items);
  // The checked button; -1 for none.
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int index);
  int Columns() const { return FColumns; }
  void SetColumns(int columns);
  // The button of item index.
  TRadioButton* Buttons(int index) const;

  void Notification(TComponent* component, TOperation operation) override;

 protected:
  void AlignControls() override;

 private:
  void ItemsChanged(TItemChange change, int index);
  void ButtonClicked(TObject* sender);

  std::unique_ptr<TItemStrings> FItems;
  std::vector<TRadioButton*> FButtons;
  int FItemIndex = -1;
  int FColumns = 1;
};

class TRadioGroup : public TCustomRadioGroup {
 public:
  QV_CLASS(TRadioGroup, TCustomRadioGroup)

  using TCustomRadioGroup::TCustomRadioGroup;

 private:
  static const TPropInfo Published[];
};
