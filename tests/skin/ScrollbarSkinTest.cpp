// Skinned scroll bars under Wine, on real windows: the layout rules as
// tables; the overlay laid over the bar the system shows, read back from
// the screen against a skin whose every frame has a colour of its own;
// hot, pressed and dragged parts from real mouse input, read while the
// system's scroll tracking holds the button; the frame, a grid's fixed
// colour, a window created anew, the drop-down lists' bars, and no GDI
// object left behind.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/controls/ComboxScrollBar.h"
#include "skin/controls/ScrollBarFace.h"
#include "skin/controls/SkinScControl.h"
#include "skin/controls/SkinScrollbar.h"
#include "skin/controls/WScrollbar.h"
#include "skin/window/SkinMessages.h"
#include "tests/skin/SkinnedWindow.h"
#include "tests/support/GdiCount.h"
#include "ui/Form.h"
#include "ui/ComboBox.h"
#include "ui/Grid.h"
#include "ui/ListBox.h"
#include "ui/ListView.h"
#include "ui/Memo.h"
#include "ui/ScrollBar.h"

namespace {

// The layout rules.

TEST(ScrollBarRules, HitTestAlongTheBar) {
  // A 100-pixel bar, arrows of 16, the thumb from 40 to 60.
  const struct {
    int along, part;
  } cases[] = {
      {0, sbpFirstArrow},   {15, sbpFirstArrow}, {16, sbpTrackBefore}, {39, sbpTrackBefore}, {40, sbpThumb},
      {59, sbpThumb},       {60, sbpTrackAfter}, {83, sbpTrackAfter},  {84, sbpSecondArrow}, {99, sbpSecondArrow},
  };
  for (const auto& c : cases) EXPECT_EQ(ScrollBarHitTest(c.along, 16, 40, 60, 100), c.part) << c.along;
}

TEST(ScrollBarRules, ThicknessArrowsThumbAndGrip) {
  // The glyph strip's height is the thickness within 2 pixels of the
  // system's arrow size, the arrow size otherwise.
  const struct {
    int glyph, arrow, thickness;
  } thick[] = {{17, 17, 17}, {25, 17, 17}, {19, 17, 19}, {20, 17, 17}, {15, 17, 15}, {14, 17, 17}};
  for (const auto& c : thick) EXPECT_EQ(ScrollBarThickness(c.glyph, c.arrow), c.thickness) << c.glyph;

  // A bar shorter than two arrows has two arrows of half its length.
  EXPECT_EQ(ScrollArrowLength(100, 16), 16);
  EXPECT_EQ(ScrollArrowLength(32, 16), 16);
  EXPECT_EQ(ScrollArrowLength(31, 16), 15);
  EXPECT_EQ(ScrollArrowLength(20, 16), 10);

  // The grip is centred on the thumb and left out on a thumb of the
  // grip's length - 2 or shorter.
  const struct {
    int grip;
    TThumbExtent thumb, expected;
  } grips[] = {
      {16, {20, 60}, {32, 48}},
      {16, {20, 35}, {20, 36}},
      {16, {20, 34}, {-1, -1}},
      {16, {20, 30}, {-1, -1}},
  };
  for (const auto& c : grips) {
    const TThumbExtent grip = GripOnThumb(c.grip, c.thumb);
    EXPECT_EQ(grip.Start, c.expected.Start) << c.thumb.End - c.thumb.Start;
    EXPECT_EQ(grip.End, c.expected.End) << c.thumb.End - c.thumb.Start;
  }

  // A dragged thumb follows the cursor but never covers an arrow.
  const struct {
    int delta, start;
  } drags[] = {{0, 30}, {25, 55}, {-10, 20}, {-50, 16}, {200, 64}};
  for (const auto& c : drags) {
    const TThumbExtent thumb = DraggedThumb(30, c.delta, 16, 100, 20);
    EXPECT_EQ(thumb.Start, c.start) << c.delta;
    EXPECT_EQ(thumb.End, c.start + 20) << c.delta;
  }
}

TEST(ScrollBarRules, ThumbOfAScrollBarControl) {
  // A 216-pixel bar with arrows of 16 leaves a track of 184.
  const struct {
    int min, max;
    UINT page;
    int pos;
    TThumbExtent thumb;
  } cases[] = {
      // The page's share of the track.
      {0, 100, 51, 0, {16, 16 + 92}},
      {0, 100, 51, 50, {16 + 92, 16 + 92 + 92}},
      // A page too small for 8 pixels: the thumb is 8 long, placed on the
      // track less those 8.
      {0, 1000, 10, 0, {16, 24}},
      {0, 1000, 10, 500, {16 + 88, 16 + 88 + 8}},
      // No page: an arrow-long thumb on the track less one more arrow.
      {0, 100, 0, 0, {16, 32}},
      {0, 100, 0, 50, {16 + 84, 16 + 84 + 16}},
      {10, 110, 0, 110, {16 + 168, 16 + 168 + 16}},
      // An empty range counts as a huge one.
      {5, 5, 0, 5, {16, 32}},
  };
  for (const auto& c : cases) {
    const TThumbExtent thumb = ControlThumb(216, 16, c.min, c.max, c.page, c.pos);
    EXPECT_EQ(thumb.Start, c.thumb.Start) << c.max << " " << c.page << " " << c.pos;
    EXPECT_EQ(thumb.End, c.thumb.End) << c.max << " " << c.page << " " << c.pos;
  }
}

// A skin whose scroll-bar pieces each have a colour of their own: the 23
// glyph frames, the 4 frames of each track and the 3 of each thumb.
constexpr int kGlyphWidth = 16;
TColor GlyphColour(int frame) { return RGB(10 * frame, 40, 90); }
TColor TrackColour(bool vertical, int frame) { return RGB(30, 100 + 20 * frame + (vertical ? 0 : 5), 30); }
TColor ThumbColour(bool vertical, int frame) { return RGB(150, 30, 60 + 40 * frame + (vertical ? 0 : 5)); }
// ButtonFace of the probe skin.
constexpr TColor kFace = RGB(200, 200, 200);
constexpr TColor kShadow = RGB(20, 60, 120);

int ArrowSize() { return GetSystemMetrics(SM_CXHSCROLL); }

std::vector<std::uint8_t> Strip(int frames, int height, const std::function<TColor(int)>& colour) {
  return BmpOf(frames * kGlyphWidth, height, [&](int x, int) { return colour(x / kGlyphWidth + 1); });
}

// glyphHeight 0: the system's arrow size.
TSkinFixture ScrollSkin(int glyphHeight = 0) {
  if (glyphHeight == 0) glyphHeight = ArrowSize();
  TSkinFixture skin = probe::Skin(true,
                                  "[Scrollbar]\nImage=glyphs.bmp\n"
                                  "[VertScroll]\nImage=vtrack.bmp\n[HorzScroll]\nImage=htrack.bmp\n"
                                  "[VertScrollThumb]\nImage=vthumb.bmp\n[HorzScrollThumb]\nImage=hthumb.bmp\n");
  skin.Entry("glyphs.bmp", Strip(23, glyphHeight, GlyphColour));
  for (const bool vertical : {true, false}) {
    const std::string axis = vertical ? "v" : "h";
    skin.Entry(axis + "track.bmp", Strip(4, 16, [vertical](int f) { return TrackColour(vertical, f); }));
    skin.Entry(axis + "thumb.bmp", Strip(3, 16, [vertical](int f) { return ThumbColour(vertical, f); }));
  }
  return skin;
}

// Presses the left button at a screen point and runs each step on a timer
// tick while the button is held, then lets go. The system's scroll
// tracking runs its own message loop until the button goes up, so the
// steps and the release come from ticks that this loop dispatches (a
// click given from the test's code would wait for the loop to end).
void HoldAt(POINT press, std::vector<std::function<void()>> steps, UINT interval = 150) {
  static std::vector<std::function<void()>>* pending = nullptr;
  static std::size_t next = 0;
  pending = &steps;
  next = 0;
  MoveMouseTo(press);
  PumpMessages(60);
  const UINT_PTR timer = SetTimer(nullptr, 0, interval, [](HWND, UINT, UINT_PTR id, DWORD) {
    if (pending && next < pending->size()) return (*pending)[next++]();
    ++next;
    KillTimer(nullptr, id);
    MouseButton(false);
  });
  MouseButton(true);
  const DWORD deadline = GetTickCount() + interval * static_cast<DWORD>(steps.size() + 3);
  while (next < steps.size() + 1 && GetTickCount() < deadline) PumpMessages(20);
  KillTimer(nullptr, timer);
  // A tick already queued finds nothing left to run.
  pending = nullptr;
  MouseButton(false);
  PumpMessages(100);
}

// A vertical bar's geometry, screen coordinates.
struct TBar {
  RECT Rect{};
  int ThumbTop = 0, ThumbBottom = 0;
  bool Visible = false;
  POINT At(int along, bool vertical = true) const {
    return vertical ? POINT{(Rect.left + Rect.right) / 2, Rect.top + along}
                    : POINT{Rect.left + along, (Rect.top + Rect.bottom) / 2};
  }
  int Length(bool vertical = true) const { return vertical ? Rect.bottom - Rect.top : Rect.right - Rect.left; }
};

TBar SystemBar(HWND window, bool vertical = true) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  TBar bar;
  if (!GetScrollBarInfo(window, vertical ? OBJID_VSCROLL : OBJID_HSCROLL, &info)) return bar;
  bar.Rect = info.rcScrollBar;
  bar.ThumbTop = info.xyThumbTop;
  bar.ThumbBottom = info.xyThumbBottom;
  bar.Visible = !(info.rgstate[0] & STATE_SYSTEM_INVISIBLE);
  return bar;
}

