#pragma once
// One skinned scroll bar: the rules that lay out its parts along the bar
// (arrows, track, thumb, grip), find the part under a point, size the thumb
// of a scroll-bar control and move a dragged thumb, and the one painter
// that composes the bar off-screen from the skin's elements and copies it
// in one transfer. The overlay panel (TWScrollbar) and the drop-down list's
// bar (TComboxScrollBar) both paint through it.
//
// Coordinates along the bar start at its top (vertical) or left
// (horizontal) edge.
#include <windows.h>

class TSkinData;

// The parts of a bar; the codes equal the system's scroll requests
// (SB_LINEUP ... SB_THUMBTRACK), so that a scroll notification names the
// part it concerns.
enum : int {
  sbpNone = -1,
  sbpFirstArrow = 0,   // left or up
  sbpSecondArrow = 1,  // right or down
  sbpTrackBefore = 2,
  sbpTrackAfter = 3,
  sbpThumb = 5,
};

// The part at position along a bar length pixels long.
int ScrollBarHitTest(int along, int arrowSize, int thumbStart, int thumbEnd, int length);

// The bar's painted thickness: the height of the skin's glyph strip, unless
// it differs from the system's arrow size by more than 2 pixels.
int ScrollBarThickness(int glyphHeight, int arrowSize);

// Each arrow's length: the system's arrow size, or half the bar when the
// bar is shorter than two arrows.
int ScrollArrowLength(int length, int arrowSize);

struct TThumbExtent {
  int Start = 0;
  int End = 0;
};

// The thumb of a scroll-bar control length pixels long, from its scroll
// information: with a page it is as long as the page's share of the track
// (at least 8 pixels), without one an arrow long.
TThumbExtent ControlThumb(int length, int arrowSize, int min, int max, UINT page, int pos);

// Where a thumb thumbLength long, which started at pressStart when the
// button went down, lies after the cursor moved delta pixels along the bar:
// never over an arrow.
TThumbExtent DraggedThumb(int pressStart, int delta, int arrowSize, int length, int thumbLength);

// Where the grip goes on a thumb: centred, gripLength long. Start and End
// are -1 when the thumb is too short for it (gripLength - 2 or less).
TThumbExtent GripOnThumb(int gripLength, TThumbExtent thumb);

// What a bar shows.
struct TScrollBarFace {
  bool Vertical = true;
  // The bar's size.
  int Width = 0;
  int Height = 0;
  int ArrowSize = 0;
  TThumbExtent Thumb;
  int HotPart = sbpNone;
  bool Pressed = false;
  bool Enabled = true;
};

// Composes the bar off-screen and copies it to dc at (0, 0), or stretched
// into target when one is given. Nothing is drawn without the skin's
// "Scrollbar" glyph strip, or when the off-screen bitmap cannot be made.
// Parts that would reach outside the bar are left out.
void PaintScrollBar(HDC dc, const TScrollBarFace& face, TSkinData& skin, const RECT* target = nullptr);
