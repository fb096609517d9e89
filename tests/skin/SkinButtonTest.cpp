// The button wrappers on real controls of a skinned form under Wine: which
// face frame each state shows (read back from the screen against the probe
// skin's colours, the states made by real mouse and keyboard input), the
// click produced exactly once, captions, glyph layouts, menu and speed
// buttons, bare button windows, and no GDI object left behind.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/controls/SkinButton.h"
#include "skin/window/SkinMessages.h"
#include "tests/skin/ButtonTesting.h"
#include "tests/support/GdiCount.h"
#include "ui/BitBtn.h"
#include "ui/Button.h"
#include "ui/Panel.h"
#include "ui/SpeedButton.h"
#include "ui/TypInfo.h"

namespace {

using namespace buttonprobe;

// The glyph strips: every image one colour of its own, the bottom row in
// the key colour (transparent).
constexpr TColor kGlyphKey = RGB(1, 2, 3);
TColor GlyphColour(int image) { return RGB(250, 40 * image, 5); }

std::unique_ptr<TBitmap> GlyphStrip(int images, int width = 10, int height = 10) {
  auto glyph = std::make_unique<TBitmap>(images * width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < images * width; ++x)
      glyph->Canvas().SetPixel(x, y, y == height - 1 ? kGlyphKey : GlyphColour(x / width + 1));
  return glyph;
}

// A drop-down button of another library: a push button with a glyph and
// its layout numbers, drawn by the menu-button wrapper (Skin3rd "menubtn").
class TProbeDropButton : public TButton {
  QV_CLASS(TProbeDropButton, TButton)

  using TButton::TButton;
  TBitmap* Glyph() const { return FGlyph.get(); }
  void SetGlyph(TBitmap* glyph) { FGlyph->Assign(*glyph); }
  int Margin = -1;
  int Spacing = -1;

 private:
  static const TPropInfo Published[];
  std::unique_ptr<TBitmap> FGlyph = std::make_unique<TBitmap>();
};
const TPropInfo TProbeDropButton::Published[] = {
    Prop<TTypeKind::Object, &TProbeDropButton::Glyph, &TProbeDropButton::SetGlyph>("Glyph"),
    Prop<TTypeKind::Integer, &TProbeDropButton::Margin, &TProbeDropButton::Margin>("Margin"),
    Prop<TTypeKind::Integer, &TProbeDropButton::Spacing, &TProbeDropButton::Spacing>("Spacing"),
};
QV_CLASS_INFO(TProbeDropButton, TProbeDropButton::Published);

class SkinButtons : public ::testing::Test {
 protected:
  void TearDown() override {
    if (Form) Form->MouseAway();
    Form.reset();
  }
  void Make(const TSkinFixture& skin = Skin()) { Form = std::make_unique<TButtonForm>(skin); }

  // The face frame at the button's left edge, half way down.
  int Face(const TControl& button) {
    const TScreenShot shot = Form->Shot(button);
    return TButtonForm::FaceAt(shot, 1, button.Height() / 2);
  }

  std::unique_ptr<TButtonForm> Form;
};

}  // namespace

TEST_F(SkinButtons, PushButtonFacesFollowTheState) {
  Make();
  auto* button = Form->Add<TButton>(nullptr, 20, 20, 90, 30, "OK");
  auto* other = Form->Add<TButton>(nullptr, 20, 80, 90, 30, "Other");
  Form->Show();
  ASSERT_EQ(SendMessageA(button->Handle(), SKM_QUERYSKINNED, 0, 0), 1);

  struct Case {
    const char* name;
    bool isDefault;
    bool enabled;
    // Focus on the button (else on the other one), mouse over it, and its
    // left button held down there.
    bool focused, hot, held;
    int frame;
  };
  const Case cases[] = {
      {"normal", false, true, false, false, false, kFaceNormal},
      {"focused", false, true, true, false, false, kFaceFocused},
      {"default", true, true, false, false, false, kFaceFocused},
      {"hot", false, true, false, true, false, kFaceHot},
      {"hot default", true, true, false, true, false, kFaceHot},
      {"pressed", false, true, true, true, true, kFacePressed},
      {"disabled", false, false, false, false, false, kFaceDisabled},
      {"disabled default", true, false, false, false, false, kFaceDisabled},
      {"disabled under the mouse", false, false, false, true, false, kFaceDisabled},
  };
  for (const Case& c : cases) {
    Form->MouseAway();
    button->SetDefault(c.isDefault);
    button->SetEnabled(c.enabled);
    SetFocus(c.focused ? button->Handle() : other->Handle());
    if (c.hot) MoveMouseTo(TButtonForm::Centre(*button));
    PumpMessages(60);
    if (c.held) MouseButton(true);
    EXPECT_EQ(Face(*button), c.frame) << c.name;
    // The middle of the face too, away from the caption.
    const TScreenShot shot = Form->Shot(*button);
    EXPECT_EQ(TButtonForm::At(shot, 5, 15), FaceMiddle(c.frame)) << c.name;
    if (c.held) {
      MoveMouseTo(TButtonForm::Centre(*other));
      MouseButton(false);
    }
  }
}

