#pragma once
// Tree views: the system's tree view under the tree view's own class name
// ("TTreeView"), showing the nodes of Items as an outline the user opens
// and closes, with lines and buttons (ShowLines, ShowButtons, ShowRoot).
// Selecting a node calls OnChange.
#include <memory>
#include <string>
#include <vector>

#include "ui/ControlTypes.h"
#include "ui/ImageList.h"
#include "ui/WinControl.h"

class TTreeNodes;

class TTreeNode : public TObject {
 public:
  QV_CLASS(TTreeNode, TObject)

  const std::string& Text() const { return FText; }
  void SetText(const std::string& text);
  // The icon in the tree view's Images; -1 for none.
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int index);
  TTreeNode* Parent() const { return FParent; }
  int Count() const { return static_cast<int>(FChildren.size()); }
  TTreeNode* Item(int index) const;
  // Its children are shown.
  bool Expanded() const;
  void SetExpanded(bool expanded);

 private:
  friend class TTreeNodes;
  friend class TCustomTreeView;
  static const TPropInfo Published[];

  TTreeNode(TTreeNodes& owner, TTreeNode* parent, const std::string& text)
      : FOwner(owner), FParent(parent), FText(text) {}

  TTreeNodes& FOwner;
  TTreeNode* FParent;
  std::string FText;
  int FImageIndex = -1;
  bool FExpanded = false;
  std::vector<std::unique_ptr<TTreeNode>> FChildren;
  HTREEITEM FItem = nullptr;
};

class TCustomTreeView;

class TTreeNodes : public TObject {
 public:
  QV_CLASS(TTreeNodes, TObject)

  explicit TTreeNodes(TCustomTreeView& treeView) : FTreeView(treeView) {}

  // A node at the end of the parent's children (nullptr: of the top level).
  TTreeNode* AddChild(TTreeNode* parent, const std::string& text);
  // Frees the node and everything under it.
  void Delete(TTreeNode* node);
  void Clear();
  // The nodes of the top level.
  int RootCount() const { return static_cast<int>(FRoots.size()); }
  TTreeNode* Root(int index) const;
  // Every node.
  int Count() const;

 private:
  friend class TTreeNode;
  friend class TCustomTreeView;

  TCustomTreeView& FTreeView;
  std::vector<std::unique_ptr<TTreeNode>> FRoots;
};

class TCustomTreeView : public TWinControl {
 public:
  QV_CLASS(TCustomTreeView, TWinControl)

  explicit TCustomTreeView(TComponent* owner);

  TTreeNodes* Items() const { return FItems.get(); }
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* images);
  bool ShowLines() const { return FShowLines; }
  void SetShowLines(bool show);
  bool ShowButtons() const { return FShowButtons; }
  void SetShowButtons(bool show);
  // Lines and buttons reach the nodes of the top level too.
  bool ShowRoot() const { return FShowRoot; }
  void SetShowRoot(bool show);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle borderStyle);
  // The selected node, or nullptr.
  TTreeNode* Selected() const;
  void SetSelected(TTreeNode* node);

  void Notification(TComponent* component, TOperation operation) override;

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void CNNotify(const NMHDR& header, TMessage& message) override;
  void WndProc(TMessage& message) override;

 private:
  friend class TTreeNode;
  friend class TTreeNodes;

  // Puts the node and everything under it into the window.
  void InsertNode(TTreeNode& node);
  void UpdateNode(const TTreeNode& node);
  void SetStyleBit(bool& field, bool value);
  TTreeNode* NodeOfItem(HTREEITEM item) const;
  void WMDestroy(TMessage& message);

  std::unique_ptr<TTreeNodes> FItems;
  TImageList* FImages = nullptr;
  bool FShowLines = true;
  bool FShowButtons = true;
  bool FShowRoot = true;
  TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
  TTreeNode* FSelected = nullptr;
};

class TTreeView : public TCustomTreeView {
 public:
  QV_CLASS(TTreeView, TCustomTreeView)

  using TCustomTreeView::TCustomTreeView;

 private:
  static const TPropInfo Published[];
};
