#include "ui/Collection.h"

#include <algorithm>
#include <string>

#include "ui/Exception.h"

QV_CLASS_INFO(TCollectionItem, {});
QV_CLASS_INFO(TCollection, {});

int TCollectionItem::Index() const {
  if (!FCollection) return -1;
  const auto& items = FCollection->FItems;
  const auto found = std::find_if(items.begin(), items.end(), [this](const auto& item) { return item.get() == this; });
  return static_cast<int>(found - items.begin());
}

void TCollectionItem::Changed() {
  if (FCollection) FCollection->FOnChange(this, TCollectionChange::ccChanged);
}

TCollectionItem* TCollection::Items(int index) const {
  if (index < 0 || index >= Count()) {
    throw Exception("List index out of bounds (" + std::to_string(index) + ")");
  }
  return FItems[static_cast<std::size_t>(index)].get();
}

TCollectionItem* TCollection::AddItem(std::unique_ptr<TCollectionItem> item) {
  item->FCollection = this;
  FItems.push_back(std::move(item));
  TCollectionItem* added = FItems.back().get();
  FOnChange(added, TCollectionChange::ccAdded);
  return added;
}

void TCollection::Delete(int index) {
  TCollectionItem* item = Items(index);
  FOnChange(item, TCollectionChange::ccDeleting);
  FItems.erase(FItems.begin() + index);
}

void TCollection::Clear() {
  while (!FItems.empty()) Delete(Count() - 1);
}
