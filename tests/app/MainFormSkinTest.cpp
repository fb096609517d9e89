// The main form drawn by its stored skin, under Wine, end to end: as the
// program shows it, read back from the screen, driven with real mouse and
// keyboard input.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "app/Unit_main.h"
#include "filetype/ExtDatabase.h"
#include "skin/window/SkinManage.h"
#include "skin/window/SkinMessages.h"
#include "skin/window/TitleBar.h"
#include "skin/window/WinSkinForm.h"
#include "tests/support/GdiCount.h"
#include "tests/support/MessageLog.h"
#include "tests/support/WindowsTestSupport.h"
#include "ui/Application.h"
#include "ui/Stream.h"

namespace {

constexpr int kWidth = 404, kHeight = 316;
constexpr int kSide = 7, kTitle = 32, kBottom = 8;

// The skin's picture of a border at a window pixel: fixed ends copied, the
// middle repeated (the stored skin's borders tile their middle).
COLORREF BorderPixel(TDataSkinBorder& border, int frame, int along, int across, int length) {
  const bool stacked = border.FName == "Top" || border.FName == "Bottom";
  TBitmap& bitmap = border.FBitmap;
  const int frames = border.FFrameCount;
  const int start = stacked ? border.FMargins.left : border.FMargins.top;
  const int end = stacked ? border.FMargins.right : border.FMargins.bottom;
  const int source = stacked ? bitmap.Width() : bitmap.Height();
  int s = along;
  if (along >= length - end)
    s = source - (length - along);
  else if (along >= start)
    s = start + (along - start) % (source - start - end);
  const int x = stacked ? s : (frame - 1) * (bitmap.Width() / frames) + across;
  const int y = stacked ? (frame - 1) * (bitmap.Height() / frames) + across : s;
  return static_cast<COLORREF>(bitmap.Canvas().Pixel(x, y));
}

bool InRect(const RECT& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

class MainFormSkin : public ::testing::Test {
 protected:
  void SetUp() override {
    DestroySkinManager();
    // An empty database: the form starts without an error box.
    const TFileStream database(ExtDatabasePath());
  }
  void TearDown() override {
    Form.reset();
    PumpMessages(10);
    DestroySkinManager();
    DeleteFileA(ExtDatabasePath().c_str());
  }

  // The main form as the program creates and shows it.
  void Start() {
    Form.reset(TCustomForm::Create<TForm_main>(nullptr));
    Log = std::make_unique<TMessageLog>(Form->Handle());
    Form->Show();
    SetForegroundWindow(Form->Handle());
    PumpMessages(200);
    ASSERT_NE(Skin(), nullptr);
    ASSERT_EQ(Skin()->FSkinState, kSkinActive);
  }

  HWND Handle() const { return Form->Handle(); }
  TWinSkinForm* Skin() const { return SkinManager()->FindSkinForm(Form->Handle()); }
  TSkinData& Data() const { return *Form->SkinData1; }
  RECT Bounds() const {
    RECT r{};
    GetWindowRect(Handle(), &r);
    return r;
  }
  POINT Screen(int x, int y) const { return POINT{Bounds().left + x, Bounds().top + y}; }
  TWinSysButton& Button(int action) const {
    for (const auto& button : Skin()->FTitleButtons)
      if (button->FData.FAction == action) return *button;
    throw Exception("no title button");
  }
  // Another window takes the activation.
  void Deactivate() {
    Other = std::make_unique<TForm>(nullptr);
    Other->SetBounds(10, 10, 120, 80);
    Other->Show();
    SetForegroundWindow(Other->Handle());
    PumpMessages(200);
  }

  // Compares the frame on the screen with the skin's bitmaps: the borders
  // everywhere except under the caption and the title buttons, the buttons'
  // opaque pixels, the caption backdrop's fixed part and the text colour.
  void ExpectFrameFromSkin(bool active) {
    PumpMessages(50);
    const TScreenShot shot = CaptureScreen(Bounds());
    const auto at = [&shot](int x, int y) { return shot.At(shot.Area.left + x, shot.Area.top + y); };
    const int frame = active ? 1 : 2;
    auto& borders = Data().FBorders;
    const TWinSkinForm& skin = *Skin();
    for (int y = 0; y < kHeight; y += 3) {
      for (int x : {0, 3, 6}) {
        const COLORREF left = BorderPixel(*borders[sbLeft], frame, y, x, kHeight);
        if (left != clFuchsia) { ASSERT_EQ(at(x, y), left) << "left " << x << "," << y; }
        const COLORREF right = BorderPixel(*borders[sbRight], frame, y, x, kHeight);
        if (right != clFuchsia) { ASSERT_EQ(at(kWidth - kSide + x, y), right) << "right " << x << "," << y; }
      }
    }
    const auto covered = [&skin](int x, int y) {
      if (InRect(skin.FCaptionBackRect, x, y)) return true;
      for (const auto& button : skin.FTitleButtons)
        if (button->FVisible && InRect(button->FBounds, x, y)) return true;
      return false;
    };
    for (int x = kSide; x < kWidth - kSide; x += 2) {
      for (int y = 0; y < kTitle; y += 3) {
        if (!covered(x, y)) {
          ASSERT_EQ(at(x, y), BorderPixel(*borders[sbTop], frame, x - kSide, y, kWidth - 2 * kSide)) << x << "," << y;
        }
      }
      for (int y = 0; y < kBottom; ++y)
        ASSERT_EQ(at(x, kHeight - kBottom + y), BorderPixel(*borders[sbBottom], frame, x - kSide, y, kWidth - 2 * kSide))
            << x << "," << y;
    }
    // Close in frame 1 (active) or 4; the disabled minimize button always 4.
    for (const auto& [action, buttonFrame] : {std::pair{0, active ? 1 : 4}, std::pair{2, 4}}) {
      const TWinSysButton& button = Button(action);
      TBitmap& bitmap = button.FData.FBitmap;
      for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
          const auto source = static_cast<COLORREF>(bitmap.Canvas().Pixel((buttonFrame - 1) * 20 + x, y));
          if (source != clFuchsia) {
            ASSERT_EQ(at(button.FBounds.left + x, button.FBounds.top + y), source) << action << " " << x << "," << y;
          }
        }
    }
    // The backdrop's fixed accent part, and text in the title text colour.
    TBitmap& back = Data().FTitle.FBitmap;
    for (int y = 0; y < kTitle; ++y)
      for (int x = 0; x < Data().FTitle.FTextBackLeft; ++x) {
        const auto source = static_cast<COLORREF>(back.Canvas().Pixel(x, (frame - 1) * kTitle + y));
        if (source != clFuchsia) { ASSERT_EQ(at(skin.FCaptionBackRect.left + x, y), source) << x << "," << y; }
      }
    const auto ink = static_cast<COLORREF>(Data().FColours[active ? scTitleTextActive : scTitleTextNoActive]);
    bool inked = false;
    for (int y = skin.FCaptionRect.top; y < skin.FCaptionRect.bottom; ++y)
      for (int x = skin.FCaptionRect.left; x < skin.FCaptionRect.right; ++x) inked = inked || at(x, y) == ink;
    EXPECT_TRUE(inked);
  }

  std::unique_ptr<TForm_main> Form;
  std::unique_ptr<TForm> Other;
  std::unique_ptr<TMessageLog> Log;
};

}  // namespace

