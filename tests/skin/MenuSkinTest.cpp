// Skinned menus: the menu bar's layout, and a skinned form's menu driven
// with real mouse and keyboard input under Wine, its drop-downs read back
// from the screen while a second thread holds them open.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "skin/data/SkinUtil.h"
#include "skin/window/SkinMessages.h"
#include "skin/window/WinSkinMenu.h"
#include "tests/skin/SkinnedWindow.h"
#include "tests/support/GdiCount.h"
#include "tests/support/MessageLog.h"
#include "ui/Subclass.h"

namespace {

int WidthOf(const RECT& r) { return r.right - r.left; }

// The width of a text in the menu font, measured apart from the bar.
int TextWidth(const wchar_t* text) {
  const TWindowDC screen;
  const TSelectObject font(screen.Get(), MenuFont());
  SIZE size{};
  GetTextExtentPoint32W(screen.Get(), text, lstrlenW(text), &size);
  return size.cx;
}

// A click on the menu bar: pressed and released at once, as the system
// gets a quick click, so that the drop-down's loop sees the release.
void ClickBar(POINT screen) {
  MoveMouseTo(screen);
  PumpMessages(30);
  MouseButton(true);
  MouseButton(false);
  PumpMessages(30);
}

// The items' rectangles of a popup's menu, in the popup window.
RECT ItemRect(HWND popup, HMENU menu, int position) {
  RECT item{}, window{};
  GetMenuItemRect(nullptr, menu, static_cast<UINT>(position), &item);
  GetWindowRect(popup, &window);
  OffsetRect(&item, -window.left, -window.top);
  return item;
}

}  // namespace

TEST(MenuBarLayout, StartOffsetsCaptionWidthsAndInvisibleButtons) {
  const std::string menuBar = "menuBar=menubar.bmp\nTileLeftMenu=7\nTileRightMenu=9\n";
  struct Case {
    const char* what;
    bool element, rightToLeft;
    int windowWidth;
    std::vector<const wchar_t*> captions;  // null: an invisible button
    // Expected left edges (right edges for right to left), from the bar's
    // edge, and widths.
    std::vector<int> starts, widths;
  };
  const int file = TextWidth(L"File") + 10, edit = TextWidth(L"Edit") + 10;
  const Case cases[] = {
      {"no element", false, false, 300, {L"&File", L"&Edit"}, {6, 6 + file}, {file, edit}},
      {"element", true, false, 300, {L"&File", L"&Edit"}, {11, 11 + file}, {file, edit}},
      {"right to left", true, true, 300, {L"&File", L"&Edit"}, {17, 17 + file}, {file, edit}},
      {"bar narrower than its start", true, false, 18, {L"&File"}, {12}, {file}},
      {"invisible and empty buttons", false, false, 300, {L"&File", nullptr, L"", L"&Edit"},
       {6, 0, 6 + file, 6 + file}, {file, 0, 0, edit}},
  };
  TComponent root(nullptr);
  for (const Case& c : cases) {
    TSkinFixture fixture = probe::Skin();
    if (c.element) fixture = probe::Skin(true, "", menuBar).Entry("menubar.bmp", SolidBmp(30, 40, 0x808080));
    DestroySkinManager();
    TSkinData* data = probe::LoadedSkinData(root, fixture);
    ASSERT_EQ(data->FMenuBar != nullptr, c.element) << c.what;
    const HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, c.windowWidth, 100, nullptr, nullptr,
                                        GetModuleHandleA(nullptr), nullptr);
    {
      TWinSkinForm form(nullptr);
      form.FHandle = window;
      form.FSkinData = data;
      form.FLeftWidth = 5;
      form.FRightWidth = 4;
      form.FTitleHeight = 20;
      form.FMenuHeight = 19;
      form.FRightToLeft = c.rightToLeft;
      TWinSkinMenu bar(form);
      for (const wchar_t* caption : c.captions) {
        auto button = std::make_unique<TMenuBtn>(form, *data);
        button->FVisible = caption != nullptr;
        button->FCaption = caption ? caption : L"";
        bar.FButtons.push_back(std::move(button));
      }
      bar.Layout();
      const RECT barRect{5, 20, c.windowWidth - 4, 39};
      for (std::size_t i = 0; i < c.captions.size(); ++i) {
        const RECT& bounds = bar.FButtons[i]->FBounds;
        if (!c.captions[i]) {
          EXPECT_TRUE(IsRectEmpty(&bounds)) << c.what;
          continue;
        }
        const int start = c.rightToLeft ? barRect.right - bounds.right : bounds.left - barRect.left;
        EXPECT_EQ(start, c.starts[i]) << c.what << " " << i;
        EXPECT_EQ(WidthOf(bounds), c.widths[i]) << c.what << " " << i;
        EXPECT_EQ(bounds.top, barRect.top) << c.what;
        EXPECT_EQ(bounds.bottom, barRect.bottom - 1) << c.what;
      }
      // Only buttons with a caption are hit.
      EXPECT_EQ(bar.ButtonAt(POINT{bar.FButtons[0]->FBounds.left + 1, 25}), bar.FButtons[0].get()) << c.what;
    }
    DestroyWindow(window);
  }
  DestroySkinManager();
}

