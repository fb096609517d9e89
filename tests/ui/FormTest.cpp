#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/WindowsTestSupport.h"
#include "tests/ui/TestForm.h"
#include "ui/Application.h"
#include "ui/Screen.h"

namespace {

using TLog = std::vector<std::string>;

std::string StateOf(const TComponent& component) {
  return (component.ComponentState() & csLoading) ? " (loading)" : "";
}

class TLoggedPanel : public TPanel {
  QV_CLASS(TLoggedPanel, TPanel)

  TLoggedPanel(TComponent* owner, TLog& log) : TPanel(owner), FLog(log) {}
  void Loaded() override {
    FLog.push_back("loaded " + Name() + StateOf(*this));
    TPanel::Loaded();
  }

 private:
  TLog& FLog;
};
QV_CLASS_INFO(TLoggedPanel, {});

// Logs the steps of its construction; OnCreate may throw.
class TLoggedForm : public TForm {
  QV_CLASS(TLoggedForm, TForm)

  static inline TLog Log;
  static inline bool FailInCreate = false;
  static inline bool FailInReadState = false;

  using TForm::TForm;
  void FormCreate(TObject* sender) {
    Log.push_back(std::string("create") + (sender == this ? "" : " from another sender") + StateOf(*this));
    if (FailInCreate) throw EInOutError(2);
  }
  void Loaded() override {
    Log.push_back("loaded form" + StateOf(*this));
    TForm::Loaded();
  }

 protected:
  void ReadState(TReader& reader) override {
    Log.push_back("read" + StateOf(*this));
    OnCreate = TNotifyEvent::Of<&TLoggedForm::FormCreate>(this);
    auto* panel = reader.Create<TLoggedPanel>("Panel1", Log);
    panel->SetParent(this);
    if (FailInReadState) throw Exception("stored description damaged");
    reader.Create<TLoggedPanel>("Panel2", Log)->SetParent(panel);
  }
};
QV_CLASS_INFO(TLoggedForm, {});

// Throws from its message handling.
class TThrowingPanel : public TPanel {
  QV_CLASS(TThrowingPanel, TPanel)
  using TPanel::TPanel;

 protected:
  void WndProc(TMessage& message) override {
    switch (message.Msg) {
      case WM_APP: throw Exception("坏了");
      case WM_APP + 1: throw std::runtime_error("standard failure");
      default: return TPanel::WndProc(message);
    }
  }
};
QV_CLASS_INFO(TThrowingPanel, {});

class FormBuilding : public ::testing::Test {
 protected:
  void SetUp() override {
    TLoggedForm::Log.clear();
    TLoggedForm::FailInCreate = false;
    TLoggedForm::FailInReadState = false;
  }
};

}  // namespace

TEST_F(FormBuilding, StoredPropertiesWhileLoadingThenLoadedThenOnCreate) {
  TMessageBoxCloser boxes;
  std::unique_ptr<TLoggedForm> form(TCustomForm::Create<TLoggedForm>(nullptr));
  EXPECT_EQ(TLoggedForm::Log, (TLog{"read (loading)", "loaded form (loading)", "loaded Panel1 (loading)",
                                    "loaded Panel2 (loading)", "create"}));
  EXPECT_EQ(form->ComponentState() & csLoading, 0u);
  EXPECT_EQ(form->ComponentCount(), 2);
  EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(FormBuilding, AnExceptionFromOnCreateIsShownAndTheFormStillCreated) {
  TLoggedForm::FailInCreate = true;
  TMessageBoxCloser boxes;
  std::unique_ptr<TLoggedForm> form(TCustomForm::Create<TLoggedForm>(nullptr));
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(TLoggedForm::Log.back(), "create");
  const auto shown = boxes.Boxes();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].Text, "文件没找到");
  EXPECT_EQ(shown[0].Caption, Application().Title());
  EXPECT_EQ(Application().Title(), "ui_tests");
}

TEST_F(FormBuilding, AnExceptionWhileReadingLeavesNoForm) {
  TLoggedForm::FailInReadState = true;
  const int forms = Screen().FormCount();
  EXPECT_THROW(TCustomForm::Create<TLoggedForm>(nullptr), Exception);
  EXPECT_EQ(Screen().FormCount(), forms);
  EXPECT_EQ(TLoggedForm::Log, (TLog{"read (loading)"}));
}

