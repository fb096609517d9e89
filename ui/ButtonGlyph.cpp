#include "ui/ButtonGlyph.h"

#include <algorithm>

namespace {

// Raster operation: the brush where the monochrome source is black, the
// destination where it is white.
constexpr DWORD kBrushWhereBlack = 0x00B8074A;

// Fills the non-transparent pixels of an image of the glyph with a system
// colour.
void FillShape(HDC dc, POINT at, SIZE size, HDC mask, int colourIndex) {
  const TBrushHandle brush(CreateSolidBrush(GetSysColor(colourIndex)));
  const TSelectObject selected(dc, brush.Get());
  BitBlt(dc, at.x, at.y, size.cx, size.cy, mask, 0, 0, kBrushWhereBlack);
}

}  // namespace

TButtonGlyphPlaces PlaceButtonGlyph(SIZE face, SIZE glyph, SIZE text, TButtonLayout layout, int margin,
                                    int spacing) {
  const bool across = layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphRight;
  // Along the layout's axis and across it.
  const int faceAlong = across ? face.cx : face.cy;
  const int glyphAlong = across ? glyph.cx : glyph.cy;
  const int textAlong = across ? text.cx : text.cy;
  POINT glyphAt{};
  POINT textAt{};
  if (across) {
    glyphAt.y = (face.cy - glyph.cy + 1) / 2;
    textAt.y = (face.cy - text.cy + 1) / 2;
  } else {
    glyphAt.x = (face.cx - glyph.cx + 1) / 2;
    textAt.x = (face.cx - text.cx + 1) / 2;
  }
  // Without a glyph or a caption there is nothing to space.
  if (text.cx == 0 || glyph.cx == 0) spacing = 0;
  if (margin == -1) {
    if (spacing < 0) {
      margin = (faceAlong - (glyphAlong + textAlong)) / 3;
      spacing = margin;
    } else {
      margin = (faceAlong - (glyphAlong + spacing + textAlong) + 1) / 2;
    }
  } else if (spacing < 0) {
    spacing = (faceAlong - (margin + glyphAlong) - textAlong) / 2;
  }
  LONG& glyphPos = across ? glyphAt.x : glyphAt.y;
  LONG& textPos = across ? textAt.x : textAt.y;
  switch (layout) {
    case TButtonLayout::blGlyphLeft:
    case TButtonLayout::blGlyphTop:
      glyphPos = margin;
      textPos = glyphPos + glyphAlong + spacing;
      break;
    case TButtonLayout::blGlyphRight:
    case TButtonLayout::blGlyphBottom:
      glyphPos = faceAlong - margin - glyphAlong;
      textPos = glyphPos - spacing - textAlong;
      break;
  }
  return {glyphAt, RECT{textAt.x, textAt.y, textAt.x + text.cx, textAt.y + text.cy}};
}

void TButtonGlyph::SetGlyph(const TBitmap* glyph) {
  if (glyph) {
    FGlyph->Assign(*glyph);
  } else {
    FGlyph->Clear();
  }
}

void TButtonGlyph::SetNumGlyphs(int numGlyphs) { FNumGlyphs = std::clamp(numGlyphs, 1, 4); }

SIZE TButtonGlyph::ImageSize() const {
  if (FGlyph->Empty()) return SIZE{0, 0};
  return SIZE{FGlyph->Width() / FNumGlyphs, FGlyph->Height()};
}

void TButtonGlyph::Draw(HDC dc, const RECT& face, const std::string& caption, TButtonLayout layout, int margin,
                        int spacing, TButtonState state, UINT textFlags) {
  SIZE text{0, 0};
  if (!caption.empty()) {
    RECT measured{0, 0, face.right - face.left, 0};
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &measured,
              DT_CALCRECT | DT_SINGLELINE | textFlags);
    text = SIZE{measured.right - measured.left, measured.bottom - measured.top};
  }
  const SIZE faceSize{face.right - face.left, face.bottom - face.top};
  TButtonGlyphPlaces places = PlaceButtonGlyph(faceSize, ImageSize(), text, layout, margin, spacing);
  if (!FGlyph->Empty()) DrawImage(dc, POINT{face.left + places.Glyph.x, face.top + places.Glyph.y}, state);
  if (caption.empty()) return;
  OffsetRect(&places.Text, face.left, face.top);
  SetBkMode(dc, TRANSPARENT);
  const UINT flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE | textFlags;
  if (state == TButtonState::bsDisabled) {
    // Embossed: a highlight below and right of the grey text.
    OffsetRect(&places.Text, 1, 1);
    SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &places.Text, flags);
    OffsetRect(&places.Text, -1, -1);
    SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
  }
  DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &places.Text, flags);
}

void TButtonGlyph::DrawImage(HDC dc, POINT at, TButtonState state) {
  const SIZE size = ImageSize();
  const int index = static_cast<int>(state);
  const HDC glyph = FGlyph->Canvas().Handle();
  const COLORREF transparent = GetPixel(glyph, 0, FGlyph->Height() - 1);
  if (index < FNumGlyphs) {
    GdiTransparentBlt(dc, at.x, at.y, size.cx, size.cy, glyph, index * size.cx, 0, size.cx, size.cy, transparent);
    return;
  }
  if (state != TButtonState::bsDisabled) {
    GdiTransparentBlt(dc, at.x, at.y, size.cx, size.cy, glyph, 0, 0, size.cx, size.cy, transparent);
    return;
  }
  // The up image embossed: its shape in the highlight colour one pixel
  // down and right, and in the shadow colour on top.
  const TMemoryDC mask(dc);
  const TBitmapHandle maskBitmap(CreateBitmap(size.cx, size.cy, 1, 1, nullptr));
  const TSelectObject selected(mask.Get(), maskBitmap.Get());
  const COLORREF oldBack = SetBkColor(glyph, transparent);
  BitBlt(mask.Get(), 0, 0, size.cx, size.cy, glyph, 0, 0, SRCCOPY);
  SetBkColor(glyph, oldBack);
  const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  const COLORREF oldDestBack = SetBkColor(dc, RGB(255, 255, 255));
  FillShape(dc, POINT{at.x + 1, at.y + 1}, size, mask.Get(), COLOR_BTNHIGHLIGHT);
  FillShape(dc, at, size, mask.Get(), COLOR_BTNSHADOW);
  SetTextColor(dc, oldText);
  SetBkColor(dc, oldDestBack);
}