RECT WindowRectOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

COLORREF ScreenPixel(POINT p) { return CaptureScreen(RECT{p.x, p.y, p.x + 1, p.y + 1}).At(p.x, p.y); }

std::string Hex(COLORREF c) {
  char text[16];
  std::snprintf(text, sizeof text, "%06lX", static_cast<unsigned long>(c));
  return text;
}

class ScrollbarSkin : public ::testing::Test {
 protected:
  void Start(const TSkinFixture& skin = ScrollSkin()) {
    Window = std::make_unique<TSkinnedWindow>(skin, 320, 240);
    Window->Data->FColours[scButtonShadow] = kShadow;
  }
  void TearDown() override {
    MoveMouseTo({5, 5});
    Window.reset();
  }
  void Show() {
    Window->Show();
    ASSERT_NE(Window->Skin(), nullptr);
  }

  TMemo* NewMemo(int lines, RECT bounds = {10, 10, 160, 130}, TScrollStyle bars = TScrollStyle::ssVertical) {
    auto* memo = new TMemo(Window->Form.get());
    memo->SetParent(Window->Form.get());
    memo->SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
    memo->SetScrollBars(bars);
    memo->SetWordWrap(false);
    for (int i = 0; i < lines; ++i) memo->Lines()->Add("line " + std::to_string(i));
    return memo;
  }
  // The wrapper the form skinner gave the control.
  TSkinScrollbar* WrapperOf(TControl& control) const {
    for (TSkinControl* wrapper : Window->Skin()->FControls)
      if (wrapper->FControl == &control) return dynamic_cast<TSkinScrollbar*>(wrapper);
    return nullptr;
  }
  static bool PanelOver(const TWScrollbar* bar, const TBar& system) {
    if (!bar || !bar->FShown || !IsWindowVisible(bar->WindowHandle())) return false;
    const RECT panel = WindowRectOf(bar->WindowHandle());
    return EqualRect(&panel, &system.Rect) != FALSE;
  }
  static int FirstLine(TMemo& memo) { return static_cast<int>(SendMessageA(memo.Handle(), EM_GETFIRSTVISIBLELINE, 0, 0)); }

