// Combo boxes and date pickers painted from the skin, on real windows under
// Wine: the frame of each combo box style for the mouse over the button
// (real mouse), a real press, the focus and a disabled box, in the skin's
// composed style and in the plain button style, the button on the left,
// the thin style; the scroll bars of a dropped list and of a simple combo
// box's list; the extended combo box; the date picker's frame and arrow
// button, whose click opens the calendar; unskinning; nothing leaking; and
// the program's own skin on a form.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "skin/controls/ComboxScrollBar.h"
#include "skin/controls/SkinComBox.h"
#include "skin/controls/SkinDateTime.h"
#include "skin/controls/SkinScrollbar.h"
#include "skin/controls/WrapperFactory.h"
#include "skin/window/SkinManage.h"
#include "skin/window/SkinMessages.h"
#include "tests/skin/SkinnedWindow.h"
#include "tests/skin/WindowPixels.h"
#include "tests/support/GdiCount.h"
#include "ui/ComboBox.h"
#include "ui/DateTimePicker.h"

namespace {

// Frame k (1-based) of each element of the combo skin.
TColor ComboColour(int frame) { return RGB(250, 40 * frame, 10); }
TColor SunkColour(int frame) { return RGB(10, 40 * frame, 250); }
TColor ExtraColour(int frame) { return RGB(120, 250, 30 * frame); }
TColor GlyphColour(int frame) { return RGB(10 * frame, 40, 90); }
// The arrow image after the skin changes.
constexpr TColor kNewArrow = RGB(0, 255, 0);

constexpr int kButtonWidth = 16, kButtonHeight = 20, kExtra = 6, kEdge = 8;

int ArrowSize() { return GetSystemMetrics(SM_CXHSCROLL); }

enum TComboLook {
  lComposed,  // "SunkEdge" too: the skin composes the box (style 2)
  lButton,    // "ComboButton" alone (default style)
  lThin,      // "ComboButton" with Style 1
};

TSkinFixture ComboSkin(TComboLook look) {
  const auto strip = [](int frames, int width, int height, TColor (*colour)(int)) {
    return BmpOf(frames * width, height, [=](int x, int) { return colour(x / width + 1); });
  };
  std::string ini = std::string("[ComboButton]\nImage=combo.bmp\nStyle=") + (look == lThin ? "1" : "0") +
                    "\n[ExtraImages]\nImage=extra.bmp\n[Scrollbar]\nImage=glyphs.bmp\n";
  if (look == lComposed)
    ini += "[SunkEdge]\nImage=sunk.bmp\nLeftWidth=2\nTopHeight=2\nRightWidth=2\nBottomHeight=2\n";
  TSkinFixture skin = probe::Skin(true, ini);
  skin.Entry("combo.bmp", strip(4, kButtonWidth, kButtonHeight, ComboColour))
      .Entry("extra.bmp", strip(5, kExtra, kExtra, ExtraColour))
      .Entry("sunk.bmp", strip(4, kEdge, kEdge, SunkColour))
      .Entry("glyphs.bmp", strip(23, ArrowSize(), ArrowSize(), GlyphColour));
  return skin;
}

// What the user does to a combo box before its face is read.
enum TUserAction { aAway, aOver, aLeft, aPress, aFocus, aDisabled };

const char* Describe(TUserAction action) {
  static const char* const kNames[] = {"away", "over the button", "left again", "pressed", "focused", "disabled"};
  return kNames[action];
}

const char* Describe(TComboBoxStyle style) {
  static const char* const kNames[] = {"drop-down", "simple", "drop-down list"};
  return kNames[static_cast<int>(style)];
}

RECT WindowRectOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

template <class T>
T* WrapperOf(TWinSkinForm& skin, HWND window) {
  for (TSkinControl* wrapper : skin.FControls)
    if (wrapper->FHandle == window) return dynamic_cast<T*>(wrapper);
  return nullptr;
}

class SkinCombo : public ::testing::Test {
 protected:
  void Open(TComboLook look) {
    Window = std::make_unique<TSkinnedWindow>(ComboSkin(look), 330, 230);
    PlainFocus = new TComboBox(Window->Form.get());
    PlainFocus->SetParent(Window->Form.get());
    PlainFocus->SetBounds(200, 190, 100, 24);
    PlainFocus->SetTag(99);
  }
  void TearDown() override {
    MoveMouseTo(POINT{0, 0});
    Window.reset();
  }

