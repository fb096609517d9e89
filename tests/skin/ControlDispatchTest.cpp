// The control dispatch: which wrapper each control and bare window gets,
// as tables (class, the kinds of control skinned, Skin3rd lines, Tag →
// wrapper), and the form skinner carrying it out on real windows under
// Wine, with a factory that makes probe wrappers of every kind.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/controls/DispatchPlan.h"
#include "skin/controls/SkinControl.h"
#include "skin/window/SkinMessages.h"
#include "tests/skin/SkinnedWindow.h"
#include "ui/Memo.h"
#include "ui/Panel.h"
#include "ui/StrUtils.h"
#include "ui/TabSet.h"
#include "ui/TypInfo.h"

namespace {

using enum TWrapperKind;

constexpr TSkinControlTypes kAll = TSkinData::kDefaultSkinControls;
constexpr TSkinControlTypes Without(TSkinControlType type) { return kAll & ~SetBit(type); }

// Controls of other component libraries, known to the dispatch by name.
#define QV_NAMED_CONTROL(Name, Parent) \
  class Name : public Parent {         \
    QV_CLASS(Name, Parent)             \
    using Parent::Parent;              \
  };                                   \
  QV_CLASS_INFO(Name, {})

QV_NAMED_CONTROL(TTabbedNotebook, TWinControl);
QV_NAMED_CONTROL(TMVCPanel, TWinControl);
QV_NAMED_CONTROL(TSpinButton, TWinControl);
QV_NAMED_CONTROL(TMediaPlayer, TWinControl);
QV_NAMED_CONTROL(TDBNavigator, TWinControl);
QV_NAMED_CONTROL(TRzCheckBox, TWinControl);
QV_NAMED_CONTROL(TRzDBRadioButton, TWinControl);
QV_NAMED_CONTROL(TcxCheckBox, TWinControl);
QV_NAMED_CONTROL(TTntComboBox, TWinControl);
QV_NAMED_CONTROL(TRichEdit, TCustomMemo);
QV_NAMED_CONTROL(TdxDBMemo, TWinControl);
QV_NAMED_CONTROL(TdxTreeList, TWinControl);
QV_NAMED_CONTROL(TDBComboBoxEh, TWinControl);
QV_NAMED_CONTROL(TRzRadioGroup, TWinControl);
QV_NAMED_CONTROL(TRzCheckGroup, TWinControl);
QV_NAMED_CONTROL(TImageEnView, TWinControl);
// A panel of the program's own that a Skin3rd line may name.
QV_NAMED_CONTROL(TNamedPanel, TPanel);

// A panel of another library that can be made transparent.
class TLMDSimplePanel : public TWinControl {
  QV_CLASS(TLMDSimplePanel, TWinControl)
  using TWinControl::TWinControl;
  bool Transparent = false;

 private:
  static const TPropInfo Published[];
};
const TPropInfo TLMDSimplePanel::Published[] = {
    Prop<TTypeKind::Boolean, &TLMDSimplePanel::Transparent, &TLMDSimplePanel::Transparent>("Transparent"),
};
QV_CLASS_INFO(TLMDSimplePanel, TLMDSimplePanel::Published);

// A button of another library whose Kind says whether it drops down.
inline constexpr std::string_view kCxButtonKinds[] = {"cxbkStandard", "cxbkDropDown", "cxbkDropDownButton"};
class TcxButton : public TWinControl {
  QV_CLASS(TcxButton, TWinControl)
  using TWinControl::TWinControl;
  int Kind = 0;

 private:
  static const TPropInfo Published[];
};
const TPropInfo TcxButton::Published[] = {
    Prop<TTypeKind::Enumeration, &TcxButton::Kind, &TcxButton::Kind>("Kind", kCxButtonKinds),
};
QV_CLASS_INFO(TcxButton, TcxButton::Published);

// An edit of another library with buttons of its own.
class TdcEdit : public TWinControl {
  QV_CLASS(TdcEdit, TWinControl)
  using TWinControl::TWinControl;
  int NumButtons = 0;

