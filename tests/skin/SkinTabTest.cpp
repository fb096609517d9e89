// Tab controls painted from the skin, on real windows under Wine: tabs in
// each position with the focused tab in frame 2 and the others in frame 1,
// turned the right way (the tab image's top band on the tab's outer edge),
// the pane picture turned with them; real clicks switching tabs, close boxes
// on page controls tagged for them, the row's skinned scroll arrows; tab
// sets, button-style page controls, the "advpagecontrol" kind and bare tab
// windows; nothing leaking.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/controls/SkinTab.h"
#include "skin/controls/SkinUpDown.h"
#include "skin/window/SkinMessages.h"
#include "tests/skin/SkinnedWindow.h"
#include "tests/skin/TabSkin.h"
#include "tests/skin/WindowPixels.h"
#include "tests/support/GdiCount.h"
#include "ui/GraphicControl.h"
#include "ui/PageControl.h"
#include "ui/TabControl.h"
#include "ui/TabSet.h"
#include "ui/TypInfo.h"

// A page control of another library, named in the skin's list of them.
class TAdvPageControl : public TPageControl {
  QV_CLASS(TAdvPageControl, TPageControl)
  using TPageControl::TPageControl;
};
QV_CLASS_INFO(TAdvPageControl, {});

// A windowless control that fills itself with a colour of its own.
class TProbeGraphic : public TGraphicControl {
  QV_CLASS(TProbeGraphic, TGraphicControl)
  using TGraphicControl::TGraphicControl;

 public:
  static constexpr TColor kColour = RGB(10, 200, 90);

 protected:
  void Paint() override {
    Canvas().SetBrushColor(kColour);
    Canvas().FillRect(RECT{0, 0, Width(), Height()});
  }
};
QV_CLASS_INFO(TProbeGraphic, {});

