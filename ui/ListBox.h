#pragma once
// List boxes: the system's list box under the list box's own class name
// ("TListBox"), showing Items one per line; the user picks one (ItemIndex),
// which calls Click (OnClick). The system shows a vertical scroll bar when
// the items do not fit.
#include <memory>

#include "ui/ControlTypes.h"
#include "ui/ItemStrings.h"
#include "ui/WinControl.h"

class TCustomListBox : public TWinControl {
 public:
  QV_CLASS(TCustomListBox, TWinControl)

  explicit TCustomListBox(TComponent* owner);

  TStrings* Items() const { return FItems.get(); }
  void SetItems(const TStrings* items);
  // The chosen item; -1 for none.
  int ItemIndex() const;
  void SetItemIndex(int index);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle borderStyle);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;

 private:
  void ItemsChanged(TItemChange change, int index);
  void CNCommand(TMessage& message);
  void WMDestroy(TMessage& message);

  std::unique_ptr<TItemStrings> FItems;
  int FItemIndex = -1;
  TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
};

class TListBox : public TCustomListBox {
 public:
  QV_CLASS(TListBox, TCustomListBox)

  using TCustomListBox::TCustomListBox;

 private:
  static const TPropInfo Published[];
};
