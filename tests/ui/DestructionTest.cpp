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

// Tells whether the messages of its window's last moments reach it through
// its own WindowProc.
class TWatchedMemo : public TMemo {
 public:
  QV_CLASS(TWatchedMemo, TMemo)

  TWatchedMemo(TComponent* owner, TLog& log) : TMemo(owner), FLog(log), FOwn(WindowProc()) {}

 protected:
  void WndProc(TMessage& message) override {
    if (message.Msg == WM_NCDESTROY) FLog.push_back(WindowProc() == FOwn ? "own WindowProc" : "hooked WindowProc");
    TMemo::WndProc(message);
  }

 private:
  TLog& FLog;
  TWndMethod FOwn;
};
QV_CLASS_INFO(TWatchedMemo, {});

// Owned by the control and hooked through TWindowProcHook after it was
// made, as a skin wrapper is: the hook's own part is then the control's
// last component, freed first when the control goes.
class THooked : public TComponent {
 public:
  QV_CLASS(THooked, TComponent)

  THooked(TControl& control, TLog& log) : TComponent(&control), FLog(log) {
    FHook.Install(control, TWindowProcHook::THandler::Of<&THooked::Handle>(this));
  }

 private:
  void Handle(TMessage& message) {
    if (message.Msg == WM_NCDESTROY) FLog.push_back("hook");
    FHook.CallDefault(message);
  }

  TLog& FLog;
  TWindowProcHook FHook;
};
QV_CLASS_INFO(THooked, {});

}  // namespace

TEST(Destruction, AHookFreedWithItsControlGivesTheWindowProcBackBeforeTheWindowGoes) {
  auto host = NewHostForm();
  TLog log;
  auto* memo = new TWatchedMemo(host.get(), log);
  memo->SetParent(host.get());
  memo->HandleNeeded();
  new THooked(*memo, log);
  new THooked(*memo, log);
  delete memo;
  EXPECT_EQ(log, (TLog{"own WindowProc"}));
}