TEST(MenuBarLayout, AnAmpersandAloneIsABlankWideAndAButtonOfItsOwn) {
  EXPECT_EQ(AcceleratorOf(L"&File"), L'F');
  EXPECT_EQ(AcceleratorOf(L"Save &as"), L'a');
  EXPECT_EQ(AcceleratorOf(L"A&&B"), 0);
  EXPECT_EQ(AcceleratorOf(L"&"), 0);
  // An item whose caption is "&" is as high as a blank: its shortcut sits
  // where it sits beside a caption.
  TComponent root(nullptr);
  DestroySkinManager();
  TSkinData* data = probe::LoadedSkinData(root, probe::MenuSkin());
  TWinSkinForm form(nullptr);
  form.FSkinData = data;
  const auto shortcutRows = [&form](const char* caption) {
    TMenuItem item(nullptr);
    item.SetCaption(caption);
    item.SetShortCut(ShortCut('Q', scCtrl));
    TBitmap face(160, 24);
    face.Canvas().SetBrushColor(clWhite);
    face.Canvas().FillRect(RECT{0, 0, 160, 24});
    form.DrawItemContent(item, face.Canvas(), RECT{0, 0, 160, 24}, false);
    // The rows with ink in the shortcut's part.
    std::vector<int> rows;
    for (int y = 0; y < 24; ++y)
      for (int x = 110; x < 150; ++x)
        if (face.Canvas().Pixel(x, y) != clWhite) {
          rows.push_back(y);
          break;
        }
    return rows;
  };
  const std::vector<int> beside = shortcutRows("X");
  ASSERT_FALSE(beside.empty());
  EXPECT_EQ(shortcutRows("&"), beside);
  EXPECT_EQ(shortcutRows(""), beside);
  DestroySkinManager();
}

namespace {

// A skinned dialog with a main menu: File (Recent with two items, New,
// Open disabled, a separator, Exit), Edit (Cut, Copy), View (Wrap).
class MenuSkin : public ::testing::Test {
 protected:
  void SetUp() override {
    Menu = new TMainMenu(Window.Form.get());
    File = Add(Menu->Items(), "&File");
    Recent = Add(File, "&Recent");
    Add(Recent, "1 notes.txt");
    Add(Recent, "2 picture.png");
    New = Add(File, "&New\tCtrl+N");
    Open = Add(File, "&Open");
    Open->SetEnabled(false);
    Add(File, "-");
    Add(File, "E&xit");
    Edit = Add(Menu->Items(), "&Edit");
    Add(Edit, "Cu&t");
    Add(Edit, "&Copy");
    View = Add(Menu->Items(), "&View");
    Add(View, "&Wrap");
    Window.Form->SetMenu(Menu);
    Window.Show();
    ASSERT_NE(Window.Skin(), nullptr);
    ASSERT_NE(Window.Skin()->FMenuBar, nullptr);
  }

  TMenuItem* Add(TMenuItem* parent, const std::string& caption) {
    auto* item = new TMenuItem(Window.Form.get());
    item->SetCaption(caption);
    item->OnClick = TNotifyEvent::Of<&MenuSkin::Clicked>(this);
    parent->Add(item);
    return item;
  }
  void Clicked(TObject* sender) { ++Clicks[static_cast<TMenuItem*>(sender)]; }

