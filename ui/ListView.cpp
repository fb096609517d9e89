#include "ui/ListView.h"

#include <algorithm>

#include "ui/CommonControls.h"
#include "ui/TypInfo.h"

namespace {

constexpr std::string_view kViewStyleNames[] = {"vsIcon", "vsSmallIcon", "vsList", "vsReport"};

int ColumnFormat(TAlignment alignment) {
  switch (alignment) {
    case TAlignment::taRightJustify: return LVCFMT_RIGHT;
    case TAlignment::taCenter: return LVCFMT_CENTER;
    default: return LVCFMT_LEFT;
  }
}

}  // namespace

const TPropInfo TListColumn::Published[] = {
    Prop<TTypeKind::String, &TListColumn::Caption, &TListColumn::SetCaption>("Caption"),
    Prop<TTypeKind::Integer, &TListColumn::Width, &TListColumn::SetWidth>("Width"),
    Prop<TTypeKind::Enumeration, &TListColumn::Alignment, &TListColumn::SetAlignment>("Alignment",
                                                                                     kAlignmentNames),
};
QV_CLASS_INFO(TListColumn, Published);
QV_CLASS_INFO(TListColumns, {});

const TPropInfo TListItem::Published[] = {
    Prop<TTypeKind::String, &TListItem::Caption, &TListItem::SetCaption>("Caption"),
    Prop<TTypeKind::Object, &TListItem::SubItems, nullptr>("SubItems"),
    Prop<TTypeKind::Integer, &TListItem::ImageIndex, &TListItem::SetImageIndex>("ImageIndex"),
};
QV_CLASS_INFO(TListItem, Published);
QV_CLASS_INFO(TListItems, {});
QV_CLASS_INFO(TCustomListView, {});

const TPropInfo TListView::Published[] = {
    Prop<TTypeKind::Object, &TCustomListView::Columns, nullptr>("Columns"),
    Prop<TTypeKind::Object, &TCustomListView::Items, nullptr>("Items"),
    Prop<TTypeKind::Enumeration, &TCustomListView::ViewStyle, &TCustomListView::SetViewStyle>("ViewStyle",
                                                                                             kViewStyleNames),
    Prop<TTypeKind::Object, &TCustomListView::SmallImages, &TCustomListView::SetSmallImages>("SmallImages"),
    Prop<TTypeKind::Object, &TCustomListView::LargeImages, &TCustomListView::SetLargeImages>("LargeImages"),
    Prop<TTypeKind::Enumeration, &TCustomListView::BorderStyle, &TCustomListView::SetBorderStyle>(
        "BorderStyle", kBorderStyleNames),
    Prop<TTypeKind::Boolean, &TCustomListView::RowSelect, &TCustomListView::SetRowSelect>("RowSelect"),
    Prop<TTypeKind::Integer, &TCustomListView::ItemIndex, &TCustomListView::SetItemIndex>("ItemIndex"),
    Prop<TTypeKind::Method, &TControl::OnClick, &TControl::OnClick>("OnClick"),
};
QV_CLASS_INFO(TListView, Published);

void TListColumn::SetCaption(const std::string& caption) {
  FCaption = caption;
  Changed();
}

int TListColumn::Width() const {
  if (!FListView || !FListView->HandleAllocated()) return FWidth;
  return static_cast<int>(SendMessageA(FListView->WindowHandle(), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(Index()), 0));
}

void TListColumn::SetWidth(int width) {
  FWidth = width < 0 ? 0 : width;
  Changed();
}

void TListColumn::SetAlignment(TAlignment alignment) {
  FAlignment = alignment;
  Changed();
}

TListColumn* TListColumns::Add() {
  auto column = std::make_unique<TListColumn>();
  column->FListView = FListView;
  return static_cast<TListColumn*>(AddItem(std::move(column)));
}

TListItem::TListItem()
    : FSubItems(std::make_unique<TItemStrings>(TItemStrings::TChangeEvent::Of<&TListItem::SubItemsChanged>(this))) {}

void TListItem::SetCaption(const std::string& caption) {
  FCaption = caption;
  Changed();
}

void TListItem::SetImageIndex(int index) {
  FImageIndex = index;
  Changed();
}

void TListItem::SubItemsChanged(TItemChange, int) { Changed(); }

TListItem* TListItems::Add() { return static_cast<TListItem*>(AddItem(std::make_unique<TListItem>())); }

TCustomListView::TCustomListView(TComponent* owner)
    : TWinControl(owner),
      FColumns(std::make_unique<TListColumns>(TCollection::TChangeEvent::Of<&TCustomListView::ColumnsChanged>(this))),
      FItems(std::make_unique<TListItems>(TCollection::TChangeEvent::Of<&TCustomListView::ItemsChanged>(this))) {
  FColumns->FListView = this;
  SetColor(SystemColor(COLOR_WINDOW));
  SetBounds(0, 0, 250, 150);
}

void TCustomListView::SetViewStyle(TViewStyle style) {
  if (style == FViewStyle) return;
  FViewStyle = style;
  RecreateWnd();
}

void TCustomListView::SetSmallImages(TImageList* images) {
  FSmallImages = images;
  UpdateImages();
}

void TCustomListView::SetLargeImages(TImageList* images) {
  FLargeImages = images;
  UpdateImages();
}

void TCustomListView::SetBorderStyle(TBorderStyle borderStyle) {
  if (borderStyle == FBorderStyle) return;
  FBorderStyle = borderStyle;
  RecreateWnd();
}

void TCustomListView::SetRowSelect(bool rowSelect) {
  FRowSelect = rowSelect;
  if (HandleAllocated()) {
    SendMessageA(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, rowSelect ? LVS_EX_FULLROWSELECT : 0);
  }
}