TEST_F(SkinButtons, AClickOnThePushButtonClicksItOnce) {
  Make();
  auto* button = Form->Add<TButton>(nullptr, 20, 20, 90, 30, "OK");
  auto* other = Form->Add<TButton>(nullptr, 20, 80, 90, 30, "Other");
  TClickCounter counter;
  counter.Watch(*button);
  Form->Show();

  ClickAt(TButtonForm::Centre(*button));
  PumpMessages(60);
  EXPECT_EQ(counter.Clicks, 1);
  // The press went to OnMouseDown as well, and the focus to the button.
  EXPECT_EQ(counter.MouseDowns, 1);
  EXPECT_EQ(GetFocus(), button->Handle());
  EXPECT_EQ(Face(*button), kFaceHot);

  // Pressed on the button, released outside it: no click, and the face
  // comes back when the mouse leaves.
  MoveMouseTo(TButtonForm::Centre(*button));
  PumpMessages(60);
  MouseButton(true);
  PumpMessages(60);
  EXPECT_EQ(Face(*button), kFacePressed);
  MoveMouseTo(TButtonForm::Centre(*other));
  MouseButton(false);
  PumpMessages(60);
  EXPECT_EQ(counter.Clicks, 1);
  EXPECT_EQ(Face(*button), kFaceFocused);

  // The space key: the face is pressed while the key is down; the system
  // button clicks, once.
  SetFocus(button->Handle());
  const auto space = [](bool down) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = VK_SPACE;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof input);
    PumpMessages(60);
  };
  space(true);
  EXPECT_EQ(Face(*button), kFacePressed);
  space(false);
  EXPECT_EQ(counter.Clicks, 2);
  EXPECT_EQ(Face(*button), kFaceFocused);
}

TEST_F(SkinButtons, CaptionsBreakAtTheirFirstDoubleBar) {
  Make();
  struct Case {
    const char* caption;
    RECT ink;
  };
  std::vector<Case> cases = {{"AB", {}}, {"AB||AB", {}}, {"AB||AB||AB", {}}};
  std::vector<TButton*> buttons;
  for (std::size_t i = 0; i < cases.size(); ++i)
    buttons.push_back(Form->Add<TButton>(nullptr, 10 + 110 * static_cast<int>(i), 10, 100, 60, cases[i].caption));
  Form->Show();
  SetFocus(Form->Form().Handle());
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const TScreenShot shot = Form->Shot(*buttons[i]);
    cases[i].ink = TButtonForm::InkBounds(shot, RECT{kMargin, kMargin, 100 - kMargin, 60 - kMargin}, FaceMiddle(1));
    ASSERT_FALSE(IsRectEmpty(&cases[i].ink)) << cases[i].caption;
  }
  const auto height = [](const RECT& r) { return r.bottom - r.top; };
  const auto width = [](const RECT& r) { return r.right - r.left; };
  // Two lines, the second as wide as the first.
  EXPECT_GT(height(cases[1].ink), height(cases[0].ink) * 3 / 2);
  EXPECT_EQ(width(cases[1].ink), width(cases[0].ink));
  // Still two lines (the bars reach a little lower than the letters): the
  // second "||" is drawn as it is.
  EXPECT_LT(height(cases[2].ink), height(cases[1].ink) + height(cases[0].ink) / 2);
  EXPECT_GT(width(cases[2].ink), width(cases[1].ink));
  // Centred.
  const RECT& one = cases[0].ink;
  EXPECT_NEAR(one.left + one.right, 100, 2);
  EXPECT_NEAR(one.top + one.bottom, 60, 4);
}

