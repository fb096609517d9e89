#include "ui/TreeView.h"

#include <algorithm>

#include "ui/CommonControls.h"
#include "ui/TypInfo.h"

const TPropInfo TTreeNode::Published[] = {
    Prop<TTypeKind::String, &TTreeNode::Text, &TTreeNode::SetText>("Text"),
    Prop<TTypeKind::Integer, &TTreeNode::ImageIndex, &TTreeNode::SetImageIndex>("ImageIndex"),
    Prop<TTypeKind::Boolean, &TTreeNode::Expanded, &TTreeNode::SetExpanded>("Expanded"),
};
QV_CLASS_INFO(TTreeNode, Published);
QV_CLASS_INFO(TTreeNodes, {});
QV_CLASS_INFO(TCustomTreeView, {});

const TPropInfo TTreeView::Published[] = {
    Prop<TTypeKind::Object, &TCustomTreeView::Items, nullptr>("Items"),
    Prop<TTypeKind::Object, &TCustomTreeView::Images, &TCustomTreeView::SetImages>("Images"),
    Prop<TTypeKind::Boolean, &TCustomTreeView::ShowLines, &TCustomTreeView::SetShowLines>("ShowLines"),
    Prop<TTypeKind::Boolean, &TCustomTreeView::ShowButtons, &TCustomTreeView::SetShowButtons>("ShowButtons"),
    Prop<TTypeKind::Boolean, &TCustomTreeView::ShowRoot, &TCustomTreeView::SetShowRoot>("ShowRoot"),
    Prop<TTypeKind::Enumeration, &TCustomTreeView::BorderStyle, &TCustomTreeView::SetBorderStyle>(
        "BorderStyle", kBorderStyleNames),
    Prop<TTypeKind::Method, &TCustomTreeView::OnChange, &TCustomTreeView::OnChange>("OnChange"),
};
QV_CLASS_INFO(TTreeView, Published);

namespace {

bool IsWithin(const TTreeNode* node, const TTreeNode* ancestor) {
  for (; node; node = node->Parent()) {
    if (node == ancestor) return true;
  }
  return false;
}

}  // namespace

void TTreeNode::SetText(const std::string& text) {
  FText = text;
  FOwner.FTreeView.UpdateNode(*this);
}

void TTreeNode::SetImageIndex(int index) {
  FImageIndex = index;
  FOwner.FTreeView.UpdateNode(*this);
}

TTreeNode* TTreeNode::Item(int index) const {
  if (index < 0 || index >= Count()) {
    throw Exception("List index out of bounds (" + std::to_string(index) + ")");
  }
  return FChildren[static_cast<std::size_t>(index)].get();
}

bool TTreeNode::Expanded() const {
  const TCustomTreeView& view = FOwner.FTreeView;
  if (!view.HandleAllocated() || !FItem) return FExpanded;
  const auto state = SendMessageA(view.WindowHandle(), TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(FItem),
                                  TVIS_EXPANDED);
  return (state & TVIS_EXPANDED) != 0;
}

void TTreeNode::SetExpanded(bool expanded) {
  FExpanded = expanded;
  const TCustomTreeView& view = FOwner.FTreeView;
  if (view.HandleAllocated() && FItem) {
    SendMessageA(view.WindowHandle(), TVM_EXPAND, expanded ? TVE_EXPAND : TVE_COLLAPSE,
                 reinterpret_cast<LPARAM>(FItem));
  }
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* parent, const std::string& text) {
  auto& siblings = parent ? parent->FChildren : FRoots;
  siblings.push_back(std::unique_ptr<TTreeNode>(new TTreeNode(*this, parent, text)));
  TTreeNode* node = siblings.back().get();
  if (FTreeView.HandleAllocated()) FTreeView.InsertNode(*node);
  return node;
}

