// A component owned by a control that replaced the control's WindowProc
// (as a skin wrapper does) gives it back while the control is whole,
// whichever of the two goes first.
#include <gtest/gtest.h>

#include "tests/ui/ControlTesting.h"
#include "ui/Memo.h"
#include "ui/Subclass.h"

namespace {

using TLog = std::vector<std::string>;

class TLoggedMemo : public TMemo {
 public:
  QV_CLASS(TLoggedMemo, TMemo)

  TLoggedMemo(TComponent* owner, TLog& log) : TMemo(owner), FLog(log) {}
  ~TLoggedMemo() override { FLog.push_back("free control"); }

 private:
  TLog& FLog;
};
QV_CLASS_INFO(TLoggedMemo, {});

// Owned by the control; puts itself in front of the control's WindowProc
// and gives the previous one back when it goes.
class TWrapper : public TComponent {
 public:
  QV_CLASS(TWrapper, TComponent)

  TWrapper(TControl& control, TLog& log) : TComponent(&control), FControl(control), FLog(log) {
    FSaved = control.WindowProc();
    control.SetWindowProc(TWndMethod::Of<&TWrapper::Handle>(this));
  }
  ~TWrapper() override {
    const bool controlGoing = FControl.ComponentState() & csDestroying;
    FLog.push_back(std::string("free wrapper") + (controlGoing ? " (control going)" : ""));
    FControl.SetWindowProc(FSaved);
  }

 private:
  void Handle(TMessage& message) {
    if (message.Msg == WM_NCDESTROY) FLog.push_back("window destroyed");
    FSaved(message);
  }

  TControl& FControl;
  TLog& FLog;
  TWndMethod FSaved;
};
QV_CLASS_INFO(TWrapper, {});

}  // namespace

TEST(Destruction, AControlFreedWithItsWrapperGivesItBackWhileWhole) {
  auto host = NewHostForm();
  TLog log;
  auto* memo = new TLoggedMemo(host.get(), log);
  memo->SetParent(host.get());
  const HWND window = memo->Handle();
  new TWrapper(*memo, log);
  delete memo;
  EXPECT_FALSE(IsWindow(window));
  // The wrapper goes first, knowing that its control goes; then the
  // control's own parts, the window with them.
  EXPECT_EQ(log, (TLog{"free wrapper (control going)", "free control"}));
}

TEST(Destruction, AWrapperFreedFirstLeavesTheControlWithItsOwnWindowProc) {
  auto host = NewHostForm();
  TLog log;
  auto* memo = new TLoggedMemo(host.get(), log);
  memo->SetParent(host.get());
  const TWndMethod own = memo->WindowProc();
  auto* wrapper = new TWrapper(*memo, log);
  EXPECT_NE(memo->WindowProc(), own);
  // A window made anew goes on through the wrapper.
  memo->RecreateWnd();
  delete wrapper;
  EXPECT_EQ(memo->WindowProc(), own);
  EXPECT_EQ(memo->ComponentCount(), 0);
  memo->Lines()->Add("still working");
  EXPECT_EQ(TextOfWindow(memo->Handle()), "still working\r\n");
  delete memo;
  EXPECT_EQ(log, (TLog{"window destroyed", "free wrapper", "free control"}));
}

TEST(Destruction, AFormFreesTheWrappersOfItsControlsWhileTheyAreWhole) {
  TLog log;
  auto form = std::make_unique<TForm>(nullptr);
  for (int i = 0; i < 2; ++i) {
    auto* memo = new TLoggedMemo(form.get(), log);
    memo->SetParent(form.get());
    new TWrapper(*memo, log);
  }
  form->HandleNeeded();
  form.reset();
  EXPECT_EQ(log, (TLog{"free wrapper (control going)", "free control", "free wrapper (control going)",
                       "free control"}));
}

namespace {

// Owned by the control, like a skin wrapper, in front of the control's
// WindowProc through the framework's owner for replaced procedures.
class THooked : public TComponent {
 public:
  QV_CLASS(THooked, TComponent)

  explicit THooked(TControl& control) : TComponent(&control) {
    FHook.Install(control, TWindowProcHook::THandler::Of<&THooked::Handle>(this));
  }

 private:
  void Handle(TMessage& message) { FHook.CallDefault(message); }

  TWindowProcHook FHook;
};
QV_CLASS_INFO(THooked, {});

// Notes, as its window is about to go, whether it has its own WindowProc.
class TCheckedMemo : public TMemo {
 public:
  QV_CLASS(TCheckedMemo, TMemo)

  TCheckedMemo(TComponent* owner, TLog& log) : TMemo(owner), FLog(log), FOwn(WindowProc()) {}
  ~TCheckedMemo() override { FLog.push_back(WindowProc() == FOwn ? "own WindowProc" : "a replaced WindowProc"); }

 private:
  TLog& FLog;
  TWndMethod FOwn;
};
QV_CLASS_INFO(TCheckedMemo, {});

}  // namespace

// The hook's link is owned by the control and may be freed before the
// component that installed it: either way the window's last messages must
// not reach a freed link.
TEST(Destruction, AControlFreedWithItsHooksHasItsOwnWindowProcWhenTheWindowGoes) {
  auto host = NewHostForm();
  for (int hooks = 1; hooks <= 2; ++hooks) {
    TLog log;
    auto* memo = new TCheckedMemo(host.get(), log);
    memo->SetParent(host.get());
    const HWND window = memo->Handle();
    for (int i = 0; i < hooks; ++i) new THooked(*memo);
    delete memo;
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(log, TLog{"own WindowProc"}) << hooks << " hooks";
  }
}
