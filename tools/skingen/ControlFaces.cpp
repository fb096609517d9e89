// Faces of push buttons, check boxes, radio buttons, group boxes, tabs,
// status-bar panels, tool-bar buttons and header items.
//
// Five-frame strips of this skin follow the push button's order:
// 1 normal, 2 pressed (or selected), 3 disabled, 4 hot (or focused),
// 5 the element's own extra state.
#include <array>

#include "tools/skingen/Paint.h"
#include "tools/skingen/Palette.h"
#include "tools/skingen/SkinElements.h"

using namespace palette;

namespace {

// The four looks of a small control in the order normal, hot, pressed,
// disabled (the order of the check-box and radio-button strips).
struct TGlyphLook {
  TBoxStyle Box;
  TRgb Ink;
};
// Built while drawing, from the palette in use.
std::array<TGlyphLook, 4> OffLooks() {
  return {{
      {{kBorder, kWhite, kWhite}, kText},
      {{kAccent, kAccentWash, kAccentWash}, kText},
      {{kAccentDark, kFacePressed, kFacePressed}, kText},
      {{kBorderSoft, kFace, kFace}, kTextDisabled},
  }};
}
std::array<TGlyphLook, 4> OnLooks() {
  return {{
      {{kAccentDark, kAccent, kAccent}, kWhite},
      {{kAccent, kAccentLight, kAccentLight}, kWhite},
      {{kAccentDark, kAccentDark, kAccentDark}, kWhite},
      {{kBorderSoft, kBorderSoft, kBorderSoft}, kWhite},
  }};
}

constexpr int kGlyphSize = 13;

const TPattern kCheckMark = {
    ".......##",
    "......##.",
    "##...##..",
    ".##.##...",
    "..###....",
    "...#.....",
};
const TPattern kMixedMark = {
    "#######",
    "#######",
};
const TPattern kRadioDot = {
    ".###.",
    "#####",
    "#####",
    "#####",
    ".###.",
};

}  // namespace

// The push-button face: 5 frames of 24 x 22, a nine-grid with 4-pixel
// margins (the rounded corners stay whole), corners transparent.
// Frame 5 is the focused or default button: an accent outline.
TPixmap DrawPushButton() {
  return FramesSideBySide(5, 24, 22, [](TPixmap& p, const TRect& f, int k) {
    switch (k) {
      case 1: RoundedBox(p, f, 3, {kBorder, kWhite, kFace}); break;
      case 2: RoundedBox(p, f, 3, {kBorderStrong, kFacePressed, kFacePressed}); break;
      case 3: RoundedBox(p, f, 3, {kBorderSoft, kFaceLight, kFaceLight}); break;
      case 4: RoundedBox(p, f, 3, {kAccentLight, kWhite, kAccentWash}); break;
      case 5:
        RoundedBox(p, f, 3, {kAccent, kWhite, kFace});
        ShapedOutline(p, f.Inflated(-1), RoundedShape(f.Inflated(-1), 2), kAccentWash);
        break;
    }
  });
}

// Check boxes: 12 frames of 13 x 13 in three groups of four (unchecked,
// checked, mixed), each group normal, hot, pressed, disabled. The check-box
// painter uses frames 1 unchecked, 5 checked, 4 and 8 disabled, 9 and 12
// mixed.
TPixmap DrawCheckBox() {
  return FramesSideBySide(12, kGlyphSize, kGlyphSize, [](TPixmap& p, const TRect& f, int k) {
    const int group = (k - 1) / 4, state = (k - 1) % 4;
    const TGlyphLook look = group == 0 ? OffLooks()[state] : OnLooks()[state];
    RoundedBox(p, f, 2, look.Box);
    if (group == 1) DrawPatternCentred(p, f, kCheckMark, look.Ink);
    if (group == 2) DrawPatternCentred(p, f, kMixedMark, look.Ink);
  });
}

// Radio buttons: 8 frames of 13 x 13, unchecked then checked, each normal,
// hot, pressed, disabled (the painter uses 1, 5, 4 and 8).
TPixmap DrawRadioButton() {
  return FramesSideBySide(8, kGlyphSize, kGlyphSize, [](TPixmap& p, const TRect& f, int k) {
    const bool on = k > 4;
    const TGlyphLook look = on ? OnLooks()[(k - 1) % 4] : OffLooks()[(k - 1) % 4];
    RoundedBox(p, f, kGlyphSize / 2, look.Box);
    if (on) DrawPatternCentred(p, f, kRadioDot, look.Ink);
  });
}

