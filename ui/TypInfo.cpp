#include "ui/TypInfo.h"

#include "ui/StrUtils.h"

namespace {

const TPropInfo& FindOrRaise(const TObject& object, std::string_view name) {
  const TPropInfo* prop = GetPropInfo(object, name);
  if (!prop) throw EPropertyError("Unknown property: '" + std::string(name) + "'");
  return *prop;
}

bool HoldsKind(const TPropValue& value, TTypeKind kind) {
  switch (kind) {
    case TTypeKind::String: return std::holds_alternative<std::string>(value);
    case TTypeKind::Object: return std::holds_alternative<TObject*>(value);
    case TTypeKind::Method: return std::holds_alternative<TRawMethod>(value);
    default: return std::holds_alternative<std::int64_t>(value);
  }
}

bool HasIdentifiers(const TPropInfo& prop) {
  return prop.Kind == TTypeKind::Enumeration || prop.Kind == TTypeKind::Boolean;
}

}  // namespace

const TPropInfo* GetPropInfo(const TObject& object, std::string_view name) {
  return object.ClassType().FindProp(name);
}

TPropValue GetPropValue(const TObject& object, std::string_view name) {
  return FindOrRaise(object, name).Get(object);
}

void SetPropValue(TObject& object, std::string_view name, const TPropValue& value) {
  const TPropInfo& prop = FindOrRaise(object, name);
  if (!prop.Set) throw EPropertyError("Property " + std::string(prop.Name) + " is read-only");
  if (!HoldsKind(value, prop.Kind)) throw EPropertyError("Invalid property value");
  if (HasIdentifiers(prop)) {
    const std::int64_t ordinal = std::get<std::int64_t>(value);
    if (ordinal < 0 || ordinal >= static_cast<std::int64_t>(prop.Names.size())) {
      throw EPropertyError("Invalid property value");
    }
  }
  prop.Set(object, value);
}

std::string GetEnumProp(const TObject& object, std::string_view name) {
  const TPropInfo& prop = FindOrRaise(object, name);
  if (!HasIdentifiers(prop)) throw EPropertyError("Property " + std::string(prop.Name) + " is not an enumeration");
  const std::int64_t ordinal = std::get<std::int64_t>(prop.Get(object));
  if (ordinal < 0 || ordinal >= static_cast<std::int64_t>(prop.Names.size())) return std::to_string(ordinal);
  return std::string(prop.Names[static_cast<std::size_t>(ordinal)]);
}

void SetEnumProp(TObject& object, std::string_view name, std::string_view identifier) {
  const TPropInfo& prop = FindOrRaise(object, name);
  if (!HasIdentifiers(prop)) throw EPropertyError("Property " + std::string(prop.Name) + " is not an enumeration");
  for (std::size_t i = 0; i < prop.Names.size(); ++i) {
    if (SameIdentifier(prop.Names[i], identifier)) {
      SetPropValue(object, name, static_cast<std::int64_t>(i));
      return;
    }
  }
  throw EPropertyError("Invalid property value: '" + std::string(identifier) + "'");
}

namespace {

// The property of that name and kind, or nullptr.
const TPropInfo* FindPropOfKind(const TObject* object, std::string_view name, TTypeKind kind) {
  if (!object) return nullptr;
  const TPropInfo* prop = GetPropInfo(*object, name);
  return prop && prop->Kind == kind ? prop : nullptr;
}

}  // namespace

std::optional<std::int64_t> FindIntProp(const TObject* object, std::string_view name) {
  const TPropInfo* prop = FindPropOfKind(object, name, TTypeKind::Integer);
  if (!prop) return std::nullopt;
  return std::get<std::int64_t>(prop->Get(*object));
}

std::optional<std::string> FindEnumProp(const TObject* object, std::string_view name) {
  if (!object) return std::nullopt;
  const TPropInfo* prop = GetPropInfo(*object, name);
  if (!prop || !HasIdentifiers(*prop)) return std::nullopt;
  return GetEnumProp(*object, prop->Name);
}

std::optional<std::string> FindStrProp(const TObject* object, std::string_view name) {
  const TPropInfo* prop = FindPropOfKind(object, name, TTypeKind::String);
  if (!prop) return std::nullopt;
  return std::get<std::string>(prop->Get(*object));
}

TObject* FindObjectProp(const TObject* object, std::string_view name) {
  const TPropInfo* prop = FindPropOfKind(object, name, TTypeKind::Object);
  return prop ? std::get<TObject*>(prop->Get(*object)) : nullptr;
}

bool SetPropFromText(TObject* object, std::string_view name, std::string_view text) {
  if (!object) return false;
  const TPropInfo* prop = GetPropInfo(*object, name);
  if (!prop || !prop->Set) return false;
  switch (prop->Kind) {
    case TTypeKind::Integer: {
      int value = 0;
      if (!TryStrToInt(text, value)) return false;
      prop->Set(*object, std::int64_t{value});
      return true;
    }
    case TTypeKind::Enumeration:
    case TTypeKind::Boolean:
      for (std::size_t i = 0; i < prop->Names.size(); ++i) {
        if (SameIdentifier(prop->Names[i], text)) {
          prop->Set(*object, static_cast<std::int64_t>(i));
          return true;
        }
      }
      return false;
    case TTypeKind::String: prop->Set(*object, std::string(text)); return true;
    default: return false;
  }
}