TEST_F(SkinButtons, TheSkinsTextColoursAndFocusRectangle) {
  struct Case {
    const char* name;
    std::string keys;
    TSkinOptions options;
    // With the focus, in the normal look; the ink colour looked for.
    bool focused;
    TColor ink;
    // The ink reaches further than the caption's: the focus rectangle.
    bool focusRect;
  };
  const TColor blue = RGB(0, 0, 255);
  const Case cases[] = {
      {"font colour", "", TSkinData::kDefaultOptions, false, RGB(0, 128, 0), false},
      {"NormalColour2", "NormalColour2=0 0 255\n", TSkinData::kDefaultOptions, false, blue, false},
      {"focused", "NormalColour2=0 0 255\n", TSkinData::kDefaultOptions, true, blue, true},
      {"xoNoFocusRect", "NormalColour2=0 0 255\n",
       static_cast<TSkinOptions>(TSkinData::kDefaultOptions | SetBit(xoNoFocusRect)), true, blue, false},
  };
  for (const Case& c : cases) {
    Make(Skin(4, 4, c.keys));
    Form->Window.Data->SetOptions(c.options);
    auto* button = Form->Add<TButton>(nullptr, 20, 20, 120, 40, "Wide text");
    button->Font()->SetColor(RGB(0, 128, 0));
    auto* other = Form->Add<TButton>(nullptr, 20, 80, 90, 30, "Other");
    Form->Show();
    SetFocus(c.focused ? button->Handle() : other->Handle());
    const TScreenShot shot = Form->Shot(*button);
    const int face = c.focused ? kFaceFocused : kFaceNormal;
    const RECT inside{kMargin, kMargin, 120 - kMargin, 40 - kMargin};
    const RECT ink = TButtonForm::InkBounds(shot, inside, FaceMiddle(face));
    const RECT coloured = TButtonForm::ColourBounds(shot, c.ink);
    EXPECT_FALSE(IsRectEmpty(&coloured)) << c.name;
    // Beyond the caption's own ink: only the focus rectangle.
    const bool wider = ink.left < coloured.left - 1 && ink.right > coloured.right + 1;
    EXPECT_EQ(wider, c.focusRect) << c.name << " " << Str(ink) << " " << Str(coloured);
    Form.reset();
  }
}

TEST_F(SkinButtons, Tag5555ShowsTheParentBehindTheFace) {
  Make(Skin(4, 4, "", true));
  constexpr TColor kPanel = RGB(10, 90, 30);
  auto* panel = Form->Add<TPanel>(nullptr, 10, 10, 300, 80);
  panel->SetColor(kPanel);
  // The panel stays as it is: its own wrapper is not made here.
  panel->SetTag(Form->Window.Data->DisableTag());
  auto* plain = Form->Add<TButton>(panel, 5, 5, 90, 30, "Plain");
  auto* see = Form->Add<TButton>(panel, 105, 5, 90, 30, "Through");
  see->SetTag(5555);
  Form->Show();
  SetFocus(Form->Form().Handle());
  // The face's cut corner shows the button face colour, or the panel.
  EXPECT_EQ(TButtonForm::At(Form->Shot(*plain), 0, 0), kFace);
  const TScreenShot shot = Form->Shot(*see);
  EXPECT_EQ(TButtonForm::At(shot, 0, 0), kPanel);
  EXPECT_EQ(TButtonForm::FaceAt(shot, 1, 15), kFaceNormal);
}

