// The control gallery end to end, with the program's two skins (the packages
// the build made): every control of the form is skinned; a switch to the
// second skin re-skins all of them in its colours; thousands of repaints and
// hundreds of switches leave no GDI object behind and the form painted as
// before; unskinning gives every window its own procedure back, and closing
// frees what the skin made.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "skin/controls/SkinBox.h"
#include "skin/controls/SkinControl.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/SkinManage.h"
#include "skin/window/SkinMessages.h"
#include "skin/window/WinSkinForm.h"
#include "tests/support/GdiCount.h"
#include "tests/support/WindowsTestSupport.h"
#include "tools/skingallery/GalleryForm.h"
#include "tools/skingallery/GallerySkin.h"

namespace {

// Every control on the form, its children before their parent's siblings;
// not the parts that a wrapper adds (a date picker's arrow button).
void CollectControls(const TWinControl& parent, std::vector<TControl*>& found) {
  for (int i = 0; i < parent.ControlCount(); ++i) {
    TControl* control = parent.Controls(i);
    if (dynamic_cast<const TSkinControl*>(control->Owner())) continue;
    found.push_back(control);
    if (const auto* windowed = dynamic_cast<const TWinControl*>(control)) CollectControls(*windowed, found);
  }
}

// Handles messages until the manager has run its pending command.
void WaitForCommand() {
  const DWORD start = GetTickCount();
  while (SkinManager()->FCommandData && GetTickCount() - start < 5000) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(1);
  }
}

COLORREF Rgb(int r, int g, int b) { return RGB(r, g, b); }

class SkinGallery : public ::testing::Test {
 protected:
  void SetUp() override {
    DestroySkinManager();
    Data = NewGallerySkin(&Root);
    Form.reset(TCustomForm::Create<TGalleryForm>(nullptr));
    Form->SetSkinData(Data);
  }
  void TearDown() override {
    Form.reset();
    PumpMessages(10);
    DestroySkinManager();
  }

  void Show() {
    Form->Show();
    SetForegroundWindow(Form->Handle());
    PumpMessages(150);
    // Focus on a button: no caret blinks in the pictures taken.
    SetFocus(Form->PushButton->Handle());
    PumpMessages(30);
  }
  TWinSkinForm* Skin() const { return SkinManager()->FindSkinForm(Form->Handle()); }

  // Switches the skin and runs the refresh at once instead of 250 ms later.
  void Switch(const std::string& package) {
    ASSERT_TRUE(Form->ChooseSkin(package));
    SkinManager()->Schedule(kRefresh, 1);
    WaitForCommand();
  }