TEST_F(MainFormSkin, IsSkinnedAtItsFirstActivation) {
  Start();
  const RECT bounds = Bounds();
  EXPECT_EQ(bounds.right - bounds.left, kWidth);
  EXPECT_EQ(bounds.bottom - bounds.top, kHeight);
  EXPECT_EQ(Form->ClientWidth(), 390);
  EXPECT_EQ(Form->ClientHeight(), 276);
  EXPECT_EQ(SendMessageA(Handle(), SKM_QUERYSKINNED, 0, 0), 1);
  const TWinSkinForm& skin = *Skin();
  EXPECT_EQ(skin.FFrameKind, fkDialog);
  EXPECT_EQ(skin.FBorderIcons, biSystemMenu);
  EXPECT_EQ(skin.FLeftWidth, kSide);
  EXPECT_EQ(skin.FTitleHeight, kTitle);
  EXPECT_EQ(skin.FBottomHeight, kBottom);
  // Close and the disabled minimize button; no maximize, restore or icon.
  struct Expected {
    int action, visibility;
    bool visible, enabled;
    RECT bounds;
  };
  const Expected buttons[] = {{0, 0, true, true, {378, 6, 398, 26}},
                              {1, 6, false, false, {}},
                              {1, 1, false, false, {}},
                              {2, 0, true, false, {334, 6, 354, 26}},
                              {3, 0, false, true, {}}};
  for (const Expected& e : buttons) {
    const auto found = std::find_if(skin.FTitleButtons.begin(), skin.FTitleButtons.end(), [&e](const auto& b) {
      return b->FData.FAction == e.action && b->FData.FVisibility == e.visibility;
    });
    ASSERT_NE(found, skin.FTitleButtons.end()) << e.action;
    EXPECT_EQ((*found)->FVisible, e.visible) << e.action;
    if (e.action != 3) { EXPECT_EQ((*found)->FEnabled, e.enabled) << e.action; }
    if (e.visible) { EXPECT_TRUE(EqualRect(&(*found)->FBounds, &e.bounds)) << e.action; }
  }
  // Before the attach finished the frame was not painted: WM_NCPAINT was
  // answered 0 ahead of SKM_ATTACH.
  const int attach = Log->Find(SKM_ATTACH);
  ASSERT_GE(attach, 0);
  EXPECT_TRUE(Log->Messages()[static_cast<std::size_t>(attach)].Posted);
  const int early = Log->Find(WM_NCPAINT);
  ASSERT_GE(early, 0);
  EXPECT_LT(early, attach);
  EXPECT_EQ(Log->Messages()[static_cast<std::size_t>(early)].Result, 0);
  // SKM_SKINREADY reaches the form and its controls as plain numbers.
  EXPECT_GE(Log->Find(SKM_SKINREADY, attach), 0);
  for (TWinControl* control : {static_cast<TWinControl*>(Form->AIFileDropPan1), static_cast<TWinControl*>(Form->Memo1)})
    SendMessageA(control->Handle(), SKM_SKINREADY, 0, SKIN_MAGIC);
}

