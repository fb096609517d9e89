#include "ui/Component.h"

#include <algorithm>

#include "ui/StrUtils.h"
#include "ui/TypInfo.h"

namespace {

bool IsValidIdent(std::string_view name) {
  if (name.empty()) return false;
  auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
  auto digit = [](char c) { return c >= '0' && c <= '9'; };
  if (!letter(name.front())) return false;
  return std::all_of(name.begin(), name.end(), [&](char c) { return letter(c) || digit(c); });
}

}  // namespace

const TPropInfo TComponent::Published[] = {
    Prop<TTypeKind::String, &TComponent::Name, &TComponent::SetName>("Name"),
    Prop<TTypeKind::Integer, &TComponent::Tag, &TComponent::SetTag>("Tag"),
};
QV_CLASS_INFO(TComponent, Published);

TComponent::TComponent(TComponent* owner) {
  if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  Destroying();
  DestroyComponents();
  if (FOwner) FOwner->RemoveComponent(this);
}

void* TComponent::operator new(std::size_t size) { return ::operator new(size); }

void TComponent::operator delete(void* memory) { ::operator delete(memory); }

void TComponent::operator delete(TComponent* component, std::destroying_delete_t) {
  // The whole object's memory, found while its dynamic type is still known.
  void* memory = dynamic_cast<void*>(component);
  component->BeforeDestruction();
  component->~TComponent();
  ::operator delete(memory);
}

void TComponent::BeforeDestruction() {
  Destroying();
  DestroyComponents();
}

void TComponent::SetName(const std::string& name) {
  if (name == FName) return;
  if (!name.empty() && !IsValidIdent(name)) {
    throw EComponentError("'" + name + "' is not a valid component name");
  }
  if (!name.empty() && FOwner) {
    const TComponent* other = FOwner->FindComponent(name);
    if (other && other != this) throw EComponentError("A component named " + name + " already exists");
  }
  FName = name;
}

TComponent* TComponent::Components(int index) const {
  if (index < 0 || index >= ComponentCount()) {
    throw Exception("List index out of bounds (" + std::to_string(index) + ")");
  }
  return FComponents[static_cast<std::size_t>(index)];
}

TComponent* TComponent::FindComponent(std::string_view name) const {
  if (name.empty()) return nullptr;
  for (TComponent* component : FComponents) {
    if (SameIdentifier(component->FName, name)) return component;
  }
  return nullptr;
}

void TComponent::DestroyComponents() {
  while (!FComponents.empty()) {
    TComponent* last = FComponents.back();
    RemoveComponent(last);
    delete last;
  }
}

void TComponent::Loaded() { FComponentState &= ~csLoading; }

void TComponent::DefineProperties(TFiler&) {}

void TComponent::Notification(TComponent* component, TOperation operation) {
  for (TComponent* owned : FComponents) owned->Notification(component, operation);
}

void TComponent::Destroying() {
  if (FComponentState & csDestroying) return;
  FComponentState |= csDestroying;
  for (TComponent* owned : FComponents) owned->Destroying();
}

void TComponent::InsertComponent(TComponent* component) {
  FComponents.push_back(component);
  component->FOwner = this;
  Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  std::erase(FComponents, component);
  component->FOwner = nullptr;
  Notification(component, TOperation::opRemove);
}