TEST_F(SkinButtons, BitmapButtonsPlaceTheirGlyph) {
  // A 100 x 40 button, a glyph of 10 x 10 without caption: where the glyph
  // goes for each layout, margin and spacing.
  struct Case {
    TButtonLayout layout;
    int margin, spacing;
    POINT glyph;
  };
  const Case cases[] = {
      {TButtonLayout::blGlyphLeft, -1, -1, {45, 15}},  {TButtonLayout::blGlyphLeft, 4, 4, {4, 15}},
      {TButtonLayout::blGlyphRight, 4, 4, {86, 15}},   {TButtonLayout::blGlyphRight, -1, 6, {45, 15}},
      {TButtonLayout::blGlyphTop, 3, -1, {45, 3}},     {TButtonLayout::blGlyphBottom, 3, 2, {45, 27}},
      {TButtonLayout::blGlyphTop, -1, -1, {45, 15}},
  };
  Make();
  const std::unique_ptr<TBitmap> glyph = GlyphStrip(1);
  std::vector<TBitBtn*> buttons;
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    auto* button = Form->Add<TBitBtn>(nullptr, 10 + 110 * static_cast<int>(i % 3), 10 + 50 * static_cast<int>(i / 3),
                                      100, 40);
    button->SetGlyph(glyph.get());
    button->SetLayout(cases[i].layout);
    button->SetMargin(cases[i].margin);
    button->SetSpacing(cases[i].spacing);
    buttons.push_back(button);
  }
  Form->Show();
  SetFocus(Form->Form().Handle());
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const RECT found = TButtonForm::ColourBounds(Form->Shot(*buttons[i]), GlyphColour(1));
    // The bottom row is the key colour: 10 x 9 pixels show.
    const POINT at = cases[i].glyph;
    const RECT expected{at.x, at.y, at.x + 10, at.y + 9};
    EXPECT_TRUE(EqualRect(&found, &expected)) << i << ": " << Str(found) << " expected " << Str(expected);
  }
}

TEST_F(SkinButtons, BitmapButtonsSpreadGlyphAndCaptionEvenly) {
  Make();
  const std::unique_ptr<TBitmap> glyph = GlyphStrip(1);
  auto* button = Form->Add<TBitBtn>(nullptr, 20, 20, 160, 40, "Caption");
  button->SetGlyph(glyph.get());
  button->SetMargin(-1);
  button->SetSpacing(-1);
  button->Font()->SetColor(RGB(0, 0, 255));
  Form->Show();
  SetFocus(Form->Form().Handle());
  const TScreenShot shot = Form->Shot(*button);
  // The caption's width as the button's font measures it.
  SIZE text{};
  {
    TMemoryDC dc;
    const TSelectObject font(dc.Get(), button->Font()->Handle());
    RECT measured{0, 0, 160 - 4 - 12, 36};
    DrawTextA(dc.Get(), "Caption", -1, &measured, DT_CALCRECT | DT_WORDBREAK);
    text = SIZE{measured.right - measured.left, measured.bottom - measured.top};
  }
  const int gap = (160 - (10 + text.cx)) / 3;
  const RECT found = TButtonForm::ColourBounds(shot, GlyphColour(1));
  EXPECT_EQ(found.left, gap);
  EXPECT_EQ(found.top, (40 - 10 + 1) / 2);
  // The caption starts one gap after the glyph (its first pixel may be
  // blank).
  const RECT ink = TButtonForm::ColourBounds(shot, RGB(0, 0, 255));
  EXPECT_GE(ink.left, gap + 10 + gap);
  EXPECT_LE(ink.left, gap + 10 + gap + 2);
}

TEST_F(SkinButtons, BitmapButtonGlyphImagesFollowTheFace) {
  Make();
  const std::unique_ptr<TBitmap> three = GlyphStrip(3);
  const std::unique_ptr<TBitmap> one = GlyphStrip(1);
  auto* strip = Form->Add<TBitBtn>(nullptr, 20, 20, 100, 40);
  strip->SetGlyph(three.get());
  strip->SetNumGlyphs(3);
  auto* single = Form->Add<TBitBtn>(nullptr, 140, 20, 100, 40);
  single->SetGlyph(one.get());
  auto* other = Form->Add<TButton>(nullptr, 20, 100, 90, 30, "Other");
  Form->Show();
  SetFocus(other->Handle());

  const auto shows = [this](TControl& button, TColor colour) {
    const RECT found = TButtonForm::ColourBounds(Form->Shot(button), colour);
    return !IsRectEmpty(&found);
  };
  EXPECT_TRUE(shows(*strip, GlyphColour(1)));
  // Pressed: the third image.
  MoveMouseTo(TButtonForm::Centre(*strip));
  PumpMessages(60);
  MouseButton(true);
  EXPECT_EQ(Face(*strip), kFacePressed);
  EXPECT_TRUE(shows(*strip, GlyphColour(3)));
  MoveMouseTo(TButtonForm::Centre(*other));
  MouseButton(false);
  // Disabled: the second image; a single image is drawn embossed.
  strip->SetEnabled(false);
  single->SetEnabled(false);
  EXPECT_TRUE(shows(*strip, GlyphColour(2)));
  EXPECT_FALSE(shows(*single, GlyphColour(1)));
  EXPECT_TRUE(shows(*single, static_cast<TColor>(GetSysColor(COLOR_BTNSHADOW))));
  EXPECT_EQ(Face(*single), kFaceDisabled);
}

