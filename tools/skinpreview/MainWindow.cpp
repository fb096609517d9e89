#include "tools/skinpreview/MainWindow.h"

#include <algorithm>
#include <cctype>

#include "tools/skingen/Paint.h"
#include "tools/skinpreview/Render.h"

namespace {

// The program's window: a dialog frame with a system menu only, its client
// area 390 x 276, a panel filling it and a memo inside the panel (1 pixel
// in) with a two-pixel frame.
constexpr int kClientWidth = 390;
constexpr int kClientHeight = 276;
constexpr int kDialogCaptionShift = 16;

struct TBorder {
  TPixmap Picture;  // the rendered border at its place's size
  bool Trans = false;
};

// One of the four borders rendered for its place, as frame painting does:
// Top and Bottom stacked with their fixed lengths at the ends, Left and
// Right side by side with theirs at the top and bottom.
TBorder RenderBorder(const TSkinSource& skin, const char* name, int width, int height, bool active) {
  const std::string n(name);
  const TPixmap strip = skin.Image("Personality", n);
  const int frames = std::max(1, skin.Integer("Personality", n + "Frame", 1));
  const bool along = n == "Top" || n == "Bottom";
  const int start = skin.Integer("Personality", n + "TopHeight", 0);
  const int end = skin.Integer("Personality", n + "BotHeight", 0);
  const TMargins m = along ? TMargins{start, 0, end, 0} : TMargins{0, start, 0, end};
  const bool tile = skin.Integer("Personality", n + "Stretch", 1) != 1;
  const int k = active || frames == 1 ? 1 : 2;
  return {RenderNineGrid(CutFrame(strip, frames, k, along), width, height, m, tile),
          skin.Integer("Personality", n + "Trans", 1) != 0};
}

// The caption text with its backdrop, placed as the title painting places
// it for a dialog frame with left-aligned text.
void PaintCaption(TPixmap& window, const TSkinSource& skin, const TPixmap& label, int sideWidth, int titleHeight,
                  bool active) {
  const int backLeft = skin.Integer("Personality", "TXTBackleft", 0);
  const int backRight = skin.Integer("Personality", "TXTBackRight", 0);
  const int textWidth = label.Width() + backLeft + backRight;
  int left = sideWidth + skin.Integer("Personality", "TextShift", 0) - kDialogCaptionShift;
  const int top = (titleHeight - label.Height()) / 2 + skin.Integer("Personality", "TextShiftVert", 0) / 2;
  const int right = sideWidth + skin.Integer("Personality", "TextShift", 0) + textWidth;
  const TPixmap back = skin.Image("Personality", "TextBack");
  if (back.Width() > 0) {
    const TPixmap frame = CutFrame(back, 2, active ? 1 : 2, true);
    Blit(window, left, 0, RenderThreePart(frame, right - left, titleHeight, backLeft, backRight), true);
  }
  left += backLeft;
  const TRgb ink = active ? skin.Colour("TitleTextActive", kKey) : skin.Colour("TitleTextNoActive", kKey);
  TPixmap text = label;
  for (int y = 0; y < text.Height(); ++y)
    for (int x = 0; x < text.Width(); ++x)
      if (text.At(x, y) != kKey) text.Set(x, y, ink);
  Blit(window, left, top, text, true);
}

std::string Upper(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return s;
}

// Whether a visibility code holds on this window: not maximized, system
// menu only (no maximize or minimize box).
bool VisibleOnDialog(int code, bool active) {
  switch (code) {
    case 0: case 2: case 7: case 9: return true;
    case 3: return active;
    case 4: return !active;
    default: return false;
  }
}

// The title-bar buttons that this window shows, drawn as the title bar
// draws them: frame 1 when the window is active and the button enabled,
// else frame 4 (when the strip has 4 frames or more).
void PaintTitleButtons(TPixmap& window, const TSkinSource& skin, bool active) {
  for (const std::string& section : skin.Sections()) {
    const std::string upper = Upper(section);
    if (upper.rfind("BUTTON", 0) != 0 || upper == "BUTTON" || upper == "BUTTONS" || upper == "BUTTON.RADIO" ||
        upper == "BUTTON.CHECKBOX")
      continue;
    const int action = skin.Integer(section, "Action", 0);
    if (action < 0 || action == 3 || action == 11 || action == 12) continue;  // decorations; no icon on a dialog
    if (!VisibleOnDialog(skin.Integer(section, "Visibility", 0), active) ||
        !VisibleOnDialog(skin.Integer(section, "Visibility1", 0), active))
      continue;
    const TPixmap strip = skin.Image(section, "ButtonImage");
    const int frames = skin.Integer(section, "frame", 0);
    if (strip.Width() == 0 || frames <= 0) continue;
    const bool enabled = action != 1 && action != 2 && action != 22 && action != 23;
    const int k = frames < 4 || (active && enabled) ? 1 : 4;
    const int x = skin.Integer(section, "Align", 0) == 1 ? window.Width() - skin.Integer(section, "Xcoord", 0)
                                                         : skin.Integer(section, "Xcoord", 0);
    Blit(window, x, skin.Integer(section, "Ycoord", 0), CutFrame(strip, frames, k, false), true);
  }
}

// The memo's vertical scroll bar over the system bar's place: track, both
// arrows, a thumb with its grip.
void PaintVerticalScrollBar(TPixmap& window, const TSkinSource& skin, TRect bar) {
  const TPixmap glyphs = skin.Image("Scrollbar", "Image");
  const int arrow = bar.Width();
  TPixmap face(bar.Width(), bar.Height(), skin.Colour("ButtonFace", kKey));
  const TMargins trackMargins{skin.Integer("VertScroll", "LeftWidth", 0), skin.Integer("VertScroll", "TopHeight", 0),
                              skin.Integer("VertScroll", "RightWidth", 0),
                              skin.Integer("VertScroll", "BottomHeight", 0)};
  const TPixmap track = CutFrame(skin.Image("VertScroll", "Image"), 4, 1, false);
  Blit(face, 0, arrow, RenderNineGrid(track, arrow, bar.Height() - 2 * arrow, trackMargins, false),
       skin.Integer("VertScroll", "Trans", 0) != 0);
  Blit(face, 0, 0, CutFrame(glyphs, 23, 9, false), true);
  Blit(face, 0, bar.Height() - arrow, CutFrame(glyphs, 23, 13, false), true);

  const int thumbStart = arrow + 24, thumbLength = 86;
  const TMargins thumbMargins{skin.Integer("VertScrollThumb", "LeftWidth", 0),
                              skin.Integer("VertScrollThumb", "TopHeight", 0),
                              skin.Integer("VertScrollThumb", "RightWidth", 0),
                              skin.Integer("VertScrollThumb", "BottomHeight", 0)};
  const int thumbFrames = skin.Integer("VertScrollThumb", "FrameCount", 3);
  const TPixmap thumb = CutFrame(skin.Image("VertScrollThumb", "Image"), thumbFrames, 1, false);
  Blit(face, 0, thumbStart, RenderNineGrid(thumb, arrow, thumbLength, thumbMargins, false),
       skin.Integer("VertScrollThumb", "Trans", 0) != 0);
  const int grip = glyphs.Height();
  Blit(face, 0, thumbStart + (thumbLength - grip) / 2, CutFrame(glyphs, 23, 20, false), true);
  Blit(window, bar.Left, bar.Top, face, false);
}

}  // namespace

