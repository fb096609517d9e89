// Edits, buttons and boxes: their windows, their published properties and
// what a user sees them do.
#include <gtest/gtest.h>

#include "tests/ui/ControlTesting.h"
#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/GroupBox.h"
#include "ui/ListBox.h"
#include "ui/Memo.h"
#include "ui/RadioGroup.h"
#include "ui/ScrollBar.h"
#include "ui/TypInfo.h"

namespace {

// Counts the events it is given.
struct TEvents {
  void Notify(TObject* sender) {
    ++Count;
    Sender = sender;
  }
  TNotifyEvent Event() { return TNotifyEvent::Of<&TEvents::Notify>(this); }
  int Count = 0;
  TObject* Sender = nullptr;
};

template <class T>
T* Place(TForm& host, const RECT& bounds) {
  auto* control = new T(&host);
  control->SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
  control->SetParent(&host);
  return control;
}

DWORD StyleOf(TWinControl& control) { return static_cast<DWORD>(GetWindowLongA(control.Handle(), GWL_STYLE)); }
DWORD ExStyleOf(TWinControl& control) { return static_cast<DWORD>(GetWindowLongA(control.Handle(), GWL_EXSTYLE)); }

POINT Centre(TControl& control) { return POINT{control.Left() + control.Width() / 2, control.Top() + control.Height() / 2}; }

}  // namespace

TEST(Button, AClickOrTheSpaceKeyCallsOnClick) {
  auto host = NewHostForm();
  TEvents clicks;
  auto* button = Place<TButton>(*host, RECT{10, 10, 90, 35});
  button->SetCaption("确定");
  button->OnClick = clicks.Event();
  ClickClient(host->Handle(), Centre(*button));
  EXPECT_EQ(clicks.Count, 1);
  SetFocus(button->Handle());
  TypeKey(VK_SPACE);
  EXPECT_EQ(clicks.Count, 2);
  EXPECT_EQ(clicks.Sender, button);
  // By name, as the skin reads it.
  EXPECT_EQ(FindStrProp(button, "Caption"), "确定");
  EXPECT_EQ(FindEnumProp(button, "Default"), "False");
  EXPECT_TRUE(SetPropFromText(button, "Default", "True"));
  EXPECT_EQ(StyleOf(*button) & BS_TYPEMASK, static_cast<DWORD>(BS_DEFPUSHBUTTON));
}