  std::unique_ptr<TSkinnedWindow> Window;
};

TEST_F(ScrollbarSkin, AListBoxThatGrowsGetsTheOverlayAtItsNextSizeNotification) {
  Start();
  auto* list = new TListBox(Window->Form.get());
  list->SetParent(Window->Form.get());
  list->SetBounds(10, 10, 150, 120);
  list->Items()->Add("one");
  Show();
  TSkinScrollbar* wrapper = WrapperOf(*list);
  ASSERT_NE(wrapper, nullptr);
  EXPECT_EQ(SendMessageA(list->Handle(), SKM_QUERYSKINNED, 0, 0), 1);
  // Everything fits: the system shows no bar, nor does the skin.
  ASSERT_FALSE(SystemBar(list->Handle()).Visible);
  EXPECT_FALSE(wrapper->FVertBar->FShown);
  EXPECT_FALSE(IsWindowVisible(wrapper->FVertBar->WindowHandle()));

  int added = 0;
  while (!SystemBar(list->Handle()).Visible && added < 100) {
    list->Items()->Add("item " + std::to_string(++added));
    PumpMessages(5);
  }
  const TBar bar = SystemBar(list->Handle());
  ASSERT_TRUE(bar.Visible);
  EXPECT_TRUE(PanelOver(wrapper->FVertBar, bar));
  EXPECT_FALSE(wrapper->FHorzBar->FShown);
  // Directly above the list in z-order.
  EXPECT_EQ(GetWindow(list->Handle(), GW_HWNDPREV), wrapper->FVertBar->WindowHandle());
  // And painted from the skin.
  Window->Shot();
  const int a = ArrowSize();
  EXPECT_EQ(Hex(ScreenPixel(bar.At(a / 2))), Hex(GlyphColour(9)));
  EXPECT_EQ(Hex(ScreenPixel(bar.At(bar.Length() - a / 2))), Hex(GlyphColour(13)));

  // Emptied, the bar goes and so does the overlay.
  list->Items()->Clear();
  PumpMessages(50);
  ASSERT_FALSE(SystemBar(list->Handle()).Visible);
  EXPECT_FALSE(wrapper->FVertBar->FShown);
  EXPECT_FALSE(IsWindowVisible(wrapper->FVertBar->WindowHandle()));
}

TEST_F(ScrollbarSkin, AMemoGetsAnOverlayOverEachBarItShows) {
  Start();
  TMemo* memo = NewMemo(3, {10, 10, 160, 130}, TScrollStyle::ssBoth);
  Show();
  TSkinScrollbar* wrapper = WrapperOf(*memo);
  ASSERT_NE(wrapper, nullptr);
  for (int i = 0; i < 40; ++i) memo->Lines()->Add("a rather long line that runs past the memo's right edge " + std::to_string(i));
  PumpMessages(100);
  const TBar vert = SystemBar(memo->Handle(), true);
  const TBar horz = SystemBar(memo->Handle(), false);
  ASSERT_TRUE(vert.Visible);
  ASSERT_TRUE(horz.Visible);
  EXPECT_TRUE(PanelOver(wrapper->FVertBar, vert));
  EXPECT_TRUE(PanelOver(wrapper->FHorzBar, horz));
  Window->Shot();
  const int a = ArrowSize();
  const struct {
    const char* where;
    POINT point;
    TColor colour;
  } cases[] = {
      {"up arrow", vert.At(a / 2), GlyphColour(9)},
      {"down arrow", vert.At(vert.Length() - a / 2), GlyphColour(13)},
      {"left arrow", horz.At(a / 2, false), GlyphColour(1)},
      {"right arrow", horz.At(horz.Length(false) - a / 2, false), GlyphColour(5)},
      {"vertical track", vert.At(vert.ThumbBottom + 3), TrackColour(true, 1)},
      {"horizontal track", horz.At(horz.ThumbBottom + 3, false), TrackColour(false, 1)},
      {"vertical thumb", vert.At(vert.ThumbTop + 1), ThumbColour(true, 1)},
      {"horizontal thumb", horz.At(horz.ThumbTop + 1, false), ThumbColour(false, 1)},
      // The corner between the bars and the frame.
      {"corner", POINT{vert.Rect.left + 2, horz.Rect.top + 2}, kFace},
      {"frame outside", POINT{WindowRectOf(memo->Handle()).left, WindowRectOf(memo->Handle()).top + 5}, kShadow},
      {"frame inside", POINT{WindowRectOf(memo->Handle()).left + 1, WindowRectOf(memo->Handle()).top + 5}, kFace},
  };
  for (const auto& c : cases) EXPECT_EQ(Hex(ScreenPixel(c.point)), Hex(c.colour)) << c.where;
}

