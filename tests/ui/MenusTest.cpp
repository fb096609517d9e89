// Framework menus: the system menus built from the items, whether the items
// come from a form's stored description or from code; commands, shortcuts
// and actions; a control's popup menu shown by a real right click.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/support/WindowsTestSupport.h"
#include "tests/ui/TestForm.h"
#include "ui/Actions.h"
#include "ui/Menus.h"

namespace {

// What the system shows of a menu, one line per entry, sub-menus indented:
// the text, then "checked", "grayed", "default" and "sub" as they apply.
std::string Dump(HMENU menu, const std::string& indent = "") {
  std::string dump;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    char text[80] = {};
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof text;
    GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
    dump += indent + ((info.fType & MFT_SEPARATOR) ? std::string("----") : std::string(text));
    if (info.fState & MFS_CHECKED) dump += " checked";
    if (info.fState & MFS_GRAYED) dump += " grayed";
    if (info.fState & MFS_DEFAULT) dump += " default";
    dump += info.hSubMenu ? " sub\n" + Dump(info.hSubMenu, indent + "  ") : "\n";
  }
  return dump;
}

// One menu, as a stored description gives it (items made through the
// reader, owned by the form) or as code builds it (items owned by nobody,
// added to the menu after it was given to the form).
struct TMenuEntry {
  const char* Caption;
  TShortCut ShortCut;
  bool Enabled, Checked, Visible, Default;
  int Parent;  // index of the parent in the table; -1: the menu's items
};
constexpr TMenuEntry kEntries[] = {
    {"&File", 0, true, false, true, false, -1},
    {"&Open", ShortCut('O', scCtrl), true, false, true, true, 0},
    {"Recent", 0, true, false, true, false, 0},
    {"1 notes.txt", 0, true, true, true, false, 2},
    {"hidden", 0, true, false, false, false, 0},
    {"-", 0, true, false, true, false, 0},
    {"E&xit\tAlt+F4", 0, true, false, true, false, 0},
    {"&Edit", 0, true, false, true, false, -1},
    {"&Paste", ShortCut('V', scCtrl), false, false, true, false, 7},
};
constexpr const char* kExpected =
    "&File sub\n"
    "  &Open\tCtrl+O default\n"
    "  Recent sub\n"
    "    1 notes.txt checked\n"
    "  ----\n"
    "  E&xit\tAlt+F4\n"
    "&Edit sub\n"
    "  &Paste\tCtrl+V grayed\n";

void Apply(const TMenuEntry& entry, TMenuItem& item) {
  item.SetCaption(entry.Caption);
  item.SetShortCut(entry.ShortCut);
  item.SetEnabled(entry.Enabled);
  item.SetChecked(entry.Checked);
  item.SetVisible(entry.Visible);
  item.SetDefault(entry.Default);
}

class TStoredMenuForm : public TTestForm {
 public:
  QV_CLASS(TStoredMenuForm, TTestForm)
  using TTestForm::TTestForm;
  TMainMenu* MainMenu1 = nullptr;

 protected:
  void ReadState(TReader& reader) override {
    TTestForm::ReadState(reader);
    MainMenu1 = reader.Create<TMainMenu>("MainMenu1");
    std::vector<TMenuItem*> items;
    for (const TMenuEntry& entry : kEntries) {
      auto* item = reader.Create<TMenuItem>("Item" + std::to_string(items.size()));
      Apply(entry, *item);
      (entry.Parent < 0 ? MainMenu1->Items() : items[static_cast<std::size_t>(entry.Parent)])->Add(item);
      items.push_back(item);
    }
    SetMenu(MainMenu1);
  }
};
QV_CLASS_INFO(TStoredMenuForm, {});

}  // namespace

