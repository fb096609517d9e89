#pragma once
// Drawing primitives for the skin's bitmaps. Everything is drawn pixel by
// pixel without anti-aliasing, so edges stay crisp and no pixel is ever
// blended with the transparent magenta.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/skingen/Pixmap.h"

// a + (b - a) * num / den per channel, rounded to the nearest value.
TRgb Mix(TRgb a, TRgb b, int num, int den);

void Fill(TPixmap& p, TRect r, TRgb colour);
// A one-pixel outline just inside r.
void FrameRect(TPixmap& p, TRect r, TRgb colour);
// Rows of r from top (first row) to bottom (last row).
void VerticalGradient(TPixmap& p, TRect r, TRgb top, TRgb bottom);

// Whether pixel (x, y) lies inside r with its corners rounded by radius
// (pixel centres within the quarter circles; radius 0 keeps square corners).
bool InsideRounded(TRect r, int radius, int x, int y);

// A shape: which pixels of the plane belong to it.
using TShape = std::function<bool(int x, int y)>;
// The rectangle r with its corners rounded.
TShape RoundedShape(TRect r, int radius);

// The pixels of area that lie inside the shape: those with a neighbour
// (left, right, above, below) outside it form a one-pixel border, the others
// take a vertical gradient across area's rows. Pixels outside the shape keep
// what they were (the transparent magenta of a fresh strip). A shape that
// runs past an edge of area leaves that side open: no border there.
struct TBoxStyle {
  TRgb Border;
  TRgb FillTop;
  TRgb FillBottom;
};
void ShapedBox(TPixmap& p, TRect area, const TShape& inside, const TBoxStyle& style);
// Only the border of such a box.
void ShapedOutline(TPixmap& p, TRect area, const TShape& inside, TRgb colour);
void RoundedBox(TPixmap& p, TRect r, int radius, const TBoxStyle& style);
// A rounded rectangle without a border, gradient from top to bottom.
void RoundedFill(TPixmap& p, TRect r, int radius, TRgb top, TRgb bottom);

// A small picture written as text: '#' pixels take the ink, every other
// character leaves the pixel alone. All rows have the same length.
using TPattern = std::vector<std::string_view>;
int PatternWidth(const TPattern& pattern);
int PatternHeight(const TPattern& pattern);
void DrawPattern(TPixmap& p, int x, int y, const TPattern& pattern, TRgb ink);
// Centred in r; odd leftovers go to the right and bottom.
void DrawPatternCentred(TPixmap& p, TRect r, const TPattern& pattern, TRgb ink);

// Patterns turned for the four directions of an arrow drawn pointing up.
enum class TDirection { Up, Down, Left, Right };
std::vector<std::string> Turned(const TPattern& up, TDirection direction);
TPattern View(const std::vector<std::string>& rows);

// A strip of count equally sized frames side by side; draw(picture, frame
// rectangle, frame number from 1) paints each one on a magenta background.
using TFramePainter = std::function<void(TPixmap&, const TRect&, int)>;
TPixmap FramesSideBySide(int count, int frameWidth, int frameHeight, const TFramePainter& draw);
// The same with the frames stacked top to bottom.
TPixmap FramesStacked(int count, int frameWidth, int frameHeight, const TFramePainter& draw);