TEST(Form, DialogBorderStayOnTopAndCentredOnTheDesktop) {
  auto form = std::unique_ptr<TTestForm>(TCustomForm::Create<TTestForm>(nullptr));
  form->SetFormStyle(TFormStyle::fsStayOnTop);
  form->SetPosition(TPosition::poDesktopCenter);
  form->SetBounds(659, 196, form->Width(), form->Height());
  form->Show();
  const HWND window = form->Handle();
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  const LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | DS_MODALFRAME), WS_CAPTION | WS_SYSMENU | DS_MODALFRAME);
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CHILD), 0);
  EXPECT_TRUE(exStyle & WS_EX_DLGMODALFRAME);
  EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
  EXPECT_TRUE(IsWindowVisible(window));

  char caption[32] = {};
  GetWindowTextA(window, caption, sizeof caption);
  EXPECT_STREQ(caption, "Test");
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 390);
  EXPECT_EQ(client.bottom, 276);

  RECT bounds{};
  GetWindowRect(window, &bounds);
  const int desktopWidth = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const int desktopHeight = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  EXPECT_EQ(bounds.left, GetSystemMetrics(SM_XVIRTUALSCREEN) + (desktopWidth - (bounds.right - bounds.left)) / 2);
  EXPECT_EQ(bounds.top, GetSystemMetrics(SM_YVIRTUALSCREEN) + (desktopHeight - (bounds.bottom - bounds.top)) / 2);

  form->SetFormStyle(TFormStyle::fsNormal);
  EXPECT_FALSE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST(Form, ANewBorderStyleMakesTheWindowAnewWithItsControls) {
  auto form = std::unique_ptr<TTestForm>(TCustomForm::Create<TTestForm>(nullptr));
  const HWND before = form->Handle();
  form->SetBorderStyle(TFormBorderStyle::bsSizeable);
  EXPECT_FALSE(IsWindow(before));
  EXPECT_TRUE(GetWindowLongA(form->Handle(), GWL_STYLE) & WS_THICKFRAME);
  ASSERT_TRUE(form->Memo1->HandleAllocated());
  EXPECT_EQ(GetParent(form->Memo1->Handle()), form->Panel1->Handle());
  EXPECT_EQ(form->Memo1->Lines()->Get(0), "第一行");
}

TEST(Form, TheScreenListsFormsInCreationOrder) {
  const int before = Screen().FormCount();
  auto first = std::make_unique<TForm>(nullptr);
  auto second = std::make_unique<TForm>(nullptr);
  ASSERT_EQ(Screen().FormCount(), before + 2);
  EXPECT_EQ(Screen().Forms(before), first.get());
  EXPECT_EQ(Screen().Forms(before + 1), second.get());
  first.reset();
  EXPECT_EQ(Screen().FormCount(), before + 1);
  EXPECT_EQ(Screen().Forms(before), second.get());
}

TEST(Application, TheFirstFormCreatedIsTheMainFormAndClosingItEndsTheLoop) {
  TTestForm* form = nullptr;
  Application().CreateForm(form);
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(Application().MainForm(), form);
  EXPECT_EQ(form->Owner(), &Application());
  form->Show();
  PostMessageA(form->Handle(), WM_CLOSE, 0, 0);
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE) && msg.message != WM_QUIT) DispatchMessageA(&msg);
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
  delete form;
  EXPECT_EQ(Application().MainForm(), nullptr);
}

TEST(Application, ExceptionsEscapingAMessageHandlerAreShownAndTheWindowLivesOn) {
  auto form = std::unique_ptr<TTestForm>(TCustomForm::Create<TTestForm>(nullptr));
  auto* panel = new TThrowingPanel(form.get());
  panel->SetParent(form->Panel1);
  TMessageBoxCloser boxes;
  SendMessageA(panel->Handle(), WM_APP, 0, 0);
  SendMessageA(panel->Handle(), WM_APP + 1, 0, 0);
  const auto shown = boxes.Boxes();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].Text, "坏了");
  EXPECT_EQ(shown[0].Caption, "ui_tests");
  EXPECT_EQ(shown[1].Text, "standard failure");
  panel->SetCaption("still here");
  char caption[32] = {};
  GetWindowTextA(panel->Handle(), caption, sizeof caption);
  EXPECT_STREQ(caption, "still here");
}