  TMenuBtn& Button(int index) const { return *Window.Skin()->FMenuBar->FButtons[static_cast<std::size_t>(index)]; }
  // The screen point in the middle of a bar button.
  POINT ButtonPoint(int index) const {
    const RECT bounds = Button(index).FBounds, window = Window.WindowRect();
    return POINT{window.left + (bounds.left + bounds.right) / 2, window.top + (bounds.top + bounds.bottom) / 2};
  }

  TSkinnedWindow Window{probe::MenuSkin()};
  TMainMenu* Menu = nullptr;
  TMenuItem *File = nullptr, *Recent = nullptr, *New = nullptr, *Open = nullptr, *Edit = nullptr, *View = nullptr;
  std::map<TMenuItem*, int> Clicks;
};

}  // namespace

TEST_F(MenuSkin, TheBarTakesTheMenuFromTheSystemAndDrawsItsButtons) {
  const HWND handle = Window.Handle();
  EXPECT_EQ(GetMenu(handle), nullptr);
  const TWinSkinForm& skin = *Window.Skin();
  EXPECT_EQ(skin.FMenuHeight, GetSystemMetrics(SM_CYMENU));
  ASSERT_EQ(skin.FMenuBar->FButtons.size(), 3u);
  EXPECT_EQ(Button(0).FCaption, L"&File");
  EXPECT_EQ(Button(0).FSubMenu, File->Handle());
  // The client area lies under the bar; the bar is hit as the menu.
  POINT client{0, 0};
  ClientToScreen(handle, &client);
  EXPECT_EQ(client.y - Window.WindowRect().top, probe::kTitle + skin.FMenuHeight);
  const POINT onFile = ButtonPoint(0);
  EXPECT_EQ(SendMessageA(handle, WM_NCHITTEST, 0, MAKELPARAM(onFile.x, onFile.y)), HTMENU);
  // The bar is filled with the skin's Menubar colour, under and beside the
  // captions.
  const TScreenShot shot = Window.Shot();
  const auto bar = static_cast<COLORREF>(ColorToRGB(Window.Data->FColours[scMenubar]));
  EXPECT_EQ(TSkinnedWindow::At(shot, Button(2).FBounds.right + 5, Button(2).FBounds.top + 2), bar);
  EXPECT_EQ(TSkinnedWindow::At(shot, Button(0).FBounds.left + 1, Button(0).FBounds.top + 1), bar);
  // A caption changed in code reaches the bar.
  Edit->SetCaption("&Change");
  PumpMessages(50);
  EXPECT_EQ(Button(1).FCaption, L"&Change");
  EXPECT_EQ(GetMenu(handle), nullptr);
}

TEST_F(MenuSkin, AClickOnABarButtonOpensItsDropDownBelowItDrawnFromTheSkin) {
  HWND popup = nullptr;
  HMENU shown = nullptr;
  RECT popupRect{}, newItem{}, recentItem{}, line{};
  TScreenShot shot;
  TMenuWatcher watcher([&](TMenuWatcher& w) {
    popup = w.WaitForMenu();
    if (!popup) return;
    shown = TMenuWatcher::MenuOf(popup);
    GetWindowRect(popup, &popupRect);
    recentItem = ItemRect(popup, shown, 0);
    newItem = ItemRect(popup, shown, 1);
    line = ItemRect(popup, shown, 3);
    shot = CaptureScreen(popupRect);
    PressKey(VK_ESCAPE);
    w.WaitUntilClosed();
  });
  ClickBar(ButtonPoint(0));
  watcher.Finish();
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(shown, File->Handle());
  // Under the button: its left edge, the bar's bottom.
  const RECT window = Window.WindowRect();
  EXPECT_EQ(popupRect.left, window.left + Button(0).FBounds.left);
  EXPECT_EQ(popupRect.top, window.top + Button(0).FBounds.bottom);
  const auto at = [&shot](int x, int y) { return shot.At(shot.Area.left + x, shot.Area.top + y); };
  using probe::MenuItemColour;
  // The frame from the MenuBackground element.
  EXPECT_EQ(at(1, 1), probe::MenuBackgroundColour(true));
  EXPECT_EQ(at(WidthOf(popupRect) - 2, 1), probe::MenuBackgroundColour(true));
  // The first item is selected (frame 4), the next ones are normal (frame
  // 1, whose magenta middle shows the popup's background), the separator
  // is frame 2.
  EXPECT_EQ(at(recentItem.left + 1, recentItem.top + 1), MenuItemColour(4, probe::pStart));
  EXPECT_EQ(at(recentItem.right - 14, recentItem.top + 1), MenuItemColour(4, probe::pMiddle));
  EXPECT_EQ(at(newItem.left + 1, newItem.top + 1), MenuItemColour(1, probe::pStart));
  EXPECT_EQ(at(newItem.right - 2, newItem.top + 1), MenuItemColour(1, probe::pEnd));
  EXPECT_EQ(at(newItem.right - 6, newItem.top + 1), probe::MenuBackgroundColour(false));
  EXPECT_EQ(at(line.left + 1, line.top + 1), MenuItemColour(2, probe::pStart));
  EXPECT_EQ(at(line.left + 8, line.top + 1), MenuItemColour(2, probe::pMiddle));
  EXPECT_FALSE(Window.Skin()->FMenuTracking);
  EXPECT_FALSE(TMenuTracking::Active());
}

