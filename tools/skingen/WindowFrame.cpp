// The window frame: four borders, the caption backdrop and the title-bar
// buttons.
//
// Frame sizes. The engine takes the frame widths from the border bitmaps:
// title height = Top height / TopFrame, side width = Left (Right) width /
// LeftFrame (RightFrame), bottom height = Bottom height / BottomFrame, the
// Top and Bottom frames stacked, the Left and Right frames side by side.
// With two frames each (active, inactive):
//   Top    266 x 64 -> title  64 / 2 = 32
//   Bottom 266 x 16 -> bottom 16 / 2 =  8
//   Left, Right 14 x 158 -> sides 14 / 2 = 7 each
// so a 390 x 276 client area gets a 404 x 316 window (390 + 7 + 7 across,
// 276 + 32 + 8 down).
//
// Who paints what: the side borders run the full window height (the Left
// and Right bitmaps are nine-grids with LeftTopHeight = 32 fixed rows for
// the title part and LeftBotHeight = 8 for the bottom part); Top and Bottom
// span the width between them. So the rounded corners live in the side
// bitmaps, and Top and Bottom are uniform along their length.
//
// The outline follows the window's shape: corners rounded by 6 pixels at
// the top and 3 at the bottom, cut out in magenta (the side borders are
// transparent, LeftTrans = RightTrans = 1, so the window region loses those
// pixels). A dark line frames the client area: row 31 of the title, column
// 6 of the sides and row 0 of the bottom border.
#include "tools/skingen/Paint.h"
#include "tools/skingen/Palette.h"
#include "tools/skingen/SkinElements.h"

namespace {

constexpr int kTitleHeight = 32;
constexpr int kSideWidth = 7;
constexpr int kBottomHeight = 8;
constexpr int kAlongLength = 266;  // Top and Bottom frame width
constexpr int kSideLength = 158;   // Left and Right frame height
constexpr int kTopRadius = 6;
constexpr int kBottomRadius = 3;

struct TFrameColours {
  TRgb Outline, Sheen, TitleTop, TitleBottom, Inner;
};
// Frame 1 is drawn while the window is active, frame 2 while it is not.
TFrameColours ColoursOf(int frame) {
  if (frame == 1)
    return {palette::kFrameOutline, palette::kFrameSheen, palette::kTitleTop, palette::kTitleBottom,
            palette::kFrameInner};
  return {palette::kFrameOutlineInactive, palette::kFrameSheenInactive, palette::kTitleTopInactive,
          palette::kTitleBottomInactive, palette::kFrameInnerInactive};
}

// Title rows 1 to 30: the sheen under the outline, then the gradient.
TRgb TitleRow(int y, const TFrameColours& c) {
  return y <= 1 ? c.Sheen : Mix(c.TitleTop, c.TitleBottom, y - 2, kTitleHeight - 4);
}

// The left border in its own coordinates (x = 0 is the window's outer edge).
// The shape reaches to the right without end; its left corners are rounded.
bool InsideShape(int x, int y) {
  if (x < 0 || y < 0 || y >= kSideLength) return false;
  const int big = 4 * kSideWidth;
  if (y < kTopRadius) return InsideRounded({0, 0, big, big}, kTopRadius, x, y);
  if (y >= kSideLength - kBottomRadius)
    return InsideRounded({0, kSideLength - big, big, kSideLength}, kBottomRadius, x, y);
  return true;
}

TRgb SidePixel(int x, int y, const TFrameColours& c) {
  if (!InsideShape(x, y)) return kKey;
  if (!InsideShape(x - 1, y) || !InsideShape(x, y - 1) || !InsideShape(x, y + 1)) return c.Outline;
  const int bottomInner = kSideLength - kBottomHeight;  // the row beside the bottom border's inner line
  if (y < kTitleHeight - 1) return TitleRow(y, c);
  if (x == kSideWidth - 1 && y <= bottomInner) return c.Inner;
  return c.TitleBottom;
}

TPixmap DrawSide(bool right) {
  return FramesSideBySide(2, kSideWidth, kSideLength, [right](TPixmap& p, const TRect& f, int k) {
    for (int y = 0; y < kSideLength; ++y)
      for (int x = 0; x < kSideWidth; ++x)
        p.Set(right ? f.Right - 1 - x : f.Left + x, f.Top + y, SidePixel(x, y, ColoursOf(k)));
  });
}

// Title-bar buttons: 20 x 20 frames, 1 normal, 2 pressed, 3 hot, 4 disabled
// (also every button of an inactive window). Normal and disabled show the
// glyph alone on the title bar; hot and pressed put it on a rounded plate.
constexpr int kTitleButtonSize = 20;

TPixmap DrawTitleButton(const TPattern& glyph, TRgb hot, TRgb pressed) {
  return FramesSideBySide(4, kTitleButtonSize, kTitleButtonSize, [&](TPixmap& p, const TRect& f, int k) {
    if (k == 2) RoundedFill(p, f, 4, pressed, pressed);
    if (k == 3) RoundedFill(p, f, 4, hot, hot);
    DrawPatternCentred(p, f, glyph, k == 4 ? palette::kTitleGlyphDisabled : palette::kTitleGlyph);
  });
}

const TPattern kCloseGlyph = {
    "##....##",
    "###..###",
    ".######.",
    "..####..",
    "..####..",
    ".######.",
    "###..###",
    "##....##",
};

const TPattern kMaximizeGlyph = {
    "##########",
    "##########",
    "#........#",
    "#........#",
    "#........#",
    "#........#",
    "#........#",
    "#........#",
    "#........#",
    "##########",
};

const TPattern kRestoreGlyph = {
    "...#######",
    "...#######",
    "...#.....#",
    "#######..#",
    "#######..#",
    "#.....#..#",
    "#.....####",
    "#.....#...",
    "#.....#...",
    "#######...",
};

const TPattern kMinimizeGlyph = {
    "..........",
    "..........",
    "..........",
    "..........",
    "..........",
    "..........",
    "..........",
    "##########",
    "##########",
    "..........",
};

}  // namespace

