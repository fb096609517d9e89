// Popup menus: the item strip and the window background.
#include "tools/skingen/Paint.h"
#include "tools/skingen/Palette.h"
#include "tools/skingen/SkinElements.h"

using namespace palette;

// Menu items: 5 frames of 20 x 8, nine-grids with margins 4, 3, 4, 3, drawn
// transparent over the menu background. The menu painter uses frame 1 for a
// normal item (nothing of it shows), 2 for a separator (its start, stretched
// middle and end across the item; separators are 8 pixels high) and 4 for
// the selected item (an accent plate one pixel inside the item). Frames 3
// and 5, which it does not draw, repeat 1 and 4.
TPixmap DrawMenuItem() {
  return FramesSideBySide(5, 20, 8, [](TPixmap& p, const TRect& f, int k) {
    if (k == 2) Fill(p, {f.Left + 2, f.Top + 3, f.Right - 2, f.Top + 4}, kBorderSoft);
    if (k == 4 || k == 5) RoundedFill(p, f.Inflated(-1), 3, kAccent, kAccent);
  });
}

// The popup window: one 16 x 16 frame rendered opaque at the window's size
// with 3-pixel margins (the width of a popup menu's border): an outline and
// a white inside.
TPixmap DrawMenuBackground() {
  return FramesSideBySide(1, 16, 16, [](TPixmap& p, const TRect& f, int) {
    Fill(p, f, kWhite);
    FrameRect(p, f, kBorder);
  });
}
