// The control wrapper base under Wine, on real windows: the order of the
// messages around the wrapper's own processing, switching it off, one
// wrapper per control, giving the colour back, letting go in either order,
// the shared drawing operations read back from bitmaps, property access by
// name, and no GDI object left behind.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/controls/SkinControl.h"
#include "skin/window/SkinMessages.h"
#include "tests/skin/Pixels.h"
#include "tests/skin/SkinnedWindow.h"
#include "tests/support/GdiCount.h"
#include "ui/ImageList.h"
#include "ui/Memo.h"
#include "ui/Panel.h"
#include "ui/TypInfo.h"

namespace {

constexpr UINT kPassed = WM_APP + 1;
// The probe wrapper answers it itself with 42.
constexpr UINT kSwallowed = WM_APP + 2;

using TLog = std::vector<std::string>;

bool Tracked(UINT msg) { return msg == kPassed || msg == kSwallowed || msg == WM_PAINT || msg == SKM_QUERYSKINNED; }

std::string Entry(const char* who, UINT msg) {
  char text[32];
  std::snprintf(text, sizeof text, "%s %04X", who, msg);
  return text;
}

// A wrapper that writes what it sees into a log.
class TProbeWrapper : public TSkinControl {
  QV_CLASS(TProbeWrapper, TSkinControl)

  TProbeWrapper(TComponent* owner, TLog* log) : TSkinControl(owner), FLog(log) {}

  bool BeforeProc(TMessage& message) override {
    if (Tracked(message.Msg)) FLog->push_back(Entry("before", message.Msg));
    if (message.Msg == kSwallowed) {
      message.Result = 42;
      return false;
    }
    return TSkinControl::BeforeProc(message);
  }
  void AfterProc(TMessage& message) override {
    if (Tracked(message.Msg)) FLog->push_back(Entry("after", message.Msg));
    TSkinControl::AfterProc(message);
  }
  void DrawControl(HDC, const RECT& rect) override {
    FLog->push_back("draw");
    Drawn = rect;
  }

  RECT Drawn{};

 private:
  TLog* FLog;
};

QV_CLASS_INFO(TProbeWrapper, {});

// Writes the messages that reach the control's own processing.
class TControlRecorder {
 public:
  TControlRecorder(TControl& control, TLog* log) : FLog(log) {
    FHook.Install(control, TWindowProcHook::THandler::Of<&TControlRecorder::Handle>(this));
  }

 private:
  void Handle(TMessage& message) {
    if (Tracked(message.Msg)) FLog->push_back(Entry("control", message.Msg));
    FHook.CallDefault(message);
  }
  TLog* FLog;
  TWindowProcHook FHook;
};

constexpr TColor kPanelColour = RGB(10, 20, 30);
// ButtonFace of the probe skin.
constexpr TColor kSkinFace = RGB(200, 200, 200);

class SkinControl : public ::testing::Test {
 protected:
  void SetUp() override {
    Window = std::make_unique<TSkinnedWindow>();
    Window->Show();
    ASSERT_NE(Window->Skin(), nullptr);
    Panel = NewPanel();
  }
  void TearDown() override { Window.reset(); }

  TPanel* NewPanel() {
    auto* panel = new TPanel(Window->Form.get());
    panel->SetParent(Window->Form.get());
    panel->SetBounds(10, 10, 120, 60);
    panel->SetColor(kPanelColour);
    return panel;
  }
  TProbeWrapper* Attach(TControl& control, bool setColor = false) {
    auto* wrapper = new TProbeWrapper(&control, &Log);
    wrapper->InitControl(Window->Skin(), Window->Data, setColor, &Window->Skin()->FCanvas);
    return wrapper;
  }
  LRESULT Send(UINT msg, WPARAM wParam = 0) { return SendMessageA(Panel->Handle(), msg, wParam, 0); }
  void RepaintNow() {
    InvalidateRect(Panel->Handle(), nullptr, TRUE);
    UpdateWindow(Panel->Handle());
  }
  std::vector<TSkinControl*>& Wrappers() { return Window->Skin()->FControls; }
  TColor ScreenPixel(TControl& control) {
    const TScreenShot shot = Window->Shot();
    POINT centre{control.Width() / 2, control.Height() / 2};
    ClientToScreen(dynamic_cast<TWinControl&>(control).Handle(), &centre);
    return static_cast<TColor>(shot.At(centre.x, centre.y));
  }

