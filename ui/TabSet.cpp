#include "ui/TabSet.h"

#include <string>

#include "ui/Gdi.h"
#include "ui/TypInfo.h"

namespace {

// From the control's left edge to the first tab, and around a tab's text.
constexpr int kFirstTab = 4;
constexpr int kTextMargin = 8;
// The line along the bottom that the tabs stand on.
constexpr int kBottomLine = 2;

int TextWidth(HFONT font, const std::string& text) {
  const HDC screen = GetDC(nullptr);
  const HGDIOBJ old = SelectObject(screen, font);
  SIZE size{};
  GetTextExtentPoint32A(screen, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  return size.cx;
}

void Fill(HDC dc, const RECT& rect, TColor colour) {
  const TBrushHandle brush(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(colour))));
  FillRect(dc, &rect, brush.Get());
}

}  // namespace

const TPropInfo TTabSet::Published[] = {
    Prop<TTypeKind::Object, &TTabSet::Tabs, &TTabSet::SetTabs>("Tabs"),
    Prop<TTypeKind::Integer, &TTabSet::TabIndex, &TTabSet::SetTabIndex>("TabIndex"),
    Prop<TTypeKind::Method, &TTabSet::OnChange, &TTabSet::OnChange>("OnChange"),
};
QV_CLASS_INFO(TTabSet, Published);

TTabSet::TTabSet(TComponent* owner)
    : TCustomControl(owner),
      FTabs(std::make_unique<TItemStrings>(TItemStrings::TChangeEvent::Of<&TTabSet::TabsChanged>(this))) {
  SetColor(SystemColor(COLOR_BTNFACE));
  SetBounds(0, 0, 185, 21);
}

void TTabSet::SetTabs(const TStrings* tabs) {
  if (tabs) FTabs->Assign(*tabs);
}

void TTabSet::SetTabIndex(int index) {
  if (index < -1 || index >= FTabs->Count()) index = -1;
  if (index == FTabIndex) return;
  FTabIndex = index;
  Invalidate();
}

RECT TTabSet::TabRect(int index) const {
  int left = kFirstTab;
  for (int i = 0; i < index; ++i) left += TextWidth(Font()->Handle(), FTabs->Get(i)) + 2 * kTextMargin;
  const int width = TextWidth(Font()->Handle(), FTabs->Get(index)) + 2 * kTextMargin;
  return RECT{left, 0, left + width, Height() - kBottomLine};
}

int TTabSet::TabAt(POINT point) const {
  for (int i = 0; i < FTabs->Count(); ++i) {
    const RECT tab = TabRect(i);
    if (PtInRect(&tab, point)) return i;
  }
  return -1;
}

void TTabSet::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  const int index = button == TMouseButton::mbLeft ? TabAt(POINT{x, y}) : -1;
  if (index < 0 || index == FTabIndex) return;
  SetTabIndex(index);
  if (OnChange) OnChange(this);
}

void TTabSet::TabsChanged(TItemChange change, int index) {
  if (change == TItemChange::icCleared || (change == TItemChange::icDeleting && index == FTabIndex)) FTabIndex = -1;
  if (change == TItemChange::icDeleting && index < FTabIndex) --FTabIndex;
  Invalidate();
}

// The tabs in the window colour with a shadow on their sides and bottom, the
// chosen one in the face colour, open towards the top.
void TTabSet::Paint() {
  const HDC dc = Canvas().Handle();
  const RECT client = ClientRect();
  Fill(dc, client, Color());
  Fill(dc, RECT{client.left, client.top, client.right, client.top + 1}, SystemColor(COLOR_3DDKSHADOW));
  const TSelectObject font(dc, Font()->Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(Font()->Color())));
  for (int i = 0; i < FTabs->Count(); ++i) {
    RECT tab = TabRect(i);
    const bool chosen = i == FTabIndex;
    Fill(dc, tab, SystemColor(COLOR_3DDKSHADOW));
    RECT face{tab.left + 1, chosen ? tab.top : tab.top + 1, tab.right - 1, tab.bottom - 1};
    Fill(dc, face, chosen ? Color() : SystemColor(COLOR_WINDOW));
    const std::string text = FTabs->Get(i);
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &face, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
}