TPixmap ComposeMainWindow(const TSkinSource& skin, bool active, const TPixmap& caption, const TPixmap& memoText,
                          TRgb desktop) {
  const TPixmap top = skin.Image("Personality", "Top");
  const TPixmap left = skin.Image("Personality", "Left");
  const TPixmap right = skin.Image("Personality", "Right");
  const TPixmap bottom = skin.Image("Personality", "Bottom");
  const int titleHeight = top.Height() / std::max(1, skin.Integer("Personality", "TopFrame", 1));
  const int leftWidth = left.Width() / std::max(1, skin.Integer("Personality", "LeftFrame", 1));
  const int rightWidth = right.Width() / std::max(1, skin.Integer("Personality", "RightFrame", 1));
  const int bottomHeight = bottom.Height() / std::max(1, skin.Integer("Personality", "BottomFrame", 1));
  const int w = kClientWidth + leftWidth + rightWidth;
  const int h = kClientHeight + titleHeight + bottomHeight;

  TPixmap window(w, h, skin.Colour("ButtonFace", kKey));
  const TBorder borders[4] = {
      RenderBorder(skin, "Left", leftWidth, h, active),
      RenderBorder(skin, "Right", rightWidth, h, active),
      RenderBorder(skin, "Bottom", w - leftWidth - rightWidth, bottomHeight, active),
      RenderBorder(skin, "Top", w - leftWidth - rightWidth, titleHeight, active),
  };
  const TRect places[4] = {{0, 0, leftWidth, h},
                           {w - rightWidth, 0, w, h},
                           {leftWidth, h - bottomHeight, w - rightWidth, h},
                           {leftWidth, 0, w - rightWidth, titleHeight}};
  for (int i = 0; i < 4; ++i) Blit(window, places[i].Left, places[i].Top, borders[i].Picture, false);
  PaintCaption(window, skin, caption, leftWidth, titleHeight, active);
  PaintTitleButtons(window, skin, active);

  // The memo: its frame (ButtonShadow outside, ButtonFace inside), white
  // inside, the text, and the scroll bar at its right.
  const TRect memo{leftWidth + 1, titleHeight + 1, w - rightWidth - 1, h - bottomHeight - 1};
  Fill(window, memo, skin.Colour("ButtonShadow", kKey));
  Fill(window, memo.Inflated(-1), skin.Colour("ButtonFace", kKey));
  const TRect inside = memo.Inflated(-2);
  Fill(window, inside, Hex(0xFFFFFF));
  Blit(window, inside.Left + 1, inside.Top + 1, memoText, false);
  PaintVerticalScrollBar(window, skin, {inside.Right - 17, inside.Top, inside.Right, inside.Bottom});

  // The window region: the magenta pixels of a transparent border are not
  // part of the window; the desktop shows there.
  TPixmap onDesktop = window;
  for (int i = 0; i < 4; ++i) {
    if (!borders[i].Trans) continue;
    const TRect& at = places[i];
    for (int y = at.Top; y < at.Bottom; ++y)
      for (int x = at.Left; x < at.Right; ++x)
        if (borders[i].Picture.At(x - at.Left, y - at.Top) == kKey) onDesktop.Set(x, y, desktop);
  }
  return onDesktop;
}
