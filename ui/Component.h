#pragma once
// Components: objects with an owner, a name and a tag. An owner frees the
// components it owns when it is destroyed: deleting a component runs its
// BeforeDestruction first, which marks it and everything it owns as being
// destroyed and frees what it owns, and only then its destructors (a
// windowed control's window goes in them). So an owned component (a skin
// wrapper that gives its control back the WindowProc it replaced) still
// finds its owner whole, window and all. A component that is not deleted
// (a local or member object) frees what it owns in TComponent's
// destructor, after its own parts: components that own others belong on
// the heap. A component built from a stored description (a form and what
// it holds) is in the loading state while its stored properties are
// assigned, and is told by Loaded when that is done.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Exception.h"
#include "ui/Method.h"
#include "ui/Object.h"

class TStream;

class EComponentError : public Exception {
 public:
  using Exception::Exception;
};

// Component state flags.
enum : std::uint32_t {
  csLoading = 1u << 0,     // stored properties are being assigned; Loaded follows
  csReading = 1u << 1,     // the stored description is being read
  csDestroying = 1u << 2,  // the component, or its owner, is being destroyed
  csDesigning = 1u << 3,   // edited in a designer (never, in a running program)
};
using TComponentState = std::uint32_t;

enum class TOperation { opInsert, opRemove };

// Declares a component's properties that are stored as bytes rather than as
// published values; the reader calls readData with a stream positioned at
// the stored bytes of the property it reads.
class TFiler {
 public:
  using TStreamProc = TMethod<void(TStream& stream)>;

  virtual ~TFiler() = default;
  virtual void DefineBinaryProperty(std::string_view name, TStreamProc readData) = 0;
};

class TComponent : public TObject {
 public:
  QV_CLASS(TComponent, TObject)

  // The owner, when given, owns and frees the new component.
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;
  // Deleting a component: BeforeDestruction, then the destructors. (The
  // plain pair serves a construction that fails.)
  static void* operator new(std::size_t size);
  static void operator delete(void* memory);
  void operator delete(TComponent* component, std::destroying_delete_t);

  TComponent* Owner() const { return FOwner; }
  const std::string& Name() const { return FName; }
  // An identifier, unique among the owner's components; EComponentError
  // otherwise. Empty is allowed.
  void SetName(const std::string& name);
  std::intptr_t Tag() const { return FTag; }
  void SetTag(std::intptr_t tag) { FTag = tag; }
  TComponentState ComponentState() const { return FComponentState; }

  // The components this one owns, in the order they were created.
  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* Components(int index) const;
  // The owned component of that name (any letter case), or nullptr.
  TComponent* FindComponent(std::string_view name) const;
  // Frees every owned component, the last created first.
  void DestroyComponents();

  // The stored properties have been assigned: ends the loading state.
  virtual void Loaded();
  // Declares the properties stored as bytes (TFiler); none by default.
  virtual void DefineProperties(TFiler& filer);
  // A component was inserted into or removed from this one's owned
  // components; by default passed on to every owned component.
  virtual void Notification(TComponent* component, TOperation operation);

 protected:
  // Marks this component and every one it owns as being destroyed.
  void Destroying();
  // Runs when the component is deleted, before any destructor: marks it as
  // being destroyed and frees the components it owns.
  virtual void BeforeDestruction();

 private:
  friend class TReader;
  static const TPropInfo Published[];

  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);

  TComponent* FOwner = nullptr;
  std::string FName;
  std::intptr_t FTag = 0;
  TComponentState FComponentState = 0;
  std::vector<TComponent*> FComponents;
};
