// The main form's memo drawn by the stored skin, under Wine, end to end:
// wrapped as the program shows it, its frame read back from the screen in
// the skin's colours, and repainted through its wrapper after a drop's
// report.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/Unit_main.h"
#include "filetype/ExtDatabase.h"
#include "skin/controls/SkinScrollbar.h"
#include "skin/controls/WScrollbar.h"
#include "skin/window/SkinManage.h"
#include "skin/window/SkinMessages.h"
#include "skin/window/WinSkinForm.h"
#include "tests/support/WindowsTestSupport.h"
#include "ui/FileNames.h"
#include "ui/Stream.h"

namespace {

class MainFormMemo : public ::testing::Test {
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
    DeleteFileA(DroppedPath().c_str());
  }

  void Start() {
    Form.reset(TCustomForm::Create<TForm_main>(nullptr));
    Form->Show();
    SetForegroundWindow(Form->Handle());
    PumpMessages(200);
    ASSERT_NE(Skin(), nullptr);
  }
  TWinSkinForm* Skin() const { return SkinManager()->FindSkinForm(Form->Handle()); }
  TSkinScrollbar* MemoWrapper() const {
    for (TSkinControl* wrapper : Skin()->FControls)
      if (wrapper->FControl == Form->Memo1) return dynamic_cast<TSkinScrollbar*>(wrapper);
    return nullptr;
  }
  static std::string DroppedPath() { return ExtractFilePath(ExtDatabasePath()) + "memo-drop.txt"; }
  // The memo's frame on the screen, outside and inside, halfway down.
  std::pair<COLORREF, COLORREF> Frame() const {
    PumpMessages(50);
    RECT memo{};
    GetWindowRect(Form->Memo1->Handle(), &memo);
    const int y = (memo.top + memo.bottom) / 2;
    const TScreenShot shot = CaptureScreen(RECT{memo.left, y, memo.left + 2, y + 1});
    return {shot.At(memo.left, y), shot.At(memo.left + 1, y)};
  }

  std::unique_ptr<TForm_main> Form;
};

}  // namespace

TEST_F(MainFormMemo, IsSkinnedFramedFromTheSkinAndRepaintsThroughItsWrapperAfterADrop) {
  Start();
  EXPECT_EQ(SendMessageA(Form->Memo1->Handle(), SKM_QUERYSKINNED, 0, 0), 1);
  TSkinScrollbar* wrapper = MemoWrapper();
  ASSERT_NE(wrapper, nullptr);
  EXPECT_TRUE(wrapper->FDrawBorder);
  // The memo has no scroll bars of its own: nothing covers it.
  EXPECT_FALSE(wrapper->FVertBar->FShown);
  EXPECT_FALSE(IsWindowVisible(wrapper->FVertBar->WindowHandle()));

  const TSkinData& data = *Form->SkinData1;
  const auto shadow = static_cast<COLORREF>(ColorToRGB(data.FColours[scButtonShadow]));
  const auto face = static_cast<COLORREF>(ColorToRGB(data.FColours[scButtonFace]));
  EXPECT_EQ(Frame(), std::pair(shadow, face));

  {
    TFileStream file(DroppedPath());
    file.WriteBuffer("plain text\r\n", 12);
  }
  wrapper->FWindowRect = RECT{};
  {
    const TMessageBoxCloser boxes;
    SendMessageA(Form->AIFileDropPan1->Handle(), WM_DROPFILES,
                 reinterpret_cast<WPARAM>(MakeDrop(std::vector<std::string>{DroppedPath()})), 0);
    PumpMessages(100);
    EXPECT_TRUE(boxes.Boxes().empty());
  }
  EXPECT_EQ(Form->Memo1->Lines()->Count(), 7);
  // The report's repaint ran through the wrapper, which keeps the frame.
  RECT memo{};
  GetWindowRect(Form->Memo1->Handle(), &memo);
  EXPECT_TRUE(EqualRect(&wrapper->FWindowRect, &memo));
  EXPECT_EQ(Frame(), std::pair(shadow, face));
}
