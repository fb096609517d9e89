#include "ui/Object.h"

#include "ui/StrUtils.h"

const TClassInfo TObject::ClassInfo{"TObject", nullptr, {}, &typeid(TObject)};

namespace {

std::vector<TRegisteredClass>& Registry() {
  static std::vector<TRegisteredClass> classes{
      TRegisteredClass{&TObject::ClassInfo, nullptr, [](const TObject&) { return true; }}};
  return classes;
}

}  // namespace

object_detail::TClassRegistration::TClassRegistration(const TRegisteredClass& registered) {
  Registry().push_back(registered);
}

const std::vector<TRegisteredClass>& RegisteredClasses() { return Registry(); }

void TObject::CheckClassDeclared() const {
  if (*ClassType().Type != typeid(*this)) {
    throw Exception("A class derived from " + std::string(ClassName()) + " does not declare its class info");
  }
}

bool TClassInfo::InheritsFrom(const TClassInfo& ancestor) const {
  for (const TClassInfo* info = this; info; info = info->Parent) {
    if (info == &ancestor) return true;
  }
  return false;
}

const TPropInfo* TClassInfo::FindProp(std::string_view name) const {
  for (const TClassInfo* info = this; info; info = info->Parent) {
    for (const TPropInfo& prop : info->Props) {
      if (SameIdentifier(prop.Name, name)) return &prop;
    }
  }
  return nullptr;
}
