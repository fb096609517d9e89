#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>

#include "ui/Component.h"
#include "ui/TypInfo.h"

namespace {

enum class TShape { stCircle, stSquare, stTriangle };
constexpr std::string_view kShapeNames[] = {"stCircle", "stSquare", "stTriangle"};
constexpr std::string_view kSideNames[] = {"sdLeft", "sdTop", "sdRight", "sdBottom"};

// One published property of every kind.
class TWidget : public TComponent {
 public:
  QV_CLASS(TWidget, TComponent)
  using TComponent::TComponent;

  int Size() const { return FSize; }
  void SetSize(int size) { FSize = size; }
  TShape Shape() const { return FShape; }
  void SetShape(TShape shape) { FShape = shape; }
  int Count() const { return 7; }
  void SetBuddy(TWidget* buddy) { FBuddy = buddy; }
  TWidget* Buddy() const { return FBuddy; }
  void Changed(TObject* sender) { LastSender = sender; }
  void Cleared(TObject*) { LastSender = nullptr; }

  std::uint8_t Sides = 0;
  std::string Label;
  bool Checked = false;
  TNotifyEvent OnChange;
  TObject* LastSender = nullptr;

 private:
  static const TPropInfo Published[];
  int FSize = 0;
  TShape FShape = TShape::stCircle;
  TWidget* FBuddy = nullptr;
};

const TPropInfo TWidget::Published[] = {
    Prop<TTypeKind::Integer, &TWidget::Size, &TWidget::SetSize>("Size"),
    Prop<TTypeKind::Enumeration, &TWidget::Shape, &TWidget::SetShape>("Shape", kShapeNames),
    Prop<TTypeKind::Set, &TWidget::Sides, &TWidget::Sides>("Sides", kSideNames),
    Prop<TTypeKind::String, &TWidget::Label, &TWidget::Label>("Label"),
    Prop<TTypeKind::Boolean, &TWidget::Checked, &TWidget::Checked>("Checked"),
    Prop<TTypeKind::Object, &TWidget::Buddy, &TWidget::SetBuddy>("Buddy"),
    Prop<TTypeKind::Method, &TWidget::OnChange, &TWidget::OnChange>("OnChange"),
    Prop<TTypeKind::Integer, &TWidget::Count, nullptr>("Count"),
};
QV_CLASS_INFO(TWidget, Published);

}  // namespace

TEST(ClassInfo, RecordsTheTypeItWasDeclaredFor) {
  class TUndeclared : public TWidget {
   public:
    using TWidget::TWidget;
  };
  TWidget widget(nullptr);
  TUndeclared undeclared(nullptr);
  EXPECT_EQ(*TWidget::ClassInfo.Type, typeid(TWidget));
  EXPECT_NO_THROW(widget.CheckClassDeclared());
  // Without its own declaration the class would pass for its parent.
  EXPECT_EQ(undeclared.ClassName(), "TWidget");
  EXPECT_THROW(undeclared.CheckClassDeclared(), Exception);
}

TEST(ClassInfo, NamesTheClassAndItsAncestry) {
  TWidget widget(nullptr);
  TComponent component(nullptr);
  EXPECT_EQ(widget.ClassName(), "TWidget");
  EXPECT_TRUE(widget.InheritsFrom(TComponent::ClassInfo));
  EXPECT_TRUE(widget.InheritsFrom(TObject::ClassInfo));
  EXPECT_FALSE(component.InheritsFrom(TWidget::ClassInfo));
  EXPECT_EQ(component.ClassName(), "TComponent");
}