  std::unique_ptr<TSkinnedWindow> Window;
  TPanel* Panel = nullptr;
  TLog Log;
};

}  // namespace

TEST_F(SkinControl, RunsAroundTheControlsOwnProcessing) {
  TControlRecorder control(*Panel, &Log);
  TProbeWrapper* wrapper = Attach(*Panel);
  EXPECT_EQ(wrapper->FState, kWrapperAttached);
  EXPECT_EQ(wrapper->FHandle, Panel->Handle());
  const RECT bounds = [&] {
    RECT r{};
    GetWindowRect(Panel->Handle(), &r);
    return r;
  }();

  struct Case {
    UINT msg;
    LRESULT result;
    TLog log;
  };
  const Case cases[] = {
      {kPassed, 0, {Entry("before", kPassed), Entry("control", kPassed), Entry("after", kPassed)}},
      // Answered by the wrapper: the control never sees it.
      {kSwallowed, 42, {Entry("before", kSwallowed)}},
      {SKM_QUERYSKINNED, 1, {Entry("before", SKM_QUERYSKINNED)}},
  };
  for (const Case& c : cases) {
    Log.clear();
    EXPECT_EQ(Send(c.msg), c.result) << c.msg;
    EXPECT_EQ(Log, c.log) << c.msg;
  }
  // A paint: the control paints, then the wrapper over the whole window.
  Log.clear();
  RepaintNow();
  EXPECT_EQ(Log, (TLog{Entry("before", WM_PAINT), Entry("control", WM_PAINT), Entry("after", WM_PAINT), "draw"}));
  EXPECT_TRUE(EqualRect(&wrapper->FWindowRect, &bounds));
  const RECT origin{0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top};
  EXPECT_TRUE(EqualRect(&wrapper->Drawn, &origin));
  // A second attach hooks nothing more.
  EXPECT_TRUE(Window->Skin()->RegisterControl(wrapper));
  wrapper->InitControl(Window->Skin(), Window->Data, false, &Window->Skin()->FCanvas);
  Log.clear();
  Send(kPassed);
  EXPECT_EQ(Log, (TLog{Entry("before", kPassed), Entry("control", kPassed), Entry("after", kPassed)}));
  EXPECT_EQ(Wrappers().size(), 1u);
}

TEST_F(SkinControl, SwitchedOffPassesEverythingUntouched) {
  TControlRecorder control(*Panel, &Log);
  TProbeWrapper* wrapper = Attach(*Panel);
  for (const WPARAM off : {WPARAM{0}, static_cast<WPARAM>(-1)}) {
    Log.clear();
    Send(SKM_SKINSWITCH, off);
    EXPECT_FALSE(wrapper->FActive);
    EXPECT_EQ(Send(kSwallowed), 0);
    EXPECT_EQ(Send(SKM_QUERYSKINNED), 0);
    RepaintNow();
    // The switch itself never reaches the control.
    EXPECT_EQ(Log, (TLog{Entry("control", kSwallowed), Entry("control", SKM_QUERYSKINNED), Entry("control", WM_PAINT)}));
    // Switched on again: repainted at once.
    Log.clear();
    Send(SKM_SKINSWITCH, 1);
    EXPECT_TRUE(wrapper->FActive);
    EXPECT_EQ(Log, (TLog{Entry("before", WM_PAINT), Entry("control", WM_PAINT), Entry("after", WM_PAINT), "draw"}));
  }
  // Still registered while off: the dispatch leaves the control alone.
  Send(SKM_SKINSWITCH, 0);
  EXPECT_TRUE(Window->Skin()->IsSkinned(*Panel));
}

