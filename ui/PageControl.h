#pragma once
// Page controls: a tab control whose tabs stand for its pages (TTabSheet
// children, in the order they were put in). The active page fills the
// display area and is the only one shown; choosing a tab shows its page and
// calls OnChange. A tab sheet is put into a page control by making it the
// sheet's parent; its caption is its tab's text.
#include <vector>

#include "ui/TabControl.h"

class TTabSheet;

class TPageControl : public TCustomTabControl {
 public:
  QV_CLASS(TPageControl, TCustomTabControl)

  explicit TPageControl(TComponent* owner);

  int PageCount() const { return static_cast<int>(FPages.size()); }
  TTabSheet* Pages(int index) const;
  TTabSheet* ActivePage() const { return FActivePage; }
  void SetActivePage(TTabSheet* page);
  int ActivePageIndex() const;
  void SetActivePageIndex(int index);

 protected:
  void Change() override;
  int TabImageIndex(int index) const override;
  void WndProc(TMessage& message) override;

 private:
  friend class TTabSheet;
  static const TPropInfo Published[];

  int IndexOfPage(const TControl* page) const;
  // A sheet's caption or icon changed.
  void UpdateTab(TTabSheet* page);
  void CMControlListChange(TMessage& message);
  void ShowActivePage();

  std::vector<TTabSheet*> FPages;
  TTabSheet* FActivePage = nullptr;
};

class TTabSheet : public TWinControl {
 public:
  QV_CLASS(TTabSheet, TWinControl)

  explicit TTabSheet(TComponent* owner);

  // The page control the sheet is in (its parent), or nullptr.
  TPageControl* PageControl() const;
  void SetPageControl(TPageControl* pageControl) { SetParent(pageControl); }
  int PageIndex() const;
  // The icon of the sheet's tab in the page control's Images; -1 for none.
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int index);

 protected:
  void WndProc(TMessage& message) override;

 private:
  static const TPropInfo Published[];

  void CMTextChanged(TMessage& message);

  int FImageIndex = -1;
};
