// Windowless controls: painted by their parent at their place, invalidated
// in the parent, given the mouse by their parent; and the speed button
// built on them.
#include <gtest/gtest.h>

#include "tests/ui/ControlTesting.h"
#include "ui/GraphicControl.h"
#include "ui/GroupBox.h"
#include "ui/Panel.h"
#include "ui/SpeedButton.h"
#include "ui/TypInfo.h"

namespace {

constexpr COLORREF kProbe = RGB(200, 20, 120);

// Fills itself with a probe colour and records its mouse messages.
class TProbeGraphic : public TGraphicControl {
 public:
  QV_CLASS(TProbeGraphic, TGraphicControl)
  using TGraphicControl::TGraphicControl;

  std::vector<std::string> Log;

  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override {
    Log.push_back("down " + std::to_string(x) + "," + std::to_string(y));
    TGraphicControl::MouseDown(button, shift, x, y);
  }

 protected:
  void Paint() override {
    Canvas().SetBrushColor(static_cast<TColor>(kProbe));
    Canvas().FillRect(RECT{0, 0, Width(), Height()});
  }
  void MouseUp(TMouseButton, TShiftState, int x, int y) override {
    Log.push_back("up " + std::to_string(x) + "," + std::to_string(y));
  }
  void WndProc(TMessage& message) override {
    if (message.Msg == CM_MOUSEENTER) Log.push_back("enter");
    if (message.Msg == CM_MOUSELEAVE) Log.push_back("leave");
    TGraphicControl::WndProc(message);
  }
};
QV_CLASS_INFO(TProbeGraphic, {});

TProbeGraphic* NewProbe(TWinControl& parent, const RECT& bounds) {
  auto* probe = new TProbeGraphic(&parent);
  probe->SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
  probe->SetParent(&parent);
  return probe;
}

// A glyph strip of one 8 x 8 image: a colour square on a transparent
// (bottom-left) background.
std::unique_ptr<TBitmap> Glyph(COLORREF colour) {
  auto glyph = std::make_unique<TBitmap>(8, 8);
  glyph->Canvas().SetBrushColor(clFuchsia);
  glyph->Canvas().FillRect(RECT{0, 0, 8, 8});
  glyph->Canvas().SetBrushColor(static_cast<TColor>(colour));
  glyph->Canvas().FillRect(RECT{2, 2, 6, 6});
  return glyph;
}

}  // namespace

