#include "tools/skinpreview/Gallery.h"

#include <string>

#include "tools/skingen/Paint.h"
#include "tools/skinpreview/Render.h"

namespace {

TMargins MarginsOf(const TSkinSource& skin, std::string_view section) {
  return {skin.Integer(section, "LeftWidth", 0), skin.Integer(section, "TopHeight", 0),
          skin.Integer(section, "RightWidth", 0), skin.Integer(section, "BottomHeight", 0)};
}

// Frame k of an element drawn as a nine-grid over r, transparent as its
// Trans says, as the control skins draw element faces.
void DrawElement(TPixmap& target, TRect r, const TSkinSource& skin, std::string_view section, std::string_view key,
                 int frames, int k) {
  const TPixmap strip = skin.Image(section, key);
  if (strip.Width() == 0) return;
  const bool tile = skin.Integer(section, "Tile", 0) == 1;
  Blit(target, r.Left, r.Top,
       RenderNineGrid(CutFrame(strip, frames, k, false), r.Width(), r.Height(), MarginsOf(skin, section), tile),
       skin.Integer(section, "Trans", 0) != 0);
}

// Frame k of a strip stretched over r, magenta transparent.
void DrawFrameAt(TPixmap& target, TRect r, const TPixmap& strip, int frames, int k) {
  Blit(target, r.Left, r.Top, RenderNineGrid(CutFrame(strip, frames, k, false), r.Width(), r.Height(), {}, false),
       true);
}

// The combo-box strip that the skin data builds from SunkEdge, ComboButton
// and ExtraImages: cells of 50 x 21, the button part as wide as a scroll
// arrow + 2, the text area emptied.
TPixmap ComboStrip(const TSkinSource& skin, int arrow) {
  const int cells = 4, bw = arrow + 2;
  TPixmap strip(cells * 50, 21);
  const TPixmap glyphs = skin.Image("ExtraImages", "Image");
  for (int k = 1; k <= cells; ++k) {
    TPixmap cell(50, 21);
    DrawElement(cell, {0, 0, 50, 21}, skin, "SunkEdge", "Image", 4, k);
    DrawElement(cell, {50 - bw, 0, 50, 21}, skin, "ComboButton", "Image", 4, k);
    const TPixmap glyph = CutFrame(glyphs, 5, k, false);
    Blit(cell, 50 - bw + (bw - glyph.Width()) / 2, (21 - glyph.Height()) / 2, glyph, true);
    Fill(cell, {2, 2, 49 - bw, 18}, kKey);
    Blit(strip, (k - 1) * 50, 0, cell, false);
  }
  return strip;
}

}  // namespace

