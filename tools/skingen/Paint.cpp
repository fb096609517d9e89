#include "tools/skingen/Paint.h"

#include <algorithm>

namespace {

std::uint8_t MixChannel(int a, int b, int num, int den) {
  // Rounded to the nearest integer, halves away from a; integer only, so
  // every build draws the same bytes.
  const int delta = (b - a) * num;
  const int step = delta >= 0 ? (delta + den / 2) / den : -((-delta + den / 2) / den);
  return static_cast<std::uint8_t>(a + step);
}

bool IsInk(char c) { return c == '#'; }

}  // namespace

TRgb Mix(TRgb a, TRgb b, int num, int den) {
  return TRgb{MixChannel(a.R, b.R, num, den), MixChannel(a.G, b.G, num, den),
              MixChannel(a.B, b.B, num, den)};
}

void Fill(TPixmap& p, TRect r, TRgb colour) {
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) p.Set(x, y, colour);
}

void FrameRect(TPixmap& p, TRect r, TRgb colour) {
  Fill(p, {r.Left, r.Top, r.Right, r.Top + 1}, colour);
  Fill(p, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, colour);
  Fill(p, {r.Left, r.Top, r.Left + 1, r.Bottom}, colour);
  Fill(p, {r.Right - 1, r.Top, r.Right, r.Bottom}, colour);
}

void VerticalGradient(TPixmap& p, TRect r, TRgb top, TRgb bottom) {
  const int span = std::max(1, r.Height() - 1);
  for (int y = r.Top; y < r.Bottom; ++y) Fill(p, {r.Left, y, r.Right, y + 1}, Mix(top, bottom, y - r.Top, span));
}

bool InsideRounded(TRect r, int radius, int x, int y) {
  if (x < r.Left || y < r.Top || x >= r.Right || y >= r.Bottom) return false;
  // Work in doubled coordinates so that pixel centres are whole numbers.
  const int cx = 2 * x + 1, cy = 2 * y + 1;
  const int left = 2 * (r.Left + radius), right = 2 * (r.Right - radius);
  const int top = 2 * (r.Top + radius), bottom = 2 * (r.Bottom - radius);
  const int dx = cx < left ? left - cx : (cx > right ? cx - right : 0);
  const int dy = cy < top ? top - cy : (cy > bottom ? cy - bottom : 0);
  if (dx == 0 || dy == 0) return true;
  return dx * dx + dy * dy <= 4 * radius * radius;
}

TShape RoundedShape(TRect r, int radius) {
  return [r, radius](int x, int y) { return InsideRounded(r, radius, x, y); };
}

namespace {

bool OnBorder(const TShape& inside, int x, int y) {
  return !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
}

}  // namespace

void ShapedBox(TPixmap& p, TRect area, const TShape& inside, const TBoxStyle& style) {
  const int span = std::max(1, area.Height() - 1);
  for (int y = area.Top; y < area.Bottom; ++y) {
    const TRgb fill = Mix(style.FillTop, style.FillBottom, y - area.Top, span);
    for (int x = area.Left; x < area.Right; ++x)
      if (inside(x, y)) p.Set(x, y, OnBorder(inside, x, y) ? style.Border : fill);
  }
}

void ShapedOutline(TPixmap& p, TRect area, const TShape& inside, TRgb colour) {
  for (int y = area.Top; y < area.Bottom; ++y)
    for (int x = area.Left; x < area.Right; ++x)
      if (inside(x, y) && OnBorder(inside, x, y)) p.Set(x, y, colour);
}

void RoundedBox(TPixmap& p, TRect r, int radius, const TBoxStyle& style) {
  ShapedBox(p, r, RoundedShape(r, radius), style);
}

void RoundedFill(TPixmap& p, TRect r, int radius, TRgb top, TRgb bottom) {
  const int span = std::max(1, r.Height() - 1);
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x)
      if (InsideRounded(r, radius, x, y)) p.Set(x, y, Mix(top, bottom, y - r.Top, span));
}

int PatternWidth(const TPattern& pattern) {
  return pattern.empty() ? 0 : static_cast<int>(pattern.front().size());
}

int PatternHeight(const TPattern& pattern) { return static_cast<int>(pattern.size()); }

void DrawPattern(TPixmap& p, int x, int y, const TPattern& pattern, TRgb ink) {
  for (int row = 0; row < PatternHeight(pattern); ++row)
    for (int col = 0; col < static_cast<int>(pattern[row].size()); ++col)
      if (IsInk(pattern[row][col])) p.Set(x + col, y + row, ink);
}

void DrawPatternCentred(TPixmap& p, TRect r, const TPattern& pattern, TRgb ink) {
  DrawPattern(p, r.Left + (r.Width() - PatternWidth(pattern)) / 2, r.Top + (r.Height() - PatternHeight(pattern)) / 2,
              pattern, ink);
}

std::vector<std::string> Turned(const TPattern& up, TDirection direction) {
  const int w = PatternWidth(up), h = PatternHeight(up);
  std::vector<std::string> out;
  switch (direction) {
    case TDirection::Up:
      for (auto row : up) out.emplace_back(row);
      break;
    case TDirection::Down:
      for (int row = h - 1; row >= 0; --row) out.emplace_back(up[row]);
      break;
    case TDirection::Left:  // the top of the up arrow turns to the left
      for (int col = 0; col < w; ++col) {
        std::string line;
        for (int row = 0; row < h; ++row) line += up[row][col];
        out.push_back(line);
      }
      break;
    case TDirection::Right:
      for (int col = 0; col < w; ++col) {
        std::string line;
        for (int row = h - 1; row >= 0; --row) line += up[row][col];
        out.push_back(line);
      }
      break;
  }
  return out;
}

TPattern View(const std::vector<std::string>& rows) { return TPattern(rows.begin(), rows.end()); }

TPixmap FramesSideBySide(int count, int frameWidth, int frameHeight, const TFramePainter& draw) {
  TPixmap strip(count * frameWidth, frameHeight);
  for (int k = 1; k <= count; ++k) draw(strip, {(k - 1) * frameWidth, 0, k * frameWidth, frameHeight}, k);
  return strip;
}

TPixmap FramesStacked(int count, int frameWidth, int frameHeight, const TFramePainter& draw) {
  TPixmap strip(frameWidth, count * frameHeight);
  for (int k = 1; k <= count; ++k) draw(strip, {0, (k - 1) * frameHeight, frameWidth, k * frameHeight}, k);
  return strip;
}
