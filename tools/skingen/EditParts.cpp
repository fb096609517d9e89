// The sunken border of edits and combo boxes, the combo box's drop-down
// button and the small extra glyphs.
//
// The engine composes the combo box from these three strips: into cells of
// 50 x 21 it draws SunkEdge frame k over the whole cell, ComboButton frame k
// over the right part (the scroll-arrow width + 2 pixels wide, as a
// nine-grid with its margins, transparent), ExtraImages frame k centred on
// that part, and empties the text area again. So ComboButton keeps a
// transparent one-pixel ring: the SunkEdge outline shows through it and the
// button sits inside the box. All three use the state order 1 normal,
// 2 pressed, 3 disabled, 4 focused or hot.
#include "tools/skingen/Paint.h"
#include "tools/skingen/Palette.h"
#include "tools/skingen/SkinElements.h"

using namespace palette;

namespace {

constexpr int kComboHeight = 21;

// Built while drawing, from the palette in use.
TRgb EdgeOutline(int state) {
  const TRgb outline[4] = {kBorder, kAccentDark, kBorderSoft, kAccent};
  return outline[state];
}
TRgb GlyphInk(int state) {
  const TRgb ink[4] = {kTextMuted, kText, kTextDisabled, kAccentDark};
  return ink[state];
}

const TPattern kDropArrow = {
    "##.....##",
    ".##...##.",
    "..##.##..",
    "...###...",
    "....#....",
};

// Dots of a size grip, drawn into the bottom-right corner.
const TPattern kSizeGrip = {
    "......##",
    "......##",
    "........",
    "...##.##",
    "...##.##",
    "........",
    "##.##.##",
    "##.##.##",
};

}  // namespace

// 4 frames of 16 x 21: a one-pixel outline with the corner pixels cut, white
// inside; a nine-grid with 2-pixel margins.
TPixmap DrawSunkEdge() {
  return FramesSideBySide(4, 16, kComboHeight, [](TPixmap& p, const TRect& f, int k) {
    const TRgb inside = k == 3 ? kFaceLight : kWhite;
    RoundedBox(p, f, 2, {EdgeOutline(k - 1), inside, inside});
  });
}

// 4 frames of 17 x 21: a transparent ring, a divider on the left and the
// button face; a nine-grid with 2-pixel margins.
TPixmap DrawComboButton() {
  return FramesSideBySide(4, 17, kComboHeight, [](TPixmap& p, const TRect& f, int k) {
    const TRgb kTop[4] = {kFaceLight, kFacePressed, kFaceLight, kAccentWash};
    const TRgb kBottom[4] = {kFace, kFacePressed, kFaceLight, kAccentWash};
    const TRect face = f.Inflated(-1);
    VerticalGradient(p, face, kTop[k - 1], kBottom[k - 1]);
    Fill(p, {face.Left, face.Top, face.Left + 1, face.Bottom}, k == 3 ? kBorderSoft : kBorder);
  });
}

// 5 frames of 12 x 12: the drop-down arrow in the four combo states, then
// the status bar's size grip.
TPixmap DrawExtraImages() {
  return FramesSideBySide(5, 12, 12, [](TPixmap& p, const TRect& f, int k) {
    if (k <= 4) {
      DrawPatternCentred(p, f, kDropArrow, GlyphInk(k - 1));
    } else {
      DrawPattern(p, f.Right - 1 - PatternWidth(kSizeGrip), f.Bottom - 1 - PatternHeight(kSizeGrip), kSizeGrip,
                  kBorder);
    }
  });
}
