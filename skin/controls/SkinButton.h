#pragma once
// The button wrappers: push buttons, bitmap buttons, drop-down (menu)
// buttons and speed buttons repainted whole from the skin's button element
// (five faces: normal, pressed, disabled, hot, focused or default), their
// caption and glyph laid out by the wrapper from the control's published
// properties, read by name, so that any button class with the usual names is
// drawn.
//
// A push button's press belongs to the wrapper from button-down to
// button-up: the system button never sees it, the face follows the pressed
// state, and the wrapper clicks the button when the release comes while the
// press lasts. A speed button has no window: the wrapper takes over its
// WindowProc, paints it on its parent, and leaves the press, the Down state
// and the click to the speed button itself.
//
// Where things are: the push button and the shared caption drawing in
// SkinButton.cpp, glyph placement and the bitmap button in
// SkinBitButton.cpp, the menu button in SkinMenuButton.cpp, the speed
// button in SkinSpeedButton.cpp.
#include <windows.h>

#include <string>

#include "skin/controls/SkinControl.h"
#include "ui/Bitmap.h"
#include "ui/Gdi.h"

class TDataSkinButton;

// The face frames of the button element.
enum : int { kFaceNormal = 1, kFacePressed = 2, kFaceDisabled = 3, kFaceHot = 4, kFaceFocused = 5 };

// The caption with its first "||" turned into a line break.
std::wstring BreakCaption(std::wstring caption);

// Where a glyph and a caption go on a button face of size Face.
struct TGlyphPlacement {
  POINT Glyph{};
  POINT Text{};
  // DT_LEFT, DT_RIGHT or DT_CENTER, by the layout.
  UINT Align = DT_LEFT;
};
// layout: 0 glyph left, 1 right, 2 top, 3 bottom. margin -1 centres glyph
// and caption together (so does centred); spacing -1 spreads the free space
// evenly. speedButton: a centred pair with a given spacing sits one pixel
// further along.
TGlyphPlacement PlaceGlyph(SIZE face, SIZE glyph, SIZE text, int layout, int margin, int spacing, bool centred,
                           bool speedButton);

// The colour of a picture's bottom-left pixel: a glyph's key colour.
TColor BottomLeftColour(TBitmap& picture);
// Puts a glyph picture on dc at a point with its key colour left out;
// embossed: its disabled look (keyed on its own bottom-left pixel) instead.
void DrawGlyphPicture(HDC dc, POINT at, TBitmap& picture, TColor key, bool embossed);

// Selects a font into a context for the lifetime of this object; a null
// font leaves the context's own.
class TFontSelection {
 public:
  TFontSelection(HDC dc, HFONT font) : FSelect(dc, font ? font : GetCurrentObject(dc, OBJ_FONT)) {}

 private:
  TSelectObject FSelect;
};

class TSkinButton : public TSkinControl {
  QV_CLASS(TSkinButton, TSkinControl)

  explicit TSkinButton(TComponent* owner);

  // State bits (FButtonState).
  enum : int { bsHot = 1, bsPressed = 2 };

  void InitControl(TWinSkinForm* form, TSkinData* skinData, bool setColor, TCanvas* canvas) override;
  bool BeforeProc(TMessage& message) override;
  void AfterProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

  // The face, sized to the button at every paint.
  TBitmap FBuffer;
  // Refreshed at every paint.
  bool FFocused = false;
  bool FEnabled = true;
  // The parent's background behind the face (Tag 5555 or xoTransparent).
  bool FTransparent = false;
  int FButtonState = 0;

 protected:
  // The skin's button element, or null when it has no face bitmap.
  TDataSkinButton* Element() const;
  // Reads focus, enabled state and caption (into FCaption); true when the
  // button is the default one.
  bool ReadState();
  // The face frame by the push-button rules.
  int PushButtonFace(bool isDefault) const;
  // Sizes the buffer to rect and fills it with the parent's background or
  // the button face; its context, null when rect has no area.
  HDC PrepareBuffer(const RECT& rect);
  // Copies the buffer to rect of dc.
  void PutBuffer(HDC dc, const RECT& rect);
  // The control's font; a bare window's WM_GETFONT; null for none.
  HFONT ButtonFont() const;
  // The caption colour: the control's font colour (a bare window's: the
  // skin's button text), the skin's colours for the face, grey when
  // disabled. normalInFrame1Only: NormalColour2 applies to frame 1 only.
  TColor TextColour(int face, bool normalInFrame1Only) const;
  // The caption of push buttons, centred by DrawText's rules in rect, with
  // the focus rectangle when focused.
  void DrawButtonText(HDC dc, const RECT& rect, UINT align, const std::wstring& text) const;
  // Focused, and the skin wants focus rectangles.
  bool FocusRectWanted() const;
  bool EnabledNow() const;
  // Sets or clears state bits and repaints.
  void SetState(int bits, bool on);

 private:
  void Press(const TMessage& message);
  void Release();
  void MouseMoved();
  // The wrapped button is clicked: the control's Click, or a WM_COMMAND
  // posted to a bare window's parent.
  void ClickButton();
};

class TSkinBitButton : public TSkinButton {
  QV_CLASS(TSkinBitButton, TSkinButton)

  // imageProperty: the name of the image property the glyph comes from
  // ("PngImage"); empty for Glyph and Images.
  TSkinBitButton(TComponent* owner, std::string imageProperty = {});

  void DrawControl(HDC dc, const RECT& rect) override;

  std::string FImageProperty;

 protected:
  // Glyph and caption of a bitmap or speed button on the face in dc.
  // glyphFrame: 1 up, 2 disabled, 3 pressed, 4 held down.
  void DrawGlyphAndText(HDC dc, const RECT& rect, int face, int glyphFrame, bool speedButton);
};

class TSkinMenuButton : public TSkinButton {
  QV_CLASS(TSkinMenuButton, TSkinButton)

  using TSkinButton::TSkinButton;

  void DrawControl(HDC dc, const RECT& rect) override;
};

class TSkinSpeedButton : public TSkinBitButton {
  QV_CLASS(TSkinSpeedButton, TSkinBitButton)

  using TSkinBitButton::TSkinBitButton;

  // The speed button's own attach (it has no window).
  void InitControl(TWinSkinForm* form, TSkinData* skinData, bool setColor, TCanvas* canvas) override;
  void AttachSpeedButton(TWinSkinForm* form, TSkinData* skinData, TCanvas* canvas);
  bool BeforeProc(TMessage& message) override;
  void AfterProc(TMessage& message) override;
  // Paints the speed button on its parent now.
  void PaintControl(HDC dc) override;
  void DrawSpeedButton(HDC dc, const RECT& rect);

  // Set while drawing: painting the parent's background paints the speed
  // button again.
  bool FPainting = false;

 private:
  // Sets or clears state bits and paints at once.
  void Paint(int bits, bool on);
};