 private:
  static const TPropInfo Published[];
};
const TPropInfo TdcEdit::Published[] = {
    Prop<TTypeKind::Integer, &TdcEdit::NumButtons, &TdcEdit::NumButtons>("NumButtons"),
};
QV_CLASS_INFO(TdcEdit, TdcEdit::Published);

std::string Upper(std::string_view name) { return AsciiUpperCase(name); }

std::string Describe(const TWrapperChoice& choice) {
  std::string text(choice.Kind == None ? "none" : WrapperClassName(choice.Kind));
  if (choice.FKind) text += " FKind " + std::to_string(choice.FKind);
  if (choice.Variant) text += " variant " + std::to_string(choice.Variant);
  if (choice.Marks) text += " marks " + std::to_string(choice.Marks);
  if (choice.SetColor) text += " colour";
  if (choice.AsWindow) text += " as window";
  return text;
}

TWrapperChoice Choice(TWrapperKind kind, bool colour = false, int fkind = 0) { return TWrapperChoice{kind, fkind, 0, 0, colour}; }
TWrapperChoice Marked(TWrapperKind kind, std::uint8_t marks) { return TWrapperChoice{kind, 0, 0, marks, false}; }
TWrapperChoice ObjImageChoice(int variant) { return TWrapperChoice{TWrapperKind::ObjImage, 0, variant, 0, true}; }

}  // namespace

// Bare windows: class name and style bits.
TEST(ControlDispatch, BareWindowsByClassAndStyle) {
  struct Case {
    const char* name;
    DWORD style;
    TSkinControlTypes controls;
    TWrapperKind kind;
    bool childWindows = false, colour = false, firstChild = false;
  };
  const Case cases[] = {
      {"button", BS_PUSHBUTTON, kAll, Button},
      {"button", BS_DEFPUSHBUTTON, kAll, Button},
      {"button", BS_USERBUTTON, kAll, Button},
      {"button", BS_CHECKBOX, kAll, CheckBox},
      {"button", BS_AUTOCHECKBOX, kAll, CheckBox},
      {"button", BS_3STATE, kAll, CheckBox},
      {"button", BS_AUTO3STATE, kAll, CheckBox},
      {"button", BS_RADIOBUTTON, kAll, RadioButton},
      {"button", BS_AUTORADIOBUTTON, kAll, RadioButton},
      {"button", BS_GROUPBOX, kAll, None},
      {"button", BS_PUSHBUTTON | BS_BITMAP, kAll, None},
      // All of 0xB: the class table, which has no "button".
      {"button", BS_OWNERDRAW, kAll, None},
      // A missing member means no wrapper, not the next kind.
      {"button", BS_AUTOCHECKBOX, Without(xcCheckBox), None},
      {"button", BS_AUTORADIOBUTTON, Without(xcRadioButton), None},
      {"button", BS_PUSHBUTTON, Without(xcButton), None},
      {"combobox", CBS_DROPDOWN, kAll, ComBox},
      {"combobox", CBS_DROPDOWNLIST, kAll, ComBox},
      {"combobox", CBS_SIMPLE, kAll, None},
      {"combobox", CBS_DROPDOWN, Without(xcCombo), None},
      {"comboboxex32", 0, kAll, ComBox, false, false, true},
      {"scrollbar", SBS_SIZEGRIP, kAll, Sizer},
      {"scrollbar", SBS_SIZEGRIP | WS_TABSTOP, kAll, None},
      {"systreeview32", 0, kAll, None},
      {"#32770", WS_POPUP, kAll, BoxH, true},
      {"#32770", WS_POPUP | WS_TABSTOP, kAll, None},
      {"tpanel", 0, kAll, None, true, true},
      {"ttntpanel.unicodeclass", 0, kAll, None, true, true},
      {"ttntsilentpaintpanel.unicodeclass", 0, kAll, None, true, true},
      {"tsilentpaintpanel", 0, kAll, None, false, true},
      {"tcheckbox", 0, kAll, CheckBox},
      {"tcheckbox", 0, Without(xcCheckBox), None},
      {"tcombobox", 0, kAll, ComBox},
      {"tbutton", 0, kAll, Button},
      {"tbutton", 0, Without(xcButton), None},
      {"tprogressbar", 0, 0, Progress},
      {"systabcontrol32", 0, kAll, Tab},
      {"systabcontrol32", TCS_OWNERDRAWFIXED, kAll, None},
      {"systabcontrol32", 0, Without(xcTab), None},
      {"toolbarwindow32", 0, 0, BoxH},
      {"edit", ES_MULTILINE, kAll, Edit},
      {"edit", 0, Without(xcEdit), None},
      {"static", 0, kAll, None},
  };
  for (const Case& c : cases) {
    const TWindowPlan plan = PlanWindow(c.name, c.style, c.controls);
    EXPECT_EQ(Describe(plan.Wrapper), Describe(TWrapperChoice{c.kind})) << c.name << " " << std::hex << c.style;
    EXPECT_EQ(plan.ChildWindows, c.childWindows) << c.name;
    EXPECT_EQ(plan.ColourControl, c.colour) << c.name;
    EXPECT_EQ(plan.OnFirstChild, c.firstChild) << c.name;
  }
}

