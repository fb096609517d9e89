#include "skin/controls/ScrollBarFace.h"

#include <algorithm>
#include <cstdlib>

#include "skin/data/SkinElements.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/SkinDraw.h"
#include "ui/Color.h"
#include "ui/Gdi.h"

namespace {

// Frames of the "Scrollbar" glyph strip.
constexpr int kGlyphFrames = 23;
struct TGlyphFrames {
  int Normal, Pressed, Hot;
};
constexpr TGlyphFrames kLeftArrow{1, 2, 4}, kRightArrow{5, 6, 8}, kUpArrow{9, 10, 12}, kDownArrow{13, 14, 16},
    kHorzGrip{17, 18, 19}, kVertGrip{20, 21, 22};
// Frames of the track and the thumb elements.
constexpr int kTrackNormal = 1, kTrackDisabled = 3;
constexpr int kThumbNormal = 1, kThumbPressed = 2, kThumbHot = 3;
// The shortest thumb of a scroll-bar control.
constexpr int kMinThumb = 8;

int Frame(const TGlyphFrames& frames, const TScrollBarFace& face, int part) {
  if (face.HotPart != part) return frames.Normal;
  return face.Pressed ? frames.Pressed : frames.Hot;
}

// A rectangle from positions along the bar and across it.
RECT Span(const TScrollBarFace& face, int start, int end, int thickness) {
  return face.Vertical ? RECT{0, start, thickness, end} : RECT{start, 0, end, thickness};
}

}  // namespace

int ScrollBarHitTest(int along, int arrowSize, int thumbStart, int thumbEnd, int length) {
  if (along < arrowSize) return sbpFirstArrow;
  if (along < thumbStart) return sbpTrackBefore;
  if (along < thumbEnd) return sbpThumb;
  if (along < length - arrowSize) return sbpTrackAfter;
  return sbpSecondArrow;
}

int ScrollBarThickness(int glyphHeight, int arrowSize) {
  return std::abs(glyphHeight - arrowSize) > 2 ? arrowSize : glyphHeight;
}

int ScrollArrowLength(int length, int arrowSize) { return length < 2 * arrowSize ? length / 2 : arrowSize; }

TThumbExtent ControlThumb(int length, int arrowSize, int min, int max, UINT page, int pos) {
  const int range = max == min ? 9999999 : max - min;
  const int a = arrowSize;
  int thumb = a;
  int start = a;
  if (page != 0) {
    thumb = MulDiv(length - 2 * a, static_cast<int>(page) - 1, range);
    if (thumb > kMinThumb - 1) {
      if (pos != min) start = MulDiv(length - 2 * a, pos - min, range) + a;
    } else {
      thumb = kMinThumb;
      if (pos != min) start = MulDiv(length - 2 * a - kMinThumb, pos - min, range) + a;
    }
  } else if (pos != min) {
    start = MulDiv(length - 3 * a, pos - min, range) + a;
  }
  return {start, start + thumb};
}

TThumbExtent DraggedThumb(int pressStart, int delta, int arrowSize, int length, int thumbLength) {
  const int start = std::max(std::min(pressStart + delta, length - arrowSize - thumbLength), arrowSize);
  return {start, start + thumbLength};
}

TThumbExtent GripOnThumb(int gripLength, TThumbExtent thumb) {
  const int thumbLength = thumb.End - thumb.Start;
  if (gripLength >= thumbLength + 2) return {-1, -1};
  const int start = thumb.Start + (thumbLength - gripLength) / 2;
  return {start, start + gripLength};
}

void PaintScrollBar(HDC dc, const TScrollBarFace& face, TSkinData& skin, const RECT* target) {
  TDataSkinObject* glyphs = skin.FScrollbar.get();
  if (!glyphs || glyphs->FBitmap.Empty() || face.Width <= 0 || face.Height <= 0) return;
  const int length = face.Vertical ? face.Height : face.Width;
  const int thickness = ScrollBarThickness(glyphs->FBitmap.Height(), face.ArrowSize);

  const TMemoryDC memory(dc);
  const TBitmapHandle bitmap(CreateCompatibleBitmap(dc, face.Width, face.Height));
  if (!memory.Get() || !bitmap) return;
  const TSelectObject selected(memory.Get(), bitmap.Get());
  const HDC canvas = memory.Get();
  SetStretchBltMode(canvas, COLORONCOLOR);
  {
    const TBrushHandle brush(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(skin.FColours[scButtonFace]))));
    const RECT all{0, 0, face.Width, face.Height};
    FillRect(canvas, &all, brush.Get());
  }

  // The track between the arrows.
  if (TDataSkinObject* track = face.Vertical ? skin.FVertScroll.get() : skin.FHorzScroll.get()) {
    const RECT between = Span(face, face.ArrowSize, length - face.ArrowSize, thickness);
    if (!track->FBitmap.Empty())
      DrawNineGrid(canvas, between, track->FBitmap, false, track->FTile != 0, track->FTrans == 1,
                   track->FFrameCount, face.Enabled ? kTrackNormal : kTrackDisabled, track->FMargins);
  }

  // The arrows.
  const int arrow = ScrollArrowLength(length, face.ArrowSize);
  const RECT first = Span(face, 0, arrow, thickness);
  const RECT second = Span(face, length - arrow, length, thickness);
  DrawFrame(canvas, first, glyphs->FBitmap, true, kGlyphFrames,
            Frame(face.Vertical ? kUpArrow : kLeftArrow, face, sbpFirstArrow));
  DrawFrame(canvas, second, glyphs->FBitmap, true, kGlyphFrames,
            Frame(face.Vertical ? kDownArrow : kRightArrow, face, sbpSecondArrow));

  // The thumb with its grip.
  const bool inside = face.Thumb.Start >= 0 && face.Thumb.End < length && face.Thumb.Start < face.Thumb.End;
  TDataSkinObject* thumb = face.Vertical ? skin.FVertScrollThumb.get() : skin.FHorzScrollThumb.get();
  if (face.Enabled && inside && thumb && !thumb->FBitmap.Empty()) {
    const int frame = face.HotPart != sbpThumb ? kThumbNormal : face.Pressed ? kThumbPressed : kThumbHot;
    DrawNineGrid(canvas, Span(face, face.Thumb.Start, face.Thumb.End, thickness), thumb->FBitmap, false, false,
                 thumb->FTrans == 1, thumb->FFrameCount, frame, thumb->FMargins);
    const TThumbExtent grip = GripOnThumb(glyphs->FBitmap.Height(), face.Thumb);
    if (grip.Start >= 0 && grip.End < length)
      DrawFrame(canvas, Span(face, grip.Start, grip.End, thickness), glyphs->FBitmap, true, kGlyphFrames,
                Frame(face.Vertical ? kVertGrip : kHorzGrip, face, sbpThumb));
  }

  if (target) {
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, target->left, target->top, target->right - target->left,
               target->bottom - target->top, canvas, 0, 0, face.Width, face.Height, SRCCOPY);
  } else {
    BitBlt(dc, 0, 0, face.Width, face.Height, canvas, 0, 0, SRCCOPY);
  }
}