TEST(ClassInfo, ReadsAndWritesEveryKindOfPropertyByName) {
  TWidget widget(nullptr);
  TWidget buddy(nullptr);

  SetPropValue(widget, "Size", std::int64_t{42});
  SetPropValue(widget, "Shape", std::int64_t{2});
  SetPropValue(widget, "Sides", std::int64_t{0b1010});
  SetPropValue(widget, "Label", std::string("把文件"));
  SetPropValue(widget, "Checked", std::int64_t{1});
  SetPropValue(widget, "Buddy", static_cast<TObject*>(&buddy));
  const auto onChange = TNotifyEvent::Of<&TWidget::Changed>(&buddy);
  SetPropValue(widget, "OnChange", onChange.Raw());
  SetPropValue(widget, "Name", std::string("Widget1"));
  SetPropValue(widget, "Tag", std::int64_t{99});

  EXPECT_EQ(widget.Size(), 42);
  EXPECT_EQ(widget.Shape(), TShape::stTriangle);
  EXPECT_EQ(widget.Sides, 0b1010);
  EXPECT_EQ(widget.Label, "把文件");
  EXPECT_TRUE(widget.Checked);
  EXPECT_EQ(widget.Buddy(), &buddy);
  EXPECT_EQ(widget.OnChange, onChange);
  EXPECT_EQ(widget.Name(), "Widget1");
  EXPECT_EQ(widget.Tag(), 99);

  EXPECT_EQ(std::get<std::int64_t>(GetPropValue(widget, "size")), 42);
  EXPECT_EQ(std::get<std::int64_t>(GetPropValue(widget, "SHAPE")), 2);
  EXPECT_EQ(std::get<std::int64_t>(GetPropValue(widget, "Sides")), 0b1010);
  EXPECT_EQ(std::get<std::string>(GetPropValue(widget, "Label")), "把文件");
  EXPECT_EQ(std::get<std::int64_t>(GetPropValue(widget, "Checked")), 1);
  EXPECT_EQ(std::get<TObject*>(GetPropValue(widget, "Buddy")), &buddy);
  EXPECT_EQ(std::get<std::int64_t>(GetPropValue(widget, "Count")), 7);
  EXPECT_EQ(std::get<std::int64_t>(GetPropValue(widget, "tag")), 99);

  // The method read back by name calls the handler on its object.
  TNotifyEvent::FromRaw(std::get<TRawMethod>(GetPropValue(widget, "OnChange")))(&widget);
  EXPECT_EQ(buddy.LastSender, &widget);
  EXPECT_EQ(widget.LastSender, nullptr);
}

TEST(ClassInfo, EnumerationsAndBooleansByIdentifier) {
  TWidget widget(nullptr);
  SetEnumProp(widget, "Shape", "STSQUARE");
  EXPECT_EQ(widget.Shape(), TShape::stSquare);
  EXPECT_EQ(GetEnumProp(widget, "Shape"), "stSquare");
  SetEnumProp(widget, "Checked", "true");
  EXPECT_TRUE(widget.Checked);
  EXPECT_EQ(GetEnumProp(widget, "Checked"), "True");
  EXPECT_EQ(GetPropInfo(widget, "Absent"), nullptr);
  EXPECT_EQ(GetPropInfo(widget, "label")->Kind, TTypeKind::String);
}

// Every class of the program: its info names it and its C++ type, the "is
// a" answers of the infos are those of the C++ hierarchy, and a class that
// can be made from an owner is made with the right class.
TEST(ClassInfo, EveryRegisteredClassIsWhatItsInfoSays) {
  const auto& classes = RegisteredClasses();
  ASSERT_GT(classes.size(), 5u);
  TComponent owner(nullptr);
  int made = 0;
  for (const TRegisteredClass& registered : classes) {
    const TClassInfo& info = *registered.Info;
    SCOPED_TRACE(std::string(info.Name));
    EXPECT_FALSE(info.Name.empty());
    EXPECT_TRUE(info.InheritsFrom(TObject::ClassInfo));
    if (!registered.Construct) continue;
    TObject* object = registered.Construct(&owner);
    ++made;
    EXPECT_EQ(&object->ClassType(), &info);
    EXPECT_EQ(typeid(*object), *info.Type);
    EXPECT_NO_THROW(object->CheckClassDeclared());
    for (const TRegisteredClass& other : classes) {
      EXPECT_EQ(object->InheritsFrom(*other.Info), other.IsInstance(*object)) << "is a " << other.Info->Name;
    }
  }
  EXPECT_GT(made, 0);
  // The owner frees what was made.
  EXPECT_EQ(owner.ComponentCount(), made);
}

TEST(ClassInfo, ClassesOfThisTestAreRegisteredToo) {
  const auto& classes = RegisteredClasses();
  const auto registered = [&](const TClassInfo& info) {
    return std::any_of(classes.begin(), classes.end(), [&](const TRegisteredClass& c) { return c.Info == &info; });
  };
  EXPECT_TRUE(registered(TWidget::ClassInfo));
  EXPECT_TRUE(registered(TComponent::ClassInfo));
  EXPECT_TRUE(registered(TObject::ClassInfo));
}