namespace {

// A button of another library whose glyph is its PngImage (Skin3rd
// "pngbitbtn").
class TProbePngButton : public TButton {
  QV_CLASS(TProbePngButton, TButton)

  using TButton::TButton;
  TBitmap* PngImage() const { return FImage.get(); }
  void SetPngImage(TBitmap* image) { FImage->Assign(*image); }

 private:
  static const TPropInfo Published[];
  std::unique_ptr<TBitmap> FImage = std::make_unique<TBitmap>();
};
const TPropInfo TProbePngButton::Published[] = {
    Prop<TTypeKind::Object, &TProbePngButton::PngImage, &TProbePngButton::SetPngImage>("PngImage"),
};
QV_CLASS_INFO(TProbePngButton, TProbePngButton::Published);

}  // namespace

TEST_F(SkinButtons, ImagePropertyButtonsDrawTheirImageAsTheGlyph) {
  Make();
  Form->Window.Data->Skin3rd()->Add("TProbePngButton=pngbitbtn");
  const std::unique_ptr<TBitmap> image = GlyphStrip(1);
  auto* button = Form->Add<TProbePngButton>(nullptr, 20, 20, 100, 40);
  button->SetPngImage(image.get());
  auto* other = Form->Add<TButton>(nullptr, 20, 80, 90, 30, "Other");
  Form->Show();
  SetFocus(other->Handle());
  // Centred as a glyph of one image, its key colour left out.
  const RECT found = TButtonForm::ColourBounds(Form->Shot(*button), GlyphColour(1));
  const RECT expected{45, 15, 55, 24};
  EXPECT_TRUE(EqualRect(&found, &expected)) << Str(found);
  button->SetEnabled(false);
  const TScreenShot disabled = Form->Shot(*button);
  const RECT stillColoured = TButtonForm::ColourBounds(disabled, GlyphColour(1));
  EXPECT_TRUE(IsRectEmpty(&stillColoured));
  EXPECT_EQ(TButtonForm::ColourBounds(disabled, static_cast<TColor>(GetSysColor(COLOR_BTNSHADOW))).left, 45);
}

TEST_F(SkinButtons, MenuButtonsDrawTheirArrowAndClick) {
  TSkinFixture skin = Skin();
  Make(skin);
  Form->Window.Data->Skin3rd()->Add("TProbeDropButton=menubtn");
  auto* button = Form->Add<TProbeDropButton>(nullptr, 20, 20, 80, 24);
  auto* withGlyph = Form->Add<TProbeDropButton>(nullptr, 120, 20, 80, 24);
  const std::unique_ptr<TBitmap> glyph = GlyphStrip(1);
  withGlyph->SetGlyph(glyph.get());
  auto* other = Form->Add<TButton>(nullptr, 20, 80, 90, 30, "Other");
  TClickCounter counter;
  counter.Watch(*button);
  Form->Show();
  ASSERT_EQ(SendMessageA(button->Handle(), SKM_QUERYSKINNED, 0, 0), 1);

  // Without glyph and caption the gaps are a quarter of the width less the
  // arrow: 18; the arrow's tip row is at (72, 12), its top row (69..75, 9).
  const auto arrowShown = [this, button](COLORREF ink) {
    const TScreenShot shot = Form->Shot(*button);
    return TButtonForm::At(shot, 72, 12) == static_cast<TColor>(ink) &&
           TButtonForm::At(shot, 69, 9) == static_cast<TColor>(ink) &&
           TButtonForm::At(shot, 75, 9) == static_cast<TColor>(ink) &&
           TButtonForm::At(shot, 72, 13) != static_cast<TColor>(ink);
  };
  SetFocus(other->Handle());
  EXPECT_EQ(Face(*button), kFaceNormal);
  EXPECT_TRUE(arrowShown(GetSysColor(COLOR_WINDOWTEXT)));
  // With a glyph of 10 x 10 the gaps are (80 - 18) / 4: the glyph at 15,
  // centred down; embossed when disabled.
  const RECT glyphAt = TButtonForm::ColourBounds(Form->Shot(*withGlyph), GlyphColour(1));
  const RECT expected{15, 7, 25, 16};
  EXPECT_TRUE(EqualRect(&glyphAt, &expected)) << Str(glyphAt);
  withGlyph->SetEnabled(false);
  const RECT embossed =
      TButtonForm::ColourBounds(Form->Shot(*withGlyph), static_cast<TColor>(GetSysColor(COLOR_BTNSHADOW)));
  EXPECT_EQ(embossed.left, 15);
  // Focused or hot: frame 4, never 5.
  SetFocus(button->Handle());
  EXPECT_EQ(Face(*button), kFaceHot);
  SetFocus(other->Handle());
  MoveMouseTo(TButtonForm::Centre(*button));
  PumpMessages(60);
  EXPECT_EQ(Face(*button), kFaceHot);
  MouseButton(true);
  EXPECT_EQ(Face(*button), kFacePressed);
  MouseButton(false);
  PumpMessages(60);
  EXPECT_EQ(counter.Clicks, 1);
  Form->MouseAway();
  button->SetEnabled(false);
  EXPECT_EQ(Face(*button), kFaceDisabled);
  EXPECT_TRUE(arrowShown(GetSysColor(COLOR_GRAYTEXT)));
}