TEST_F(ScrollbarSkin, PartsLightUpUnderTheMouseAndWhilePressed) {
  Start();
  TMemo* memo = NewMemo(25);
  Show();
  const TBar bar = SystemBar(memo->Handle());
  ASSERT_TRUE(bar.Visible);
  const int a = ArrowSize();
  const int gripMiddle = (bar.ThumbTop + bar.ThumbBottom) / 2;
  // The thumb must leave room beside its grip.
  ASSERT_GT(bar.ThumbBottom - bar.ThumbTop, a + 6);
  const POINT up = bar.At(a / 2), down = bar.At(bar.Length() - a / 2), thumb = bar.At(bar.ThumbTop + 2),
              grip = bar.At(gripMiddle);

  const struct {
    const char* where;
    POINT point;
    std::vector<std::pair<POINT, TColor>> hot;
  } hovers[] = {
      {"up arrow", up, {{up, GlyphColour(12)}, {down, GlyphColour(13)}, {thumb, ThumbColour(true, 1)}}},
      {"down arrow", down, {{down, GlyphColour(16)}, {up, GlyphColour(9)}}},
      {"thumb", thumb, {{thumb, ThumbColour(true, 3)}, {grip, GlyphColour(22)}, {up, GlyphColour(9)}}},
  };
  for (const auto& h : hovers) {
    MoveMouseTo(h.point);
    PumpMessages(150);
    for (const auto& [point, colour] : h.hot) EXPECT_EQ(Hex(ScreenPixel(point)), Hex(colour)) << h.where;
  }
  // Leaving the bar puts it back to normal.
  MoveMouseTo(POINT{bar.Rect.left - 60, bar.Rect.top + 20});
  PumpMessages(150);
  EXPECT_EQ(Hex(ScreenPixel(thumb)), Hex(ThumbColour(true, 1)));
  EXPECT_EQ(Hex(ScreenPixel(grip)), Hex(GlyphColour(20)));

  // Held down: the pressed frames, while the system tracks the press.
  const struct {
    const char* where;
    POINT press, probe;
    TColor colour;
  } presses[] = {
      {"up arrow", up, up, GlyphColour(10)},
      {"down arrow", down, down, GlyphColour(14)},
      {"thumb", thumb, thumb, ThumbColour(true, 2)},
      {"grip", grip, grip, GlyphColour(21)},
  };
  for (const auto& p : presses) {
    SendMessageA(memo->Handle(), WM_VSCROLL, SB_TOP, 0);
    COLORREF seen = 0;
    HoldAt(p.press, {[] {}, [&] { seen = ScreenPixel(p.probe); }});
    EXPECT_EQ(Hex(seen), Hex(p.colour)) << p.where;
  }
  // Released, nothing stays pressed.
  MoveMouseTo(POINT{bar.Rect.left - 60, bar.Rect.top + 20});
  PumpMessages(150);
  EXPECT_EQ(Hex(ScreenPixel(bar.At(a / 2))), Hex(GlyphColour(9)));
}

TEST_F(ScrollbarSkin, HoldingAnArrowScrollsOnAndOn) {
  Start();
  TMemo* memo = NewMemo(60);
  Show();
  const TBar bar = SystemBar(memo->Handle());
  ASSERT_TRUE(bar.Visible);
  // One line at the press, more as the system repeats it.
  HoldAt(bar.At(bar.Length() - ArrowSize() / 2), {[] {}, [] {}, [] {}, [] {}, [] {}});
  EXPECT_GT(FirstLine(*memo), 2);
  // A click on the track pages.
  const int before = FirstLine(*memo);
  HoldAt(bar.At(bar.Length() - ArrowSize() - 2), {});
  EXPECT_GT(FirstLine(*memo), before + 3);
}

TEST_F(ScrollbarSkin, DraggingTheThumbScrollsTheMemoAndThePaintedThumbFollows) {
  Start();
  TMemo* memo = NewMemo(80);
  Show();
  const TBar bar = SystemBar(memo->Handle());
  ASSERT_TRUE(bar.Visible);
  ASSERT_EQ(FirstLine(*memo), 0);
  const POINT press = bar.At(bar.ThumbTop + 2);
  const int moved = 30;
  int lineDuring = -1;
  COLORREF atNewPlace = 0, atOldPlace = 0;
  HoldAt(press, {[&] { MoveMouseTo(POINT{press.x, press.y + moved / 2}); },
                 [&] { MoveMouseTo(POINT{press.x, press.y + moved}); },
                 [] {},
                 [&] {
                   lineDuring = FirstLine(*memo);
                   atNewPlace = ScreenPixel(POINT{press.x, press.y + moved});
                   atOldPlace = ScreenPixel(POINT{press.x, bar.Rect.top + bar.ThumbTop});
                 }});
  // The window scrolled while the thumb was held, and the skin's thumb
  // stood where the cursor had taken it, pressed.
  EXPECT_GT(lineDuring, 0);
  EXPECT_EQ(Hex(atNewPlace), Hex(ThumbColour(true, 2)));
  EXPECT_EQ(Hex(atOldPlace), Hex(TrackColour(true, 1)));
  // Released: the thumb stays where the system put it, no longer pressed.
  EXPECT_GT(FirstLine(*memo), 0);
  const TBar after = SystemBar(memo->Handle());
  EXPECT_GT(after.ThumbTop, bar.ThumbTop + moved / 2);
  MoveMouseTo(POINT{bar.Rect.left - 60, bar.Rect.top});
  PumpMessages(150);
  EXPECT_EQ(Hex(ScreenPixel(bar.At(after.ThumbTop + 1))), Hex(ThumbColour(true, 1)));
}