TEST(ClassInfo, FindsPropertiesByNameWithoutThrowing) {
  TWidget widget(nullptr);
  TWidget buddy(nullptr);
  widget.SetSize(42);
  widget.SetShape(TShape::stSquare);
  widget.Label = "把文件";
  widget.Checked = true;
  widget.SetBuddy(&buddy);
  const TObject* none = nullptr;
  const struct {
    const TObject* object;
    const char* name;
    std::optional<std::int64_t> integer;
    std::optional<std::string> identifier;
    std::optional<std::string> text;
    const TObject* object_value;
  } cases[] = {
      {&widget, "size", 42, {}, {}, nullptr},
      {&widget, "Shape", {}, "stSquare", {}, nullptr},
      {&widget, "CHECKED", {}, "True", {}, nullptr},
      {&widget, "Label", {}, {}, "把文件", nullptr},
      {&widget, "Buddy", {}, {}, {}, &buddy},
      {&widget, "Tag", 0, {}, {}, nullptr},
      // A set, a method and a missing property are none of these.
      {&widget, "Sides", {}, {}, {}, nullptr},
      {&widget, "OnChange", {}, {}, {}, nullptr},
      {&widget, "Glyph", {}, {}, {}, nullptr},
      {none, "Size", {}, {}, {}, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FindIntProp(c.object, c.name), c.integer);
    EXPECT_EQ(FindEnumProp(c.object, c.name), c.identifier);
    EXPECT_EQ(FindStrProp(c.object, c.name), c.text);
    EXPECT_EQ(FindObjectProp(c.object, c.name), c.object_value);
  }
}

TEST(ClassInfo, SetsPropertiesFromTheirText) {
  TWidget widget(nullptr);
  const struct {
    const char* name;
    const char* text;
    bool set;
  } cases[] = {
      {"Size", "12", true},     {"Size", "$10", true},  {"Size", "12px", false}, {"Shape", "STTRIANGLE", true},
      {"Shape", "stOval", false}, {"Checked", "true", true}, {"Label", "面板", true}, {"Count", "3", false},
      {"Sides", "1", false},    {"Buddy", "x", false},  {"Missing", "1", false},
  };
  for (const auto& c : cases) EXPECT_EQ(SetPropFromText(&widget, c.name, c.text), c.set) << c.name << "=" << c.text;
  EXPECT_EQ(widget.Size(), 16);
  EXPECT_EQ(widget.Shape(), TShape::stTriangle);
  EXPECT_TRUE(widget.Checked);
  EXPECT_EQ(widget.Label, "面板");
  EXPECT_EQ(widget.Sides, 0);
  EXPECT_FALSE(SetPropFromText(nullptr, "Size", "1"));
}

TEST(ClassInfo, RejectsWhatThePropertyCannotTake) {
  TWidget widget(nullptr);
  TComponent notAWidget(nullptr);
  widget.SetSize(5);
  const std::pair<const char*, std::function<void()>> cases[] = {
      {"unknown property", [&] { SetPropValue(widget, "Colour", std::int64_t{1}); }},
      {"unknown property read", [&] { GetPropValue(widget, "Colour"); }},
      {"read-only", [&] { SetPropValue(widget, "Count", std::int64_t{1}); }},
      {"text for a number", [&] { SetPropValue(widget, "Size", std::string("12")); }},
      {"number for a text", [&] { SetPropValue(widget, "Label", std::int64_t{12}); }},
      {"enumeration value past the last", [&] { SetPropValue(widget, "Shape", std::int64_t{3}); }},
      {"negative enumeration value", [&] { SetPropValue(widget, "Shape", std::int64_t{-1}); }},
      {"unknown identifier", [&] { SetEnumProp(widget, "Shape", "stHexagon"); }},
      {"identifier for an integer", [&] { SetEnumProp(widget, "Size", "stSquare"); }},
      {"object of another class", [&] { SetPropValue(widget, "Buddy", static_cast<TObject*>(&notAWidget)); }},
  };
  for (const auto& [what, attempt] : cases) {
    EXPECT_THROW(attempt(), EPropertyError) << what;
  }
  EXPECT_EQ(widget.Size(), 5);
  EXPECT_EQ(widget.Shape(), TShape::stCircle);
  EXPECT_EQ(widget.Buddy(), nullptr);
}

TEST(Method, EqualWhenTheSameCodeRunsOnTheSameObject) {
  TWidget first(nullptr);
  TWidget second(nullptr);
  const auto method = TNotifyEvent::Of<&TWidget::Changed>(&first);
  EXPECT_EQ(method, TNotifyEvent::Of<&TWidget::Changed>(&first));
  EXPECT_NE(method, TNotifyEvent::Of<&TWidget::Changed>(&second));
  EXPECT_NE(method, TNotifyEvent::Of<&TWidget::Cleared>(&first));
  EXPECT_NE(method, TNotifyEvent());
  EXPECT_FALSE(TNotifyEvent());
  EXPECT_EQ(TNotifyEvent::FromRaw(method.Raw()), method);

  method(&second);
  EXPECT_EQ(first.LastSender, &second);
  EXPECT_EQ(second.LastSender, nullptr);
}
