#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/Collection.h"
#include "ui/ItemStrings.h"

namespace {

using TLog = std::vector<std::string>;

// Logs what the list or collection tells its control, with the strings it
// holds at that moment.
struct TWatcher {
  void ItemsChanged(TItemChange change, int index) {
    static const char* const names[] = {"inserted", "deleting", "changed", "cleared"};
    Log.push_back(std::string(names[static_cast<int>(change)]) + " " + std::to_string(index) + " of " +
                  std::to_string(Items->Count()));
  }
  void CollectionChanged(TCollectionItem* item, TCollectionChange change) {
    static const char* const names[] = {"added", "changed", "deleting"};
    Log.push_back(std::string(names[static_cast<int>(change)]) + " " + std::to_string(item->Index()));
  }
  TLog Log;
  TItemStrings* Items = nullptr;
};

class TNamed : public TCollectionItem {
 public:
  QV_CLASS(TNamed, TCollectionItem)
  void Rename() { Changed(); }
};
QV_CLASS_INFO(TNamed, {});

class TNames : public TCollection {
 public:
  QV_CLASS(TNames, TCollection)
  using TCollection::TCollection;
  TNamed* Add() { return static_cast<TNamed*>(AddItem(std::make_unique<TNamed>())); }
};
QV_CLASS_INFO(TNames, {});

}  // namespace

TEST(ItemStrings, TellsTheControlOfEveryChangeWhileTheStringIsThere) {
  TWatcher watcher;
  TItemStrings items(TItemStrings::TChangeEvent::Of<&TWatcher::ItemsChanged>(&watcher));
  watcher.Items = &items;
  items.Add("a");
  items.Insert(0, "b");
  items.Put(1, "c");
  items.Delete(0);
  items.SetText("x\r\ny\r\n");
  EXPECT_EQ(items.Text(), "x\r\ny\r\n");
  EXPECT_EQ(watcher.Log, (TLog{"inserted 0 of 1", "inserted 0 of 2", "changed 1 of 2", "deleting 0 of 2",
                               "cleared -1 of 0", "inserted 0 of 1", "inserted 1 of 2"}));
  EXPECT_THROW(items.Delete(5), Exception);
  EXPECT_EQ(watcher.Log.size(), 7u);
}

TEST(Collection, TellsItsOwnerOfAddedChangedAndDeletedItems) {
  TWatcher watcher;
  TNames names(TCollection::TChangeEvent::Of<&TWatcher::CollectionChanged>(&watcher));
  names.Add();
  TNamed* second = names.Add();
  second->Rename();
  EXPECT_EQ(second->Index(), 1);
  EXPECT_EQ(second->Collection(), &names);
  names.Delete(0);
  EXPECT_EQ(second->Index(), 0);
  names.Add();
  names.Clear();
  EXPECT_EQ(names.Count(), 0);
  EXPECT_EQ(watcher.Log, (TLog{"added 0", "added 1", "changed 1", "deleting 0", "added 1", "deleting 1",
                               "deleting 0"}));
  EXPECT_THROW(names.Items(0), Exception);
}