TEST_F(ScrollbarSkin, ShortBarsThicknessAndGrip) {
  const int a = ArrowSize();
  // A bar shorter than two arrows: two half-length arrows, no track.
  {
    Start();
    TMemo* memo = NewMemo(30, {10, 10, 160, 10 + a + 8});
    Show();
    const TBar bar = SystemBar(memo->Handle());
    ASSERT_TRUE(bar.Visible);
    ASSERT_LT(bar.Length(), 2 * a);
    Window->Shot();
    const int half = bar.Length() / 2;
    EXPECT_EQ(Hex(ScreenPixel(bar.At(0))), Hex(GlyphColour(9)));
    EXPECT_EQ(Hex(ScreenPixel(bar.At(half - 1))), Hex(GlyphColour(9)));
    EXPECT_EQ(Hex(ScreenPixel(bar.At(bar.Length() - half))), Hex(GlyphColour(13)));
    EXPECT_EQ(Hex(ScreenPixel(bar.At(bar.Length() - 1))), Hex(GlyphColour(13)));
    Window.reset();
  }
  // The glyph strip's height is the bar's thickness when it is within 2
  // pixels of the system's arrow size; the rest of the bar's breadth is
  // the control colour.
  const struct {
    int glyphHeight, column;
    TColor colour;
  } thickness[] = {
      {a - 2, a - 3, GlyphColour(9)},
      {a - 2, a - 2, kFace},
      {a - 3, a - 3, GlyphColour(9)},
      {a - 3, a - 1, GlyphColour(9)},
  };
  for (const auto& c : thickness) {
    Start(ScrollSkin(c.glyphHeight));
    TMemo* memo = NewMemo(30);
    Show();
    const TBar bar = SystemBar(memo->Handle());
    ASSERT_TRUE(bar.Visible);
    Window->Shot();
    EXPECT_EQ(Hex(ScreenPixel(POINT{bar.Rect.left + c.column, bar.Rect.top + a / 2})), Hex(c.colour))
        << c.glyphHeight << " " << c.column;
    Window.reset();
  }
  // The grip shows on a thumb longer than the grip's length - 2 only.
  for (const int lines : {12, 400}) {
    Start();
    TMemo* memo = NewMemo(lines);
    Show();
    const TBar bar = SystemBar(memo->Handle());
    ASSERT_TRUE(bar.Visible);
    const int thumb = bar.ThumbBottom - bar.ThumbTop;
    Window->Shot();
    const COLORREF middle = ScreenPixel(bar.At((bar.ThumbTop + bar.ThumbBottom) / 2));
    if (thumb <= a - 2)
      EXPECT_EQ(Hex(middle), Hex(ThumbColour(true, 1))) << thumb;
    else
      EXPECT_EQ(Hex(middle), Hex(GlyphColour(20))) << thumb;
    Window.reset();
  }
}

// A wrapper of nothing but the base, for an overlay on its own.
class TPlainWrapper : public TSkinControl {
  QV_CLASS(TPlainWrapper, TSkinControl)
  using TSkinControl::TSkinControl;
};
QV_CLASS_INFO(TPlainWrapper, {});

TEST_F(ScrollbarSkin, AScrollBarControlsThumbIsNeverShorterThanEight) {
  Start();
  Show();
  auto* control = new TScrollBar(Window->Form.get());
  control->SetParent(Window->Form.get());
  control->SetKind(TScrollBarKind::sbVertical);
  control->SetBounds(200, 10, ArrowSize(), 200);
  control->SetParams(0, 0, 10000);
  control->SetPageSize(10);
  auto* wrapper = new TPlainWrapper(control);
  wrapper->FSkinData = Window->Data;
  auto* bar = new TWScrollbar(wrapper);
  bar->AttachControl(wrapper, control, wbControl);
  ASSERT_TRUE(bar->FShown);
  EXPECT_EQ(bar->FOrientation, 1);
  const RECT panel = WindowRectOf(bar->WindowHandle());
  const RECT bounds = WindowRectOf(control->Handle());
  EXPECT_TRUE(EqualRect(&panel, &bounds));
  bar->RepaintBar();
  Window->Shot();
  const int a = ArrowSize();
  const int x = bounds.left + a / 2;
  for (int y = 0; y < 8; ++y)
    EXPECT_EQ(Hex(ScreenPixel(POINT{x, bounds.top + a + y})), Hex(ThumbColour(true, 1))) << y;
  EXPECT_EQ(Hex(ScreenPixel(POINT{x, bounds.top + a + 8})), Hex(TrackColour(true, 1)));

  // A press goes to the control as its own: a click on the track pages.
  HoldAt(POINT{x, bounds.bottom - a - 5}, {});
  EXPECT_GT(control->Position(), 0);
}

// A scroll-bar control on a skinned form: the dispatch gives it a wrapper
// whose one bar covers it whole and follows its position, its visibility
// and the end of skinning.
TEST_F(ScrollbarSkin, AScrollBarControlIsCoveredByItsWrappersBar) {
  Start();
  auto* control = new TScrollBar(Window->Form.get());
  control->SetParent(Window->Form.get());
  control->SetKind(TScrollBarKind::sbHorizontal);
  control->SetBounds(10, 200, 200, GetSystemMetrics(SM_CYHSCROLL));
  control->SetParams(0, 0, 100);
  control->SetPageSize(50);
  Show();
  TSkinScControl* wrapper = nullptr;
  for (TSkinControl* made : Window->Skin()->FControls)
    if (made->FControl == control) wrapper = dynamic_cast<TSkinScControl*>(made);
  ASSERT_NE(wrapper, nullptr);
  ASSERT_NE(wrapper->FBar, nullptr);
  EXPECT_EQ(SendMessageA(control->Handle(), SKM_QUERYSKINNED, 0, 0), 1);
  const HWND panel = wrapper->FBar->WindowHandle();
  const RECT bounds = WindowRectOf(control->Handle());
  const RECT covered = WindowRectOf(panel);
  EXPECT_TRUE(EqualRect(&covered, &bounds));
  EXPECT_EQ(wrapper->FBar->FOrientation, 0);

  // The thumb fills the first half of the track, then the second.
  const int a = ArrowSize(), y = (bounds.top + bounds.bottom) / 2;
  const POINT first{bounds.left + a + 3, y}, last{bounds.right - a - 3, y};
  Window->Shot();
  EXPECT_EQ(Hex(ScreenPixel(first)), Hex(ThumbColour(false, 1)));
  EXPECT_EQ(Hex(ScreenPixel(last)), Hex(TrackColour(false, 1)));
  control->SetPosition(control->Max());
  Window->Shot();
  EXPECT_EQ(Hex(ScreenPixel(first)), Hex(TrackColour(false, 1)));
  EXPECT_EQ(Hex(ScreenPixel(last)), Hex(ThumbColour(false, 1)));

  control->SetVisible(false);
  EXPECT_FALSE(IsWindowVisible(panel));
  control->SetVisible(true);
  EXPECT_TRUE(IsWindowVisible(panel));

  // Unskinned, the bar goes and the control draws itself.
  wrapper->Unskin();
  EXPECT_EQ(wrapper->FBar, nullptr);
  EXPECT_FALSE(IsWindow(panel));
}

