// The main form's drop panel under the stored skin, end to end: the form
// skinner gives it the skin's control colour when the window is first
// activated, and gives the panel its own colour back when skinning ends.
#include <gtest/gtest.h>

#include <memory>

#include "app/Unit_main.h"
#include "filetype/ExtDatabase.h"
#include "skin/controls/SkinControl.h"
#include "skin/window/SkinManage.h"
#include "skin/window/SkinMessages.h"
#include "skin/window/WinSkinForm.h"
#include "tests/support/WindowsTestSupport.h"
#include "ui/Memo.h"
#include "ui/Stream.h"

namespace {

class MainFormPanelSkin : public ::testing::Test {
 protected:
  void SetUp() override {
    DestroySkinManager();
    // An empty database: the form starts without an error box.
    const TFileStream database(ExtDatabasePath());
  }
  void TearDown() override {
    Form.reset();
    PumpMessages(10);
    DestroySkinManager();
    DeleteFileA(ExtDatabasePath().c_str());
  }

  // The panel's face in the middle, as the screen shows it with the memo
  // that covers it hidden.
  COLORREF PanelOnScreen() {
    Form->Memo1->Hide();
    PumpMessages(60);
    RECT r{};
    GetWindowRect(Form->AIFileDropPan1->Handle(), &r);
    const POINT middle{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    const COLORREF colour = CaptureScreen(r).At(middle.x, middle.y);
    Form->Memo1->Show();
    return colour;
  }

  std::unique_ptr<TForm_main> Form;
};

}  // namespace

TEST_F(MainFormPanelSkin, ThePanelTakesTheSkinsColourAndGetsItsOwnBack) {
  Form.reset(TCustomForm::Create<TForm_main>(nullptr));
  TPanel& panel = *Form->AIFileDropPan1;
  const TColor own = panel.Color();
  const TColor face = Form->SkinData1->FColours[scButtonFace];
  // The check can tell the two apart.
  ASSERT_NE(ColorToRGB(own), ColorToRGB(face));
  Form->Show();
  SetForegroundWindow(Form->Handle());
  PumpMessages(200);
  TWinSkinForm* skin = SkinManager()->FindSkinForm(Form->Handle());
  ASSERT_NE(skin, nullptr);

  const TSkinControl* box = nullptr;
  for (const TSkinControl* wrapper : skin->FControls)
    if (wrapper->FControl == &panel) box = wrapper;
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->ClassName(), "TSkinBox");
  EXPECT_EQ(panel.Color(), face);
  EXPECT_EQ(PanelOnScreen(), static_cast<COLORREF>(face));
  // The panel's wrapper takes none of its messages.
  EXPECT_EQ(SendMessageA(panel.Handle(), SKM_QUERYSKINNED, 0, 0), 0);

  Form->SkinData1->SetActive(false);
  PumpMessages(500);
  ASSERT_EQ(SkinManager()->FindSkinForm(Form->Handle()), nullptr);
  EXPECT_EQ(panel.Color(), own);
  EXPECT_EQ(PanelOnScreen(), static_cast<COLORREF>(ColorToRGB(own)));
}
