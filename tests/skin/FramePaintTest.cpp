// The frame a skinned window shows, read back from the screen: every piece
// of the probe skin has a colour of its own, so each pixel tells which
// piece of which frame is drawn there.
#include <gtest/gtest.h>

#include "skin/window/SkinMessages.h"
#include "skin/window/TitleBar.h"
#include "tests/skin/SkinnedWindow.h"

namespace {

using probe::BorderColour;
using probe::ButtonColour;
using probe::kBottom;
using probe::kSide;
using probe::kTitle;

struct TSample {
  const char* Where;
  int X, Y;  // window coordinates; negative from the right or bottom edge
  TSkinBorder Border;
  probe::TPart Part;
};

// Points of each border's start, middle and end, clear of the caption and
// the title buttons.
const TSample kBorderSamples[] = {
    {"left start", 2, 5, sbLeft, probe::pStart},      {"left middle", 3, 60, sbLeft, probe::pMiddle},
    {"left end", 1, -2, sbLeft, probe::pEnd},         {"right start", -3, 9, sbRight, probe::pStart},
    {"right middle", -1, 70, sbRight, probe::pMiddle}, {"right end", -4, -5, sbRight, probe::pEnd},
    {"title start", kSide + 2, 0, sbTop, probe::pStart}, {"title middle", 100, kTitle - 1, sbTop, probe::pMiddle},
    {"title end", -kSide - 3, 1, sbTop, probe::pEnd},    {"bottom start", kSide + 7, -1, sbBottom, probe::pStart},
    {"bottom middle", 90, -3, sbBottom, probe::pMiddle}, {"bottom end", -kSide - 1, -4, sbBottom, probe::pEnd},
};

void ExpectBorders(const TScreenShot& shot, int frame) {
  const int w = shot.Area.right - shot.Area.left, h = shot.Area.bottom - shot.Area.top;
  for (const TSample& s : kBorderSamples) {
    const int x = s.X < 0 ? w + s.X : s.X, y = s.Y < 0 ? h + s.Y : s.Y;
    EXPECT_EQ(TSkinnedWindow::At(shot, x, y), static_cast<COLORREF>(BorderColour(s.Border, frame, s.Part)))
        << s.Where << " of frame " << frame;
  }
}

// Whether some pixel of the rectangle (window coordinates) has the colour.
bool Shows(const TScreenShot& shot, const RECT& r, COLORREF colour) {
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (TSkinnedWindow::At(shot, x, y) == colour) return true;
  return false;
}

}  // namespace

TEST(FramePaint, BordersTitleCaptionAndButtonsActiveAndInactive) {
  TSkinnedWindow window;
  window.Show();
  const RECT bounds = window.WindowRect();
  const int w = bounds.right - bounds.left;
  ASSERT_EQ(w, 200 + 2 * kSide);
  ASSERT_EQ(bounds.bottom - bounds.top, 100 + kTitle + kBottom);

  const TScreenShot active = window.Shot();
  ExpectBorders(active, 1);
  // Close in its normal frame, the minimize button disabled (frame 4): the
  // window has no minimize box.
  EXPECT_EQ(TSkinnedWindow::At(active, w - 14 + 5, 4 + 5), static_cast<COLORREF>(ButtonColour(0, 1)));
  EXPECT_EQ(TSkinnedWindow::At(active, w - 28 + 5, 4 + 5), static_cast<COLORREF>(ButtonColour(1, 4)));
  // The caption in the active text colour, between the title's fixed ends.
  const RECT caption{kSide + 8, 0, w - 28, kTitle};
  EXPECT_TRUE(Shows(active, caption, RGB(255, 255, 0)));
  EXPECT_FALSE(Shows(active, caption, RGB(0, 255, 255)));

  // Another window takes the activation: the frame shows its second frames.
  TForm other(nullptr);
  other.SetBounds(600, 400, 100, 100);
  other.Show();
  SetForegroundWindow(other.Handle());
  PumpMessages(100);
  ASSERT_NE(GetForegroundWindow(), window.Handle());
  const TScreenShot inactive = window.Shot();
  ExpectBorders(inactive, 2);
  EXPECT_EQ(TSkinnedWindow::At(inactive, w - 14 + 5, 9), static_cast<COLORREF>(ButtonColour(0, 4)));
  EXPECT_EQ(TSkinnedWindow::At(inactive, w - 28 + 5, 9), static_cast<COLORREF>(ButtonColour(1, 4)));
  EXPECT_TRUE(Shows(inactive, caption, RGB(0, 255, 255)));
  EXPECT_FALSE(Shows(inactive, caption, RGB(255, 255, 0)));
}

TEST(FramePaint, RegionCutsOutTheMagentaPixelsOfTransparentBorders) {
  TSkinnedWindow window;
  window.Show();
  const RECT bounds = window.WindowRect();
  const int w = bounds.right - bounds.left, h = bounds.bottom - bounds.top;
  TRegionHandle region(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(window.Handle(), region.Get()), ERROR);
  // The side borders' frames have a magenta top-left pixel: the left one at
  // (0, 0), the right one at (w - 6, 0). The top border has Trans 0.
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const bool cut = y == 0 && (x == 0 || x == w - kSide);
      ASSERT_EQ(PtInRegion(region.Get(), x, y) == FALSE, cut) << x << "," << y;
    }
  }
  // The screen shows what lies under a cut-out pixel, not the window.
  EXPECT_NE(WindowFromPoint(POINT{bounds.left, bounds.top}), window.Handle());
  EXPECT_EQ(WindowFromPoint(POINT{bounds.left + 1, bounds.top}), window.Handle());

  // A new size rebuilds the region; the same size keeps it.
  TWinSkinForm& skin = *window.Skin();
  window.Form->SetWidth(w + 10);
  PumpMessages(50);
  EXPECT_EQ(skin.FRegionWidth, w + 10);
  TRegionHandle wider(CreateRectRgn(0, 0, 0, 0));
  GetWindowRgn(window.Handle(), wider.Get());
  EXPECT_FALSE(PtInRegion(wider.Get(), w + 10 - kSide, 0));
  EXPECT_TRUE(PtInRegion(wider.Get(), w - kSide, 0));
}

TEST(FramePaint, RegionOfBordersWithoutTransparencyIsTheWholeWindow) {
  TSkinnedWindow window(probe::Skin(false));
  window.Show();
  const RECT bounds = window.WindowRect();
  TRegionHandle region(CreateRectRgn(0, 0, 0, 0));
  ASSERT_EQ(GetWindowRgn(window.Handle(), region.Get()), SIMPLEREGION);
  RECT box{};
  GetRgnBox(region.Get(), &box);
  EXPECT_EQ(box.right, bounds.right - bounds.left);
  EXPECT_EQ(box.bottom, bounds.bottom - bounds.top);
  EXPECT_TRUE(PtInRegion(region.Get(), 0, 0));
}