// Skin3rd: the lines that name a class decide for it, whatever follows.
TEST(ControlDispatch, Skin3rdKinds) {
  TComponent root(nullptr);
  TForm* form = new TForm(&root);
  auto* plain = new TPanel(form);
  auto* framed = new TMemo(form);
  auto* cx = new TcxButton(form);
  for (TWinControl* control : {static_cast<TWinControl*>(plain), static_cast<TWinControl*>(framed),
                               static_cast<TWinControl*>(cx)}) {
    control->SetParent(form);
    control->SetBounds(0, 0, 50, 30);
  }
  cx->Kind = 2;
  framed->HandleNeeded();
  const std::string longKind(60, 'x');
  struct Case {
    std::vector<std::string> lines;
    const char* className;
    TControl* control;
    TSkinControlTypes controls;
    bool listed;
    TWrapperChoice wrapper;
    TChildStep before = TChildStep::None, after = TChildStep::None;
    TWrapperChoice children = {};
    std::vector<std::string_view> trueProps = {};
  };
  const std::vector<Case> cases = {
      {{"TOther=panel"}, "TFoo", plain, kAll, false, {}},
      {{"TFooBar=panel"}, "TFoo", plain, kAll, false, {}},
      {{"TFoo="}, "TFoo", plain, kAll, false, {}},
      // The first line that names the class, in any letter case.
      {{"tfoo=nil", "TFoo=panel"}, "TFoo", plain, kAll, true, {}},
      {{"TFOO=Panel"}, "TFoo", plain, kAll, true, Choice(Box, true), TChildStep::None, TChildStep::None, {}, {"Transparent"}},
      // Words compare exactly: no trimming, no other words.
      {{"TFoo=panel "}, "TFoo", plain, kAll, true, {}},
      {{"TFoo=" + longKind}, "TFoo", plain, kAll, true, {}},
      {{"TFoo=panel"}, "TFoo", plain, Without(xcPanel), true, {}},
      {{"TFoo=combobox"}, "TFoo", plain, kAll, true, Choice(ComBox)},
      {{"TFoo=combobox"}, "TFoo", plain, Without(xcCombo), true, {}},
      {{"TFoo=comboboxex"}, "TFoo", plain, kAll, true, Marked(ComBox, wmExtendedCombo)},
      // An edit is wrapped only with a frame of its own.
      {{"TFoo=edit"}, "TFoo", framed, kAll, true, Choice(Edit)},
      {{"TFoo=edit"}, "TFoo", plain, kAll, true, {}},
      {{"TFoo=radiobutton"}, "TFoo", plain, kAll, true, Choice(RadioButton)},
      {{"TFoo=trackbar"}, "TFoo", plain, kAll, true, Choice(TrackBar), TChildStep::None, TChildStep::None, {}, {"Transparent"}},
      {{"TFoo=trackbar"}, "TFoo", plain, Without(xcButton), true, {}},
      {{"TFoo=button"}, "TFoo", plain, kAll, true, Choice(Button)},
      {{"TFoo=datetimepicker"}, "TFoo", plain, kAll, true, Choice(DateTime)},
      {{"TFoo=datetimepicker"}, "TFoo", plain, Without(xcCombo), true, {}},
      {{"TFoo=mediaplayer"}, "TFoo", plain, kAll, true, Choice(MediaPlayer)},
      {{"TFoo=bitbtn"}, "TFoo", cx, kAll, true, Choice(BitButton)},
      {{"TcxButton=bitbtn"}, "TcxButton", cx, kAll, true, Choice(MenuButton)},
      {{"TFoo=pngbitbtn"}, "TFoo", plain, kAll, true, Marked(BitButton, wmPngGlyph)},
      {{"TFoo=pngspeedbutton"}, "TFoo", plain, kAll, true, Marked(SpeedButton, wmPngGlyph)},
      {{"TFoo=menubtn"}, "TFoo", plain, kAll, true, Choice(MenuButton)},
      {{"TFoo=speedbutton"}, "TFoo", plain, kAll, true, Choice(SpeedButton)},
      {{"TFoo=speedbutton"}, "TFoo", plain, Without(xcSpeedButton), true, {}},
      {{"TFoo=tab"}, "TFoo", plain, kAll, true, Choice(Tab)},
      {{"TFoo=progress"}, "TFoo", plain, kAll, true, Choice(Progress)},
      {{"TFoo=scrollbar"}, "TFoo", plain, kAll, true, Choice(Scrollbar), TChildStep::None, TChildStep::SkinChildren},
      {{"TFoo=singlescrollbar"}, "TFoo", plain, kAll, true, Choice(Scrollbar, false, 1)},
      {{"TFoo=embedscrollbar"}, "TFoo", plain, kAll, true, {}, TChildStep::EmbeddedScrollbars},
      {{"TFoo=embedscrollbar"}, "TFoo", plain, Without(xcScrollbar), true, {}},
      {{"TFoo=container"}, "TFoo", plain, 0, true, {}, TChildStep::SkinChildren},
      {{"TFoo=groupbox"}, "TFoo", plain, kAll, true, Choice(GroupBox, true)},
      {{"TFoo=advpagecontrol"}, "TFoo", plain, kAll, true, Choice(AdvPage, true, 4)},
      {{"TFoo=radiogroup"}, "TFoo", plain, kAll, true, Choice(GroupBox, true), TChildStep::WrapEachChild, TChildStep::None,
       Choice(RadioButton)},
      {{"TRzFoo=radiogroup"}, "TRzFoo", plain, kAll, true, Choice(GroupBox, true), TChildStep::WrapEachChild,
       TChildStep::None, ObjImageChoice(2)},
      {{"TFoo=radiogroup"}, "TFoo", plain, Without(xcRadioButton), true, Choice(GroupBox, true)},
      {{"TFoo=radiogroup"}, "TFoo", plain, Without(xcGroupBox), true, {}},
      {{"TFoo=checkgroup"}, "TFoo", plain, kAll, true, Choice(GroupBox, true), TChildStep::WrapEachChild, TChildStep::None,
       Choice(CheckBox)},
      {{"TRzFoo=checkgroup"}, "TRzFoo", plain, Without(xcGroupBox), true, {}, TChildStep::WrapEachChild,
       TChildStep::None, ObjImageChoice(1)},
      {{"TFoo=checkgroup"}, "TFoo", plain, Without(xcPanel), true, {}},
      {{"TFoo=checkbox"}, "TFoo", plain, kAll, true, Choice(CheckBox)},
      // The program's own list: TLMDGroupBox (groupbox) comes before
      // TLMDGROUPBOX (panel).
      {DefaultSkin3rd(), "TLMDGROUPBOX", plain, kAll, true, Choice(GroupBox, true)},
      {DefaultSkin3rd(), "TRzCheckGroup", plain, kAll, true, Choice(GroupBox, true), TChildStep::WrapEachChild,
       TChildStep::None, ObjImageChoice(1)},
      {DefaultSkin3rd(), "TPanel", plain, kAll, false, {}},
  };
  for (const Case& c : cases) {
    TStringList lines;
    for (const std::string& line : c.lines) lines.Add(line);
    TDispatchContext context;
    context.Controls = c.controls;
    context.Skin3rd = &lines;
    context.TabElement = true;
    const TControlPlan plan = PlanByKind(Upper(c.className), *c.control, context);
    const std::string where = c.lines.front() + " / " + c.className;
    EXPECT_EQ(plan.Listed, c.listed) << where;
    EXPECT_EQ(Describe(plan.Wrapper), Describe(c.wrapper)) << where;
    EXPECT_EQ(plan.Before, c.before) << where;
    EXPECT_EQ(plan.After, c.after) << where;
    EXPECT_EQ(Describe(plan.ChildWrapper), Describe(c.children)) << where;
    EXPECT_EQ(plan.TrueProps, c.trueProps) << where;
    EXPECT_EQ(plan.Row, 0) << where;
  }
  // The kind is kept cut to 50 characters.
  TStringList lines;
  lines.Add("TFoo=" + longKind);
  TDispatchContext context;
  context.Skin3rd = &lines;
  EXPECT_EQ(PlanByKind("TFOO", *plain, context).Kind, std::string(50, 'x'));
  // No tab element, no tab wrapper.
  lines.Clear();
  lines.Add("TFoo=tab");
  context.Controls = kAll;
  EXPECT_EQ(PlanByKind("TFOO", *plain, context).Wrapper.Kind, None);
}

