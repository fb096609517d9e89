// The check box and radio button wrappers on real controls of a skinned
// form under Wine: which glyph frame each state shows in strips of 4, 8 and
// 12 frames (read back from the screen against the probe skin's colours),
// the glyph on either side, clicks that toggle with the face following,
// the parent's background on request, bare dialog boxes, the boxes of other
// libraries, and no GDI object left behind.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/controls/SkinCheckBox.h"
#include "skin/window/SkinMessages.h"
#include "tests/skin/ButtonTesting.h"
#include "tests/support/GdiCount.h"
#include "ui/Button.h"
#include "ui/Panel.h"
#include "ui/TypInfo.h"

namespace {

using namespace buttonprobe;

// Where a glyph of the strip shows in the shot: the bounds of the colour.
RECT GlyphAt(const TScreenShot& shot, TColor colour) { return TButtonForm::ColourBounds(shot, colour); }

// The frame of the strip that shows in the shot; 0 for none.
int FrameShown(const TScreenShot& shot, TColor (*colour)(int), int frames) {
  for (int frame = 1; frame <= frames; ++frame) {
    const RECT at = GlyphAt(shot, colour(frame));
    if (!IsRectEmpty(&at)) return frame;
  }
  return 0;
}

class SkinCheckBoxes : public ::testing::Test {
 protected:
  void TearDown() override {
    if (Form) Form->MouseAway();
    Form.reset();
  }
  void Make(const TSkinFixture& skin = Skin()) { Form = std::make_unique<TButtonForm>(skin); }
  std::unique_ptr<TButtonForm> Form;
};

}  // namespace

TEST(CheckGlyphFrames, ByStateAndStripLength) {
  struct Case {
    bool checked, disabled, indeterminate;
    int frames, frame;
  };
  const Case cases[] = {
      {false, false, false, 4, 1}, {true, false, false, 4, 2},  {false, true, false, 4, 3},
      {true, true, false, 4, 4},   {false, false, true, 4, 4},  {false, true, true, 4, 4},
      {false, false, false, 12, 1}, {true, false, false, 12, 5}, {false, true, false, 12, 4},
      {true, true, false, 12, 8},  {false, false, true, 12, 9}, {true, true, true, 12, 12},
  };
  for (const Case& c : cases)
    EXPECT_EQ(CheckGlyphFrame(c.checked, c.disabled, c.indeterminate, c.frames), c.frame)
        << c.checked << c.disabled << c.indeterminate << " of " << c.frames;
  EXPECT_EQ(RadioGlyphFrame(true, false, 8), 5);
  EXPECT_EQ(RadioGlyphFrame(false, true, 8), 4);
  EXPECT_EQ(RadioGlyphFrame(true, true, 8), 8);
  EXPECT_EQ(RadioGlyphFrame(true, true, 4), 4);
}

TEST_F(SkinCheckBoxes, EveryStateShowsItsFrame) {
  struct Case {
    int checkFrames, radioFrames;
  };
  for (const Case strips : {Case{4, 4}, Case{12, 8}}) {
    Make(Skin(strips.checkFrames, strips.radioFrames));
    struct Box {
      const char* name;
      TCheckBoxState state;
      bool enabled;
      int frame4, frame12;
    };
    const Box boxes[] = {
        {"unchecked", TCheckBoxState::cbUnchecked, true, 1, 1},
        {"checked", TCheckBoxState::cbChecked, true, 2, 5},
        {"grayed", TCheckBoxState::cbGrayed, true, 4, 9},
        {"unchecked disabled", TCheckBoxState::cbUnchecked, false, 3, 4},
        {"checked disabled", TCheckBoxState::cbChecked, false, 4, 8},
        {"grayed disabled", TCheckBoxState::cbGrayed, false, 4, 12},
    };
    std::vector<TCheckBox*> checks;
    int top = 10;
    for (const Box& box : boxes) {
      auto* check = Form->Add<TCheckBox>(nullptr, 10, top, 150, 20, box.name);
      check->SetAllowGrayed(true);
      check->SetState(box.state);
      check->SetEnabled(box.enabled);
      checks.push_back(check);
      top += 24;
    }
    struct Radio {
      bool checked, enabled;
      int frame4, frame8;
    };
    const Radio radios[] = {{false, true, 1, 1}, {true, true, 2, 5}, {false, false, 3, 4}, {true, false, 4, 8}};
    std::vector<TRadioButton*> radioButtons;
    top = 10;
    for (const Radio& radio : radios) {
      // One panel each, so that checking one leaves the others.
      auto* panel = Form->Add<TPanel>(nullptr, 180, top, 150, 22);
      auto* button = Form->Add<TRadioButton>(panel, 1, 1, 140, 20, "Radio");
      button->SetChecked(radio.checked);
      button->SetEnabled(radio.enabled);
      radioButtons.push_back(button);
      top += 24;
    }
    Form->Show();
    SetFocus(Form->Form().Handle());
    for (std::size_t i = 0; i < std::size(boxes); ++i) {
      ASSERT_EQ(SendMessageA(checks[i]->Handle(), SKM_QUERYSKINNED, 0, 0), 1);
      const TScreenShot shot = Form->Shot(*checks[i]);
      const int expected = strips.checkFrames == 12 ? boxes[i].frame12 : boxes[i].frame4;
      EXPECT_EQ(FrameShown(shot, CheckColour, strips.checkFrames), expected) << boxes[i].name;
      // Glyph at the left edge, centred down, its magenta corner cut out;
      // the rest of the control in the skin's button face.
      const int size = strips.checkFrames == 12 ? 16 : 13;
      const RECT glyph = GlyphAt(shot, CheckColour(expected));
      const RECT place{0, (20 - size) / 2, size, (20 - size) / 2 + size};
      EXPECT_TRUE(EqualRect(&glyph, &place)) << boxes[i].name << Str(glyph);
      EXPECT_EQ(TButtonForm::At(shot, 0, place.top), kFace) << boxes[i].name;
      EXPECT_EQ(TButtonForm::At(shot, 149, 1), kFace) << boxes[i].name;
    }
    for (std::size_t i = 0; i < std::size(radios); ++i) {
      const TScreenShot shot = Form->Shot(*radioButtons[i]);
      const int expected = strips.radioFrames == 8 ? radios[i].frame8 : radios[i].frame4;
      EXPECT_EQ(FrameShown(shot, RadioColour, strips.radioFrames), expected) << "radio " << i;
    }
    Form.reset();
  }
}