namespace {

using tabs::TabColour;

template <class T>
T* Put(TWinControl& parent, int x, int y, int width, int height) {
  auto* control = new T(&parent);
  control->SetParent(&parent);
  control->SetBounds(x, y, width, height);
  return control;
}

TTabSheet* AddPage(TPageControl& pages, const char* caption) {
  auto* sheet = new TTabSheet(&pages);
  sheet->SetCaption(caption);
  sheet->SetPageControl(&pages);
  return sheet;
}

RECT ItemRect(HWND window, int index) {
  RECT rect{};
  SendMessageW(window, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
  return rect;
}

TSkinControl* WrapperOf(TWinSkinForm& skin, HWND window) {
  for (TSkinControl* wrapper : skin.FControls)
    if (wrapper->FHandle == window) return wrapper;
  return nullptr;
}

// The frame (1 to 5) and band of a tab image colour; frame 0 for none.
struct TTabPixel {
  int frame = 0;
  int band = -1;
  bool operator==(const TTabPixel&) const = default;
};
TTabPixel ReadTab(TColor pixel) {
  for (int frame = 1; frame <= 5; ++frame)
    for (int band = tabs::bTop; band <= tabs::bBottom; ++band)
      if (pixel == TabColour(frame, static_cast<tabs::TBand>(band))) return TTabPixel{frame, band};
  return TTabPixel{};
}

std::ostream& operator<<(std::ostream& out, const TTabPixel& p) { return out << "{" << p.frame << "," << p.band << "}"; }
std::string Str(const RECT& r) {
  return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom) + ")";
}

// A point of the tab (window coordinates, which are client ones for these
// controls) 2 pixels in from its outer edge, and one in its middle band,
// both 3 pixels along the row from the tab's start, clear of the text.
struct TTabPoints {
  POINT outer, middle;
};
TTabPoints PointsOf(const RECT& t, TTabPosition position) {
  const int midY = (t.top + t.bottom) / 2, midX = (t.left + t.right) / 2;
  switch (position) {
    case TTabPosition::tpTop: return {{t.left + 3, t.top + 2}, {t.left + 3, midY}};
    case TTabPosition::tpBottom: return {{t.left + 3, t.bottom - 3}, {t.left + 3, midY}};
    case TTabPosition::tpLeft: return {{t.left + 2, t.top + 3}, {midX, t.top + 3}};
    case TTabPosition::tpRight: return {{t.right - 2, t.top + 3}, {midX, t.top + 3}};
  }
  return {};
}

// What each tab shows: its outer edge's and its middle's frame and band.
std::vector<TTabPixel> TabFaces(HWND window, TTabPosition position) {
  const TWindowShot shot(window);
  std::vector<TTabPixel> faces;
  const int count = static_cast<int>(SendMessageW(window, TCM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    const TTabPoints p = PointsOf(ItemRect(window, i), position);
    faces.push_back(ReadTab(shot(p.outer.x, p.outer.y)));
    faces.push_back(ReadTab(shot(p.middle.x, p.middle.y)));
  }
  return faces;
}

// Outer edge in the top band, middle in the middle band, of frame 2 for
// the chosen tab and 1 for the others.
std::vector<TTabPixel> Expected(int count, int chosen) {
  std::vector<TTabPixel> faces;
  for (int i = 0; i < count; ++i) {
    const int frame = i == chosen ? 2 : 1;
    faces.push_back(TTabPixel{frame, tabs::bTop});
    faces.push_back(TTabPixel{frame, tabs::bMiddle});
  }
  return faces;
}

class SkinTab : public ::testing::Test {
 protected:
  void Open(const TSkinFixture& skin, int width = 520, int height = 340) {
    Window = std::make_unique<TSkinnedWindow>(skin, width, height);
  }
  void Show() {
    Window->Show();
    ASSERT_NE(Window->Skin(), nullptr);
  }
  void TearDown() override {
    MoveMouseTo(POINT{0, 0});
    Window.reset();
  }
  TTabControl* AddTabs(int x, int y, TTabPosition position, int count = 3, int width = 240, int height = 150) {
    auto* control = Put<TTabControl>(*Window->Form, x, y, width, height);
    control->SetTabPosition(position);
    for (int i = 0; i < count; ++i) control->Tabs()->Add("T" + std::to_string(i));
    control->SetTabIndex(1);
    return control;
  }
  void Click(HWND window, POINT point) {
    ClickAt(ScreenPoint(window, point.x, point.y));
    PumpMessages(120);
  }

  std::unique_ptr<TSkinnedWindow> Window;
};

}  // namespace

// The pane: its band on the tabs' side is the picture's top, the opposite
// band its bottom, for the pane from the element's Border (Style 0) and
// from "Tab.Pane" (Style 1).
TEST_F(SkinTab, TabsInEveryPositionShowTheirFramesTurnedOutwards) {
  const TTabPosition positions[] = {TTabPosition::tpTop, TTabPosition::tpBottom, TTabPosition::tpLeft,
                                    TTabPosition::tpRight};
  for (const int style : {0, 1}) {
    Open(tabs::Skin(style));
    TTabControl* controls[4] = {};
    for (int i = 0; i < 4; ++i) controls[i] = AddTabs(10 + 255 * (i % 2), 10 + 165 * (i / 2), positions[i]);
    // A plain tab control paints its windowless children over the pane.
    Put<TProbeGraphic>(*controls[0], 150, 100, 20, 20);
    Show();
    EXPECT_EQ(TWindowShot(controls[0]->Handle())(160, 110), TProbeGraphic::kColour);
    for (int i = 0; i < 4; ++i) {
      const HWND window = controls[i]->Handle();
      ASSERT_EQ(SendMessageW(window, SKM_QUERYSKINNED, 0, 0), 1);
      EXPECT_EQ(TabFaces(window, positions[i]), Expected(3, 1))
          << style << " " << i << " " << Str(ItemRect(window, 0)) << Str(ItemRect(window, 1));
      // The pane's place: the display area grown by 4, its tab side a pixel in.
      RECT pane = controls[i]->ClientRect();
      const RECT client = pane;
      SendMessageW(window, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&pane));
      InflateRect(&pane, 4, 4);
      IntersectRect(&pane, &pane, &client);
      const POINT centre{(pane.left + pane.right) / 2, (pane.top + pane.bottom) / 2};
      POINT tabSide = centre, opposite = centre;
      switch (positions[i]) {
        case TTabPosition::tpTop: tabSide.y = pane.top + 3, opposite.y = pane.bottom - 1; break;
        case TTabPosition::tpBottom: tabSide.y = pane.bottom - 4, opposite.y = pane.top; break;
        case TTabPosition::tpLeft: tabSide.x = pane.left + 3, opposite.x = pane.right - 1; break;
        case TTabPosition::tpRight: tabSide.x = pane.right - 4, opposite.x = pane.left; break;
      }
      const TWindowShot shot(window);
      const bool tabPane = style == 1;
      EXPECT_EQ(shot(tabSide.x, tabSide.y), tabs::PaneColour(tabPane, tabs::ppTop)) << style << " " << i;
      EXPECT_EQ(shot(opposite.x, opposite.y), tabs::PaneColour(tabPane, tabs::ppBottom)) << style << " " << i;
      EXPECT_EQ(shot(centre.x, centre.y), tabs::PaneColour(tabPane, tabs::ppCentre)) << style << " " << i;
    }
    Window.reset();
  }
}

