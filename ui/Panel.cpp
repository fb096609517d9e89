#include "ui/Panel.h"

#include "ui/TypInfo.h"

namespace {

constexpr std::string_view kBevelCutNames[] = {"bvNone", "bvLowered", "bvRaised", "bvSpace"};

void FillColor(HDC dc, const RECT& rect, TColor color) {
  const TBrushHandle brush(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(color))));
  FillRect(dc, &rect, brush.Get());
}

// Draws a bevel of the given width along the inside of rect and shrinks
// rect by it: top and left edges in one colour, bottom and right in another.
void DrawBevel(HDC dc, RECT& rect, TBevelCut cut, int width, TColor face) {
  TColor topLeft = face;
  TColor bottomRight = face;
  if (cut == TBevelCut::bvRaised) {
    topLeft = SystemColor(COLOR_BTNHIGHLIGHT);
    bottomRight = SystemColor(COLOR_BTNSHADOW);
  } else if (cut == TBevelCut::bvLowered) {
    topLeft = SystemColor(COLOR_BTNSHADOW);
    bottomRight = SystemColor(COLOR_BTNHIGHLIGHT);
  }
  for (int i = 0; i < width; ++i) {
    FillColor(dc, RECT{rect.left, rect.top, rect.right, rect.top + 1}, topLeft);
    FillColor(dc, RECT{rect.left, rect.top, rect.left + 1, rect.bottom}, topLeft);
    FillColor(dc, RECT{rect.left, rect.bottom - 1, rect.right, rect.bottom}, bottomRight);
    FillColor(dc, RECT{rect.right - 1, rect.top, rect.right, rect.bottom}, bottomRight);
    InflateRect(&rect, -1, -1);
  }
}

}  // namespace

QV_CLASS_INFO(TCustomPanel, {});

const TPropInfo TPanel::Published[] = {
    Prop<TTypeKind::String, &TControl::Caption, &TControl::SetCaption>("Caption"),
    Prop<TTypeKind::Enumeration, &TCustomPanel::BevelInner, &TCustomPanel::SetBevelInner>("BevelInner",
                                                                                         kBevelCutNames),
    Prop<TTypeKind::Enumeration, &TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter>("BevelOuter",
                                                                                         kBevelCutNames),
    Prop<TTypeKind::Integer, &TCustomPanel::BevelWidth, &TCustomPanel::SetBevelWidth>("BevelWidth"),
};
QV_CLASS_INFO(TPanel, Published);

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
  SetColor(SystemColor(COLOR_BTNFACE));
  SetBounds(0, 0, 185, 41);
}

void TCustomPanel::SetBevelInner(TBevelCut bevel) {
  if (bevel == FBevelInner) return;
  FBevelInner = bevel;
  BevelsChanged();
}

void TCustomPanel::SetBevelOuter(TBevelCut bevel) {
  if (bevel == FBevelOuter) return;
  FBevelOuter = bevel;
  BevelsChanged();
}

void TCustomPanel::SetBevelWidth(int width) {
  if (width < 1) width = 1;
  if (width == FBevelWidth) return;
  FBevelWidth = width;
  BevelsChanged();
}

void TCustomPanel::BevelsChanged() {
  Realign();
  Invalidate();
}

void TCustomPanel::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.Style |= WS_CLIPCHILDREN;
}

void TCustomPanel::AdjustClientRect(RECT& rect) const {
  int inset = 0;
  if (FBevelOuter != TBevelCut::bvNone) inset += FBevelWidth;
  if (FBevelInner != TBevelCut::bvNone) inset += FBevelWidth;
  InflateRect(&rect, -inset, -inset);
}

void TCustomPanel::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_TEXTCHANGED: return CMTextChanged(message);
    default: return TCustomControl::WndProc(message);
  }
}

void TCustomPanel::Paint() {
  const HDC dc = Canvas().Handle();
  RECT rect = ClientRect();
  if (FBevelOuter != TBevelCut::bvNone) DrawBevel(dc, rect, FBevelOuter, FBevelWidth, Color());
  if (FBevelInner != TBevelCut::bvNone) DrawBevel(dc, rect, FBevelInner, FBevelWidth, Color());
  FillRect(dc, &rect, Brush());
  const std::string caption = Caption();
  if (caption.empty()) return;
  const TSelectObject font(dc, Font()->Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(Font()->Color())));
  DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &rect,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void TCustomPanel::CMTextChanged(TMessage&) { Invalidate(); }
