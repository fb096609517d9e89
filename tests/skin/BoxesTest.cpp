// The edit, panel, group box, tab sheet, dialog and size-grip wrappers under
// Wine, on real windows, against the probe skin: each face read back from
// the screen, by state, with real mouse and keyboard input where the user
// makes the state; the colour given back; nothing left behind.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/controls/SkinBox.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinGroupBox.h"
#include "skin/controls/SkinUpDown.h"
#include "skin/window/SkinMessages.h"
#include "tests/skin/SkinnedWindow.h"
#include "tests/support/GdiCount.h"
#include "ui/CommonControls.h"
#include "ui/Edit.h"
#include "ui/GraphicControl.h"
#include "ui/GroupBox.h"
#include "ui/PageControl.h"
#include "ui/Panel.h"
#include "ui/ShowMessage.h"

namespace {

// The probe skin's ButtonFace, and a ButtonShadow that no system frame has.
constexpr TColor kFace = RGB(200, 200, 200);
constexpr TColor kShadow = RGB(0, 90, 170);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// A windowless control that shows a colour of its own.
class TSwatch : public TGraphicControl {
  QV_CLASS(TSwatch, TGraphicControl)
  using TGraphicControl::TGraphicControl;

  static constexpr TColor kColour = RGB(250, 40, 120);

 protected:
  void Paint() override {
    Canvas().SetBrushColor(kColour);
    Canvas().FillRect(RECT{0, 0, Width(), Height()});
  }
};
QV_CLASS_INFO(TSwatch, {});

// Pixels of a window as the screen shows them, in window coordinates.
struct TWindowShot {
  explicit TWindowShot(HWND window) {
    PumpMessages(60);
    GetWindowRect(window, &Bounds);
    Shot = CaptureScreen(Bounds);
  }
  COLORREF At(int x, int y) const { return Shot.At(Bounds.left + x, Bounds.top + y); }
  int Width() const { return Bounds.right - Bounds.left; }
  int Height() const { return Bounds.bottom - Bounds.top; }

  RECT Bounds{};
  TScreenShot Shot;
};

POINT CentreOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void RepaintNow(HWND window) { RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW); }

class Boxes : public ::testing::Test {
 protected:
  void SetUp() override {
    Window = std::make_unique<TSkinnedWindow>(probe::Skin(), 340, 260);
    Window->Data->FColours[scButtonShadow] = kShadow;
    Window->Show();
    ASSERT_NE(Window->Skin(), nullptr);
  }
  void TearDown() override { Window.reset(); }

  TWinSkinForm& Skin() { return *Window->Skin(); }
  TForm& Form() { return *Window->Form; }
  template <class T>
  T* Add(int left, int top, int width, int height, TWinControl* parent = nullptr) {
    auto* control = new T(&Form());
    control->SetParent(parent ? parent : &Form());
    control->SetBounds(left, top, width, height);
    return control;
  }
  // As the form skinner meets a control of the form.
  void Dispatch(TControl& control) { Skin().SkinControl(control, &Form()); }
  TSkinControl* WrapperOf(const TControl& control) {
    for (TSkinControl* wrapper : Skin().FControls)
      if (wrapper->FControl == &control) return wrapper;
    return nullptr;
  }
  TSkinControl* WrapperOf(HWND window) {
    for (TSkinControl* wrapper : Skin().FControls)
      if (wrapper->FHandle == window) return wrapper;
    return nullptr;
  }
  HWND Child(const char* cls, const wchar_t* text, DWORD style, DWORD exStyle, RECT r, HWND parent = nullptr) {
    const std::wstring wide(cls, cls + std::char_traits<char>::length(cls));
    return CreateWindowExW(exStyle, wide.c_str(), text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                           r.bottom - r.top, parent ? parent : Window->Handle(), nullptr, GetModuleHandleW(nullptr),
                           nullptr);
  }

  std::unique_ptr<TSkinnedWindow> Window;
};

}  // namespace

// Edits.