TEST_F(SkinButtons, SpeedButtonFacesAndGlyphs) {
  Make();
  const std::unique_ptr<TBitmap> glyph = GlyphStrip(4);
  auto* plain = Form->Add<TSpeedButton>(nullptr, 20, 20, 40, 30);
  auto* flat = Form->Add<TSpeedButton>(nullptr, 70, 20, 40, 30);
  flat->SetFlat(true);
  auto* down = Form->Add<TSpeedButton>(nullptr, 120, 20, 40, 30);
  down->SetGroupIndex(1);
  down->SetDown(true);
  auto* disabled = Form->Add<TSpeedButton>(nullptr, 170, 20, 40, 30);
  disabled->SetEnabled(false);
  for (TSpeedButton* button : {plain, flat, down, disabled}) {
    button->SetGlyph(glyph.get());
    button->SetNumGlyphs(4);
  }
  Form->Show();
  ASSERT_EQ(plain->Perform(SKM_QUERYSKINNED), 1);

  struct Case {
    const char* name;
    TSpeedButton* button;
    int frame;  // 0: no face, the skin's button face
    int glyphImage;
  };
  const Case cases[] = {
      {"plain", plain, kFaceNormal, 1},
      {"flat", flat, 0, 1},
      {"down", down, kFacePressed, 4},
      {"disabled", disabled, kFaceDisabled, 2},
  };
  for (const Case& c : cases) {
    const TScreenShot shot = Form->Shot(*c.button);
    if (c.frame)
      EXPECT_EQ(TButtonForm::FaceAt(shot, 1, 15), c.frame) << c.name;
    else
      EXPECT_EQ(TButtonForm::At(shot, 1, 15), kFace) << c.name;
    const RECT found = TButtonForm::ColourBounds(shot, GlyphColour(c.glyphImage));
    EXPECT_FALSE(IsRectEmpty(&found)) << c.name;
  }
  // The mouse brings the flat button's face; a press shows the pressed one.
  MoveMouseTo(TButtonForm::Centre(*flat));
  PumpMessages(60);
  EXPECT_EQ(TButtonForm::FaceAt(Form->Shot(*flat), 1, 15), kFaceHot);
  MouseButton(true);
  PumpMessages(60);
  const TScreenShot pressed = Form->Shot(*flat);
  EXPECT_EQ(TButtonForm::FaceAt(pressed, 1, 15), kFacePressed);
  const RECT pressedGlyph = TButtonForm::ColourBounds(pressed, GlyphColour(3));
  EXPECT_FALSE(IsRectEmpty(&pressedGlyph));
  MouseButton(false);
  Form->MouseAway();
  EXPECT_EQ(TButtonForm::At(Form->Shot(*flat), 1, 15), kFace);
}