TEST_F(SkinCheckBoxes, AClickTogglesAndTheFaceFollows) {
  Make();
  auto* check = Form->Add<TCheckBox>(nullptr, 10, 10, 150, 20, "Check");
  auto* first = Form->Add<TRadioButton>(nullptr, 10, 40, 150, 20, "First");
  auto* second = Form->Add<TRadioButton>(nullptr, 10, 70, 150, 20, "Second");
  first->SetChecked(true);
  Form->Show();

  // Under the mouse and held down, the skin's glyph stays (the system
  // would draw its own).
  MoveMouseTo(TButtonForm::Centre(*check));
  PumpMessages(60);
  EXPECT_EQ(FrameShown(Form->Shot(*check), CheckColour, 4), 1);
  MouseButton(true);
  PumpMessages(60);
  EXPECT_EQ(FrameShown(Form->Shot(*check), CheckColour, 4), 1);
  MouseButton(false);
  PumpMessages(60);
  EXPECT_TRUE(check->Checked());
  EXPECT_EQ(FrameShown(Form->Shot(*check), CheckColour, 4), 2);
  // The keyboard as well.
  SetFocus(check->Handle());
  PressKey(VK_SPACE);
  PumpMessages(60);
  EXPECT_FALSE(check->Checked());
  EXPECT_EQ(FrameShown(Form->Shot(*check), CheckColour, 4), 1);

  ClickAt(TButtonForm::Centre(*second));
  PumpMessages(60);
  EXPECT_TRUE(second->Checked());
  EXPECT_FALSE(first->Checked());
  EXPECT_EQ(FrameShown(Form->Shot(*second), RadioColour, 4), 2);
  EXPECT_EQ(FrameShown(Form->Shot(*first), RadioColour, 4), 1);
  // Set by code.
  check->SetState(TCheckBoxState::cbChecked);
  EXPECT_EQ(FrameShown(Form->Shot(*check), CheckColour, 4), 2);
}