TEST(Menus, AMenuBuiltInCodeIsTheSameAsOneReadFromAStoredForm) {
  std::unique_ptr<TStoredMenuForm> stored(TCustomForm::Create<TStoredMenuForm>(nullptr));
  stored->Show();
  ASSERT_EQ(GetMenu(stored->Handle()), stored->MainMenu1->Handle());
  EXPECT_EQ(Dump(GetMenu(stored->Handle())), kExpected);

  // In code: the menu is given to a shown form first, the items follow.
  std::unique_ptr<TTestForm> coded(TCustomForm::Create<TTestForm>(nullptr));
  coded->Show();
  const int clientHeight = coded->ClientHeight();
  auto* menu = new TMainMenu(coded.get());
  coded->SetMenu(menu);
  std::vector<TMenuItem*> items;
  for (const TMenuEntry& entry : kEntries) {
    auto* item = new TMenuItem(nullptr);
    (entry.Parent < 0 ? menu->Items() : items[static_cast<std::size_t>(entry.Parent)])->Add(item);
    Apply(entry, *item);
    items.push_back(item);
  }
  PumpMessages(50);
  ASSERT_EQ(GetMenu(coded->Handle()), menu->Handle());
  EXPECT_EQ(Dump(GetMenu(coded->Handle())), kExpected);
  // The stored form keeps its client size and grows by the bar; the shown
  // window keeps its size and gives the bar part of its client area.
  EXPECT_EQ(stored->ClientHeight(), 276);
  EXPECT_EQ(coded->ClientHeight(), clientHeight - GetSystemMetrics(SM_CYMENU));

  // A change in code reaches the shown menu: the hidden item shows, Paste
  // is enabled, Recent loses its sub-item.
  items[4]->SetVisible(true);
  items[8]->SetEnabled(true);
  delete items[3];
  EXPECT_EQ(Dump(GetMenu(coded->Handle())),
            "&File sub\n  &Open\tCtrl+O default\n  Recent\n  hidden\n  ----\n  E&xit\tAlt+F4\n"
            "&Edit sub\n  &Paste\tCtrl+V\n");
}

namespace {

class MenuCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    Form.reset(TCustomForm::Create<TTestForm>(nullptr));
    Menu = new TMainMenu(Form.get());
    File = Add(Menu->Items(), "&File");
    Open = Add(File, "&Open");
    Open->SetShortCut(ShortCut('O', scCtrl));
    Paste = Add(File, "&Paste");
    Paste->SetEnabled(false);
    Paste->SetShortCut(ShortCut('V', scCtrl));
    Form->SetMenu(Menu);
    Form->Show();
  }

  TMenuItem* Add(TMenuItem* parent, const char* caption) {
    auto* item = new TMenuItem(Form.get());
    item->SetCaption(caption);
    item->OnClick = TNotifyEvent::Of<&MenuCommands::Clicked>(this);
    parent->Add(item);
    return item;
  }

 public:
  void Clicked(TObject* sender) { Log += static_cast<TMenuItem*>(sender)->Caption() + ";"; }
  void Update(TObject* sender) {
    auto* action = static_cast<TAction*>(sender);
    action->SetChecked(!action->Checked());
    Log += "update;";
  }
  void Execute(TObject*) { Log += "execute;"; }

 protected:
  void Command(const TMenuItem& item) { SendMessageA(Form->Handle(), WM_COMMAND, item.Command(), 0); }

  std::unique_ptr<TTestForm> Form;
  TMainMenu* Menu = nullptr;
  TMenuItem *File = nullptr, *Open = nullptr, *Paste = nullptr;
  std::string Log;
};

}  // namespace

TEST_F(MenuCommands, ACommandClicksItsItemOnceAndADisabledItemNever) {
  Command(*Open);
  Command(*Paste);
  EXPECT_EQ(Log, "&Open;");
  // Shortcuts as typed: Ctrl+O runs Open, the disabled Paste's does nothing.
  EXPECT_TRUE(Menu->IsShortCut(ShortCut('O', scCtrl)));
  EXPECT_FALSE(Menu->IsShortCut(ShortCut('V', scCtrl)));
  EXPECT_FALSE(Menu->IsShortCut(ShortCut('Q', scCtrl)));
  EXPECT_EQ(Log, "&Open;&Open;");
}

