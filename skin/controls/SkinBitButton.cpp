// Bitmap buttons, and the glyph and caption layout they share with speed
// buttons.
#include <algorithm>
#include <memory>

#include "skin/controls/SkinButton.h"
#include "skin/data/SkinUtil.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/SkinDraw.h"
#include "ui/Control.h"
#include "ui/ImageList.h"
#include "ui/StrUtils.h"

namespace {

int WidthOf(const RECT& r) { return r.right - r.left; }
int HeightOf(const RECT& r) { return r.bottom - r.top; }

// Along the layout's axis (x for glyph left and right, y for top and
// bottom) and across it.
LONG& Along(POINT& p, bool vertical) { return vertical ? p.y : p.x; }
LONG& Across(POINT& p, bool vertical) { return vertical ? p.x : p.y; }
LONG Along(SIZE s, bool vertical) { return vertical ? s.cy : s.cx; }
LONG Across(SIZE s, bool vertical) { return vertical ? s.cx : s.cy; }

}  // namespace

TColor BottomLeftColour(TBitmap& picture) { return picture.Canvas().Pixel(0, picture.Height() - 1); }

void DrawGlyphPicture(HDC dc, POINT at, TBitmap& picture, TColor key, bool embossed) {
  if (embossed) {
    const std::unique_ptr<TBitmap> look = MakeDisabledGlyph(picture);
    return DrawGlyphPicture(dc, at, *look, BottomLeftColour(*look), false);
  }
  DrawTransparent(dc, RECT{at.x, at.y, at.x + picture.Width(), at.y + picture.Height()}, picture, key);
}

TGlyphPlacement PlaceGlyph(SIZE face, SIZE glyph, SIZE text, int layout, int margin, int spacing, bool centred,
                           bool speedButton) {
  const bool vertical = layout >= 2;
  TGlyphPlacement place;
  Across(place.Glyph, vertical) = (Across(face, vertical) - Across(glyph, vertical) + 1) / 2;
  Across(place.Text, vertical) = (Across(face, vertical) - Across(text, vertical) + 1) / 2;
  if (text.cx == 0 || glyph.cx == 0) spacing = 0;
  const int length = Along(face, vertical), g = Along(glyph, vertical), s = Along(text, vertical);
  if (centred) {
    if (spacing == -1) {
      margin = (length - (g + s)) / 3;
      spacing = margin;
    } else {
      margin = (length - (g + spacing + s)) / 2 + (speedButton ? 1 : 0);
    }
  } else if (spacing == -1) {
    spacing = ((length - margin - g) - s) / 2;
  }
  LONG& glyphAt = Along(place.Glyph, vertical);
  LONG& textAt = Along(place.Text, vertical);
  if (layout == 0 || layout == 2) {
    glyphAt = margin;
    textAt = margin + g + spacing;
  } else {
    glyphAt = length - margin - g;
    textAt = glyphAt - spacing - s;
  }
  place.Align = vertical ? DT_CENTER : layout == 0 ? DT_LEFT : DT_RIGHT;
  return place;
}

QV_CLASS_INFO(TSkinBitButton, {});

TSkinBitButton::TSkinBitButton(TComponent* owner, std::string imageProperty)
    : TSkinButton(owner), FImageProperty(std::move(imageProperty)) {}

void TSkinBitButton::DrawControl(HDC dc, const RECT& rect) {
  TDataSkinButton* element = Element();
  if (!element) return;
  if (FPaintControl && AsciiLowerCase(GetEnumPropByName(FPaintControl, "Visible")) == "false") return;
  const int face = PushButtonFace(ReadState());
  const HDC buffer = PrepareBuffer(rect);
  if (!buffer) return;
  const RECT local{0, 0, WidthOf(rect), HeightOf(rect)};
  DrawSkinElement(buffer, local, 5, face, *element);
  const int glyphFrame = face == kFacePressed ? 3 : face == kFaceDisabled ? 2 : 1;
  DrawGlyphAndText(buffer, local, face, glyphFrame, false);
  PutBuffer(dc, rect);
}

