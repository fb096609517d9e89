#include "tools/skinpreview/Render.h"

namespace {

TPixmap Crop(const TPixmap& source, TRect r) {
  TPixmap out(r.Width(), r.Height());
  for (int y = 0; y < r.Height(); ++y)
    for (int x = 0; x < r.Width(); ++x) out.Set(x, y, source.At(r.Left + x, r.Top + y));
  return out;
}

// Copies the source piece stretched onto the target piece.
void Stretch(TPixmap& target, TRect to, const TPixmap& source, TRect from) {
  if (to.Width() <= 0 || to.Height() <= 0 || from.Width() <= 0 || from.Height() <= 0) return;
  for (int y = 0; y < to.Height(); ++y)
    for (int x = 0; x < to.Width(); ++x)
      target.Set(to.Left + x, to.Top + y,
                 source.At(from.Left + x * from.Width() / to.Width(), from.Top + y * from.Height() / to.Height()));
}

// Repeats the source piece across the target piece, from its top-left.
void Tile(TPixmap& target, TRect to, const TPixmap& source, TRect from) {
  if (from.Width() <= 0 || from.Height() <= 0) return;
  for (int y = to.Top; y < to.Bottom; ++y)
    for (int x = to.Left; x < to.Right; ++x)
      target.Set(x, y, source.At(from.Left + (x - to.Left) % from.Width(), from.Top + (y - to.Top) % from.Height()));
}

}  // namespace

TPixmap CutFrame(const TPixmap& strip, int count, int k, bool stacked) {
  if (stacked) {
    const int fh = strip.Height() / count;
    return Crop(strip, {0, (k - 1) * fh, strip.Width(), k * fh});
  }
  const int fw = strip.Width() / count;
  return Crop(strip, {(k - 1) * fw, 0, k * fw, strip.Height()});
}

TPixmap RenderNineGrid(const TPixmap& frame, int width, int height, TMargins m, bool tile) {
  if (width < m.Left + m.Right) m.Left = m.Right = 0;
  if (height < m.Top + m.Bottom) m.Top = m.Bottom = 0;
  const int fw = frame.Width(), fh = frame.Height();
  const int xs[4] = {0, m.Left, width - m.Right, width};
  const int ys[4] = {0, m.Top, height - m.Bottom, height};
  const int sx[4] = {0, m.Left, fw - m.Right, fw};
  const int sy[4] = {0, m.Top, fh - m.Bottom, fh};
  TPixmap out(width, height);
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 3; ++col) {
      const TRect to{xs[col], ys[row], xs[col + 1], ys[row + 1]};
      const TRect from{sx[col], sy[row], sx[col + 1], sy[row + 1]};
      if (row == 1 && col == 1 && tile)
        Tile(out, to, frame, from);
      else
        Stretch(out, to, frame, from);
    }
  }
  return out;
}

TPixmap RenderThreePart(const TPixmap& frame, int width, int height, int left, int right) {
  const int fw = frame.Width(), fh = frame.Height();
  TPixmap out(width, height);
  Stretch(out, {0, 0, left, height}, frame, {0, 0, left, fh});
  const int middle = fw - left - right;
  for (int x = left; middle > 0 && x < width - right; x += middle)
    Stretch(out, {x, 0, x + middle, height}, frame, {left, 0, left + middle, fh});
  Stretch(out, {width - right, 0, width, height}, frame, {fw - right, 0, fw, fh});
  return out;
}

void Blit(TPixmap& target, int x, int y, const TPixmap& source, bool keyed) {
  for (int row = 0; row < source.Height(); ++row)
    for (int col = 0; col < source.Width(); ++col) {
      const TRgb c = source.At(col, row);
      if (!keyed || c != kKey) target.Set(x + col, y + row, c);
    }
}
