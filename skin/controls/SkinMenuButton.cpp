// Drop-down buttons: glyph, caption and the drop-down arrow in a row.
#include "skin/controls/SkinButton.h"
#include "skin/data/SkinUtil.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/SkinDraw.h"
#include "ui/Control.h"

namespace {

int WidthOf(const RECT& r) { return r.right - r.left; }
int HeightOf(const RECT& r) { return r.bottom - r.top; }

// The drop-down arrow: a triangle pointing down.
constexpr SIZE kArrow{8, 3};

using TPenHandle = TGdiObject<HPEN>;

}  // namespace

QV_CLASS_INFO(TSkinMenuButton, {});

void TSkinMenuButton::DrawControl(HDC dc, const RECT& rect) {
  TDataSkinButton* element = Element();
  if (!element) return;
  ReadState();
  int face = kFaceNormal;
  if (!FEnabled)
    face = kFaceDisabled;
  else if (FButtonState & bsPressed)
    face = kFacePressed;
  else if (FFocused || (FButtonState & bsHot))
    face = kFaceHot;
  const HDC buffer = PrepareBuffer(rect);
  if (!buffer) return;
  const SIZE c{WidthOf(rect), HeightOf(rect)};
  DrawSkinElement(buffer, RECT{0, 0, c.cx, c.cy}, 5, face, *element);
  const TFontSelection font(buffer, ButtonFont());

  auto* glyph = dynamic_cast<TBitmap*>(GetObjectPropByName(FControl, "Glyph"));
  if (glyph && glyph->Empty()) glyph = nullptr;
  const SIZE g = glyph ? SIZE{glyph->Width(), glyph->Height()} : SIZE{0, 0};
  const std::wstring caption = BreakCaption(FCaption);
  RECT box{0, 0, c.cx - g.cx - kArrow.cx, c.cy};
  InflateRect(&box, -2, -2);
  SIZE s{0, 0};
  if (!caption.empty()) {
    RECT measured = box;
    DrawSkinText(buffer, caption, measured, DT_CALCRECT | DT_WORDBREAK);
    s = SIZE{WidthOf(measured), HeightOf(measured)};
  }
  int margin = GetOrdPropByName(FControl, "Margin");
  int spacing = GetOrdPropByName(FControl, "Spacing");
  if (margin == -1 && spacing == -1) {
    margin = (c.cx - (g.cx + s.cx + kArrow.cx)) / 4;
    spacing = margin;
  } else if (margin == -1) {
    margin = (c.cx - (g.cx + s.cx + 2 * spacing + kArrow.cx)) / 2;
  } else if (spacing == -1) {
    spacing = ((c.cx + kArrow.cx - 2 * margin - g.cx) - s.cx) / 2;
  }

  if (glyph) DrawGlyphPicture(buffer, POINT{margin, (c.cy - g.cy) / 2}, *glyph, BottomLeftColour(*glyph), !FEnabled);

  const int textX = margin + g.cx + spacing, textY = (c.cy - s.cy + 1) / 2;
  const COLORREF ink = GetSysColor(FEnabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT);
  SetTextColor(buffer, static_cast<COLORREF>(ColorToRGB(TextColour(face, true))));
  {
    const TBrushHandle brush(CreateSolidBrush(ink));
    const TPenHandle pen(CreatePen(PS_SOLID, 1, ink));
    const TSelectObject selectBrush(buffer, brush.Get());
    const TSelectObject selectPen(buffer, pen.Get());
    const int x = textX + 2 * spacing + s.cx, y = (c.cy - 3) / 2;
    const POINT arrow[] = {{x, y + 2}, {x - 3, y - 1}, {x + 3, y - 1}};
    Polygon(buffer, arrow, 3);
  }
  SetBkMode(buffer, TRANSPARENT);
  RECT text{textX, textY, textX + s.cx, textY + s.cy};
  DrawSkinText(buffer, caption, text, TextFlagsFor(DT_WORDBREAK));
  SetBkMode(buffer, OPAQUE);
  if (FocusRectWanted()) {
    InflateRect(&box, 2, 2);
    DrawFocusRect(buffer, &box);
  }
  PutBuffer(dc, rect);
}
