// Up-down controls painted from the skin, on real windows under Wine: each
// button's frame for the mouse over it, pressing it (a real click, which
// moves the position) and a disabled control, vertical, horizontal and
// forced horizontal; the plain look without the skin's element; a spin
// button inside an edit kept clear of the edit's frame; nothing leaking.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <string>

#include "skin/controls/SkinUpDown.h"
#include "skin/window/SkinMessages.h"
#include "tests/skin/RangeSkin.h"
#include "tests/skin/SkinnedWindow.h"
#include "tests/skin/WindowPixels.h"
#include "tests/support/GdiCount.h"
#include "ui/Edit.h"
#include "ui/UpDown.h"

namespace {

using ranges::GlyphColour;
using ranges::UpDownColour;

// What the user does to the up-down before the face is read.
enum TUserAction { aAway, aOverFirst, aOverSecond, aPressFirst, aPressSecond, aDisabled };

const char* Describe(TUserAction action) {
  static const char* const kNames[] = {"away", "over first", "over second", "press first", "press second", "disabled"};
  return kNames[action];
}

RECT ClientOf(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return client;
}

TSkinUpDown* WrapperOf(TWinSkinForm& skin, HWND window) {
  for (TSkinControl* wrapper : skin.FControls)
    if (wrapper->FHandle == window) return dynamic_cast<TSkinUpDown*>(wrapper);
  return nullptr;
}

class SkinUpDown : public ::testing::Test {
 protected:
  void Open(unsigned elements) {
    Window = std::make_unique<TSkinnedWindow>(ranges::Skin(elements), 260, 160);
    Vertical = AddUpDown(TUDOrientation::udVertical, 20, 20, 20, 40);
    Horizontal = AddUpDown(TUDOrientation::udHorizontal, 80, 20, 40, 20);
    Window->Show();
    ASSERT_NE(Window->Skin(), nullptr);
  }
  void TearDown() override {
    MoveMouseTo(POINT{0, 0});
    Window.reset();
  }

  TUpDown* AddUpDown(TUDOrientation orientation, int x, int y, int width, int height) {
    auto* upDown = new TUpDown(Window->Form.get());
    upDown->SetParent(Window->Form.get());
    upDown->SetOrientation(orientation);
    upDown->SetBounds(x, y, width, height);
    upDown->SetMax(100);
    upDown->SetPosition(50);
    return upDown;
  }

  // Does what the action says; Release undoes it.
  void Act(HWND window, bool horizontal, TUserAction action) {
    RECT client{};
    GetClientRect(window, &client);
    const int w = client.right, h = client.bottom;
    // The middle of the first and of the second button.
    const POINT first = horizontal ? POINT{w / 4, h / 2} : POINT{w / 2, h / 4};
    const POINT second = horizontal ? POINT{3 * w / 4, h / 2} : POINT{w / 2, 3 * h / 4};
    switch (action) {
      case aAway: return HoverAt(Window->Handle(), 5, Window->Form->Height() - 10);
      case aOverFirst:
      case aPressFirst: HoverAt(window, first.x, first.y); break;
      case aOverSecond:
      case aPressSecond: HoverAt(window, second.x, second.y); break;
      case aDisabled:
        EnableWindow(window, FALSE);
        HoverAt(window, first.x, first.y);
        break;
    }
    if (action == aPressFirst || action == aPressSecond) {
      MouseButton(true);
      PumpMessages(80);
    }
  }
  void Release(HWND window, TUserAction action) {
    if (action == aPressFirst || action == aPressSecond) {
      MouseButton(false);
      PumpMessages(50);
    }
    if (action == aDisabled) EnableWindow(window, TRUE);
    HoverAt(Window->Handle(), 5, Window->Form->Height() - 10);
    PumpMessages(150);
  }

  std::unique_ptr<TSkinnedWindow> Window;
  TUpDown* Vertical = nullptr;
  TUpDown* Horizontal = nullptr;
};

}  // namespace

TEST_F(SkinUpDown, TheDispatchWrapsUpDowns) {
  Open(ranges::eUpDown);
  for (TUpDown* upDown : {Vertical, Horizontal}) {
    EXPECT_EQ(SendMessageA(upDown->Handle(), SKM_QUERYSKINNED, 0, 0), 1);
    TSkinUpDown* wrapper = WrapperOf(*Window->Skin(), upDown->Handle());
    ASSERT_NE(wrapper, nullptr);
    EXPECT_EQ(wrapper->FControl, upDown);
  }
}

