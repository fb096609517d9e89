// Progress bars, track-bar thumbs and up-down buttons.
#include "tools/skingen/Paint.h"
#include "tools/skingen/Palette.h"
#include "tools/skingen/SkinElements.h"

using namespace palette;

namespace {

// Track-bar thumbs: the track-bar painter draws frame 2 in every state, so
// frame 2 carries the everyday look; the others are, for painters that tell
// the states apart, 1 disabled, 3 hot, 4 pressed, 5 focused.
// Built while drawing, from the palette in use.
TBoxStyle ThumbLook(int frame) {
  const TBoxStyle looks[5] = {
      {kBorderSoft, kFaceLight, kFace},
      {kAccentDark, kAccentLight, kAccent},
      {kAccent, kAccentSoft, kAccentLight},
      {kAccentDark, kAccent, kAccentDark},
      {kAccentDark, kAccentLight, kAccent},
  };
  return looks[frame];
}

constexpr int kThumbShort = 11;  // across the track
constexpr int kThumbLong = 20;   // along the tick marks
constexpr int kTipLength = 6;    // the point of a pointed thumb

// A thumb standing upright, its point (if any) at the bottom: a rectangle
// with rounded top corners and, for a pointed thumb, a triangle below it.
bool InsideUprightThumb(const TRect& f, bool pointed, int x, int y) {
  if (!pointed) return InsideRounded(f, 3, x, y);
  const int tipTop = f.Bottom - kTipLength;
  if (y < tipTop) return InsideRounded({f.Left, f.Top, f.Right, tipTop + 4}, 3, x, y);
  const int centre = f.Left + kThumbShort / 2;
  const int half = f.Bottom - 1 - y;  // the point narrows one pixel a row on each side
  return y < f.Bottom && x >= centre - half && x <= centre + half;
}

// Draws the thumb in frame f turned so that its point faces `facing`.
TPixmap DrawThumb(bool pointed, TDirection facing) {
  const bool lying = facing == TDirection::Left || facing == TDirection::Right;
  const int fw = lying ? kThumbLong : kThumbShort, fh = lying ? kThumbShort : kThumbLong;
  return FramesSideBySide(5, fw, fh, [=](TPixmap& p, const TRect& f, int k) {
    // Map the frame's pixels back onto the upright thumb (point down).
    const TShape shape = [=](int x, int y) {
      const int u = x - f.Left, v = y - f.Top;
      if (u < 0 || v < 0 || u >= fw || v >= fh) return false;
      int ux = u, uy = v;
      switch (facing) {
        case TDirection::Down:
          break;
        case TDirection::Up:
          uy = kThumbLong - 1 - v;
          break;
        case TDirection::Right:
          ux = v;
          uy = u;
          break;
        case TDirection::Left:
          ux = v;
          uy = kThumbLong - 1 - u;
          break;
      }
      return InsideUprightThumb({0, 0, kThumbShort, kThumbLong}, pointed, ux, uy);
    };
    ShapedBox(p, f, shape, ThumbLook(k - 1));
  });
}

// Up-down buttons: frame k = state + 4 d, d 0 for the up (left) button and
// 1 for the down (right) one, states 1 normal, 2 pressed, 3 disabled, 4 hot.
// Built while drawing, from the palette in use.
TBoxStyle SpinLook(int state) {
  const TBoxStyle looks[4] = {
      {kBorder, kWhite, kFace},
      {kBorderStrong, kFacePressed, kFacePressed},
      {kBorderSoft, kFaceLight, kFaceLight},
      {kAccentLight, kWhite, kAccentWash},
  };
  return looks[state];
}
TRgb SpinInk(int state) {
  const TRgb ink[4] = {kTextMuted, kText, kTextDisabled, kAccentDark};
  return ink[state];
}

const TPattern kSmallChevronUp = {
    "...#...",
    "..###..",
    ".##.##.",
    "##...##",
};

// The first button of a pair rounds its outer corners and leaves the side
// toward its partner open, so that the partner's outline divides them.
TPixmap DrawSpinButtons(bool horizontal) {
  const int fw = horizontal ? 10 : 15, fh = horizontal ? 15 : 10;
  return FramesSideBySide(8, fw, fh, [=](TPixmap& p, const TRect& f, int k) {
    const bool first = k <= 4;
    // The rounded rectangle reaches 4 pixels past the side shared with the
    // partner, so that side's corners stay square.
    TRect outer = f;
    if (horizontal && first) outer.Right += 4;
    if (horizontal && !first) outer.Left -= 4;
    if (!horizontal && first) outer.Bottom += 4;
    if (!horizontal && !first) outer.Top -= 4;
    const TShape shape = [=](int x, int y) {
      // The second button ends at its frame, so its shared side has an outline.
      const bool pastSharedSide = !first && (horizontal ? x < f.Left : y < f.Top);
      return InsideRounded(outer, 2, x, y) && !pastSharedSide;
    };
    ShapedBox(p, f, shape, SpinLook((k - 1) % 4));
  });
}

TPixmap DrawSpinGlyphs(bool horizontal) {
  const std::vector<std::string> glyphs[2] = {
      Turned(kSmallChevronUp, horizontal ? TDirection::Left : TDirection::Up),
      Turned(kSmallChevronUp, horizontal ? TDirection::Right : TDirection::Down),
  };
  const int gw = PatternWidth(View(glyphs[0])), gh = PatternHeight(View(glyphs[0]));
  return FramesSideBySide(8, gw, gh, [&](TPixmap& p, const TRect& f, int k) {
    DrawPattern(p, f.Left, f.Top, View(glyphs[(k - 1) / 4]), SpinInk((k - 1) % 4));
  });
}

}  // namespace

// The progress bar: 2 frames of 24 x 14 (the empty bar, the filled part),
// nine-grids with margins 4, 3, 4, 3, transparent corners. The filled part
// is drawn over the empty bar from its left end, so it has an outline and
// rounded ends of its own.
TPixmap DrawProgress() {
  return FramesSideBySide(2, 24, 14, [](TPixmap& p, const TRect& f, int k) {
    if (k == 1)
      RoundedBox(p, f, 3, {kBorderSoft, kFaceDim, kFaceLight});
    else
      RoundedBox(p, f, 3, {kAccentDark, kAccentLight, kAccent});
  });
}

TPixmap DrawTrackThumbHorz() { return DrawThumb(false, TDirection::Down); }
TPixmap DrawTrackThumbVert() { return DrawThumb(false, TDirection::Right); }
TPixmap DrawTrackThumbLeft() { return DrawThumb(true, TDirection::Left); }
TPixmap DrawTrackThumbRight() { return DrawThumb(true, TDirection::Right); }
TPixmap DrawTrackThumbUp() { return DrawThumb(true, TDirection::Up); }
TPixmap DrawTrackThumbDown() { return DrawThumb(true, TDirection::Down); }

TPixmap DrawUpDownHorz() { return DrawSpinButtons(true); }
TPixmap DrawUpDownHorzGlyphs() { return DrawSpinGlyphs(true); }
TPixmap DrawUpDownVert() { return DrawSpinButtons(false); }
TPixmap DrawUpDownVertGlyphs() { return DrawSpinGlyphs(false); }
