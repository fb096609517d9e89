#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/Component.h"
#include "ui/Reader.h"
#include "ui/Stream.h"

namespace {

using TLog = std::vector<std::string>;

// Logs its Loaded, its destruction, the notifications it gets and the
// component state it had when a property was assigned.
class TLogged : public TComponent {
  QV_CLASS(TLogged, TComponent)

  TLogged(TComponent* owner, TLog& log) : TComponent(owner), FLog(log) {}
  ~TLogged() override { FLog.push_back("free " + Name()); }

  void Loaded() override {
    FLog.push_back("loaded " + Name() + (ComponentState() & csLoading ? " (loading)" : ""));
    TComponent::Loaded();
  }
  void Notification(TComponent* component, TOperation operation) override {
    if (operation == TOperation::opRemove) FLog.push_back(Name() + " told " + component->Name() + " left");
    TComponent::Notification(component, operation);
  }
  void SetValue(int value) {
    FLog.push_back("set " + Name() + (ComponentState() & csLoading ? " while loading" : ""));
    Value = value;
  }

  // A property stored as bytes: the stored stream's bytes become Data.
  void DefineProperties(TFiler& filer) override {
    filer.DefineBinaryProperty("Blob", TFiler::TStreamProc::Of<&TLogged::ReadBlob>(this));
  }
  void ReadBlob(TStream& stream) {
    Data.resize(static_cast<std::size_t>(stream.Size() - stream.Position()));
    stream.ReadBuffer(Data.data(), Data.size());
  }

  int Value = 0;
  std::string Data;

 private:
  TLog& FLog;
};
QV_CLASS_INFO(TLogged, {});

// A logged component named at construction.
class TOwnedBy : public TLogged {
 public:
  TOwnedBy(TComponent* owner, TLog& log, const std::string& name) : TLogged(owner, log) { SetName(name); }
};

}  // namespace

TEST(Component, OwnerFreesWhatItOwnsLastCreatedFirst) {
  TLog log;
  {
    TOwnedBy owner(nullptr, log, "Owner");
    new TOwnedBy(&owner, log, "First");
    new TOwnedBy(&owner, log, "Second");
    ASSERT_EQ(owner.ComponentCount(), 2);
    EXPECT_EQ(owner.Components(0)->Name(), "First");
  }
  // The owner's own destructor has run by then; the components it still
  // owns hear of each one that goes.
  EXPECT_EQ(log, (TLog{"free Owner", "First told Second left", "free Second", "free First"}));
}

TEST(Component, FreeingAnOwnedComponentTakesItOutOfItsOwnersList) {
  TLog log;
  TOwnedBy owner(nullptr, log, "Owner");
  auto* first = new TOwnedBy(&owner, log, "First");
  new TOwnedBy(&owner, log, "Second");
  delete first;
  ASSERT_EQ(owner.ComponentCount(), 1);
  EXPECT_EQ(owner.Components(0)->Name(), "Second");
  EXPECT_EQ(owner.FindComponent("first"), nullptr);
  // The owner and the components it still owns hear of it.
  EXPECT_EQ(log, (TLog{"free First", "Owner told First left", "Second told First left"}));
  EXPECT_THROW(owner.Components(1), Exception);
}

TEST(Component, NamesAreIdentifiersUniqueAmongTheOwnersComponents) {
  TComponent owner(nullptr);
  auto* first = new TComponent(&owner);
  auto* second = new TComponent(&owner);
  for (const char* bad : {"1st", "a b", "Memo-1", "把"}) {
    EXPECT_THROW(first->SetName(bad), EComponentError) << bad;
  }
  first->SetName("Memo1");
  EXPECT_EQ(owner.FindComponent("MEMO1"), first);
  EXPECT_THROW(second->SetName("memo1"), EComponentError);
  second->SetName("_Memo2");
  first->SetName("Memo1");
  first->SetName("");
  EXPECT_EQ(owner.FindComponent("Memo1"), nullptr);
  second->SetName("Memo1");
  EXPECT_EQ(owner.FindComponent("Memo1"), second);
}

