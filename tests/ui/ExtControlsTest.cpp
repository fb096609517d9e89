// Bitmap buttons, scrolling containers, frames and grids, and the
// mouse-down handler every control has.
#include <gtest/gtest.h>

#include "tests/ui/ControlTesting.h"
#include "ui/BitBtn.h"
#include "ui/Frame.h"
#include "ui/Grid.h"
#include "ui/Panel.h"
#include "ui/TypInfo.h"

namespace {

struct TEvents {
  void Notify(TObject*) { ++Count; }
  TNotifyEvent Event() { return TNotifyEvent::Of<&TEvents::Notify>(this); }
  int Count = 0;
};

template <class T>
T* Place(TWinControl& parent, const RECT& bounds) {
  auto* control = new T(&parent);
  control->SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
  control->SetParent(&parent);
  return control;
}

DWORD StyleOf(TWinControl& control) { return static_cast<DWORD>(GetWindowLongA(control.Handle(), GWL_STYLE)); }

}  // namespace

TEST(BitBtn, DrawsItsGlyphBesideItsCaptionAndIsClicked) {
  auto host = NewHostForm();
  TEvents clicks;
  auto* button = Place<TBitBtn>(*host, RECT{10, 10, 130, 50});
  button->SetCaption("保存");
  button->OnClick = clicks.Event();
  TBitmap glyph(12, 12);
  glyph.Canvas().SetBrushColor(clFuchsia);
  glyph.Canvas().FillRect(RECT{0, 0, 12, 12});
  glyph.Canvas().SetBrushColor(static_cast<TColor>(RGB(0, 120, 240)));
  glyph.Canvas().FillRect(RECT{2, 2, 10, 10});
  SetPropValue(*button, "Glyph", static_cast<TObject*>(&glyph));
  EXPECT_TRUE(SetPropFromText(button, "Margin", "6"));
  EXPECT_EQ(StyleOf(*button) & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW));
  UpdateWindow(button->Handle());
  // The face's edge and the margin, then the glyph: two transparent
  // columns before its square.
  const int glyphLeft = 2 + 6;
  EXPECT_EQ(ScreenPixel(button->Handle(), POINT{glyphLeft + 2 + 3, 20}), RGB(0, 120, 240));
  EXPECT_EQ(ScreenPixel(button->Handle(), POINT{glyphLeft + 1, 20}), GetSysColor(COLOR_BTNFACE));
  ClickClient(button->Handle(), POINT{60, 20});
  EXPECT_EQ(clicks.Count, 1);
  auto* published = dynamic_cast<TBitmap*>(FindObjectProp(button, "Glyph"));
  ASSERT_NE(published, nullptr);
  EXPECT_EQ(published->Width(), 12);
  EXPECT_EQ(FindIntProp(button, "NumGlyphs"), 1);
  EXPECT_EQ(FindEnumProp(button, "Layout"), "blGlyphLeft");
  EXPECT_EQ(FindIntProp(button, "Spacing"), 4);
  // A bitmap button is a push button, with its caption and Default.
  EXPECT_TRUE(button->InheritsFrom(TButton::ClassInfo));
  EXPECT_TRUE(SetPropFromText(button, "Default", "True"));
  EXPECT_EQ(StyleOf(*button) & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW));
}

TEST(ScrollBox, ShowsScrollBarsForChildrenBeyondItAndScrollsThem) {
  auto host = NewHostForm();
  auto* box = Place<TScrollBox>(*host, RECT{10, 10, 210, 160});
  auto* child = Place<TPanel>(*box, RECT{10, 20, 110, 60});
  EXPECT_FALSE(StyleOf(*box) & WS_VSCROLL);
  auto* distant = Place<TPanel>(*box, RECT{10, 400, 110, 440});
  EXPECT_TRUE(StyleOf(*box) & WS_VSCROLL);
  EXPECT_FALSE(StyleOf(*box) & WS_HSCROLL);
  // A click on the down arrow scrolls the children up.
  RECT client{};
  GetClientRect(box->Handle(), &client);
  SCROLLBARINFO bar{};
  bar.cbSize = sizeof bar;
  GetScrollBarInfo(box->Handle(), OBJID_VSCROLL, &bar);
  POINT arrow{(bar.rcScrollBar.left + bar.rcScrollBar.right) / 2, bar.rcScrollBar.bottom - 4};
  ScreenToClient(box->Handle(), &arrow);
  ClickClient(box->Handle(), arrow);
  EXPECT_EQ(child->Top(), 12);
  EXPECT_EQ(box->ScrollPosition().y, 8);
  box->SetScrollPosition(POINT{0, 10000});
  EXPECT_EQ(distant->Top() + distant->Height(), client.bottom);
  EXPECT_EQ(FindEnumProp(box, "BorderStyle"), "bsSingle");
  // Nothing left beyond: no bar, nothing scrolled.
  delete distant;
  EXPECT_EQ(box->ScrollPosition().y, 0);
  EXPECT_EQ(child->Top(), 20);
  EXPECT_FALSE(StyleOf(*box) & WS_VSCROLL);
}