TEST_F(SkinControl, UnskinGivesTheColourBack) {
  TProbeWrapper* wrapper = Attach(*Panel, true);
  EXPECT_EQ(Panel->Color(), kSkinFace);
  EXPECT_EQ(wrapper->FOldColor, kPanelColour);
  EXPECT_EQ(ScreenPixel(*Panel), kSkinFace);
  // A new skin colour reaches every wrapper when the form is skinned anew.
  Window->Data->FColours[scButtonFace] = RGB(90, 80, 70);
  SendMessageA(Window->Handle(), SKM_RESKIN, 0, 0);
  EXPECT_EQ(Panel->Color(), RGB(90, 80, 70));
  wrapper->Unskin();
  EXPECT_FALSE(wrapper->FActive);
  EXPECT_EQ(Panel->Color(), kPanelColour);
  EXPECT_EQ(ScreenPixel(*Panel), kPanelColour);
  // Unskinned, a wrapper that did not recolour leaves the colour alone.
  TPanel* other = NewPanel();
  other->SetColor(RGB(1, 2, 3));
  TProbeWrapper* plain = Attach(*other);
  EXPECT_EQ(other->Color(), RGB(1, 2, 3));
  plain->Unskin();
  EXPECT_EQ(other->Color(), RGB(1, 2, 3));
}

TEST_F(SkinControl, TheFormSkinnerFreesItsWrappers) {
  TWinSkinForm& skin = *Window->Skin();
  Attach(*Panel, true);
  TPanel* other = NewPanel();
  Attach(*other);
  ASSERT_EQ(Wrappers().size(), 2u);
  // Letting go of a window that is being destroyed: no colour is given
  // back, but every control gets its WindowProc back.
  skin.ReleaseWindow();
  EXPECT_TRUE(Wrappers().empty());
  EXPECT_EQ(Panel->Color(), kSkinFace);
  Log.clear();
  Send(kPassed);
  EXPECT_EQ(Send(SKM_QUERYSKINNED), 0);
  EXPECT_TRUE(Log.empty());
  EXPECT_EQ(other->ComponentCount(), 0);
}

TEST_F(SkinControl, DetachUnskinsAndFreesTheWrappers) {
  Attach(*Panel, true);
  SkinManager()->Schedule(kUnskinAll, 250);
  SkinManager()->FCommandData = Window->Data;
  PumpMessages(400);
  ASSERT_EQ(Window->Skin(), nullptr);
  EXPECT_EQ(Panel->Color(), kPanelColour);
  EXPECT_EQ(Panel->ComponentCount(), 0);
  EXPECT_EQ(Send(SKM_QUERYSKINNED), 0);
}

TEST_F(SkinControl, ControlsAndWrappersGoInEitherOrder) {
  // The control first: its wrapper goes with it and leaves the list.
  TControlRecorder recorder(*Panel, &Log);
  Attach(*Panel);
  delete Panel;
  EXPECT_TRUE(Wrappers().empty());
  EXPECT_EQ(SendMessageA(Window->Handle(), SKM_QUERYSKINNED, 0, 0), 1);

  // The wrapper first: the control gets its WindowProc back.
  Panel = NewPanel();
  TControlRecorder other(*Panel, &Log);
  delete Attach(*Panel, true);
  EXPECT_TRUE(Wrappers().empty());
  Log.clear();
  EXPECT_EQ(Send(SKM_QUERYSKINNED), 0);
  RepaintNow();
  EXPECT_EQ(Log, (TLog{Entry("control", SKM_QUERYSKINNED), Entry("control", WM_PAINT)}));
  delete Panel;
  Panel = nullptr;
}

