#pragma once
// The strings a control shows in its window (a list box's items, a tab
// control's tabs, a radio group's buttons): the list keeps them, so that
// they outlive a window created anew, and tells the control of every change
// so that it changes its window the same way.
#include "ui/Method.h"
#include "ui/Strings.h"

enum class TItemChange { icInserted, icDeleting, icChanged, icCleared };

class TItemStrings : public TStringList {
 public:
  QV_CLASS(TItemStrings, TStringList)

  // Called after an insertion or a change of the string at index, before a
  // deletion, and after the list was cleared (index -1).
  using TChangeEvent = TMethod<void(TItemChange change, int index)>;

  explicit TItemStrings(TChangeEvent onChange) : FOnChange(onChange) {}

  void Put(int index, const std::string& text) override;
  void Insert(int index, const std::string& text) override;
  void Delete(int index) override;
  void Clear() override;

 private:
  TChangeEvent FOnChange;
};