// Carrying the dispatch out on a skinned form.

namespace {

// What the probe factory made, in order.
struct TMade {
  TWrapperChoice Choice;
  TComponent* Owner;
};
std::vector<TMade> gMade;

// A wrapper of any kind, as the wrapper classes will be.
class TKindProbe : public TSkinControl {
  QV_CLASS(TKindProbe, TSkinControl)
  using TSkinControl::TSkinControl;
};
QV_CLASS_INFO(TKindProbe, {});

TSkinControl* MakeProbe(const TWrapperChoice& choice, TComponent* owner) {
  gMade.push_back({choice, owner});
  return new TKindProbe(owner);
}

class ControlDispatchOnForm : public ::testing::Test {
 protected:
  void SetUp() override {
    gMade.clear();
    Window = std::make_unique<TSkinnedWindow>(probe::Skin(), 300, 200);
    Window->Show();
    ASSERT_NE(Window->Skin(), nullptr);
    Skin().FCreateWrapper = &MakeProbe;
  }
  void TearDown() override { Window.reset(); }

  TWinSkinForm& Skin() { return *Window->Skin(); }
  TForm& Form() { return *Window->Form; }
  template <class T>
  T* Add(TWinControl* parent, int left = 0) {
    auto* control = new T(&Form());
    control->SetParent(parent);
    control->SetBounds(left, 0, 60, 40);
    return control;
  }
  // Who got what, in the order made: "TSkinBox Panel".
  std::vector<std::string> Made() const {
    std::vector<std::string> made;
    for (const TMade& m : gMade) made.push_back(Describe(m.Choice) + " " + m.Owner->Name());
    return made;
  }
  static LRESULT Query(TWinControl* control) { return SendMessageA(control->Handle(), SKM_QUERYSKINNED, 0, 0); }

