// Form skinning beyond the main window's everyday path: the title buttons'
// visibility codes, messages other code sends a skinned window, keyboard
// and hover, message boxes, a new skin, MDI frames and children.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "skin/window/SkinMessages.h"
#include "skin/window/TitleBar.h"
#include "tests/skin/SkinnedWindow.h"
#include "tests/support/MessageLog.h"
#include "ui/Application.h"
#include "ui/Subclass.h"

namespace {

TWinSysButton* ButtonOfAction(TWinSkinForm& skin, int action) {
  for (const auto& button : skin.FTitleButtons)
    if (button->FData.FAction == action) return button.get();
  return nullptr;
}

}  // namespace

TEST(FormSkin, VisibilityCodes) {
  TWinSkinForm form(nullptr);
  struct Case {
    int code;
    std::uint8_t icons;
    bool maximized, active;
    TFrameKind frame;
    bool shown, shownAsVisibility1;
  };
  constexpr std::uint8_t sys = biSystemMenu, max = biMaximize, min = biMinimize, help = biHelp;
  const Case cases[] = {
      {0, 0, false, true, fkSizeable, true, true},        {1, sys, true, true, fkSizeable, true, true},
      {1, sys, false, true, fkSizeable, false, false},    {2, sys, false, true, fkSizeable, true, true},
      {3, sys, false, false, fkSizeable, false, false},   {4, sys, false, false, fkSizeable, true, true},
      {6, max, false, true, fkSizeable, false, true},     {6, max | sys, false, true, fkSizeable, true, true},
      {8, min | sys, false, true, fkSizeable, true, true}, {7, max | sys, false, true, fkSizeable, false, false},
      {9, max | sys, false, true, fkSizeable, true, true}, {10, help | max, false, true, fkSizeable, false, true},
      {10, help, false, true, fkSizeable, true, true},    {100, sys, true, true, fkSizeable, false, false},
      {200, sys, false, true, fkDialog, true, false},     {200, sys, false, true, fkSingle, false, false},
      {500, sys, false, true, fkSizeable, true, false},   {-1, sys, false, true, fkSizeable, false, false},
      {5, sys, false, true, fkSizeable, false, false},
  };
  for (const Case& c : cases) {
    form.FBorderIcons = c.icons;
    form.FShowState = c.maximized ? ssMaximized : ssNormal;
    form.FActive = c.active;
    form.FFrameKind = c.frame;
    EXPECT_EQ(VisibilityHolds(form, c.code, false, 0), c.shown) << c.code << " " << int(c.icons);
    EXPECT_EQ(VisibilityHolds(form, c.code, true, 0), c.shownAsVisibility1) << c.code << " " << int(c.icons);
  }
}

TEST(FormSkin, AnswersWhatOtherCodeAsks) {
  TSkinnedWindow window;
  window.Show();
  const HWND handle = window.Handle();
  EXPECT_EQ(SendMessageA(handle, SKM_QUERYFORM, 0, SKIN_MAGIC), SKIN_MAGIC);
  EXPECT_EQ(SendMessageA(handle, SKM_QUERYFORM, 0, 0), 1);
  // The frame painted into a bitmap of the window's size.
  const RECT bounds = window.WindowRect();
  TBitmap picture(bounds.right - bounds.left, bounds.bottom - bounds.top);
  EXPECT_EQ(SendMessageA(handle, SKM_PAINTFRAMETO, reinterpret_cast<WPARAM>(picture.Canvas().Handle()), SKIN_MAGIC),
            SKIN_MAGIC);
  EXPECT_EQ(picture.Canvas().Pixel(2, 5), probe::BorderColour(sbLeft, 1, probe::pStart));
  EXPECT_EQ(picture.Canvas().Pixel(probe::kSide + 2, 0), probe::BorderColour(sbTop, 1, probe::pStart));
  // A new caption is painted at once.
  const int before = window.Skin()->FCaptionRect.right;
  window.Form->SetCaption("A caption rather longer than the first");
  PumpMessages(50);
  EXPECT_GT(window.Skin()->FCaptionRect.right, before);
}

TEST(FormSkin, AltAloneOpensNoMenu) {
  TSkinnedWindow window;
  window.Show();
  TMessageLog log(window.Handle());
  PressKey(VK_MENU);
  PumpMessages(200);
  EXPECT_GE(log.Find(WM_SYSCOMMAND), 0);
  EXPECT_EQ(log.Find(WM_ENTERMENULOOP), -1);
  EXPECT_EQ(SendMessageA(window.Handle(), WM_SYSCOMMAND, SC_KEYMENU, 0), 1);
}

