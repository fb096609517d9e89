#pragma once
// The bitmaps of the default skin, one function per bitmap. Each returns the
// whole strip of frames as the engine cuts it; skin.ini names the file, the
// frame count and the margins of each one.
#include <vector>

#include "tools/skingen/Pixmap.h"

// Window frame and title bar (WindowFrame.cpp).
TPixmap DrawTopBorder();
TPixmap DrawBottomBorder();
TPixmap DrawLeftBorder();
TPixmap DrawRightBorder();
TPixmap DrawCaptionBack();
TPixmap DrawTitleClose();
TPixmap DrawTitleMaximize();
TPixmap DrawTitleRestore();
TPixmap DrawTitleMinimize();
TPixmap DrawMdiControls();

// Push buttons, check boxes, radio buttons, boxes and bars (ControlFaces.cpp).
TPixmap DrawPushButton();
TPixmap DrawCheckBox();
TPixmap DrawRadioButton();
TPixmap DrawGroupBoxEdge();
TPixmap DrawGroupBoxLabel();
TPixmap DrawTabs();
TPixmap DrawTabBorder();
TPixmap DrawStatusBarEdges();
TPixmap DrawToolBarButtons();
TPixmap DrawHeaderBar();

// Edit borders and the combo-box button (EditParts.cpp).
TPixmap DrawSunkEdge();
TPixmap DrawComboButton();
TPixmap DrawExtraImages();

// Menus (MenuParts.cpp).
TPixmap DrawMenuItem();
TPixmap DrawMenuBackground();

// Scroll bars (ScrollParts.cpp).
TPixmap DrawScrollGlyphs();
TPixmap DrawHorzTrack();
TPixmap DrawVertTrack();
TPixmap DrawHorzThumb();
TPixmap DrawVertThumb();

// Progress bars, track-bar thumbs and up-down buttons (RangeParts.cpp).
TPixmap DrawProgress();
TPixmap DrawTrackThumbHorz();
TPixmap DrawTrackThumbVert();
TPixmap DrawTrackThumbLeft();
TPixmap DrawTrackThumbRight();
TPixmap DrawTrackThumbUp();
TPixmap DrawTrackThumbDown();
TPixmap DrawUpDownHorz();
TPixmap DrawUpDownHorzGlyphs();
TPixmap DrawUpDownVert();
TPixmap DrawUpDownVertGlyphs();

struct TSkinBitmap {
  const char* FileName;  // the package entry name, lower case
  TPixmap (*Draw)();
};
// Every bitmap of the skin, in the order they are written.
const std::vector<TSkinBitmap>& SkinBitmaps();
