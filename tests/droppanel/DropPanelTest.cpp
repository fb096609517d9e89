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

// The code page's spelling of a UTF-16 text: what the shell hands on to a
// program that asks for ANSI names.
std::string Ansi(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string converted(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, converted.data(), size, nullptr, nullptr);
  converted.pop_back();
  return converted;
}

TEST_F(DropPanel, ExactNamesAreKeptBesideTheListInTheCodePage) {
  // Korean, an emoji and a CJK Extension B character have no GBK spelling;
  // a 300-character name is cut in the list only.
  const std::vector<std::wstring> exact = {L"C:\\\uD55C\uAD6D\uC5B4\U0001F600.txt", L"D:\\\U00020000.png",
                                           L"E:\\\u03AC\u03AD\u03AE.bin", L"F:\\" + std::wstring(296, L'x')};
  Log.Drop = MakeDrop(exact);
  EXPECT_EQ(SendMessageA(Panel->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(Log.Drop), 0), 0);
  EXPECT_EQ(Log.Calls, 1);
  EXPECT_TRUE(Log.DropReleased);
  EXPECT_EQ(Log.List, Panel->FileList());
  EXPECT_EQ(Panel->ExactFileList(), exact);
  ASSERT_EQ(Log.Received.size(), exact.size());
  for (std::size_t i = 0; i < exact.size(); ++i) {
    EXPECT_EQ(Log.Received[i], Ansi(exact[i]).substr(0, 254)) << i;
  }
  EXPECT_NE(Log.Received[0].find('?'), std::string::npos);
  EXPECT_EQ(Log.Received[3].size(), 254u);

  // A drop in the code page keeps both lists alike.
  Drop({"C:\\文件\\报告.txt"});
  EXPECT_EQ(Panel->ExactFileList(), std::vector<std::wstring>{L"C:\\\u6587\u4EF6\\\u62A5\u544A.txt"});
}

TEST_F(DropPanel, PathsHandedOnFromElsewhereAreOneDrop) {
  const std::vector<std::wstring> exact = {L"C:\\\uD55C\uAD6D\uC5B4.txt", L"D:\\b"};
  Panel->DropPaths(exact);
  EXPECT_EQ(Log.Calls, 1);
  EXPECT_EQ(Log.Sender, Panel);
  EXPECT_EQ(Log.Received, (TPaths{Ansi(exact[0]), "D:\\b"}));
  EXPECT_EQ(Panel->ExactFileList(), exact);
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