  TComboBox* AddCombo(TComboBoxStyle style, int x, int y, int width, int height = 24, int items = 5) {
    auto* combo = new TComboBox(Window->Form.get());
    combo->SetParent(Window->Form.get());
    combo->SetStyle(style);
    combo->SetBounds(x, y, width, height);
    for (int i = 0; i < items; ++i) combo->Items()->Add("item " + std::to_string(i));
    combo->SetItemIndex(0);
    return combo;
  }
  void Show() {
    Window->Show();
    ASSERT_NE(Window->Skin(), nullptr);
  }
  TSkinComBox* Wrapper(TWinControl& control) { return WrapperOf<TSkinComBox>(*Window->Skin(), control.Handle()); }

  void Away() { HoverAt(Window->Handle(), 8, Window->Form->Height() - 12); }
  // The middle of the system's drop-down button, window coordinates.
  static POINT ButtonMiddle(HWND combo) {
    const RECT rect = WindowRectOf(combo);
    return POINT{rect.right - rect.left - 2 - ArrowSize() / 2, (rect.bottom - rect.top) / 2};
  }

  void Act(TComboBox& combo, TUserAction action) {
    const HWND window = combo.Handle();
    const POINT button = ButtonMiddle(window);
    switch (action) {
      case aAway: return Away();
      case aOver: return HoverAt(window, button.x, button.y);
      case aLeft:
        HoverAt(window, button.x, button.y);
        return Away();
      case aPress:
        HoverAt(window, button.x, button.y);
        MouseButton(true);
        PumpMessages(100);
        return;
      case aFocus:
        Away();
        SetFocus(window);
        PumpMessages(80);
        return;
      case aDisabled:
        combo.SetEnabled(false);
        return HoverAt(window, button.x, button.y);
    }
  }
  void Release(TComboBox& combo, TUserAction action) {
    if (action == aPress) {
      MouseButton(false);
      PumpMessages(50);
      SendMessageA(combo.Handle(), CB_SHOWDROPDOWN, FALSE, 0);
    }
    if (action == aDisabled) combo.SetEnabled(true);
    if (action == aFocus) SetFocus(PlainFocus->Handle());
    Away();
  }

  void CheckComposedStates(TComboBox* const (&boxes)[3]);
  void CheckComposedLeft(TComboBox& combo);
  void CheckListBars(TComboBox& dropDown, TComboBox& simple);
  void CheckUnskin(TComboBox& combo, LONG_PTR own);
  void CheckBareWindow();
  void CheckButtonLook(TComboLook look, TComboBox& right, TComboBox& left,
                       std::initializer_list<TUserAction> actions);
  void CheckExtended(TComboBox& combo);
  void CheckDatePicker(TDateTimePicker& picker);