TEST_F(Boxes, AnEditKeepsTheSkinsFrameWhateverTheUserDoes) {
  auto* edit = Add<TEdit>(20, 20, 160, 24);
  auto* other = Add<TEdit>(20, 80, 160, 24);
  Dispatch(*edit);
  Dispatch(*other);
  ASSERT_NE(WrapperOf(*edit), nullptr);
  EXPECT_EQ(WrapperOf(*edit)->ClassName(), "TSkinEdit");
  const HWND handle = edit->Handle();
  struct Step {
    const char* state;
    std::function<void()> act;
  };
  const Step steps[] = {
      {"normal", [] {}},
      {"hot", [&] { MoveMouseTo(CentreOf(handle)); }},
      {"focused by a click", [&] { ClickAt(CentreOf(handle)); }},
      {"typed into", [&] {
         PressKey('Q');
         PressKey('V');
       }},
      {"left", [&] { ClickAt(CentreOf(other->Handle())); }},
      {"disabled", [&] { edit->SetEnabled(false); }},
  };
  for (const Step& step : steps) {
    step.act();
    PumpMessages(100);
    const TWindowShot shot(handle);
    const int w = shot.Width(), h = shot.Height();
    // ButtonShadow outside, white twice within, on every side.
    for (const POINT p : {POINT{0, h / 2}, POINT{w / 2, 0}, POINT{w - 1, h / 2}, POINT{w / 2, h - 1}})
      EXPECT_EQ(shot.At(p.x, p.y), kShadow) << step.state << " at " << p.x << "," << p.y;
    for (const int inset : {1, 2}) {
      EXPECT_EQ(shot.At(inset, h / 2), kWhite) << step.state << " inset " << inset;
      EXPECT_EQ(shot.At(w - 1 - inset, h / 2), kWhite) << step.state << " inset " << inset;
      EXPECT_EQ(shot.At(w / 2, inset), kWhite) << step.state << " inset " << inset;
    }
  }
  // The user's input reached the edit.
  EXPECT_EQ(edit->Text(), "qv");
}

TEST_F(Boxes, ABareEditWindowIsFramedAndTakesTheUsersTyping) {
  for (const bool unicode : {true, false}) {
    SCOPED_TRACE(unicode ? "W" : "A");
    const RECT r{20, 20, 180, 44};
    const HWND edit = unicode ? Child("EDIT", L"", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, r)
                              : CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL,
                                                r.left, r.top, 160, 24, Window->Handle(), nullptr,
                                                GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(edit, nullptr);
    Skin().SkinWindow(edit);
    ASSERT_NE(WrapperOf(edit), nullptr);
    EXPECT_EQ(WrapperOf(edit)->ClassName(), "TSkinEdit");
    ClickAt(CentreOf(edit));
    PressKey('O');
    PressKey('K');
    PumpMessages(100);
    char text[16] = {};
    GetWindowTextA(edit, text, sizeof text);
    EXPECT_STREQ(text, "ok");
    const TWindowShot shot(edit);
    EXPECT_EQ(shot.At(0, 12), kShadow);
    EXPECT_EQ(shot.At(80, 23), kShadow);
    EXPECT_EQ(shot.At(1, 12), kWhite);
    DestroyWindow(edit);
  }
}

TEST_F(Boxes, AnEditWithoutBorderIsNotFramed) {
  auto* edit = Add<TEdit>(20, 20, 160, 24);
  edit->SetBorderStyle(TBorderStyle::bsNone);
  Dispatch(*edit);
  ASSERT_NE(WrapperOf(*edit), nullptr);
  RepaintNow(edit->Handle());
  const TWindowShot shot(edit->Handle());
  for (const POINT p : {POINT{0, 12}, POINT{80, 0}, POINT{159, 12}, POINT{80, 23}})
    EXPECT_NE(shot.At(p.x, p.y), kShadow) << p.x << "," << p.y;
}