TEST_F(MenuSkin, RightAndLeftMoveBetweenDropDownsAndWrapAround) {
  // The drop-downs open, in order, and how many menus were open.
  std::vector<std::pair<HMENU, std::size_t>> seen;
  TMenuWatcher watcher([&seen](TMenuWatcher& w) {
    HMENU last = nullptr;
    const auto next = [&](HMENU other) {
      const HWND popup = w.WaitForMenu(other);
      last = popup ? TMenuWatcher::MenuOf(w.OpenMenus().back()) : nullptr;
      seen.emplace_back(last, w.OpenMenus().size());
    };
    next(nullptr);
    for (const WORD key : {VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_LEFT, VK_LEFT}) {
      PressKey(key);
      next(last);
    }
    PressKey(VK_ESCAPE);
    PressKey(VK_ESCAPE);
    w.WaitUntilClosed();
  });
  // Alt with the accelerator opens Edit.
  PressKeys({VK_MENU, 'E'});
  watcher.Finish();
  const std::vector<std::pair<HMENU, std::size_t>> expected = {
      {Edit->Handle(), 1}, {View->Handle(), 1},
      // Right wraps around to File, whose first item opens its sub-menu.
      {File->Handle(), 1}, {Recent->Handle(), 2},
      // Left closes the sub-menu, then wraps around to View.
      {File->Handle(), 1}, {View->Handle(), 1}};
  EXPECT_EQ(seen, expected);
}

TEST_F(MenuSkin, EscapeAndAltEndTheTracking) {
  for (const WORD key : {VK_ESCAPE, VK_MENU}) {
    bool opened = false, closed = false;
    TMenuWatcher watcher([&](TMenuWatcher& w) {
      opened = w.WaitForMenu() != nullptr;
      PressKey(key);
      closed = w.WaitUntilClosed();
    });
    ClickBar(ButtonPoint(1));
    watcher.Finish();
    PumpMessages(300);
    EXPECT_TRUE(opened) << key;
    EXPECT_TRUE(closed) << key;
    EXPECT_FALSE(Window.Skin()->FMenuTracking) << key;
    EXPECT_FALSE(TMenuTracking::Active()) << key;
    // Nothing opens again.
    bool reopened = true;
    TMenuWatcher after([&reopened](TMenuWatcher& w) { reopened = !w.OpenMenus().empty(); });
    after.Finish();
    EXPECT_FALSE(reopened) << key;
  }
}

