#pragma once
// The root class and its run-time class information: every framework class
// has a class info (its name, its parent's class info and the table of its
// published properties), so that class names, ancestry and properties can be
// used by name, by code that does not know the class (skin wrappers reading a
// control's Caption or Font, a form's stored properties).
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <typeinfo>
#include <variant>

#include "ui/Exception.h"
#include "ui/Method.h"

class TObject;

// An object is not of the class it is taken as.
class EInvalidCast : public Exception {
 public:
  EInvalidCast() : Exception("Invalid class typecast") {}
};

enum class TTypeKind { Integer, Enumeration, Set, String, Boolean, Object, Method };

// A property's value. Integer, enumeration, set (bit n for element n) and
// Boolean properties hold their ordinal value.
using TPropValue = std::variant<std::int64_t, std::string, TObject*, TRawMethod>;

struct TPropInfo {
  std::string_view Name;
  TTypeKind Kind;
  // Enumeration and Boolean: the identifiers of the values, in value order;
  // Set: the identifiers of its elements.
  std::span<const std::string_view> Names;
  TPropValue (*Get)(const TObject& object);
  // Absent for a read-only property.
  void (*Set)(TObject& object, const TPropValue& value);
};

struct TClassInfo {
  std::string_view Name;
  const TClassInfo* Parent;
  // The properties this class publishes in addition to its ancestors'.
  std::span<const TPropInfo> Props;
  // The C++ type the info was declared for.
  const std::type_info* Type;

  bool InheritsFrom(const TClassInfo& ancestor) const;
  // The published property of that name, in any letter case, of this class
  // or an ancestor; nullptr when there is none.
  const TPropInfo* FindProp(std::string_view name) const;
};

class TObject {
 public:
  static const TClassInfo ClassInfo;

  virtual ~TObject() = default;
  // The class info of the object's class; every framework class overrides it.
  virtual const TClassInfo& ClassType() const { return ClassInfo; }
  std::string_view ClassName() const { return ClassType().Name; }
  bool InheritsFrom(const TClassInfo& ancestor) const { return ClassType().InheritsFrom(ancestor); }
  // Raises when the object's own class did not declare its class info, so
  // that it would pass for its parent class (its name, its window class).
  void CheckClassDeclared() const;
};

// Declares, first in a framework class's body, the class's run-time info
// and the ClassType that returns it; Parent is the class it derives from.
// The class's source file defines the info with QV_CLASS_INFO.
#define QV_CLASS(Class, Parent)  \
 public:                         \
  using inherited = Parent;      \
  static const TClassInfo ClassInfo; \
  const TClassInfo& ClassType() const override { return ClassInfo; }

template <class C>
constexpr TClassInfo MakeClassInfo(std::string_view name, std::span<const TPropInfo> props) {
  static_assert(std::is_base_of_v<typename C::inherited, C>, "a class derives from the parent it declares");
  return TClassInfo{name, &C::inherited::ClassInfo, props, &typeid(C)};
}

// Defines the info that QV_CLASS declared, with the table of the properties
// the class publishes (or {}).
#define QV_CLASS_INFO(Class, Props) const TClassInfo Class::ClassInfo = MakeClassInfo<Class>(#Class, Props)