  std::unique_ptr<TSkinnedWindow> Window;
};

}  // namespace

TEST_F(ControlDispatchOnForm, ChildrenBeforeTheirPanelAndEachControlOnce) {
  auto* panel = Add<TPanel>(&Form());
  panel->SetName("Panel");
  panel->SetColor(RGB(1, 2, 3));
  auto* memo = Add<TMemo>(panel);
  memo->SetName("Memo");
  Skin().SkinFormControls(Form());
  EXPECT_EQ(Made(), (std::vector<std::string>{"TSkinScrollbar Memo", "TSkinBox colour Panel"}));
  EXPECT_EQ(Skin().FControls.size(), 2u);
  EXPECT_EQ(Query(panel), 1);
  EXPECT_EQ(Query(memo), 1);
  EXPECT_EQ(panel->Color(), Window->Data->FColours[scButtonFace]);
  // A second pass finds both skinned.
  Skin().SkinFormControls(Form());
  EXPECT_EQ(gMade.size(), 2u);
}

namespace {

// A factory for which no wrapper class is built.
TSkinControl* MakeNothing(const TWrapperChoice&, TComponent*) { return nullptr; }

}  // namespace

TEST_F(ControlDispatchOnForm, KindsWithoutAWrapperClassMakeNothing) {
  Skin().FCreateWrapper = &MakeNothing;
  auto* panel = Add<TPanel>(&Form());
  panel->SetColor(RGB(1, 2, 3));
  auto* memo = Add<TMemo>(panel);
  auto* lmd = Add<TLMDSimplePanel>(&Form(), 100);
  Skin().SkinFormControls(Form());
  EXPECT_TRUE(Skin().FControls.empty());
  EXPECT_EQ(Query(panel), 0);
  EXPECT_EQ(Query(memo), 0);
  EXPECT_EQ(panel->Color(), RGB(1, 2, 3));
  // What a row sets on the control comes with its wrapper only.
  EXPECT_FALSE(lmd->Transparent);
  Skin().FCreateWrapper = &MakeProbe;
  Skin().SkinControl(*lmd, &Form());
  EXPECT_TRUE(lmd->Transparent);
}

