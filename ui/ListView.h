#pragma once
// List views: the system's list view under the list view's own class name
// ("TListView"), showing Items as icons, a list, or (vsReport) rows under
// the Columns of a header; an item's SubItems fill the columns after the
// first. The user selects an item (ItemIndex) and widens columns by
// dragging the header.
#include "ui/Collection.h"
#include "ui/ControlTypes.h"
#include "ui/ImageList.h"
#include "ui/ItemStrings.h"
#include "ui/WinControl.h"

class TCustomListView;

class TListColumn : public TCollectionItem {
 public:
  QV_CLASS(TListColumn, TCollectionItem)

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& caption);
  // The width the window shows, which the user may have dragged.
  int Width() const;
  void SetWidth(int width);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment alignment);

 private:
  friend class TCustomListView;
  friend class TListColumns;
  static const TPropInfo Published[];

  std::string FCaption;
  int FWidth = 50;
  TAlignment FAlignment = TAlignment::taLeftJustify;
  const TCustomListView* FListView = nullptr;
};

class TListColumns : public TCollection {
 public:
  QV_CLASS(TListColumns, TCollection)

  using TCollection::TCollection;

  TListColumn* Add();
  TListColumn* Items(int index) const { return static_cast<TListColumn*>(TCollection::Items(index)); }

 private:
  friend class TCustomListView;
  const TCustomListView* FListView = nullptr;
};

class TListItem : public TCollectionItem {
 public:
  QV_CLASS(TListItem, TCollectionItem)

  TListItem();

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& caption);
  // The texts of the columns after the first.
  TStrings* SubItems() const { return FSubItems.get(); }
  // The icon in the list view's image lists; -1 for none.
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int index);

 private:
  static const TPropInfo Published[];

  void SubItemsChanged(TItemChange change, int index);

  std::string FCaption;
  std::unique_ptr<TItemStrings> FSubItems;
  int FImageIndex = -1;
};

class TListItems : public TCollection {
 public:
  QV_CLASS(TListItems, TCollection)

  using TCollection::TCollection;

  TListItem* Add();
  TListItem* Items(int index) const { return static_cast<TListItem*>(TCollection::Items(index)); }
};

enum class TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };

class TCustomListView : public TWinControl {
 public:
  QV_CLASS(TCustomListView, TWinControl)

  explicit TCustomListView(TComponent* owner);

  TListColumns* Columns() const { return FColumns.get(); }
  TListItems* Items() const { return FItems.get(); }
  TViewStyle ViewStyle() const { return FViewStyle; }
  void SetViewStyle(TViewStyle style);
  // The icons of the small-icon, list and report views, and of the icon
  // view; not owned.
  TImageList* SmallImages() const { return FSmallImages; }
  void SetSmallImages(TImageList* images);
  TImageList* LargeImages() const { return FLargeImages; }
  void SetLargeImages(TImageList* images);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle borderStyle);
  // A click anywhere on a row selects it, not only on its first column.
  bool RowSelect() const { return FRowSelect; }
  void SetRowSelect(bool rowSelect);
  // The selected item; -1 for none.
  int ItemIndex() const;
  void SetItemIndex(int index);

  void Notification(TComponent* component, TOperation operation) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void CNNotify(const NMHDR& header, TMessage& message) override;
  void WndProc(TMessage& message) override;

 private:
  friend class TListColumn;

  void ColumnsChanged(TCollectionItem* item, TCollectionChange change);
  void ItemsChanged(TCollectionItem* item, TCollectionChange change);
  void SetColumn(int index, UINT message);
  void InsertItem(int index);
  void SetItemTexts(int index);
  void UpdateImages();
  void WMDestroy(TMessage& message);

  std::unique_ptr<TListColumns> FColumns;
  std::unique_ptr<TListItems> FItems;
  TViewStyle FViewStyle = TViewStyle::vsIcon;
  TImageList* FSmallImages = nullptr;
  TImageList* FLargeImages = nullptr;
  TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
  bool FRowSelect = false;
  int FItemIndex = -1;
};

class TListView : public TCustomListView {
 public:
  QV_CLASS(TListView, TCustomListView)

  using TCustomListView::TCustomListView;

 private:
  static const TPropInfo Published[];
};