// Page controls tagged for close boxes: on top they show one on every tab,
// at the bottom none. A click on a box asks the form's window and frees the
// page when it answers 0; a click elsewhere on a tab selects it.
TEST_F(SkinTab, ClicksSwitchTabsAndCloseBoxesClosePages) {
  Open(tabs::Skin());
  TPageControl* controls[2] = {};
  const TTabPosition positions[] = {TTabPosition::tpTop, TTabPosition::tpBottom};
  for (int i = 0; i < 2; ++i) {
    controls[i] = Put<TPageControl>(*Window->Form, 10, 10 + 165 * i, 300, 150);
    controls[i]->SetTag(kCloseBoxTag);
    controls[i]->SetTabPosition(positions[i]);
    for (const char* caption : {"Page 0", "Page 1", "Page 2"}) AddPage(*controls[i], caption);
  }
  Show();
  TPageControl& top = *controls[0];
  TPageControl& bottom = *controls[1];
  const auto blackInCorners = [](HWND window) {
    const TWindowShot shot(window);
    std::vector<int> black;
    for (int i = 0; i < static_cast<int>(SendMessageW(window, TCM_GETITEMCOUNT, 0, 0)); ++i) {
      const RECT t = ItemRect(window, i);
      int count = 0;
      for (int y = t.top - 2; y < t.bottom + 2; ++y)
        for (int x = t.right - 10; x < t.right; ++x) count += shot(x, y) == RGB(0, 0, 0);
      black.push_back(count);
    }
    return black;
  };
  for (const int count : blackInCorners(top.Handle())) EXPECT_GT(count, 10);
  EXPECT_EQ(blackInCorners(bottom.Handle()), (std::vector<int>{0, 0, 0}));
  EXPECT_EQ(TabFaces(top.Handle(), TTabPosition::tpTop), Expected(3, 0));

  // A click on tab 2 away from its box.
  const RECT tab2 = ItemRect(top.Handle(), 2);
  Click(top.Handle(), POINT{tab2.left + 4, (tab2.top + tab2.bottom) / 2});
  EXPECT_EQ(top.ActivePageIndex(), 2);
  EXPECT_EQ(TabFaces(top.Handle(), TTabPosition::tpTop), Expected(3, 2));

  // The box of tab 0: the form skinner answers 0, the page goes.
  const auto boxOf = [&top](int index) {
    const RECT t = ItemRect(top.Handle(), index);
    return POINT{t.right - 5, t.top + 1 + 5};
  };
  Click(top.Handle(), boxOf(0));
  ASSERT_EQ(top.PageCount(), 2);
  EXPECT_EQ(top.Pages(0)->Caption(), "Page 1");
  EXPECT_EQ(top.ActivePageIndex(), 1);
  EXPECT_EQ(TabFaces(top.Handle(), TTabPosition::tpTop), Expected(2, 1));

  // The form's window keeps its pages: the box asks, nothing goes.
  static std::vector<std::pair<WPARAM, LPARAM>> asked;
  static WNDPROC previous = nullptr;
  asked.clear();
  previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(Window->Handle(), GWLP_WNDPROC));
  const auto keeper = [](HWND window, UINT msg, WPARAM wParam, LPARAM lParam) -> LRESULT {
    if (msg != SKM_CLOSETAB) return CallWindowProcW(previous, window, msg, wParam, lParam);
    asked.emplace_back(wParam, lParam);
    return 1;
  };
  SetWindowLongPtrW(Window->Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(+keeper));
  Click(top.Handle(), boxOf(1));
  SetWindowLongPtrW(Window->Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
  EXPECT_EQ(top.PageCount(), 2);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].first, reinterpret_cast<WPARAM>(top.Handle()));
  EXPECT_EQ(asked[0].second, 1);

  // At the bottom the same corner selects the tab.
  const RECT low = ItemRect(bottom.Handle(), 1);
  Click(bottom.Handle(), POINT{low.right - 5, low.bottom - 6});
  EXPECT_EQ(bottom.PageCount(), 3);
  EXPECT_EQ(bottom.ActivePageIndex(), 1);
  EXPECT_EQ(TabFaces(bottom.Handle(), TTabPosition::tpBottom), Expected(3, 1));
}