int TCustomListView::ItemIndex() const {
  if (!HandleAllocated()) return FItemIndex;
  return static_cast<int>(SendMessageA(WindowHandle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void TCustomListView::SetItemIndex(int index) {
  if (index < -1 || index >= FItems->Count()) index = -1;
  FItemIndex = index;
  if (!HandleAllocated()) return;
  // Only the given item is selected.
  LVITEMA item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = 0;
  SendMessageA(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
  if (index < 0) return;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageA(Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void TCustomListView::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == FSmallImages) SetSmallImages(nullptr);
  if (component == FLargeImages) SetLargeImages(nullptr);
}

void TCustomListView::CreateParams(TCreateParams& params) {
  InitCommonControl(ICC_LISTVIEW_CLASSES);
  TWinControl::CreateParams(params);
  CreateSubClass(params, WC_LISTVIEWA);
  // The image lists belong to their components, not to the window.
  params.Style |= WS_TABSTOP | LVS_SHAREIMAGELISTS | LVS_SHOWSELALWAYS | LVS_SINGLESEL;
  switch (FViewStyle) {
    case TViewStyle::vsIcon: params.Style |= LVS_ICON; break;
    case TViewStyle::vsSmallIcon: params.Style |= LVS_SMALLICON; break;
    case TViewStyle::vsList: params.Style |= LVS_LIST; break;
    case TViewStyle::vsReport: params.Style |= LVS_REPORT; break;
  }
  if (FBorderStyle == TBorderStyle::bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListView::CreateWnd() {
  TWinControl::CreateWnd();
  UpdateImages();
  SetRowSelect(FRowSelect);
  for (int i = 0; i < FColumns->Count(); ++i) SetColumn(i, LVM_INSERTCOLUMNA);
  for (int i = 0; i < FItems->Count(); ++i) InsertItem(i);
  SetItemIndex(FItemIndex);
}

void TCustomListView::UpdateImages() {
  if (!HandleAllocated()) return;
  SendMessageA(Handle(), LVM_SETIMAGELIST, LVSIL_SMALL,
               reinterpret_cast<LPARAM>(FSmallImages ? FSmallImages->Handle() : nullptr));
  SendMessageA(Handle(), LVM_SETIMAGELIST, LVSIL_NORMAL,
               reinterpret_cast<LPARAM>(FLargeImages ? FLargeImages->Handle() : nullptr));
}

// Inserts (LVM_INSERTCOLUMNA) or updates (LVM_SETCOLUMNA) a column.
void TCustomListView::SetColumn(int index, UINT message) {
  const TListColumn& column = *FColumns->Items(index);
  std::string caption = column.FCaption;
  LVCOLUMNA item{};
  item.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
  item.pszText = caption.data();
  item.cx = column.FWidth;
  item.fmt = ColumnFormat(column.FAlignment);
  SendMessageA(Handle(), message, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void TCustomListView::InsertItem(int index) {
  LVITEMA item{};
  item.mask = LVIF_TEXT;
  item.iItem = index;
  item.pszText = const_cast<char*>("");
  SendMessageA(Handle(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  SetItemTexts(index);
}

// The item's caption, icon and sub-items.
void TCustomListView::SetItemTexts(int index) {
  const TListItem& source = *FItems->Items(index);
  const TStrings& subItems = *source.SubItems();
  // Every column, so that a sub-item taken away leaves its column empty.
  const int columns = std::max(FColumns->Count() - 1, subItems.Count());
  for (int column = 0; column <= columns; ++column) {
    std::string text = column == 0 ? source.Caption() : column <= subItems.Count() ? subItems.Get(column - 1) : "";
    LVITEMA item{};
    item.mask = LVIF_TEXT | (column == 0 ? LVIF_IMAGE : 0);
    item.iItem = index;
    item.iSubItem = column;
    item.pszText = text.data();
    item.iImage = source.ImageIndex();
    SendMessageA(Handle(), LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
}

void TCustomListView::ColumnsChanged(TCollectionItem* item, TCollectionChange change) {
  if (!HandleAllocated()) return;
  switch (change) {
    case TCollectionChange::ccAdded: SetColumn(item->Index(), LVM_INSERTCOLUMNA); break;
    case TCollectionChange::ccChanged: SetColumn(item->Index(), LVM_SETCOLUMNA); break;
    case TCollectionChange::ccDeleting:
      SendMessageA(Handle(), LVM_DELETECOLUMN, static_cast<WPARAM>(item->Index()), 0);
      break;
  }
}

void TCustomListView::ItemsChanged(TCollectionItem* item, TCollectionChange change) {
  if (!HandleAllocated()) return;
  switch (change) {
    case TCollectionChange::ccAdded: InsertItem(item->Index()); break;
    case TCollectionChange::ccChanged: SetItemTexts(item->Index()); break;
    case TCollectionChange::ccDeleting:
      SendMessageA(Handle(), LVM_DELETEITEM, static_cast<WPARAM>(item->Index()), 0);
      break;
  }
}

void TCustomListView::CNNotify(const NMHDR& header, TMessage& message) {
  if (header.code == NM_CLICK) Click();
  message.Result = 0;
}

void TCustomListView::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_DESTROY: return WMDestroy(message);
    default: return TWinControl::WndProc(message);
  }
}

// The selection and the widths the user dragged outlive a window created
// anew.
void TCustomListView::WMDestroy(TMessage& message) {
  FItemIndex = ItemIndex();
  for (int i = 0; i < FColumns->Count(); ++i) FColumns->Items(i)->FWidth = FColumns->Items(i)->Width();
  TWinControl::WndProc(message);
}
