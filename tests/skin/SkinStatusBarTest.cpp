// Status bars painted from the skin, on real windows under Wine: the simple
// text on frame 1, panels on the frame of their bevel with the last one
// reaching the right edge, texts by alignment and reading order in the
// skin's text colour, an owner-drawn panel left to the application, the
// size grip, plain edges without the skin's element; nothing leaking.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>

#include "skin/controls/SkinStatusBar.h"
#include "skin/window/SkinMessages.h"
#include "tests/skin/RangeSkin.h"
#include "tests/skin/SkinnedWindow.h"
#include "tests/skin/WindowPixels.h"
#include "tests/support/GdiCount.h"
#include "ui/Font.h"
#include "ui/StatusBar.h"

namespace {

using ranges::StatusColour;

constexpr TColor kOwnerDrawn = RGB(255, 255, 0);
constexpr TColor kFontColour = RGB(0, 128, 0);

class SkinStatusBar : public ::testing::Test {
 protected:
  // Panels: each with text, width, alignment, bevel, style, reading order.
  struct TPanelWanted {
    const char* text;
    int width;
    TAlignment alignment;
    TStatusPanelBevel bevel;
    TStatusPanelStyle style = TStatusPanelStyle::psText;
    TBiDiMode bidi = TBiDiMode::bdLeftToRight;
  };
  void Open(unsigned elements, const std::vector<TPanelWanted>& panels, const char* simpleText = "",
            TBiDiMode bidi = TBiDiMode::bdLeftToRight) {
    Window = std::make_unique<TSkinnedWindow>(ranges::Skin(elements), 320, 120);
    Bar = new TStatusBar(Window->Form.get());
    Bar->SetParent(Window->Form.get());
    Bar->SetBiDiMode(bidi);
    Bar->Font()->SetColor(kFontColour);
    Bar->SetSimpleText(simpleText);
    for (const TPanelWanted& wanted : panels) {
      TStatusPanel* panel = Bar->Panels()->Add();
      panel->SetText(wanted.text);
      panel->SetWidth(wanted.width);
      panel->SetAlignment(wanted.alignment);
      panel->SetBevel(wanted.bevel);
      panel->SetStyle(wanted.style);
      panel->SetBiDiMode(wanted.bidi);
    }
    Bar->OnDrawPanel = TDrawPanelEvent::Of<&SkinStatusBar::DrawPanel>(this);
    Window->Show();
    ASSERT_NE(Window->Skin(), nullptr);
    ASSERT_EQ(SendMessageA(Bar->Handle(), SKM_QUERYSKINNED, 0, 0), 1);
  }
  void TearDown() override { Window.reset(); }

