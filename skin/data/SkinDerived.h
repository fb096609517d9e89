#pragma once
// Pictures and values the skin data derives from loaded elements: the
// button glyph frame counts, the combo-box strips and drop arrow, the
// toolbar background and the border sample colour.
#include <memory>

#include "skin/data/SkinElements.h"

// "Buttons" has five frames; a check or radio glyph strip without a count
// has one frame per cell of 16 pixels (13 when lower than 16), at least 4.
void FinishButtons(TDataSkinButton& buttons);
// FBitmap2 of the combo button becomes a 24-bit copy of its image, mirrored
// left to right; nothing when the image is empty.
void MirrorComboButton(TDataSkinBorder& comboButton);
// Composes the combo box faces: one 50 x 21 cell per frame of the sunken
// edge, the edge over the whole cell, the button at its right end with the
// extra image's glyph centred on it, the text area magenta. The button gets
// the strip (style 2), the sunken edge gets it mirrored for right-to-left.
void BuildComboStrips(TDataSkinObject& sunkEdge, TDataSkinBorder& comboButton, TDataSkinObject* extraImages);
// "ComboxArrow": without a sunken edge, the combo button's image with
// magenta turned into the button face; with one, the 17 x 17 button parts
// of the composed strip; empty without a combo button.
std::unique_ptr<TDataSkinObject> MakeComboArrow(const TDataSkinObject* sunkEdge, TDataSkinBorder* comboButton,
                                                TColor buttonFace);
// The pixel a third into the first frame of the top border, or the button
// face when the border has no image.
TColor BorderSampleColour(TDataSkinBorder& top, TColor buttonFace);
// "Toolbar": a 10 x 40 vertical gradient from a light tint of the button
// face to a shade of the border sample colour.
std::unique_ptr<TDataSkinObject> MakeToolbar(TColor buttonFace, TColor borderSample);
