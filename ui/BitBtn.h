#pragma once
// Bitmap buttons: push buttons that show a glyph beside their caption. The
// window is the system's owner-drawn button (under the class name
// "TBitBtn"), which hands its drawing back to the control (CN_DRAWITEM).
#include "ui/Button.h"
#include "ui/ButtonGlyph.h"

class TBitBtn : public TButton {
 public:
  QV_CLASS(TBitBtn, TButton)

  explicit TBitBtn(TComponent* owner);

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

 protected:
  void CreateParams(TCreateParams& params) override;
  void CNDrawItem(const DRAWITEMSTRUCT& item, TMessage& message) override;

 private:
  static const TPropInfo Published[];

  TButtonGlyph FGlyph;
  TButtonLayout FLayout = TButtonLayout::blGlyphLeft;
  int FMargin = -1;
  int FSpacing = 4;
};