TEST(GraphicControl, IsPaintedByItsParentAtItsPlace) {
  auto host = NewHostForm();
  auto* panel = new TPanel(host.get());
  panel->SetBounds(150, 10, 120, 80);
  panel->SetParent(host.get());
  auto* group = new TGroupBox(host.get());
  group->SetBounds(300, 10, 120, 80);
  group->SetParent(host.get());
  // A form, a panel that paints itself and a system group box.
  for (TWinControl* parent : {static_cast<TWinControl*>(host.get()), static_cast<TWinControl*>(panel),
                              static_cast<TWinControl*>(group)}) {
    SCOPED_TRACE(std::string(parent->ClassName()));
    NewProbe(*parent, RECT{20, 30, 60, 50});
    RedrawWindow(parent->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpFor(20);
    EXPECT_EQ(ScreenPixel(parent->Handle(), POINT{21, 31}), kProbe);
    EXPECT_EQ(ScreenPixel(parent->Handle(), POINT{59, 49}), kProbe);
    EXPECT_NE(ScreenPixel(parent->Handle(), POINT{61, 40}), kProbe);
    EXPECT_NE(ScreenPixel(parent->Handle(), POINT{40, 51}), kProbe);
  }
}

TEST(GraphicControl, InvalidatesItsRectangleInItsParent) {
  auto host = NewHostForm();
  TProbeGraphic* probe = NewProbe(*host, RECT{20, 30, 60, 50});
  UpdateWindow(host->Handle());
  probe->Invalidate();
  RECT update{};
  GetUpdateRect(host->Handle(), &update, FALSE);
  const RECT bounds{20, 30, 60, 50};
  EXPECT_TRUE(EqualRect(&update, &bounds));
  UpdateWindow(host->Handle());
  // Moved: where it was and where it is now.
  probe->SetBounds(100, 30, 40, 20);
  GetUpdateRect(host->Handle(), &update, FALSE);
  EXPECT_EQ(update.left, 20);
  EXPECT_EQ(update.right, 140);
  UpdateWindow(host->Handle());
  EXPECT_EQ(ScreenPixel(host->Handle(), POINT{101, 31}), kProbe);
  EXPECT_NE(ScreenPixel(host->Handle(), POINT{21, 31}), kProbe);
  // Hidden, its place shows the parent again.
  probe->Hide();
  UpdateWindow(host->Handle());
  EXPECT_NE(ScreenPixel(host->Handle(), POINT{101, 31}), kProbe);
}

TEST(GraphicControl, GetsTheMouseOverItFromItsParent) {
  auto host = NewHostForm();
  TProbeGraphic* probe = NewProbe(*host, RECT{20, 30, 60, 50});
  std::vector<std::string> parentLog;
  struct THandler {
    std::vector<std::string>* Log;
    void Down(TObject*, TMouseButton, TShiftState, int x, int y) {
      Log->push_back("parent down " + std::to_string(x) + "," + std::to_string(y));
    }
  } handler{&parentLog};
  host->OnMouseDown = TMouseEvent::Of<&THandler::Down>(&handler);

  MoveTo(host->Handle(), POINT{10, 10});
  MoveTo(host->Handle(), POINT{25, 36});
  LeftDown();
  // Held: the mouse stays with the control outside it too.
  MoveTo(host->Handle(), POINT{90, 90});
  LeftUp();
  ClickClient(host->Handle(), POINT{100, 100});
  MoveTo(host->Handle(), POINT{30, 40});
  // Out of the window altogether: the system tells of it after a while.
  MoveTo(host->Handle(), POINT{-30, -30});
  EXPECT_TRUE(PumpUntil([&] { return probe->Log.back() == "leave"; }));
  EXPECT_EQ(probe->Log, (std::vector<std::string>{"enter", "down 5,6", "leave", "up 70,60", "enter", "leave"}));
  EXPECT_EQ(parentLog, (std::vector<std::string>{"parent down 100,100"}));

  // Disabled or hidden, it leaves the mouse to its parent.
  probe->Log.clear();
  probe->SetEnabled(false);
  ClickClient(host->Handle(), POINT{25, 36});
  probe->SetEnabled(true);
  probe->Hide();
  ClickClient(host->Handle(), POINT{25, 36});
  EXPECT_TRUE(probe->Log.empty());
  EXPECT_EQ(parentLog.size(), 3u);
}

TEST(SpeedButton, ClicksOnReleaseOverItAndKeepsItsGroupDown) {
  auto host = NewHostForm();
  std::vector<TSpeedButton*> buttons;
  int clicks = 0;
  struct TCounter {
    int* Clicks;
    void Click(TObject*) { ++*Clicks; }
  } counter{&clicks};
  for (int i = 0; i < 3; ++i) {
    auto* button = new TSpeedButton(host.get());
    button->SetBounds(10 + i * 30, 10, 25, 25);
    button->SetGroupIndex(i < 2 ? 1 : 0);
    button->OnClick = TNotifyEvent::Of<&TCounter::Click>(&counter);
    button->SetParent(host.get());
    buttons.push_back(button);
  }
  const auto click = [&](int index) { ClickClient(host->Handle(), POINT{20 + index * 30, 20}); };
  click(2);
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(buttons[2]->Down());
  // Pressed, then released elsewhere: no click.
  MoveTo(host->Handle(), POINT{80, 20});
  LeftDown();
  MoveTo(host->Handle(), POINT{200, 200});
  LeftUp();
  EXPECT_EQ(clicks, 1);

  click(0);
  EXPECT_TRUE(buttons[0]->Down());
  click(1);
  EXPECT_TRUE(buttons[1]->Down());
  EXPECT_FALSE(buttons[0]->Down());
  click(1);
  EXPECT_TRUE(buttons[1]->Down());
  buttons[1]->SetAllowAllUp(true);
  click(1);
  EXPECT_FALSE(buttons[1]->Down());
  EXPECT_EQ(clicks, 5);
}

TEST(SpeedButton, AFlatButtonShowsItsEdgeOnlyUnderTheMouse) {
  auto host = NewHostForm();
  auto* button = new TSpeedButton(host.get());
  button->SetBounds(10, 10, 30, 30);
  button->SetFlat(true);
  button->SetParent(host.get());
  MoveTo(host->Handle(), POINT{200, 200});
  UpdateWindow(host->Handle());
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(ScreenPixel(host->Handle(), POINT{10, 10}), face);
  MoveTo(host->Handle(), POINT{25, 25});
  UpdateWindow(host->Handle());
  EXPECT_EQ(ScreenPixel(host->Handle(), POINT{10, 10}), GetSysColor(COLOR_BTNHIGHLIGHT));
  MoveTo(host->Handle(), POINT{200, 200});
  UpdateWindow(host->Handle());
  EXPECT_EQ(ScreenPixel(host->Handle(), POINT{10, 10}), face);
}

TEST(SpeedButton, PlacesItsGlyphByLayoutAndMargin) {
  auto host = NewHostForm();
  const COLORREF colour = RGB(10, 160, 30);
  const auto glyph = Glyph(colour);
  const struct {
    TButtonLayout layout;
    int margin;
    POINT inside;   // a pixel of the glyph's square, in the button
    POINT outside;  // a pixel of the glyph's transparent part
  } cases[] = {
      // A 40 x 40 button's edge takes 2 pixels; the 8 x 8 glyph's square
      // is its middle 4 x 4.
      {TButtonLayout::blGlyphLeft, 4, {2 + 4 + 3, 18}, {2 + 4 + 1, 18}},
      {TButtonLayout::blGlyphRight, 4, {38 - 4 - 3, 18}, {38 - 4 - 1, 18}},
      {TButtonLayout::blGlyphTop, 6, {18, 2 + 6 + 3}, {18, 2 + 6 + 1}},
      {TButtonLayout::blGlyphBottom, 6, {18, 38 - 6 - 3}, {18, 38 - 6 - 1}},
      // Centred: (36 - 8 + 1) / 2 = 14 from the inner edge.
      {TButtonLayout::blGlyphLeft, -1, {2 + 14 + 3, 18}, {2 + 14 + 1, 18}},
  };
  auto* button = new TSpeedButton(host.get());
  button->SetBounds(10, 10, 40, 40);
  button->SetGlyph(glyph.get());
  button->SetParent(host.get());
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(static_cast<int>(c.layout)) + " margin " + std::to_string(c.margin));
    button->SetLayout(c.layout);
    button->SetMargin(c.margin);
    UpdateWindow(host->Handle());
    EXPECT_EQ(ScreenPixel(host->Handle(), POINT{10 + c.inside.x, 10 + c.inside.y}), colour);
    EXPECT_EQ(ScreenPixel(host->Handle(), POINT{10 + c.outside.x, 10 + c.outside.y}), GetSysColor(COLOR_BTNFACE));
  }
  EXPECT_EQ(FindObjectProp(button, "Glyph"), button->Glyph());
  EXPECT_EQ(FindEnumProp(button, "Layout"), "blGlyphLeft");
}
