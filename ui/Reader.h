#pragma once
// Builds a component and what it owns the way its stored description (a
// form's resource) does: the root and every component created through the
// reader are in the loading state while their stored properties are
// assigned; EndRead then tells the root and each component, in creation
// order, that loading is done (Loaded).
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/Component.h"

class TStream;

class TReader {
 public:
  explicit TReader(TComponent& root);
  TReader(const TReader&) = delete;
  TReader& operator=(const TReader&) = delete;

  TComponent& Root() const { return FRoot; }

  // A new component of class T, owned by the root (and given the further
  // constructor arguments) and named as stored; it stays in the loading
  // state until EndRead.
  template <class T, class... Args>
  T* Create(const std::string& name, Args&&... args) {
    auto component = std::make_unique<T>(&FRoot, std::forward<Args>(args)...);
    Begin(*component, name);
    return component.release();
  }

  // Hands the stored bytes of a property that the component declares in
  // DefineProperties to its reader; Exception when it declares none of that
  // name.
  void ReadBinaryProperty(TComponent& component, std::string_view name, TStream& data);

  // Ends reading: Loaded for the root, then for every component created
  // through this reader, in creation order.
  void EndRead();

 private:
  void Begin(TComponent& component, const std::string& name);

  TComponent& FRoot;
  std::vector<TComponent*> FLoaded;
};