TEST_F(ScrollbarSkin, FrameAndFixedColourFollowTheControlsProperties) {
  Start();
  TMemo* framed = NewMemo(2, {10, 10, 120, 80});
  TMemo* bare = NewMemo(2, {130, 10, 240, 80});
  bare->SetBorderStyle(TBorderStyle::bsNone);
  auto* grid = new TDrawGrid(Window->Form.get());
  grid->SetParent(Window->Form.get());
  grid->SetBounds(10, 100, 200, 100);
  grid->SetFixedColor(RGB(1, 2, 3));
  Show();
  TSkinScrollbar* framedWrapper = WrapperOf(*framed);
  TSkinScrollbar* bareWrapper = WrapperOf(*bare);
  TSkinScrollbar* gridWrapper = WrapperOf(*grid);
  ASSERT_TRUE(framedWrapper && bareWrapper && gridWrapper);
  EXPECT_TRUE(framedWrapper->FDrawBorder);
  EXPECT_FALSE(bareWrapper->FDrawBorder);
  EXPECT_EQ(grid->FixedColor(), kFace);

  Window->Shot();
  const RECT f = WindowRectOf(framed->Handle()), b = WindowRectOf(bare->Handle());
  EXPECT_EQ(Hex(ScreenPixel(POINT{f.left, f.top + 20})), Hex(kShadow));
  EXPECT_EQ(Hex(ScreenPixel(POINT{f.left + 1, f.top + 20})), Hex(kFace));
  EXPECT_EQ(Hex(ScreenPixel(POINT{f.right - 1, f.bottom - 1})), Hex(kShadow));
  EXPECT_NE(Hex(ScreenPixel(POINT{b.left, b.top + 20})), Hex(kShadow));
  // The frame is also painted where the form asks for it.
  {
    const TWindowDC screen;
    TBitmap picture(f.right - f.left, f.bottom - f.top);
    EXPECT_EQ(SendMessageA(framed->Handle(), SKM_PAINTFRAMETO, reinterpret_cast<WPARAM>(picture.Canvas().Handle()),
                           SKIN_MAGIC),
              SKIN_MAGIC);
    EXPECT_EQ(picture.Canvas().Pixel(0, 10), kShadow);
    EXPECT_EQ(picture.Canvas().Pixel(1, 10), kFace);
  }

  // A new skin colour reaches the grid; unskinned, it has its own back.
  Window->Data->FColours[scButtonFace] = RGB(90, 80, 70);
  SendMessageA(Window->Handle(), SKM_RESKIN, 0, 0);
  EXPECT_EQ(grid->FixedColor(), RGB(90, 80, 70));
  gridWrapper->Unskin();
  EXPECT_EQ(grid->FixedColor(), RGB(1, 2, 3));
  EXPECT_EQ(gridWrapper->FHorzBar, nullptr);
  // The system draws the memo's border again once it is let go.
  framedWrapper->Unskin();
  PumpMessages(50);
  EXPECT_NE(Hex(ScreenPixel(POINT{f.left, f.top + 20})), Hex(kShadow));
  EXPECT_EQ(framedWrapper->FVertBar, nullptr);
}

TEST_F(ScrollbarSkin, AWindowCreatedAnewGetsAFreshWrapper) {
  Start();
  TMemo* memo = NewMemo(40);
  Show();
  TSkinScrollbar* first = WrapperOf(*memo);
  ASSERT_NE(first, nullptr);
  const HWND old = memo->Handle();
  // Changing the bars creates the window anew.
  memo->SetScrollBars(TScrollStyle::ssBoth);
  PumpMessages(100);
  ASSERT_NE(memo->Handle(), old);
  TSkinScrollbar* fresh = WrapperOf(*memo);
  ASSERT_NE(fresh, nullptr);
  EXPECT_EQ(fresh->FHandle, memo->Handle());
  EXPECT_EQ(fresh->FState, kWrapperAttached);
  EXPECT_EQ(Window->Skin()->FControls.size(), 1u);
  EXPECT_EQ(SendMessageA(memo->Handle(), SKM_QUERYSKINNED, 0, 0), 1);
  const TBar bar = SystemBar(memo->Handle());
  ASSERT_TRUE(bar.Visible);
  EXPECT_TRUE(PanelOver(fresh->FVertBar, bar));
}