void TTreeNodes::Delete(TTreeNode* node) {
  if (!node) return;
  if (IsWithin(FTreeView.FSelected, node)) FTreeView.FSelected = nullptr;
  // The window takes the node's items away with it.
  if (FTreeView.HandleAllocated() && node->FItem) {
    SendMessageA(FTreeView.WindowHandle(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(node->FItem));
  }
  auto& siblings = node->FParent ? node->FParent->FChildren : FRoots;
  std::erase_if(siblings, [node](const auto& sibling) { return sibling.get() == node; });
}

void TTreeNodes::Clear() {
  FTreeView.FSelected = nullptr;
  if (FTreeView.HandleAllocated()) {
    SendMessageA(FTreeView.WindowHandle(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
  }
  FRoots.clear();
}

TTreeNode* TTreeNodes::Root(int index) const {
  if (index < 0 || index >= RootCount()) {
    throw Exception("List index out of bounds (" + std::to_string(index) + ")");
  }
  return FRoots[static_cast<std::size_t>(index)].get();
}

int TTreeNodes::Count() const {
  int count = 0;
  const auto countUnder = [&count](const auto& self, const TTreeNode& node) -> void {
    ++count;
    for (int i = 0; i < node.Count(); ++i) self(self, *node.Item(i));
  };
  for (const auto& root : FRoots) countUnder(countUnder, *root);
  return count;
}

TCustomTreeView::TCustomTreeView(TComponent* owner)
    : TWinControl(owner), FItems(std::make_unique<TTreeNodes>(*this)) {
  SetColor(SystemColor(COLOR_WINDOW));
  SetBounds(0, 0, 121, 97);
}

void TCustomTreeView::SetImages(TImageList* images) {
  FImages = images;
  if (HandleAllocated()) {
    SendMessageA(Handle(), TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images ? images->Handle() : nullptr));
  }
}

void TCustomTreeView::SetStyleBit(bool& field, bool value) {
  if (field == value) return;
  field = value;
  RecreateWnd();
}

void TCustomTreeView::SetShowLines(bool show) { SetStyleBit(FShowLines, show); }

void TCustomTreeView::SetShowButtons(bool show) { SetStyleBit(FShowButtons, show); }

void TCustomTreeView::SetShowRoot(bool show) { SetStyleBit(FShowRoot, show); }

void TCustomTreeView::SetBorderStyle(TBorderStyle borderStyle) {
  if (borderStyle == FBorderStyle) return;
  FBorderStyle = borderStyle;
  RecreateWnd();
}

TTreeNode* TCustomTreeView::Selected() const {
  if (!HandleAllocated()) return FSelected;
  const auto item = reinterpret_cast<HTREEITEM>(SendMessageA(WindowHandle(), TVM_GETNEXTITEM, TVGN_CARET, 0));
  return NodeOfItem(item);
}

void TCustomTreeView::SetSelected(TTreeNode* node) {
  FSelected = node;
  if (HandleAllocated()) {
    SendMessageA(Handle(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node ? node->FItem : nullptr));
  }
}

void TCustomTreeView::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FImages) SetImages(nullptr);
}

TTreeNode* TCustomTreeView::NodeOfItem(HTREEITEM item) const {
  if (!item) return nullptr;
  TVITEMA data{};
  data.mask = TVIF_PARAM;
  data.hItem = item;
  SendMessageA(WindowHandle(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
  return reinterpret_cast<TTreeNode*>(data.lParam);
}

void TCustomTreeView::CreateParams(TCreateParams& params) {
  InitCommonControl(ICC_TREEVIEW_CLASSES);
  TWinControl::CreateParams(params);
  CreateSubClass(params, WC_TREEVIEWA);
  params.Style |= WS_TABSTOP | TVS_SHOWSELALWAYS;
  if (FShowLines) params.Style |= TVS_HASLINES;
  if (FShowButtons) params.Style |= TVS_HASBUTTONS;
  if (FShowRoot) params.Style |= TVS_LINESATROOT;
  if (FBorderStyle == TBorderStyle::bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomTreeView::CreateWnd() {
  TWinControl::CreateWnd();
  if (FImages) SendMessageA(Handle(), TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(FImages->Handle()));
  for (const auto& root : FItems->FRoots) InsertNode(*root);
  if (FSelected) SendMessageA(Handle(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(FSelected->FItem));
}

void TCustomTreeView::InsertNode(TTreeNode& node) {
  TVINSERTSTRUCTA insert{};
  insert.hParent = node.FParent ? node.FParent->FItem : TVI_ROOT;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  insert.item.pszText = node.FText.data();
  insert.item.iImage = node.FImageIndex;
  insert.item.iSelectedImage = node.FImageIndex;
  insert.item.lParam = reinterpret_cast<LPARAM>(&node);
  node.FItem = reinterpret_cast<HTREEITEM>(SendMessageA(Handle(), TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
  for (const auto& child : node.FChildren) InsertNode(*child);
  if (node.FExpanded) SendMessageA(Handle(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(node.FItem));
}

void TCustomTreeView::UpdateNode(const TTreeNode& node) {
  if (!HandleAllocated() || !node.FItem) return;
  std::string text = node.FText;
  TVITEMA item{};
  item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  item.hItem = node.FItem;
  item.pszText = text.data();
  item.iImage = node.FImageIndex;
  item.iSelectedImage = node.FImageIndex;
  SendMessageA(Handle(), TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

void TCustomTreeView::CNNotify(const NMHDR& header, TMessage& message) {
  // The wide and the narrow notification carry their items alike.
  const auto& notify = reinterpret_cast<const NMTREEVIEWA&>(header);
  switch (header.code) {
    case TVN_SELCHANGEDA:
    case TVN_SELCHANGEDW:
      FSelected = reinterpret_cast<TTreeNode*>(notify.itemNew.lParam);
      if (OnChange) OnChange(this);
      break;
    case TVN_ITEMEXPANDEDA:
    case TVN_ITEMEXPANDEDW:
      if (auto* node = reinterpret_cast<TTreeNode*>(notify.itemNew.lParam)) {
        node->FExpanded = notify.action == TVE_EXPAND;
      }
      break;
    default: break;
  }
  message.Result = 0;
}

void TCustomTreeView::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_DESTROY: return WMDestroy(message);
    default: return TWinControl::WndProc(message);
  }
}

// The selection and which nodes are open outlive a window created anew;
// the window's items go with it.
void TCustomTreeView::WMDestroy(TMessage& message) {
  FSelected = Selected();
  const auto forget = [](const auto& self, TTreeNode& node) -> void {
    node.FExpanded = node.Expanded();
    node.FItem = nullptr;
    for (const auto& child : node.FChildren) self(self, *child);
  };
  for (const auto& root : FItems->FRoots) forget(forget, *root);
  TWinControl::WndProc(message);
}