void TSkinBitButton::DrawGlyphAndText(HDC dc, const RECT& rect, int face, int glyphFrame, bool speedButton) {
  const TControl* control = FPaintControl ? FPaintControl : FControl;
  // The image property's picture is a glyph of one image.
  auto* glyph = dynamic_cast<TBitmap*>(GetObjectPropByName(control, FImageProperty.empty() ? "Glyph" : FImageProperty));
  const int numGlyphs = FImageProperty.empty() ? std::max(GetOrdPropByName(control, "NumGlyphs"), 1) : 1;
  const auto* images = dynamic_cast<const TImageList*>(GetObjectPropByName(control, "Images"));
  const int imageIndex = GetOrdPropByName(control, "ImageIndex");
  const int disabledIndex = GetOrdPropByName(control, "DisabledIndex");
  const int margin = GetOrdPropByName(control, "Margin");
  const int spacing = GetOrdPropByName(control, "Spacing");
  const std::string layoutName = AsciiLowerCase(GetEnumPropByName(control, "Layout"));
  const int layout = layoutName == "blglyphright" ? 1 : layoutName == "blglyphtop" ? 2
                     : layoutName == "blglyphbottom" ? 3 : 0;

  SIZE g{0, 0};
  if (glyph && !glyph->Empty())
    g = SIZE{glyph->Width() / numGlyphs, glyph->Height()};
  else if (images && imageIndex != -1)
    g = SIZE{images->Width(), images->Height()};
  const TFontSelection font(dc, ButtonFont());
  SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(TextColour(face, speedButton))));
  if (speedButton && g.cx * g.cy == 0) return DrawButtonText(dc, rect, DT_CENTER, FCaption);

  const std::wstring caption = BreakCaption(FCaption);
  RECT box = rect;
  InflateRect(&box, -2, -2);
  if (layout < 2)
    box.right -= g.cx + 2;
  else
    box.bottom -= g.cy + 2;
  SIZE s{0, 0};
  if (!caption.empty()) {
    RECT measured = box;
    DrawSkinText(dc, caption, measured, DT_CALCRECT | DT_WORDBREAK);
    s = SIZE{WidthOf(measured), HeightOf(measured)};
  }
  const bool centred =
      margin == -1 || (!speedButton && AsciiLowerCase(GetEnumPropByName(control, "Alignment")) == "tacenter");
  const TGlyphPlacement place = PlaceGlyph(SIZE{WidthOf(rect), HeightOf(rect)}, g, s, layout, margin, spacing,
                                           centred, speedButton);
  const POINT glyphAt{rect.left + place.Glyph.x, rect.top + place.Glyph.y};

  if (glyph && !glyph->Empty()) {
    // A state without an image of its own shows the first.
    const int frame = glyphFrame > numGlyphs ? 1 : glyphFrame;
    TBitmap picture(g.cx, g.cy);
    BitBlt(picture.Canvas().Handle(), 0, 0, g.cx, g.cy, glyph->Canvas().Handle(), (frame - 1) * g.cx, 0, SRCCOPY);
    // The whole glyph's bottom-left pixel is the key of every image.
    DrawGlyphPicture(dc, glyphAt, picture, BottomLeftColour(*glyph), !FEnabled && numGlyphs == 1);
  } else if (images && imageIndex != -1) {
    if (FEnabled || disabledIndex != -1) {
      images->Draw(dc, glyphAt.x, glyphAt.y, FEnabled ? imageIndex : disabledIndex);
    } else {
      TBitmap picture(g.cx, g.cy);
      FillColor(picture.Canvas().Handle(), RECT{0, 0, g.cx, g.cy}, SystemColor(COLOR_BTNFACE));
      images->Draw(picture.Canvas().Handle(), 0, 0, imageIndex);
      DrawGlyphPicture(dc, glyphAt, picture, BottomLeftColour(picture), true);
    }
  }

  SetBkMode(dc, TRANSPARENT);
  RECT text{rect.left + place.Text.x, rect.top + place.Text.y, 0, 0};
  text.right = text.left + s.cx;
  text.bottom = text.top + s.cy;
  DrawSkinText(dc, caption, text, TextFlagsFor(place.Align | DT_WORDBREAK));
  SetBkMode(dc, OPAQUE);
  if (!FocusRectWanted()) return;
  InflateRect(&box, 2, 2);
  DrawFocusRect(dc, &box);
}