namespace {

// Shows the buttons whose visibility code is 1500.
struct TButtonAnswer {
  void Handle(TMessage& message) {
    if (message.Msg == SKM_BUTTONVISIBLE && message.WParam == 1500) {
      Asked = true;
      message.Result = Show ? 1 : 0;
      return;
    }
    Hook.CallDefault(message);
  }
  bool Show = false;
  bool Asked = false;
  TWindowProcHook Hook;
};

}  // namespace

TEST(FormSkin, CustomTitleButtonsPostTheirActionAndAskTheWindow) {
  const std::string extra =
      "[Button5]\nAction=50\nAlign=0\nXcoord=120\nYcoord=4\nframe=4\nButtonImage=close.bmp\n"
      "[Button6]\nAction=51\nAlign=0\nXcoord=140\nYcoord=4\nVisibility=1500\nframe=4\nButtonImage=close.bmp\n";
  TSkinnedWindow window(probe::Skin(true, extra));
  TButtonAnswer answer;
  answer.Hook.Install(*window.Form, TWindowProcHook::THandler::Of<&TButtonAnswer::Handle>(&answer));
  window.Show();
  TWinSkinForm& skin = *window.Skin();
  EXPECT_TRUE(answer.Asked);
  EXPECT_FALSE(ButtonOfAction(skin, 51)->FVisible);
  answer.Show = true;
  RedrawWindow(window.Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_TRUE(ButtonOfAction(skin, 51)->FVisible);

  TMessageLog log(window.Handle());
  const RECT bounds = window.WindowRect();
  ClickAt(POINT{bounds.left + 125, bounds.top + 9});
  PumpMessages(100);
  const int posted = log.Find(SKM_TITLEBUTTON);
  ASSERT_GE(posted, 0);
  EXPECT_EQ(log.Messages()[static_cast<std::size_t>(posted)].WParam, 50u);
}

TEST(FormSkin, HoveringATitleButtonShowsItsHint) {
  const int pause = Application().HintPause();
  Application().SetHintPause(50);
  TSkinnedWindow window;
  window.Show();
  const RECT bounds = window.WindowRect();
  MoveMouseTo(POINT{bounds.right - 14 + 5, bounds.top + 9});
  PumpMessages(700);
  TSkinData& data = *window.Data;
  EXPECT_TRUE(data.FHintShown);
  char text[32] = {};
  GetWindowTextA(data.FHintWindow.Handle(), text, sizeof text);
  EXPECT_STREQ(text, "Close");
  // Leaving the button hides it.
  MoveMouseTo(POINT{bounds.left + 60, bounds.top + 60});
  PumpMessages(400);
  EXPECT_FALSE(data.FHintShown);
  Application().SetHintPause(pause);
}

TEST(FormSkin, MessageBoxesAreSkinnedToo) {
  TSkinnedWindow window;
  window.Show();
  std::atomic<int> answer{-1};
  const DWORD thread = GetCurrentThreadId();
  std::thread watcher([&answer, thread] {
    for (int i = 0; i < 300 && answer < 0; ++i) {
      HWND box = nullptr;
      EnumThreadWindows(
          thread,
          [](HWND candidate, LPARAM found) -> BOOL {
            char name[16] = {};
            GetClassNameA(candidate, name, sizeof name);
            if (std::string(name) != "#32770" || !IsWindowVisible(candidate)) return TRUE;
            *reinterpret_cast<HWND*>(found) = candidate;
            return FALSE;
          },
          reinterpret_cast<LPARAM>(&box));
      if (box) {
        Sleep(100);
        DWORD_PTR result = 0;
        SendMessageTimeoutA(box, SKM_QUERYSKINNED, 0, 0, SMTO_ABORTIFHUNG, 2000, &result);
        answer = static_cast<int>(result);
        PostMessageA(box, WM_COMMAND, IDOK, 0);
      }
      Sleep(10);
    }
  });
  MessageBoxA(window.Handle(), "A message", "Probe", MB_OK);
  watcher.join();
  EXPECT_EQ(answer, 1);
}

TEST(FormSkin, ANewSkinKeepsTheClientArea) {
  TSkinnedWindow window;
  window.Show();
  window.Data->SetSkinFile(QV_DEFAULT_SKIN_PACKAGE);
  PumpMessages(500);
  TWinSkinForm& skin = *window.Skin();
  EXPECT_EQ(skin.FLeftWidth, 7);
  EXPECT_EQ(skin.FTitleHeight, 32);
  EXPECT_EQ(skin.FBottomHeight, 8);
  EXPECT_EQ(window.Form->ClientWidth(), 200);
  EXPECT_EQ(window.Form->ClientHeight(), 100);
  const RECT bounds = window.WindowRect();
  EXPECT_EQ(bounds.right - bounds.left, 214);
  EXPECT_EQ(bounds.bottom - bounds.top, 140);
  // The title buttons are those of the new skin.
  ASSERT_NE(ButtonOfAction(skin, 0), nullptr);
  EXPECT_EQ(ButtonOfAction(skin, 0)->FData.FBitmap.Width(), 80);
}

namespace {

HWND MdiClient = nullptr;

LRESULT CALLBACK FrameProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefFrameProcA(window, MdiClient, msg, wParam, lParam);
}

LRESULT CALLBACK ChildProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefMDIChildProcA(window, msg, wParam, lParam);
}