TEST_F(SkinButtons, SpeedButtonsClickOnceAndKeepTheirGroup) {
  Make();
  auto* first = Form->Add<TSpeedButton>(nullptr, 20, 20, 40, 30, "1");
  auto* second = Form->Add<TSpeedButton>(nullptr, 70, 20, 40, 30, "2");
  for (TSpeedButton* button : {first, second}) button->SetGroupIndex(1);
  first->SetDown(true);
  TClickCounter counter, firstCounter;
  counter.Watch(*second);
  firstCounter.Watch(*first);
  Form->Show();

  ClickAt(TButtonForm::Centre(*second));
  PumpMessages(60);
  EXPECT_EQ(counter.Clicks, 1);
  EXPECT_TRUE(second->Down());
  EXPECT_FALSE(first->Down());
  Form->MouseAway();
  EXPECT_EQ(TButtonForm::FaceAt(Form->Shot(*second), 1, 15), kFacePressed);
  EXPECT_EQ(TButtonForm::FaceAt(Form->Shot(*first), 1, 15), kFaceNormal);
  // Released outside: no click.
  MoveMouseTo(TButtonForm::Centre(*first));
  PumpMessages(60);
  MouseButton(true);
  MoveMouseTo(TButtonForm::Centre(*second));
  MouseButton(false);
  PumpMessages(60);
  EXPECT_EQ(firstCounter.Clicks, 0);
  EXPECT_TRUE(second->Down());
}

namespace {

// A plain window that keeps the WM_COMMAND messages it receives.
std::vector<std::pair<WPARAM, LPARAM>> gCommands;
LRESULT CALLBACK CommandKeeper(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_COMMAND) gCommands.emplace_back(wParam, lParam);
  return DefWindowProcA(window, msg, wParam, lParam);
}

}  // namespace

TEST_F(SkinButtons, BareButtonWindowsTellTheirParent) {
  Make();
  Form->Show();
  WNDCLASSA keeper{};
  keeper.lpfnWndProc = &CommandKeeper;
  keeper.hInstance = GetModuleHandleA(nullptr);
  keeper.lpszClassName = "QvCommandKeeper";
  keeper.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  RegisterClassA(&keeper);
  const HWND parent = CreateWindowExA(0, "QvCommandKeeper", "", WS_CHILD | WS_VISIBLE, 10, 10, 300, 100,
                                      Form->Form().Handle(), nullptr, keeper.hInstance, nullptr);
  struct Case {
    DWORD style;
    int id;
    int frame;
  };
  // A dialog's default button shows the default face.
  const Case cases[] = {{BS_PUSHBUTTON, 12, kFaceNormal}, {BS_DEFPUSHBUTTON, 13, kFaceFocused}};
  int left = 10;
  for (const Case& c : cases) {
    const HWND button = CreateWindowExA(0, "BUTTON", "Bare", WS_CHILD | WS_VISIBLE | c.style, left, 10, 80, 30,
                                        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)),
                                        keeper.hInstance, nullptr);
    left += 100;
    Form->Window.Skin()->SkinWindow(button);
    ASSERT_EQ(SendMessageA(button, SKM_QUERYSKINNED, 0, 0), 1) << c.id;
    PumpMessages(60);
    RECT r{};
    GetWindowRect(button, &r);
    EXPECT_EQ(TButtonForm::FaceAt(CaptureScreen(r), 1, 15), c.frame) << c.id;
    gCommands.clear();
    ClickAt(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    PumpMessages(100);
    ASSERT_EQ(gCommands.size(), 1u) << c.id;
    EXPECT_EQ(gCommands[0].first, MAKEWPARAM(c.id, BN_CLICKED)) << c.id;
    EXPECT_EQ(gCommands[0].second, reinterpret_cast<LPARAM>(button)) << c.id;
    Form->MouseAway();
  }
  DestroyWindow(parent);
  UnregisterClassA("QvCommandKeeper", keeper.hInstance);
}