TEST_F(ScrollbarSkin, AListViewsHeaderGetsItsWrapper) {
  Start();
  auto* view = new TListView(Window->Form.get());
  view->SetParent(Window->Form.get());
  view->SetBounds(10, 10, 200, 120);
  view->SetViewStyle(TViewStyle::vsReport);
  view->Columns()->Add()->SetCaption("Name");
  static std::vector<std::pair<TWrapperKind, HWND>> made;
  made.clear();
  struct TRecordingWrapper : TPlainWrapper {
    using TPlainWrapper::TPlainWrapper;
    void InitHandle(HWND window, TSkinData* data, TWinSkinForm* form, TCanvas* canvas) override {
      made.emplace_back(TWrapperKind::Header, window);
      TPlainWrapper::InitHandle(window, data, form, canvas);
    }
  };
  Show();
  // Skinned again with a factory that also has a header wrapper.
  TWinSkinForm& skin = *Window->Skin();
  delete WrapperOf(*view);
  skin.FCreateWrapper = [](const TWrapperChoice& choice, TComponent* owner) -> TSkinControl* {
    if (choice.Kind == TWrapperKind::Header) return new TRecordingWrapper(owner);
    return CreateWrapper(choice, owner);
  };
  skin.SkinControl(*view, Window->Form.get());
  auto* wrapper = dynamic_cast<TSkinListView*>(WrapperOf(*view));
  ASSERT_NE(wrapper, nullptr);
  const auto header = reinterpret_cast<HWND>(SendMessageA(view->Handle(), LVM_GETHEADER, 0, 0));
  ASSERT_NE(header, nullptr);
  ASSERT_EQ(made.size(), 1u);
  EXPECT_EQ(made[0].second, header);
  ASSERT_NE(wrapper->FHeader, nullptr);
  EXPECT_EQ(wrapper->FHeader->Owner(), view);
  EXPECT_EQ(SendMessageA(header, SKM_QUERYSKINNED, 0, 0), 1);
}

TEST_F(ScrollbarSkin, AChildListOfItsOwnGetsBothOverlays) {
  Start();
  Show();
  // A bare list window with bars, as a simple combo box's list is.
  const HWND list = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY,
                                    10, 10, 150, 100, Window->Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(list, nullptr);
  for (int i = 0; i < 40; ++i) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("item"));
  auto* wrapper = new TSkinScrollbarH(Window->Form.get());
  wrapper->InitHandle(list, Window->Data, Window->Skin(), &Window->Skin()->FCanvas);
  EXPECT_EQ(SendMessageA(list, SKM_QUERYSKINNED, 0, 0), 1);
  const TBar bar = SystemBar(list);
  ASSERT_TRUE(bar.Visible);
  EXPECT_TRUE(PanelOver(wrapper->FVertBar, bar));
  EXPECT_FALSE(wrapper->FHorzBar->FShown);
  // Moved, the overlay goes along.
  SetWindowPos(list, nullptr, 40, 30, 150, 120, SWP_NOZORDER);
  PumpMessages(50);
  EXPECT_TRUE(PanelOver(wrapper->FVertBar, SystemBar(list)));
  Window->Shot();
  EXPECT_EQ(Hex(ScreenPixel(SystemBar(list).At(ArrowSize() / 2))), Hex(GlyphColour(9)));
  // Scrolled by the wheel or the keyboard, the overlay shows the new place.
  SendMessageA(list, WM_VSCROLL, SB_PAGEDOWN, 0);
  PumpMessages(50);
  const TBar scrolled = SystemBar(list);
  EXPECT_GT(scrolled.ThumbTop, bar.ThumbTop);
  EXPECT_EQ(Hex(ScreenPixel(scrolled.At(scrolled.ThumbTop + 1))), Hex(ThumbColour(true, 1)));
  wrapper->Unskin();
  EXPECT_EQ(wrapper->FVertBar, nullptr);
  delete wrapper;
  DestroyWindow(list);
}

TEST_F(ScrollbarSkin, ADroppedDownListPaintsItsBarAndDragsItsThumb) {
  Start();
  auto* combo = new TComboBox(Window->Form.get());
  combo->SetParent(Window->Form.get());
  combo->SetBounds(10, 10, 150, 24);
  for (int i = 0; i < 60; ++i) combo->Items()->Add("item " + std::to_string(i));
  Show();
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(combo->Handle(), &info));
  const HWND list = info.hwndList;
  auto* wrapper = new TComboxScrollBar(combo);
  wrapper->InitHandle(list, Window->Data, Window->Skin(), &Window->Skin()->FCanvas);
  SendMessageA(combo->Handle(), CB_SHOWDROPDOWN, TRUE, 0);
  PumpMessages(150);
  const TBar bar = SystemBar(list);
  ASSERT_TRUE(bar.Visible);
  const int a = ArrowSize();
  EXPECT_EQ(Hex(ScreenPixel(bar.At(a / 2))), Hex(GlyphColour(9)));
  EXPECT_EQ(Hex(ScreenPixel(bar.At(bar.Length() - a / 2))), Hex(GlyphColour(13)));
  EXPECT_EQ(Hex(ScreenPixel(bar.At(bar.ThumbTop + 1))), Hex(ThumbColour(true, 1)));
  EXPECT_EQ(Hex(ScreenPixel(bar.At(bar.ThumbBottom + 2))), Hex(TrackColour(true, 1)));

  // The thumb dragged by the wrapper's own tracking scrolls the list.
  const POINT press = bar.At(bar.ThumbTop + 1);
  COLORREF during = 0;
  HoldAt(press, {[&] { MoveMouseTo(POINT{press.x, press.y + 40}); }, [] {},
                 [&] { during = ScreenPixel(POINT{press.x, press.y + 40}); }});
  EXPECT_EQ(Hex(during), Hex(ThumbColour(true, 2)));
  EXPECT_GT(SendMessageA(list, LB_GETTOPINDEX, 0, 0), 0);
  SendMessageA(combo->Handle(), CB_SHOWDROPDOWN, FALSE, 0);
  PumpMessages(50);
}