// More tabs than fit: the row's scroll arrows stay over the skinned row,
// skinned themselves, and scroll it.
TEST_F(SkinTab, OverflowingTabsKeepTheirSkinnedScrollArrows) {
  Open(tabs::Skin());
  TTabControl* control = AddTabs(10, 10, TTabPosition::tpTop, 12, 160, 100);
  Show();
  const HWND window = control->Handle();
  const HWND arrows = FindWindowExW(window, nullptr, UPDOWN_CLASSW, nullptr);
  ASSERT_NE(arrows, nullptr);
  ASSERT_TRUE(IsWindowVisible(arrows));
  auto* wrapper = dynamic_cast<TSkinTab*>(WrapperOf(*Window->Skin(), window));
  ASSERT_NE(wrapper, nullptr);
  ASSERT_NE(wrapper->FUpDown, nullptr);
  EXPECT_EQ(wrapper->FUpDown->FHandle, arrows);
  EXPECT_EQ(SendMessageW(arrows, SKM_QUERYSKINNED, 0, 0), 1);
  RECT place{};
  GetClientRect(arrows, &place);
  const auto arrowFrames = [arrows, &place] {
    const TWindowShot shot(arrows);
    std::vector<int> frames;
    for (const int x : {2, static_cast<int>(place.right) - 3}) {
      int frame = 0;
      for (int f = 1; f <= 8; ++f)
        if (shot(x, place.bottom / 2) == tabs::ArrowColour(f)) frame = f;
      frames.push_back(frame);
    }
    return frames;
  };
  EXPECT_EQ(arrowFrames(), (std::vector<int>{1, 5}));
  const LONG firstLeft = ItemRect(window, 0).left;
  // The right arrow scrolls the row by a tab.
  Click(arrows, POINT{place.right - 4, place.bottom / 2});
  MoveMouseTo(POINT{0, 0});
  PumpMessages(120);
  EXPECT_LT(ItemRect(window, 0).left, firstLeft);
  EXPECT_TRUE(IsWindowVisible(arrows));
  // Skinned still (the second arrow may show the mouse was there).
  for (const int frame : arrowFrames()) EXPECT_NE(frame, 0);
  // The chosen tab, now first, in frame 2.
  const TTabPoints p = PointsOf(ItemRect(window, 1), TTabPosition::tpTop);
  const TWindowShot shot(window);
  EXPECT_EQ(ReadTab(shot(p.outer.x, p.outer.y)), (TTabPixel{2, tabs::bTop}));
}