TPixmap DrawTopBorder() {
  return FramesStacked(2, kAlongLength, kTitleHeight, [](TPixmap& p, const TRect& f, int k) {
    const TFrameColours& c = ColoursOf(k);
    for (int y = 0; y < kTitleHeight; ++y) {
      const TRgb row = y == 0 ? c.Outline : y == kTitleHeight - 1 ? c.Inner : TitleRow(y, c);
      Fill(p, {f.Left, f.Top + y, f.Right, f.Top + y + 1}, row);
    }
  });
}

TPixmap DrawBottomBorder() {
  return FramesStacked(2, kAlongLength, kBottomHeight, [](TPixmap& p, const TRect& f, int k) {
    const TFrameColours& c = ColoursOf(k);
    Fill(p, f, c.TitleBottom);
    Fill(p, {f.Left, f.Top, f.Right, f.Top + 1}, c.Inner);
    Fill(p, {f.Left, f.Bottom - 1, f.Right, f.Bottom}, c.Outline);
  });
}

TPixmap DrawLeftBorder() { return DrawSide(false); }
TPixmap DrawRightBorder() { return DrawSide(true); }

// The caption backdrop: drawn in three parts across the caption (TXTBackleft
// = 9 fixed pixels, the rest repeated), magenta transparent, two frames
// stacked (active, inactive) as high as the title. It puts a short accent
// bar in front of the caption text.
TPixmap DrawCaptionBack() {
  return FramesStacked(2, 12, kTitleHeight, [](TPixmap& p, const TRect& f, int k) {
    const TRect bar{f.Left + 2, f.Top + 10, f.Left + 5, f.Top + 22};
    const TRgb colour = k == 1 ? palette::kAccentLight : palette::kBorder;
    RoundedFill(p, bar, 2, colour, colour);
  });
}

TPixmap DrawTitleClose() {
  return DrawTitleButton(kCloseGlyph, palette::kCloseHot, palette::kClosePressed);
}
TPixmap DrawTitleMaximize() {
  return DrawTitleButton(kMaximizeGlyph, palette::kTitleButtonHot, palette::kTitleButtonPressed);
}
TPixmap DrawTitleRestore() {
  return DrawTitleButton(kRestoreGlyph, palette::kTitleButtonHot, palette::kTitleButtonPressed);
}
TPixmap DrawTitleMinimize() {
  return DrawTitleButton(kMinimizeGlyph, palette::kTitleButtonHot, palette::kTitleButtonPressed);
}

// The minimize, restore and close buttons of a maximized MDI child, drawn in
// the menu bar: 12 cells of 16 x 14, four per button in that order. Frames 1
// normal, 2 pressed, 3 and 4 hot (the menu bar draws these buttons' hot state
// from frame 4).
TPixmap DrawMdiControls() {
  static const TPattern glyphs[3] = {
      {"........", "........", "........", "........", "........", "........", "########", "########"},
      {"..######", "..######", "..#....#", "######.#", "######.#", "#....###", "#....#..", "######.."},
      {"##....##", "###..###", ".######.", "..####..", "..####..", ".######.", "###..###", "##....##"},
  };
  return FramesSideBySide(12, 16, 14, [](TPixmap& p, const TRect& f, int k) {
    const int state = (k - 1) % 4 + 1;
    if (state == 2) RoundedBox(p, f, 3, {palette::kBorderStrong, palette::kFacePressed, palette::kFacePressed});
    if (state >= 3) RoundedBox(p, f, 3, {palette::kAccentLight, palette::kAccentWash, palette::kAccentWash});
    DrawPatternCentred(p, f, glyphs[(k - 1) / 4], palette::kText);
  });
}
