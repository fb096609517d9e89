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
#include <vector>

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

class TComponent;

struct TClassInfo {
  std::string_view Name;
  const TClassInfo* Parent;
  // The properties this class publishes in addition to its ancestors'.
  std::span<const TPropInfo> Props;
  // The C++ type the info was declared for.
  const std::type_info* Type;

  bool InheritsFrom(const TClassInfo& ancestor) const;
  // The published property of that name, in any letter case, of this class
  // or an ancestor; nullptr when there is none. Compares in place: nothing
  // is copied.
  const TPropInfo* FindProp(std::string_view name) const;
};

// A class whose info is defined (QV_CLASS_INFO) in the program.
struct TRegisteredClass {
  const TClassInfo* Info;
  // Makes an object of the class with the given owner; absent for a class
  // that cannot be made from an owner alone (abstract, or constructed from
  // other values).
  TObject* (*Construct)(TComponent* owner);
  // The object is of the class or of a class derived from it, as C++ sees
  // it (what TObject::InheritsFrom answers from the class infos).
  bool (*IsInstance)(const TObject& object);
};

// Every class of the program, in no particular order; filled before main.
const std::vector<TRegisteredClass>& RegisteredClasses();

class TObject {
 public:
  using ThisClass = TObject;
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
#define QV_CLASS(Class, Parent)      \
 public:                             \
  using ThisClass = Class;           \
  using inherited = Parent;          \
  static const TClassInfo ClassInfo; \
  const TClassInfo& ClassType() const override { return ClassInfo; }

namespace object_detail {

// Adds a class to RegisteredClasses.
struct TClassRegistration {
  explicit TClassRegistration(const TRegisteredClass& registered);
};

template <class C>
TRegisteredClass Registered() {
  TObject* (*construct)(TComponent*) = nullptr;
  if constexpr (!std::is_abstract_v<C> && std::is_constructible_v<C, TComponent*>) {
    construct = [](TComponent* owner) -> TObject* { return new C(owner); };
  }
  return {&C::ClassInfo, construct, [](const TObject& object) { return dynamic_cast<const C*>(&object) != nullptr; }};
}

}  // namespace object_detail

template <class C>
constexpr TClassInfo MakeClassInfo(std::string_view name, std::span<const TPropInfo> props) {
  // The class declares itself, and its parent declares itself too: a class
  // between them without its own declaration would be missing from the
  // ancestry that "is a" tests walk.
  static_assert(std::is_same_v<typename C::ThisClass, C>, "QV_CLASS names the class it is in");
  static_assert(std::is_same_v<typename C::inherited::ThisClass, typename C::inherited>,
                "the parent class declares its class info (QV_CLASS)");
  static_assert(std::is_base_of_v<typename C::inherited, C>, "a class derives from the parent it declares");
  return TClassInfo{name, &C::inherited::ClassInfo, props, &typeid(C)};
}

// Defines the info that QV_CLASS declared, with the table of the properties
// the class publishes (or {}), and registers the class.
#define QV_CLASS_INFO(Class, Props)                                        \
  const TClassInfo Class::ClassInfo = MakeClassInfo<Class>(#Class, Props); \
  static const object_detail::TClassRegistration qvClassRegistration##Class{object_detail::Registered<Class>()}
