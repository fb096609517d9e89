#pragma once
// Collections: an ordered list of items of one kind that a control owns and
// shows (a header control's sections, a status bar's panels, a list view's
// columns). The collection owns its items and tells its owner after an item
// was added or changed, and before one is deleted, so that the control
// changes its window the same way. A concrete collection adds its typed Add
// and Items.
#include <memory>
#include <vector>

#include "ui/Method.h"
#include "ui/Object.h"

class TCollection;

class TCollectionItem : public TObject {
 public:
  QV_CLASS(TCollectionItem, TObject)

  TCollection* Collection() const { return FCollection; }
  // The position in the collection.
  int Index() const;

 protected:
  // Tells the collection that a property of this item changed.
  void Changed();

 private:
  friend class TCollection;
  TCollection* FCollection = nullptr;
};

enum class TCollectionChange { ccAdded, ccChanged, ccDeleting };

class TCollection : public TObject {
 public:
  QV_CLASS(TCollection, TObject)

  using TChangeEvent = TMethod<void(TCollectionItem* Item, TCollectionChange Change)>;

  explicit TCollection(TChangeEvent onChange) : FOnChange(onChange) {}
  TCollection(const TCollection&) = delete;
  TCollection& operator=(const TCollection&) = delete;

  int Count() const { return static_cast<int>(FItems.size()); }
  TCollectionItem* Items(int index) const;
  void Delete(int index);
  // Deletes every item, the last first.
  void Clear();

 protected:
  // Takes the new item in at the end.
  TCollectionItem* AddItem(std::unique_ptr<TCollectionItem> item);

 private:
  friend class TCollectionItem;
  std::vector<std::unique_ptr<TCollectionItem>> FItems;
  TChangeEvent FOnChange;
};