// The program's own skin on a form like the main window, with a memo, a
// list box and a grid that show their bars. With QV_SCREENSHOT set to a
// file name, the form's picture is written there (a BMP file) to look at.
TEST(BuiltInSkin, CoversEveryBarWithTheSkinsOwnPieces) {
  DestroySkinManager();
  TComponent root(nullptr);
  auto* data = new TSkinData(&root);
  data->FSkinStream.LoadFromFile(QV_DEFAULT_SKIN_PACKAGE);
  ASSERT_TRUE(data->LoadSkin());
  ASSERT_NE(data->FScrollbar, nullptr);
  data->SetActive(true);
  TSkinManage& manager = CreateSkinManager();
  manager.InstallHook();
  manager.FEnabled = true;
  {
    TForm form(nullptr);
    form.SetBorderStyle(TFormBorderStyle::bsDialog);
    form.SetFormStyle(TFormStyle::fsStayOnTop);
    form.SetCaption("Quorvex");
    form.SetBounds(120, 100, 400, 300);
    form.SetClientWidth(390);
    form.SetClientHeight(276);
    auto* memo = new TMemo(&form);
    memo->SetParent(&form);
    memo->SetBounds(4, 4, 180, 130);
    memo->SetScrollBars(TScrollStyle::ssBoth);
    memo->SetWordWrap(false);
    for (int i = 0; i < 40; ++i) memo->Lines()->Add("把文件拖入到本窗口中即可查看文件的类型 " + std::to_string(i));
    auto* list = new TListBox(&form);
    list->SetParent(&form);
    list->SetBounds(190, 4, 190, 130);
    for (int i = 0; i < 40; ++i) list->Items()->Add("item " + std::to_string(i));
    auto* grid = new TDrawGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(4, 140, 376, 130);
    grid->SetColCount(12);
    grid->SetRowCount(12);
    form.Show();
    SetForegroundWindow(form.Handle());
    PumpMessages(300);
    TWinSkinForm* skin = manager.FindSkinForm(form.Handle());
    ASSERT_NE(skin, nullptr);
    RECT window{};
    GetWindowRect(form.Handle(), &window);
    const TScreenShot shot = CaptureScreen(window);
    SaveShotWhenAsked(shot);
    // Each bar shown is covered, and its up (or left) arrow is the skin's
    // glyph frame: the middle of the arrow against the middle of frame 9
    // (frame 1), where the glyph is not transparent.
    TBitmap& glyphs = data->FScrollbar->FBitmap;
    const int frameWidth = glyphs.Width() / 23;
    int covered = 0;
    for (TWinControl* control : {static_cast<TWinControl*>(memo), static_cast<TWinControl*>(list),
                                 static_cast<TWinControl*>(grid)}) {
      TSkinScrollbar* wrapper = nullptr;
      for (TSkinControl* w : skin->FControls)
        if (w->FControl == control) wrapper = dynamic_cast<TSkinScrollbar*>(w);
      ASSERT_NE(wrapper, nullptr) << control->ClassName();
      for (const bool vertical : {true, false}) {
        const TBar bar = SystemBar(control->Handle(), vertical);
        TWScrollbar* panel = vertical ? wrapper->FVertBar : wrapper->FHorzBar;
        if (!bar.Visible) continue;
        ++covered;
        const RECT placed = WindowRectOf(panel->WindowHandle());
        EXPECT_TRUE(EqualRect(&placed, &bar.Rect)) << control->ClassName() << " " << vertical;
        const int a = ArrowSize();
        if (glyphs.Height() != a || frameWidth != a) continue;
        const TColor source = glyphs.Canvas().Pixel((vertical ? 8 : 0) * frameWidth + a / 2, a / 2);
        if (source == clFuchsia) continue;
        const POINT middle = vertical ? POINT{bar.Rect.left + a / 2, bar.Rect.top + a / 2}
                                      : POINT{bar.Rect.left + a / 2, bar.Rect.top + a / 2};
        EXPECT_EQ(Hex(shot.At(middle.x, middle.y)), Hex(static_cast<COLORREF>(source)))
            << control->ClassName() << " " << vertical;
      }
    }
    EXPECT_GE(covered, 4);
  }
  PumpMessages(20);
  DestroySkinManager();
}

TEST_F(ScrollbarSkin, ThousandsOfPaintsAndSkinningsLeaveNoGdiObject) {
  Start();
  TMemo* memo = NewMemo(60, {10, 10, 160, 130}, TScrollStyle::ssBoth);
  Show();
  TWinSkinForm& skin = *Window->Skin();
  const auto paint = [&] {
    RedrawWindow(memo->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    SendMessageA(memo->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
    SendMessageA(memo->Handle(), WM_VSCROLL, SB_ENDSCROLL, 0);
  };
  // Each skinning makes and frees two overlay windows: fewer of those.
  const auto skinning = [&] {
    auto* wrapper = new TSkinScrollbar(memo);
    wrapper->InitControl(&skin, Window->Data, false, &skin.FCanvas);
    paint();
    wrapper->SkinChange();
    wrapper->Unskin();
    delete wrapper;
  };
  for (int i = 0; i < 5; ++i) paint(), skinning();
  const int before = LiveGdiObjects();
  for (int i = 0; i < 600; ++i) paint();
  PumpMessages(20);
  EXPECT_EQ(LiveGdiObjects(), before);
  delete WrapperOf(*memo);
  const int unskinned = LiveGdiObjects();
  for (int i = 0; i < 60; ++i) skinning();
  PumpMessages(20);
  EXPECT_EQ(LiveGdiObjects(), unskinned);
}

}  // namespace
