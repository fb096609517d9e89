#include "tools/skinpreview/Gallery.h"

#include "skin/data/WinSkinData.h"
#include "skin/window/SkinDraw.h"

namespace {

// Frame k of an element as a nine-grid over r with its margins, its Tile
// and its Trans, as the control skins draw element faces.
void Element(HDC dc, const RECT& r, TDataSkinObject* element, int frames, int k) {
  if (!element || element->FBitmap.Empty()) return;
  DrawNineGrid(dc, r, element->FBitmap, false, element->FTile != 0, element->FTrans == 1, frames, k,
               element->FMargins);
}

// Frame k of a strip stretched over r, magenta transparent.
void Frame(HDC dc, const RECT& r, TBitmap& strip, int frames, int k) {
  if (!strip.Empty()) DrawFrame(dc, r, strip, true, frames, k);
}

}  // namespace

std::unique_ptr<TBitmap> ComposeGallery(TSkinData& skin) {
  auto gallery = std::make_unique<TBitmap>(404, 236);
  TCanvas& canvas = gallery->Canvas();
  const HDC dc = canvas.Handle();
  canvas.SetBrushColor(skin.FColours[scButtonFace]);
  canvas.FillRect(RECT{0, 0, 404, 236});

  // Push buttons: normal, pressed, disabled, hot, focused.
  for (int k = 1; k <= 5; ++k) Element(dc, RECT{8 + (k - 1) * 78, 8, 80 + (k - 1) * 78, 32}, &skin.FButtons, 5, k);

  // Combo boxes from the strip the skin data composed: normal, pressed,
  // disabled, focused; white where the control draws its text.
  for (int k = 1; k <= 4 && skin.FComboButton; ++k) {
    const RECT r{8 + (k - 1) * 98, 42, 100 + (k - 1) * 98, 63};
    canvas.SetBrushColor(clWhite);
    canvas.FillRect(RECT{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2});
    DrawNineGrid(dc, r, skin.FComboButton->FBitmap, false, false, true, 4, k, skin.FComboButton->FMargins);
  }

  // Check boxes and radio buttons, every frame.
  TDataSkinButton& buttons = skin.FButtons;
  for (int k = 1; k <= buttons.FCheckFrameCount; ++k)
    Frame(dc, RECT{8 + (k - 1) * 18, 74, 21 + (k - 1) * 18, 87}, buttons.FCheckBitmap, buttons.FCheckFrameCount, k);
  for (int k = 1; k <= buttons.FRadioFrameCount; ++k)
    Frame(dc, RECT{232 + (k - 1) * 18, 74, 245 + (k - 1) * 18, 87}, buttons.FRadioBitmap, buttons.FRadioFrameCount, k);

  // A progress bar at 60 %: the empty bar, then the filled part from its left.
  if (TDataSkinObject* progress = skin.FProgress.get()) {
    const RECT bar{8, 98, 200, 114};
    Element(dc, bar, progress, progress->FFrameCount, 1);
    Element(dc, RECT{bar.left, bar.top, bar.left + (bar.right - bar.left) * 60 / 100, bar.bottom}, progress,
            progress->FFrameCount, 2);
  }

  // Up-down buttons (the upper one pressed) and track-bar thumbs on a line.
  if (TDataSkinBorder* spin = skin.FUpDownVert.get()) {
    for (int d = 0; d < 2; ++d) {
      const RECT part{212, 96 + d * 10, 228, 106 + d * 10};
      const int k = (d == 0 ? 2 : 1) + 4 * d;
      Frame(dc, part, spin->FBitmap, 8, k);
      if (!spin->FBitmap2.Empty()) DrawCentred(dc, part, spin->FBitmap2, true, 8, k);
    }
  }
  canvas.SetBrushColor(skin.FColours[scButtonShadow]);
  canvas.FillRect(RECT{240, 105, 396, 107});
  const int thumbs[] = {0, 5, 4};  // horizontal, pointing down, pointing up
  for (int i = 0; i < 3; ++i)
    if (TDataSkinObject* thumb = skin.FTrackThumbs[static_cast<std::size_t>(thumbs[i])].get())
      Frame(dc, RECT{260 + i * 40, 96, 271 + i * 40, 116}, thumb->FBitmap, 5, 2);

  // Tabs over their page: the second tab selected, the third hot.
  if (TDataSkinBorder* tabs = skin.FTabs.get()) {
    for (int i = 0; i < 3; ++i)
      Element(dc, RECT{8 + i * 62, 126, 68 + i * 62, 146}, tabs, 5, i == 1 ? 2 : (i == 2 ? 4 : 1));
    if (!tabs->FBitmap2.Empty())
      DrawNineGrid(dc, RECT{8, 146, 204, 206}, tabs->FBitmap2, false, false, false, 1, 1, RECT{4, 5, 4, 4});
  }

  // A popup menu: background, the selected item and a separator (the item
  // texts are left out).
  const RECT menu{216, 126, 396, 194};
  if (TDataSkinObject* background = skin.FMenuBackground.get())
    DrawNineGrid(dc, menu, background->FBitmap, false, false, false, 1, 1, background->FMargins);
  Element(dc, RECT{menu.left + 3, menu.top + 23, menu.right - 3, menu.top + 43}, skin.FMenuItem.get(), 5, 4);
  Element(dc, RECT{menu.left + 3, menu.top + 43, menu.right - 3, menu.top + 51}, skin.FMenuItem.get(), 5, 2);

  // A header with three items (the second hot) and a status bar with two
  // lowered panels and the size grip.
  if (TDataSkinObject* header = skin.FHeaderbar.get()) {
    for (int i = 0; i < 3; ++i)
      Element(dc, RECT{8 + i * 66, 212, 74 + i * 66, 230}, header, header->FFrameCount, i == 1 ? 2 : 1);
    Element(dc, RECT{206, 212, 240, 230}, header, header->FFrameCount, 1);
  }
  Element(dc, RECT{248, 210, 320, 230}, skin.FStatusBarEdges.get(), 3, 1);
  Element(dc, RECT{322, 210, 396, 230}, skin.FStatusBarEdges.get(), 3, 1);
  if (TDataSkinObject* extra = skin.FExtraImages.get(); extra && !extra->FBitmap.Empty()) {
    const TFrame grip = SelectFrame(extra->FBitmap, false, 5, 5);
    Frame(dc, RECT{395 - grip.Width, 229 - grip.Height, 395, 229}, extra->FBitmap, 5, 5);
  }
  return gallery;
}
