#include "ui/Object.h"

#include "ui/StrUtils.h"

const TClassInfo TObject::ClassInfo{"TObject", nullptr, {}, &typeid(TObject)};

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
  const std::string key = AsciiLowerCase(name);
  for (const TClassInfo* info = this; info; info = info->Parent) {
    for (const TPropInfo& prop : info->Props) {
      if (AsciiLowerCase(prop.Name) == key) return &prop;
    }
  }
  return nullptr;
}