TEST_F(MenuSkin, ChoosingAnItemFiresItsOnClickOnceAndDisabledItemsDoNothing) {
  for (TMenuItem* item : {New, Open}) {
    TMenuWatcher watcher([&](TMenuWatcher& w) {
      const HWND popup = w.WaitForMenu();
      if (!popup) return;
      RECT rect{};
      GetMenuItemRect(nullptr, TMenuWatcher::MenuOf(popup), static_cast<UINT>(item->MenuIndex()), &rect);
      ClickAt(POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
      // A disabled item leaves the drop-down open.
      if (!w.WaitUntilClosed()) PressKey(VK_ESCAPE);
      w.WaitUntilClosed();
    });
    ClickBar(ButtonPoint(0));
    watcher.Finish();
    PumpMessages(100);
  }
  EXPECT_EQ(Clicks[New], 1);
  EXPECT_EQ(Clicks[Open], 0);
}

TEST_F(MenuSkin, DetachGivesTheMenuBackToTheSystemAndItsDrawing) {
  // Opening a drop-down switched its items to owner drawing.
  TMenuWatcher opened([](TMenuWatcher& w) {
    w.WaitForMenu();
    PressKey(VK_ESCAPE);
    w.WaitUntilClosed();
  });
  ClickBar(ButtonPoint(0));
  opened.Finish();
  const auto ownerDrawn = [](HMENU menu, int position) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info);
    return (info.fType & MFT_OWNERDRAW) != 0;
  };
  ASSERT_TRUE(ownerDrawn(File->Handle(), 1));
  auto* popup = new TPopupMenu(Window.Form.get());
  auto* popupItem = new TMenuItem(Window.Form.get());
  popup->Items()->Add(popupItem);
  Window.Skin()->SetPopupMenusOwnerDraw(true);
  ASSERT_TRUE(popupItem->OnDrawItem);

  const HWND handle = Window.Handle();
  const int clientHeight = Window.Form->ClientHeight();
  Window.Data->SetActive(false);
  PumpMessages(500);
  ASSERT_EQ(SkinManager()->FindSkinForm(handle), nullptr);
  EXPECT_EQ(GetMenu(handle), Menu->Handle());
  for (TMenuItem* menu : {File, Recent, Edit, View})
    for (int i = 0; i < GetMenuItemCount(menu->Handle()); ++i) EXPECT_FALSE(ownerDrawn(menu->Handle(), i));
  EXPECT_FALSE(popup->OwnerDraw());
  EXPECT_FALSE(popupItem->OnDrawItem);
  EXPECT_FALSE(popupItem->OnMeasureItem);
  EXPECT_EQ(Window.Form->ClientHeight(), clientHeight);

  // The system's own menu bar opens File and draws it itself.
  TMessageLog log(handle);
  bool shown = false;
  TMenuWatcher system([&shown](TMenuWatcher& w) {
    shown = w.WaitForMenu() != nullptr;
    PressKey(VK_ESCAPE);
    PressKey(VK_ESCAPE);
    w.WaitUntilClosed();
  });
  PressKeys({VK_MENU, 'F'});
  system.Finish();
  EXPECT_TRUE(shown);
  EXPECT_EQ(log.Find(WM_MEASUREITEM), -1);
  EXPECT_EQ(log.Find(WM_DRAWITEM), -1);
}

TEST_F(MenuSkin, AThousandOpenAndCloseCyclesLeaveNoHookNorGdiObject) {
  const HWND handle = Window.Handle();
  const POINT onFile = ButtonPoint(0);
  // Counts the popup windows that open.
  static int popups = 0;
  popups = 0;
  const THookHandle counter(SetWindowsHookExA(
      WH_CBT,
      [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
        char name[16] = {};
        if (code == HCBT_CREATEWND && GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof name) &&
            std::string(name) == "#32768")
          ++popups;
        return CallNextHookEx(nullptr, code, wParam, lParam);
      },
      nullptr, GetCurrentThreadId()));
  // The drop-down opens and its loop ends at its first message.
  const auto cycle = [&] {
    PostMessageA(handle, WM_CANCELMODE, 0, 0);
    SendMessageA(handle, SKM_MENUBARCLICK, 0, MAKELPARAM(onFile.x, onFile.y));
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  };
  for (int i = 0; i < 5; ++i) cycle();
  PumpMessages(50);
  const int gdi = LiveGdiObjects(), procedures = TWindowSubclass::LiveCount();
  for (int i = 0; i < 1000; ++i) cycle();
  PumpMessages(50);
  EXPECT_EQ(popups, 1005);
  EXPECT_FALSE(TMenuTracking::Active());
  EXPECT_TRUE(SkinManager()->FPopupMenus.empty());
  EXPECT_EQ(TWindowSubclass::LiveCount(), procedures);
  EXPECT_EQ(LiveGdiObjects(), gdi);
}