void RegisterMdiClasses() {
  WNDCLASSA frame{}, child{};
  frame.lpfnWndProc = FrameProc;
  frame.hInstance = child.hInstance = GetModuleHandleA(nullptr);
  frame.lpszClassName = "QvMdiFrame";
  child.lpfnWndProc = ChildProc;
  child.lpszClassName = "QvMdiChild";
  RegisterClassA(&frame);
  RegisterClassA(&child);
}

HWND CreateChild(int width, int height) {
  MDICREATESTRUCTA create{};
  create.szClass = "QvMdiChild";
  create.szTitle = "Child";
  create.hOwner = GetModuleHandleA(nullptr);
  create.x = create.y = 10;
  create.cx = width;
  create.cy = height;
  create.style = WS_OVERLAPPEDWINDOW;
  return reinterpret_cast<HWND>(SendMessageA(MdiClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
}

}  // namespace

TEST(FormSkin, MdiFramesAndChildren) {
  DestroySkinManager();
  TComponent root(nullptr);
  probe::LoadedSkinData(root, probe::Skin());
  RegisterMdiClasses();
  const HWND frame = CreateWindowExA(0, "QvMdiFrame", "Frame", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 50, 50, 500,
                                     400, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  CLIENTCREATESTRUCT client{};
  MdiClient = CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 400, 300, frame,
                              nullptr, GetModuleHandleA(nullptr), &client);
  ShowWindow(frame, SW_SHOW);
  SetForegroundWindow(frame);
  PumpMessages(100);
  TSkinManage& manager = *SkinManager();
  TWinSkinForm* frameSkin = manager.FindSkinForm(frame);
  ASSERT_NE(frameSkin, nullptr);
  EXPECT_EQ(frameSkin->FMDIKind, mkFrame);
  EXPECT_EQ(manager.FMDIClient, MdiClient);

  // Children are skinned when they are created, even without a size.
  const HWND empty = CreateChild(0, 0);
  const HWND child = CreateChild(200, 150);
  PumpMessages(100);
  for (const HWND window : {empty, child}) {
    const TWinSkinForm* skin = manager.FindSkinForm(window);
    ASSERT_NE(skin, nullptr);
    EXPECT_EQ(skin->FMDIKind, mkChild);
  }
  TRegionHandle region(CreateRectRgn(0, 0, 0, 0));
  EXPECT_NE(GetWindowRgn(child, region.Get()), ERROR);
  // Maximized, a child keeps no region; restored, it has its own again.
  SendMessageA(MdiClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child), 0);
  PumpMessages(100);
  EXPECT_TRUE(manager.FMDIMaximized);
  EXPECT_EQ(GetWindowRgn(child, region.Get()), ERROR);
  SendMessageA(MdiClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(child), 0);
  PumpMessages(100);
  EXPECT_FALSE(manager.FMDIMaximized);
  EXPECT_NE(GetWindowRgn(child, region.Get()), ERROR);

  DestroyWindow(frame);
  PumpMessages(20);
  manager.PurgeSkinForms();
  EXPECT_TRUE(manager.FForms.empty());
  DestroySkinManager();
  MdiClient = nullptr;
}