  void DrawPanel(TCustomStatusBar* bar, TStatusPanel* panel, const RECT& rect) {
    if (panel->Style() != TStatusPanelStyle::psOwnerDraw) return;
    const TBrushHandle brush(CreateSolidBrush(kOwnerDrawn));
    FillRect(bar->Canvas().Handle(), &rect, brush.Get());
  }
  RECT PanelRect(int index) const {
    RECT rect{};
    SendMessageA(Bar->Handle(), SB_GETRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
    return rect;
  }
  RECT Client() const {
    RECT client{};
    GetClientRect(Bar->Handle(), &client);
    return client;
  }
  // Pixels of the colour in the columns from left to right.
  // Text pixels of the colour in the columns from left to right, drawn on
  // back.
  static int InkIn(const TWindowShot& shot, const RECT& client, int left, int right, TColor colour,
                   TColor back) {
    int ink = 0;
    for (int y = 0; y < client.bottom; ++y)
      for (int x = left; x < right; ++x) ink += InkOf(shot(x, y), colour, back);
    return ink;
  }

  std::unique_ptr<TSkinnedWindow> Window;
  TStatusBar* Bar = nullptr;
};

}  // namespace

// Without panels: the simple text over frame 1, at the left, or at the
// right for a bar read from the right.
TEST_F(SkinStatusBar, TheSimpleTextLiesOnTheLoweredFrame) {
  for (const TBiDiMode bidi : {TBiDiMode::bdLeftToRight, TBiDiMode::bdRightToLeft}) {
    Open(ranges::eStatus, {}, "Ready", bidi);
    const RECT client = Client();
    const TWindowShot shot(Bar->Handle());
    const bool right = bidi != TBiDiMode::bdLeftToRight;
    EXPECT_EQ(shot(1, 1), StatusColour(1));
    EXPECT_EQ(shot(client.right / 2, client.bottom - 2), StatusColour(1));
    const int half = client.right / 2;
    EXPECT_GT(InkIn(shot, client, right ? half : 0, right ? client.right : half, ranges::kStatusText, StatusColour(1)), 5)
        << right;
    EXPECT_EQ(InkIn(shot, client, right ? 0 : half, right ? half : client.right, ranges::kStatusText, StatusColour(1)), 0)
        << right;
    EXPECT_EQ(InkIn(shot, client, 0, 2, ranges::kStatusText, StatusColour(1)), 0);
    Window.reset();
  }
}

// Each panel on the frame of its bevel, the last reaching the right edge;
// its text placed by its alignment, left and right exchanged for a panel
// read from the right; an owner-drawn panel gets its background and the
// application's drawing, 2 pixels in, but no text.
TEST_F(SkinStatusBar, PanelsShowTheirBevelAndText) {
  Open(ranges::eStatus, {{"Left", 80, TAlignment::taLeftJustify, TStatusPanelBevel::pbLowered},
                         {"Right", 80, TAlignment::taRightJustify, TStatusPanelBevel::pbRaised},
                         {"Back", 80, TAlignment::taLeftJustify, TStatusPanelBevel::pbNone,
                          TStatusPanelStyle::psText, TBiDiMode::bdRightToLeft},
                         {"", 30, TAlignment::taLeftJustify, TStatusPanelBevel::pbLowered,
                          TStatusPanelStyle::psOwnerDraw}});
  const RECT client = Client();
  const TWindowShot shot(Bar->Handle());
  struct Case {
    int frame;
    bool textRight;  // the text lies in the panel's right half
  };
  const Case cases[] = {{1, false}, {2, true}, {3, true}};
  for (int i = 0; i < 3; ++i) {
    const RECT panel = PanelRect(i);
    EXPECT_EQ(shot(panel.left + 1, panel.top + 1), StatusColour(cases[i].frame)) << i;
    const int half = (panel.left + panel.right) / 2;
    const TColor back = StatusColour(cases[i].frame);
    const int ink = InkIn(shot, client, half, panel.right, ranges::kStatusText, back);
    const int other = InkIn(shot, client, panel.left, half, ranges::kStatusText, back);
    EXPECT_GT(cases[i].textRight ? ink : other, 5) << i;
    EXPECT_EQ(cases[i].textRight ? other : ink, 0) << i;
  }
  const RECT owner = PanelRect(3);
  EXPECT_EQ(shot(owner.left + 1, owner.top + 1), StatusColour(1));
  EXPECT_EQ(shot(owner.left + 2, owner.top + 2), kOwnerDrawn);
  EXPECT_EQ(InkIn(shot, client, owner.left, client.right, ranges::kStatusText, StatusColour(1)), 0);
  // The last panel's background reaches the bar's right edge.
  EXPECT_EQ(shot(client.right - 1, client.bottom / 2), StatusColour(1));
}

// Frame 5 of ExtraImages one pixel in from the bottom-right corner;
// without the element the panel shows there.
TEST_F(SkinStatusBar, TheSizeGripComesFromTheExtraImages) {
  for (const bool extra : {true, false}) {
    Open(ranges::eStatus | (extra ? ranges::eExtraImages : 0u),
         {{"One", 100, TAlignment::taLeftJustify, TStatusPanelBevel::pbRaised}});
    const RECT client = Client();
    const TWindowShot shot(Bar->Handle());
    const int right = client.right - 1, bottom = client.bottom - 1;
    const TColor grip = extra ? ranges::ExtraColour(5) : StatusColour(2);
    EXPECT_EQ(shot(right - ranges::kGrip, bottom - ranges::kGrip), grip) << extra;
    EXPECT_EQ(shot(right - 1, bottom - 1), grip) << extra;
    EXPECT_EQ(shot(right, bottom), StatusColour(2)) << extra;
    EXPECT_EQ(shot(right - ranges::kGrip - 1, bottom - 1), StatusColour(2)) << extra;
    Window.reset();
  }
}

// Without StatusBarEdges: one-pixel edges, sunken for a lowered panel and
// raised for a raised one, none for a flat one, on the skin's button face;
// the text in the status bar's font colour.
TEST_F(SkinStatusBar, WithoutTheElementPanelsHavePlainEdges) {
  Open(0, {{"Sunk", 80, TAlignment::taLeftJustify, TStatusPanelBevel::pbLowered},
           {"Up", 80, TAlignment::taLeftJustify, TStatusPanelBevel::pbRaised},
           {"Flat", 80, TAlignment::taLeftJustify, TStatusPanelBevel::pbNone}});
  const RECT client = Client();
  const TWindowShot shot(Bar->Handle());
  const TColor shadow = static_cast<TColor>(GetSysColor(COLOR_BTNSHADOW));
  const TColor light = static_cast<TColor>(GetSysColor(COLOR_BTNHIGHLIGHT));
  struct Case {
    TColor topLeft, bottomRight;
  };
  const Case cases[] = {{shadow, light}, {light, shadow}, {ranges::kFace, ranges::kFace}};
  for (int i = 0; i < 3; ++i) {
    RECT panel = PanelRect(i);
    panel.right += 2;
    const int middle = (panel.top + panel.bottom) / 2;
    EXPECT_EQ(shot(panel.left, middle), cases[i].topLeft) << i;
    EXPECT_EQ(shot(panel.left + 40, panel.top), cases[i].topLeft) << i;
    EXPECT_EQ(shot(panel.left + 40, panel.bottom - 1), cases[i].bottomRight) << i;
    EXPECT_EQ(shot(panel.left + 60, middle), ranges::kFace) << i;
    EXPECT_GT(InkIn(shot, client, panel.left, panel.left + 40, kFontColour, ranges::kFace), 5) << i;
    // The font's own colour, not another dark one.
    int exact = 0;
    for (int y = 0; y < client.bottom; ++y)
      for (int x = panel.left; x < panel.left + 40; ++x) exact += shot(x, y) == kFontColour;
    EXPECT_GT(exact, 0) << i;
  }
}

TEST_F(SkinStatusBar, NothingLeaks) {
  Open(ranges::eStatus | ranges::eExtraImages,
       {{"One", 100, TAlignment::taCenter, TStatusPanelBevel::pbRaised},
        {"", 60, TAlignment::taLeftJustify, TStatusPanelBevel::pbLowered, TStatusPanelStyle::psOwnerDraw}});
  const auto round = [&](int i) {
    Bar->Panels()->Items(0)->SetText(std::to_string(i));
    InvalidateRect(Bar->Handle(), nullptr, TRUE);
    UpdateWindow(Bar->Handle());
  };
  for (int i = 0; i < 5; ++i) round(i);
  PumpMessages(20);
  const int before = LiveGdiObjects();
  for (int i = 0; i < 300; ++i) round(i);
  PumpMessages(20);
  EXPECT_EQ(LiveGdiObjects(), before);
}