namespace {

// A bare child window of the form, W or A.
HWND BareWindow(HWND parent, bool unicode) {
  return unicode ? CreateWindowExW(0, L"STATIC", L"宽字符", WS_CHILD | WS_VISIBLE, 150, 10, 80, 30, parent, nullptr,
                                   GetModuleHandleW(nullptr), nullptr)
                 : CreateWindowExA(0, "STATIC", "ansi", WS_CHILD | WS_VISIBLE, 150, 10, 80, 30, parent, nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

TEST_F(SkinControl, BareWindowsInEitherOrder) {
  TWinSkinForm& skin = *Window->Skin();
  const int links = TWindowSubclass::LiveCount();
  for (const bool unicode : {true, false}) {
    for (const bool windowFirst : {true, false}) {
      const HWND window = BareWindow(Window->Handle(), unicode);
      ASSERT_NE(window, nullptr);
      const LONG_PTR procedure = GetWindowLongPtrA(window, GWLP_WNDPROC);
      auto* wrapper = new TProbeWrapper(&skin, &Log);
      wrapper->InitHandle(window, Window->Data, &skin, &skin.FCanvas);
      EXPECT_EQ(wrapper->FUnicode, unicode);
      EXPECT_EQ(wrapper->FCaption, unicode ? L"宽字符" : L"ansi");
      EXPECT_EQ(wrapper->FControl, nullptr);
      EXPECT_EQ(SendMessageA(window, SKM_QUERYSKINNED, 0, 0), 1);
      EXPECT_EQ(SendMessageW(window, kSwallowed, 0, 0), 42);
      ASSERT_EQ(Wrappers().size(), 1u);
      if (windowFirst) {
        DestroyWindow(window);
        EXPECT_EQ(wrapper->FState, kWrapperDestroyed);
        EXPECT_FALSE(wrapper->FActive);
        delete wrapper;
      } else {
        delete wrapper;
        EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), procedure);
        EXPECT_EQ(SendMessageA(window, SKM_QUERYSKINNED, 0, 0), 0);
        DestroyWindow(window);
      }
      EXPECT_TRUE(Wrappers().empty());
      EXPECT_EQ(TWindowSubclass::LiveCount(), links) << unicode << windowFirst;
    }
  }
}

// The drawing operations, into bitmaps.

namespace {

// White, with the system font.
std::unique_ptr<TBitmap> Blank(int width, int height) {
  auto bitmap = std::make_unique<TBitmap>(width, height);
  bitmap->Canvas().SetBrushColor(clWhite);
  bitmap->Canvas().FillRect(RECT{0, 0, width, height});
  SelectObject(bitmap->Canvas().Handle(), GetStockObject(SYSTEM_FONT));
  return bitmap;
}

// The smallest rectangle holding every pixel that is not white.
RECT InkBounds(TBitmap& bitmap) {
  RECT bounds{bitmap.Width(), bitmap.Height(), 0, 0};
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      if (bitmap.Canvas().Pixel(x, y) != clWhite) {
        bounds.left = std::min<LONG>(bounds.left, x);
        bounds.top = std::min<LONG>(bounds.top, y);
        bounds.right = std::max<LONG>(bounds.right, x + 1);
        bounds.bottom = std::max<LONG>(bounds.bottom, y + 1);
      }
  return bounds;
}

SIZE TextSize(HDC dc, const std::wstring& text) {
  RECT r{0, 0, 0, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE);
  return SIZE{r.right, r.bottom};
}

std::string Str(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom);
}

}  // namespace

TEST(SkinControlDrawing, FocusTextSitsOnePixelHighWithinTheRectangle) {
  TLog log;
  TProbeWrapper wrapper(nullptr, &log);
  wrapper.FCaption = L"Focus";
  auto bitmap = Blank(200, 80);
  const HDC dc = bitmap->Canvas().Handle();
  const SIZE text = TextSize(dc, wrapper.FCaption);
  const RECT rect{20, 10, 160, 50};
  const int centredLeft = 20 + (140 - text.cx) / 2, centredTop = 10 + (40 - text.cy) / 2 - 1;
  struct Case {
    UINT flags;
    RECT expected;
  };
  const Case cases[] = {
      // One pixel higher than exact centring, then grown by 2 and 1.
      {DT_CENTER | DT_SINGLELINE, {centredLeft - 2, centredTop - 1, centredLeft + text.cx + 2, centredTop + text.cy + 1}},
      // At the left and top: the grown rectangle is clipped to rect.
      {DT_LEFT | DT_SINGLELINE, {20, 10, 20 + text.cx + 2, 10 + text.cy + 1}},
      {DT_RIGHT | DT_SINGLELINE, {160 - text.cx - 2, 10, 160, 10 + text.cy + 1}},
  };
  for (const Case& c : cases) {
    bitmap = Blank(200, 80);
    wrapper.DrawFocusText(bitmap->Canvas().Handle(), c.flags, rect);
    const RECT ink = InkBounds(*bitmap);
    EXPECT_TRUE(EqualRect(&ink, &c.expected)) << c.flags << ": " << Str(ink) << " expected " << Str(c.expected);
  }
}