TEST_F(MainFormSkin, FrameComesFromTheSkinsBitmapsActiveAndInactive) {
  Start();
  ExpectFrameFromSkin(true);
  Log->Clear();
  Deactivate();
  // Deactivation repaints the frame; the system paints no caption of its own.
  const int deactivated = Log->Find(WM_NCACTIVATE);
  ASSERT_GE(deactivated, 0);
  EXPECT_EQ(Log->Messages()[static_cast<std::size_t>(deactivated)].WParam, 0u);
  EXPECT_EQ(Log->Messages()[static_cast<std::size_t>(deactivated)].Result, 1);
  EXPECT_FALSE(Skin()->FTimer.Enabled());
  ExpectFrameFromSkin(false);
}

TEST_F(MainFormSkin, RegionLeavesOutTheMagentaPixelsOfTheSides) {
  Start();
  TRegionHandle region(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(Handle(), region.Get()), ERROR);
  auto& borders = Data().FBorders;
  int cut = 0;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      bool magenta = false;
      if (x < kSide) magenta = BorderPixel(*borders[sbLeft], 1, y, x, kHeight) == clFuchsia;
      if (x >= kWidth - kSide) magenta = BorderPixel(*borders[sbRight], 1, y, x - (kWidth - kSide), kHeight) == clFuchsia;
      ASSERT_EQ(PtInRegion(region.Get(), x, y) == FALSE, magenta) << x << "," << y;
      cut += magenta;
    }
  }
  EXPECT_GT(cut, 0);
}

TEST_F(MainFormSkin, HitTests) {
  Start();
  struct Case {
    const char* where;
    int x, y;
    LRESULT expected;
  };
  const Case cases[] = {
      {"client", 200, 150, HTCLIENT},        {"title", 200, 16, HTCAPTION},
      {"close button", 388, 16, HTCAPTION},  {"system border at the top", 200, 1, HTBORDER},
      {"left border", 5, 150, HTCAPTION},     {"bottom border", 200, kHeight - 5, HTCAPTION},
      {"system border at the bottom", 200, kHeight - 2, HTBORDER},
  };
  for (const Case& c : cases) {
    const POINT p = Screen(c.x, c.y);
    EXPECT_EQ(SendMessageA(Handle(), WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y)), c.expected) << c.where;
  }
  // The title elements by window point: Close, the disabled minimize button
  // (hit, but doing nothing), nothing on the caption.
  EXPECT_EQ(Skin()->HitTitleElement(POINT{388, 16}), &Button(0));
  EXPECT_EQ(Skin()->HitTitleElement(POINT{344, 16}), &Button(2));
  EXPECT_EQ(Skin()->HitTitleElement(POINT{100, 16}), nullptr);
}