TEST_F(ControlDispatchOnForm, TheDisableTagLeavesControlsAndGroupsAlone) {
  const int tag = Window->Data->DisableTag();
  auto* panel = Add<TPanel>(&Form());
  panel->SetTag(tag);
  auto* group = Add<TRzRadioGroup>(&Form(), 100);
  group->SetTag(tag);
  auto* button = Add<TPanel>(group);
  auto* other = Add<TPanel>(group);
  Skin().SkinFormControls(Form());
  EXPECT_EQ(Query(panel), 0);
  // The group's buttons take its tag.
  EXPECT_EQ(button->Tag(), tag);
  EXPECT_EQ(other->Tag(), tag);
  EXPECT_TRUE(gMade.empty());
}

TEST_F(ControlDispatchOnForm, GroupsOfOtherLibrariesWrapTheirButtons) {
  Window->Data->Skin3rd()->Assign(TStringList());
  for (const std::string& line : DefaultSkin3rd()) Window->Data->Skin3rd()->Add(line);
  auto* group = Add<TRzCheckGroup>(&Form());
  group->SetName("Group");
  Add<TPanel>(group)->SetName("First");
  auto* skipped = Add<TPanel>(group);
  skipped->SetName("Skipped");
  skipped->SetTag(Window->Data->DisableTag());
  Add<TPanel>(group, 60)->SetName("Second");
  // Listed, but as nothing: the class table would have made it a box.
  Window->Data->Skin3rd()->Add("TNamedPanel=nothing we know");
  Add<TNamedPanel>(&Form(), 100)->SetName("Named");
  Skin().SkinFormControls(Form());
  EXPECT_EQ(Made(), (std::vector<std::string>{"TSkinObjImage variant 1 colour First",
                                              "TSkinObjImage variant 1 colour Second", "TSkinGroupBox colour Group"}));
}

TEST_F(ControlDispatchOnForm, ControlsThatAreNeverSkinned) {
  Add<TDBComboBoxEh>(&Form())->SetName("Eh");
  // Without a parent a control is not dispatched.
  auto* orphan = new TPanel(&Form());
  orphan->SetName("Orphan");
  Skin().SkinComponents(Form());
  EXPECT_TRUE(gMade.empty());
}