TEST(SkinControlDrawing, CaptionsArePlainCentredOnePixelHighAndGreyWhenDisabled) {
  TLog log;
  TProbeWrapper wrapper(nullptr, &log);
  const std::wstring text = L"Caption";
  const RECT rect{10, 10, 190, 50};
  // The caption drawn with a bold font selected looks like the plain font
  // drawn where the caption belongs.
  LOGFONTW plain{};
  plain.lfHeight = -16;
  plain.lfWeight = FW_NORMAL;
  lstrcpyW(plain.lfFaceName, L"Tahoma");
  LOGFONTW bold = plain;
  bold.lfWeight = FW_BOLD;
  const TFontHandle plainFont(CreateFontIndirectW(&plain)), boldFont(CreateFontIndirectW(&bold));
  for (const UINT align : {UINT{DT_CENTER}, UINT{DT_LEFT}, UINT{DT_RIGHT}}) {
    auto drawn = Blank(200, 60);
    SelectObject(drawn->Canvas().Handle(), boldFont.Get());
    wrapper.DrawCaption(drawn->Canvas(), rect, align | DT_SINGLELINE, true, text);
    auto expected = Blank(200, 60);
    const HDC dc = expected->Canvas().Handle();
    SelectObject(dc, plainFont.Get());
    const SIZE size = TextSize(dc, text);
    RECT place{10, 10 + (40 - size.cy) / 2 - 1, 190, 10 + (40 - size.cy) / 2 - 1 + size.cy};
    if (align == DT_CENTER) place = {10 + (180 - size.cx) / 2, place.top, 10 + (180 - size.cx) / 2 + size.cx, place.bottom};
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &place, align | DT_SINGLELINE);
    EXPECT_EQ(PixelsOf(*drawn), PixelsOf(*expected)) << align;
    SelectObject(drawn->Canvas().Handle(), GetStockObject(SYSTEM_FONT));
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
  }
  auto disabled = Blank(200, 60);
  SelectObject(disabled->Canvas().Handle(), plainFont.Get());
  SetTextColor(disabled->Canvas().Handle(), RGB(255, 0, 0));
  wrapper.DrawCaption(disabled->Canvas(), rect, DT_CENTER | DT_SINGLELINE, false, text);
  int grey = 0;
  for (TColor pixel : PixelsOf(*disabled)) {
    if (pixel == clWhite) continue;
    if (pixel == static_cast<TColor>(GetSysColor(COLOR_GRAYTEXT))) ++grey;
  }
  EXPECT_GT(grey, 20);
  SelectObject(disabled->Canvas().Handle(), GetStockObject(SYSTEM_FONT));
}

TEST(SkinControlDrawing, CaptionImagesArePlacedByAlignment) {
  TLog log;
  TProbeWrapper wrapper(nullptr, &log);
  constexpr TColor kImage = RGB(0, 128, 255);
  TBitmap strip(16, 16);
  strip.Canvas().SetBrushColor(kImage);
  strip.Canvas().FillRect(RECT{0, 0, 16, 16});
  TImageList images(16, 16);
  ASSERT_EQ(images.AddMasked(strip, clFuchsia), 0);
  struct Case {
    RECT rect;
    int align;
    int index;
    int imageLeft;  // -1: no image drawn
  };
  // No text: the pair is the image and the gap after it, 19 pixels.
  const Case cases[] = {
      {{10, 10, 110, 40}, 0, 0, 13},  {{10, 10, 110, 40}, 1, 0, 10 + (100 - 19) / 2},
      {{10, 10, 110, 40}, 2, 0, 110 - 2 - 19},
      // Too narrow to centre or right-align: one pixel from the left edge.
      {{10, 10, 27, 40}, 2, 0, 11},   {{10, 10, 110, 40}, 0, -1, -1},
      // An image as wide as the rectangle is left out.
      {{10, 10, 26, 40}, 0, 0, -1},
  };
  for (const Case& c : cases) {
    auto bitmap = Blank(140, 60);
    wrapper.DrawCaptionImage(bitmap->Canvas(), c.rect, c.align, L"", c.index, images.Handle());
    const RECT ink = InkBounds(*bitmap);
    if (c.imageLeft < 0) {
      EXPECT_TRUE(IsRectEmpty(&ink)) << Str(c.rect) << " " << c.align;
      continue;
    }
    const int top = c.rect.top + (c.rect.bottom - c.rect.top - 16) / 2;
    const RECT expected{c.imageLeft, top, std::min<LONG>(c.imageLeft + 16, c.rect.right), top + 16};
    EXPECT_TRUE(EqualRect(&ink, &expected)) << Str(c.rect) << " " << c.align << ": " << Str(ink);
    EXPECT_EQ(bitmap->Canvas().Pixel(expected.left, expected.top), kImage);
  }
}

