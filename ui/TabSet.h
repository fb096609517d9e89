#pragma once
// Tab sets: a windowed control that shows a row of tabs hanging from its
// top edge, as tabs at the bottom of a notebook do; a click on a tab
// chooses it (TabIndex) and calls OnChange.
#include <memory>

#include "ui/CustomControl.h"
#include "ui/ItemStrings.h"

class TTabSet : public TCustomControl {
 public:
  QV_CLASS(TTabSet, TCustomControl)

  explicit TTabSet(TComponent* owner);

  TStrings* Tabs() const { return FTabs.get(); }
  void SetTabs(const TStrings* tabs);
  // The chosen tab; -1 for none. Setting it calls no OnChange.
  int TabIndex() const { return FTabIndex; }
  void SetTabIndex(int index);
  // Where tab index stands, in client coordinates: the tabs side by side
  // from the left, each as wide as its text in the control's font and a
  // margin on either side, as high as the control but for the bottom line.
  RECT TabRect(int index) const;
  // The tab at a client point; -1 for none.
  int TabAt(POINT point) const;

  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

  TNotifyEvent OnChange;

 protected:
  void Paint() override;

 private:
  static const TPropInfo Published[];

  void TabsChanged(TItemChange change, int index);

  std::unique_ptr<TItemStrings> FTabs;
  int FTabIndex = -1;
};