  std::unique_ptr<TSkinnedWindow> Window;
  // Takes the focus away from the combo boxes; left unskinned.
  TComboBox* PlainFocus = nullptr;
};

// The skin's composed boxes (the built-in skin's kind): the edge left and
// the button right in the frame of the state (1 normal, 2 pressed, 3
// disabled, 4 hot or focused); a simple combo box keeps its own look.
void SkinCombo::CheckComposedStates(TComboBox* const (&boxes)[3]) {
  ASSERT_EQ(Window->Data->FComboButton->FStyle, 2);
  const TUserAction actions[] = {aAway, aOver, aLeft, aPress, aFocus, aDisabled};
  const int frames[] = {1, 4, 1, 2, 4, 3};
  for (TComboBox* combo : boxes) {
    const HWND window = combo->Handle();
    TSkinComBox* wrapper = Wrapper(*combo);
    ASSERT_NE(wrapper, nullptr) << Describe(combo->Style());
    const bool simple = combo->Style() == TComboBoxStyle::csSimple;
    const RECT rect = WindowRectOf(window);
    const int w = rect.right - rect.left, h = simple ? 24 : rect.bottom - rect.top;
    const int bw = ArrowSize() + 2;
    for (std::size_t i = 0; i < std::size(actions); ++i) {
      // A press there would land on the list's scroll bar and hold the
      // system's scroll tracking.
      if (simple && actions[i] == aPress) continue;
      Act(*combo, actions[i]);
      const TWindowShot shot(window);
      const std::string what = std::string(Describe(combo->Style())) + ", " + Describe(actions[i]);
      if (simple) {
        for (int frame = 1; frame <= 4; ++frame) {
          EXPECT_NE(shot(1, h / 2), SunkColour(frame)) << what;
          EXPECT_NE(shot(w - bw + 2, 1), ComboColour(frame)) << what;
        }
      } else {
        EXPECT_EQ(shot(1, h / 2), SunkColour(frames[i])) << what;
        EXPECT_EQ(shot(w / 2, 0), SunkColour(frames[i])) << what;
        EXPECT_EQ(shot(w - bw + 2, 1), ComboColour(frames[i])) << what;
        if (actions[i] == aPress) {
          EXPECT_TRUE(wrapper->FDroppedDown) << what;
        }
      }
      Release(*combo, actions[i]);
    }
    EXPECT_FALSE(wrapper->FDroppedDown) << Describe(combo->Style());
  }
}

// The button on the left: the edge's mirrored strip, its frames in the
// right order.
void SkinCombo::CheckComposedLeft(TComboBox& combo) {
  const RECT rect = WindowRectOf(combo.Handle());
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  for (const bool disabled : {false, true}) {
    combo.SetEnabled(!disabled);
    const TWindowShot shot(combo.Handle());
    const int frame = disabled ? 3 : 1;
    EXPECT_EQ(shot(3, 1), ComboColour(frame)) << disabled;
    EXPECT_EQ(shot(w - 1, h / 2), SunkColour(frame)) << disabled;
  }
  combo.SetEnabled(true);
}

// A dropped list with more items than it shows gets the skinned bar drawn
// into it; a simple combo box's list gets the overlays.
void SkinCombo::CheckListBars(TComboBox& dropDown, TComboBox& simple) {
  TSkinComBox* dropWrapper = Wrapper(dropDown);
  TSkinComBox* simpleWrapper = Wrapper(simple);
  ASSERT_NE(dropWrapper, nullptr);
  ASSERT_NE(simpleWrapper, nullptr);
  ASSERT_NE(dropWrapper->FPopupScroll, nullptr);
  EXPECT_EQ(dropWrapper->FListScroll, nullptr);
  ASSERT_NE(simpleWrapper->FListScroll, nullptr);
  EXPECT_EQ(simpleWrapper->FPopupScroll, nullptr);
  EXPECT_EQ(dropWrapper->FPopupScroll->FHandle, dropWrapper->FListWnd);
  EXPECT_EQ(SendMessageA(simpleWrapper->FListWnd, SKM_QUERYSKINNED, 0, 0), 1);

  const auto upArrow = [](HWND list) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    EXPECT_TRUE(GetScrollBarInfo(list, OBJID_VSCROLL, &info));
    EXPECT_FALSE(info.rgstate[0] & STATE_SYSTEM_INVISIBLE);
    const POINT at{(info.rcScrollBar.left + info.rcScrollBar.right) / 2, info.rcScrollBar.top + ArrowSize() / 2};
    PumpMessages(60);
    return static_cast<TColor>(CaptureScreen(RECT{at.x, at.y, at.x + 1, at.y + 1}).At(at.x, at.y));
  };
  SendMessageA(dropDown.Handle(), CB_SHOWDROPDOWN, TRUE, 0);
  PumpMessages(100);
  EXPECT_EQ(upArrow(dropWrapper->FListWnd), GlyphColour(9));
  SendMessageA(dropDown.Handle(), CB_SHOWDROPDOWN, FALSE, 0);
  EXPECT_EQ(upArrow(simpleWrapper->FListWnd), GlyphColour(9));
}