TEST_F(MainFormSkin, AClickOnCloseEndsTheProgram) {
  Application().CreateForm(Form_main);
  Form.reset(Form_main);
  Form->Show();
  SetForegroundWindow(Handle());
  PumpMessages(200);
  ASSERT_NE(Skin(), nullptr);
  ClickAt(Screen(388, 16));
  bool quit = false;
  MSG msg;
  for (const DWORD start = GetTickCount(); !quit && GetTickCount() - start < 3000;) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) quit = true;
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(5);
  }
  EXPECT_TRUE(quit);
  EXPECT_FALSE(IsWindowVisible(Handle()));
  Form_main = nullptr;
}

TEST_F(MainFormSkin, TheDisabledMinimizeButtonDoesNothing) {
  Start();
  Log->Clear();
  ClickAt(Screen(344, 16));
  PumpMessages(200);
  EXPECT_FALSE(IsIconic(Handle()));
  EXPECT_TRUE(IsWindowVisible(Handle()));
  EXPECT_EQ(Log->Find(WM_SYSCOMMAND), -1);
  // Released over it, it shows its disabled frame still.
  EXPECT_EQ(Button(2).StateFrame(), 4);
}

TEST_F(MainFormSkin, TheSystemMenuOpensOnARightClickAndOnAltSpaceDrawnByTheSkin) {
  Start();
  TBitmap& item = Data().FMenuItem->FBitmap;
  TBitmap& background = Data().FMenuBackground->FBitmap;
  const int frameWidth = item.Width() / 5;
  const auto itemPixel = [&item, frameWidth](int frame, int x, int y) {
    return static_cast<COLORREF>(item.Canvas().Pixel((frame - 1) * frameWidth + x, y));
  };
  for (const bool keyboard : {false, true}) {
    // Read from another thread while the menu is open: the close item is
    // pointed at, so that it shows selected; then Escape closes the menu.
    int items = 0;
    bool skinned = false;
    RECT popup{}, separator{}, close{};
    TScreenShot shot;
    // A second opening within the double-click time would be taken for a
    // double click.
    PumpMessages(GetDoubleClickTime() + 100);
    bool stays = false;
    TMenuWatcher watcher([&](TMenuWatcher& w) {
      const HWND window = w.WaitForMenu();
      if (!window) return;
      // Alt is let go once the menu shows: the menu stays.
      if (keyboard) {
        KeyEvent(VK_MENU, false);
        Sleep(200);
      }
      stays = !w.OpenMenus().empty();
      const HMENU menu = TMenuWatcher::MenuOf(window);
      items = GetMenuItemCount(menu);
      DWORD_PTR answer = 0;
      SendMessageTimeoutA(window, SKM_QUERYSKINNED, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer);
      skinned = answer == 1;
      GetWindowRect(window, &popup);
      for (int i = 0; i < items; ++i) {
        char text[80] = {};
        GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        RECT rect{};
        GetMenuItemRect(nullptr, menu, static_cast<UINT>(i), &rect);
        OffsetRect(&rect, -popup.left, -popup.top);
        if (!text[0] && IsRectEmpty(&separator)) separator = rect;
        if (std::string(text).find("Alt+F4") != std::string::npos) close = rect;
      }
      MoveMouseTo(POINT{popup.left + (close.left + close.right) / 2, popup.top + (close.top + close.bottom) / 2});
      Sleep(200);
      shot = CaptureScreen(popup);
      PressKey(VK_ESCAPE);
      w.WaitUntilClosed();
    });
    if (keyboard) {
      KeyEvent(VK_MENU, true);
      PressKey(VK_SPACE);
    } else {
      ClickAt(Screen(200, 16), true);
    }
    watcher.Finish();
    EXPECT_TRUE(stays) << keyboard;
    EXPECT_EQ(items, GetMenuItemCount(GetSystemMenu(Handle(), FALSE))) << keyboard;
    EXPECT_TRUE(skinned) << keyboard;
    ASSERT_FALSE(IsRectEmpty(&close)) << keyboard;
    ASSERT_FALSE(IsRectEmpty(&separator)) << keyboard;
    const auto at = [&shot](int x, int y) { return shot.At(shot.Area.left + x, shot.Area.top + y); };
    // The MenuBackground element's edge, the separator from frame 2 of the
    // MenuItem element (the default skin draws a line across its fourth
    // row), the selected close item from its frame 4.
    EXPECT_EQ(at(0, 0), static_cast<COLORREF>(background.Canvas().Pixel(0, 0))) << keyboard;
    EXPECT_EQ(at(1, 1), static_cast<COLORREF>(background.Canvas().Pixel(1, 1))) << keyboard;
    EXPECT_EQ(at(separator.left + 8, separator.top + 3), itemPixel(2, 8, 3)) << keyboard;
    EXPECT_EQ(at(close.left + 22, (close.top + close.bottom) / 2), itemPixel(4, frameWidth / 2, 4)) << keyboard;
    EXPECT_TRUE(IsWindowVisible(Handle()));
  }
}

