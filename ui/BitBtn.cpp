#include "ui/BitBtn.h"

#include "ui/TypInfo.h"

const TPropInfo TBitBtn::Published[] = {
    Prop<TTypeKind::Object, &TBitBtn::Glyph, &TBitBtn::SetGlyph>("Glyph"),
    Prop<TTypeKind::Integer, &TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs>("NumGlyphs"),
    Prop<TTypeKind::Enumeration, &TBitBtn::Layout, &TBitBtn::SetLayout>("Layout", kButtonLayoutNames),
    Prop<TTypeKind::Integer, &TBitBtn::Margin, &TBitBtn::SetMargin>("Margin"),
    Prop<TTypeKind::Integer, &TBitBtn::Spacing, &TBitBtn::SetSpacing>("Spacing"),
};
QV_CLASS_INFO(TBitBtn, Published);

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) {}

void TBitBtn::SetGlyph(const TBitmap* glyph) {
  FGlyph.SetGlyph(glyph);
  Invalidate();
}

void TBitBtn::SetNumGlyphs(int numGlyphs) {
  FGlyph.SetNumGlyphs(numGlyphs);
  Invalidate();
}

void TBitBtn::SetLayout(TButtonLayout layout) {
  FLayout = layout;
  Invalidate();
}

void TBitBtn::SetMargin(int margin) {
  FMargin = margin < -1 ? -1 : margin;
  Invalidate();
}

void TBitBtn::SetSpacing(int spacing) {
  FSpacing = spacing < -1 ? -1 : spacing;
  Invalidate();
}

void TBitBtn::CreateParams(TCreateParams& params) {
  TButton::CreateParams(params);
  params.Style = (params.Style & ~static_cast<DWORD>(BS_TYPEMASK)) | BS_OWNERDRAW;
  // An owner-drawn button answers a double click with its own
  // notification instead of a second click: it gets two presses instead.
  params.WindowClass.style &= ~static_cast<UINT>(CS_DBLCLKS);
}

void TBitBtn::CNDrawItem(const DRAWITEMSTRUCT& item, TMessage& message) {
  const HDC dc = item.hDC;
  const bool pressed = item.itemState & ODS_SELECTED;
  const bool focused = item.itemState & ODS_FOCUS;
  const bool disabled = item.itemState & ODS_DISABLED;
  RECT face = item.rcItem;
  // The default or focused button has a dark border around its face.
  if (Default() || focused) {
    FrameRect(dc, &face, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    InflateRect(&face, -1, -1);
  }
  DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
  RECT content = face;
  InflateRect(&content, -2, -2);
  if (pressed) OffsetRect(&content, 1, 1);
  {
    const TSaveDC saved(dc);
    SelectObject(dc, Font()->Handle());
    SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(Font()->Color())));
    const TButtonState state = disabled ? TButtonState::bsDisabled
                               : pressed ? TButtonState::bsDown
                                         : TButtonState::bsUp;
    FGlyph.Draw(dc, content, Caption(), FLayout, FMargin, FSpacing, state,
                UseRightToLeftReading() ? DT_RTLREADING : 0);
  }
  if (focused) {
    InflateRect(&face, -3, -3);
    DrawFocusRect(dc, &face);
  }
  message.Result = TRUE;
}
