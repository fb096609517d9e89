#pragma once
// Speed buttons: windowless buttons with a glyph and a caption (the tool
// buttons of a panel). A press shows the button down until the release,
// and a release over it calls Click. A button of a group (GroupIndex not 0)
// stays Down when clicked and lets the other Down button of its group in
// the same parent come up; AllowAllUp lets a click bring it up again. A Flat
// button shows its edge only while the mouse is over it or it is down.
#include "ui/ButtonGlyph.h"
#include "ui/GraphicControl.h"

class TSpeedButton : public TGraphicControl {
 public:
  QV_CLASS(TSpeedButton, TGraphicControl)

  explicit TSpeedButton(TComponent* owner);

  TBitmap* Glyph() const { return FGlyph.Glyph(); }
  void SetGlyph(const TBitmap* glyph);
  int NumGlyphs() const { return FGlyph.NumGlyphs(); }
  void SetNumGlyphs(int numGlyphs);
  TButtonLayout Layout() const { return FLayout; }
  void SetLayout(TButtonLayout layout);
  int Margin() const { return FMargin; }
  void SetMargin(int margin);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int spacing);
  bool Flat() const { return FFlat; }
  void SetFlat(bool flat);
  // The face is not filled: the parent shows through around the glyph.
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool transparent);
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int groupIndex);
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool allowAllUp);
  bool Down() const { return FDown; }
  void SetDown(bool down);

  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

 protected:
  void Paint() override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void WndProc(TMessage& message) override;

 private:
  static const TPropInfo Published[];

  bool Contains(int x, int y) const;
  void CMMouseEnter(TMessage& message);
  void CMMouseLeave(TMessage& message);

  TButtonGlyph FGlyph;
  TButtonLayout FLayout = TButtonLayout::blGlyphLeft;
  int FMargin = -1;
  int FSpacing = 4;
  bool FFlat = false;
  bool FTransparent = false;
  int FGroupIndex = 0;
  bool FAllowAllUp = false;
  bool FDown = false;
  // The left button went down on the button and is still down; the press
  // shows while the mouse is over the button.
  bool FDragging = false;
  bool FPressed = false;
  bool FMouseInControl = false;
};