TEST_F(MainFormSkin, CloseInTheSystemMenuEndsTheProgram) {
  Application().CreateForm(Form_main);
  Form.reset(Form_main);
  Form->Show();
  SetForegroundWindow(Handle());
  PumpMessages(200);
  ASSERT_NE(Skin(), nullptr);
  TMenuWatcher watcher([](TMenuWatcher& w) {
    const HWND window = w.WaitForMenu();
    if (!window) return;
    const HMENU menu = TMenuWatcher::MenuOf(window);
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
      char text[80] = {};
      GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
      if (std::string(text).find("Alt+F4") == std::string::npos) continue;
      RECT rect{};
      GetMenuItemRect(nullptr, menu, static_cast<UINT>(i), &rect);
      ClickAt(POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
    }
    w.WaitUntilClosed();
  });
  PressKeys({VK_MENU, VK_SPACE});
  bool quit = false;
  MSG msg;
  for (const DWORD start = GetTickCount(); !quit && GetTickCount() - start < 5000;) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) quit = true;
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(5);
  }
  watcher.Finish();
  EXPECT_TRUE(quit);
  EXPECT_FALSE(IsWindowVisible(Handle()));
  Form_main = nullptr;
}

TEST_F(MainFormSkin, DetachGivesTheSystemFrameBackKeepingTheClientSize) {
  Form.reset(TCustomForm::Create<TForm_main>(nullptr));
  RECT system{};
  GetWindowRect(Handle(), &system);
  Form->Show();
  SetForegroundWindow(Handle());
  PumpMessages(200);
  ASSERT_NE(Skin(), nullptr);
  Data().SetActive(false);
  PumpMessages(500);
  EXPECT_EQ(SendMessageA(Handle(), SKM_QUERYSKINNED, 0, 0), 0);
  EXPECT_EQ(SkinManager()->FindSkinForm(Handle()), nullptr);
  TRegionHandle region(CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(GetWindowRgn(Handle(), region.Get()), ERROR);
  EXPECT_EQ(Form->ClientWidth(), 390);
  EXPECT_EQ(Form->ClientHeight(), 276);
  const RECT bounds = Bounds();
  EXPECT_EQ(bounds.right - bounds.left, system.right - system.left);
  EXPECT_EQ(bounds.bottom - bounds.top, system.bottom - system.top);
  EXPECT_TRUE(GetWindowLongA(Handle(), GWL_STYLE) & WS_SYSMENU);
}

TEST_F(MainFormSkin, AThousandPaintsActivationsAndRegionsLeaveNoGdiObject) {
  // The count really counts.
  const int start = LiveGdiObjects();
  {
    const TBrushHandle a(CreateSolidBrush(1)), b(CreateSolidBrush(2)), c(CreateSolidBrush(3));
    ASSERT_EQ(LiveGdiObjects(), start + 3);
  }
  ASSERT_EQ(LiveGdiObjects(), start);

  Start();
  TWinSkinForm& skin = *Skin();
  // An activation change and a frame paint; the region built again and
  // given to the window (as during a re-skin, without changing the size).
  const auto round = [&](int i) {
    SendMessageA(Handle(), WM_NCACTIVATE, i % 2, 0);
    RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    skin.FSkinState = kSkinReskin;
    skin.UpdateRegion();
    skin.FSkinState = kSkinActive;
  };
  // And a change of size, rendering the frame and the region anew.
  const auto resize = [&](int i) {
    SetWindowPos(Handle(), nullptr, 0, 0, kWidth + i % 2, kHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  };
  for (int i = 0; i < 4; ++i) {
    round(i);
    resize(i);
  }
  PumpMessages(50);
  const int before = LiveGdiObjects();
  for (int i = 0; i < 1000; ++i) round(i);
  for (int i = 0; i < 20; ++i) resize(i);
  PumpMessages(50);
  EXPECT_EQ(LiveGdiObjects(), before);
}
