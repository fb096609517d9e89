#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "droppanel/FileDropPan.h"
#include "tests/support/WindowsTestSupport.h"
#include "ui/Form.h"
#include "ui/TypInfo.h"

namespace {

using TPaths = std::vector<std::string>;

TPaths Paths(const TStrings& list) {
  TPaths paths;
  for (int i = 0; i < list.Count(); ++i) paths.push_back(list[i]);
  return paths;
}

// The OnDragFile handler: what each call got, and whether the drop was
// already released then.
struct TDropLog {
  void DragFile(TComponent* sender, const TStrings* fileList) {
    ++Calls;
    Sender = sender;
    List = fileList;
    Received = Paths(*fileList);
    DropReleased = GlobalSize(Drop) == 0;
    if (Throw) throw Exception("处理失败");
  }

  int Calls = 0;
  TComponent* Sender = nullptr;
  const TStrings* List = nullptr;
  TPaths Received;
  HDROP Drop = nullptr;
  bool DropReleased = false;
  bool Throw = false;
};

// What a control's window was told about changes of its extended style.
struct TStyleLog {
  explicit TStyleLog(TControl& control) : Saved(control.WindowProc()) {
    control.SetWindowProc(TWndMethod::Of<&TStyleLog::Handle>(this));
  }
  void Handle(TMessage& message) {
    if (message.Msg == WM_STYLECHANGED && message.WParam == static_cast<WPARAM>(GWL_EXSTYLE)) {
      NewStyles.push_back(reinterpret_cast<const STYLESTRUCT*>(message.LParam)->styleNew);
    }
    if (message.Msg == WM_DESTROY) DestroyedAfter = NewStyles.size();
    ++Messages;
    Saved(message);
  }

  TWndMethod Saved;
  std::vector<DWORD> NewStyles;
  std::size_t DestroyedAfter = 0;
  int Messages = 0;
};

class DropPanel : public ::testing::Test {
 protected:
  void SetUp() override {
    Panel = new TAIFileDropPan(Form.get());
    Panel->SetOnDragFile(TDragFileEvent::Of<&TDropLog::DragFile>(&Log));
  }

  LRESULT Drop(const TPaths& paths) {
    Log.Drop = MakeDrop(paths);
    return SendMessageA(Panel->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(Log.Drop), 0);
  }

  bool AcceptsFiles() const { return GetWindowLongA(Panel->Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES; }

  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TAIFileDropPan* Panel = nullptr;
  TDropLog Log;
};

}  // namespace

TEST_F(DropPanel, ThreeFilesArriveInOrderInOneEventAfterTheDropIsReleased) {
  const TPaths paths{"C:\\文件\\报告.txt", "D:\\b", "E:\\c d\\e.f"};
  EXPECT_EQ(Drop(paths), 0);
  EXPECT_EQ(Log.Calls, 1);
  EXPECT_EQ(Log.Sender, Panel);
  EXPECT_EQ(Log.Received, paths);
  EXPECT_TRUE(Log.DropReleased);
  EXPECT_EQ(Panel->Parent(), Form.get());
}

TEST_F(DropPanel, PathsLongerThan254CharactersAreCut) {
  const std::string letters(300, 'x');
  struct Case {
    std::size_t Length;
    std::size_t Arrives;
  };
  for (const Case& c : {Case{253, 253}, Case{254, 254}, Case{255, 254}, Case{300, 254}}) {
    const std::string path = "C:\\" + letters.substr(0, c.Length - 3);
    Drop({path, "C:\\short"});
    ASSERT_EQ(Log.Received.size(), 2u) << c.Length;
    EXPECT_EQ(Log.Received[0], path.substr(0, c.Arrives)) << c.Length;
    EXPECT_EQ(Log.Received[1], "C:\\short") << c.Length;
  }
}

TEST_F(DropPanel, AHandlerThatFailsIsReportedAndTheListKeepsTheDrop) {
  Log.Throw = true;
  TMessageBoxCloser boxes;
  EXPECT_EQ(Drop({"C:\\a.txt"}), 0);
  const auto shown = boxes.Boxes();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].Text, "处理失败");
  EXPECT_TRUE(Log.DropReleased);
  EXPECT_EQ(Paths(*Log.List), TPaths{"C:\\a.txt"});
}

TEST_F(DropPanel, WithoutAHandlerADropIsStillReleased) {
  Panel->SetOnDragFile({});
  Log.Drop = MakeDrop({"C:\\a.txt"});
  SendMessageA(Panel->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(Log.Drop), 0);
  EXPECT_EQ(GlobalSize(Log.Drop), 0u);
  EXPECT_EQ(Log.Calls, 0);
}

TEST_F(DropPanel, AcceptFileIsTheWindowsDropTargetRegistration) {
  EXPECT_TRUE(Panel->AcceptFile());
  EXPECT_TRUE(AcceptsFiles());
  Panel->SetAcceptFile(false);
  EXPECT_FALSE(AcceptsFiles());
  Panel->SetAcceptFile(true);
  EXPECT_TRUE(AcceptsFiles());

  SetEnumProp(*Panel, "AcceptFile", "False");
  EXPECT_FALSE(Panel->AcceptFile());
  EXPECT_FALSE(AcceptsFiles());
  SetPropValue(*Panel, "AcceptFile", std::int64_t{1});
  EXPECT_TRUE(AcceptsFiles());
  EXPECT_EQ(std::get<TRawMethod>(GetPropValue(*Panel, "OnDragFile")), Panel->OnDragFile().Raw());
  SetPropValue(*Panel, "OnDragFile", TRawMethod{});
  EXPECT_FALSE(Panel->OnDragFile());
}

TEST_F(DropPanel, DestroyingRevokesTheRegistrationOnlyWithAParentAndAcceptFile) {
  // With both: the window stops accepting files before it goes.
  {
    TStyleLog styles(*Panel);
    delete Panel;
    ASSERT_EQ(styles.NewStyles.size(), 1u);
    EXPECT_FALSE(styles.NewStyles[0] & WS_EX_ACCEPTFILES);
    EXPECT_EQ(styles.DestroyedAfter, 1u);
  }
  // AcceptFile off: nothing to revoke.
  Panel = new TAIFileDropPan(Form.get());
  Panel->SetAcceptFile(false);
  {
    TStyleLog styles(*Panel);
    delete Panel;
    EXPECT_TRUE(styles.NewStyles.empty());
    EXPECT_GT(styles.Messages, 0);
  }
  // No parent: the panel has no window to revoke and gets none.
  Panel = new TAIFileDropPan(Form.get());
  Panel->SetParent(nullptr);
  EXPECT_FALSE(Panel->HandleAllocated());
  {
    TStyleLog styles(*Panel);
    delete Panel;
    EXPECT_EQ(styles.Messages, 0);
  }
  // Its windows gone with the form's: no window is made just to revoke.
  Panel = new TAIFileDropPan(Form.get());
  DestroyWindow(Form->Handle());
  EXPECT_FALSE(Panel->HandleAllocated());
  {
    TStyleLog styles(*Panel);
    delete Panel;
    EXPECT_EQ(styles.Messages, 0);
  }
  EXPECT_FALSE(Form->HandleAllocated());
  Panel = nullptr;
}

TEST(DropPanelOwner, MustBeAWindowedControl) {
  TComponent notAControl(nullptr);
  EXPECT_THROW(TAIFileDropPan{&notAControl}, EInvalidCast);
  EXPECT_EQ(notAControl.ComponentCount(), 0);
  EXPECT_THROW(TAIFileDropPan{nullptr}, EInvalidOperation);
}