// Unskinning gives the edit its procedure back (own: the edit's procedure
// before skinning) and frees the list's wrappers.
void SkinCombo::CheckUnskin(TComboBox& combo, LONG_PTR own) {
  const HWND edit = GetTopWindow(combo.Handle());
  TSkinComBox* wrapper = Wrapper(combo);
  ASSERT_NE(wrapper, nullptr);
  EXPECT_EQ(wrapper->FEditWnd, edit);
  EXPECT_NE(GetWindowLongPtrA(edit, GWLP_WNDPROC), own);
  const HWND list = wrapper->FListWnd;
  ASSERT_EQ(SendMessageA(list, SKM_QUERYSKINNED, 0, 0), 1);
  wrapper->Unskin();
  EXPECT_EQ(GetWindowLongPtrA(edit, GWLP_WNDPROC), own);
  EXPECT_EQ(wrapper->FPopupScroll, nullptr);
  EXPECT_NE(SendMessageA(list, SKM_QUERYSKINNED, 0, 0), 1);
  delete wrapper;
}

// A bare combo box window (a dialog's) is drawn the same; its list keeps
// the system's bars.
void SkinCombo::CheckBareWindow() {
  const HWND combo = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWN, 170, 150,
                                     150, 200, Window->Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(combo, nullptr);
  TSkinControl* made = CreateWrapper(TWrapperChoice{TWrapperKind::ComBox}, Window->Skin());
  auto* wrapper = dynamic_cast<TSkinComBox*>(made);
  ASSERT_NE(wrapper, nullptr);
  wrapper->InitHandle(combo, Window->Data, Window->Skin(), &Window->Skin()->FCanvas);
  EXPECT_EQ(SendMessageA(combo, SKM_QUERYSKINNED, 0, 0), 1);
  EXPECT_EQ(wrapper->FPopupScroll, nullptr);
  EXPECT_NE(wrapper->FEditWnd, nullptr);
  const RECT rect = WindowRectOf(combo);
  const TWindowShot shot(combo);
  EXPECT_EQ(shot(1, (rect.bottom - rect.top) / 2), SunkColour(1));
  EXPECT_EQ(shot(rect.right - rect.left - ArrowSize(), 1), ComboColour(1));
  delete wrapper;
  DestroyWindow(combo);
}

TEST_F(SkinCombo, ComposedBoxes) {
  Open(lComposed);
  TComboBox* const boxes[] = {AddCombo(TComboBoxStyle::csDropDown, 10, 10, 150, 24, 40),
                              AddCombo(TComboBoxStyle::csDropDownList, 10, 50, 150),
                              AddCombo(TComboBoxStyle::csSimple, 170, 10, 150, 120, 40)};
  TComboBox* left = AddCombo(TComboBoxStyle::csDropDownList, 10, 90, 150);
  SetWindowLongA(left->Handle(), GWL_EXSTYLE, GetWindowLongA(left->Handle(), GWL_EXSTYLE) | WS_EX_LEFTSCROLLBAR);
  const HWND edit = GetTopWindow(boxes[0]->Handle());
  ASSERT_NE(edit, nullptr);
  const LONG_PTR own = GetWindowLongPtrA(edit, GWLP_WNDPROC);
  Show();
  CheckComposedStates(boxes);
  CheckComposedLeft(*left);
  CheckListBars(*boxes[0], *boxes[2]);
  CheckUnskin(*boxes[0], own);
  CheckBareWindow();
}

