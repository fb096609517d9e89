#pragma once
// The face content of bitmap and speed buttons: a glyph and the caption,
// placed by Layout, Margin and Spacing. The glyph is a strip of NumGlyphs
// equally wide images side by side, for the up, disabled, down and
// exclusive (held down) states; a state without its own image uses the up
// image, drawn embossed when disabled. The glyph's bottom-left pixel is its
// transparent colour.
#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

#include "ui/Bitmap.h"

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
inline constexpr std::string_view kButtonLayoutNames[] = {"blGlyphLeft", "blGlyphRight", "blGlyphTop",
                                                          "blGlyphBottom"};

enum class TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

// Where the glyph and the caption go in a face of a given size.
struct TButtonGlyphPlaces {
  POINT Glyph;
  RECT Text;
};

// Margin is the space from the face's edge to the glyph (-1: glyph and
// caption centred together); Spacing the space between glyph and caption
// (-1 with Margin -1: glyph, caption and the three gaps around them equal;
// -1 with a Margin: the caption centred in the rest).
TButtonGlyphPlaces PlaceButtonGlyph(SIZE face, SIZE glyph, SIZE text, TButtonLayout layout, int margin,
                                    int spacing);

class TButtonGlyph {
 public:
  TButtonGlyph() : FGlyph(std::make_unique<TBitmap>()) {}

  TBitmap* Glyph() const { return FGlyph.get(); }
  void SetGlyph(const TBitmap* glyph);
  int NumGlyphs() const { return FNumGlyphs; }
  // 1 to 4 images.
  void SetNumGlyphs(int numGlyphs);
  // One image's size; 0 x 0 without a glyph.
  SIZE ImageSize() const;

  // Draws glyph and caption into the face rectangle, the caption in the
  // context's selected font and text colour (grey and embossed when
  // disabled).
  void Draw(HDC dc, const RECT& face, const std::string& caption, TButtonLayout layout, int margin, int spacing,
            TButtonState state, UINT textFlags);

 private:
  void DrawImage(HDC dc, POINT at, TButtonState state);

  std::unique_ptr<TBitmap> FGlyph;
  int FNumGlyphs = 1;
};
