#include "ui/SpeedButton.h"

#include "ui/TypInfo.h"
#include "ui/WinControl.h"

const TPropInfo TSpeedButton::Published[] = {
    Prop<TTypeKind::String, &TControl::Caption, &TControl::SetCaption>("Caption"),
    Prop<TTypeKind::Object, &TSpeedButton::Glyph, &TSpeedButton::SetGlyph>("Glyph"),
    Prop<TTypeKind::Integer, &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs>("NumGlyphs"),
    Prop<TTypeKind::Enumeration, &TSpeedButton::Layout, &TSpeedButton::SetLayout>("Layout", kButtonLayoutNames),
    Prop<TTypeKind::Integer, &TSpeedButton::Margin, &TSpeedButton::SetMargin>("Margin"),
    Prop<TTypeKind::Integer, &TSpeedButton::Spacing, &TSpeedButton::SetSpacing>("Spacing"),
    Prop<TTypeKind::Boolean, &TSpeedButton::Flat, &TSpeedButton::SetFlat>("Flat"),
    Prop<TTypeKind::Boolean, &TSpeedButton::Transparent, &TSpeedButton::SetTransparent>("Transparent"),
    Prop<TTypeKind::Integer, &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex>("GroupIndex"),
    Prop<TTypeKind::Boolean, &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp>("AllowAllUp"),
    Prop<TTypeKind::Boolean, &TSpeedButton::Down, &TSpeedButton::SetDown>("Down"),
    Prop<TTypeKind::Method, &TControl::OnClick, &TControl::OnClick>("OnClick"),
};
QV_CLASS_INFO(TSpeedButton, Published);

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {
  SetColor(SystemColor(COLOR_BTNFACE));
  SetBounds(0, 0, 23, 22);
}

void TSpeedButton::SetGlyph(const TBitmap* glyph) {
  FGlyph.SetGlyph(glyph);
  Invalidate();
}

void TSpeedButton::SetNumGlyphs(int numGlyphs) {
  FGlyph.SetNumGlyphs(numGlyphs);
  Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout layout) {
  FLayout = layout;
  Invalidate();
}

void TSpeedButton::SetMargin(int margin) {
  FMargin = margin < -1 ? -1 : margin;
  Invalidate();
}

void TSpeedButton::SetSpacing(int spacing) {
  FSpacing = spacing < -1 ? -1 : spacing;
  Invalidate();
}

void TSpeedButton::SetFlat(bool flat) {
  FFlat = flat;
  Invalidate();
}

void TSpeedButton::SetTransparent(bool transparent) {
  FTransparent = transparent;
  Invalidate();
}

void TSpeedButton::SetGroupIndex(int groupIndex) {
  FGroupIndex = groupIndex;
  if (FGroupIndex == 0) SetDown(false);
}

void TSpeedButton::SetAllowAllUp(bool allowAllUp) { FAllowAllUp = allowAllUp; }

void TSpeedButton::SetDown(bool down) {
  if (FGroupIndex == 0) down = false;
  if (down == FDown) return;
  FDown = down;
  Invalidate();
  if (!down || !Parent()) return;
  // One button of a group is down at a time.
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
    if (other && other != this && other->FGroupIndex == FGroupIndex) other->SetDown(false);
  }
}

bool TSpeedButton::Contains(int x, int y) const { return x >= 0 && y >= 0 && x < Width() && y < Height(); }

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseDown(button, shift, x, y);
  if (button != TMouseButton::mbLeft || !Enabled()) return;
  FDragging = true;
  FPressed = true;
  Invalidate();
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y) {
  TGraphicControl::MouseMove(shift, x, y);
  if (!FDragging) return;
  const bool pressed = Contains(x, y);
  if (pressed == FPressed) return;
  FPressed = pressed;
  Invalidate();
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseUp(button, shift, x, y);
  if (button != TMouseButton::mbLeft || !FDragging) return;
  FDragging = false;
  FPressed = false;
  Invalidate();
  if (!Contains(x, y)) return;
  if (FGroupIndex != 0) SetDown(!FDown || !FAllowAllUp);
  Click();
}

void TSpeedButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_MOUSEENTER: return CMMouseEnter(message);
    case CM_MOUSELEAVE: return CMMouseLeave(message);
    default: return TGraphicControl::WndProc(message);
  }
}

void TSpeedButton::CMMouseEnter(TMessage&) {
  FMouseInControl = true;
  if (FFlat && Enabled()) Invalidate();
}

void TSpeedButton::CMMouseLeave(TMessage&) {
  FMouseInControl = false;
  if (FFlat && Enabled()) Invalidate();
}

void TSpeedButton::Paint() {
  const HDC dc = Canvas().Handle();
  RECT face{0, 0, Width(), Height()};
  const bool sunken = FPressed || FDown;
  if (!FTransparent) {
    Canvas().SetBrushColor(Color());
    Canvas().FillRect(face);
  }
  if (!FFlat) {
    DrawEdge(dc, &face, sunken ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST);
  } else if (sunken || (FMouseInControl && Enabled())) {
    DrawEdge(dc, &face, sunken ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
  }
  if (sunken) OffsetRect(&face, 1, 1);
  const TSelectObject font(dc, Font()->Handle());
  SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(Font()->Color())));
  TButtonState state = TButtonState::bsUp;
  if (!Enabled()) {
    state = TButtonState::bsDisabled;
  } else if (FPressed) {
    state = TButtonState::bsDown;
  } else if (FDown) {
    state = TButtonState::bsExclusive;
  }
  FGlyph.Draw(dc, face, Caption(), FLayout, FMargin, FSpacing, state, UseRightToLeftReading() ? DT_RTLREADING : 0);
}
