#pragma once
// The probe skin with the tab elements, every band of every frame in a
// colour of its own, so that a pixel read back from a window tells which
// frame is drawn there and which way up.
//
//   Tabs:      5 frames of 20 x 20 side by side, fixed 4 pixels on every
//              side; the colour of a pixel tells its frame and its band:
//              the top 4 rows, the middle, the bottom 4 rows.
//   Border:    the pane under the tabs (Style 0), 20 x 20, fixed 5 rows at
//              the top and 4 pixels on the other sides: each edge band and
//              the centre in a colour of its own.
//   Tab.Pane:  the pane when Style is 1, the same layout in other colours,
//              fixed 3 pixels on every side.
//   UpDown.Horz: the tab row's scroll arrows, 8 frames of 10 x 10.
#include <string>

#include "tests/skin/ProbeSkin.h"

namespace tabs {

enum TBand { bTop, bMiddle, bBottom };
enum TPanePart { ppTop, ppBottom, ppLeft, ppRight, ppCentre };

inline TColor TabColour(int frame, TBand band) { return RGB(30 * frame, 100 + 60 * band, 40); }
inline TColor PaneColour(bool tabPane, TPanePart part) { return RGB(tabPane ? 250 : 200, 40 * part, 160); }
inline TColor ArrowColour(int frame) { return RGB(90, 20 * frame, 250); }
// The tab texts: the focused tab's and the others'.
constexpr TColor kChosenText = RGB(255, 255, 0), kText = RGB(0, 255, 255);
constexpr int kTabFrame = 20, kTabMargin = 4;

// style: the "Tabs" Style, 0 (the pane from Border) or 1 (from Tab.Pane).
inline TSkinFixture Skin(int style = 0) {
  const std::string ini =
      "[Tabs]\nImage=tabs.bmp\nBorder=tabborder.bmp\nStyle=" + std::to_string(style) +
      "\nLeftWidth=4\nRightWidth=4\nTopHeight=4\nBottomHeight=4\nTrans=0\nTile=0\n"
      "NormalColour2=0 255 255\nMouseOverColour2=255 255 0\n"
      "[Tab.Pane]\nImage=tabpane.bmp\nLeftWidth=3\nRightWidth=3\nTopHeight=3\nBottomHeight=3\n"
      "[UpDown.Horz]\nImage=arrows.bmp\n";
  const auto pane = [](bool tabPane, int top) {
    const int side = tabPane ? 3 : 4;
    return BmpOf(20, 20, [=](int x, int y) {
      if (y < top) return PaneColour(tabPane, ppTop);
      if (y >= 20 - side) return PaneColour(tabPane, ppBottom);
      if (x < side) return PaneColour(tabPane, ppLeft);
      if (x >= 20 - side) return PaneColour(tabPane, ppRight);
      return PaneColour(tabPane, ppCentre);
    });
  };
  return probe::Skin(true, ini)
      .Entry("tabs.bmp", BmpOf(5 * kTabFrame, kTabFrame,
                               [](int x, int y) {
                                 return TabColour(x / kTabFrame + 1, y < kTabMargin                ? bTop
                                                                     : y >= kTabFrame - kTabMargin ? bBottom
                                                                                                   : bMiddle);
                               }))
      .Entry("tabborder.bmp", pane(false, 5))
      .Entry("tabpane.bmp", pane(true, 3))
      .Entry("arrows.bmp", BmpOf(80, 10, [](int x, int) { return ArrowColour(x / 10 + 1); }));
}

}  // namespace tabs