TEST_F(SkinCheckBoxes, GlyphOnTheRightAndRightToLeftCaptions) {
  Make();
  struct Case {
    const char* name;
    bool radio;
    TAlignment alignment;
    TBiDiMode mode;
    // Glyph's left edge; the caption's ink on the glyph's left (else right).
    int glyphLeft;
    bool captionLeft;
    // The caption's ink ends at the right edge of its rectangle.
    bool rightAligned;
  };
  const Case cases[] = {
      {"check", false, TAlignment::taRightJustify, TBiDiMode::bdLeftToRight, 0, false, false},
      {"check left text", false, TAlignment::taLeftJustify, TBiDiMode::bdLeftToRight, 150 - 13, true, false},
      {"check left text rtl", false, TAlignment::taLeftJustify, TBiDiMode::bdRightToLeft, 150 - 13, true, true},
      {"radio left text", true, TAlignment::taLeftJustify, TBiDiMode::bdLeftToRight, 150 - 13 - 1, true, false},
      {"radio", true, TAlignment::taRightJustify, TBiDiMode::bdRightToLeft, 0, false, false},
  };
  std::vector<TButtonControl*> controls;
  int top = 10;
  for (const Case& c : cases) {
    TButtonControl* control = nullptr;
    if (c.radio) {
      auto* radio = Form->Add<TRadioButton>(nullptr, 10, top, 150, 20, "Text");
      radio->SetAlignment(c.alignment);
      control = radio;
    } else {
      auto* check = Form->Add<TCheckBox>(nullptr, 10, top, 150, 20, "Text");
      check->SetAlignment(c.alignment);
      control = check;
    }
    control->SetBiDiMode(c.mode);
    control->Font()->SetColor(RGB(0, 0, 255));
    controls.push_back(control);
    top += 26;
  }
  Form->Show();
  SetFocus(Form->Form().Handle());
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const Case& c = cases[i];
    const TScreenShot shot = Form->Shot(*controls[i]);
    const RECT glyph = GlyphAt(shot, c.radio ? RadioColour(1) : CheckColour(1));
    EXPECT_EQ(glyph.left, c.glyphLeft) << c.name;
    const RECT text = TButtonForm::ColourBounds(shot, RGB(0, 0, 255));
    ASSERT_FALSE(IsRectEmpty(&text)) << c.name;
    if (c.captionLeft) {
      EXPECT_LT(text.right, glyph.left - 1) << c.name;
    } else {
      EXPECT_GT(text.left, glyph.right + 1) << c.name;
    }
    if (c.rightAligned) {
      EXPECT_GE(text.right, glyph.left - 2 - 2) << c.name;
    } else if (c.captionLeft) {
      EXPECT_LE(text.left, 3) << c.name;
    }
  }
}

TEST_F(SkinCheckBoxes, TheParentsBackgroundOnRequest) {
  Make();
  constexpr TColor kPanel = RGB(10, 90, 30);
  auto* panel = Form->Add<TPanel>(nullptr, 10, 10, 300, 80);
  panel->SetColor(kPanel);
  // The panel stays as it is: its own wrapper is not made here.
  panel->SetTag(Form->Window.Data->DisableTag());
  auto* plain = Form->Add<TCheckBox>(panel, 5, 5, 150, 20, "Plain");
  auto* see = Form->Add<TCheckBox>(panel, 5, 40, 150, 20, "Through");
  see->SetTag(5555);
  Form->Show();
  SetFocus(Form->Form().Handle());
  EXPECT_EQ(TButtonForm::At(Form->Shot(*plain), 149, 1), kFace);
  const TScreenShot shot = Form->Shot(*see);
  EXPECT_EQ(TButtonForm::At(shot, 149, 1), kPanel);
  // The glyph's magenta corner shows the panel too.
  const RECT glyph = GlyphAt(shot, CheckColour(1));
  EXPECT_EQ(TButtonForm::At(shot, glyph.left, glyph.top), kPanel);
  EXPECT_EQ(TButtonForm::At(shot, glyph.left + 1, glyph.top), CheckColour(1));
}

