#include "ui/GroupBox.h"

#include "ui/TypInfo.h"

QV_CLASS_INFO(TCustomGroupBox, {});

const TPropInfo TGroupBox::Published[] = {
    Prop<TTypeKind::String, &TControl::Caption, &TControl::SetCaption>("Caption"),
};
QV_CLASS_INFO(TGroupBox, Published);

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TWinControl(owner) {
  SetColor(SystemColor(COLOR_BTNFACE));
  SetBounds(0, 0, 185, 105);
}

void TCustomGroupBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, "BUTTON");
  params.Style |= BS_GROUPBOX | WS_CLIPCHILDREN;
  params.ExStyle |= WS_EX_CONTROLPARENT;
  // Read right to left, the caption also sits at the right.
  if (UseRightToLeftReading()) params.ExStyle |= WS_EX_RTLREADING;
  if (BiDiMode() == TBiDiMode::bdRightToLeft) params.ExStyle |= WS_EX_RIGHT;
}

void TCustomGroupBox::AdjustClientRect(RECT& rect) const {
  // Below the caption, which is as high as a line of the font.
  const TWindowDC dc;
  const TSelectObject font(dc.Get(), Font()->Handle());
  SIZE size{};
  GetTextExtentPoint32A(dc.Get(), "0", 1, &size);
  rect.top += size.cy;
  InflateRect(&rect, -2, -2);
}

void TCustomGroupBox::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_NCHITTEST: return WMNCHitTest(message);
    case CM_TEXTCHANGED: return CMTextChanged(message);
    default: return TWinControl::WndProc(message);
  }
}

// The system's group box lets the mouse through to the window beneath; the
// framework's holds it, like any control with controls inside.
void TCustomGroupBox::WMNCHitTest(TMessage& message) {
  TWinControl::WndProc(message);
  if (message.Result == HTTRANSPARENT) message.Result = HTCLIENT;
}

void TCustomGroupBox::CMTextChanged(TMessage&) {
  Realign();
  Invalidate();
}
