// Scroll bars: the glyph strip, the tracks and the thumbs.
//
// The bar's thickness comes from the glyph strip's height, 17 pixels (the
// system's scroll-arrow size; the engine falls back to the system size when
// they differ by more than 2). The engine fills the bar with ButtonFace,
// draws the track between the arrows, the arrows at the ends, the thumb,
// and the grip centred on a thumb long enough for it.
#include "tools/skingen/Paint.h"
#include "tools/skingen/Palette.h"
#include "tools/skingen/SkinElements.h"

using namespace palette;

namespace {

constexpr int kBar = 17;

const TPattern kChevronUp = {
    "...#...",
    "..###..",
    ".##.##.",
    "##...##",
};

// The states in the order of each arrow's four frames.
enum TArrowState { kNormal, kPressed, kDisabled, kHot };

void DrawArrow(TPixmap& p, const TRect& f, TDirection direction, int state) {
  const TRgb kInk[4] = {kTextMuted, kText, kBorderSoft, kText};
  if (state == kPressed) RoundedFill(p, f.Inflated(-1), 3, kArrowPressed, kArrowPressed);
  if (state == kHot) RoundedFill(p, f.Inflated(-1), 3, kArrowHot, kArrowHot);
  const auto glyph = Turned(kChevronUp, direction);
  DrawPatternCentred(p, f, View(glyph), kInk[state]);
}

// Three short grip lines across the thumb's middle.
void DrawGrip(TPixmap& p, const TRect& f, bool vertical, TRgb ink) {
  for (int i = -2; i <= 2; i += 2) {
    if (vertical)
      Fill(p, {f.Left + 6, f.Top + 8 + i, f.Left + 11, f.Top + 9 + i}, ink);
    else
      Fill(p, {f.Left + 8 + i, f.Top + 6, f.Left + 9 + i, f.Top + 11}, ink);
  }
}

// The thumb's face in its three frames: 1 normal, 2 pressed, 3 hot (read
// while drawing, from the palette in use).
TRgb ThumbFace(int frame) {
  const TRgb face[3] = {kThumb, kThumbPressed, kThumbHot};
  return face[frame];
}
TRgb GripInk(int frame) {
  const TRgb ink[3] = {kFace, kFacePressed, kFaceLight};
  return ink[frame];
}

// The track: 4 frames, 1 normal, 2 pressed, 3 disabled, 4 hot; uniform, so
// any margins would do (the skin gives none).
TRgb Track(int frame) {
  const TRgb track[4] = {kFaceDim, kFacePressed, kFace, kFacePressed};
  return track[frame];
}

}  // namespace

// 23 frames of 17 x 17: four frames for each arrow (left, right, up, down),
// in the order normal, pressed, disabled, hot; then the horizontal thumb's
// grip (normal, pressed, hot), the vertical thumb's grip (the same), and
// last the square where two bars meet.
TPixmap DrawScrollGlyphs() {
  return FramesSideBySide(23, kBar, kBar, [](TPixmap& p, const TRect& f, int k) {
    static constexpr TDirection kArrows[4] = {TDirection::Left, TDirection::Right, TDirection::Up,
                                              TDirection::Down};
    if (k <= 16) {
      DrawArrow(p, f, kArrows[(k - 1) / 4], (k - 1) % 4);
    } else if (k <= 22) {
      const bool vertical = k >= 20;
      DrawGrip(p, f, vertical, GripInk((k - 17) % 3));
    } else {
      Fill(p, f, kFace);
    }
  });
}

TPixmap DrawHorzTrack() {
  return FramesSideBySide(4, 16, kBar, [](TPixmap& p, const TRect& f, int k) { Fill(p, f, Track(k - 1)); });
}

TPixmap DrawVertTrack() {
  return FramesSideBySide(4, kBar, 16, [](TPixmap& p, const TRect& f, int k) { Fill(p, f, Track(k - 1)); });
}

// Thumbs: 3 frames, a rounded bar 9 pixels thick in the middle of the
// 17-pixel bar, one pixel short of the frame's ends; nine-grids with 5-pixel
// fixed ends along the bar (the rounding) and transparent around the bar.
TPixmap DrawHorzThumb() {
  return FramesSideBySide(3, 16, kBar, [](TPixmap& p, const TRect& f, int k) {
    RoundedFill(p, {f.Left + 1, f.Top + 4, f.Right - 1, f.Top + 13}, 4, ThumbFace(k - 1), ThumbFace(k - 1));
  });
}

TPixmap DrawVertThumb() {
  return FramesSideBySide(3, kBar, 16, [](TPixmap& p, const TRect& f, int k) {
    RoundedFill(p, {f.Left + 4, f.Top + 1, f.Left + 13, f.Bottom - 1}, 4, ThumbFace(k - 1), ThumbFace(k - 1));
  });
}
