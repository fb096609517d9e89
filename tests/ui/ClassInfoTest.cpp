#include <gtest/gtest.h>

#include <functional>

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