// The kinds drawing their tabs from the same element: a tab set (tabs
// hanging from its top edge, upside down), a page control with buttons
// (upright, no pane), a page control of another library listed as
// "advpagecontrol", and a bare tab window.
TEST_F(SkinTab, TabSetsButtonPagesAdvancedPagesAndBareWindows) {
  Open(tabs::Skin());
  Window->Data->Skin3rd()->Add("TAdvPageControl=advpagecontrol");
  auto* tabSet = Put<TTabSet>(*Window->Form, 10, 10, 250, 24);
  for (const char* text : {"Alpha", "Beta", "Gamma"}) tabSet->Tabs()->Add(text);
  tabSet->SetTabIndex(0);
  static int changes = 0;
  changes = 0;
  struct TChangeCounter {
    void Changed(TObject*) { ++changes; }
  } counter;
  tabSet->OnChange = TNotifyEvent::Of<&TChangeCounter::Changed>(&counter);
  auto* buttons = Put<TPageControl>(*Window->Form, 10, 50, 300, 120);
  buttons->SetStyle(TTabStyle::tsButtons);
  for (const char* caption : {"One", "Two", "Three"}) AddPage(*buttons, caption);
  auto* advanced = Put<TAdvPageControl>(*Window->Form, 330, 10, 180, 120);
  for (const char* caption : {"A", "B"}) AddPage(*advanced, caption);
  Show();
  const HWND bare = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | TCS_BOTTOM, 330, 180, 180, 100,
                                    Window->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(bare, nullptr);
  for (int i = 0; i < 2; ++i) {
    wchar_t text[] = L"Bare";
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    SendMessageW(bare, TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
  }
  SendMessageW(bare, TCM_SETCURFOCUS, 1, 0);
  Window->Skin()->SkinWindow(bare);

  struct Case {
    HWND window;
    const char* wrapper;
  };
  const Case cases[] = {{tabSet->Handle(), "TSkinTab31"},
                        {buttons->Handle(), "TSkinTabBtn"},
                        {advanced->Handle(), "TSkinAdvPage"},
                        {bare, "TSkinTab"}};
  for (const Case& c : cases) {
    TSkinControl* wrapper = WrapperOf(*Window->Skin(), c.window);
    ASSERT_NE(wrapper, nullptr) << c.wrapper;
    EXPECT_EQ(std::string(wrapper->ClassName()), c.wrapper);
    EXPECT_EQ(SendMessageW(c.window, SKM_QUERYSKINNED, 0, 0), 1) << c.wrapper;
  }
  EXPECT_EQ(WrapperOf(*Window->Skin(), advanced->Handle())->FKind, 4);
  EXPECT_EQ(TabFaces(advanced->Handle(), TTabPosition::tpTop), Expected(2, 0));
  EXPECT_EQ(TabFaces(bare, TTabPosition::tpBottom), Expected(2, 1));

  // The tab set's tabs: their outer edge at the bottom; a click switches.
  const auto tabSetFaces = [tabSet] {
    const TWindowShot shot(tabSet->Handle());
    std::vector<TTabPixel> faces;
    for (int i = 0; i < 3; ++i) {
      const RECT t = tabSet->TabRect(i);
      faces.push_back(ReadTab(shot(t.left + 3, t.bottom - 2)));
      faces.push_back(ReadTab(shot(t.left + 3, (t.top + t.bottom) / 2)));
    }
    return faces;
  };
  EXPECT_EQ(tabSetFaces(), Expected(3, 0));
  const RECT gamma = tabSet->TabRect(2);
  Click(tabSet->Handle(), POINT{(gamma.left + gamma.right) / 2, (gamma.top + gamma.bottom) / 2});
  EXPECT_EQ(tabSet->TabIndex(), 2);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(tabSetFaces(), Expected(3, 2));

  // The buttons: upright, the chosen one in frame 2; a click switches.
  const auto buttonFaces = [buttons] {
    const TWindowShot shot(buttons->Handle());
    std::vector<TTabPixel> faces;
    for (int i = 0; i < 3; ++i) {
      const RECT t = ItemRect(buttons->Handle(), i);
      faces.push_back(ReadTab(shot(t.left + 3, t.top + 1)));
      faces.push_back(ReadTab(shot(t.left + 3, (t.top + t.bottom) / 2)));
    }
    return faces;
  };
  EXPECT_EQ(buttonFaces(), Expected(3, 0));
  const RECT two = ItemRect(buttons->Handle(), 1);
  Click(buttons->Handle(), POINT{two.left + 4, (two.top + two.bottom) / 2});
  EXPECT_EQ(buttons->ActivePageIndex(), 1);
  EXPECT_EQ(buttonFaces(), Expected(3, 1));
  DestroyWindow(bare);
}

TEST_F(SkinTab, NothingLeaks) {
  Open(tabs::Skin());
  TTabControl* sideways = AddTabs(10, 10, TTabPosition::tpLeft);
  TTabControl* crowded = AddTabs(260, 10, TTabPosition::tpTop, 12, 160, 100);
  auto* pages = Put<TPageControl>(*Window->Form, 10, 170, 240, 150);
  pages->SetTag(kCloseBoxTag);
  for (const char* caption : {"One", "Two"}) AddPage(*pages, caption);
  Show();
  const auto round = [&](int i) {
    for (TWinControl* control : {static_cast<TWinControl*>(sideways), static_cast<TWinControl*>(crowded),
                                 static_cast<TWinControl*>(pages)}) {
      RedrawWindow(control->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
    if (i % 25 == 0)
      for (TSkinControl* wrapper : Window->Skin()->FControls) wrapper->SkinChange();
  };
  for (int i = 0; i < 5; ++i) round(i);
  PumpMessages(20);
  const int before = LiveGdiObjects();
  for (int i = 0; i < 100; ++i) round(i);
  PumpMessages(20);
  EXPECT_EQ(LiveGdiObjects(), before);
}

// The program's own skin on tab and page controls in each position, a tab
// set and button-style pages: every one is wrapped, and what the screen shows
// of a tab control is exactly the face its wrapper composes. With
// QV_SCREENSHOT set to a file name, the form is saved there as a BMP.
TEST_F(SkinTab, TheProgramsSkinOnTabs) {
  Open(probe::Skin(), 540, 400);
  Window->Data->FSkinStream.LoadFromFile(QV_DEFAULT_SKIN_PACKAGE);
  ASSERT_TRUE(Window->Data->LoadSkin());
  TForm& form = *Window->Form;
  auto* pages = Put<TPageControl>(form, 10, 10, 250, 150);
  pages->SetTag(kCloseBoxTag);
  for (const char* caption : {"常规", "高级", "关于"}) AddPage(*pages, caption);
  auto* low = AddTabs(280, 10, TTabPosition::tpBottom, 3, 250, 150);
  auto* left = AddTabs(10, 170, TTabPosition::tpLeft, 3, 250, 130);
  auto* right = AddTabs(280, 170, TTabPosition::tpRight, 3, 250, 130);
  auto* buttons = Put<TPageControl>(form, 10, 310, 250, 80);
  buttons->SetStyle(TTabStyle::tsButtons);
  for (const char* caption : {"文件", "编辑"}) AddPage(*buttons, caption);
  auto* tabSet = Put<TTabSet>(form, 280, 310, 250, 22);
  for (const char* text : {"第一", "第二", "第三"}) tabSet->Tabs()->Add(text);
  tabSet->SetTabIndex(1);
  Show();
  RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  PumpMessages(200);
  SaveShotWhenAsked(CaptureScreen(Window->WindowRect()));
  for (TWinControl* control : {static_cast<TWinControl*>(pages), static_cast<TWinControl*>(low),
                               static_cast<TWinControl*>(left), static_cast<TWinControl*>(right),
                               static_cast<TWinControl*>(buttons), static_cast<TWinControl*>(tabSet)}) {
    const HWND handle = control->Handle();
    EXPECT_EQ(SendMessageA(handle, SKM_QUERYSKINNED, 0, 0), 1) << control->ClassName();
    TSkinControl* wrapper = WrapperOf(*Window->Skin(), handle);
    ASSERT_NE(wrapper, nullptr) << control->ClassName();
    // Pages cover the display area of page controls.
    if (dynamic_cast<TPageControl*>(control)) continue;
    RECT bounds{};
    GetWindowRect(handle, &bounds);
    const RECT face{0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top};
    TBitmap composed(face.right, face.bottom);
    wrapper->DrawControl(composed.Canvas().Handle(), face);
    const TWindowShot shot(handle);
    int differ = 0;
    for (int y = 0; y < face.bottom; ++y)
      for (int x = 0; x < face.right; ++x) differ += shot(x, y) != composed.Canvas().Pixel(x, y);
    EXPECT_EQ(differ, 0) << control->ClassName();
  }
}