// The group-box frame: 2 frames of 16 x 16 (enabled, disabled), a rounded
// outline around a transparent middle; a nine-grid with 4-pixel margins.
TPixmap DrawGroupBoxEdge() {
  return FramesSideBySide(2, 16, 16, [](TPixmap& p, const TRect& f, int k) {
    ShapedOutline(p, f, RoundedShape(f, 3), k == 1 ? kShadow : kBorderSoft);
  });
}

// The group-box caption's backdrop: one 24 x 18 frame, a soft rounded label
// stretched behind the caption with 6-pixel ends.
TPixmap DrawGroupBoxLabel() {
  return FramesSideBySide(1, 24, 18, [](TPixmap& p, const TRect& f, int) {
    RoundedBox(p, f, 4, {kBorderSoft, kFaceLight, kFaceLight});
  });
}

// Tabs: 5 frames of 24 x 22, a nine-grid (margins 4, 4, 4, 2) open at the
// bottom where the tab meets its page. Frame 2 is the selected tab (a
// white face with an accent line along its top), frame 5 the selected tab
// with the focus, drawn the same.
TPixmap DrawTabs() {
  return FramesSideBySide(5, 24, 22, [](TPixmap& p, const TRect& f, int k) {
    const TShape open = RoundedShape({f.Left, f.Top, f.Right, f.Bottom + 8}, 3);
    const bool selected = k == 2 || k == 5;
    switch (k) {
      case 1: ShapedBox(p, f, open, {kBorderSoft, kFaceDim, kFaceDim}); break;
      case 3: ShapedBox(p, f, open, {kBorderSoft, kFace, kFace}); break;
      case 4: ShapedBox(p, f, open, {kBorder, kFaceLight, kFaceLight}); break;
      default: ShapedBox(p, f, open, {kBorder, kWhite, kFace}); break;
    }
    if (selected) Fill(p, {f.Left + 2, f.Top + 1, f.Right - 2, f.Top + 3}, kAccent);
  });
}

// The page under the tabs: one 16 x 16 frame drawn opaque over the page
// with margins 4, 5, 4, 4. Square corners, since nothing of it may be
// transparent.
TPixmap DrawTabBorder() {
  return FramesSideBySide(1, 16, 16, [](TPixmap& p, const TRect& f, int) {
    Fill(p, f, kFace);
    FrameRect(p, f, kBorder);
  });
}

// Status-bar panels: 3 frames of 12 x 12 (lowered, raised, flat), copied
// opaque as nine-grids with 2-pixel margins.
TPixmap DrawStatusBarEdges() {
  return FramesSideBySide(3, 12, 12, [](TPixmap& p, const TRect& f, int k) {
    Fill(p, f, kFace);
    if (k == 1) FrameRect(p, f, kBorderSoft);
    if (k == 2) {
      Fill(p, {f.Left, f.Top, f.Right, f.Top + 1}, kWhite);
      Fill(p, {f.Left, f.Bottom - 1, f.Right, f.Bottom}, kBorderSoft);
    }
  });
}

// Tool-bar buttons: 5 frames of 22 x 22, nine-grids with 3-pixel margins.
// Flat: normal and disabled buttons show no face; frame 5 is a button that
// is down (checked).
TPixmap DrawToolBarButtons() {
  return FramesSideBySide(5, 22, 22, [](TPixmap& p, const TRect& f, int k) {
    if (k == 2) RoundedBox(p, f, 3, {kBorder, kFacePressed, kFacePressed});
    if (k == 4) RoundedBox(p, f, 3, {kAccentLight, kAccentWash, kAccentWash});
    if (k == 5) RoundedBox(p, f, 3, {kAccent, kAccentWash, kAccentWash});
  });
}

// Header items: 2 frames of 20 x 18 (normal, hot), opaque nine-grids with
// 3-pixel margins: a light face, a divider at the right and a line along
// the bottom.
TPixmap DrawHeaderBar() {
  return FramesSideBySide(2, 20, 18, [](TPixmap& p, const TRect& f, int k) {
    VerticalGradient(p, f, kWhite, k == 1 ? kFace : kAccentWash);
    Fill(p, {f.Right - 2, f.Top + 3, f.Right - 1, f.Bottom - 3}, kBorderSoft);
    Fill(p, {f.Left, f.Bottom - 1, f.Right, f.Bottom}, k == 1 ? kBorderSoft : kAccentLight);
  });
}