TEST_F(MenuCommands, ActionsUpdateTheirItemsBeforeTheDropDownOpensAndRunWhenChosen) {
  auto* action = new TAction(Form.get());
  action->SetCaption("&Wrap");
  action->OnUpdate = TNotifyEvent::Of<&MenuCommands::Update>(this);
  action->OnExecute = TNotifyEvent::Of<&MenuCommands::Execute>(this);
  TMenuItem* wrap = Add(File, "");
  wrap->OnClick = {};
  wrap->SetAction(action);
  EXPECT_EQ(wrap->Caption(), "&Wrap");
  SendMessageA(Form->Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(File->Handle()), 0);
  // The drop-down's own item was clicked, its sub-items' action updated
  // (checking the item) first.
  EXPECT_EQ(Log, "update;&File;");
  EXPECT_TRUE(wrap->Checked());
  EXPECT_EQ(GetMenuState(File->Handle(), wrap->Command(), MF_BYCOMMAND) & MF_CHECKED, static_cast<UINT>(MF_CHECKED));
  Command(*wrap);
  EXPECT_EQ(Log, "update;&File;execute;");
}

TEST(ShortCuts, Texts) {
  const struct {
    TShortCut shortCut;
    const char* text;
  } cases[] = {
      {ShortCut('O', scCtrl), "Ctrl+O"},       {ShortCut('S', scShift | scCtrl), "Shift+Ctrl+S"},
      {ShortCut(VK_F5, 0), "F5"},              {ShortCut(VK_DELETE, scAlt), "Alt+Del"},
      {ShortCut('7', 0), "7"},                 {0, ""},
      {ShortCut(VK_LWIN, scCtrl), ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ShortCutToText(c.shortCut), c.text) << c.text;
}

TEST(PopupMenus, ARightClickOrTheContextMenuKeyOnAControlShowsItsPopupMenu) {
  std::unique_ptr<TTestForm> form(TCustomForm::Create<TTestForm>(nullptr));
  auto* popup = new TPopupMenu(form.get());
  auto* item = new TMenuItem(form.get());
  item->SetCaption("&Copy");
  int clicks = 0;
  struct TCounter {
    int* Count;
    void Clicked(TObject*) { ++*Count; }
  } counter{&clicks};
  item->OnClick = TNotifyEvent::Of<&TCounter::Clicked>(&counter);
  popup->Items()->Add(item);
  form->Memo1->SetPopupMenu(popup);
  // Away from its parent's corner: the keyboard's menu opens at its middle.
  form->Memo1->SetAlign(TAlign::alNone);
  form->Memo1->SetBounds(40, 30, 200, 100);
  form->Show();
  SetForegroundWindow(form->Handle());
  PumpMessages(200);
  RECT memo{};
  GetWindowRect(form->Memo1->Handle(), &memo);
  const POINT middle{(memo.left + memo.right) / 2, (memo.top + memo.bottom) / 2};

  for (const bool keyboard : {false, true}) {
    HMENU shown = nullptr;
    POINT at{};
    TMenuWatcher watcher([&](TMenuWatcher& w) {
      const HWND window = w.WaitForMenu();
      if (!window) return;
      shown = TMenuWatcher::MenuOf(window);
      RECT rect{};
      GetWindowRect(window, &rect);
      at = POINT{rect.left, rect.top};
      // The first (only) item is chosen with the keyboard.
      PressKey(VK_DOWN);
      PressKey(VK_RETURN);
      w.WaitUntilClosed();
    });
    if (keyboard) {
      SetFocus(form->Memo1->Handle());
      PressKey(VK_APPS);
    } else {
      ClickAt(middle, true);
    }
    watcher.Finish();
    PumpMessages(50);
    EXPECT_EQ(shown, popup->Handle()) << keyboard;
    // At the mouse, or from the keyboard at the control's middle.
    EXPECT_EQ(at.x, middle.x) << keyboard;
    EXPECT_EQ(at.y, middle.y) << keyboard;
  }
  EXPECT_EQ(clicks, 2);
  // A popup menu that goes leaves the control.
  delete popup;
  EXPECT_EQ(form->Memo1->PopupMenu(), nullptr);
}