TEST(Frame, IsAScrollingContainerOfTheComponentsItOwns) {
  auto host = NewHostForm();
  auto* frame = Place<TCustomFrame>(*host, RECT{10, 10, 210, 160});
  auto* panel = Place<TPanel>(*frame, RECT{0, 0, 50, 50});
  EXPECT_EQ(panel->Owner(), frame);
  EXPECT_EQ(frame->ComponentCount(), 1);
  EXPECT_TRUE(frame->InheritsFrom(TScrollingWinControl::ClassInfo));
  EXPECT_TRUE(GetWindowLongA(frame->Handle(), GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
}

TEST(Grid, PaintsFixedCellsInFixedColourAndAClickSelectsACell) {
  auto host = NewHostForm();
  auto* grid = Place<TDrawGrid>(*host, RECT{10, 10, 310, 130});
  grid->SetDefaultColWidth(50);
  grid->SetDefaultRowHeight(20);
  grid->SetRowCount(20);
  std::vector<std::pair<int, int>> fixedDrawn;
  struct THandler {
    std::vector<std::pair<int, int>>* Fixed;
    void Draw(TObject*, int col, int row, const RECT&, TGridDrawState state) {
      if (state & gdFixed) Fixed->push_back({col, row});
    }
  } handler{&fixedDrawn};
  grid->OnDrawCell = TDrawCellEvent::Of<&THandler::Draw>(&handler);
  EXPECT_TRUE(SetPropFromText(grid, "FixedColor", std::to_string(RGB(230, 200, 10)).c_str()));
  UpdateWindow(grid->Handle());
  EXPECT_EQ(ScreenPixel(grid->Handle(), POINT{25, 10}), RGB(230, 200, 10));
  EXPECT_NE(ScreenPixel(grid->Handle(), POINT{75, 30}), RGB(230, 200, 10));
  EXPECT_FALSE(fixedDrawn.empty());
  ClickClient(grid->Handle(), POINT{125, 50});
  EXPECT_EQ(grid->Col(), 2);
  EXPECT_EQ(grid->Row(), 2);
  // More rows than fit: the vertical bar scrolls them under the fixed row.
  EXPECT_TRUE(StyleOf(*grid) & WS_VSCROLL);
  SendMessageA(grid->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(grid->TopRow(), 2);
  SetFocus(grid->Handle());
  TypeKey(VK_DOWN);
  EXPECT_EQ(grid->Row(), 3);
  EXPECT_EQ(FindIntProp(grid, "FixedColor"), RGB(230, 200, 10));
  EXPECT_EQ(FindEnumProp(grid, "ScrollBars"), "ssBoth");
}

TEST(MouseDown, TellsTheButtonTheKeysAndThePoint) {
  auto host = NewHostForm();
  auto* panel = Place<TPanel>(*host, RECT{10, 10, 210, 110});
  struct TPress {
    TMouseButton Button;
    TShiftState Shift;
    int X, Y;
  };
  std::vector<TPress> presses;
  struct THandler {
    std::vector<TPress>* Presses;
    void Down(TObject*, TMouseButton button, TShiftState shift, int x, int y) {
      Presses->push_back({button, shift, x, y});
    }
  } handler{&presses};
  panel->OnMouseDown = TMouseEvent::Of<&THandler::Down>(&handler);
  EXPECT_EQ(GetPropInfo(*panel, "OnMouseDown")->Kind, TTypeKind::Method);
  ClickClient(panel->Handle(), POINT{30, 40});
  // Called directly, as code that takes the press over does.
  panel->MouseDown(TMouseButton::mbRight, ssShift | ssRight, 5, 6);
  ASSERT_EQ(presses.size(), 2u);
  EXPECT_EQ(presses[0].Button, TMouseButton::mbLeft);
  EXPECT_EQ(presses[0].Shift, ssLeft);
  EXPECT_EQ(presses[0].X, 30);
  EXPECT_EQ(presses[0].Y, 40);
  EXPECT_EQ(presses[1].Shift, ssShift | ssRight);
  const struct {
    WPARAM keys;
    TShiftState shift;
  } keys[] = {{MK_LBUTTON, ssLeft},
              {MK_RBUTTON | MK_SHIFT, ssRight | ssShift},
              {MK_MBUTTON | MK_CONTROL, ssMiddle | ssCtrl},
              {0, 0}};
  for (const auto& k : keys) EXPECT_EQ(KeysToShiftState(k.keys), k.shift) << k.keys;
}
