#pragma once
// Combo boxes: the system's combo box under the combo box's own class name
// ("TComboBox"): a box with the chosen or typed text and a list of Items
// that drops down (or, in the simple style, always shows). Choosing an item
// calls Click and OnChange; typing calls OnChange.
#include <memory>

#include "ui/ItemStrings.h"
#include "ui/WinControl.h"

enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList };

class TCustomComboBox : public TWinControl {
 public:
  QV_CLASS(TCustomComboBox, TWinControl)

  explicit TCustomComboBox(TComponent* owner);

  TStrings* Items() const { return FItems.get(); }
  void SetItems(const TStrings* items);
  // The chosen item; -1 for none (the text may still be typed).
  int ItemIndex() const;
  void SetItemIndex(int index);
  TComboBoxStyle Style() const { return FStyle; }
  void SetStyle(TComboBoxStyle style);
  // How many items the dropped list shows at once.
  int DropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int count);
  // The system sets the height of the box; a new height is ignored except
  // for the simple style.
  void SetBounds(int left, int top, int width, int height) override;

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;

 private:
  // The window's height with the list dropped.
  int DroppedHeight() const;
  void ItemsChanged(TItemChange change, int index);
  void CNCommand(TMessage& message);
  void WMDestroy(TMessage& message);
  void Change();

  std::unique_ptr<TItemStrings> FItems;
  int FItemIndex = -1;
  TComboBoxStyle FStyle = TComboBoxStyle::csDropDown;
  int FDropDownCount = 8;
};

class TComboBox : public TCustomComboBox {
 public:
  QV_CLASS(TComboBox, TCustomComboBox)

  using TCustomComboBox::TCustomComboBox;

 private:
  static const TPropInfo Published[];
};