TPixmap ComposeGallery(const TSkinSource& skin) {
  const TRgb face = skin.Colour("ButtonFace", kKey);
  TPixmap g(404, 236, face);
  constexpr int kArrow = 17;

  // Push buttons: normal, pressed, disabled, hot, focused.
  for (int k = 1; k <= 5; ++k) DrawElement(g, {8 + (k - 1) * 78, 8, 80 + (k - 1) * 78, 32}, skin, "Buttons", "Bitmap", 5, k);

  // Combo boxes: normal, pressed, disabled, focused; white where the
  // control draws its text.
  const TPixmap combo = ComboStrip(skin, kArrow);
  const TMargins comboMargins{2, skin.Integer("SunkEdge", "TopHeight", 0), kArrow + 4,
                              skin.Integer("SunkEdge", "BottomHeight", 0)};
  for (int k = 1; k <= 4; ++k) {
    const TRect r{8 + (k - 1) * 98, 42, 100 + (k - 1) * 98, 63};
    Fill(g, r.Inflated(-2), Hex(0xFFFFFF));
    Blit(g, r.Left, r.Top, RenderNineGrid(CutFrame(combo, 4, k, false), r.Width(), r.Height(), comboMargins, false),
         true);
  }

  // Check boxes and radio buttons, every frame.
  const TPixmap checks = skin.Image("Buttons", "CheckButton");
  const TPixmap radios = skin.Image("Buttons", "RadioButton");
  const int checkFrames = skin.Integer("Buttons", "CheckButtonFrame", 4);
  const int radioFrames = skin.Integer("Buttons", "RadioButtonFrame", 4);
  for (int k = 1; k <= checkFrames; ++k) DrawFrameAt(g, {8 + (k - 1) * 18, 74, 21 + (k - 1) * 18, 87}, checks, checkFrames, k);
  for (int k = 1; k <= radioFrames; ++k)
    DrawFrameAt(g, {232 + (k - 1) * 18, 74, 245 + (k - 1) * 18, 87}, radios, radioFrames, k);

  // A progress bar at 60 %: the empty bar, then the filled part from its left.
  const TRect bar{8, 98, 200, 114};
  DrawElement(g, bar, skin, "Progress", "Bitmap", 2, 1);
  DrawElement(g, {bar.Left, bar.Top, bar.Left + bar.Width() * 60 / 100, bar.Bottom}, skin, "Progress", "Bitmap", 2, 2);

  // Up-down buttons (the upper one pressed) and track-bar thumbs on a line.
  const TPixmap spin = skin.Image("UpDown.Vert", "Image");
  const TPixmap spinGlyphs = skin.Image("UpDown.Vert", "GlyphImage");
  for (int d = 0; d < 2; ++d) {
    const TRect part{212, 96 + d * 10, 228, 106 + d * 10};
    const int k = (d == 0 ? 2 : 1) + 4 * d;
    DrawFrameAt(g, part, spin, 8, k);
    const TPixmap glyph = CutFrame(spinGlyphs, 8, k, false);
    Blit(g, part.Left + (part.Width() - glyph.Width()) / 2, part.Top + (part.Height() - glyph.Height()) / 2, glyph, true);
  }
  Fill(g, {240, 105, 396, 107}, skin.Colour("ButtonShadow", kKey));
  const char* thumbs[] = {"Trackbar.ThumbHorz", "Trackbar.ThumbDown", "Trackbar.ThumbUp"};
  for (int i = 0; i < 3; ++i) DrawFrameAt(g, {260 + i * 40, 96, 271 + i * 40, 116}, skin.Image(thumbs[i], "Image"), 5, 2);

  // Tabs over their page: the second tab selected, the third hot.
  for (int i = 0; i < 3; ++i) {
    const int k = i == 1 ? 2 : (i == 2 ? 4 : 1);
    DrawElement(g, {8 + i * 62, 126, 68 + i * 62, 146}, skin, "Tabs", "Image", 5, k);
  }
  Blit(g, 8, 146, RenderNineGrid(skin.Image("Tabs", "Border"), 196, 60, {4, 5, 4, 4}, false), false);

  // A popup menu: background, a normal item, the selected item, a
  // separator and another item (the item texts are left out).
  const TRect menu{216, 126, 396, 194};
  Blit(g, menu.Left, menu.Top,
       RenderNineGrid(skin.Image("MenuBackground", "Image"), menu.Width(), menu.Height(),
                      MarginsOf(skin, "MenuBackground"), false),
       false);
  DrawElement(g, {menu.Left + 3, menu.Top + 23, menu.Right - 3, menu.Top + 43}, skin, "MenuItem", "Image", 5, 4);
  DrawElement(g, {menu.Left + 3, menu.Top + 43, menu.Right - 3, menu.Top + 51}, skin, "MenuItem", "Image", 5, 2);

  // A header with three items (the second hot) and a status bar with two
  // lowered panels and the size grip.
  const int headerFrames = skin.Integer("Headerbar", "Frame", 5);
  for (int i = 0; i < 3; ++i)
    DrawElement(g, {8 + i * 66, 212, 74 + i * 66, 230}, skin, "Headerbar", "Image", headerFrames, i == 1 ? 2 : 1);
  DrawElement(g, {206, 212, 240, 230}, skin, "Headerbar", "Image", headerFrames, 1);
  DrawElement(g, {248, 210, 320, 230}, skin, "StatusBarEdges", "Image", 3, 1);
  DrawElement(g, {322, 210, 396, 230}, skin, "StatusBarEdges", "Image", 3, 1);
  const TPixmap extra = skin.Image("ExtraImages", "Image");
  const TPixmap grip = CutFrame(extra, 5, 5, false);
  Blit(g, 396 - 1 - grip.Width(), 230 - 1 - grip.Height(), grip, true);
  return g;
}