TEST_F(Boxes, AnEditsSpinButtonIsSkinnedOnce) {
  InitCommonControl(ICC_UPDOWN_CLASS);
  auto* edit = Add<TEdit>(20, 20, 160, 26);
  const HWND spin = Child(UPDOWN_CLASSA, L"", 0, 0, RECT{138, 1, 154, 21}, edit->Handle());
  ASSERT_NE(spin, nullptr);
  Dispatch(*edit);
  auto* wrapper = dynamic_cast<TSkinEdit*>(WrapperOf(*edit));
  ASSERT_NE(wrapper, nullptr);
  const auto spinWrappers = [&] {
    return std::count_if(Skin().FControls.begin(), Skin().FControls.end(),
                         [spin](const TSkinControl* w) { return w->FHandle == spin; });
  };
  for (int i = 0; i < 3; ++i) RepaintNow(edit->Handle());
  EXPECT_EQ(spinWrappers(), 1);
  auto* upDown = dynamic_cast<TSkinUpDown*>(wrapper->FUpDown);
  ASSERT_NE(upDown, nullptr);
  EXPECT_EQ(upDown->FHandle, spin);
  EXPECT_TRUE(upDown->FInEdit);
  EXPECT_EQ(upDown->Owner(), edit);
  EXPECT_EQ(SendMessageA(spin, SKM_QUERYSKINNED, 0, 0), 1);
  EXPECT_EQ(TWindowShot(edit->Handle()).At(0, 13), kShadow);
  // The spin button's wrapper gone, the edit finds the button anew.
  delete upDown;
  EXPECT_EQ(wrapper->FUpDown, nullptr);
  RepaintNow(edit->Handle());
  EXPECT_EQ(spinWrappers(), 1);
  EXPECT_NE(wrapper->FUpDown, nullptr);

  // Without xcSpin the button keeps the system's drawing.
  Window->Data->SetSkinControls(Window->Data->SkinControls() & ~SetBit(xcSpin));
  auto* plain = Add<TEdit>(20, 80, 160, 26);
  const HWND plainSpin = Child(UPDOWN_CLASSA, L"", 0, 0, RECT{138, 1, 154, 21}, plain->Handle());
  Dispatch(*plain);
  RepaintNow(plain->Handle());
  EXPECT_EQ(SendMessageA(plainSpin, SKM_QUERYSKINNED, 0, 0), 0);
  EXPECT_EQ(dynamic_cast<TSkinEdit*>(WrapperOf(*plain))->FUpDown, nullptr);
}