TEST(CheckBox, AClickMovesItToItsNextState) {
  auto host = NewHostForm();
  const struct {
    bool allowGrayed;
    std::vector<TCheckBoxState> states;
  } cases[] = {
      {false, {TCheckBoxState::cbChecked, TCheckBoxState::cbUnchecked, TCheckBoxState::cbChecked}},
      {true, {TCheckBoxState::cbChecked, TCheckBoxState::cbGrayed, TCheckBoxState::cbUnchecked}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.allowGrayed ? "grayed allowed" : "two states");
    TEvents clicks;
    auto* box = Place<TCheckBox>(*host, RECT{10, 10, 150, 30});
    box->SetCaption("选择");
    box->SetAllowGrayed(c.allowGrayed);
    box->OnClick = clicks.Event();
    for (TCheckBoxState expected : c.states) {
      ClickClient(host->Handle(), POINT{20, 20});
      EXPECT_EQ(box->State(), expected);
      EXPECT_EQ(SendMessageA(box->Handle(), BM_GETCHECK, 0, 0), static_cast<LRESULT>(expected));
    }
    EXPECT_EQ(clicks.Count, 3);
    delete box;
  }
  auto* box = Place<TCheckBox>(*host, RECT{10, 10, 150, 30});
  EXPECT_TRUE(SetPropFromText(box, "State", "cbChecked"));
  EXPECT_EQ(FindEnumProp(box, "Checked"), "True");
  EXPECT_EQ(SendMessageA(box->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
  // Caption left of the box: the box at the right.
  EXPECT_TRUE(SetPropFromText(box, "Alignment", "taLeftJustify"));
  EXPECT_TRUE(StyleOf(*box) & BS_LEFTTEXT);
  EXPECT_EQ(SendMessageA(box->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST(RadioButton, AClickChecksItAndClearsTheOthersOfItsParent) {
  auto host = NewHostForm();
  TEvents clicks;
  std::vector<TRadioButton*> buttons;
  for (int i = 0; i < 3; ++i) {
    buttons.push_back(Place<TRadioButton>(*host, RECT{10, 10 + 25 * i, 150, 30 + 25 * i}));
    buttons.back()->OnClick = clicks.Event();
  }
  buttons[0]->SetChecked(true);
  ClickClient(host->Handle(), POINT{20, 45});
  EXPECT_FALSE(buttons[0]->Checked());
  EXPECT_TRUE(buttons[1]->Checked());
  EXPECT_FALSE(buttons[2]->Checked());
  EXPECT_EQ(SendMessageA(buttons[0]->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(SendMessageA(buttons[1]->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(clicks.Count, 2);
  EXPECT_EQ(clicks.Sender, buttons[1]);
  EXPECT_TRUE(SetPropFromText(buttons[2], "Checked", "True"));
  EXPECT_EQ(FindEnumProp(buttons[1], "Checked"), "False");
}

TEST(Edit, TypedTextIsItsTextWithinItsLimits) {
  auto host = NewHostForm();
  TEvents changes;
  auto* edit = Place<TEdit>(*host, RECT{10, 10, 200, 31});
  edit->OnChange = changes.Event();
  edit->SetMaxLength(3);
  SetFocus(edit->Handle());
  for (WORD key : {'A', 'B', 'C', 'D'}) TypeKey(key);
  EXPECT_EQ(edit->Text(), "abc");
  EXPECT_GE(changes.Count, 3);
  edit->SetReadOnly(true);
  TypeKey(VK_BACK);
  EXPECT_EQ(FindStrProp(edit, "Text"), "abc");
  EXPECT_TRUE(ExStyleOf(*edit) & WS_EX_CLIENTEDGE);
  EXPECT_TRUE(SetPropFromText(edit, "BorderStyle", "bsNone"));
  EXPECT_FALSE(ExStyleOf(*edit) & WS_EX_CLIENTEDGE);
  // Still the same text and limit in the window made anew.
  EXPECT_EQ(edit->Text(), "abc");
  EXPECT_EQ(SendMessageA(edit->Handle(), EM_GETLIMITTEXT, 0, 0), 3);
}

TEST(Memo, ScrollBarsAreTheWindowsAndTheSystemShowsThemWhenNeeded) {
  auto host = NewHostForm();
  auto* memo = Place<TMemo>(*host, RECT{10, 10, 200, 110});
  EXPECT_TRUE(memo->InheritsFrom(TCustomEdit::ClassInfo));
  EXPECT_TRUE(SetPropFromText(memo, "ScrollBars", "ssVertical"));
  EXPECT_TRUE(StyleOf(*memo) & ES_MULTILINE);
  for (int i = 0; i < 30; ++i) memo->Lines()->Add("第 " + std::to_string(i) + " 行");
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  GetScrollInfo(memo->Handle(), SB_VERT, &info);
  EXPECT_GT(info.nMax, static_cast<int>(info.nPage));
  EXPECT_FALSE(StyleOf(*memo) & ES_AUTOHSCROLL);
  EXPECT_TRUE(SetPropFromText(memo, "WordWrap", "False"));
  EXPECT_TRUE(StyleOf(*memo) & ES_AUTOHSCROLL);
  EXPECT_EQ(memo->Lines()->Count(), 30);
}

TEST(ListBox, ShowsItsItemsAndAClickChoosesOne) {
  auto host = NewHostForm();
  TEvents clicks;
  auto* list = Place<TListBox>(*host, RECT{10, 10, 160, 110});
  list->OnClick = clicks.Event();
  for (const char* item : {"甲", "乙", "丙"}) list->Items()->Add(item);
  EXPECT_EQ(SendMessageA(list->Handle(), LB_GETCOUNT, 0, 0), 3);
  RECT second{};
  SendMessageA(list->Handle(), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
  ClickClient(list->Handle(), POINT{second.left + 5, second.top + 2});
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(clicks.Count, 1);
  EXPECT_EQ(FindIntProp(list, "ItemIndex"), 1);
  EXPECT_EQ(FindObjectProp(list, "Items"), list->Items());
  // Enough items for the system to show its vertical bar.
  EXPECT_FALSE(StyleOf(*list) & WS_VSCROLL);
  for (int i = 0; i < 20; ++i) list->Items()->Add("项 " + std::to_string(i));
  EXPECT_TRUE(StyleOf(*list) & WS_VSCROLL);
  list->Items()->Put(0, "首");
  list->Items()->Delete(2);
  char text[32] = {};
  SendMessageA(list->Handle(), LB_GETTEXT, 0, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, "首");
  // Items and choice outlive a window made anew.
  list->RecreateWnd();
  EXPECT_EQ(SendMessageA(list->Handle(), LB_GETCOUNT, 0, 0), 22);
  EXPECT_EQ(list->ItemIndex(), 1);
}

TEST(ComboBox, TheArrowKeysChooseAnItemAndTheListDropsBelowTheBox) {
  auto host = NewHostForm();
  TEvents changes;
  auto* combo = Place<TComboBox>(*host, RECT{10, 10, 160, 31});
  combo->OnChange = changes.Event();
  for (const char* item : {"红", "绿", "蓝"}) combo->Items()->Add(item);
  SetFocus(combo->Handle());
  TypeKey(VK_DOWN);
  TypeKey(VK_DOWN);
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(combo->Text(), "绿");
  EXPECT_EQ(changes.Count, 2);
  RECT dropped{};
  SendMessageA(combo->Handle(), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
  EXPECT_GT(dropped.bottom - dropped.top, combo->Height() * 3);
  // A new position keeps the dropped list's height.
  combo->SetBounds(20, 40, 170, 21);
  SendMessageA(combo->Handle(), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
  EXPECT_GT(dropped.bottom - dropped.top, combo->Height() * 3);
  EXPECT_EQ(combo->Left(), 20);
  EXPECT_TRUE(SetPropFromText(combo, "Style", "csDropDownList"));
  EXPECT_EQ(StyleOf(*combo) & 3, static_cast<DWORD>(CBS_DROPDOWNLIST));
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(SendMessageA(combo->Handle(), CB_GETCOUNT, 0, 0), 3);
}

TEST(GroupBox, ItsControlsFillTheAreaBelowItsCaption) {
  auto host = NewHostForm();
  auto* group = Place<TGroupBox>(*host, RECT{10, 10, 210, 110});
  group->SetCaption("分组");
  auto* inside = new TListBox(host.get());
  inside->SetAlign(TAlign::alClient);
  inside->SetParent(group);
  EXPECT_EQ(StyleOf(*group) & BS_TYPEMASK, static_cast<DWORD>(BS_GROUPBOX));
  EXPECT_GT(inside->Top(), 8);
  EXPECT_LT(inside->Top(), 30);
  EXPECT_EQ(inside->Left(), 2);
  EXPECT_EQ(FindStrProp(group, "Caption"), "分组");
  // The box holds the mouse that the system's group box lets through.
  EXPECT_EQ(SendMessageA(group->Handle(), WM_NCHITTEST, 0, MAKELPARAM(60, 60)), HTCLIENT);
}

TEST(RadioGroup, HoldsARadioButtonPerItemAndAClickChoosesIt) {
  auto host = NewHostForm();
  TEvents clicks;
  auto* group = Place<TRadioGroup>(*host, RECT{10, 10, 250, 130});
  group->OnClick = clicks.Event();
  for (const char* item : {"一", "二", "三", "四"}) group->Items()->Add(item);
  ASSERT_EQ(group->ControlCount(), 4);
  for (int i = 0; i < 4; ++i) {
    TControl* child = group->Controls(i);
    EXPECT_EQ(child->ClassName(), "TRadioButton");
    EXPECT_EQ(child->Caption(), group->Items()->Get(i));
  }
  TRadioButton* third = group->Buttons(2);
  ClickClient(group->Handle(), POINT{third->Left() + 8, third->Top() + third->Height() / 2});
  EXPECT_EQ(group->ItemIndex(), 2);
  EXPECT_EQ(clicks.Count, 1);
  EXPECT_TRUE(SetPropFromText(group, "ItemIndex", "0"));
  EXPECT_TRUE(group->Buttons(0)->Checked());
  EXPECT_FALSE(third->Checked());
  // Two columns: the third button starts the second column.
  EXPECT_TRUE(SetPropFromText(group, "Columns", "2"));
  EXPECT_GT(group->Buttons(2)->Left(), group->Buttons(1)->Left());
  EXPECT_EQ(group->Buttons(2)->Top(), group->Buttons(0)->Top());
  group->Items()->Delete(0);
  EXPECT_EQ(group->ControlCount(), 3);
  EXPECT_EQ(group->ItemIndex(), -1);
}

TEST(ScrollBar, ClicksOnItsArrowsAndTrackMoveItsPosition) {
  auto host = NewHostForm();
  TEvents changes;
  auto* bar = Place<TScrollBar>(*host, RECT{10, 10, 210, 27});
  bar->OnChange = changes.Event();
  bar->SetSmallChange(2);
  bar->SetLargeChange(10);
  bar->SetPageSize(20);
  const int arrow = GetSystemMetrics(SM_CXHSCROLL);
  ClickClient(bar->Handle(), POINT{200 - arrow / 2, 8});
  EXPECT_EQ(bar->Position(), 2);
  ClickClient(bar->Handle(), POINT{150, 8});
  EXPECT_EQ(bar->Position(), 12);
  ClickClient(bar->Handle(), POINT{arrow / 2, 8});
  EXPECT_EQ(bar->Position(), 10);
  EXPECT_EQ(changes.Count, 3);
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  GetScrollInfo(bar->Handle(), SB_CTL, &info);
  EXPECT_EQ(info.nPos, 10);
  EXPECT_EQ(info.nPage, 20u);
  // The position stops where the thumb reaches the end.
  EXPECT_TRUE(SetPropFromText(bar, "Position", "500"));
  EXPECT_EQ(FindIntProp(bar, "Position"), 81);
  EXPECT_EQ(FindEnumProp(bar, "Kind"), "sbHorizontal");
  EXPECT_TRUE(SetPropFromText(bar, "Kind", "sbVertical"));
  EXPECT_TRUE(StyleOf(*bar) & SBS_VERT);
  EXPECT_EQ(bar->Height(), 200);
}