TEST(Reader, AssignsStoredPropertiesWhileLoadingThenCallsLoadedInCreationOrder) {
  TLog log;
  TLogged root(nullptr, log);
  root.SetName("Form1");
  TLogged* panel = nullptr;
  TLogged* memo = nullptr;
  {
    TReader reader(root);
    root.SetValue(1);
    panel = reader.Create<TLogged>("Panel1", log);
    panel->SetValue(2);
    memo = reader.Create<TLogged>("Memo1", log);
    memo->SetValue(3);
    EXPECT_TRUE(memo->ComponentState() & csReading);
    reader.EndRead();
  }
  EXPECT_EQ(panel->Owner(), &root);
  EXPECT_EQ(memo->Name(), "Memo1");
  EXPECT_EQ(log, (TLog{"set Form1 while loading", "set Panel1 while loading", "set Memo1 while loading",
                       "loaded Form1 (loading)", "loaded Panel1 (loading)", "loaded Memo1 (loading)"}));
  for (TComponent* component : {static_cast<TComponent*>(&root), static_cast<TComponent*>(panel),
                                static_cast<TComponent*>(memo)}) {
    EXPECT_EQ(component->ComponentState() & (csLoading | csReading), 0u) << component->Name();
  }
}

TEST(Reader, HandsStoredBytesToTheComponentsOwnReader) {
  TLog log;
  TLogged root(nullptr, log);
  TReader reader(root);
  auto* data = reader.Create<TLogged>("SkinData1", log);
  TMemoryStream stored;
  stored.WriteBuffer("\x03\0\0\0abc", 7);
  stored.SetPosition(4);
  reader.ReadBinaryProperty(*data, "Blob", stored);
  EXPECT_EQ(data->Data, "abc");
  stored.SetPosition(0);
  EXPECT_THROW(reader.ReadBinaryProperty(*data, "SkinStream", stored), Exception);
  reader.EndRead();
}

TEST(Reader, ANameClashWhileReadingLeavesNoComponentBehind) {
  TLog log;
  TLogged root(nullptr, log);
  TReader reader(root);
  reader.Create<TLogged>("Memo1", log);
  EXPECT_THROW(reader.Create<TLogged>("Memo1", log), EComponentError);
  EXPECT_EQ(root.ComponentCount(), 1);
}

namespace {

// An owner with parts of its own that an owned component uses when it goes,
// as a control's WindowProc is given back by the skin wrapper it owns.
class TWhole : public TComponent {
 public:
  QV_CLASS(TWhole, TComponent)

  TWhole(TComponent* owner, TLog& log) : TComponent(owner), Parts{"part"}, FLog(log) {}
  ~TWhole() override { FLog.push_back("free whole"); }

  // Owned by this object, gone once its destructor has run.
  std::vector<std::string> Parts;

 private:
  TLog& FLog;
};
QV_CLASS_INFO(TWhole, {});

class TGivesBack : public TComponent {
 public:
  QV_CLASS(TGivesBack, TComponent)

  TGivesBack(TWhole* owner, TLog& log) : TComponent(owner), FWhole(owner), FLog(log) {}
  ~TGivesBack() override {
    // Used after the owner's destructor, this writes into freed memory.
    FWhole->Parts.push_back("given back");
    FLog.push_back(std::string("free owned") +
                   (FWhole->ComponentState() & csDestroying ? " (owner being destroyed)" : ""));
  }

 private:
  TWhole* FWhole;
  TLog& FLog;
};
QV_CLASS_INFO(TGivesBack, {});

}  // namespace

TEST(Component, DeletingAnOwnerFreesWhatItOwnsWhileTheOwnerIsWhole) {
  TLog log;
  auto* whole = new TWhole(nullptr, log);
  new TGivesBack(whole, log);
  new TGivesBack(whole, log);
  delete whole;
  EXPECT_EQ(log, (TLog{"free owned (owner being destroyed)", "free owned (owner being destroyed)", "free whole"}));
}

TEST(Component, AnOwnedComponentFreedFirstLeavesItsOwnerClean) {
  TLog log;
  auto* whole = new TWhole(nullptr, log);
  auto* owned = new TGivesBack(whole, log);
  delete owned;
  EXPECT_EQ(whole->ComponentCount(), 0);
  EXPECT_EQ(whole->Parts, (std::vector<std::string>{"part", "given back"}));
  delete whole;
  EXPECT_EQ(log, (TLog{"free owned", "free whole"}));
}

TEST(Component, AnOwnerThatIsNotDeletedFreesWhatItOwnsAfterItsOwnDestructor) {
  TLog log;
  {
    TComponent owner(nullptr);
    auto* whole = new TWhole(&owner, log);
    new TGivesBack(whole, log);
  }
  // The owned whole is deleted, so its own component still found it whole.
  EXPECT_EQ(log, (TLog{"free owned (owner being destroyed)", "free whole"}));
}