TEST_F(Boxes, AnEditPrintsItsFrameAndPaintsItsClientOnRequest) {
  auto* edit = Add<TEdit>(20, 20, 160, 24);
  edit->SetText("printed");
  Dispatch(*edit);
  constexpr TColor kPaper = RGB(10, 200, 10), kInner = RGB(220, 30, 30);
  TBitmap bitmap(160, 24);
  const HDC dc = bitmap.Canvas().Handle();
  const auto fill = [&] {
    const TBrushHandle paper(CreateSolidBrush(kPaper));
    const RECT all{0, 0, 160, 24};
    FillRect(dc, &all, paper.Get());
  };
  fill();
  // The inner ring takes the brush the printing leaves selected.
  const TBrushHandle inner(CreateSolidBrush(kInner));
  const TSelectObject selected(dc, inner.Get());
  SendMessageA(edit->Handle(), WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
  EXPECT_EQ(bitmap.Canvas().Pixel(0, 12), kShadow);
  EXPECT_EQ(bitmap.Canvas().Pixel(80, 23), kShadow);
  EXPECT_EQ(bitmap.Canvas().Pixel(1, 12), kInner);
  EXPECT_EQ(bitmap.Canvas().Pixel(80, 1), kInner);
  EXPECT_NE(bitmap.Canvas().Pixel(80, 12), kPaper);

  // The client into a context: only with the engine's mark.
  fill();
  EXPECT_EQ(SendMessageA(edit->Handle(), SKM_PAINTCLIENTTO, reinterpret_cast<WPARAM>(dc), 0), 0);
  EXPECT_EQ(bitmap.Canvas().Pixel(5, 5), kPaper);
  EXPECT_EQ(SendMessageA(edit->Handle(), SKM_PAINTCLIENTTO, reinterpret_cast<WPARAM>(dc), SKIN_MAGIC), SKIN_MAGIC);
  EXPECT_NE(bitmap.Canvas().Pixel(5, 5), kPaper);
  EXPECT_EQ(SendMessageA(edit->Handle(), SKM_PAINTCLIENTTO, 0, SKIN_MAGIC), SKIN_MAGIC);
}

// Panels.

TEST_F(Boxes, APanelTakesTheSkinsColourWithoutTakingItsMessagesAndGivesItBack) {
  constexpr TColor kOwn = RGB(30, 60, 90);
  auto* panel = Add<TPanel>(20, 20, 120, 80);
  panel->SetColor(kOwn);
  Dispatch(*panel);
  TSkinControl* wrapper = WrapperOf(*panel);
  ASSERT_NE(wrapper, nullptr);
  EXPECT_EQ(wrapper->ClassName(), "TSkinBox");
  EXPECT_EQ(panel->Color(), kFace);
  EXPECT_EQ(TWindowShot(panel->Handle()).At(60, 40), kFace);
  // It takes no message, not even the question whether it is skinned; the
  // form skinner knows it all the same, and wraps it once.
  EXPECT_EQ(SendMessageA(panel->Handle(), SKM_QUERYSKINNED, 0, 0), 0);
  EXPECT_TRUE(Skin().IsSkinned(*panel));
  Dispatch(*panel);
  EXPECT_EQ(Skin().FControls.size(), 1u);
  // A new skin colour.
  Window->Data->FColours[scButtonFace] = RGB(90, 80, 70);
  wrapper->SkinChange();
  EXPECT_EQ(panel->Color(), RGB(90, 80, 70));
  wrapper->Unskin();
  EXPECT_EQ(panel->Color(), kOwn);
  EXPECT_EQ(TWindowShot(panel->Handle()).At(60, 40), kOwn);
}

// Group boxes.

namespace {

// Counts the paint messages that reach a control's own processing.
class TPaintCounter {
 public:
  explicit TPaintCounter(TControl& control) {
    FHook.Install(control, TWindowProcHook::THandler::Of<&TPaintCounter::Handle>(this));
  }
  int Paints = 0;

 private:
  void Handle(TMessage& message) {
    Paints += message.Msg == WM_PAINT;
    FHook.CallDefault(message);
  }
  TWindowProcHook FHook;
};

int TextWidth(HFONT font, const std::wstring& text, int* zeroHeight) {
  const TWindowDC dc(nullptr);
  const TSelectObject select(dc.Get(), font);
  SIZE zero{};
  GetTextExtentPoint32W(dc.Get(), L"0", 1, &zero);
  *zeroHeight = zero.cy;
  RECT r{0, 0, 0, 0};
  DrawTextW(dc.Get(), text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_EXPANDTABS);
  return r.right;
}

}  // namespace

TEST_F(Boxes, GroupBoxesByKindAndReadingOrder) {
  const std::wstring caption = L"Group";
  struct Case {
    const char* what;
    bool framework;
    bool rightToLeft;
  };
  const Case cases[] = {
      {"framework control", true, false},
      {"framework control, right to left", true, true},
      {"bare window", false, false},
      {"bare window, right-aligned", false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    HWND handle = nullptr;
    HFONT font = nullptr;
    TGroupBox* box = nullptr;
    TSwatch* swatch = nullptr;
    std::unique_ptr<TPaintCounter> counter;
    if (c.framework) {
      box = Add<TGroupBox>(20, 20, 200, 120);
      box->SetCaption("Group");
      if (c.rightToLeft) box->SetBiDiMode(TBiDiMode::bdRightToLeft);
      swatch = new TSwatch(&Form());
      swatch->SetParent(box);
      swatch->SetBounds(90, 60, 20, 20);
      counter = std::make_unique<TPaintCounter>(*box);
      Dispatch(*box);
      handle = box->Handle();
      font = box->Font()->Handle();
    } else {
      handle = Child("BUTTON", caption.c_str(), BS_GROUPBOX, c.rightToLeft ? WS_EX_RIGHT : 0, RECT{20, 20, 220, 140});
      auto* bare = new TSkinGroupBox(&Skin());
      bare->InitHandle(handle, Window->Data, &Skin(), &Skin().FCanvas);
      font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    }
    auto* wrapper = dynamic_cast<TSkinGroupBox*>(WrapperOf(handle));
    ASSERT_NE(wrapper, nullptr);
    EXPECT_EQ(wrapper->FKind, c.framework ? 1 : 0);
    RepaintNow(handle);
    const TWindowShot shot(handle);
    const int w = shot.Width(), h = shot.Height();
    int zero = 0;
    const int textWidth = TextWidth(font, caption, &zero);
    const int y = zero / 2 - 1;
    // The rounded frame in ButtonShadow, a pixel in; the system's frame and
    // the framework box's face under the skin's colour.
    EXPECT_EQ(shot.At(1, h / 2), kShadow);
    EXPECT_EQ(shot.At(w - 2, h / 2), kShadow);
    EXPECT_EQ(shot.At(w / 2, h - 2), kShadow);
    EXPECT_EQ(shot.At(0, h / 2), kFace);
    EXPECT_EQ(shot.At(w - 1, h / 2), kFace);
    // The caption cuts the top line 8 pixels from its end.
    const int from = c.rightToLeft ? w - 8 - textWidth : 8, to = from + textWidth;
    EXPECT_EQ(shot.At(from - 2, y), kShadow);
    EXPECT_EQ(shot.At(to + 1, y), kShadow);
    for (int x = from; x < to; ++x) ASSERT_NE(shot.At(x, y), kShadow) << x;
    if (c.framework) {
      // The wrapper paints the whole box: the box's own painting never runs.
      EXPECT_EQ(counter->Paints, 0);
      counter.reset();
      EXPECT_EQ(shot.At(40, h / 2), kFace);
      EXPECT_EQ(shot.At(100, 70), TSwatch::kColour);
      // The wrapper goes with its box, the windowless control after them.
      delete box;
    } else {
      DestroyWindow(handle);
      delete wrapper;
    }
    EXPECT_TRUE(Skin().FControls.empty());
  }
}

// Tab sheets.

// Dispatched when the form is first skinned, by a skin with a tab element.
TEST(BoxesOnAForm, ATabSheetIsFilledWithTheSkinsColourUnderItsWindowlessControls) {
  TSkinnedWindow window(probe::Skin(true, "[Tabs]\nImage=tabs.bmp\n").Entry("tabs.bmp", SolidBmp(50, 20, RGB(1, 2, 3))),
                        280, 200);
  auto* pages = new TPageControl(window.Form.get());
  pages->SetParent(window.Form.get());
  pages->SetBounds(20, 20, 240, 160);
  auto* sheet = new TTabSheet(window.Form.get());
  sheet->SetPageControl(pages);
  auto* swatch = new TSwatch(window.Form.get());
  swatch->SetParent(sheet);
  swatch->SetBounds(10, 10, 20, 20);
  window.Show();
  ASSERT_NE(window.Skin(), nullptr);
  ASSERT_NE(window.Data->FTabs, nullptr);
  const TSkinControl* wrapper = nullptr;
  for (const TSkinControl* w : window.Skin()->FControls)
    if (w->FControl == sheet) wrapper = w;
  ASSERT_NE(wrapper, nullptr);
  EXPECT_EQ(wrapper->ClassName(), "TSkinTabSheet");
  RepaintNow(sheet->Handle());
  const TWindowShot shot(sheet->Handle());
  EXPECT_EQ(shot.At(shot.Width() / 2, shot.Height() / 2), kFace);
  EXPECT_EQ(shot.At(shot.Width() - 1, shot.Height() - 1), kFace);
  EXPECT_EQ(shot.At(20, 20), TSwatch::kColour);
  // Its background, asked for alone.
  TBitmap bitmap(40, 40);
  EXPECT_EQ(SendMessageA(sheet->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(bitmap.Canvas().Handle()), 0), 1);
  EXPECT_EQ(bitmap.Canvas().Pixel(20, 20), kFace);
  // And printed.
  TBitmap printed(shot.Width(), shot.Height());
  SendMessageA(sheet->Handle(), WM_PRINT, reinterpret_cast<WPARAM>(printed.Canvas().Handle()), PRF_CLIENT);
  EXPECT_EQ(printed.Canvas().Pixel(shot.Width() / 2, shot.Height() / 2), kFace);
  EXPECT_EQ(printed.Canvas().Pixel(20, 20), TSwatch::kColour);
}

// Bare windows: dialogs and size grips.

namespace {

INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// A dialog of the given style with no items, made from a template in memory.
HWND EmptyDialog(HWND parent, DWORD style) {
  alignas(4) WORD buffer[16] = {};
  auto* dialog = reinterpret_cast<DLGTEMPLATE*>(buffer);
  dialog->style = style;
  dialog->cx = 100;
  dialog->cy = 60;
  // Menu, class and title follow, each an empty WORD (zeroed).
  return CreateDialogIndirectParamW(GetModuleHandleW(nullptr), dialog, parent, PlainDialogProc, 0);
}

}  // namespace

TEST_F(Boxes, ADialogInsideTheWindowShowsItsStaticTextsOnTheSkinsBackground) {
  const HWND dialog = EmptyDialog(Window->Handle(), WS_CHILD | WS_VISIBLE | DS_CONTROL);
  ASSERT_NE(dialog, nullptr);
  SetWindowPos(dialog, nullptr, 10, 10, 300, 120, SWP_NOZORDER);
  const HWND text = Child("STATIC", L"Static text on the dialog", SS_LEFT, 0, RECT{10, 10, 290, 50}, dialog);
  RepaintNow(dialog);
  // The system's colour first: the checks below can tell it apart.
  const COLORREF system = TWindowShot(text).At(279, 5);
  ASSERT_NE(system, kFace);

  Skin().SkinWindow(dialog);
  ASSERT_NE(WrapperOf(dialog), nullptr);
  EXPECT_EQ(WrapperOf(dialog)->ClassName(), "TSkinBoxH");
  RepaintNow(dialog);
  // Its answers: the background erased here, the skin's brush for statics.
  TBitmap scratch(8, 8);
  const auto scratchDC = reinterpret_cast<WPARAM>(scratch.Canvas().Handle());
  EXPECT_EQ(SendMessageA(dialog, WM_ERASEBKGND, scratchDC, 0), 0);
  EXPECT_EQ(scratch.Canvas().Pixel(4, 4), kFace);
  EXPECT_EQ(SendMessageA(dialog, WM_CTLCOLORSTATIC, scratchDC, reinterpret_cast<LPARAM>(text)),
            reinterpret_cast<LRESULT>(Window->Data->FFaceBrush.Get()));
  const TWindowShot background(dialog);
  EXPECT_EQ(background.At(5, 100), kFace);
  EXPECT_EQ(background.At(295, 5), kFace);
  // The whole static: beside and below the text, and between the letters
  // of its line: no band of the system's colour is left.
  const TWindowShot shot(text);
  EXPECT_EQ(shot.At(279, 5), kFace);
  EXPECT_EQ(shot.At(140, 35), kFace);
  int face = 0, systemColoured = 0;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 200; ++x) {
      face += shot.At(x, y) == kFace;
      systemColoured += shot.At(x, y) == system;
    }
  EXPECT_GT(face, 0);
  EXPECT_EQ(systemColoured, 0);
  // The wrapper stays listed, switched off, until the form skinner purges it.
  TSkinControl* wrapper = WrapperOf(dialog);
  DestroyWindow(dialog);
  EXPECT_EQ(wrapper->FState, kWrapperDestroyed);
  EXPECT_FALSE(wrapper->FActive);
}

TEST_F(Boxes, ADialogThatTakesTheTabKeyIsNoBox) {
  const HWND dialog = EmptyDialog(Window->Handle(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | DS_CONTROL);
  ASSERT_NE(dialog, nullptr);
  Skin().SkinWindow(dialog);
  EXPECT_EQ(WrapperOf(dialog), nullptr);
  DestroyWindow(dialog);
}

namespace {

struct TBoxSeen {
  bool Open = false;
  bool Skinned = false;
  bool Wrapped = false;
  COLORREF Background = 0;
  COLORREF TextBackground = 0;
};
TBoxSeen gBox;

BOOL CALLBACK FindMessageBox(HWND window, LPARAM found) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  if (std::string(name) != "#32770" || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

// Runs inside the message box's own message loop: reads the box and closes it.
void CALLBACK ReadMessageBox(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindMessageBox, reinterpret_cast<LPARAM>(&box));
  if (!box) return;
  KillTimer(nullptr, timer);
  gBox.Open = true;
  const TWinSkinForm* skin = SkinManager() ? SkinManager()->FindSkinForm(box) : nullptr;
  gBox.Skinned = skin != nullptr;
  if (skin)
    for (const TSkinControl* wrapper : skin->FControls) gBox.Wrapped = gBox.Wrapped || wrapper->FHandle == box;
  RECT client{};
  GetClientRect(box, &client);
  POINT corner{2, client.bottom - 2};
  ClientToScreen(box, &corner);
  gBox.Background = CaptureScreen(RECT{corner.x, corner.y, corner.x + 1, corner.y + 1}).At(corner.x, corner.y);
  // The first static with text: the message.
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char name[16] = {};
    GetClassNameA(child, name, sizeof name);
    if (lstrcmpiA(name, "Static") != 0 || GetWindowTextLengthA(child) == 0) continue;
    RECT r{};
    GetWindowRect(child, &r);
    // The bottom right corner of the message, beside its short last line.
    gBox.TextBackground = CaptureScreen(r).At(r.right - 2, r.bottom - 2);
    break;
  }
  PostMessageA(box, WM_COMMAND, IDOK, 0);
}

}  // namespace

// The error box is a top-level dialog: the form skinner that draws its
// frame also gives its background and its texts the skin's colour. The box
// wrapper is for dialogs inside a window: the dispatch of bare windows runs
// over child windows only.
TEST_F(Boxes, TheErrorBoxShowsItsTextOnTheSkinsBackground) {
  gBox = {};
  const UINT_PTR timer = SetTimer(nullptr, 0, 300, ReadMessageBox);
  ShowMessage("Something went wrong: a message long enough for its first line to be wider than its last.\nShort.");
  KillTimer(nullptr, timer);
  ASSERT_TRUE(gBox.Open);
  EXPECT_TRUE(gBox.Skinned);
  EXPECT_FALSE(gBox.Wrapped);
  EXPECT_EQ(gBox.Background, kFace);
  EXPECT_EQ(gBox.TextBackground, kFace);
}

TEST_F(Boxes, ASizeGripIsFilledWithTheSkinsColour) {
  // The window hook hands a new grip to its window's form skinner.
  const HWND grip = Child("SCROLLBAR", L"", SBS_SIZEGRIP, 0, RECT{300, 220, 320, 240});
  ASSERT_NE(grip, nullptr);
  ASSERT_NE(WrapperOf(grip), nullptr);
  EXPECT_EQ(WrapperOf(grip)->ClassName(), "TSkinSizer");
  RepaintNow(grip);
  const TWindowShot shot(grip);
  for (int y = 0; y < 20; y += 3)
    for (int x = 0; x < 20; x += 3) ASSERT_EQ(shot.At(x, y), kFace) << x << "," << y;
}

TEST_F(Boxes, NothingLeaks) {
  auto* panel = Add<TPanel>(10, 10, 60, 40);
  auto* edit = Add<TEdit>(80, 10, 100, 24);
  auto* group = Add<TGroupBox>(10, 60, 120, 80);
  group->SetCaption("Group");
  const auto round = [&] {
    for (TControl* control : std::initializer_list<TControl*>{panel, edit, group}) {
      Dispatch(*control);
      TSkinControl* wrapper = WrapperOf(*control);
      wrapper->Repaint();
      RepaintNow(Window->Handle());
      wrapper->SkinChange();
      wrapper->Unskin();
      delete wrapper;
    }
    SendMessageA(edit->Handle(), WM_PRINT, 0, PRF_NONCLIENT);
    const HWND dialog = EmptyDialog(Window->Handle(), WS_CHILD | WS_VISIBLE | DS_CONTROL);
    Child("STATIC", L"text", 0, 0, RECT{0, 0, 60, 20}, dialog);
    const HWND grip = Child("SCROLLBAR", L"", SBS_SIZEGRIP, 0, RECT{300, 220, 320, 240});
    Skin().SkinWindow(dialog);
    RepaintNow(dialog);
    RepaintNow(grip);
    DestroyWindow(dialog);
    DestroyWindow(grip);
    // As the form skinner purges the wrappers of windows that are gone.
    for (TSkinControl* wrapper : std::vector(Skin().FControls))
      if (wrapper->FState == kWrapperDestroyed) delete wrapper;
  };
  for (int i = 0; i < 5; ++i) round();
  PumpMessages(20);
  const int before = LiveGdiObjects();
  for (int i = 0; i < 300; ++i) round();
  PumpMessages(20);
  EXPECT_EQ(LiveGdiObjects(), before);
  EXPECT_TRUE(Skin().FControls.empty());
}

// The wrappers on a form as the program's skin draws it, dispatched when the
// form is first skinned. With QV_SCREENSHOT set to a file name, the
// window's picture is written there (a BMP file) to look at.
TEST(BoxesOnAForm, TheStoredSkinsColoursAndFrames) {
  TSkinnedWindow window(probe::Skin(), 420, 130);
  TForm& form = *window.Form;
  const auto add = [&form]<class T>(T* control, TWinControl* parent, RECT r) {
    control->SetParent(parent);
    control->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
    return control;
  };
  auto* panel = add(new TPanel(&form), &form, RECT{10, 10, 200, 120});
  panel->SetCaption("Panel");
  auto* edit = add(new TEdit(&form), panel, RECT{10, 40, 180, 64});
  edit->SetText("Edit inside the panel");
  auto* group = add(new TGroupBox(&form), &form, RECT{210, 10, 410, 120});
  group->SetCaption("Group box");
  auto* inner = add(new TEdit(&form), group, RECT{10, 30, 190, 54});
  inner->SetText("Edit in the group");
  window.Show();
  window.Data->SetSkinFile(QV_DEFAULT_SKIN_PACKAGE);
  PumpMessages(500);
  RedrawWindow(window.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
  PumpMessages(100);
  const TScreenShot shot = window.Shot();
  SaveShotWhenAsked(shot);
  const auto face = static_cast<COLORREF>(window.Data->FColours[scButtonFace]);
  const auto shadow = static_cast<COLORREF>(window.Data->FColours[scButtonShadow]);
  // A pixel in window coordinates of the control.
  const auto at = [&shot](TWinControl* control, int x, int y) {
    RECT r{};
    GetWindowRect(control->Handle(), &r);
    return shot.At(r.left + x, r.top + y);
  };
  EXPECT_EQ(panel->Color(), window.Data->FColours[scButtonFace]);
  EXPECT_EQ(at(panel, 100, 90), face);
  EXPECT_EQ(at(edit, 0, 12), shadow);
  EXPECT_EQ(at(inner, 0, 12), shadow);
  EXPECT_EQ(at(group, 1, 60), shadow);
  EXPECT_EQ(at(group, 100, 80), face);
}