// Frame k of a button: its state (1 normal, 2 pressed, 3 disabled, 4 hot)
// plus 4 for the second button (down, right). A button the mouse is not
// over is normal, even while the other is pressed.
TEST_F(SkinUpDown, ButtonsShowTheFrameOfTheirState) {
  Open(ranges::eUpDown);
  struct Case {
    bool horizontal;
    TUserAction action;
    int firstFrame, secondFrame;
    int step;  // how the position moves
  };
  const Case cases[] = {
      {false, aAway, 1, 5, 0},        {false, aOverFirst, 4, 5, 0},   {false, aOverSecond, 1, 8, 0},
      {false, aPressFirst, 2, 5, 1},  {false, aPressSecond, 1, 6, -1}, {false, aDisabled, 3, 7, 0},
      {true, aAway, 1, 5, 0},         {true, aOverFirst, 4, 5, 0},    {true, aOverSecond, 1, 8, 0},
      {true, aPressFirst, 2, 5, -1},  {true, aPressSecond, 1, 6, 1},  {true, aDisabled, 3, 7, 0},
  };
  for (const Case& c : cases) {
    TUpDown* upDown = c.horizontal ? Horizontal : Vertical;
    const HWND window = upDown->Handle();
    upDown->SetPosition(50);
    Act(window, c.horizontal, c.action);
    const TWindowShot shot(window);
    const std::string what = std::string(c.horizontal ? "horizontal " : "vertical ") + Describe(c.action);
    const RECT client = ClientOf(window);
    const int w = client.right, h = client.bottom;
    // A corner of each button, clear of the glyph.
    const POINT second = c.horizontal ? POINT{w / 2 + 2, 2} : POINT{2, h / 2 + 2};
    EXPECT_EQ(shot(2, 2), UpDownColour(c.horizontal, c.firstFrame)) << what;
    EXPECT_EQ(shot(second.x, second.y), UpDownColour(c.horizontal, c.secondFrame)) << what;
    if (!c.horizontal) {
      // The glyphs of the vertical element, centred in each button, take
      // the button's frame.
      const int x = (w - ranges::kGlyph) / 2, y = (h / 2 - ranges::kGlyph) / 2;
      EXPECT_EQ(shot(x, y), GlyphColour(c.firstFrame)) << what;
      EXPECT_EQ(shot(x + 3, y + 3), GlyphColour(c.firstFrame)) << what;
      EXPECT_EQ(shot(x, y - 1), UpDownColour(false, c.firstFrame)) << what;
      EXPECT_EQ(shot(x + 3, h / 2 + y + 3), GlyphColour(c.secondFrame)) << what;
    }
    Release(window, c.action);
    EXPECT_EQ(upDown->Position(), 50 + c.step) << what;
  }
}

TEST_F(SkinUpDown, ATabRowsScrollerIsSplitSideBySide) {
  Open(ranges::eUpDown);
  TSkinUpDown* wrapper = WrapperOf(*Window->Skin(), Vertical->Handle());
  ASSERT_NE(wrapper, nullptr);
  wrapper->FHorizontal = 1;
  wrapper->Repaint();
  const TWindowShot shot(Vertical->Handle());
  const RECT client = ClientOf(Vertical->Handle());
  EXPECT_EQ(shot(client.right / 2 - 1, client.bottom - 2), UpDownColour(true, 1));
  EXPECT_EQ(shot(client.right / 2, 2), UpDownColour(true, 5));
}

// Without the element: flat buttons in the button face, the shadow colour
// for the hot or pressed one, outlined and with an arrow in the dark
// shadow colour.
TEST_F(SkinUpDown, WithoutTheElementButtonsArePlain) {
  Open(0);
  const TColor face = ranges::kFace, shadow = static_cast<TColor>(GetSysColor(COLOR_BTNSHADOW)),
               dark = static_cast<TColor>(GetSysColor(COLOR_3DDKSHADOW));
  struct Case {
    TUserAction action;
    TColor first, second;
  };
  const Case cases[] = {{aAway, face, face}, {aPressFirst, shadow, face}, {aOverSecond, face, shadow}};
  const HWND window = Vertical->Handle();
  const RECT client = ClientOf(window);
  const int w = client.right, h = client.bottom;
  // The middle of each button.
  const int cx = w / 2, up = h / 4, down = (h / 2 + h) / 2;
  for (const Case& c : cases) {
    Act(window, false, c.action);
    const TWindowShot shot(window);
    EXPECT_EQ(shot(3, 3), c.first) << Describe(c.action);
    EXPECT_EQ(shot(3, h / 2 + 3), c.second) << Describe(c.action);
    // The outlines, and the arrows, 9 pixels wide and 5 high, centred 2
    // pixels above the middle of their button.
    EXPECT_EQ(shot(0, 0), dark);
    EXPECT_EQ(shot(w - 1, h - 1), dark);
    EXPECT_EQ(shot(cx, up - 4), dark);
    EXPECT_EQ(shot(cx - 1, up - 4), c.first);
    EXPECT_EQ(shot(cx - 4, up), dark);
    EXPECT_EQ(shot(cx + 4, up), dark);
    EXPECT_EQ(shot(cx, down), dark);
    EXPECT_EQ(shot(cx - 1, down), c.second);
    EXPECT_EQ(shot(cx - 4, down - 4), dark);
    EXPECT_EQ(shot(cx + 4, down - 4), dark);
    Release(window, c.action);
  }
  // Left and right arrows point sideways.
  const RECT side = ClientOf(Horizontal->Handle());
  const int left = side.right / 4, right = (side.right / 2 + side.right) / 2, cy = side.bottom / 2;
  const TWindowShot shot(Horizontal->Handle());
  EXPECT_EQ(shot(left - 2, cy), dark);
  EXPECT_EQ(shot(left - 2, cy - 1), face);
  EXPECT_EQ(shot(left + 2, cy - 4), dark);
  EXPECT_EQ(shot(right + 2, cy), dark);
  EXPECT_EQ(shot(right - 2, cy + 4), dark);
}

