#pragma once
// Check boxes and radio buttons drawn with a frame of the skin's check or
// radio glyph strip (kept by the button element) instead of the system's
// mark. A framework control is painted whole by the wrapper, glyph and
// caption; a bare dialog control keeps the system's drawing and gets only
// its glyph painted over. TSkinObjImage draws the check boxes and radio
// buttons of other component libraries, recognised by class name, the same
// way from their Checked or State property.
#include <windows.h>

#include "skin/controls/SkinControl.h"
#include "ui/Bitmap.h"

class TControl;

// What check boxes, radio buttons and the other libraries' boxes share: a
// glyph frame of a strip beside the caption.
class TSkinGlyphButton : public TSkinControl {
  QV_CLASS(TSkinGlyphButton, TSkinControl)

  using TSkinControl::TSkinControl;

  void InitControl(TWinSkinForm* form, TSkinData* skinData, bool setColor, TCanvas* canvas) override;
  bool BeforeProc(TMessage& message) override;
  void AfterProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

  // The parent's background behind the control (Tag 5555 or
  // xoTransparent).
  bool FTransparent = false;

 protected:
  // The strip of the class (check or radio glyphs), and its frame count.
  virtual TBitmap* Strip() const = 0;
  virtual int StripFrames() const = 0;
  // The frame of the strip that shows the control's state now.
  virtual int GlyphFrame(int frames) = 0;
  // The glyph goes right of the caption.
  virtual bool GlyphRight() const;
  // Pixels between the glyph and the right edge when it goes there.
  virtual int RightInset() const { return 0; }
  // A BM_SETCHECK reached the window.
  virtual void CheckSet(WPARAM) {}
  bool Disabled() const;
  // BM_GETSTATE of a button window; 0 for other windows.
  LRESULT ButtonState() const;

 private:
  // The caption beside the glyph, in the control's font and colour.
  void DrawGlyphCaption(HDC dc, RECT text, UINT flags);

  TBitmap FBuffer;
};

class TSkinCheckBox : public TSkinGlyphButton {
  QV_CLASS(TSkinCheckBox, TSkinGlyphButton)

  using TSkinGlyphButton::TSkinGlyphButton;

  // 0 while no check state was set through the window; else the last one
  // set: 1 unchecked, 2 checked, 3 indeterminate.
  int FCheckState = 0;

 protected:
  TBitmap* Strip() const override;
  int StripFrames() const override;
  int GlyphFrame(int frames) override;
  void CheckSet(WPARAM state) override { FCheckState = static_cast<int>(state) + 1; }
};

class TSkinRadioButton : public TSkinGlyphButton {
  QV_CLASS(TSkinRadioButton, TSkinGlyphButton)

  using TSkinGlyphButton::TSkinGlyphButton;

 protected:
  TBitmap* Strip() const override;
  int StripFrames() const override;
  int GlyphFrame(int frames) override;
  int RightInset() const override { return 1; }
};

// The frame of a check strip: checked, disabled, indeterminate; a strip of
// 12 frames has hot and pressed looks between.
int CheckGlyphFrame(bool checked, bool disabled, bool indeterminate, int frames);
// The same for a radio strip (8 frames: the long form).
int RadioGlyphFrame(bool checked, bool disabled, int frames);

// The check state a control's State property tells (a name with "uncheck",
// "check" or "gray" in it), else its Checked property; left as they are
// without either.
void ReadCheckProps(const TControl& control, bool& checked, bool& indeterminate);

class TSkinObjImage : public TSkinGlyphButton {
  QV_CLASS(TSkinObjImage, TSkinGlyphButton)

  // variant: 1 and 3 check boxes, 2 radio buttons.
  TSkinObjImage(TComponent* owner, int variant);

  int FVariant;

 protected:
  TBitmap* Strip() const override;
  int StripFrames() const override;
  int GlyphFrame(int frames) override;
  bool GlyphRight() const override;

 private:
  bool Radio() const { return FVariant == 2; }
};
