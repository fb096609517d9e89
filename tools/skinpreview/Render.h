#pragma once
// The skin engine's ways of fitting a frame of a skin bitmap to a target,
// for previews: cutting a frame, nine-grid and three-part rendering, and
// copying with magenta transparent. Stretching picks the nearest pixel.
#include "tools/skingen/Pixmap.h"

struct TMargins {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// Frame k (from 1) of count frames, side by side or stacked.
TPixmap CutFrame(const TPixmap& strip, int count, int k, bool stacked);
// The frame fitted to width x height: corners kept, edges stretched along
// their length, the centre stretched or tiled. Margins that do not fit are
// dropped (left and right together, top and bottom together).
TPixmap RenderNineGrid(const TPixmap& frame, int width, int height, TMargins m, bool tile);
// Left and right ends kept, the middle repeated across, all stretched to
// the height.
TPixmap RenderThreePart(const TPixmap& frame, int width, int height, int left, int right);
// Copies source onto target at (x, y); with keyed, magenta pixels are
// skipped.
void Blit(TPixmap& target, int x, int y, const TPixmap& source, bool keyed);
