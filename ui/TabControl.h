#pragma once
// Tab controls: the system's tab control under the tab control's own class
// name ("TTabControl"), a row of Tabs (on any side, TabPosition; in several
// rows, MultiLine; as tabs or buttons, Style) above a display area, which
// the aligned child controls fill. Choosing a tab calls OnChange. A page
// control (ui/PageControl.h) is a tab control whose tabs show pages.
#include <memory>
#include <string_view>

#include "ui/ImageList.h"
#include "ui/ItemStrings.h"
#include "ui/WinControl.h"

enum class TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
inline constexpr std::string_view kTabPositionNames[] = {"tpTop", "tpBottom", "tpLeft", "tpRight"};
enum class TTabStyle { tsTabs, tsButtons, tsFlatButtons };
inline constexpr std::string_view kTabStyleNames[] = {"tsTabs", "tsButtons", "tsFlatButtons"};

class TCustomTabControl : public TWinControl {
 public:
  QV_CLASS(TCustomTabControl, TWinControl)

  explicit TCustomTabControl(TComponent* owner);

  TStrings* Tabs() const { return FTabs.get(); }
  void SetTabs(const TStrings* tabs);
  // The chosen tab; -1 for none. Setting it calls no OnChange.
  int TabIndex() const;
  void SetTabIndex(int index);
  TTabPosition TabPosition() const { return FTabPosition; }
  void SetTabPosition(TTabPosition position);
  bool MultiLine() const { return FMultiLine; }
  void SetMultiLine(bool multiLine);
  TTabStyle Style() const { return FStyle; }
  void SetStyle(TTabStyle style);
  // The icons of the tabs, not owned.
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* images);
  // The area the tabs leave, in client coordinates.
  RECT DisplayRect() const;

  void Notification(TComponent* component, TOperation operation) override;

  TNotifyEvent OnChange;

 protected:
  // The user chose another tab: OnChange.
  virtual void Change();
  // The icon of tab index; by default its index in Images.
  virtual int TabImageIndex(int index) const;
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void AdjustClientRect(RECT& rect) const override;
  void CNNotify(const NMHDR& header, TMessage& message) override;
  void WndProc(TMessage& message) override;

 private:
  void TabsChanged(TItemChange change, int index);
  void SetTab(int index, UINT message);
  void WMDestroy(TMessage& message);

  std::unique_ptr<TItemStrings> FTabs;
  int FTabIndex = -1;
  TTabPosition FTabPosition = TTabPosition::tpTop;
  bool FMultiLine = false;
  TTabStyle FStyle = TTabStyle::tsTabs;
  TImageList* FImages = nullptr;
};

class TTabControl : public TCustomTabControl {
 public:
  QV_CLASS(TTabControl, TCustomTabControl)

  using TCustomTabControl::TCustomTabControl;

 private:
  static const TPropInfo Published[];
};