// Without "SunkEdge": the button image stretched over the button's place,
// the arrow glyph centred in it, on the right or (mirrored) on the left;
// the thin style frames the box and puts the image in a strip inside.
void SkinCombo::CheckButtonLook(TComboLook look, TComboBox& right, TComboBox& left,
                                std::initializer_list<TUserAction> actions) {
  const TColor shadow = ColorToRGB(Window->Data->FColours[scButtonShadow]);
  const int a = ArrowSize();
  for (const TUserAction action : actions) {
    const int frame = action == aAway ? 1 : action == aOver ? 4 : action == aPress ? 2 : 3;
    for (TComboBox* combo : {&right, &left}) {
      const bool onLeft = combo == &left;
      const std::string what =
          std::string(look == lThin ? "thin, " : "button, ") + (onLeft ? "left, " : "right, ") + Describe(action);
      const HWND window = combo->Handle();
      const RECT rect = WindowRectOf(window);
      const int w = rect.right - rect.left, h = rect.bottom - rect.top;
      // Over the skinned button where it is drawn.
      const POINT over = look == lThin ? POINT{onLeft ? 4 : w - 4, h / 2} : POINT{onLeft ? a / 2 : w - 2 - a / 2, 3};
      if (action != aAway) {
        if (action == aDisabled) combo->SetEnabled(false);
        HoverAt(window, over.x, over.y);
        if (action == aPress) {
          MouseButton(true);
          PumpMessages(100);
        }
      }
      const TWindowShot shot(window);
      if (look == lButton) {
        EXPECT_EQ(shot(onLeft ? 1 : w - 2, 2), ComboColour(frame)) << what;
        const int middle = (onLeft ? 2 : w - a - 2) + a / 2;
        EXPECT_EQ(shot(middle, h / 2), ExtraColour(frame)) << what;
      } else {
        EXPECT_EQ(shot(0, h / 2), shadow) << what;
        EXPECT_EQ(shot(w - 1, 2), shadow) << what;
        EXPECT_EQ(shot(onLeft ? 3 : w - 4, h / 2), ComboColour(frame)) << what;
      }
      if (action == aPress) {
        MouseButton(false);
        PumpMessages(50);
        SendMessageA(window, CB_SHOWDROPDOWN, FALSE, 0);
      }
      combo->SetEnabled(true);
      Away();
    }
  }
}

// Marked as an extended combo box: the "ComboxArrow" image on the button's
// place (here the combo button's strip with its magenta turned into the
// button face).
void SkinCombo::CheckExtended(TComboBox& combo) {
  TWrapperChoice choice{TWrapperKind::ComBox};
  choice.Marks = wmExtendedCombo;
  TSkinControl* wrapper = CreateWrapper(choice, &combo);
  ASSERT_NE(dynamic_cast<TSkinComBox*>(wrapper), nullptr);
  EXPECT_TRUE(static_cast<TSkinComBox*>(wrapper)->FExtended);
  wrapper->InitControl(Window->Skin(), Window->Data, false, &Window->Skin()->FCanvas);
  const POINT button = ButtonMiddle(combo.Handle());
  {
    const TWindowShot shot(combo.Handle());
    EXPECT_EQ(shot(button.x, button.y), ComboColour(1));
  }
  HoverAt(combo.Handle(), button.x, button.y);
  {
    const TWindowShot shot(combo.Handle());
    EXPECT_EQ(shot(button.x, button.y), ComboColour(4));
  }
  Away();
  delete wrapper;
}