namespace {

// Nine cells of 4 x 4 per frame, each frame's cells in colours of their own.
TColor CellColour(int frame, int column, int row) { return RGB(20 + 60 * frame, 30 + 70 * column, 40 + 70 * row); }

}  // namespace

TEST(SkinControlDrawing, SkinElementsAreNineGridsOfTheirFrame) {
  TLog log;
  TProbeWrapper wrapper(nullptr, &log);
  TDataSkinObject element("Probe");
  TBitmap& bitmap = element.FBitmap;
  bitmap.SetSize(24, 12);
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 24; ++x) bitmap.Canvas().SetPixel(x, y, CellColour(x / 12, (x % 12) / 4, y / 4));
  element.FMargins = RECT{4, 4, 4, 4};
  // Frame 2 stretched over 40 x 30 at (10, 10).
  auto drawn = Blank(60, 50);
  wrapper.DrawSkinElement(drawn->Canvas().Handle(), RECT{10, 10, 50, 40}, 2, 2, element);
  const auto at = [&drawn](int x, int y) { return drawn->Canvas().Pixel(x, y); };
  EXPECT_EQ(at(10, 10), CellColour(1, 0, 0));
  EXPECT_EQ(at(49, 10), CellColour(1, 2, 0));
  EXPECT_EQ(at(30, 25), CellColour(1, 1, 1));
  EXPECT_EQ(at(10, 39), CellColour(1, 0, 2));
  EXPECT_EQ(at(30, 39), CellColour(1, 1, 2));
  EXPECT_EQ(at(9, 9), clWhite);
  EXPECT_EQ(at(50, 40), clWhite);
  // Trans 1: magenta lets the destination through.
  for (int y = 4; y < 8; ++y)
    for (int x = 16; x < 20; ++x) bitmap.Canvas().SetPixel(x, y, clFuchsia);
  element.FTrans = 1;
  drawn = Blank(60, 50);
  wrapper.DrawSkinElement(drawn->Canvas().Handle(), RECT{10, 10, 50, 40}, 2, 2, element);
  EXPECT_EQ(at(30, 25), clWhite);
  EXPECT_EQ(at(10, 10), CellColour(1, 0, 0));
  // A rectangle of negative size, or an element without a picture: nothing.
  drawn = Blank(60, 50);
  wrapper.DrawSkinElement(drawn->Canvas().Handle(), RECT{50, 10, 10, 40}, 2, 2, element);
  TDataSkinObject empty("Empty");
  wrapper.DrawSkinElement(drawn->Canvas().Handle(), RECT{10, 10, 50, 40}, 2, 2, empty);
  const RECT ink = InkBounds(*drawn);
  EXPECT_TRUE(IsRectEmpty(&ink));
}

TEST(SkinControlDrawing, SkinFramesOnCanvasesAndDeviceContexts) {
  TLog log;
  TProbeWrapper wrapper(nullptr, &log);
  // Three frames of 10 x 10, each with a magenta left half in frame 3.
  TBitmap bitmap(30, 10);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 30; ++x) bitmap.Canvas().SetPixel(x, y, x >= 20 && x < 25 ? clFuchsia : CellColour(x / 10, 0, 0));
  for (const bool onCanvas : {true, false}) {
    auto drawn = Blank(40, 40);
    const RECT rect{5, 5, 25, 35};
    if (onCanvas)
      wrapper.DrawSkinFrame(drawn->Canvas(), rect, 3, 3, bitmap);
    else
      wrapper.DrawSkinFrame(drawn->Canvas().Handle(), rect, 3, 3, bitmap);
    EXPECT_EQ(drawn->Canvas().Pixel(6, 20), clWhite) << onCanvas;
    EXPECT_EQ(drawn->Canvas().Pixel(14, 20), clWhite) << onCanvas;
    EXPECT_EQ(drawn->Canvas().Pixel(15, 20), CellColour(2, 0, 0)) << onCanvas;
    EXPECT_EQ(drawn->Canvas().Pixel(24, 34), CellColour(2, 0, 0)) << onCanvas;
    EXPECT_EQ(drawn->Canvas().Pixel(25, 20), clWhite) << onCanvas;
    wrapper.DrawSkinFrame(drawn->Canvas().Handle(), RECT{30, 5, 20, 35}, 3, 1, bitmap);
    EXPECT_EQ(drawn->Canvas().Pixel(25, 20), clWhite);
  }
}