  void RepaintAll() const {
    RedrawWindow(Form->Handle(), nullptr, nullptr,
                 RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
  TScreenShot Shot() const {
    RepaintAll();
    PumpMessages(60);
    RECT area{};
    GetWindowRect(Form->Handle(), &area);
    return CaptureScreen(area);
  }
  // A pixel of the shot in the client coordinates of control.
  static COLORREF At(const TScreenShot& shot, TControl& control, int x, int y) {
    POINT p{x, y};
    if (auto* windowed = dynamic_cast<TWinControl*>(&control)) {
      ClientToScreen(windowed->Handle(), &p);
    } else {
      p.x += control.Left();
      p.y += control.Top();
      ClientToScreen(control.Parent()->Handle(), &p);
    }
    return shot.At(p.x, p.y);
  }

  // The attached wrapper of a control, or null.
  TSkinControl* WrapperOf(const TControl* control) const {
    for (TSkinControl* wrapper : Skin()->FControls)
      if (wrapper->FControl == control && wrapper->FState == 1) return wrapper;
    return nullptr;
  }

  TComponent Root{nullptr};
  TSkinData* Data = nullptr;
  std::unique_ptr<TGalleryForm> Form;
};

}  // namespace

TEST_F(SkinGallery, EveryControlIsSkinnedAndASwitchReskinsThemAll) {
  Show();
  ASSERT_NE(Skin(), nullptr);
  EXPECT_EQ(SendMessageA(Form->Handle(), SKM_QUERYSKINNED, 0, 0), 1);
  std::vector<TControl*> controls;
  CollectControls(*Form, controls);
  ASSERT_GT(controls.size(), 40u);
  std::map<std::string, int> families;
  for (TControl* control : controls) {
    ++families[std::string(control->ClassName())];
    const TSkinControl* wrapper = WrapperOf(control);
    EXPECT_NE(wrapper, nullptr) << control->ClassName() << " " << control->Name();
    // A panel's box wrapper only recolours it and takes no messages; every
    // other wrapper answers for its window.
    if (auto* windowed = dynamic_cast<TWinControl*>(control); windowed && !dynamic_cast<const TSkinBox*>(wrapper))
      EXPECT_EQ(SendMessageA(windowed->Handle(), SKM_QUERYSKINNED, 0, 0), 1) << control->Name();
  }
  // One of every family the gallery promises, each under its framework
  // class name.
  for (const char* family :
       {"TButton", "TBitBtn", "TMenuButton", "TSpeedButton", "TCheckBox", "TRadioButton", "TGroupBox", "TRadioGroup",
        "TEdit", "TUpDown", "TMemo", "TListBox", "TComboBox", "TDateTimePicker", "TPageControl", "TTabSheet",
        "TTabControl", "TProgressBar", "TTrackBar", "THeaderControl", "TListView", "TTreeView", "TScrollBar",
        "TStatusBar", "TPanel"})
    EXPECT_GT(families[family], 0) << family;
  char name[64] = {};
  GetClassNameA(Form->DropButton->Handle(), name, sizeof name);
  EXPECT_STREQ(name, "TMenuButton");

  // A switch to the second skin. Pixels whose colour the palette gives
  // (the control colour): the backgrounds of the panel, the group boxes, a
  // tab sheet and the status bar.
  struct TProbe {
    const char* what;
    TControl* control;
    int x, y;
  };
  const TProbe probes[] = {
      {"panel", Form->ButtonPanel, 120, 90},
      {"group box", Form->StateGroup, 120, 100},
      {"radio group", Form->RadioGroup1, 4, 58},
      {"tab sheet", Form->Sheets[0], 200, 60},
      {"status bar", Form->StatusBar1, 650, 10},
  };
  const COLORREF slateFace = Rgb(238, 241, 245), emberFace = Rgb(244, 236, 226);
  const TScreenShot before = Shot();
  for (const TProbe& probe : probes) EXPECT_EQ(At(before, *probe.control, probe.x, probe.y), slateFace) << probe.what;

  Switch(QV_EMBER_SKIN_PACKAGE);
  const TScreenShot after = Shot();
  for (const TProbe& probe : probes) EXPECT_EQ(At(after, *probe.control, probe.x, probe.y), emberFace) << probe.what;
  // Every control still wrapped, and none looks as it did.
  for (TControl* control : controls) {
    EXPECT_NE(WrapperOf(control), nullptr) << control->ClassName() << " " << control->Name();
    if (!control->Visible() || (control->Parent() && !IsWindowVisible(control->Parent()->Handle()))) continue;
    int same = 0, all = 0;
    for (int y = 1; y < control->Height() - 1; y += 2)
      for (int x = 1; x < control->Width() - 1; x += 2, ++all)
        same += At(before, *control, x, y) == At(after, *control, x, y);
    EXPECT_LT(same, all) << control->Name();
  }

  // Back to the built-in skin: the form looks as it first did.
  Switch("");
  const TScreenShot again = Shot();
  EXPECT_EQ(again.Pixels, before.Pixels);
}

TEST_F(SkinGallery, RepaintsAndSwitchesLeaveNoGdiObjectAndTheSamePicture) {
  Show();
  ASSERT_NE(Skin(), nullptr);
  TBitmap offscreen(Form->Width(), Form->Height());
  // Every face composed off-screen, as each paint of a control composes it.
  const auto composeFaces = [&] {
    for (TSkinControl* wrapper : Skin()->FControls) {
      RECT bounds{};
      GetWindowRect(wrapper->FHandle, &bounds);
      wrapper->DrawControl(offscreen.Canvas().Handle(),
                           RECT{0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top});
    }
  };
  const auto switches = [&](int count) {
    for (int i = 0; i < count; ++i) Switch(i % 2 == 0 ? QV_EMBER_SKIN_PACKAGE : "");
  };
  // One round of everything first: whatever is made once and kept, or
  // dropped once, is so now.
  switches(2);
  Form->Hide();
  switches(2);
  Show();
  composeFaces();
  const TScreenShot first = Shot();
  const int before = LiveGdiObjects();

  // A whole repaint on the screen costs Wine tens of milliseconds, and a
  // switch that repaints the whole form more: twenty of those, and many
  // rounds of the faces (some 9,000 face paints) and a hundred switches
  // while the form is hidden.
  for (int i = 0; i < 20; ++i) RepaintAll();
  for (int i = 0; i < 200; ++i) composeFaces();
  switches(2);
  Form->Hide();
  switches(100);
  Show();
  EXPECT_EQ(Shot().Pixels, first.Pixels);
  EXPECT_EQ(LiveGdiObjects(), before);
}

TEST_F(SkinGallery, UnskinningRestoresEveryWindowAndClosingFreesTheSkin) {
  // Every control's message method and every window's procedure before the
  // skin came.
  std::vector<TControl*> controls;
  CollectControls(*Form, controls);
  controls.push_back(Form.get());
  std::map<TControl*, TRawMethod> methods;
  std::map<HWND, LONG_PTR> procedures;
  const auto record = [&procedures](HWND window) { procedures[window] = GetWindowLongPtrA(window, GWLP_WNDPROC); };
  for (TControl* control : controls) {
    methods[control] = control->WindowProc().Raw();
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
      windowed->HandleNeeded();
      record(windowed->Handle());
      for (HWND child = GetWindow(windowed->Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        record(child);
    }
  }
  const auto changed = [&] {
    int count = 0;
    for (const auto& [control, method] : methods) count += control->WindowProc().Raw() != method;
    for (const auto& [window, procedure] : procedures) count += GetWindowLongPtrA(window, GWLP_WNDPROC) != procedure;
    return count;
  };
  Show();
  ASSERT_NE(Skin(), nullptr);
  EXPECT_GT(changed(), 30);

  Data->SetActive(false);
  WaitForCommand();
  EXPECT_TRUE(SkinManager()->FForms.empty());
  EXPECT_EQ(changed(), 0);
  for (const auto& [window, procedure] : procedures)
    EXPECT_NE(SendMessageA(window, SKM_QUERYSKINNED, 0, 0), 1) << window;
  Data->SetActive(true);
  WaitForCommand();
  ASSERT_NE(Skin(), nullptr);

  // Closing the gallery as the program ends: the form, then the skin and
  // the manager. A second gallery's whole life leaves the count of GDI
  // objects where the first one's left it.
  const auto close = [this] {
    Form.reset();
    PumpMessages(20);
    EXPECT_TRUE(SkinManager()->FForms.empty());
    delete Data;
    Data = nullptr;
    DestroySkinManager();
  };
  close();
  const int after = LiveGdiObjects();
  SetUp();
  Show();
  ASSERT_NE(Skin(), nullptr);
  Switch(QV_EMBER_SKIN_PACKAGE);
  close();
  EXPECT_EQ(LiveGdiObjects(), after);
}