// A date picker: the two-colour frame, the arrow button over its own
// (frame 1, frame 4 with the mouse over it), a click on it opens the
// calendar; without a border no frame, but still the arrow button.
void SkinCombo::CheckDatePicker(TDateTimePicker& picker) {
  auto* wrapper = WrapperOf<TSkinDateTime>(*Window->Skin(), picker.Handle());
  ASSERT_NE(wrapper, nullptr);
  ASSERT_NE(wrapper->FArrowButton, nullptr);
  const HWND window = picker.Handle();
  EXPECT_TRUE(GetWindowLongA(window, GWL_STYLE) & WS_CLIPCHILDREN);
  const RECT rect = WindowRectOf(window);
  const int w = rect.right - rect.left, h = rect.bottom - rect.top, a = ArrowSize();
  const TColor shadow = ColorToRGB(Window->Data->FColours[scButtonShadow]);
  const POINT arrow{w - 2 - a / 2, h / 2};
  {
    const TWindowShot shot(window);
    EXPECT_EQ(shot(0, h / 2), shadow);
    EXPECT_EQ(shot(1, h / 2), clWhite);
    EXPECT_EQ(shot(arrow.x, arrow.y), ComboColour(1));
  }
  HoverAt(window, arrow.x, arrow.y);
  {
    const TWindowShot shot(window);
    EXPECT_EQ(shot(arrow.x, arrow.y), ComboColour(4));
  }
  ClickAt(ScreenPoint(window, arrow.x, arrow.y));
  PumpMessages(200);
  const auto calendar = reinterpret_cast<HWND>(SendMessageA(window, DTM_GETMONTHCAL, 0, 0));
  EXPECT_TRUE(calendar && IsWindowVisible(calendar));
  if (calendar) PressKey(VK_ESCAPE);
  Away();
  PumpMessages(100);
  {
    const TWindowShot shot(window);
    EXPECT_EQ(shot(arrow.x, arrow.y), ComboColour(1));
  }

  // A new skin reaches the arrow button.
  TBitmap& arrows = Window->Data->FComboxArrow->FBitmap;
  arrows.Canvas().SetBrushColor(kNewArrow);
  arrows.Canvas().FillRect(RECT{0, 0, arrows.Width(), arrows.Height()});
  wrapper->SkinChange();
  {
    const TWindowShot shot(window);
    EXPECT_EQ(shot(arrow.x, arrow.y), kNewArrow);
  }

  SetWindowLongA(window, GWL_EXSTYLE, GetWindowLongA(window, GWL_EXSTYLE) & ~WS_EX_CLIENTEDGE);
  SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  const TWindowShot shot(window);
  EXPECT_NE(shot(0, h / 2), shadow);
  EXPECT_EQ(shot(w - 4 - a / 2, h / 2), kNewArrow);
}

TEST_F(SkinCombo, ButtonStyleExtendedBoxAndDatePicker) {
  Open(lButton);
  TComboBox* right = AddCombo(TComboBoxStyle::csDropDownList, 10, 10, 150);
  TComboBox* left = AddCombo(TComboBoxStyle::csDropDownList, 10, 50, 150);
  SetWindowLongA(left->Handle(), GWL_EXSTYLE, GetWindowLongA(left->Handle(), GWL_EXSTYLE) | WS_EX_LEFTSCROLLBAR);
  TComboBox* extended = AddCombo(TComboBoxStyle::csDropDownList, 170, 10, 150);
  extended->SetTag(99);
  auto* picker = new TDateTimePicker(Window->Form.get());
  picker->SetParent(Window->Form.get());
  picker->SetBounds(10, 90, 160, 24);
  Show();
  CheckButtonLook(lButton, *right, *left, {aAway, aOver, aPress, aDisabled});
  CheckExtended(*extended);
  CheckDatePicker(*picker);
}

TEST_F(SkinCombo, ThinStyle) {
  Open(lThin);
  TComboBox* right = AddCombo(TComboBoxStyle::csDropDownList, 10, 10, 150);
  TComboBox* left = AddCombo(TComboBoxStyle::csDropDownList, 10, 50, 150);
  SetWindowLongA(left->Handle(), GWL_EXSTYLE, GetWindowLongA(left->Handle(), GWL_EXSTYLE) | WS_EX_LEFTSCROLLBAR);
  Show();
  CheckButtonLook(lThin, *right, *left, {aAway, aOver, aDisabled});
}