// A spin button inside an edit: at least 3 pixels from the edit's top,
// bottom and right edges; what the buttons leave free is white.
TEST_F(SkinUpDown, ASpinButtonInsideAnEditKeepsClearOfItsFrame) {
  Open(ranges::eUpDown);
  auto* edit = new TEdit(Window->Form.get());
  edit->SetParent(Window->Form.get());
  edit->SetBounds(20, 80, 120, 26);
  RECT client{};
  GetClientRect(edit->Handle(), &client);
  const HWND spin = CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE, client.right - 16, 0, 16,
                                    client.bottom, edit->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(spin, nullptr);
  SendMessageW(spin, UDM_SETRANGE32, 0, 100);
  SendMessageW(spin, UDM_SETPOS32, 0, 50);
  auto* wrapper = new TSkinUpDown(edit);
  wrapper->InitHandle(spin, Window->Data, Window->Skin(), &Window->Skin()->FCanvas);
  wrapper->FInEdit = true;
  wrapper->Repaint();

  RECT own{}, outer{};
  GetWindowRect(spin, &own);
  GetWindowRect(edit->Handle(), &outer);
  const int top = std::max(0L, 3 - (own.top - outer.top));
  const int bottom = (own.bottom - own.top) - std::max(0L, 3 - (outer.bottom - own.bottom));
  const int right = (own.right - own.left) - std::max(0L, 3 - (outer.right - own.right));
  ASSERT_GT(top, 0);
  ASSERT_LT(right, own.right - own.left);
  const int middle = top + (bottom - top) / 2;
  {
    const TWindowShot shot(spin);
    EXPECT_EQ(shot(5, top - 1), clWhite);
    EXPECT_EQ(shot(5, top), UpDownColour(false, 1));
    EXPECT_EQ(shot(5, bottom - 1), UpDownColour(false, 5));
    EXPECT_EQ(shot(5, bottom), clWhite);
    EXPECT_EQ(shot(right - 1, top + 2), UpDownColour(false, 1));
    EXPECT_EQ(shot(right, top + 2), clWhite);
  }
  // A real click on its upper button steps it up.
  HoverAt(spin, 5, top + 2);
  MouseButton(true);
  PumpMessages(80);
  {
    const TWindowShot shot(spin);
    EXPECT_EQ(shot(2, top + 1), UpDownColour(false, 2));
    EXPECT_EQ(shot(2, middle + 2), UpDownColour(false, 5));
  }
  MouseButton(false);
  PumpMessages(50);
  EXPECT_EQ(SendMessageW(spin, UDM_GETPOS32, 0, 0), 51);
  // It goes with its edit.
  delete edit;
  EXPECT_EQ(WrapperOf(*Window->Skin(), spin), nullptr);
}

TEST_F(SkinUpDown, NothingLeaks) {
  Open(ranges::eUpDown);
  TWinSkinForm& skin = *Window->Skin();
  const auto round = [&] {
    auto* upDown = AddUpDown(TUDOrientation::udVertical, 150, 20, 16, 30);
    auto* wrapper = new TSkinUpDown(upDown);
    wrapper->InitControl(&skin, Window->Data, false, &skin.FCanvas);
    for (int i = 0; i < 3; ++i) wrapper->Repaint();
    SendMessageA(upDown->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(upDown->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    SendMessageA(Vertical->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageA(Vertical->Handle(), WM_MOUSELEAVE, 0, 0);
    wrapper->SkinChange();
    delete upDown;
  };
  for (int i = 0; i < 3; ++i) round();
  PumpMessages(20);
  const int before = LiveGdiObjects();
  for (int i = 0; i < 80; ++i) round();
  PumpMessages(20);
  EXPECT_EQ(LiveGdiObjects(), before);
}
