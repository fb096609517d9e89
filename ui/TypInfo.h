#pragma once
// Published properties: the builders of a class's property table, and
// reading and writing a property of any object by its name.
//
// A class lists its published properties in a table of Prop<Kind, Get, Set>
// entries; Get and Set are member functions or data members of the class:
//
//   const TPropInfo TPanel::Published[] = {
//       Prop<TTypeKind::Enumeration, &TPanel::BevelOuter, &TPanel::SetBevelOuter>(
//           "BevelOuter", kBevelCutNames),
//       Prop<TTypeKind::Method, &TPanel::FOnClick, &TPanel::FOnClick>("OnClick"),
//   };
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "ui/Exception.h"
#include "ui/Object.h"

class EPropertyError : public Exception {
 public:
  using Exception::Exception;
};

inline constexpr std::string_view kBooleanNames[] = {"False", "True"};

namespace typinfo_detail {

template <class M>
struct MemberClass;
template <class C, class T>
struct MemberClass<T C::*> {
  using Type = C;
};

// What a setter takes: the parameter of a member function, the type of a
// data member.
template <class M>
struct SetterValue;
template <class C, class T>
struct SetterValue<T C::*> {
  using Type = T;
};
template <class C, class A>
struct SetterValue<void (C::*)(A)> {
  using Type = std::remove_cvref_t<A>;
};

template <TTypeKind Kind, auto Get>
TPropValue GetValue(const TObject& object) {
  using C = typename MemberClass<decltype(Get)>::Type;
  decltype(auto) value = std::invoke(Get, static_cast<const C&>(object));
  if constexpr (Kind == TTypeKind::String) {
    return std::string(value);
  } else if constexpr (Kind == TTypeKind::Object) {
    return static_cast<TObject*>(value);
  } else if constexpr (Kind == TTypeKind::Method) {
    return value.Raw();
  } else {
    return static_cast<std::int64_t>(value);
  }
}

// The value has the alternative of Kind: SetPropValue checks it first.
template <TTypeKind Kind, auto Set>
void SetValue(TObject& object, const TPropValue& value) {
  using C = typename MemberClass<decltype(Set)>::Type;
  using V = typename SetterValue<decltype(Set)>::Type;
  C& self = static_cast<C&>(object);
  V typed{};
  if constexpr (Kind == TTypeKind::String) {
    typed = std::get<std::string>(value);
  } else if constexpr (Kind == TTypeKind::Object) {
    TObject* given = std::get<TObject*>(value);
    typed = dynamic_cast<V>(given);
    if (given && !typed) throw EPropertyError("Invalid property value");
  } else if constexpr (Kind == TTypeKind::Method) {
    typed = V::FromRaw(std::get<TRawMethod>(value));
  } else {
    typed = static_cast<V>(std::get<std::int64_t>(value));
  }
  if constexpr (std::is_member_function_pointer_v<decltype(Set)>) {
    (self.*Set)(typed);
  } else {
    self.*Set = typed;
  }
}

}  // namespace typinfo_detail

// One published property. Set may be nullptr for a read-only property.
// Enumerations and sets name their identifiers; Boolean properties get
// "False" and "True".
template <TTypeKind Kind, auto Get, auto Set>
constexpr TPropInfo Prop(std::string_view name, std::span<const std::string_view> names = {}) {
  TPropInfo info{name, Kind, names, &typinfo_detail::GetValue<Kind, Get>, nullptr};
  if constexpr (Kind == TTypeKind::Boolean) info.Names = kBooleanNames;
  if constexpr (!std::is_null_pointer_v<decltype(Set)>) {
    info.Set = &typinfo_detail::SetValue<Kind, Set>;
  }
  return info;
}

// The published property of that name (any letter case), or nullptr.
const TPropInfo* GetPropInfo(const TObject& object, std::string_view name);

// By name; EPropertyError when the object has no such property, when it is
// read-only, or when the value is not of the property's kind (or, for an
// enumeration, not one of its values).
TPropValue GetPropValue(const TObject& object, std::string_view name);
void SetPropValue(TObject& object, std::string_view name, const TPropValue& value);

// An enumeration or Boolean property by the identifier of its value ("alClient",
// "True"); identifiers match in any letter case.
std::string GetEnumProp(const TObject& object, std::string_view name);
void SetEnumProp(TObject& object, std::string_view name, std::string_view identifier);

// By name, for code that reads properties of classes it does not know (the
// skin wrappers read Caption, Glyph or FixedColor of any control): nothing
// here throws for a null object, a missing property or a property of
// another kind; the answer is then empty (nullopt, nullptr, false).
//
// An Integer property's value.
std::optional<std::int64_t> FindIntProp(const TObject* object, std::string_view name);
// The identifier of an Enumeration or Boolean property's value ("bsNone",
// "True").
std::optional<std::string> FindEnumProp(const TObject* object, std::string_view name);
// A String property's value.
std::optional<std::string> FindStrProp(const TObject* object, std::string_view name);
// An Object property's value (which may itself be null).
TObject* FindObjectProp(const TObject* object, std::string_view name);
// Sets a property from its text: an Integer from its decimal (or
// hexadecimal, TryStrToInt) text, an Enumeration or Boolean by identifier,
// a String to the text. False, with nothing changed, when the property is
// missing, read-only, of another kind or the text is no value of it. What
// the property's own setter raises is passed on.
bool SetPropFromText(TObject* object, std::string_view name, std::string_view text);