TEST_F(SkinButtons, NothingLeaks) {
  Make();
  Form->Show();
  const std::unique_ptr<TBitmap> glyph = GlyphStrip(2);
  // Controls of every kind skinned, painted in their states, switched off
  // and on, and destroyed with their wrappers.
  const auto round = [&](int i) {
    auto* button = Form->Add<TButton>(nullptr, 10, 10, 80, 30, "Push");
    auto* bit = Form->Add<TBitBtn>(nullptr, 100, 10, 80, 30, "Bit");
    bit->SetGlyph(glyph.get());
    auto* speed = Form->Add<TSpeedButton>(nullptr, 190, 10, 40, 30, "S");
    speed->SetGlyph(glyph.get());
    speed->SetGroupIndex(1);
    auto* check = Form->Add<TCheckBox>(nullptr, 10, 50, 100, 20, "Check");
    Form->Window.Skin()->SkinFormControls(Form->Form());
    for (int k = 0; k < 10; ++k) {
      SetFocus(k % 2 ? button->Handle() : bit->Handle());
      bit->SetEnabled(k % 3 != 0);
      check->SetChecked(k % 2 == 0);
      speed->SetDown(k % 2 == 0);
      if (k == 5 && i % 2) SendMessageA(bit->Handle(), SKM_SKINSWITCH, 0, 0);
      UpdateWindow(Form->Form().Handle());
    }
    delete button;
    delete bit;
    delete speed;
    delete check;
    PumpMessages(20);
  };
  round(0);
  const int before = LiveGdiObjects();
  for (int i = 1; i <= 20; ++i) round(i);
  EXPECT_EQ(LiveGdiObjects(), before);
  EXPECT_TRUE(Form->Window.Skin()->FControls.empty());
}

namespace {

// A media player of another library: a window whose buttons it handles
// itself; the ones shown are a set of nine.
inline constexpr std::string_view kPlayerButtons[] = {"btPlay", "btPause", "btStop", "btNext", "btPrev",
                                                      "btStep", "btBack",  "btRecord", "btEject"};
class TMediaPlayer : public TWinControl {
  QV_CLASS(TMediaPlayer, TWinControl)

  using TWinControl::TWinControl;
  std::uint16_t VisibleButtons = 0x1FF;

 private:
  static const TPropInfo Published[];
};
const TPropInfo TMediaPlayer::Published[] = {
    Prop<TTypeKind::Set, &TMediaPlayer::VisibleButtons, &TMediaPlayer::VisibleButtons>("VisibleButtons",
                                                                                      kPlayerButtons),
};
QV_CLASS_INFO(TMediaPlayer, TMediaPlayer::Published);

}  // namespace

TEST_F(SkinButtons, MediaPlayersShowARowOfSkinnedButtons) {
  Make();
  auto* player = Form->Add<TMediaPlayer>(nullptr, 20, 20, 180, 30);
  // Play, pause and stop: three buttons of 60 pixels.
  player->VisibleButtons = 0x7;
  Form->Show();
  ASSERT_EQ(SendMessageA(player->Handle(), SKM_QUERYSKINNED, 0, 0), 1);
  const auto faces = [this, player] {
    const TScreenShot shot = Form->Shot(*player);
    std::vector<int> frames;
    for (int cell = 0; cell < 3; ++cell) frames.push_back(TButtonForm::FaceAt(shot, cell * 60 + 1, 15));
    return frames;
  };
  EXPECT_EQ(faces(), (std::vector<int>{1, 1, 1}));
  // Each button's symbol in the middle of its face.
  const TScreenShot shot = Form->Shot(*player);
  for (int cell = 0; cell < 3; ++cell) {
    const RECT ink = TButtonForm::InkBounds(shot, RECT{cell * 60 + kMargin, kMargin, cell * 60 + 60 - kMargin, 27},
                                            FaceMiddle(1));
    EXPECT_FALSE(IsRectEmpty(&ink)) << cell;
    EXPECT_NEAR((ink.left + ink.right) / 2, cell * 60 + 30, 3) << cell;
  }
  MoveMouseTo(TButtonForm::ScreenPoint(*player, 90, 15));
  PumpMessages(60);
  EXPECT_EQ(faces(), (std::vector<int>{1, 4, 1}));
  MouseButton(true);
  PumpMessages(60);
  EXPECT_EQ(faces(), (std::vector<int>{1, 2, 1}));
  MouseButton(false);
  Form->MouseAway();
  EXPECT_EQ(faces(), (std::vector<int>{1, 1, 1}));
  player->SetEnabled(false);
  EXPECT_EQ(faces(), (std::vector<int>{3, 3, 3}));
}
