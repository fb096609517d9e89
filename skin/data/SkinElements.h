#pragma once
// The skin's drawable pieces, one object each: a window border, the title,
// the push-button faces, a title-bar button, a scroll-bar thumb ... They are
// filled from the skin's INI sections and bitmaps when a skin loads
// (SkinLoader.h) and only read by the painting code afterwards. Every object
// owns its bitmaps. A fresh object has every number 0.
#include <windows.h>

#include <string>

#include "ui/Bitmap.h"
#include "ui/Color.h"

class TDataSkinObject {
 public:
  explicit TDataSkinObject(std::string name) : FName(std::move(name)) {}
  TDataSkinObject(const TDataSkinObject&) = delete;
  TDataSkinObject& operator=(const TDataSkinObject&) = delete;
  virtual ~TDataSkinObject() = default;

  // Widths of the fixed (neither stretched nor tiled) parts of the image at
  // the left, top, right and bottom, in pixels.
  RECT FMargins{};
  // The image: a strip of FFrameCount equally sized frames.
  TBitmap FBitmap;
  // Transparency flag from the skin.
  int FTrans = 0;
  // How the middle parts are filled (tiled or stretched), as the drawing
  // code of each element reads it.
  int FTile = 0;
  // The INI section it came from, or a fixed name.
  std::string FName;
  int FFrameCount = 0;
  // A style number, read by each element in its own way.
  int FStyle = 0;
  // State colours as integer keys; -1 when the skin does not give one.
  int FNormalColour = 0;
  int FMouseOverColour = 0;
  int FPressedColour = 0;
  // State colours given as colour text.
  TColor FNormalColour2 = 0;
  TColor FMouseOverColour2 = 0;
  TColor FPressedColour2 = 0;
};

// An element with a second image: the tab border, the up-down glyphs, the
// mirrored combo button.
class TDataSkinBorder : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  TBitmap FBitmap2;
};

// The caption. FBitmap is the text background; FMargins Left and Top shift
// the text, Right is the right clip width, Bottom is always 0.
class TDataSkinTitle : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  // A text colour the skin does not give.
  static constexpr TColor kNoColour = 0x1FFFFFFF;

  int FTextAlignment = 0;
  int FTextBackground = 0;
  int FFontHeight = 0;
  // Fixed left and right parts of the text background image.
  int FTextBackLeft = 0;
  int FTextBackRight = 0;
  TColor FActiveTextColour = 0;
  TColor FInactiveTextColour = 0;
};

// Push buttons, check boxes and radio buttons share one section.
class TDataSkinButton : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  TBitmap FCheckBitmap;
  TBitmap FRadioBitmap;
  int FRadioFrameCount = 0;
  int FCheckFrameCount = 0;
  // Whether the skin gave NormalColour2, MouseOverColour2, PressedColour2.
  bool FHasNormalColour2 = false;
  bool FHasMouseOverColour2 = false;
  bool FHasPressedColour2 = false;
};

// One title-bar button. Actions: 0 close, 1 maximize/restore, 2 minimize,
// 3 and 11 the window icon, 4 context help, 7 8 9 minimize, restore and
// close of the active MDI child; negative values are decorations.
class TDataSkinSysButton : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  int FAction = 0;
  int FAlign = 0;
  int FXcoord = 0;
  int FYcoord = 0;
  // -1 when not given.
  int FCombineOp = 0;
  // When the button is shown: 2 while not maximized, 100 the MDI buttons.
  int FVisibility = 0;
  int FVisibility1 = 0;
};

// The group-box caption.
class TDataSkinBoxLabel : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  int FBackgroundLeftShift = 0;
  int FBackgroundRightShift = 0;
  int FBackgroundAlignment = 0;
};
