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

#include <cstdlib>
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

TEST_F(SkinTab, TabsInEveryPositionShowTheirFramesTurnedOutwards) {
  Open(tabs::Skin());
  const TTabPosition positions[] = {TTabPosition::tpTop, TTabPosition::tpBottom, TTabPosition::tpLeft,
                                    TTabPosition::tpRight};
  TTabControl* controls[4] = {};
  for (int i = 0; i < 4; ++i) controls[i] = AddTabs(10 + 255 * (i % 2), 10 + 165 * (i / 2), positions[i]);
  Show();
  for (int i = 0; i < 4; ++i) {
    const HWND window = controls[i]->Handle();
    ASSERT_EQ(SendMessageW(window, SKM_QUERYSKINNED, 0, 0), 1);
    EXPECT_EQ(TabFaces(window, positions[i]), Expected(3, 1)) << i << " " << Str(ItemRect(window, 0)) << Str(ItemRect(window, 1));
  }
}