TEST_F(SkinControl, FillsWithTheSkinsAndTheParentsColour) {
  TPanel* child = NewPanel();
  child->SetParent(Panel);
  child->SetBounds(5, 5, 40, 30);
  TProbeWrapper* wrapper = Attach(*child);
  auto drawn = Blank(30, 10);
  const HDC dc = drawn->Canvas().Handle();
  wrapper->FillParentColor(dc, RECT{0, 0, 10, 10});
  wrapper->FillSkinColor(dc, RECT{10, 0, 20, 10});
  wrapper->FillColor(dc, RECT{20, 0, 30, 10}, SystemColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(drawn->Canvas().Pixel(5, 5), kPanelColour);
  EXPECT_EQ(drawn->Canvas().Pixel(15, 5), kSkinFace);
  EXPECT_EQ(drawn->Canvas().Pixel(25, 5), static_cast<TColor>(GetSysColor(COLOR_HIGHLIGHT)));
  // A system colour of the parent is a colour like any other.
  Panel->SetColor(SystemColor(COLOR_BTNSHADOW));
  EXPECT_EQ(wrapper->ParentColor(), SystemColor(COLOR_BTNSHADOW));

  // The parent's look under the control: the panel's face.
  Panel->SetColor(kPanelColour);
  auto erased = Blank(40, 30);
  TMessage erase{WM_ERASEBKGND, reinterpret_cast<WPARAM>(erased->Canvas().Handle()), 0, 0};
  wrapper->EraseByParent(erase);
  EXPECT_EQ(erase.Result, 1);
  EXPECT_EQ(erased->Canvas().Pixel(20, 15), kPanelColour);

  // A bare window has no parent control: the skin's colour.
  const HWND window = BareWindow(Window->Handle(), true);
  auto* bare = new TProbeWrapper(Window->Skin(), &Log);
  bare->InitHandle(window, Window->Data, Window->Skin(), &Window->Skin()->FCanvas);
  auto client = Blank(80, 30);
  TMessage bareErase{WM_ERASEBKGND, reinterpret_cast<WPARAM>(client->Canvas().Handle()), 0, 0};
  bare->EraseByParent(bareErase);
  EXPECT_EQ(client->Canvas().Pixel(40, 15), kSkinFace);
  EXPECT_EQ(client->Canvas().Pixel(79, 29), kSkinFace);
  delete bare;
  DestroyWindow(window);
}

TEST_F(SkinControl, PaintByDrawDrawsOverTheWholeWindow) {
  TProbeWrapper* wrapper = Attach(*Panel);
  auto drawn = Blank(10, 10);
  Log.clear();
  TMessage paint{WM_PAINT, reinterpret_cast<WPARAM>(drawn->Canvas().Handle()), 0, 0};
  wrapper->PaintByDraw(paint);
  EXPECT_EQ(Log, TLog{"draw"});
  const RECT whole{0, 0, 120, 60};
  EXPECT_TRUE(EqualRect(&wrapper->Drawn, &whole)) << Str(wrapper->Drawn);
  // Without a device context it paints the window's update region and
  // validates it.
  InvalidateRect(Panel->Handle(), nullptr, FALSE);
  TMessage own{WM_PAINT, 0, 0, 0};
  wrapper->PaintByDraw(own);
  RECT update{};
  EXPECT_FALSE(GetUpdateRect(Panel->Handle(), &update, FALSE));
}

TEST_F(SkinControl, PropertiesByNameGiveNeutralValuesWhenAbsent) {
  TPanel& panel = *Panel;
  panel.SetName("Probe");
  EXPECT_EQ(TSkinControl::GetOrdPropByName(&panel, "Width"), 120);
  EXPECT_EQ(TSkinControl::GetOrdPropByName(&panel, "width"), 120);
  EXPECT_EQ(TSkinControl::GetOrdPropByName(&panel, "Align"), -1);
  EXPECT_EQ(TSkinControl::GetOrdPropByName(&panel, "Glyph"), -1);
  EXPECT_EQ(TSkinControl::GetOrdPropByName(nullptr, "Width"), -1);
  EXPECT_EQ(TSkinControl::GetEnumPropByName(&panel, "BevelOuter"), "bvRaised");
  EXPECT_EQ(TSkinControl::GetEnumPropByName(&panel, "Visible"), "True");
  EXPECT_EQ(TSkinControl::GetEnumPropByName(&panel, "Width"), "");
  EXPECT_EQ(TSkinControl::GetEnumPropByName(nullptr, "Align"), "");
  EXPECT_EQ(TSkinControl::GetTextPropByName(&panel, "Name"), L"Probe");
  EXPECT_EQ(TSkinControl::GetTextPropByName(&panel, "Width"), L"");
  EXPECT_EQ(TSkinControl::GetObjectPropByName(&panel, "Font"), panel.Font());
  EXPECT_EQ(TSkinControl::GetObjectPropByName(&panel, "Name"), nullptr);
  EXPECT_EQ(TSkinControl::GetObjectPropByName(nullptr, "Font"), nullptr);

  struct Case {
    const char* name;
    const char* text;
    const char* property;  // read back as text
    const char* expected;
  };
  const Case cases[] = {
      {"Width", "150", "Width", "150"},       {"Width", "wide", "Width", "150"},
      {"Align", "alRight", "Align", "alRight"}, {"Align", "alNowhere", "Align", "alRight"},
      {"Visible", "false", "Visible", "False"}, {"Name", "Renamed", "Name", "Renamed"},
      {"Font", "Arial", "Name", "Renamed"},     {"NoSuchThing", "1", "Width", "150"},
  };
  for (const Case& c : cases) {
    TSkinControl::SetPropFromText(&panel, c.name, c.text);
    const std::string value = GetPropInfo(panel, c.property)->Kind == TTypeKind::Integer
                                  ? std::to_string(TSkinControl::GetOrdPropByName(&panel, c.property))
                              : GetPropInfo(panel, c.property)->Kind == TTypeKind::String
                                  ? std::get<std::string>(GetPropValue(panel, c.property))
                                  : TSkinControl::GetEnumPropByName(&panel, c.property);
    EXPECT_EQ(value, c.expected) << c.name << "=" << c.text;
  }
  TSkinControl::SetPropFromText(nullptr, "Width", "1");
}

namespace {

// A wrapper that draws with the shared operations.
class TPainter : public TSkinControl {
  QV_CLASS(TPainter, TSkinControl)
  using TSkinControl::TSkinControl;

  void DrawControl(HDC dc, const RECT& rect) override {
    FillSkinColor(dc, rect);
    FillParentColor(dc, RECT{0, 0, 4, 4});
    TCanvas canvas(dc);
    DrawCaption(canvas, rect, DT_CENTER | DT_SINGLELINE, false, L"leak?");
    FCaption = L"x";
    DrawFocusText(dc, DT_CENTER, rect);
  }
};

QV_CLASS_INFO(TPainter, {});

}  // namespace

TEST_F(SkinControl, NothingLeaks) {
  TWinSkinForm& skin = *Window->Skin();
  TMemo* memo = new TMemo(Window->Form.get());
  memo->SetParent(Window->Form.get());
  memo->SetBounds(10, 80, 100, 40);
  const auto round = [&] {
    auto* wrapper = new TProbeWrapper(memo, &Log);
    wrapper->InitControl(&skin, Window->Data, true, &skin.FCanvas);
    wrapper->Repaint();
    wrapper->SkinChange();
    wrapper->Unskin();
    delete wrapper;
    auto* painter = new TPainter(memo);
    painter->InitControl(&skin, Window->Data, true, &skin.FCanvas);
    painter->Repaint();
    delete painter;
    Log.clear();
  };
  for (int i = 0; i < 5; ++i) round();
  const int before = LiveGdiObjects();
  for (int i = 0; i < 300; ++i) round();
  PumpMessages(20);
  EXPECT_EQ(LiveGdiObjects(), before);
}