TEST_F(SkinCheckBoxes, BareDialogBoxesGetTheirGlyphOnly) {
  Make();
  Form->Show();
  const HWND check = CreateWindowExA(0, "BUTTON", "Bare check", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 10, 10,
                                     150, 20, Form->Form().Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
  const HWND radio = CreateWindowExA(0, "BUTTON", "Bare radio", WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON, 10, 40,
                                     150, 20, Form->Form().Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
  Form->Window.Skin()->SkinWindow(check);
  Form->Window.Skin()->SkinWindow(radio);
  ASSERT_EQ(SendMessageA(check, SKM_QUERYSKINNED, 0, 0), 1);
  ASSERT_EQ(SendMessageA(radio, SKM_QUERYSKINNED, 0, 0), 1);
  const auto shot = [](HWND window) {
    PumpMessages(60);
    RECT r{};
    GetWindowRect(window, &r);
    return CaptureScreen(r);
  };
  // The system draws the rest.
  for (const TSkinControl* wrapper : Form->Window.Skin()->FControls)
    if (wrapper->FHandle == check || wrapper->FHandle == radio) {
      EXPECT_EQ(wrapper->FKind, 0);
    }
  EXPECT_EQ(FrameShown(shot(check), CheckColour, 4), 1);
  SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(FrameShown(shot(check), CheckColour, 4), 2);
  RECT r{};
  GetWindowRect(radio, &r);
  ClickAt(POINT{r.left + 40, (r.top + r.bottom) / 2});
  EXPECT_EQ(FrameShown(shot(radio), RadioColour, 4), 2);
  EnableWindow(check, FALSE);
  EXPECT_EQ(FrameShown(shot(check), CheckColour, 4), 4);
  Form->MouseAway();
  DestroyWindow(check);
  DestroyWindow(radio);
}

namespace {

// Boxes of other libraries: windows of their own that paint themselves,
// with a Checked (or State) property that a click toggles.
class TRzCheckBox : public TWinControl {
  QV_CLASS(TRzCheckBox, TWinControl)

  using TWinControl::TWinControl;
  bool Checked = false;
  int Alignment = 1;

 protected:
  void WndProc(TMessage& message) override {
    if (message.Msg == WM_LBUTTONUP) {
      Checked = !Checked;
      Invalidate();
    }
    TWinControl::WndProc(message);
  }

 private:
  static const TPropInfo Published[];
};
inline constexpr std::string_view kAlignmentNames[] = {"taLeftJustify", "taRightJustify"};
const TPropInfo TRzCheckBox::Published[] = {
    Prop<TTypeKind::Boolean, &TRzCheckBox::Checked, &TRzCheckBox::Checked>("Checked"),
    Prop<TTypeKind::Enumeration, &TRzCheckBox::Alignment, &TRzCheckBox::Alignment>("Alignment", kAlignmentNames),
};
QV_CLASS_INFO(TRzCheckBox, TRzCheckBox::Published);

class TRzRadioButton : public TRzCheckBox {
  QV_CLASS(TRzRadioButton, TRzCheckBox)
  using TRzCheckBox::TRzCheckBox;
};
QV_CLASS_INFO(TRzRadioButton, {});

inline constexpr std::string_view kCxStates[] = {"cbsUnchecked", "cbsChecked", "cbsGrayed"};
class TcxCheckBox : public TWinControl {
  QV_CLASS(TcxCheckBox, TWinControl)

  using TWinControl::TWinControl;
  int State = 0;

 private:
  static const TPropInfo Published[];
};
const TPropInfo TcxCheckBox::Published[] = {
    Prop<TTypeKind::Enumeration, &TcxCheckBox::State, &TcxCheckBox::State>("State", kCxStates),
};
QV_CLASS_INFO(TcxCheckBox, TcxCheckBox::Published);

}  // namespace

TEST_F(SkinCheckBoxes, OtherLibrariesBoxesGetTheSkinsGlyphs) {
  Make(Skin(12, 8));
  auto* rz = Form->Add<TRzCheckBox>(nullptr, 10, 10, 150, 20, "Rz");
  auto* rzLeft = Form->Add<TRzCheckBox>(nullptr, 10, 40, 150, 20, "Rz left");
  rzLeft->Alignment = 0;
  auto* radio = Form->Add<TRzRadioButton>(nullptr, 10, 70, 150, 20, "Rz radio");
  radio->Checked = true;
  auto* cx = Form->Add<TcxCheckBox>(nullptr, 10, 100, 150, 20, "cx");
  cx->State = 2;
  Form->Show();
  for (TWinControl* control : std::initializer_list<TWinControl*>{rz, rzLeft, radio, cx})
    ASSERT_EQ(SendMessageA(control->Handle(), SKM_QUERYSKINNED, 0, 0), 1) << control->ClassName();
  EXPECT_EQ(FrameShown(Form->Shot(*rz), CheckColour, 12), 1);
  EXPECT_EQ(GlyphAt(Form->Shot(*rzLeft), CheckColour(1)).left, 150 - 16);
  EXPECT_EQ(FrameShown(Form->Shot(*radio), RadioColour, 8), 5);
  EXPECT_EQ(FrameShown(Form->Shot(*cx), CheckColour, 12), 9);
  // The control toggles itself; the glyph follows.
  ClickAt(TButtonForm::Centre(*rz));
  PumpMessages(60);
  EXPECT_TRUE(rz->Checked);
  EXPECT_EQ(FrameShown(Form->Shot(*rz), CheckColour, 12), 5);
}

TEST_F(SkinCheckBoxes, NothingLeaks) {
  Make();
  auto* check = Form->Add<TCheckBox>(nullptr, 10, 10, 150, 20, "Check");
  auto* radio = Form->Add<TRadioButton>(nullptr, 10, 40, 150, 20, "Radio");
  Form->Show();
  const auto paintAll = [&] {
    for (TWinControl* control : std::initializer_list<TWinControl*>{check, radio}) {
      InvalidateRect(control->Handle(), nullptr, TRUE);
      UpdateWindow(control->Handle());
    }
  };
  paintAll();
  const int before = LiveGdiObjects();
  for (int i = 0; i < 200; ++i) {
    check->SetChecked(i % 2 == 0);
    radio->SetEnabled(i % 3 != 0);
    SetFocus(i % 2 ? check->Handle() : radio->Handle());
    paintAll();
  }
  PumpMessages(50);
  EXPECT_EQ(LiveGdiObjects(), before);
}