TEST_F(SkinCombo, NothingLeaks) {
  Open(lComposed);
  Show();
  TWinSkinForm& skin = *Window->Skin();
  const auto round = [&] {
    TComboBox* combo = AddCombo(TComboBoxStyle::csDropDown, 10, 100, 150, 24, 30);
    combo->SetTag(99);
    auto* wrapper = new TSkinComBox(combo);
    wrapper->InitControl(&skin, Window->Data, false, &skin.FCanvas);
    for (int i = 0; i < 3; ++i) wrapper->Repaint();
    const HWND window = combo->Handle();
    const POINT button = ButtonMiddle(window);
    SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(button.x, button.y));
    SendMessageA(window, CM_MOUSELEAVE, 0, 0);
    SendMessageA(window, CB_SHOWDROPDOWN, TRUE, 0);
    SendMessageA(window, CB_SHOWDROPDOWN, FALSE, 0);
    wrapper->SkinChange();
    auto* picker = new TDateTimePicker(Window->Form.get());
    picker->SetParent(Window->Form.get());
    picker->SetBounds(10, 140, 160, 24);
    picker->SetTag(99);
    auto* dates = new TSkinDateTime(picker);
    dates->InitControl(&skin, Window->Data, false, &skin.FCanvas);
    dates->Repaint();
    RedrawWindow(dates->FArrowButton->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    delete combo;
    delete picker;
  };
  for (int i = 0; i < 3; ++i) round();
  PumpMessages(20);
  const int before = LiveGdiObjects();
  for (int i = 0; i < 15; ++i) round();
  PumpMessages(20);
  EXPECT_EQ(LiveGdiObjects(), before);
}

// The program's own skin on a form with combo boxes and a date picker. With
// QV_SCREENSHOT set to a file name, the form's picture is written there (a
// BMP file) to look at.
TEST(BuiltInSkin, DrawsComboBoxesAndDatePickers) {
  DestroySkinManager();
  TComponent root(nullptr);
  auto* data = new TSkinData(&root);
  data->FSkinStream.LoadFromFile(QV_DEFAULT_SKIN_PACKAGE);
  ASSERT_TRUE(data->LoadSkin());
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
    form.SetClientWidth(360);
    form.SetClientHeight(170);
    const TComboBoxStyle styles[] = {TComboBoxStyle::csDropDown, TComboBoxStyle::csDropDownList,
                                     TComboBoxStyle::csSimple};
    std::vector<TComboBox*> combos;
    for (int i = 0; i < 3; ++i) {
      auto* combo = new TComboBox(&form);
      combo->SetParent(&form);
      combo->SetStyle(styles[i]);
      combo->SetBounds(i < 2 ? 10 : 180, i < 2 ? 10 + 40 * i : 10, 160, i < 2 ? 24 : 110);
      for (int k = 0; k < 20; ++k) combo->Items()->Add("文件类型 " + std::to_string(k));
      combo->SetItemIndex(0);
      combos.push_back(combo);
    }
    auto* picker = new TDateTimePicker(&form);
    picker->SetParent(&form);
    picker->SetBounds(10, 90, 160, 24);
    form.Show();
    SetForegroundWindow(form.Handle());
    PumpMessages(300);
    TWinSkinForm* skin = manager.FindSkinForm(form.Handle());
    ASSERT_NE(skin, nullptr);
    for (TComboBox* combo : combos) EXPECT_NE(WrapperOf<TSkinComBox>(*skin, combo->Handle()), nullptr);
    EXPECT_NE(WrapperOf<TSkinDateTime>(*skin, picker->Handle()), nullptr);
    RECT window{};
    GetWindowRect(form.Handle(), &window);
    const TScreenShot shot = CaptureScreen(window);
    SaveShotWhenAsked(shot);
    // The drop-down list's left edge is the skin's composed strip: the
    // colour of its first cell's left column.
    TBitmap& strip = data->FComboButton->FBitmap;
    const RECT combo = WindowRectOf(combos[1]->Handle());
    const TColor edge = strip.Canvas().Pixel(0, strip.Height() / 2);
    if (edge != clFuchsia) {
      EXPECT_EQ(static_cast<TColor>(shot.At(combo.left, (combo.top + combo.bottom) / 2)), edge);
    }
  }
  PumpMessages(20);
  DestroySkinManager();
}

}  // namespace