TEST_F(ControlDispatchOnForm, DialogChildWindows) {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  // A dialog inside a window (a page of a property sheet).
  const HWND dialog = CreateWindowExA(0, "#32770", "Dialog", WS_CHILD | WS_VISIBLE, 10, 10, 200, 150, Window->Handle(),
                                      nullptr, instance, nullptr);
  const auto child = [&](const char* cls, DWORD style, int top) {
    return CreateWindowExA(0, cls, "x", WS_CHILD | WS_VISIBLE | style, 10, top, 100, 20, dialog, nullptr, instance,
                           nullptr);
  };
  const HWND check = child("BUTTON", BS_AUTOCHECKBOX, 10);
  const HWND push = child("BUTTON", BS_PUSHBUTTON, 35);
  const HWND edit = child("EDIT", 0, 60);
  child("STATIC", 0, 85);
  Skin().SkinWindow(dialog);
  std::vector<std::pair<TWrapperKind, HWND>> wrapped;
  for (const TSkinControl* wrapper : Skin().FControls) wrapped.emplace_back(gMade[wrapped.size()].Choice.Kind, wrapper->FHandle);
  // The child windows first, in z-order, then the dialog.
  EXPECT_EQ(wrapped, (std::vector<std::pair<TWrapperKind, HWND>>{
                         {CheckBox, check}, {Button, push}, {Edit, edit}, {BoxH, dialog}}));
  for (const TMade& made : gMade) EXPECT_EQ(made.Owner, &Skin());
  EXPECT_EQ(SendMessageA(edit, SKM_QUERYSKINNED, 0, 0), 1);
  // Once only.
  Skin().SkinWindow(dialog);
  Skin().SkinWindow(edit);
  EXPECT_EQ(gMade.size(), 4u);
  DestroyWindow(dialog);
  // The wrappers of destroyed windows make way at the next dispatch.
  Skin().SkinFormControls(Form());
  EXPECT_TRUE(Skin().FControls.empty());
}

TEST_F(ControlDispatchOnForm, TheSizeGripOfASkinnedWindow) {
  const HWND grip = CreateWindowExA(0, "SCROLLBAR", "", WS_CHILD | WS_VISIBLE | SBS_SIZEGRIP, 280, 180, 16, 16,
                                    Window->Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_EQ(Skin().FControls.size(), 1u);
  EXPECT_EQ(gMade[0].Choice.Kind, Sizer);
  EXPECT_EQ(Skin().FControls[0]->FHandle, grip);
  EXPECT_EQ(SendMessageA(grip, SKM_QUERYSKINNED, 0, 0), 1);
}

TEST_F(ControlDispatchOnForm, TheProgramsOwnWrappers) {
  auto* panel = Add<TPanel>(&Form());
  panel->SetName("Panel");
  auto* memo = Add<TMemo>(panel);
  memo->SetName("Memo");
  std::vector<std::string> asked;
  struct TMaker {
    // Panels are the program's; everything else is left to the dispatch.
    void Make(TObject*, TSkinData*, TComponent* container, TControl* control, const std::string& className,
              TObject*& skinned) {
      Asked->push_back(control->Name() + " in " + container->Name());
      if (className == "TPANEL") skinned = new TKindProbe(control);
    }
    std::vector<std::string>* Asked;
  } maker{&asked};
  Window->Data->OnSkinControl = TOnSkinControl::Of<&TMaker::Make>(&maker);
  Form().SetName("Form");
  Skin().SkinFormControls(Form());
  // The panel's wrapper is attached, then its children are dispatched.
  EXPECT_EQ(asked, (std::vector<std::string>{"Panel in Form", "Memo in Panel"}));
  EXPECT_EQ(Made(), std::vector<std::string>{"TSkinScrollbar Memo"});
  EXPECT_EQ(Skin().FControls.size(), 2u);
  EXPECT_EQ(Query(panel), 1);
  EXPECT_EQ(Query(memo), 1);
  Skin().SkinFormControls(Form());
  EXPECT_EQ(asked.size(), 2u);
  Window->Data->OnSkinControl = {};
}
