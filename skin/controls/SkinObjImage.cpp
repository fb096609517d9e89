// The check boxes and radio buttons of other component libraries: painted
// whole, a check or radio glyph of the skin beside the caption, from their
// State or Checked property; the caption goes left of the glyph when their
// Alignment says so.
#include "skin/controls/SkinCheckBox.h"
#include "skin/data/WinSkinData.h"
#include "ui/Control.h"
#include "ui/StrUtils.h"

QV_CLASS_INFO(TSkinObjImage, {});

TSkinObjImage::TSkinObjImage(TComponent* owner, int variant) : TSkinGlyphButton(owner), FVariant(variant) {}

TBitmap* TSkinObjImage::Strip() const {
  if (!FSkinData) return nullptr;
  return Radio() ? &FSkinData->FButtons.FRadioBitmap : &FSkinData->FButtons.FCheckBitmap;
}

int TSkinObjImage::StripFrames() const {
  return Radio() ? FSkinData->FButtons.FRadioFrameCount : FSkinData->FButtons.FCheckFrameCount;
}

int TSkinObjImage::GlyphFrame(int frames) {
  bool checked = false, indeterminate = false;
  if (FControl) ReadCheckProps(*FControl, checked, indeterminate);
  if (Radio()) return RadioGlyphFrame(checked, Disabled(), frames);
  return CheckGlyphFrame(checked, Disabled(), indeterminate, frames);
}

bool TSkinObjImage::GlyphRight() const {
  return AsciiLowerCase(GetEnumPropByName(FControl, "Alignment")) == "taleftjustify";
}
